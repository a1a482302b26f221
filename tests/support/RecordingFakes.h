#pragma once
// Stand-ins for the status line and the boxes: they record what the core shows
// and answer from a script.
#include <string>
#include <vector>

#include "core/Interfaces.h"

namespace gw::test {

struct RecordingStatus final : StatusSink {
    std::vector<std::string> texts;
    void Status(const std::string& text) override { texts.push_back(text); }
};

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

}  // namespace gw::test
