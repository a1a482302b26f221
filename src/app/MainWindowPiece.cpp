// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's piece file handling, cell editing and ending the program.
#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/AppSettings.h"
#include "app/CellEditBox.h"
#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/WindowPlacement.h"
#include "core/piece/PieceFile.h"
#include "core/piece/PiecePath.h"
#include "core/piece/PieceSet.h"

namespace gw {

namespace {

constexpr const char* kAscFilter = "ASC file|*.asc|All Files|*.*";

std::string ReadProblemsText(const std::string& path, const PieceReadReport& report) {
    std::string text = "Some vertices of " + path + " could not be read:\n";
    for (const std::string& problem : report.problems) text += "\n" + problem;
    if (report.problemCount > static_cast<long long>(report.problems.size())) {
        text += "\n... and " + std::to_string(report.problemCount - static_cast<long long>(report.problems.size())) +
                " more.";
    }
    return text;
}

// The piece name box shows the name as well as the file system's encoding
// lets it; a name the person did not change keeps its own bytes, so a name that
// is not valid UTF-8 is saved under itself, not under its look-alike.
std::string NameFromBox(const QString& shown, const std::string& kept) {
    return shown == PathToQ(kept) ? kept : PathFromQ(shown);
}

// The kind a file name's suffix names; none for a name without one.
std::optional<PieceSetKind> KindOfSuffix(const std::string& suffix) {
    if (suffix.empty()) return std::nullopt;
    return PieceSetKindOf(suffix);
}

}  // namespace

void MainWindow::OpenPiece() {
    FileBoxRequest request;
    request.title = "Open File";
    request.filter = kAscFilter;
    request.defaultExtension = ".asc";
    request.initialFolder = state_.pieceFolder;
    const std::string path = prompter_.OpenFileName(request);
    if (path.empty()) return;
    OpenPieceFile(path);
}

bool MainWindow::OpenPieceFile(const std::string& path) {
    // The file is read into a copy first, and the piece's folder, name, kind and
    // caption change only once it is open: a refused or unreadable file changes
    // nothing, so a later Save cannot write the old grid under its name.
    PieceGrid grid = state_.piece;
    PieceReadReport report;
    {
        WaitCursor wait;
        report = ReadPieceFile(path, grid);
    }
    if (!report.opened) {
        prompter_.Warning(report.opened.message(), kTitle);
        return false;
    }
    const PiecePathParts parts = SplitPiecePath(path);
    if (parts.kind.empty()) {
        prompter_.Warning(kNorthFileOnlyMessage, kTitle);
        return false;
    }
    // Opening replaces the grid and forgets the undo history, so unsaved edits
    // would be gone for good: ask first.
    if (!ConfirmDiscardChanges("The open piece has changes that are not saved. Open another piece anyway?", kTitle)) {
        return false;
    }
    if (report.problemCount > 0) prompter_.Warning(ReadProblemsText(path, report), kTitle);
    // Not one height came from the file: the grid still shows the piece before
    // (silently, when the file has no vertex line at all), so nothing may claim
    // the new file: neither the caption nor a later Save.
    if (report.verticesStored == 0) return false;

    state_.pieceFolder = parts.folder;
    state_.pieceName = parts.name;
    state_.pieceExtension = parts.extension;
    state_.pieceKind = KindOfSuffix(parts.kind);
    state_.pieceFilePath = path;
    SelectKindOption(state_.pieceKind);
    pieceNameBox_->setText(PathToQ(parts.name));
    document_->LoadPiece(grid);
    itmFileSave_->setEnabled(true);
    UpdateCaption();
    // What the status said was about the piece before.
    Status(" ");
    RememberRecentFile(path);
    return true;
}

void MainWindow::NewPiece() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    // One undoable step like every other change of the grid; only the piece's
    // name and kind start afresh.
    document_->ApplyToPiece("New", [](PieceGrid& grid) { grid = PieceGrid{}; });
    state_.pieceName = "untitled";
    state_.pieceKind = PieceSetKind::N;
    state_.pieceExtension = "asc";
    state_.pieceFilePath.clear();
    SelectKindOption(PieceSetKind::N);
    pieceNameBox_->setText("untitled");
    itmFileSave_->setEnabled(true);
    UpdateCaption();
    Status(" ");
}

void MainWindow::SavePiece() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    // A new piece has no folder of its own yet: ask where it goes.
    if (state_.pieceFilePath.empty()) {
        SavePieceAs();
        return;
    }
    WaitCursor wait;
    state_.pieceName = NameFromBox(pieceNameBox_->text(), state_.pieceName);
    state_.pieceKind = CheckedKind();
    SavePieceFileSet();
}

