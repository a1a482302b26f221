// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
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
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/RecentFiles.h"
#include "app/StatusLabel.h"
#include "app/TerrainDocument.h"
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

QPushButton* MakeButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
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
    WireRangeButtons();
    WireNationalMenu();
    WireDispMapMenu();
    WireHeightmapItems();
    connect(document_, &PieceDocument::pieceChanged, this, &MainWindow::RefreshPieceGrid);
    connect(document_, &PieceDocument::modifiedChanged, this, &MainWindow::UpdateCaption);
    connect(document_, &PieceDocument::pieceChanged, this, [this] { ShowCurrentCell(grid_->Row(), grid_->Col()); });
    connect(grid_, &PieceGridView::fitChanged, this, &MainWindow::ScheduleFit);
    AddToolTips();
    setAcceptDrops(true);
    resize(kInitialWidthPixels, height());
    FitWindowToGrid();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::AddItem(QMenu* menu, const char* objectName, const QString& caption, bool enabled) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setEnabled(enabled);
    return action;
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("menuFile");
    QAction* newPiece = AddItem(file, "itmFileNew", "&New");
    newPiece->setShortcut(QKeySequence::New);
    connect(newPiece, &QAction::triggered, this, &MainWindow::NewPiece);
    QAction* open = AddItem(file, "itmFileOpen", "&Open SX ASC");
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::OpenPiece);
    itmFileSave_ = AddItem(file, "itmFileSave", "&Save SX ASC", false);
    itmFileSave_->setShortcut(QKeySequence::Save);
    connect(itmFileSave_, &QAction::triggered, this, &MainWindow::SavePiece);
    itmFileSaveAs_ = AddItem(file, "itmFileSaveAs", "Save SX ASC &As");
    // Not every desktop binds a key to Save As; this one is the common choice.
    itmFileSaveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(itmFileSaveAs_, &QAction::triggered, this, &MainWindow::SavePieceAs);
    file->addSeparator();
    AddItem(file, "itmFileImportHeightmap", "&Import Heightmap");
    AddItem(file, "itmFileExportHeightmap", "Ex&port Heightmap");
    file->addSeparator();
    mnuFileRecent_ = file->addMenu("&Recent Files");
    mnuFileRecent_->setObjectName("mnuFileRecent");
    RebuildRecentMenu();
    file->addSeparator();
    QAction* exit = AddItem(file, "itmFileExit", "E&xit");
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &MainWindow::RequestExit);

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
    QAction* copy = AddItem(edit, "itmEditCopy", "&Copy");
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &MainWindow::CopySelection);
    QAction* paste = AddItem(edit, "itmEditPaste", "&Paste");
    paste->setShortcut(QKeySequence::Paste);
    connect(paste, &QAction::triggered, this, &MainWindow::PasteAtActiveCell);
    QAction* clear = AddItem(edit, "itmEditDelete", "&Delete");
    clear->setShortcut(QKeySequence::Delete);
    connect(clear, &QAction::triggered, this, &MainWindow::DeleteSelection);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("mnuView");
    connect(AddItem(view, "itmView3D", "&SX Track Piece in 3D"), &QAction::triggered, this, &MainWindow::Show3DView);

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("mnuOptions");
    itmOptionsFixedColumnWidth_ = AddItem(options, "itmOptionsFixedColumnWidth", "&Fixed Column Width");
    itmOptionsFixedColumnWidth_->setCheckable(true);
    connect(itmOptionsFixedColumnWidth_, &QAction::toggled, this, [this](bool checked) {
        fixedColumnWidth_ = checked;
        LayoutPieceGrid();
        // Fixed columns may need a wider window to show all 17.
        FitWindowToGrid();
    });
    itmOptionsHeightColors_ = AddItem(options, "itmOptionsHeightColors", "Color Cells by &Height");
    itmOptionsHeightColors_->setCheckable(true);
    itmOptionsHeightColors_->setChecked(settings_.Get("HeightColors", "0") == "1");
    grid_->SetHeightColors(itmOptionsHeightColors_->isChecked());
    connect(itmOptionsHeightColors_, &QAction::toggled, this, [this](bool on) {
        settings_.Set("HeightColors", on ? "1" : "0");
        grid_->SetHeightColors(on);
        RefreshPieceGrid();
    });
    itmOptionsGreeting_ = AddItem(options, "itmOptionsGreeting", "&Greeting");
    itmOptionsGreeting_->setCheckable(true);
    connect(itmOptionsGreeting_, &QAction::triggered, this, &MainWindow::ShowGreeting);

    QMenu* national = menuBar()->addMenu("&National");
    national->setObjectName("mnuNational");
    AddItem(national, "itmNationalCreateFromSX", "&Create from SX .TER", false);
    national->addSeparator()->setObjectName("itmNationalSep1");
    AddItem(national, "itmNationalOpenSXTER", "&Open SX .TER", false);
    AddItem(national, "itmNationalOpenBaseASC257", "Open &Base ASC257", false);
    AddItem(national, "itmNationalAddToASC257", "&Add to ASC257", false);
    AddItem(national, "itmNationalSaveASC257", "&Save ASC257", false);
    AddItem(national, "itmNationalShowTerrain", "Show &Terrain", false);
    AddItem(national, "itmNationalImportHeightmap", "&Import Heightmap", false);
    AddItem(national, "itmNationalExportHeightmap", "Export &Heightmap", false);
    national->addSeparator()->setObjectName("itmNationalSep2");
    AddItem(national, "itmNationalDisplayStatistics", "&Display Statistics", false);
    AddItem(national, "itmNationalSlopeEdges", "Slope &Edges", false);
    national->addSeparator()->setObjectName("itmNationalSep3");
    AddItem(national, "itmNationalClearASC257", "C&lear ASC257", false);

    QMenu* dispMap = menuBar()->addMenu("&DispMap");
    dispMap->setObjectName("mnuDispMap");
    AddItem(dispMap, "itmDispMapMakeDisplacementMapforASC17", "Make &Displacement Map for ASC 17", false);
    AddItem(dispMap, "itmDispMapMake257DisplacementMapforASC257", "M&ake 257x257 Displacement Map for ASC 257", false);
    AddItem(dispMap, "itmDispMapMake513DisplacementMapforASC257", "&Make 513x513 Displacement Map for ASC 257", false);

    QMenu* texture = menuBar()->addMenu("&Texture");
    texture->setObjectName("mnuTexture");
    AddItem(texture, "itmTextureMakeTexture", "&Make Texture", false);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* helpPage = AddItem(help, "itmHelpHelp", "&Help");
    helpPage->setShortcut(QKeySequence::HelpContents);
    connect(helpPage, &QAction::triggered, this, &MainWindow::ShowHelpPage);
    connect(AddItem(help, "itmHelpFAQ", "&FAQ"), &QAction::triggered, this, &MainWindow::ShowFaqPage);
    help->addSeparator();
    connect(AddItem(help, "itmHelpAbout", "&About"), &QAction::triggered, this, &MainWindow::ShowAboutBox);
}

