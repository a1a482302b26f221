// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QTreeView>

#include "app/AppFixture.h"
#include "app/ConvertSXDialog.h"
#include "app/MakeTextureWindow.h"
#include "app/WindowPlacement.h"
#include "core/convert/ConversionTexts.h"
#include "core/trackfiles/ProfileFile.h"
#include "support/CliProcess.h"
#include "support/RecordingStatusSink.h"

namespace gw::test {
namespace {

void SetText(QWidget& dialog, const char* name, const QString& text) { FindIn<QLineEdit>(dialog, name)->setText(text); }
bool Checked(QWidget& dialog, const char* name) { return FindIn<QCheckBox>(dialog, name)->isChecked(); }

const std::string kAddToTerrain =
    "The terrain (ASC257) is not empty: the track's heights will be added to the heights already there. Add the "
    "track anyway?";

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
        prompter.fileAnswers = {ter};
    }

    // Runs ConvertSX with these yes/no answers; answer gets the modal dialog once it is shown.
    ConvertSXOutcome Run(ConvertSXMode mode, std::deque<bool> yesNo, std::function<void(ConvertSXDialog&)> answer,
                         ConversionTextureRunner texture = {}) {
        prompter.yesNoAnswers = std::move(yesNo);
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
    // Notes how a run ended (0 kept the piece, 1 the terrain, 2 no file, 3 cancelled, 4 ran), where the state points,
    // the grids, the history, what the main status said and each box shown.
    void SeeRun(const std::string& step, const ConvertSXOutcome& outcome) {
        seen += "# " + step + "\n";
        Note("end", std::to_string(static_cast<int>(outcome.end)) + " " + outcome.result.FailureText());
        Note("track", state.trackFolder + " " + state.currentTerFile + "; national " + state.nationalFolder +
                          "; game " + state.gameFolder);
        Note("piece", Sum(state.piece) + (state.pieceModified ? " changed" : " saved") + ", emptied " +
                          std::to_string(emptyPieceShown));
        Note("terrain", Sum(state.national) + (terrain.modified() ? " changed" : " saved") + ", at (56, 243) " +
                            Number(state.national.At(56, 243)) + "; undo " +
                            pieces.undoStack()->undoText().toStdString() + " of " +
                            std::to_string(pieces.undoStack()->count()));
        for (const std::string& text : mainStatus.texts) Note("status", text);
        mainStatus.texts.clear();
        NoteBoxes();
    }
    static void NoDialog(ConvertSXDialog&) { ADD_FAILURE() << "no dialog expected"; }
    static void Ok(ConvertSXDialog& dialog) { ClickIn(dialog, "OKButton"); }

    std::unique_ptr<WindowPlacement> placement;
    PieceDocument pieces{state};
    TerrainDocument terrain{state, *pieces.undoStack()};
    RecordingStatusSink mainStatus;
    int emptyPieceShown = 0;
    std::string trackFolder, ter, out;
};

TEST_F(ConvertSXDialogTest, TheQuarryBoxTheOkChecksInOrderTheCreatePresetsAndCancel) {
    // The Quarry box sets the Z base whatever was typed.
    {
        ConvertSXDialog dialog(prompter);
        dialog.ShowStartingValues();
        EXPECT_EQ(TextIn(dialog, "txtZOffset"), "5.411765");
        ClickIn(dialog, "chkQuarry");
        EXPECT_EQ(TextIn(dialog, "txtZOffset"), "15.0");
        SetText(dialog, "txtZOffset", "12");
        ClickIn(dialog, "chkQuarry");
        EXPECT_EQ(TextIn(dialog, "txtZOffset"), "5.411765");
        FindIn<QCheckBox>(dialog, "chkQuarry")->setChecked(true);  // set from code: the same rule
        EXPECT_EQ(TextIn(dialog, "txtZOffset"), "15.0");
        EXPECT_EQ(dialog.Options().environment, "Quarry");
    }
    const QString fresh = PathToQ(dir.File("new/deeper")), own = PathToQ(trackFolder);
    // A blank is a value, texts that are not numbers pass, a missing folder is made only on Yes, and the track's own
    // folder is refused only when converting. The folder text stays as typed.
    const std::tuple<QString, QString, QString, bool, std::deque<bool>> cases[] = {
        {"", "", "", true, {}},
        {" ", "", "", true, {}},
        {"5", "0.67", "", true, {}},
        {"5", "0.67", fresh, true, {false}},
        {"5", "0.67", fresh, true, {true}},
        {"5", "0.67", own, true, {}},
        {"5", "0.67", own, false, {}},
        {"abc", "x", PathToQ(out), true, {}},
    };
    for (const auto& [zBase, zScale, folder, convert, answers] : cases) {
        fs::remove_all(dir.File("new"));
        prompter.yesNoAnswers = answers;
        ConvertSXDialog dialog(prompter);
        dialog.PresetForMode(convert ? ConvertSXMode::Create : ConvertSXMode::Open);
        dialog.ShowTerFile(ter);
        dialog.show();
        for (const auto& [name, text] :
             {std::pair("txtZOffset", zBase), {"txtZScale", zScale}, {"txtOutputDir", folder}})
            SetText(dialog, name, text);
        ClickIn(dialog, "OKButton");
        Note("# '" + (zBase + "' '" + zScale + "' ").toStdString() + (convert ? "converting" : "opening"), folder);
        NoteBoxes();
        Note(dialog.isVisible() ? "kept" : "left",
             QString(dialog.cancelled() ? "cancelled, focus " : "accepted, focus ") +
                 (dialog.focusWidget() ? dialog.focusWidget()->objectName() : "none"));
        Note("folder", TextIn(dialog, "txtOutputDir") + (fs::exists(dir.File("new/deeper")) ? " made" : ""));
    }
    // Create from SX presets every output, and Cancel leaves the grid alone.
    state.trackFolder = "/tracks/";
    state.nationalFolder = out + "/";
    state.national.At(7, 7) = 2.5;
    // Yes: onto a terrain that is not empty.
    const ConvertSXOutcome outcome = Run(ConvertSXMode::Create, {true}, [&](ConvertSXDialog& dialog) {
        ExpectTexts(dialog, "convert-dialog.tsv");
        for (const char* name : {"chkQuarry", "chkTer", "chkSCN", "chkSpline", "chkDispMap", "chkTexture"})
            Note(name, Checked(dialog, name) ? "on" : "off");
        for (const char* name : {"txtOutputDir", "lblTerName"}) Note(name, TextIn(dialog, name));
        EXPECT_EQ(TextIn(dialog, "lblDescription"), kConvertHelpText);
        // The folder list was set to NationalFolder, and its rule wrote its path back.
        auto* tree = FindIn<QTreeView>(dialog, "Dir1");
        EXPECT_EQ(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex()), PathToQ(out));
        EXPECT_GE(FindIn<QComboBox>(dialog, "Drive1")->count(), 1);
        ClickIn(dialog, "CancelButton");
    });
    // The track is remembered even though the run was cancelled; nothing else moved.
    SeeRun("cancelled", outcome);
    ExpectTranscript("convert-ok.txt");
}

