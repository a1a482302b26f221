// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command-line verbs show while they work and ask nobody.
#include <iosfwd>
#include <string>

#include "core/Interfaces.h"

namespace gw::cli {

// One progress line on stderr, rewritten in place, when stderr is a terminal;
// nothing otherwise (so scripts and logs see only results and errors).
class TerminalProgress final : public StatusSink {
public:
    TerminalProgress(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}
    ~TerminalProgress() override { Finish(); }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void Status(const std::string& text) override;
    // Ends the progress line, so what follows starts on a line of its own.
    void Finish();

private:
    std::ostream& err_;
    bool enabled_;
    bool lineOpen_ = false;
};

// The boxes of the core for a verb: every message becomes one error line
// "gridwright-cli VERB: text" (line breaks turned into blanks); questions
// answer No, input and file boxes answer nothing.
class CliPrompter final : public Prompter {
public:
    CliPrompter(std::string verb, std::ostream& err) : verb_(std::move(verb)), err_(err) {}
    void Message(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::string OpenFileName(const FileBoxRequest& request) override;
    std::string SaveFileName(const FileBoxRequest& request) override;

    int messages() const { return messages_; }

private:
    std::string verb_;
    std::ostream& err_;
    int messages_ = 0;
};

// A text on one line: every run of line breaks becomes one blank.
std::string OneLine(const std::string& text);

}  // namespace gw::cli
