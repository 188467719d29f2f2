#include "xlsx/zip_package.h"

#include <zip.h>

#include <memory>

#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {

namespace {

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveDiscard>;

struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// What went wrong, in the shop's words for the failures a file in the
// output folder brings (not a zip, cut short, damaged); libzip's own text,
// which is English, is kept in brackets for whoever looks further.
std::string ErrorText(zip_error_t* error) {
    std::string detail = zip_error_strerror(error);
    switch (zip_error_code_zip(error)) {
        case ZIP_ER_NOZIP:
            return "ZIP 형식이 아닙니다 (" + detail + ")";
        case ZIP_ER_INCONS:
        case ZIP_ER_EOF:
            return "파일이 손상되었거나 잘렸습니다 (" + detail + ")";
        case ZIP_ER_CRC:
        case ZIP_ER_ZLIB:
            return "압축된 내용이 손상되었습니다 (" + detail + ")";
        case ZIP_ER_MEMORY:
            return "메모리가 모자랍니다 (" + detail + ")";
        default:
            return detail;
    }
}

// Opens an archive over a buffer source; the source stays ours (kept) so the archive's
// output can be read back from it after zip_close.
ArchiveHandle OpenOver(zip_source_t* source, const std::string& origin, int flags) {
    zip_error_t error;
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, flags, &error);
    if (!archive) {
        std::string reason = "통합 문서가 아닙니다: " + ErrorText(&error);
        zip_error_fini(&error);
        throw WorkbookError(origin, reason);
    }
    zip_source_keep(source);
    return ArchiveHandle(archive);
}

SourceHandle BufferSource(const void* data, std::size_t size, const std::string& origin) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
    if (!source) {
        std::string reason = ErrorText(&error);
        zip_error_fini(&error);
        throw WorkbookError(origin, "통합 문서를 메모리에 담을 수 없습니다: " + reason);
    }
    return SourceHandle(source);
}

std::string ReadSource(zip_source_t* source, const std::string& origin) {
    if (zip_source_open(source) < 0) {
        throw WorkbookError(
            origin, "새 통합 문서를 다시 읽을 수 없습니다: " + ErrorText(zip_source_error(source)));
    }
    zip_source_seek(source, 0, SEEK_END);
    zip_int64_t size = zip_source_tell(source);
    zip_source_seek(source, 0, SEEK_SET);
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    zip_int64_t read = bytes.empty() ? 0 : zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (read != static_cast<zip_int64_t>(bytes.size())) {
        throw WorkbookError(origin, "새 통합 문서를 다시 읽을 수 없습니다");
    }
    return bytes;
}

}  // namespace

ZipPackage::ZipPackage(std::string bytes, std::string origin)
    : bytes_(std::move(bytes)), origin_(std::move(origin)) {
    SourceHandle source = BufferSource(bytes_.data(), bytes_.size(), origin_);
    ArchiveHandle archive = OpenOver(source.get(), origin_, ZIP_RDONLY);
    reader_ = archive.get();
    // The parts nobody changes go into a new archive as they are, compressed
    // bytes and all: one whose content does not match its checksum would
    // pass into every sheet made from this template. So each is read
    // through once, to the end where the checksum is compared.
    zip_int64_t count = zip_get_num_entries(reader_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(reader_, static_cast<zip_uint64_t>(i), 0);
        if (!name) throw WorkbookError(origin_, "통합 문서의 파트 이름을 읽을 수 없습니다");
        ReadStored(static_cast<zip_uint64_t>(i), name);
    }
    (void)archive.release();  // reader_ owns it from here
}

ZipPackage::~ZipPackage() {
    if (reader_) zip_discard(reader_);
}

bool ZipPackage::Has(std::string_view name) const {
    if (auto change = changes_.find(name); change != changes_.end()) return !change->second.removed;
    return zip_name_locate(reader_, std::string(name).c_str(), 0) >= 0;
}