void MainWindow::SavePieceAs() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    FileBoxRequest request;
    request.title = "Save File As";
    request.filter = kAscFilter;
    request.defaultExtension = ".asc";
    request.initialFolder = state_.pieceFolder;
    request.fileName = NameFromBox(pieceNameBox_->text(), state_.pieceName);
    const std::string path = prompter_.SaveFileName(request);
    if (path.empty()) return;
    WaitCursor wait;
    const PiecePathParts parts = SplitPiecePath(path);
    state_.pieceFolder = parts.folder;
    state_.pieceName = parts.name;
    state_.pieceExtension = parts.extension;
    // A typed kind suffix decides the kind; without one the option buttons do.
    if (!parts.kind.empty()) state_.pieceKind = KindOfSuffix(parts.kind);
    if (!state_.pieceKind) state_.pieceKind = PieceSetKind::N;
    SelectKindOption(state_.pieceKind);
    itmFileSave_->setEnabled(true);
    pieceNameBox_->setText(PathToQ(state_.pieceName));
    SavePieceFileSet();
}

void MainWindow::SavePieceFileSet() {
    // A name typed without an extension still gets the usual one.
    if (state_.pieceExtension.empty()) state_.pieceExtension = "asc";
    PieceGrid turning = state_.piece;
    const gw::PieceSetNames set{state_.pieceFolder, state_.pieceName, state_.pieceExtension,
                                state_.pieceKind.value_or(PieceSetKind::N)};
    const PieceSetSaveResult result = gw::SavePieceFileSet(turning, set, state_.skeletonPath, statusSink());
    RefreshPieceGrid();
    const bool northWritten =
        std::find(result.written.begin(), result.written.end(), result.northPath) != result.written.end();
    if (northWritten) {
        state_.pieceFilePath = result.northPath;
        UpdateCaption();
    }
    if (!result.ok()) {
        // The files on disk may now be half old, half new: the piece stays
        // unsaved whatever the undo history says, so leaving the program asks.
        document_->SetModified(true);
        prompter_.Warning(PieceSetFailureText(result), kTitle);
        return;
    }
    document_->SetModified(false);
    RememberRecentFile(result.northPath);
}

bool MainWindow::ConfirmDiscardChanges(const std::string& question, const std::string& title) {
    if (!document_->modified()) return true;
    return prompter_.AskYesNo(question, title);
}

void MainWindow::RequestExit() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    if (document_->modified()) {
        if (!prompter_.AskYesNo("Trying to exit without saving. Continue?", "Exiting Gridwright")) return;
        document_->SetModified(false);
    }
    if (!ConfirmDiscardTerrain()) return;
    SetNationalModified(false);
    SaveSettings();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    if (document_->modified() &&
        !prompter_.AskYesNo("Trying to exit without saving. Continue?", "Exiting Gridwright")) {
        event->ignore();
        return;
    }
    if (!ConfirmDiscardTerrain()) {
        event->ignore();
        return;
    }
    SetNationalModified(false);
    // The changes are being given up: the caption loses its unsaved mark, so
    // the placement keys are the usual ones.
    document_->SetModified(false);
    placement_->SaveFormPosition(*this);
    placement_->SaveFormSize(*this);
    SaveSettings();
    event->accept();
    // Secondary windows do not keep the program alive.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
}

void MainWindow::SaveSettings() {
    settings_.Set("LastPath", PathToQ(state_.pieceFolder));
    settings_.Set("LastTrackPath", PathToQ(state_.trackFolder));
    settings_.Set("LastNationalPath", PathToQ(state_.nationalFolder));
    settings_.Set("GameFolder", ToQ(state_.gameFolder));
    settings_.Set("UseGreeting", itmOptionsGreeting_->isChecked() ? "1" : "0");
    settings_.Sync();
}

void MainWindow::BeginCellEdit(int keyCode) {
    // The edit works on the anchor cell; the selection collapses onto it.
    editRow_ = grid_->Row();
    editCol_ = grid_->Col();
    grid_->SetCurrentCell(editCol_, editRow_);
    cellEditBox_->setFont(grid_->font());
    if (keyCode >= 0 && keyCode <= 32) {
        cellEditBox_->setText(grid_->CellText(editCol_, editRow_));
        cellEditBox_->end(false);
    } else {
        cellEditBox_->setText(QString(QChar(keyCode)));
        cellEditBox_->setCursorPosition(1);
    }
    cellEditBox_->setGeometry(grid_->CellRect(editCol_, editRow_));
    cellEditBox_->show();
    cellEditBox_->setFocus();
}

void MainWindow::CommitCellEdit() {
    if (!cellEditBox_->isVisible()) return;
    cellEditBox_->hide();
    const QString typed = cellEditBox_->text();
    const double value = ValueOfText(FromQ(typed));
    const int row = editRow_, col = editCol_;
    document_->ApplyToPiece("Edit Cell", [&](PieceGrid& grid) { grid.Z(col, row) = value; });
    // The cell shows the text as typed until the grid is next rewritten. An edit
    // that leaves the value as it was is no change: the piece stays as saved.
    grid_->SetCellText(col, row, typed);
}

void MainWindow::CancelCellEdit() {
    cellEditBox_->hide();
    grid_->setFocus();
}

}  // namespace gw
