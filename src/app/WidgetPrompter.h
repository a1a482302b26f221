// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message, question, input and file boxes shown as real dialogs.
#include <QString>

#include "core/Interfaces.h"

class QWidget;

namespace gw {

class WidgetPrompter final : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& text, const std::string& title) override;
    void Warning(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::string OpenFileName(const FileBoxRequest& request) override;
    std::string SaveFileName(const FileBoxRequest& request) override;

private:
    QWidget* parent_;
};

// "ASC file|*.asc|All Files|*.*" becomes "ASC file (*.asc);;All Files (*.*)".
QString FileDialogFilter(const std::string& filter);

}  // namespace gw
