// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QUndoStack>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/AppSettings.h"
#include "app/ArrowPicture.h"
#include "app/CellEditBox.h"
#include "app/ConvertSXDialog.h"
#include "app/MakeTextureWindow.h"
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/RecentFiles.h"
#include "app/StatisticsDialog.h"
#include "app/StatusLabel.h"
#include "app/TerrainDocument.h"
#include "app/TerrainWindow.h"
#include "app/UserName.h"
#include "app/WindowPlacement.h"
#include "core/io/Paths.h"
#include "core/shell/Greeting.h"

#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QUrl>

namespace gw {

namespace {

constexpr int kInitialWidthPixels = 980;

// Layouts keep the sizes they worked out until they run again, which Qt does
// later. Running every layout in the page now, innermost first, makes the sizes
// read next those of the present fonts, texts and arrangement.
void SettleLayouts(QWidget& page) {
    const QList<QWidget*> widgets = page.findChildren<QWidget*>();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if (QLayout* layout = (*it)->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
    page.layout()->invalidate();
    page.layout()->activate();
}

// The Alt key comes from the caption itself, so the tip cannot name another.
QString TipWithKey(const char* tip, const QString& caption) {
    const int amp = caption.indexOf('&');
    return amp >= 0 && amp + 1 < caption.size() ? QString(tip) + QString(" (Alt+%1)").arg(caption.at(amp + 1).toUpper())
                                                : QString(tip);
}

template <typename Widget>
Widget* Named(Widget* widget, const char* objectName, const char* tip = nullptr) {
    widget->setObjectName(objectName);
    if (tip) widget->setToolTip(tip);
    return widget;
}

}  // namespace

MainWindow::MainWindow(EditorState& state, AppSettings& settings, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      settings_(settings),
      prompter_(prompter),
      placement_(std::make_unique<WindowPlacement>(settings)),
      document_(new PieceDocument(state, this)),
      terrain_(new TerrainDocument(state, *document_->undoStack(), this)),
      recentFiles_(std::make_unique<RecentFiles>(settings)) {
    setObjectName("frmGridwright");
    setWindowTitle(kTitle);
    setWindowIcon(AppIcon());
    openDocument_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    BuildControls();
    BuildMenus();
    WireGridEvents();
    connect(document_, &PieceDocument::pieceChanged, this, &MainWindow::RefreshPieceGrid);
    connect(document_, &PieceDocument::modifiedChanged, this, &MainWindow::UpdateCaption);
    connect(document_, &PieceDocument::pieceChanged, this, [this] { ShowCurrentCell(grid_->Col(), grid_->Row()); });
    connect(grid_, &PieceGridView::fitChanged, this, &MainWindow::ScheduleFit);
    // The terrain window follows every change of the terrain, undo and redo included.
    connect(terrain_, &TerrainDocument::terrainChanged, this, [this] {
        if (terrainWindow_) terrainWindow_->ShowTerrain(terrain_->Content());
    });
    setAcceptDrops(true);
    resize(kInitialWidthPixels, height());
    FitWindowToGrid();
}

MainWindow::~MainWindow() = default;

template <typename Slot>
QAction* MainWindow::AddItem(QMenu* menu, const char* objectName, const QString& caption, Slot slot) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

template <typename Slot>
QAction* MainWindow::AddToggle(QMenu* menu, const char* objectName, const QString& caption, bool checked, Slot slot) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setChecked(checked);
    connect(action, &QAction::toggled, this, slot);
    return action;
}

template <typename Slot>
QPushButton* MainWindow::AddButton(QWidget* parent, const char* objectName, const QString& caption, const char* tip,
                                   Slot slot) {
    auto* button = Named(new QPushButton(caption, parent), objectName);
    button->setAutoDefault(false);
    button->setToolTip(TipWithKey(tip, caption));
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

ArrowPicture* MainWindow::AddArrow(QWidget* parent, ShiftDirection direction, const char* objectName, const char* tip) {
    auto* arrow = new ArrowPicture(direction, objectName, parent);
    arrow->setToolTip(tip);
    connect(arrow, &ArrowPicture::clicked, this, [this, arrow, direction] { ShiftSelection(arrow, direction); });
    return arrow;
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("menuFile");
    AddItem(file, "itmFileNew", "&New", &MainWindow::NewPiece)->setShortcut(QKeySequence::New);
    AddItem(file, "itmFileOpen", "&Open SX ASC", &MainWindow::OpenPiece)->setShortcut(QKeySequence::Open);
    itmFileSave_ = AddItem(file, "itmFileSave", "&Save SX ASC", &MainWindow::SavePiece);
    itmFileSave_->setEnabled(false);
    itmFileSave_->setShortcut(QKeySequence::Save);
    itmFileSaveAs_ = AddItem(file, "itmFileSaveAs", "Save SX ASC &As", &MainWindow::SavePieceAs);
    // Not every desktop binds a key to Save As; this one is the common choice.
    itmFileSaveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    AddItem(file, "itmFileImportHeightmap", "&Import Heightmap", &MainWindow::ImportPieceHeightmap);
    AddItem(file, "itmFileExportHeightmap", "Ex&port Heightmap", &MainWindow::ExportPieceHeightmap);
    file->addSeparator();
    mnuFileRecent_ = file->addMenu("&Recent Files");
    mnuFileRecent_->setObjectName("mnuFileRecent");
    RebuildRecentMenu();
    file->addSeparator();
    AddItem(file, "itmFileExit", "E&xit", &MainWindow::RequestExit)->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    QAction* undo = document_->undoStack()->createUndoAction(this, "Undo");
    undo->setObjectName("itmEditUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = document_->undoStack()->createRedoAction(this, "Redo");
    redo->setObjectName("itmEditRedo");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    // Line edits keep these keys for their own text while they have the focus.
    AddItem(edit, "itmEditCopy", "&Copy", &MainWindow::CopySelection)->setShortcut(QKeySequence::Copy);
    AddItem(edit, "itmEditPaste", "&Paste", &MainWindow::PasteAtActiveCell)->setShortcut(QKeySequence::Paste);
    AddItem(edit, "itmEditDelete", "&Delete", &MainWindow::DeleteSelection)->setShortcut(QKeySequence::Delete);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("mnuView");
    AddItem(view, "itmView3D", "&SX Track Piece in 3D", &MainWindow::Show3DView);

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("mnuOptions");
    itmOptionsFixedColumnWidth_ =
        AddToggle(options, "itmOptionsFixedColumnWidth", "&Fixed Column Width", false, [this](bool checked) {
            fixedColumnWidth_ = checked;
            LayoutPieceGrid();
            // Fixed columns may need a wider window to show all 17.
            FitWindowToGrid();
        });
    const bool heightColors = settings_.Get("HeightColors", "0") == "1";
    grid_->SetHeightColors(heightColors);
    itmOptionsHeightColors_ =
        AddToggle(options, "itmOptionsHeightColors", "Color Cells by &Height", heightColors, [this](bool on) {
            settings_.Set("HeightColors", on ? "1" : "0");
            grid_->SetHeightColors(on);
            RefreshPieceGrid();
        });
    // Only a click shows or hides the greeting; start-up sets the mark first.
    itmOptionsGreeting_ = AddItem(options, "itmOptionsGreeting", "&Greeting", &MainWindow::ShowGreeting);
    itmOptionsGreeting_->setCheckable(true);

    QMenu* national = menuBar()->addMenu("&National");
    national->setObjectName("mnuNational");
    AddItem(national, "itmNationalCreateFromSX", "&Create from SX .TER",
            [this] { ConvertSXTrack(ConvertSXMode::Create); });
    national->addSeparator()->setObjectName("itmNationalSep1");
    AddItem(national, "itmNationalOpenSXTER", "&Open SX .TER", [this] { ConvertSXTrack(ConvertSXMode::Open); });
    AddItem(national, "itmNationalOpenBaseASC257", "Open &Base ASC257", &MainWindow::OpenBaseASC257);
    AddItem(national, "itmNationalAddToASC257", "&Add to ASC257", &MainWindow::AddToASC257);
    AddItem(national, "itmNationalSaveASC257", "&Save ASC257", &MainWindow::SaveASC257);
    AddItem(national, "itmNationalShowTerrain", "Show &Terrain", [this] { ShowTerrainWindow(); });
    AddItem(national, "itmNationalImportHeightmap", "&Import Heightmap", &MainWindow::ImportTerrainHeightmap);
    AddItem(national, "itmNationalExportHeightmap", "Export &Heightmap", &MainWindow::ExportTerrainHeightmap);
    national->addSeparator()->setObjectName("itmNationalSep2");
    AddItem(national, "itmNationalDisplayStatistics", "&Display Statistics",
            [this] { ShowASC257Statistics(StatisticsMode::Statistics); });
    AddItem(national, "itmNationalSlopeEdges", "Slope &Edges",
            [this] { ShowASC257Statistics(StatisticsMode::SlopeEdges); });
    national->addSeparator()->setObjectName("itmNationalSep3");
    AddItem(national, "itmNationalClearASC257", "C&lear ASC257", &MainWindow::ClearASC257);

    QMenu* dispMap = menuBar()->addMenu("&DispMap");
    dispMap->setObjectName("mnuDispMap");
    AddItem(dispMap, "itmDispMapMakeDisplacementMapforASC17", "Make &Displacement Map for ASC 17",
            &MainWindow::MakePieceDisplacementMap);
    AddItem(dispMap, "itmDispMapMake257DisplacementMapforASC257", "M&ake 257x257 Displacement Map for ASC 257",
            [this] { MakeTerrainDisplacementMap(TerrainMapSize::k257); });
    AddItem(dispMap, "itmDispMapMake513DisplacementMapforASC257", "&Make 513x513 Displacement Map for ASC 257",
            [this] { MakeTerrainDisplacementMap(TerrainMapSize::k513); });

    QMenu* texture = menuBar()->addMenu("&Texture");
    texture->setObjectName("mnuTexture");
    // Make Texture opens the builder empty; its File > Open picks a track.
    AddItem(texture, "itmTextureMakeTexture", "&Make Texture",
            [this] { TextureBuilderWindow().StartTextureBuilder(); });

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    AddItem(help, "itmHelpHelp", "&Help", &MainWindow::ShowHelpPage)->setShortcut(QKeySequence::HelpContents);
    AddItem(help, "itmHelpFAQ", "&FAQ", &MainWindow::ShowFaqPage);
    help->addSeparator();
    AddItem(help, "itmHelpAbout", "&About", &MainWindow::ShowAboutBox);
}

void MainWindow::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    // Grid and status line keep a margin of about 250 twips to the window's width.
    page->setContentsMargins(8, 6, 9, 4);
    page->setSpacing(4);

    grid_ = new PieceGridView(central);
    grid_->setToolTip("Type on a cell, double-click it or press F2 to edit it; drag or Shift+arrows to select");
    page->addWidget(grid_);
    cellEditBox_ = new CellEditBox(grid_->viewport());

    // The controls stand in one row under the grid, or in two or three rows on
    // a screen too narrow for one (ArrangeControls).
    controlRows_ = new QVBoxLayout();
    controlRows_->setSpacing(6);
    page->addLayout(controlRows_);
    auto block = [central](QLayout* inner) {
        auto* holder = new QWidget(central);
        inner->setContentsMargins(0, 0, 0, 0);
        holder->setLayout(inner);
        return holder;
    };

    // The current cell and the value operations. No control has a width in
    // pixels: FitControlsToFont sizes the few that need it from the font.
    auto* valueColumn = new QGridLayout();
    valueColumn->setVerticalSpacing(3);
    activeCellLabel_ = new QLabel("Active Cell:", central);
    activeCellLabel_->setObjectName("lblActiveCell");
    cellPositionLabel_ = new QLabel(central);
    cellPositionLabel_->setObjectName("lblRowCol");
    cellValueLabel_ = Named(new QLabel(central), "lblCellValue", "The active cell's value in full");
    cellValueLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valueBox_ = Named(new QLineEdit(central), "txtNewVal", "The value for Apply Value, Scale and Displace");
    valueBox_->setPlaceholderText("value");
    valueColumn->addWidget(activeCellLabel_, 0, 0);
    valueColumn->addWidget(cellPositionLabel_, 0, 1);
    valueColumn->addWidget(cellValueLabel_, 1, 0, 1, 2);
    valueColumn->addWidget(valueBox_, 2, 0);
    valueColumn->addWidget(
        AddButton(central, "btnSetRange", "&Apply Value", "Set every selected cell to the value in the box",
                  &MainWindow::ApplyValueToSelection),
        2, 1);
    valueColumn->addWidget(
        AddButton(central, "btnScale", "S&cale", "Multiply every selected cell by the value in the box",
                  &MainWindow::ScaleSelection),
        3, 0);
    valueColumn->addWidget(AddButton(central, "btnDisplace", "Dis&place",
                                     "Add the value in the box to every selected cell", &MainWindow::DisplaceSelection),
                           3, 1);
    valueColumn->setRowStretch(4, 1);
    controlBlocks_.push_back(block(valueColumn));

    auto* turnColumn = new QVBoxLayout();
    turnColumn->setSpacing(3);
    turnColumn->addWidget(AddButton(central, "btnRotate", "&Rotate 90 CCW",
                                    "Turn a square selection a quarter turn counterclockwise",
                                    &MainWindow::RotateSelection));
    turnColumn->addWidget(AddButton(central, "btnSlopeRows", "&Slope Rows",
                                    "Make each selected row a straight slope between its end cells",
                                    [this] { SlopeSelection(SlopeDirection::AlongRows); }));
    turnColumn->addWidget(AddButton(central, "btn3D", "&3D", "Show the piece as a 3D wireframe that follows every edit",
                                    &MainWindow::Show3DView));
    turnColumn->addStretch(1);
    controlBlocks_.push_back(block(turnColumn));

    // Alt+H is the Help menu and Alt+C is Scale: these two buttons take the next
    // free letter of their captions, so every Alt key has one meaning.
    rangeFrame_ = new QGroupBox("Current Range:", central);
    rangeFrame_->setObjectName("frmRanges");
    auto* rangeButtons = new QGridLayout(rangeFrame_);
    rangeButtons->setVerticalSpacing(3);
    rangeButtons->addWidget(AddButton(rangeFrame_, "btnMirrorH", "M&irror H", "Mirror the selection left to right",
                                      [this] { MirrorSelection(MirrorAxis::LeftRight); }),
                            0, 0);
    rangeButtons->addWidget(AddButton(rangeFrame_, "btnMirrorV", "&Mirror V", "Mirror the selection top to bottom",
                                      [this] { MirrorSelection(MirrorAxis::TopBottom); }),
                            0, 1);
    rangeButtons->addWidget(AddButton(rangeFrame_, "btnSlopeCols", "S&lope Cols",
                                      "Make each selected column a straight slope between its end cells",
                                      [this] { SlopeSelection(SlopeDirection::AlongColumns); }),
                            1, 0);
    rangeButtons->addWidget(
        AddButton(rangeFrame_, "Command1", "Curve Cols",
                  "Shape the inner rows of the selection with a curve from its bottom to its top row",
                  &MainWindow::CurveSelectedColumns),
        1, 1);
    controlBlocks_.push_back(rangeFrame_);

    auto* shift = new QGridLayout();
    shift->setSpacing(1);
    auto* lblShift = new QLabel("Shift Cells", central);
    lblShift->setObjectName("lblShift");
    shift->addWidget(lblShift, 0, 0, 1, 3, Qt::AlignHCenter);
    shift->addWidget(AddArrow(central, ShiftDirection::Up, "picUp",
                              "Shift the selected cells up one row; the top row comes back at the bottom"),
                     1, 1);
    shift->addWidget(AddArrow(central, ShiftDirection::Left, "picLeft",
                              "Shift the selected cells left one column; the left column comes back at the right"),
                     2, 0);
    shift->addWidget(AddArrow(central, ShiftDirection::Right, "picRight",
                              "Shift the selected cells right one column; the right column comes back at the left"),
                     2, 2);
    shift->addWidget(AddArrow(central, ShiftDirection::Down, "picDown",
                              "Shift the selected cells down one row; the bottom row comes back at the top"),
                     3, 1);
    shift->setRowStretch(4, 1);
    controlBlocks_.push_back(block(shift));

    auto* fileInfoFrame = Named(new QGroupBox("Track Piece ", central), "frmFileInfo");
    auto* fileInfo = new QGridLayout(fileInfoFrame);
    fileInfo->setVerticalSpacing(0);
    oneFileOption_ = Named(new QRadioButton("1 file  - NSEW", fileInfoFrame), "opt1File",
                           "Save one file, nameNSEW, for a piece that looks the same from every side");
    twoFilesOption_ = Named(new QRadioButton("2 files - NS,EW", fileInfoFrame), "opt2Files",
                            "Save nameNS and nameEW, for a piece that looks the same after a half turn");
    fourFilesOption_ = Named(new QRadioButton("4 files - N, W, S, E", fileInfoFrame), "opt4Files",
                             "Save nameN, nameW, nameS and nameE");
    pieceNameBox_ = Named(new QLineEdit(fileInfoFrame), "txtPieceName",
                          "The piece's name without its N, NS or NSEW suffix; Save writes the set under it");
    pieceNameBox_->setPlaceholderText("piece name");
    fileInfo->addWidget(oneFileOption_, 0, 0);
    fileInfo->addWidget(twoFilesOption_, 1, 0);
    fileInfo->addWidget(fourFilesOption_, 2, 0);
    fileInfo->addWidget(pieceNameBox_, 3, 0);
    controlBlocks_.push_back(fileInfoFrame);
    greetingLabel_ = new QLabel(" ", central);
    greetingLabel_->setObjectName("lblGreeting");
    greetingLabel_->setWordWrap(true);
    greetingLabel_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    controlBlocks_.push_back(greetingLabel_);
    ArrangeControls(static_cast<int>(controlBlocks_.size()));

    // A click on an option sets the kind that the next save writes.
    for (QRadioButton* option : {oneFileOption_, twoFilesOption_, fourFilesOption_}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) state_.pieceKind = CheckedKind();
        });
    }

