#pragma once
// frmAbout: the program's title, version and what it is for.
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
    WindowPlacement& placement_;
};

}  // namespace gw