TEST_F(ConvertSXDialogTest, OpenSXPresetsNothingClosingCancelsAndASecondTrackIsAddedOnlyWhenAsked) {
    state.nationalFolder = dir.File("not/there/");
    const ConvertSXOutcome outcome = Run(ConvertSXMode::Open, {}, [&](ConvertSXDialog& dialog) {
        for (const char* name : {"chkQuarry", "chkTer", "chkSCN", "chkSpline", "chkDispMap", "chkTexture"})
            Note(name, Checked(dialog, name) ? "on" : "off");
        Note("txtOutputDir", TextIn(dialog, "txtOutputDir"));  // a missing folder shows as it is
        dialog.close();
    });
    SeeRun("closed", outcome);
    // A cancelled open box or a kept unsaved piece changes nothing.
    state.trackFolder = "/tracks/";
    state.currentTerFile.clear();
    prompter.fileAnswers.clear();
    SeeRun("no file", Run(ConvertSXMode::Create, {}, NoDialog));
    prompter.fileAnswers = {ter};
    state.piece.Z(3, 3) = 4.0;
    state.pieceModified = true;
    SeeRun("piece kept", Run(ConvertSXMode::Create, {false}, NoDialog));
    // Open SX .TER writes no file; a second track, added onto the first, is asked about; undo takes each back.
    state.nationalFolder = out + "/";
    state.piece.Z(3, 3) = 4.0;
    state.pieceModified = true;
    // The unsaved piece may go; a flat terrain is not asked about, a second track is.
    for (const std::deque<bool>& yesNo : {std::deque<bool>{true, false}, {false}, {true}}) {
        prompter.fileAnswers = {ter};
        SeeRun("opened, asked " + std::to_string(yesNo.size()), Run(ConvertSXMode::Open, yesNo, Ok));
    }
    EXPECT_TRUE(fs::is_empty(out));
    for (int i = 0; i < 2; ++i) {
        pieces.undoStack()->undo();
        SeeRun("undone", {});
    }
    ExpectTranscript("convert-nothing.txt");
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ConvertSXDialogTest, TheDialogAndTheCommandLineWriteTheSameFiles) {
    const std::string typed = dir.File("typed");
    MakeTextureWindow textureWindow(state.programFolder, state.trackFolder, prompter, mainStatus);
    const ConvertSXOutcome outcome = Run(
        ConvertSXMode::Create, {},
        [&](ConvertSXDialog& dialog) {
            SetText(dialog, "txtOutputDir", PathToQ(typed));
            SetText(dialog, "txtGridRes", "2.5");
            SetText(dialog, "txtGameFolder", "C:\\MCM\\Tracks\\Dunes");  // where the output will be copied
            ClickIn(dialog, "chkQuarry");
            prompter.yesNoAnswers = {true};  // create the typed folder
            Ok(dialog);
        },
        TextureStepInWindow(textureWindow));
    ASSERT_EQ(outcome.end, ConvertSXEnd::Ran);
    ASSERT_TRUE(outcome.result.ok()) << outcome.result.FailureText();
    EXPECT_TRUE(textureWindow.isVisible()) << "the builder's window shows the texture's progress and stays open";
    Note("builder", TextIn(textureWindow, "lblStatus"));
    SeeRun("converted", outcome);  // the game folder is offered again next time
    ExpectTranscript("convert-whole.txt");
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
    for (const std::string& name : written)
        EXPECT_TRUE(ReadAll(dir.File("fromDialog/" + name)) == ReadAll(typed + "/" + name)) << name << " differs";
}

}  // namespace
}  // namespace gw::test