    statusLabel_ = new StatusLabel(central);
    page->addWidget(statusLabel_);
    page->addStretch(1);
}

void MainWindow::ArrangeControls(int perRow) {
    while (QLayoutItem* row = controlRows_->takeAt(0)) delete row;  // the blocks stay
    QHBoxLayout* row = nullptr;
    for (std::size_t i = 0; i < controlBlocks_.size(); ++i) {
        if (i % static_cast<std::size_t>(perRow) == 0) {
            row = new QHBoxLayout();
            row->setSpacing(10);
            controlRows_->addLayout(row);
        }
        QWidget* item = controlBlocks_[i];
        if (item == greetingLabel_)
            row->addWidget(item, 1);
        else
            row->addWidget(item, 0, Qt::AlignTop);
        // Each row's blocks keep their own widths; the rest of the row stays empty.
        const bool rowEnds = (i + 1) % static_cast<std::size_t>(perRow) == 0 || i + 1 == controlBlocks_.size();
        if (rowEnds && row->indexOf(greetingLabel_) < 0) row->addStretch(1);
    }
    controlsPerRow_ = perRow;
}

void MainWindow::FitControlsToFont() {
    auto widthOf = [](const QWidget* widget, const char* text) {
        return widget->fontMetrics().horizontalAdvance(QString::fromLatin1(text));
    };
    // Wide enough for the longest text each can show, so no text is cut and the
    // window does not change its width as the texts change.
    cellPositionLabel_->setMinimumWidth(widthOf(cellPositionLabel_, "C:  22.5 - R:  22.5"));
    cellValueLabel_->setMinimumWidth(widthOf(cellValueLabel_, "Z: -1.23456789012346E+308"));
    rangeFrame_->setMinimumWidth(std::max(rangeFrame_->minimumSizeHint().width(),
                                          widthOf(rangeFrame_, "Current Range: (22.5:22.5)-(22.5:22.5)") +
                                              3 * rangeFrame_->fontMetrics().averageCharWidth()));
    // Room for a few words a line: a large font would otherwise wrap the
    // greeting into a column of single words.
    greetingLabel_->setMinimumWidth(widthOf(greetingLabel_, "How's it going today"));
    valueBox_->setFixedWidth(widthOf(valueBox_, "-1234.5678") + 2 * valueBox_->fontMetrics().averageCharWidth());
}

