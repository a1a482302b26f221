// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WidgetPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/QtText.h"

namespace gw {

namespace {

// A box must not show the hourglass that a long operation put up.
class NormalCursorWhileAsking {
public:
    NormalCursorWhileAsking() : overridden_(QApplication::overrideCursor() != nullptr) {
        if (overridden_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorWhileAsking() {
        if (overridden_) QApplication::restoreOverrideCursor();
    }

private:
    bool overridden_;
};

QString FileBoxFolderAndName(const FileBoxRequest& request) {
    QString folder = PathToQ(request.initialFolder);
    QString name = PathToQ(request.fileName);
    if (folder.isEmpty()) return name;
    if (name.isEmpty()) return folder;
    return folder + (folder.endsWith('/') ? "" : "/") + name;
}

QString RunFileDialog(QWidget* parent, const FileBoxRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, ToQ(request.title), FileBoxFolderAndName(request), FileDialogFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString suffix = ToQ(request.defaultExtension);
    while (suffix.startsWith('*') || suffix.startsWith('.')) suffix.remove(0, 1);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

}  // namespace

QString FileDialogFilter(const std::string& filter) {
    const QStringList parts = ToQ(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return entries.join(";;");
}

void WidgetPrompter::Message(const std::string& text, const std::string& title) {
    NormalCursorWhileAsking normal;
    QMessageBox::information(parent_, ToQ(title), MessageToQ(text), QMessageBox::Ok);
}

void WidgetPrompter::Warning(const std::string& text, const std::string& title) {
    NormalCursorWhileAsking normal;
    QMessageBox::warning(parent_, ToQ(title), ToQ(text), QMessageBox::Ok);
}

bool WidgetPrompter::AskYesNo(const std::string& text, const std::string& title) {
    NormalCursorWhileAsking normal;
    return QMessageBox::question(parent_, ToQ(title), MessageToQ(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::string WidgetPrompter::Input(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    NormalCursorWhileAsking normal;
    bool accepted = false;
    QString answer =
        QInputDialog::getText(parent_, ToQ(title), ToQ(prompt), QLineEdit::Normal, ToQ(defaultText), &accepted);
    return accepted ? FromQ(answer) : std::string();
}

std::string WidgetPrompter::OpenFileName(const FileBoxRequest& request) {
    NormalCursorWhileAsking normal;
    return PathFromQ(RunFileDialog(parent_, request, QFileDialog::AcceptOpen));
}

std::string WidgetPrompter::SaveFileName(const FileBoxRequest& request) {
    NormalCursorWhileAsking normal;
    return PathFromQ(RunFileDialog(parent_, request, QFileDialog::AcceptSave));
}

}  // namespace gw
