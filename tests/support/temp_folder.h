#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvalis::testing {

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// A temporary folder standing for the drive letters (ORVALIS_DRIVES), so
// tests read and write the data folder "C:\TARVEL\ORVALIS\" inside it.
class TempDrives {
  public:
    TempDrives();
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    const std::filesystem::path& root() const { return folder_.path(); }
    // The file a drive path stands for.
    std::filesystem::path File(const std::string& drive_path) const;
    // Writes bytes to a drive path, creating its folders.
    void Write(const std::string& drive_path, const std::string& bytes) const;
    // The bytes of a drive path's file, or nothing when it is missing.
    std::optional<std::string> Read(const std::string& drive_path) const;

  private:
    TempFolder folder_;
    ScopedEnv env_;
    std::optional<std::filesystem::path> previous_root_;  // Windows: the outer mapping
};

}  // namespace orvalis::testing