void MainWindow::ScheduleFit() {
    // Every widget hears of a new font on its own; fit once they all have.
    if (fitScheduled_) return;
    fitScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        fitScheduled_ = false;
        FitWindowToGrid();
    });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ScheduleFit();
}

QSize MainWindow::RoomOnScreen() const {
    const QScreen* on = QGuiApplication::screenAt(geometry().center());
    if (!on) on = screen();
    const QSize frame = frameGeometry().size() - size();
    // Before the window manager has framed the window its frame is unknown; a
    // title bar and borders take about this much.
    const QSize margins = frame.isEmpty() ? QSize(10, 40) : frame;
    return on->availableGeometry().size() - margins;
}

void MainWindow::FitWindowToGrid() {
    FitControlsToFont();
    grid_->FitToFont();
    const QSize full = grid_->FullSize();
    const QSize room = RoomOnScreen();
    auto neededSize = [this] {
        SettleLayouts(*centralWidget());
        layout()->invalidate();
        return minimumSizeHint();
    };
    // The controls in as few rows as the screen's width allows.
    grid_->setMinimumSize(QSize(0, full.height()));
    const int blocks = static_cast<int>(controlBlocks_.size());
    for (int perRow : {blocks, (blocks + 1) / 2, (blocks + 2) / 3}) {
        if (perRow != controlsPerRow_) ArrangeControls(perRow);
        if (neededSize().width() <= room.width()) break;
    }
    grid_->setMinimumSize(full);
    QSize needed = neededSize();
    // A screen too small for the whole grid gets a grid that scrolls.
    const QSize over = (needed - room).expandedTo(QSize(0, 0));
    if (over.width() > 0 || over.height() > 0) {
        grid_->setMinimumSize((full - over).expandedTo(full / 4));
        needed = neededSize();
    }
    // The height is fixed to what the font needs; the width is the user's,
    // never less than everything needs.
    setMinimumWidth(needed.width());
    setFixedHeight(needed.height());
    if (width() < needed.width()) resize(needed.width(), height());
    LayoutPieceGrid();
    if (isVisible()) WindowPlacement::KeepOnScreen(*this);
}

