// SPDX-License-Identifier: GPL-3.0-or-later
// dlgConvertSX and ConvertSX, answered by the test: the Quarry rule, the OK
// button's checks in their order, cancelling, the presets of both menu items,
// and a whole conversion whose files match the command-line tool's byte for byte.
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <filesystem>
#include <functional>

#include "app/AppFixture.h"
#include "app/ConvertSXDialog.h"
#include "app/MakeTextureWindow.h"
#include "app/PieceDocument.h"
#include "app/TerrainDocument.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "core/convert/ConversionTexts.h"
#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"
#include "support/CliProcess.h"
#include "support/RecordingStatusSink.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

class ConvertSXDialogTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        placement = std::make_unique<WindowPlacement>(*settings);
        trackFolder = dir.File("Dunes");
        fs::copy(ProgramFolder() + "/samples/Dunes", trackFolder, fs::copy_options::recursive);
        ter = trackFolder + "/Dunes.TER";
        out = dir.File("nat");
        fs::create_directory(out);
    }

    // Runs ConvertSX; answer gets the modal dialog once it is shown.
    ConvertSXOutcome Run(ConvertSXMode mode, std::function<void(ConvertSXDialog&)> answer,
                         ConversionTextureRunner texture = {}) {
        bool answered = false;
        // Owned here, so a timer that found no dialog cannot fire into a later test.
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<ConvertSXDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answered = true;
            answer(*dialog);
        });
        timer.start(0);
        ConvertSXContext context(state, prompter, mainStatus, *placement);
        context.pieces = &pieces;
        context.terrain = &terrain;
        context.trackAdded = [this] { ++emptyPieceShown; };
        context.texture = std::move(texture);
        ConvertSXOutcome outcome = ConvertSX(mode, context);
        EXPECT_TRUE(answered || outcome.end == ConvertSXEnd::NoFile || outcome.end == ConvertSXEnd::KeptPiece ||
                    outcome.end == ConvertSXEnd::KeptTerrain);
        return outcome;
    }

    std::unique_ptr<WindowPlacement> placement;
    PieceDocument pieces{state};
    TerrainDocument terrain{state, *pieces.undoStack()};
    RecordingStatusSink mainStatus;
    int emptyPieceShown = 0;
    std::string trackFolder, ter, out;
};

