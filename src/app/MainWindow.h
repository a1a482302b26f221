// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmGridwright: the main window with the height grid, the range buttons, the
// piece's file-set options and the menus. It holds widgets and wiring; the work
// is done by calls into the core through the PieceDocument.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/EditorState.h"
#include "core/dispmap/DisplacementMapFiles.h"
#include "core/piece/CurveTool.h"
#include "core/Interfaces.h"
#include "core/text/NumberText.h"

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace gw {

class AboutBox;
class AppSettings;
class ArrowPicture;
class CellEditBox;
class Display3DWindow;
class DisplacementWindow;
class MakeTextureWindow;
class PieceDocument;
class PieceGridView;
class RecentFiles;
class StatisticsDialog;
class TerrainDocument;
class TerrainWindow;
class WindowPlacement;

class MainWindow : public QMainWindow, private StatusSink {
    Q_OBJECT
public:
    MainWindow(EditorState& state, AppSettings& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps that follow the window's creation: remembered folders
    // and options, placement, showing the window, the first layout.
    void StartUp();

    // Opens a piece without asking for it (command line, tests). False when it
    // was refused or could not be read.
    bool OpenPieceFile(const std::string& path);

    PieceDocument& document() { return *document_; }
    TerrainDocument& terrain() { return *terrain_; }
    EditorState& state() { return state_; }
    PieceGridView* grid() const { return grid_; }
    StatusSink& statusSink() { return *this; }
    Prompter& prompter() { return prompter_; }

    // Writes all cells from the PieceGrid, keeping the selection.
    void RefreshPieceGrid();
    // Header texts and column widths.
    void LayoutPieceGrid();
    // Sizes the window from the font: its height shows every row and control,
    // its least width every column and control; on a screen too small for that,
    // the grid scrolls instead.
    void FitWindowToGrid();

    // How documents are shown (the help pages); tests replace it.
    using DocumentOpener = std::function<bool(const QString& path)>;
    void SetDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }
    void ShowHelpPage();
    void ShowFaqPage();
    void ShowAboutBox();
    WindowPlacement& placement() { return *placement_; }

    static constexpr const char* kTitle = "Gridwright";
    // Shown after the caption while the piece has unsaved changes.
    static constexpr const char* kUnsavedMark = " *";

    // The curve tool's control points and samples live as long as the program.
    CurveState& curveState() { return curveState_; }
    Display3DWindow* display3D() const { return display3D_; }
    DisplacementWindow& DisplacementPreviewWindow();
    // The texture builder's window, created on first use; it stays until closed.
    MakeTextureWindow& TextureBuilderWindow();

public Q_SLOTS:
    void NewPiece();
    void OpenPiece();
    void SavePiece();
    void SavePieceAs();
    void RequestExit();
    void Show3DView();
    void OpenBaseASC257();
    void AddToASC257();
    void SaveASC257();
    void ClearASC257();
    void ShowASC257Statistics(bool slopeMode);
    // National > Show Terrain; also shown by itself once a terrain is opened
    // or a track converted.
    TerrainWindow& ShowTerrainWindow();
    // A click on a tile of the terrain window: Add to ASC257 with the box
    // proposing that tile and the Z and scale of the last piece added.
    void AddPieceAtTile(int tileX, int tileY);
    // National > Create from SX .TER ("Convert") and Open SX .TER ("Open").
    void ConvertSXTrack(const std::string& mode);
    // File > Import / Export Heightmap (the piece) and National > Import /
    // Export Heightmap (the terrain).
    void ImportPieceHeightmap();
    void ExportPieceHeightmap();
    void ImportTerrainHeightmap();
    void ExportTerrainHeightmap();
    // Edit > Copy, Paste and Delete on the grid's selection.
    void CopySelection();
    void PasteAtActiveCell();
    void DeleteSelection();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Status(const std::string& text) override;

    void BuildMenus();
    void BuildControls();
    void FitControlsToFont();
    void ArrangeControls(int perRow);
    void ScheduleFit();
    QSize RoomOnScreen() const;
    QAction* AddItem(QMenu* menu, const char* objectName, const QString& caption, bool enabled = true);
    void WireGridEvents();

    void UpdateCaption();
    void SaveSettings();
    bool ConfirmDiscardChanges(const std::string& question, const std::string& title);

    // Cell editing.
    void BeginCellEdit(int keyCode);
    void CommitCellEdit();
    void CancelCellEdit();
    void ShowCurrentCell(int row, int col);
    void ShowCurrentRange();

    void SelectKindOption(const std::string& kind);
    void SavePieceFileSet();
    void RememberRecentFile(const std::string& path);
    void RebuildRecentMenu();
    void AddToolTips();
    void WireNationalMenu();
    void WireDispMapMenu();
    void WireHeightmapItems();
    void MakeTerrainDisplacementMap(TerrainMapSize size);
    // Leaving the program with a terrain that has unsaved changes asks first.
    bool ConfirmDiscardTerrain();
    // Asks for the offset (proposing suggestedAnswer) and adds the piece as one step.
    void AddPieceWithAnswer(const std::string& suggestedAnswer);

    // Range buttons, shifting and the curve tool.
    void WireRangeButtons();
    bool ReadValueBox(const char* emptyMessage, double& value);
    // Takes the selection (a single cell becomes the whole grid, which is then
    // selected) and applies op to the piece as one undoable step.
    void RunRangeOperation(const QString& undoText, const std::function<void(PieceGrid&, const CellRange&)>& op);
    void ShiftSelection(ArrowPicture* arrow, int direction);
    void CurveSelectedColumns();
    void ShowGreeting();
    bool OpenProgramDocument(const char* fileName);
    NumberFormat UserNumberFormat() const;

    EditorState& state_;
    AppSettings& settings_;
    Prompter& prompter_;
    std::unique_ptr<WindowPlacement> placement_;
    PieceDocument* document_;
    TerrainDocument* terrain_;
    bool fixedColumnWidth_ = false;
    bool rangeCaptionLive_ = false;
    bool fitScheduled_ = false;
    QVBoxLayout* controlRows_ = nullptr;
    std::vector<QWidget*> controlBlocks_;  // the groups of controls under the grid, in order
    int controlsPerRow_ = 0;
    AboutBox* aboutBox_ = nullptr;
    Display3DWindow* display3D_ = nullptr;
    DisplacementWindow* displacement_ = nullptr;
    QPointer<MakeTextureWindow> makeTexture_;
    CurveState curveState_;
    QAction* itmFileSaveAs_ = nullptr;
    QAction* itmOptionsHeightColors_ = nullptr;
    QMenu* mnuFileRecent_ = nullptr;
    std::unique_ptr<RecentFiles> recentFiles_;
    QPointer<StatisticsDialog> statistics_;
    QPointer<TerrainWindow> terrainWindow_;
    // The Z and scale of the last Add to ASC257, proposed again by a click on a tile.
    std::string lastAddZ_, lastAddScale_;

public:
    bool nationalModified() const;
    void SetNationalModified(bool modified);
    DocumentOpener openDocument_;  // the frame names the range from the first selection on

    PieceGridView* grid_ = nullptr;
    CellEditBox* txtActiveCell_ = nullptr;
    int editRow_ = 1, editCol_ = 1;
    QLabel* lblActiveCell_ = nullptr;
    QLabel* lblRowCol_ = nullptr;
    QLabel* lblCellValue_ = nullptr;
    QGroupBox* frmRanges_ = nullptr;
    QLineEdit* txtNewVal_ = nullptr;
    QGroupBox* frmFileInfo_ = nullptr;
    QRadioButton* opt1File_ = nullptr;
    QRadioButton* opt2Files_ = nullptr;
    QRadioButton* opt4Files_ = nullptr;
    QButtonGroup* kindOptions_ = nullptr;
    QLineEdit* txtPieceName_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QLabel* lblGreeting_ = nullptr;
    QAction* itmFileSave_ = nullptr;
    QAction* itmOptionsFixedColumnWidth_ = nullptr;
    QAction* itmOptionsGreeting_ = nullptr;
};

}  // namespace gw