void MainWindow::WireGridEvents() {
    connect(grid_, &PieceGridView::cellEntered, this, &MainWindow::ShowCurrentCell);
    connect(grid_, &PieceGridView::rangeChanged, this, &MainWindow::ShowCurrentRange);
    connect(grid_, &PieceGridView::editRequested, this, &MainWindow::BeginCellEdit);
    connect(cellEditBox_, &CellEditBox::cancelled, this, &MainWindow::CancelCellEdit);
    connect(cellEditBox_, &CellEditBox::focusLeft, this, &MainWindow::CommitCellEdit);
    connect(cellEditBox_, &CellEditBox::committed, this, [this](int rowStep) {
        CommitCellEdit();
        grid_->setFocus();
        const int row = grid_->Row() + rowStep;
        if (rowStep != 0 && row >= 1 && row <= 17) grid_->SetCurrentCell(grid_->Col(), row);
    });
}

void MainWindow::StartUp() {
    state_.pieceFolder = PathFromQ(settings_.Get("LastPath", ""));
    state_.trackFolder = PathFromQ(settings_.Get("LastTrackPath", ""));
    state_.nationalFolder = PathFromQ(settings_.Get("LastNationalPath", ""));
    state_.gameFolder = FromQ(settings_.Get("GameFolder", ""));
    itmOptionsGreeting_->setChecked(settings_.Get("UseGreeting", "1") == "1");
    placement_->RestoreFormPosition(*this);
    placement_->RestoreFormSize(*this);
    show();
    // Moved to a screen of another size or scale, the window fits itself anew.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::ScheduleFit);
    FitWindowToGrid();
    ShowAboutBox();
    ShowGreeting();
    document_->SetModified(false);
    state_.national.Clear();
    LayoutPieceGrid();
    grid_->SetCurrentCell(1, 1);
    ShowCurrentCell(1, 1);
    rangeCaptionLive_ = true;
    grid_->setFocus();
}

