// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgress.h"

#include <ostream>

namespace gw::cli {

void TerminalProgress::Status(const std::string& text) {
    if (!enabled_) return;
    // Back to the line's start, the text, and the rest of the old text erased.
    err_ << '\r' << OneLine(text) << "\x1b[K" << std::flush;
    lineOpen_ = true;
}

void TerminalProgress::Finish() {
    if (!lineOpen_) return;
    err_ << "\r\x1b[K" << std::flush;
    lineOpen_ = false;
}

void CliPrompter::Message(const std::string& text, const std::string&) {
    ++messages_;
    err_ << "gridwright-cli " << verb_ << ": " << OneLine(text) << "\n";
}

bool CliPrompter::AskYesNo(const std::string&, const std::string&) { return false; }

std::string CliPrompter::Input(const std::string&, const std::string&, const std::string&) { return std::string(); }

std::string CliPrompter::OpenFileName(const FileBoxRequest&) { return std::string(); }

std::string CliPrompter::SaveFileName(const FileBoxRequest&) { return std::string(); }

std::string OneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            inBreak = true;
            continue;
        }
        if (inBreak && !line.empty()) line += ' ';
        inBreak = false;
        line += c;
    }
    return line;
}

}  // namespace gw::cli
