#pragma once

#include <string>

namespace orvalis::forms {

enum class MessageIcon { kCritical, kExclamation, kInformation, kQuestion };

struct MessageText {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::kInformation;
    // A question whose safe answer is no starts on "아니요", so that Enter
    // does not replace files or rename toolpaths: every question that
    // destroys something sets it.
    bool default_no = false;
};

// How the windows reach the user beyond their own controls: a message box,
// or a yes/no question. The desktop program shows dialogs; the CLI prints the
// message and answers questions from its options.
class Interaction {
  public:
    virtual ~Interaction() = default;
    virtual void Message(const MessageText& message) = 0;
    virtual bool Confirm(const MessageText& question) = 0;
    // Shows a saved workbook to the user with the desktop's program for it.
    // Front ends that show nothing leave it be.
    virtual void OpenDocument(const std::string& /*path*/) {}
};

}  // namespace orvalis::forms