void MainWindow::ShowGreeting() {
    greetingLabel_->setText(itmOptionsGreeting_->isChecked() ? ToQ(GreetingTextNow(CurrentUserName())) : QString(" "));
    // A long name may need more room than the blank did.
    ScheduleFit();
}

void MainWindow::ShowAboutBox() {
    if (!aboutBox_) {
        aboutBox_ = new AboutBox(*placement_, this);
        aboutBox_->setWindowFlag(Qt::Window);
    }
    aboutBox_->show();
    aboutBox_->raise();
}

bool MainWindow::OpenProgramDocument(const char* fileName) {
    const QString path = PathToQ(JoinPath(state_.programFolder, fileName));
    // A missing page would only fail later in the viewer, unseen.
    return QFileInfo(path).isFile() && openDocument_(path);
}

void MainWindow::ShowHelpPage() {
    if (!OpenProgramDocument("Gridwright.html")) prompter_.Warning("Error launching help file.", kTitle);
}

void MainWindow::ShowFaqPage() {
    if (!OpenProgramDocument("GridwrightFAQ.html")) prompter_.Warning("Error launching FAQ.", kTitle);
}

void MainWindow::Status(const std::string& text) {
    statusLabel_->setText(MessageToQ(text));
    statusLabel_->repaint();
}

