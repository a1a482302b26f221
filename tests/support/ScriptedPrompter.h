// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Prompter that answers from a script and records every box it was asked to
// show, so window tests run without a person.
#include <deque>
#include <string>
#include <vector>

#include "core/Interfaces.h"

namespace gw::test {

struct ShownBox {
    std::string kind;  // "message", "question", "input", "open", "save"
    std::string text;  // message or prompt; for file boxes the title
    std::string title;
    FileBoxRequest request;  // file boxes only
    bool warning = false;    // a message shown with the warning icon
    std::string proposed{};  // input boxes: the answer the box started with
};

class ScriptedPrompter final : public Prompter {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<ShownBox> shown;

    void Message(const std::string& text, const std::string& title) override {
        shown.push_back({"message", text, title, {}});
    }
    void Warning(const std::string& text, const std::string& title) override {
        shown.push_back({"message", text, title, {}, true});
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        shown.push_back({"question", text, title, {}});
        return Take(yesNoAnswers, false);
    }
    std::string Input(const std::string& prompt, const std::string& title, const std::string& proposed) override {
        shown.push_back({"input", prompt, title, {}, false, proposed});
        return Take(inputAnswers, std::string());
    }
    std::string OpenFileName(const FileBoxRequest& request) override {
        shown.push_back({"open", request.title, request.title, request});
        return Take(fileAnswers, std::string());
    }
    std::string SaveFileName(const FileBoxRequest& request) override {
        shown.push_back({"save", request.title, request.title, request});
        return Take(fileAnswers, std::string());
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : shown)
            if (box.kind == "message") texts.push_back(box.text);
        return texts;
    }

private:
    template <typename T>
    static T Take(std::deque<T>& answers, T fallback) {
        if (answers.empty()) return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace gw::test
