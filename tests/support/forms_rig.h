#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/replay_backend.h"
#include "support/temp_folder.h"
#include "window_models/forms.h"
#include "window_models/interaction.h"

namespace orvalis::testing {

// Records the message boxes a window shows and answers its questions.
class RecordingInteraction : public forms::Interaction {
  public:
    void Message(const forms::MessageText& message) override { messages.push_back(message); }
    bool Confirm(const forms::MessageText& question) override {
        questions.push_back(question);
        return confirm_answer;
    }
    void OpenDocument(const std::string& path) override { opened.push_back(path); }

    std::vector<forms::MessageText> messages;
    std::vector<forms::MessageText> questions;
    std::vector<std::string> opened;
    bool confirm_answer = false;
};

// The window models over a replay host, with a data folder of their own
// (filled from the shipped files) and a transcript.
class FormsRig {
  public:
    explicit FormsRig(const std::string& replay_script);

    forms::Forms& forms() { return *forms_; }
    host::ReplayBackend& host() { return *backend_; }
    RecordingInteraction& interaction() { return interaction_; }
    const TempDrives& drives() const { return drives_; }
    // The transcript so far, one call per entry.
    std::vector<std::string> Transcript() const;
    // The transcript from the last "# action" marker on, without the marker.
    std::vector<std::string> TranscriptSince(const std::string& action) const;
    // The calls `action` sends to the host, one per entry.
    std::vector<std::string> CallsOf(const std::function<void()>& action);

  private:
    TempDrives drives_;
    TempFolder folder_;
    RecordingInteraction interaction_;
    host::ReplayBackend* backend_ = nullptr;
    std::unique_ptr<forms::Forms> forms_;
};

}  // namespace orvalis::testing