void MainWindow::LayoutPieceGrid() { grid_->LayoutColumns(fixedColumnWidth_); }

void MainWindow::RefreshPieceGrid() {
    WaitCursor wait;
    grid_->ShowGrid(state_.piece);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized()) return;
    // The layout gives the grid its new width first; the columns follow it.
    if (centralWidget() && centralWidget()->layout()) centralWidget()->layout()->activate();
    LayoutPieceGrid();
}

void MainWindow::UpdateCaption() {
    QString caption =
        state_.pieceFilePath.empty() ? QString(kTitle) : QString(kTitle) + " - " + PathToQ(state_.pieceFilePath);
    if (document_->modified()) caption += kUnsavedMark;
    setWindowTitle(caption);
}

void MainWindow::RememberRecentFile(const std::string& path) {
    recentFiles_->Add(PathToQ(path));
    RebuildRecentMenu();
}

void MainWindow::RebuildRecentMenu() {
    mnuFileRecent_->clear();
    const QStringList& paths = recentFiles_->paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* item = mnuFileRecent_->addAction(QString("&%1 %2").arg(i + 1).arg(path));
        item->setObjectName(QString("itmFileRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                prompter_.Warning("The file " + PathFromQ(path) + " no longer exists.", kTitle);
                recentFiles_->Remove(path);
                RebuildRecentMenu();
                return;
            }
            OpenPieceFile(PathFromQ(path));
        });
    }
    mnuFileRecent_->setEnabled(!paths.isEmpty());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    OpenPieceFile(PathFromQ(urls.first().toLocalFile()));
}

