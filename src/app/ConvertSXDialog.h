// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// dlgConvertSX ("Convert MCM SX track to National") and ConvertSX, the run
// behind the National menu's "&Create from SX .TER" and "&Open SX .TER": the
// Open box picks the SX track, the dialog collects the options, the core
// converts.
#include <QDialog>
#include <functional>
#include <string>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/convert/SXConversion.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;

namespace gw {

class MakeTextureWindow;
class PieceDocument;
class TerrainDocument;
class WindowPlacement;

class ConvertSXDialog : public QDialog {
    Q_OBJECT
public:
    ConvertSXDialog(Prompter& prompter, QWidget* parent = nullptr);

    // True when the dialog was left by Cancel or by closing its window, false
    // when it was left by OK.
    bool bCancel = true;

    // "Convert" checks every output and leaves Quarry unchecked; any other mode
    // unchecks all six boxes.
    void PresetForMode(const std::string& mode);
    // The output text, then the folder list when the folder exists, then the
    // drive list; the lists' change rules apply as to a click.
    void ShowOutputFolder(const std::string& folder);
    // lblTerName.
    void ShowTerFile(const std::string& terFile);
    // txtGameFolder: the folder the new .TER names instead of the output folder.
    void ShowGameFolder(const std::string& folder);
    // The Z Base box as the Quarry box says, and the other boxes' starting values.
    void ShowStartingValues();

    // What the dialog holds now.
    SXConversionOptions Options() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildControls();
    QLineEdit* AddValueBox(const char* name, const char* labelName, const QString& label);
    QCheckBox* AddOption(const char* name, const QString& caption);
    void ShowFolderInList(const QString& folder);
    void OnFolderChanged();
    // An empty Game folder box shows what the .TER names then.
    void ShowDefaultGameFolder();
    void OnDriveChanged(int index);
    void OnOk();
    // The OK button's checks in order; false (after its message) at the first
    // that fails.
    bool CheckValues();
    bool CheckOutputFolder();

    Prompter& prompter_;
    std::string terFile_;
    QLabel* lblTerName_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLineEdit* txtZOffset_ = nullptr;
    QLineEdit* txtZScale_ = nullptr;
    QLineEdit* txtMaxZ_ = nullptr;
    QLineEdit* txtGridRes_ = nullptr;
    QLineEdit* txtOutputDir_ = nullptr;
    QLineEdit* txtGameFolder_ = nullptr;
    QComboBox* Drive1_ = nullptr;
    QTreeView* Dir1_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QCheckBox* chkQuarry_ = nullptr;
    QCheckBox* chkTer_ = nullptr;
    QCheckBox* chkSCN_ = nullptr;
    QCheckBox* chkSpline_ = nullptr;
    QCheckBox* chkDispMap_ = nullptr;
    QCheckBox* chkTexture_ = nullptr;
};

// What ConvertSX needs from the main window.
struct ConvertSXContext {
    ConvertSXContext(EditorState& state, Prompter& prompter, StatusSink& mainStatus, WindowPlacement& placement)
        : state(state), prompter(prompter), mainStatus(mainStatus), placement(placement) {}

    EditorState& state;      // TrackFolder, NationalFolder, CurrentTerFile, the grids
    Prompter& prompter;      // the Open box and every message
    StatusSink& mainStatus;  // the main window's lblStatus
    WindowPlacement& placement;
    QWidget* parent = nullptr;
    // The displacement map's window; null: the map is made without one.
    DisplacementPreview* preview = nullptr;
    // The texture step; empty: the core's, without a window.
    ConversionTextureRunner texture;
    // The documents the track goes into: the terrain takes it as one undo step
    // ("Create from SX .TER" or "Open SX .TER"), the piece is emptied (all 0,
    // unmodified, no file, its steps forgotten).
    PieceDocument* pieces = nullptr;
    TerrainDocument* terrain = nullptr;
    // Called after that: the main window sets its caption to "Gridwright",
    // disables Save SX ASC and shows the terrain.
    std::function<void()> trackAdded;
    // The per-user folder searched first for stock files (DefaultUserDataFolder()).
    std::string userDataFolder;
};

enum class ConvertSXEnd {
    KeptPiece,    // the unsaved piece was kept (No to the question): nothing happened
    KeptTerrain,  // No to adding the track onto a terrain that is not empty: nothing happened
    NoFile,       // the Open box was cancelled: nothing happened
    Cancelled,    // the dialog was cancelled: "Convert SX cancelled"
    Ran,          // the conversion ran (see the result for failures)
};

struct ConvertSXOutcome {
    ConvertSXEnd end = ConvertSXEnd::NoFile;
    SXConversionResult result;
};

// The texture step through the builder's window frmMakeTexture, as the
// conversion hands it a job: the window shows the progress and stays open.
ConversionTextureRunner TextureStepInWindow(MakeTextureWindow& window);

// National > Create from SX .TER (mode "Convert") and Open SX .TER ("Open").
// An unsaved piece is not emptied, nor a track added onto a terrain that is
// not empty, without asking first. Failures of the run are shown in one
// message box at its end.
ConvertSXOutcome ConvertSX(const std::string& mode, ConvertSXContext& context);

}  // namespace gw
