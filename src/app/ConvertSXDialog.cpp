// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConvertSXDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <filesystem>

#include "app/AppIcon.h"
#include "app/MakeTextureWindow.h"
#include "app/PieceDocument.h"
#include "app/TerrainDocument.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/WindowPlacement.h"
#include "core/convert/ConversionTexts.h"
#include "core/image/RgbImage.h"
#include "core/io/Paths.h"
#include "core/trackfiles/GameFolder.h"
#include "core/texture/TextureJob.h"

namespace gw {

namespace {

// The displacement map made without a window.
class NoPreview final : public DisplacementPreview {
public:
    void ShowPreview() override {}
    void DrawMap(const RgbImage&) override {}
    void Status(const std::string&) override {}
};

bool FolderExists(const QString& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(PathFromQ(folder), ec);
}

// The drive list entry whose root holds folder (the longest match), or -1.
int DriveOf(const QComboBox& drives, const QString& folder) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.count(); ++i) {
        const QString root = drives.itemData(i).toString();
        if (folder.startsWith(root, Qt::CaseInsensitive) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

}  // namespace

ConvertSXDialog::ConvertSXDialog(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName("dlgConvertSX");
    setWindowTitle(kConvertDialogCaption);
    setModal(true);
    BuildControls();
    adjustSize();
}

ConvertSXDialog::LabelledBox ConvertSXDialog::AddValueBox(const char* name, const char* labelName,
                                                          const QString& label) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaximumWidth(110);
    auto* caption = new QLabel(label, this);
    caption->setObjectName(labelName);
    caption->setBuddy(box);
    return {caption, box};
}

QCheckBox* ConvertSXDialog::AddOption(const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    return box;
}

void ConvertSXDialog::BuildControls() {
    lblTerName_ = new QLabel(this);
    lblTerName_->setObjectName("lblTerName");
    lblTerName_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The drive and folder lists: on this system the drives are the roots that
    // QDir lists, usually one.
    driveList_ = new QComboBox(this);
    driveList_->setObjectName("Drive1");
    for (const QFileInfo& drive : QDir::drives()) {
        driveList_->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    }
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(driveList_->count() > 0 ? driveList_->itemData(0).toString() : QDir::rootPath());
    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName("Dir1");
    folderTree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) folderTree_->hideColumn(column);
    folderTree_->header()->hide();
    folderTree_->setMinimumSize(260, 220);
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { OnFolderChanged(); });
    connect(driveList_, &QComboBox::currentIndexChanged, this, &ConvertSXDialog::OnDriveChanged);

    const LabelledBox outputDir = AddValueBox("txtOutputDir", "lblOutputDir", "Output Directory");
    txtOutputDir_ = outputDir.box;
    txtOutputDir_->setMaximumWidth(QWIDGETSIZE_MAX);
    // For output that will be copied elsewhere, for example into the game's
    // Tracks folder on a Windows machine.
    const LabelledBox gameFolder = AddValueBox("txtGameFolder", "lblGameFolder", "Game folder");
    txtGameFolder_ = gameFolder.box;
    txtGameFolder_->setMaximumWidth(QWIDGETSIZE_MAX);
    connect(txtOutputDir_, &QLineEdit::textChanged, this, &ConvertSXDialog::ShowDefaultGameFolder);
    const LabelledBox zBase = AddValueBox("txtZOffset", "lblZOffset", "Z Base");
    const LabelledBox zScale = AddValueBox("txtZScale", "lblZScale", "Z Scale");
    const LabelledBox maxZ = AddValueBox("txtMaxZ", "lblMaxZ", "Max Z");
    const LabelledBox gridRes = AddValueBox("txtGridRes", "lblGridRes", "Grid Res:");
    txtZOffset_ = zBase.box;
    txtZScale_ = zScale.box;
    txtMaxZ_ = maxZ.box;
    txtGridRes_ = gridRes.box;

    auto* frameOptions = new QGroupBox("Create", this);
    frameOptions->setObjectName("frameOptions");
    chkQuarry_ = AddOption("chkQuarry", "&Quarry");
    chkTer_ = AddOption("chkTer", ".&TER");
    chkSCN_ = AddOption("chkSCN", ".&SCN");
    chkSpline_ = AddOption("chkSpline", "S&pline");
    chkDispMap_ = AddOption("chkDispMap", "&Disp Map");
    chkTexture_ = AddOption("chkTexture", "Te&xture");
    auto* optionList = new QVBoxLayout(frameOptions);
    for (QCheckBox* box : {chkQuarry_, chkTer_, chkSCN_, chkSpline_, chkDispMap_, chkTexture_})
        optionList->addWidget(box);
    // The Z Base follows the Quarry box, whatever was typed, also when the box
    // is set from code.
    connect(chkQuarry_, &QCheckBox::toggled, this, [this](bool checked) { txtZOffset_->setText(ZBaseFor(checked)); });

    lblDescription_ = new QLabel(this);
    lblDescription_->setObjectName("lblDescription");
    lblDescription_->setWordWrap(true);
    lblDescription_->setMinimumWidth(340);
    lblDescription_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(AppIconPixmap(64));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    connect(ok, &QPushButton::clicked, this, &ConvertSXDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &ConvertSXDialog::reject);

    auto* folderSide = new QVBoxLayout();
    folderSide->addWidget(outputDir.label);
    folderSide->addWidget(txtOutputDir_);
    folderSide->addWidget(driveList_);
    folderSide->addWidget(folderTree_, 1);
    folderSide->addWidget(gameFolder.label);
    folderSide->addWidget(txtGameFolder_);

    auto* values = new QFormLayout();
    for (const LabelledBox& row : {zBase, zScale, maxZ, gridRes}) values->addRow(row.label, row.box);
    auto* middle = new QHBoxLayout();
    middle->addWidget(frameOptions);
    middle->addLayout(values);
    auto* textSide = new QVBoxLayout();
    textSide->addLayout(middle);
    textSide->addWidget(lblDescription_);
    textSide->addStretch(1);
    auto* imageRow = new QHBoxLayout();
    imageRow->addWidget(image);
    imageRow->addStretch(1);
    imageRow->addWidget(ok);
    imageRow->addWidget(cancel);
    textSide->addLayout(imageRow);

    auto* body = new QHBoxLayout();
    body->addLayout(folderSide, 1);
    body->addLayout(textSide, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblTerName_);
    page->addLayout(body);
}