std::string ZipPackage::Read(std::string_view name) const {
    if (auto change = changes_.find(name); change != changes_.end() && !change->second.removed) {
        return change->second.bytes;
    }
    std::string key(name);
    zip_int64_t index = Has(name) ? zip_name_locate(reader_, key.c_str(), 0) : -1;
    if (index < 0) throw WorkbookError(origin_, "통합 문서에 파트 " + key + "이(가) 없습니다");
    return ReadStored(static_cast<zip_uint64_t>(index), key);
}

std::string ZipPackage::ReadStored(zip_uint64_t index, const std::string& key) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(reader_, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        throw WorkbookError(origin_, "통합 문서에 파트 " + key + "이(가) 없습니다");
    }
    // The size is what the archive claims: a damaged or hostile one (a file
    // under a sheet's name, one given to compare) must not make us allocate it.
    if (stat.size > kMaxPartBytes) {
        throw WorkbookError(origin_, "파트 " + key + "이(가) 너무 큽니다 (" +
                                         std::to_string(stat.size / (1024 * 1024)) + " MB)");
    }
    std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(reader_, index, 0));
    if (!file) throw WorkbookError(origin_, "파트 " + key + "을(를) 열 수 없습니다");
    auto damaged = [&](const std::string& why) {
        return WorkbookError(origin_, "파트 " + key + "이(가) 손상되었습니다: " + why);
    };
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    std::size_t done = 0;
    // One read past the stated size: libzip compares the checksum only when
    // it reaches the part's end, and a part longer than stated is damaged too.
    char beyond = 0;
    for (;;) {
        bool past = done == bytes.size();
        zip_int64_t read = past ? zip_fread(file.get(), &beyond, 1)
                                : zip_fread(file.get(), bytes.data() + done, bytes.size() - done);
        if (read < 0) throw damaged(ErrorText(zip_file_get_error(file.get())));
        if (past && read > 0) throw damaged("적힌 크기보다 깁니다");
        if (read == 0) break;
        done += static_cast<std::size_t>(read);
    }
    if (done != bytes.size()) throw damaged("적힌 크기보다 짧습니다");
    return bytes;
}

std::vector<std::string> ZipPackage::Names() const {
    std::vector<std::string> names;
    zip_int64_t count = zip_get_num_entries(reader_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(reader_, static_cast<zip_uint64_t>(i), 0);
        if (name && Has(name)) names.emplace_back(name);
    }
    for (const auto& [name, change] : changes_) {
        if (!change.removed && zip_name_locate(reader_, name.c_str(), 0) < 0) {
            names.push_back(name);
        }
    }
    return names;
}

void ZipPackage::Write(const std::string& name, std::string bytes, bool compress) {
    changes_[name] = Change{false, compress, std::move(bytes)};
}

void ZipPackage::Remove(const std::string& name) {
    changes_[name] = Change{true, true, {}};
}

std::string ZipPackage::Save() const {
    SourceHandle source = BufferSource(bytes_.data(), bytes_.size(), origin_);
    ArchiveHandle archive = OpenOver(source.get(), origin_, 0);
    auto fail = [&](const std::string& what) {
        throw WorkbookError(origin_, what + ": " + zip_strerror(archive.get()));
    };
    for (const auto& [name, change] : changes_) {
        zip_int64_t index = zip_name_locate(archive.get(), name.c_str(), 0);
        if (change.removed) {
            if (index >= 0 && zip_delete(archive.get(), static_cast<zip_uint64_t>(index)) != 0) {
                fail("파트 " + name + "을(를) 뺄 수 없습니다");
            }
            continue;
        }
        zip_source_t* data =
            zip_source_buffer(archive.get(), change.bytes.data(), change.bytes.size(), 0);
        if (!data) fail("파트 " + name + "을(를) 넣을 수 없습니다");
        index =
            zip_file_add(archive.get(), name.c_str(), data, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            fail("파트 " + name + "을(를) 넣을 수 없습니다");
        }
        zip_int32_t method = change.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
        if (zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), method, 0) !=
            0) {
            fail("파트 " + name + "의 압축을 정할 수 없습니다");
        }
    }
    if (zip_close(archive.get()) != 0) fail("통합 문서를 만들 수 없습니다");
    (void)archive.release();  // zip_close freed it
    return ReadSource(source.get(), origin_);
}

}  // namespace orvalis::xlsx