template <typename T>
T* In(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString Text(QWidget& dialog, const char* name) {
    if (auto* box = dialog.findChild<QLineEdit*>(name)) return box->text();
    return In<QLabel>(dialog, name)->text();
}

void SetText(QWidget& dialog, const char* name, const QString& text) { In<QLineEdit>(dialog, name)->setText(text); }
void Click(QWidget& dialog, const char* name) { In<QAbstractButton>(dialog, name)->click(); }

TEST_F(ConvertSXDialogTest, QuarryBoxSetsTheZBaseWhateverWasTyped) {
    ConvertSXDialog dialog(prompter);
    dialog.ShowStartingValues();
    EXPECT_EQ(Text(dialog, "txtZOffset"), "5.411765");
    Click(dialog, "chkQuarry");
    EXPECT_EQ(Text(dialog, "txtZOffset"), "15.0");
    SetText(dialog, "txtZOffset", "12");
    Click(dialog, "chkQuarry");
    EXPECT_EQ(Text(dialog, "txtZOffset"), "5.411765");
    // Setting the box from code raises the same rule.
    In<QCheckBox>(dialog, "chkQuarry")->setChecked(true);
    EXPECT_EQ(Text(dialog, "txtZOffset"), "15.0");
    EXPECT_EQ(dialog.Options().environment, "Quarry");
}

TEST_F(ConvertSXDialogTest, OkChecksItsValuesInOrderAndKeepsTheDialogAtTheFirstFailure) {
    const std::string newFolder = dir.File("new/deeper");
    struct Case {
        const char* name;
        QString zBase, zScale, folder;
        bool convertMode;
        std::deque<bool> answers;
        std::vector<std::string> boxes;  // kind: text
        const char* focus;               // empty: the dialog was left
    };
    const std::string refusal = "The output folder " + trackFolder + " is the folder of the SX track " + ter +
                                "; its own files would be replaced. Please choose another output folder.";
    const Case cases[] = {
        {"all empty", "", "", "", true, {}, {"message: Please enter a value for ZBase"}, "txtZOffset"},
        {"a blank is a value", " ", "", "", true, {}, {"message: Please enter a value for Z Scale"}, "txtZScale"},
        {"no folder", "5", "0.67", "", true, {}, {"message: Please select an output directory."}, "txtOutputDir"},
        {"missing folder, No",
         "5",
         "0.67",
         PathToQ(newFolder),
         true,
         {false},
         {"question: " + newFolder + " doesn't exist. Would you like to create it?"},
         "keep"},
        {"missing folder, Yes",
         "5",
         "0.67",
         PathToQ(newFolder),
         true,
         {true},
         {"question: " + newFolder + " doesn't exist. Would you like to create it?"},
         ""},
        {"the track's own folder",
         "5",
         "0.67",
         PathToQ(trackFolder),
         true,
         {},
         {"message: " + refusal},
         "txtOutputDir"},
        {"the track's own folder, only opening", "5", "0.67", PathToQ(trackFolder), false, {}, {}, ""},
        {"texts that are not numbers pass", "abc", "x", PathToQ(out), true, {}, {}, ""},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir.File("new"));
        prompter.shown.clear();
        prompter.yesNoAnswers = c.answers;
        ConvertSXDialog dialog(prompter);
        dialog.PresetForMode(c.convertMode ? ConvertSXMode::Create : ConvertSXMode::Open);
        dialog.ShowTerFile(ter);
        dialog.show();
        SetText(dialog, "txtZOffset", c.zBase);
        SetText(dialog, "txtZScale", c.zScale);
        SetText(dialog, "txtOutputDir", c.folder);
        Click(dialog, "OKButton");
        std::vector<std::string> boxes;
        for (const ShownBox& box : prompter.shown) boxes.push_back(box.kind + ": " + box.text);
        EXPECT_EQ(boxes, c.boxes) << c.name;
        for (const ShownBox& box : prompter.shown) EXPECT_EQ(box.title, "Gridwright") << c.name;
        const bool left = std::string(c.focus).empty();
        EXPECT_EQ(dialog.isVisible(), !left) << c.name;
        EXPECT_EQ(dialog.cancelled(), !left) << c.name;
        if (!left && std::string(c.focus) != "keep") {
            ASSERT_NE(dialog.focusWidget(), nullptr) << c.name;
            EXPECT_EQ(dialog.focusWidget()->objectName(), c.focus) << c.name;
        }
        EXPECT_EQ(Text(dialog, "txtOutputDir"), c.folder) << c.name << ": the folder text stays as typed";
        EXPECT_EQ(fs::exists(newFolder), std::string(c.name) == "missing folder, Yes") << c.name;
    }
}

TEST_F(ConvertSXDialogTest, CreateFromSXPresetsEveryOutputAndCancelLeavesTheGridAlone) {
    state.trackFolder = "/tracks/";
    state.nationalFolder = out + "/";
    state.national.At(7, 7) = 2.5;
    const NationalGrid before = state.national;
    prompter.fileAnswers = {ter};
    prompter.yesNoAnswers = {true};  // onto a terrain that is not empty
    const ConvertSXOutcome outcome = Run(ConvertSXMode::Create, [&](ConvertSXDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Convert MCM SX track to National");
        for (const char* name : {"chkTer", "chkSCN", "chkSpline", "chkDispMap", "chkTexture"}) {
            EXPECT_TRUE(In<QCheckBox>(dialog, name)->isChecked()) << name;
        }
        EXPECT_FALSE(In<QCheckBox>(dialog, "chkQuarry")->isChecked());
        EXPECT_EQ(In<QAbstractButton>(dialog, "chkDispMap")->text(), "&Disp Map");
        const std::pair<const char*, QString> texts[] = {{"txtZOffset", "5.411765"},
                                                         {"txtZScale", "0.67"},
                                                         {"txtMaxZ", "20.0"},
                                                         {"txtGridRes", "3.0"},
                                                         {"txtOutputDir", PathToQ(out)},
                                                         {"lblTerName", PathToQ(ter)},
                                                         {"lblDescription", kConvertHelpText},
                                                         {"lblZOffset", "Z Base"},
                                                         {"lblGridRes", "Grid Res:"},
                                                         {"lblOutputDir", "Output Directory"}};
        for (const auto& [name, text] : texts) EXPECT_EQ(Text(dialog, name), text) << name;
        // The folder list was set to NationalFolder, and its rule wrote its path back.
        auto* tree = In<QTreeView>(dialog, "Dir1");
        EXPECT_EQ(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex()), PathToQ(out));
        EXPECT_GE(In<QComboBox>(dialog, "Drive1")->count(), 1);
        Click(dialog, "CancelButton");
    });
    EXPECT_EQ(outcome.end, ConvertSXEnd::Cancelled);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[0].kind, "question");
    EXPECT_EQ(prompter.shown[1].kind, "open");
    EXPECT_EQ(prompter.shown[1].request.title, "Select TER file");
    EXPECT_EQ(prompter.shown[1].request.filter, "TER file|*.ter|All Files|*.*");
    EXPECT_EQ(prompter.shown[1].request.defaultExtension, "*.ter");
    EXPECT_EQ(prompter.shown[1].request.initialFolder, "/tracks/");
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"Convert SX cancelled"});

    // The track is remembered even though the run was cancelled; nothing else moved.
    EXPECT_EQ(state.trackFolder, trackFolder + "/");
    EXPECT_EQ(state.currentTerFile, ter);
    EXPECT_EQ(state.nationalFolder, out + "/");
    EXPECT_EQ(state.national, before);
    EXPECT_EQ(emptyPieceShown, 0);
    EXPECT_TRUE(mainStatus.texts.empty());
}