void ConvertSXDialog::PresetForMode(ConvertSXMode mode) {
    const bool convert = mode == ConvertSXMode::Create;
    for (QCheckBox* box : {chkSCN_, chkSpline_, chkTer_, chkDispMap_, chkTexture_}) box->setChecked(convert);
    chkQuarry_->setChecked(false);
}

void ConvertSXDialog::ShowOutputFolder(const std::string& folder) {
    const QString text = PathToQ(folder);
    txtOutputDir_->setText(text);
    if (FolderExists(text)) ShowFolderInList(text);
    const int drive = DriveOf(*driveList_, QDir::fromNativeSeparators(text));
    if (drive >= 0) driveList_->setCurrentIndex(drive);
}

void ConvertSXDialog::ShowFolderInList(const QString& folder) {
    const QModelIndex index = folders_->index(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!index.isValid()) return;
    folderTree_->setCurrentIndex(index);
    folderTree_->scrollTo(index);
    // The current index may have been this folder already.
    OnFolderChanged();
}

void ConvertSXDialog::OnFolderChanged() {
    const QModelIndex index = folderTree_->currentIndex();
    if (index.isValid()) txtOutputDir_->setText(QDir::toNativeSeparators(folders_->filePath(index)));
}

void ConvertSXDialog::OnDriveChanged(int index) {
    if (index < 0) return;
    // A folder already on the chosen drive stays chosen; another drive starts
    // at its root.
    const QString root = driveList_->itemData(index).toString();
    const QModelIndex current = folderTree_->currentIndex();
    if (current.isValid() && DriveOf(*driveList_, folders_->filePath(current)) == index) return;
    ShowFolderInList(root);
}

