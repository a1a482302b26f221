// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways the core talks to a person: progress texts and questions. The GUI
// implements them with widgets, the command-line tool with stderr and arguments,
// the tests with scripted fakes.
#include <string>

namespace gw {

class StatusSink {
public:
    virtual ~StatusSink() = default;
    // Shows a progress or result text at once (the status line).
    virtual void Status(const std::string& text) = 0;
};

// A status sink that drops everything, for callers that do not show progress.
class NullStatusSink final : public StatusSink {
public:
    void Status(const std::string&) override {}
};

struct FileBoxRequest {
    std::string title;
    std::string filter;            // "ASC file|*.asc|All Files|*.*"
    std::string defaultExtension;  // ".asc"
    std::string initialFolder;     // may be empty
    std::string fileName;          // suggested name (save boxes)
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with only an OK button.
    virtual void Message(const std::string& text, const std::string& title) = 0;
    // The same box for a refusal or a failure, shown with the warning icon where
    // boxes have icons; elsewhere it is just a message.
    virtual void Warning(const std::string& text, const std::string& title) { Message(text, title); }
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    // An input box; a cancelled box answers an empty text.
    virtual std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
    // File boxes; a cancelled box answers an empty path.
    virtual std::string OpenFileName(const FileBoxRequest& request) = 0;
    virtual std::string SaveFileName(const FileBoxRequest& request) = 0;
};

}  // namespace gw