TEST_F(ConvertSXDialogTest, OpenSXPresetsNothingAndClosingTheWindowCancels) {
    state.nationalFolder = dir.File("not/there/");
    prompter.fileAnswers = {ter};
    const ConvertSXOutcome outcome = Run(ConvertSXMode::Open, [&](ConvertSXDialog& dialog) {
        for (const char* name : {"chkQuarry", "chkTer", "chkSCN", "chkSpline", "chkDispMap", "chkTexture"}) {
            EXPECT_FALSE(In<QCheckBox>(dialog, name)->isChecked()) << name;
        }
        EXPECT_EQ(Text(dialog, "txtOutputDir"), PathToQ(dir.File("not/there/")))
            << "a missing folder is shown as it is";
        dialog.close();
    });
    EXPECT_EQ(outcome.end, ConvertSXEnd::Cancelled);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"Convert SX cancelled"});
}

TEST_F(ConvertSXDialogTest, ACancelledOpenBoxDoesNothing) {
    state.trackFolder = "/tracks/";
    const ConvertSXOutcome outcome =
        Run(ConvertSXMode::Create, [](ConvertSXDialog&) { ADD_FAILURE() << "no dialog expected"; });
    EXPECT_EQ(outcome.end, ConvertSXEnd::NoFile);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(state.trackFolder, "/tracks/");
    EXPECT_EQ(state.currentTerFile, "");
}

TEST_F(ConvertSXDialogTest, AnUnsavedPieceIsNotEmptiedWithoutAsking) {
    state.piece.Z(3, 3) = 4.0;
    state.pieceModified = true;
    prompter.fileAnswers = {ter};
    prompter.yesNoAnswers = {false};
    const ConvertSXOutcome outcome =
        Run(ConvertSXMode::Create, [](ConvertSXDialog&) { ADD_FAILURE() << "no dialog expected"; });
    EXPECT_EQ(outcome.end, ConvertSXEnd::KeptPiece);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, "question");
    EXPECT_EQ(prompter.shown[0].text,
              "The open piece has changes that are not saved. The conversion empties the piece grid. Convert anyway?");
    EXPECT_EQ(state.piece.Z(3, 3), 4.0);
    EXPECT_TRUE(state.pieceModified);
    EXPECT_EQ(state.currentTerFile, "");
}

