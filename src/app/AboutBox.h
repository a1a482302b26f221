// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmAbout: the program's title, version and what it is for, its licence, and
// the licence notices of the program and of the software it contains.
#include <QDialog>

namespace gw {

class WindowPlacement;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(WindowPlacement& placement, QWidget* parent);

    static QString VersionText();  // "Version 1.0.0"

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void ShowLicenses();

    WindowPlacement& placement_;
    QDialog* licenses_ = nullptr;
};

}  // namespace gw