void MainWindow::ShowCurrentCell(int col, int row) {
    cellPositionLabel_->setText("C: " + ToQ(PaddedNumberText(CellX(col))) +
                                " - R: " + ToQ(PaddedNumberText(CellY(row))));
    // The whole value, which a narrow cell may show with fewer digits.
    cellValueLabel_->setText("Z: " + ToQ(PaddedNumberText(state_.piece.Z(col, row))));
}

void MainWindow::ShowCurrentRange() {
    if (!rangeCaptionLive_) return;
    const NumberFormat format = UserNumberFormat();
    auto plain = [&](double v) { return ToQ(PlainNumberText(v, format)); };
    rangeFrame_->setTitle("Current Range: (" + plain(CellX(grid_->Col())) + ":" + plain(CellY(grid_->Row())) + ")-(" +
                          plain(CellX(grid_->ColSel())) + ":" + plain(CellY(grid_->RowSel())) + ")");
}

NumberFormat MainWindow::UserNumberFormat() const {
    const QString point = QLocale().decimalPoint();
    NumberFormat format;
    if (point.size() == 1 && point[0].unicode() < 128) format.decimalSeparator = static_cast<char>(point[0].unicode());
    return format;
}

void MainWindow::SelectKindOption(std::optional<PieceSetKind> kind) {
    if (!kind) return;
    switch (*kind) {
        case PieceSetKind::NSEW: oneFileOption_->setChecked(true); break;
        case PieceSetKind::NS: twoFilesOption_->setChecked(true); break;
        case PieceSetKind::N: fourFilesOption_->setChecked(true); break;
    }
}

PieceSetKind MainWindow::CheckedKind() const {
    if (oneFileOption_->isChecked()) return PieceSetKind::NSEW;
    if (twoFilesOption_->isChecked()) return PieceSetKind::NS;
    return PieceSetKind::N;
}

}  // namespace gw