void MainWindow::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    // Grid and status line keep a margin of about 250 twips to the window's width.
    page->setContentsMargins(8, 6, 9, 4);
    page->setSpacing(4);

    grid_ = new PieceGridView(central);
    page->addWidget(grid_);
    txtActiveCell_ = new CellEditBox(grid_->viewport());

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
    lblActiveCell_ = new QLabel("Active Cell:", central);
    lblActiveCell_->setObjectName("lblActiveCell");
    lblRowCol_ = new QLabel(central);
    lblRowCol_->setObjectName("lblRowCol");
    lblCellValue_ = new QLabel(central);
    lblCellValue_->setObjectName("lblCellValue");
    lblCellValue_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtNewVal_ = new QLineEdit(central);
    txtNewVal_->setObjectName("txtNewVal");
    txtNewVal_->setPlaceholderText("value");
    valueColumn->addWidget(lblActiveCell_, 0, 0);
    valueColumn->addWidget(lblRowCol_, 0, 1);
    valueColumn->addWidget(lblCellValue_, 1, 0, 1, 2);
    valueColumn->addWidget(txtNewVal_, 2, 0);
    valueColumn->addWidget(MakeButton("btnSetRange", "&Apply Value", central), 2, 1);
    valueColumn->addWidget(MakeButton("btnScale", "S&cale", central), 3, 0);
    valueColumn->addWidget(MakeButton("btnDisplace", "Dis&place", central), 3, 1);
    valueColumn->setRowStretch(4, 1);
    controlBlocks_.push_back(block(valueColumn));

    auto* turnColumn = new QVBoxLayout();
    turnColumn->setSpacing(3);
    turnColumn->addWidget(MakeButton("btnRotate", "&Rotate 90 CCW", central));
    turnColumn->addWidget(MakeButton("btnSlopeRows", "&Slope Rows", central));
    turnColumn->addWidget(MakeButton("btn3D", "&3D", central));
    turnColumn->addStretch(1);
    controlBlocks_.push_back(block(turnColumn));

    // Alt+H is the Help menu and Alt+C is Scale: these two buttons take the next
    // free letter of their captions, so every Alt key has one meaning.
    frmRanges_ = new QGroupBox("Current Range:", central);
    frmRanges_->setObjectName("frmRanges");
    auto* rangeButtons = new QGridLayout(frmRanges_);
    rangeButtons->setVerticalSpacing(3);
    rangeButtons->addWidget(MakeButton("btnMirrorH", "M&irror H", frmRanges_), 0, 0);
    rangeButtons->addWidget(MakeButton("btnMirrorV", "&Mirror V", frmRanges_), 0, 1);
    rangeButtons->addWidget(MakeButton("btnSlopeCols", "S&lope Cols", frmRanges_), 1, 0);
    rangeButtons->addWidget(MakeButton("Command1", "Curve Cols", frmRanges_), 1, 1);
    controlBlocks_.push_back(frmRanges_);

    auto* shift = new QGridLayout();
    shift->setSpacing(1);
    auto* lblShift = new QLabel("Shift Cells", central);
    lblShift->setObjectName("lblShift");
    shift->addWidget(lblShift, 0, 0, 1, 3, Qt::AlignHCenter);
    shift->addWidget(new ArrowPicture(ArrowPicture::Direction::Up, "picUp", central), 1, 1);
    shift->addWidget(new ArrowPicture(ArrowPicture::Direction::Left, "picLeft", central), 2, 0);
    shift->addWidget(new ArrowPicture(ArrowPicture::Direction::Right, "picRight", central), 2, 2);
    shift->addWidget(new ArrowPicture(ArrowPicture::Direction::Down, "picDown", central), 3, 1);
    shift->setRowStretch(4, 1);
    controlBlocks_.push_back(block(shift));

    frmFileInfo_ = new QGroupBox("Track Piece ", central);
    frmFileInfo_->setObjectName("frmFileInfo");
    auto* fileInfo = new QGridLayout(frmFileInfo_);
    fileInfo->setVerticalSpacing(0);
    opt1File_ = new QRadioButton("1 file  - NSEW", frmFileInfo_);
    opt1File_->setObjectName("opt1File");
    opt2Files_ = new QRadioButton("2 files - NS,EW", frmFileInfo_);
    opt2Files_->setObjectName("opt2Files");
    opt4Files_ = new QRadioButton("4 files - N, W, S, E", frmFileInfo_);
    opt4Files_->setObjectName("opt4Files");
    kindOptions_ = new QButtonGroup(this);
    kindOptions_->addButton(opt1File_);
    kindOptions_->addButton(opt2Files_);
    kindOptions_->addButton(opt4Files_);
    txtPieceName_ = new QLineEdit(frmFileInfo_);
    txtPieceName_->setObjectName("txtPieceName");
    txtPieceName_->setPlaceholderText("piece name");
    fileInfo->addWidget(opt1File_, 0, 0);
    fileInfo->addWidget(opt2Files_, 1, 0);
    fileInfo->addWidget(opt4Files_, 2, 0);
    fileInfo->addWidget(txtPieceName_, 3, 0);
    controlBlocks_.push_back(frmFileInfo_);
    lblGreeting_ = new QLabel(" ", central);
    lblGreeting_->setObjectName("lblGreeting");
    lblGreeting_->setWordWrap(true);
    lblGreeting_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    controlBlocks_.push_back(lblGreeting_);
    ArrangeControls(static_cast<int>(controlBlocks_.size()));

    // A click on an option sets the kind that the next save writes.
    connect(opt1File_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) state_.pieceKind = "NSEW";
    });
    connect(opt2Files_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) state_.pieceKind = "NS";
    });
    connect(opt4Files_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) state_.pieceKind = "N";
    });

    lblStatus_ = new StatusLabel(central);
    page->addWidget(lblStatus_);
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
        if (item == lblGreeting_)
            row->addWidget(item, 1);
        else
            row->addWidget(item, 0, Qt::AlignTop);
        // Each row's blocks keep their own widths; the rest of the row stays empty.
        const bool rowEnds = (i + 1) % static_cast<std::size_t>(perRow) == 0 || i + 1 == controlBlocks_.size();
        if (rowEnds && row->indexOf(lblGreeting_) < 0) row->addStretch(1);
    }
    controlsPerRow_ = perRow;
}

