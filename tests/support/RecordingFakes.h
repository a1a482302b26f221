// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the boxes and for a full disk: they record what the core shows,
// answer from a script, and make every file write fail after some bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Interfaces.h"
#include "core/io/OutputFile.h"

namespace gw::test {

struct OneAnswerPrompter final : Prompter {
    std::string inputAnswer;  // what the input box answers ("" is a cancel)
    std::string fileAnswer;   // what the file boxes answer ("" is a cancel)
    bool yes = false;

    std::vector<std::string> messages;  // "title|text"
    std::vector<std::string> inputs;    // "title|default|prompt"
    std::vector<FileBoxRequest> fileBoxes;

    void Message(const std::string& text, const std::string& title) override { messages.push_back(title + "|" + text); }
    bool AskYesNo(const std::string&, const std::string&) override { return yes; }
    std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) override {
        inputs.push_back(title + "|" + defaultText + "|" + prompt);
        return inputAnswer;
    }
    std::string OpenFileName(const FileBoxRequest& request) override {
        fileBoxes.push_back(request);
        return fileAnswer;
    }
    std::string SaveFileName(const FileBoxRequest& request) override {
        fileBoxes.push_back(request);
        return fileAnswer;
    }
};

// While it lives, every OutputFile opened fails (no space left) after that many bytes.
struct FailWritesAfter {
    explicit FailWritesAfter(std::int64_t bytes) { OutputFile::FailAfterBytesForTesting(bytes); }
    ~FailWritesAfter() { OutputFile::FailAfterBytesForTesting(-1); }
};

}  // namespace gw::test