void ConvertSXDialog::ShowDefaultGameFolder() {
    const std::string output = PathFromQ(txtOutputDir_->text());
    txtGameFolder_->setPlaceholderText(output.empty() ? QString() : ToQ(GameFolderFor(output, "")));
}

void ConvertSXDialog::ShowGameFolder(const std::string& folder) { txtGameFolder_->setText(ToQ(folder)); }

void ConvertSXDialog::ShowTerFile(const std::string& terFile) {
    terFile_ = terFile;
    lblTerName_->setText(PathToQ(terFile));
}

void ConvertSXDialog::ShowStartingValues() {
    lblDescription_->setText(kConvertHelpText);
    txtZOffset_->setText(ZBaseFor(chkQuarry_->isChecked()));
    txtZScale_->setText(kDefaultZScale);
    txtMaxZ_->setText(kDefaultMaxZ);
    txtGridRes_->setText(kDefaultGridRes);
    // The help text decides the dialog's height; nested layouts do not ask a
    // wrapped label for its height, so it is given.
    lblDescription_->setMinimumHeight(lblDescription_->heightForWidth(lblDescription_->minimumWidth()));
    adjustSize();
}

SXConversionOptions ConvertSXDialog::Options() const {
    SXConversionOptions options;
    options.terFile = terFile_;
    options.environment = chkQuarry_->isChecked() ? kQuarryEnvironment : kNationalEnvironment;
    options.zBaseText = FromQ(txtZOffset_->text());
    options.zScaleText = FromQ(txtZScale_->text());
    options.maxZText = FromQ(txtMaxZ_->text());
    options.gridResText = FromQ(txtGridRes_->text());
    options.outputFolder = PathFromQ(txtOutputDir_->text());
    options.gameFolder = FromQ(txtGameFolder_->text());
    options.writeTer = chkTer_->isChecked();
    options.writeScn = chkSCN_->isChecked();
    options.spline = chkSpline_->isChecked();
    options.dispMap = chkDispMap_->isChecked();
    options.texture = chkTexture_->isChecked();
    return options;
}

bool ConvertSXDialog::CheckValues() {
    // Empty means no character at all: a blank passes, and nothing is checked
    // for being a number (what is not a number counts as 0).
    const std::pair<QLineEdit*, const char*> required[] = {
        {txtZOffset_, kEnterZBase}, {txtZScale_, kEnterZScale}, {txtOutputDir_, kSelectOutputDir}};
    for (const auto& [box, message] : required) {
        if (!box->text().isEmpty()) continue;
        prompter_.Warning(message, kConvertMessageTitle);
        box->setFocus();
        return false;
    }
    return true;
}

bool ConvertSXDialog::CheckOutputFolder() {
    const QString folder = txtOutputDir_->text();
    if (!FolderExists(folder)) {
        if (!prompter_.AskYesNo(PathFromQ(folder) + kCreateFolderQuestion, kConvertMessageTitle)) return false;
        std::error_code ec;
        std::filesystem::create_directories(PathFromQ(folder), ec);
        if (ec) {
            // Without the folder every file of the run would fail.
            prompter_.Warning("Cannot create " + PathFromQ(folder) + ": " + ec.message(), kConvertMessageTitle);
            txtOutputDir_->setFocus();
            return false;
        }
    }
    // The track's own .TER and .SCN would be replaced by the new ones.
    if (std::string refusal = ConversionRefusal(Options()); !refusal.empty()) {
        prompter_.Warning(refusal, kConvertMessageTitle);
        txtOutputDir_->setFocus();
        return false;
    }
    return true;
}

