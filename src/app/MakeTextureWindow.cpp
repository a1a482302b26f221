// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MakeTextureWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/ImagePicture.h"
#include "app/QtText.h"
#include "app/StatusLabel.h"
#include "app/WaitCursor.h"
#include "app/WindowPlacement.h"
#include "core/texture/TextureTexts.h"

namespace gw {

namespace {

constexpr int kPreviewSide = 320;

QAction* AddItem(QMenu* menu, const char* objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

}  // namespace

MakeTextureWindow::MakeTextureWindow(std::string programFolder, const std::string& trackFolder, Prompter& prompter,
                                     StatusSink& mainStatus, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(std::move(programFolder)),
      prompter_(prompter),
      builder_(programFolder_, trackFolder, *this, mainStatus, prompter) {
    setObjectName("frmMakeTexture");
    setWindowTitle(ToQ(kTextureWindowCaption));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    picMap_ = new ImagePicture(kPreviewSide, kPreviewSide, central);
    picMap_->setObjectName("picMap");
    // A long path neither widens the window nor loses its file name.
    lblStatus_ = new StatusLabel(central);
    lblStatus_->setText("");
    layout->addWidget(picMap_);
    layout->addWidget(lblStatus_);
    setCentralWidget(central);
    BuildMenus();
}

void MakeTextureWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    connect(AddItem(file, "itmFileOpen", "&Open"), &QAction::triggered, this, &MakeTextureWindow::OpenTerFile);
    file->addSeparator()->setObjectName("itmFileSep1");
    connect(AddItem(file, "itmFileExit", "E&xit"), &QAction::triggered, this, &QWidget::close);
}

void MakeTextureWindow::StartTextureBuilder(const std::string& jobText) {
    show();
    WindowPlacement::KeepOnScreen(*this);
    raise();
    repaint();
    WaitCursor hourglass;
    if (auto run = builder_.StartJob(jobText)) lastRun_ = std::move(run);
}

void MakeTextureWindow::OpenTerFile() {
    const std::string terPath = builder_.AskTerFile();
    // The file box belongs to the main window and brought it to the front: the
    // texture is drawn here, so this window comes back on top.
    raise();
    activateWindow();
    if (terPath.empty()) return;
    WaitCursor hourglass;
    lastRun_ = RunTextureFromMenu(terPath, programFolder_, *this, prompter_);
}

void MakeTextureWindow::Status(const std::string& text) {
    lblStatus_->setText(MessageToQ(text));
    lblStatus_->repaint();
}

void MakeTextureWindow::DrawPreview(const RgbImage& skeleton) { picMap_->ShowImage(skeleton); }

}  // namespace gw
