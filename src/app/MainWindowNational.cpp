// The main window's National menu: the terrain (ASC257) is opened, added to,
// saved, cleared and measured here.
#include <QAction>

#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/StatisticsDialog.h"
#include "app/WaitCursor.h"
#include "core/terrain/AddPiece.h"
#include "core/terrain/Asc257File.h"

namespace gw {

namespace {
constexpr const char* kAscFilter = "ASC file|*.asc|All Files|*.*";
}  // namespace

void MainWindow::WireNationalMenu() {
    auto item = [this](const char* name) {
        QAction* action = findChild<QAction*>(name);
        action->setEnabled(true);
        return action;
    };
    connect(item("itmNationalOpenBaseASC257"), &QAction::triggered, this, &MainWindow::OpenBaseASC257);
    connect(item("itmNationalAddToASC257"), &QAction::triggered, this, &MainWindow::AddToASC257);
    connect(item("itmNationalSaveASC257"), &QAction::triggered, this, &MainWindow::SaveASC257);
    connect(item("itmNationalClearASC257"), &QAction::triggered, this, &MainWindow::ClearASC257);
    connect(item("itmNationalDisplayStatistics"), &QAction::triggered, this, [this] { ShowASC257Statistics(false); });
    connect(item("itmNationalSlopeEdges"), &QAction::triggered, this, [this] { ShowASC257Statistics(true); });
}

void MainWindow::OpenBaseASC257() {
    FileBoxRequest request;
    request.title = "Select Base Map";
    request.filter = kAscFilter;
    request.defaultExtension = "*.asc";
    request.initialFolder = state_.nationalFolder;
    const std::string path = prompter_.OpenFileName(request);
    if (path.empty()) return;
    state_.baseMapFile = path;
    state_.lastAsc257File = path;
    Asc257ReadResult result;
    {
        WaitCursor wait;
        result = ReadASC257(path, state_.national, statusSink());
    }
    if (!result.ok()) prompter_.Message(result.message, kTitle);
    if (result.verticesStored > 0) nationalModified_ = false;  // the grid now holds this file
}

void MainWindow::AddToASC257() {
    if (PromptAddToASC257(prompter_, state_.piece, state_.national)) nationalModified_ = true;
}

void MainWindow::SaveASC257() {
    FileBoxRequest request;
    request.title = "Save ASC As";
    request.filter = kAscFilter;
    request.defaultExtension = "*.ASC";
    request.initialFolder = state_.nationalFolder;
    request.fileName = DefaultAsc257SaveName(state_.currentTerFile, state_.lastAsc257File);
    const std::string target = prompter_.SaveFileName(request);
    if (target.empty()) {
        prompter_.Message("ASC save cancelled", kTitle);
        return;
    }
    const Asc257SaveNames names = MakeAsc257SaveNames(target);
    Outcome written = Outcome::Ok();
    {
        WaitCursor wait;
        written = WriteASC257(state_.skeleton257Path, names.target, names.outName, names.bakName, names.objectName,
                              state_.national, statusSink());
    }
    if (!written) {
        Status("Error: " + written.message());
        prompter_.Message(written.message(), kTitle);
        return;
    }
    nationalModified_ = false;
}

void MainWindow::ClearASC257() {
    state_.national.Clear();
    state_.currentTerFile.clear();
    state_.baseMapFile.clear();
    nationalModified_ = false;
}

void MainWindow::ShowASC257Statistics(bool slopeMode) {
    if (!statistics_) {
        statistics_ = new StatisticsDialog(slopeMode, state_.national, statusSink(), *placement_, this);
        connect(statistics_, &StatisticsDialog::terrainChanged, this, [this] { nationalModified_ = true; });
    }
    statistics_->ShowStatistics(slopeMode);
}

bool MainWindow::ConfirmDiscardTerrain() {
    if (!nationalModified_) return true;
    return prompter_.AskYesNo("The terrain (ASC257) has changes that are not saved. Exit anyway?",
                              "Exiting Gridwright");
}

}  // namespace gw