void ConvertSXDialog::OnOk() {
    if (!CheckValues() || !CheckOutputFolder()) return;
    cancelled_ = false;
    accept();
}

void ConvertSXDialog::reject() {
    cancelled_ = true;
    QDialog::reject();
}

void ConvertSXDialog::closeEvent(QCloseEvent* event) {
    // Closing only hides the dialog; ConvertSX unloads it.
    event->ignore();
    reject();
}

ConversionTextureRunner TextureStepInWindow(MakeTextureWindow& window) {
    return [&window](const TextureJob& job) { return window.StartTextureBuilder(job).outcome; };
}

ConvertSXOutcome ConvertSX(ConvertSXMode mode, ConvertSXContext& context) {
    ConvertSXOutcome outcome;
    EditorState& state = context.state;
    if (state.pieceModified && !context.prompter.AskYesNo(kConvertDiscardPieceQuestion, kConvertMessageTitle)) {
        outcome.end = ConvertSXEnd::KeptPiece;
        return outcome;
    }
    if (!IsFlatAtZero(state.national) &&
        !context.prompter.AskYesNo(kConvertOntoTerrainQuestion, kConvertMessageTitle)) {
        outcome.end = ConvertSXEnd::KeptTerrain;
        return outcome;
    }
    FileBoxRequest request;
    request.title = kSelectTerTitle;
    request.filter = kTerFilter;
    request.defaultExtension = kTerDefaultExtension;
    request.initialFolder = state.trackFolder;
    const std::string terFile = context.prompter.OpenFileName(request);
    if (terFile.empty()) return outcome;
    state.trackFolder = GetDirectory(terFile);

    SXConversionOptions options;
    const std::string previousTerFile = state.currentTerFile;
    {
        ConvertSXDialog dialog(context.prompter, context.parent);
        context.placement.RestoreFormPosition(dialog);
        dialog.PresetForMode(mode);
        dialog.ShowOutputFolder(state.nationalFolder);
        dialog.ShowGameFolder(state.gameFolder);
        state.currentTerFile = terFile;
        dialog.ShowTerFile(terFile);
        dialog.ShowStartingValues();
        dialog.exec();
        context.placement.SaveFormPosition(dialog);
        if (dialog.cancelled()) {
            context.prompter.Message(kConvertCancelled, kConvertMessageTitle);
            outcome.end = ConvertSXEnd::Cancelled;
            return outcome;
        }
        options = dialog.Options();
    }
    state.nationalFolder = WithTrailingSeparator(options.outputFolder);
    state.gameFolder = options.gameFolder;

    NoPreview noPreview;
    ConversionSurroundings surroundings{context.mainStatus, context.preview ? *context.preview : noPreview,
                                        context.prompter, context.userDataFolder, context.texture};
    {
        WaitCursor wait;
        outcome.result = RunSXConversion(options, state.programFolder, state.national, surroundings);
    }
    outcome.end = ConvertSXEnd::Ran;
    // The track's step sets CurrentTerFile, so that its undo brings back the one before.
    if (outcome.result.trackAdded) state.currentTerFile = previousTerFile;
    if (outcome.result.trackAdded) {
        NationalGrid& built = outcome.result.terrain;
        const char* undoText = mode == ConvertSXMode::Create ? "Create from SX .TER" : "Open SX .TER";
        context.terrain->Apply(undoText, [&](TerrainContent& t) {
            t.grid = built;
            t.currentTerFile = terFile;
        });
        // Nothing may save the empty grid over the piece that was open.
        state.pieceFilePath.clear();
        context.pieces->LoadPiece(PieceGrid{});
        if (context.trackAdded) context.trackAdded();
    }
    if (!outcome.result.ok()) context.prompter.Warning(outcome.result.FailureText(), kConvertMessageTitle);
    return outcome;
}

}  // namespace gw