void MainWindow::FitControlsToFont() {
    auto widthOf = [](const QWidget* widget, const char* text) {
        return widget->fontMetrics().horizontalAdvance(QString::fromLatin1(text));
    };
    // Wide enough for the longest text each can show, so no text is cut and the
    // window does not change its width as the texts change.
    lblRowCol_->setMinimumWidth(widthOf(lblRowCol_, "C:  22.5 - R:  22.5"));
    lblCellValue_->setMinimumWidth(widthOf(lblCellValue_, "Z: -1.23456789012346E+308"));
    frmRanges_->setMinimumWidth(
        std::max(frmRanges_->minimumSizeHint().width(), widthOf(frmRanges_, "Current Range: (22.5:22.5)-(22.5:22.5)") +
                                                            3 * frmRanges_->fontMetrics().averageCharWidth()));
    // Room for a few words a line: a large font would otherwise wrap the
    // greeting into a column of single words.
    lblGreeting_->setMinimumWidth(widthOf(lblGreeting_, "How's it going today"));
    txtNewVal_->setFixedWidth(widthOf(txtNewVal_, "-1234.5678") + 2 * txtNewVal_->fontMetrics().averageCharWidth());
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
    // The height follows the font, as the described fixed height did at its
    // font; the width is the user's, never less than everything needs.
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
    connect(txtActiveCell_, &CellEditBox::cancelled, this, &MainWindow::CancelCellEdit);
    connect(txtActiveCell_, &CellEditBox::focusLeft, this, &MainWindow::CommitCellEdit);
    connect(txtActiveCell_, &CellEditBox::committed, this, [this](int rowStep) {
        CommitCellEdit();
        grid_->setFocus();
        const int row = grid_->Row() + rowStep;
        if (rowStep != 0 && row >= 1 && row <= 17) grid_->SetCurrentCell(row, grid_->Col());
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
    lblGreeting_->setText(itmOptionsGreeting_->isChecked() ? ToQ(GreetingTextNow(CurrentUserName())) : QString(" "));
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
    lblStatus_->setText(MessageToQ(text));
    lblStatus_->repaint();
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

void MainWindow::AddToolTips() {
    const std::pair<const char*, const char*> tips[] = {
        {"btnSetRange", "Set every selected cell to the value in the box"},
        {"btnScale", "Multiply every selected cell by the value in the box"},
        {"btnDisplace", "Add the value in the box to every selected cell"},
        {"btnMirrorH", "Mirror the selection left to right"},
        {"btnMirrorV", "Mirror the selection top to bottom"},
        {"btnRotate", "Turn a square selection a quarter turn counterclockwise"},
        {"btnSlopeRows", "Make each selected row a straight slope between its end cells"},
        {"btnSlopeCols", "Make each selected column a straight slope between its end cells"},
        {"Command1", "Shape the inner rows of the selection with a curve from its bottom to its top row"},
        {"btn3D", "Show the piece as a 3D wireframe that follows every edit"},
        {"picUp", "Shift the selected cells up one row; the top row comes back at the bottom"},
        {"picDown", "Shift the selected cells down one row; the bottom row comes back at the top"},
        {"picLeft", "Shift the selected cells left one column; the left column comes back at the right"},
        {"picRight", "Shift the selected cells right one column; the right column comes back at the left"},
        {"txtNewVal", "The value for Apply Value, Scale and Displace"},
        {"txtPieceName", "The piece's name without its N, NS or NSEW suffix; Save writes the set under it"},
        {"opt1File", "Save one file, nameNSEW, for a piece that looks the same from every side"},
        {"opt2Files", "Save nameNS and nameEW, for a piece that looks the same after a half turn"},
        {"opt4Files", "Save nameN, nameW, nameS and nameE"},
        {"grdMesh", "Type on a cell, double-click it or press F2 to edit it; drag or Shift+arrows to select"},
        {"lblCellValue", "The active cell's value in full"},
    };
    for (const auto& [name, tip] : tips) {
        QWidget* widget = findChild<QWidget*>(name);
        if (!widget) continue;
        // The Alt key comes from the caption itself, so the tip cannot name another.
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const int amp = button ? button->text().indexOf('&') : -1;
        const QString key = amp >= 0 ? QString(" (Alt+%1)").arg(button->text().at(amp + 1).toUpper()) : QString();
        widget->setToolTip(tip + key);
    }
}

void MainWindow::ShowCurrentCell(int row, int col) {
    lblRowCol_->setText("C: " + ToQ(PaddedNumberText(CellX(col))) + " - R: " + ToQ(PaddedNumberText(CellY(row))));
    // The whole value, which a narrow cell may show with fewer digits.
    lblCellValue_->setText("Z: " + ToQ(PaddedNumberText(state_.piece.Z(col, row))));
}

void MainWindow::ShowCurrentRange() {
    if (!rangeCaptionLive_) return;
    const NumberFormat format = UserNumberFormat();
    auto plain = [&](double v) { return ToQ(PlainNumberText(v, format)); };
    frmRanges_->setTitle("Current Range: (" + plain(CellX(grid_->Col())) + ":" + plain(CellY(grid_->Row())) + ")-(" +
                         plain(CellX(grid_->ColSel())) + ":" + plain(CellY(grid_->RowSel())) + ")");
}

NumberFormat MainWindow::UserNumberFormat() const {
    const QString point = QLocale().decimalPoint();
    NumberFormat format;
    if (point.size() == 1 && point[0].unicode() < 128) format.decimalSeparator = static_cast<char>(point[0].unicode());
    return format;
}

void MainWindow::SelectKindOption(const std::string& kind) {
    if (kind == "NSEW")
        opt1File_->setChecked(true);
    else if (kind == "NS")
        opt2Files_->setChecked(true);
    else if (!kind.empty())
        opt4Files_->setChecked(true);
}

}  // namespace gw