TEST_F(ConvertSXDialogTest, OpenSXLoadsTheTrackAndWritesNoFile) {
    prompter.fileAnswers = {ter};
    prompter.yesNoAnswers = {true};  // the unsaved piece may go
    state.nationalFolder = out + "/";
    state.piece.Z(3, 3) = 4.0;
    state.pieceModified = true;
    const ConvertSXOutcome outcome =
        Run(ConvertSXMode::Open, [](ConvertSXDialog& dialog) { Click(dialog, "OKButton"); });
    ASSERT_EQ(outcome.end, ConvertSXEnd::Ran);
    EXPECT_TRUE(outcome.result.ok()) << outcome.result.FailureText();
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(mainStatus.texts.back(), "All Done");
    EXPECT_NEAR(state.national.At(56, 243), 5.411765 + 0.67 * 4.5, 1e-9);
    EXPECT_EQ(emptyPieceShown, 1);
    EXPECT_EQ(state.piece, PieceGrid{});
    EXPECT_FALSE(state.pieceModified);
    EXPECT_TRUE(prompter.Messages().empty());
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ConvertSXDialogTest, TheDialogAndTheCommandLineWriteTheSameFiles) {
    prompter.fileAnswers = {ter};
    const std::string typed = dir.File("typed");
    MakeTextureWindow textureWindow(state.programFolder, state.trackFolder, prompter, mainStatus);
    const ConvertSXOutcome outcome = Run(
        ConvertSXMode::Create,
        [&](ConvertSXDialog& dialog) {
            SetText(dialog, "txtOutputDir", PathToQ(typed));
            SetText(dialog, "txtGridRes", "2.5");
            SetText(dialog, "txtGameFolder", "C:\\MCM\\Tracks\\Dunes");  // where the output will be copied
            Click(dialog, "chkQuarry");
            prompter.yesNoAnswers = {true};  // create the typed folder
            Click(dialog, "OKButton");
        },
        TextureStepInWindow(textureWindow));
    ASSERT_EQ(outcome.end, ConvertSXEnd::Ran);
    ASSERT_TRUE(outcome.result.ok()) << outcome.result.FailureText();
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_TRUE(textureWindow.isVisible()) << "the builder's window shows the texture's progress and stays open";
    EXPECT_EQ(mainStatus.texts.back(), "Finished converting " + ter);
    EXPECT_EQ(state.nationalFolder, typed + "/");
    EXPECT_EQ(state.gameFolder, "C:\\MCM\\Tracks\\Dunes");  // offered again next time
    EXPECT_EQ(emptyPieceShown, 1);
    // Save ASC257 then proposes the name the new .TER refers to.
    const std::string asc = typed + "/" + DefaultAsc257SaveName(state.currentTerFile, state.lastAsc257File);
    const Asc257SaveNames names = MakeAsc257SaveNames(asc);
    NullStatusSink quiet;
    ASSERT_TRUE(WriteASC257({state.skeleton257Path, names.target, names.objectName}, state.national, quiet));
    fs::rename(typed, dir.File("fromDialog"));

    const CliRun cli = RunCli("convert " + ter + " -o " + typed +
                              " --quarry --grid-res 2.5 --game-folder 'C:\\MCM\\Tracks\\Dunes' -q");
    EXPECT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.err, "");
    const std::vector<std::string> written = NamesIn(dir.File("fromDialog"));
    EXPECT_EQ(written, (std::vector<std::string>{"Dunes.SCN", "Dunes.TER", "Dunes.asc", "DunesDispMap513.tga",
                                                 "DunesUnRendered.tga", "MakeTexture.log", "flat.asc"}));
    EXPECT_EQ(written, NamesIn(typed));
    EXPECT_EQ(ReadPrivateValue("ElevationData", "ElevationPath", "", typed + "/Dunes.TER"), "C:\\MCM\\Tracks\\Dunes\\");
    for (const std::string& name : written) {
        EXPECT_TRUE(ReadAll(dir.File("fromDialog/" + name)) == ReadAll(typed + "/" + name)) << name << " differs";
    }
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// A track is added onto the terrain as it stands: a second one doubles every
// height, so it is asked first, and each one is a step that undo takes back.
TEST_F(ConvertSXDialogTest, ASecondTrackIsAddedOntoTheTerrainOnlyWhenAsked) {
    state.nationalFolder = out + "/";
    auto open = [&](bool yes) {
        prompter.shown.clear();
        prompter.fileAnswers = {ter};
        prompter.yesNoAnswers = {yes};
        return Run(ConvertSXMode::Open, [](ConvertSXDialog& dialog) { Click(dialog, "OKButton"); }).end;
    };
    ASSERT_EQ(open(false), ConvertSXEnd::Ran);
    EXPECT_EQ(prompter.shown[0].kind, "open") << "a flat terrain is not asked about";
    const NationalGrid once = state.national;
    EXPECT_EQ(pieces.undoStack()->undoText(), "Open SX .TER");
    EXPECT_TRUE(terrain.modified());

    EXPECT_EQ(open(false), ConvertSXEnd::KeptTerrain);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "The terrain (ASC257) is not empty: the track's heights will be added to the heights already there. "
              "Add the track anyway?");
    EXPECT_EQ(state.national, once);
    EXPECT_EQ(pieces.undoStack()->count(), 1);

    ASSERT_EQ(open(true), ConvertSXEnd::Ran);
    EXPECT_NEAR(state.national.At(56, 243), 2 * once.At(56, 243), 1e-9);
    pieces.undoStack()->undo();
    EXPECT_EQ(state.national, once);
    pieces.undoStack()->undo();
    EXPECT_EQ(state.national, NationalGrid{});
    EXPECT_FALSE(terrain.modified());
}

}  // namespace
}  // namespace gw::test
