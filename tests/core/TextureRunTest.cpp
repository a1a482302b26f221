// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"
#include "core/io/OutputFile.h"
#include "core/texture/SkeletonImage.h"
#include "core/texture/TextureRun.h"
#include "support/RecordingStatusSink.h"
#include "support/ReferenceImage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw {
namespace {

using test::TextureTrack;

constexpr std::uint32_t kColours[4] = {0xC00000, 0x00C000, 0x0000C0, 0xC0C000};

TextureTrack FourColourTrack(const std::string& folder) {
    std::filesystem::create_directories(folder);
    TextureTrack track(folder, "Dunes");
    const char* names[4] = {"Red", "Green", "Blue", "Yellow"};
    for (int i = 0; i < 4; ++i) {
        track.fileSets.push_back(std::string(names[i]) + ".tga");
        test::WriteTile(track.File(std::string(names[i]) + "a.tga"), test::SolidTile(kColours[i]));
    }
    track.FillCells(256, [](int n) { return (n - 1) % 4 + 1; });
    track.Write();
    return track;
}

std::vector<std::string> Progress(std::vector<std::string> before, std::vector<std::string> after) {
    std::vector<std::string> texts = std::move(before);
    for (int n = 16; n <= 256; n += 16) texts.push_back(std::to_string(n));
    texts.insert(texts.end(), after.begin(), after.end());
    return texts;
}

class TextureRunTest : public ::testing::Test {
protected:
    void TearDown() override { OutputFile::FailAfterBytesForTesting(-1); }
    TextureRunResult Menu(const TextureTrack& track) {
        return RunTextureFromMenu(track.terPath(), test::ProgramFolder(), view, prompter);
    }
    TextureRunResult ForConversion(const TextureTrack& track, const std::string& out) {
        return RunTextureForConversion(ConversionTextureJob(track.terPath(), out), test::ProgramFolder(), view,
                                       mainStatus, prompter);
    }

    test::TempDir dir;
    test::RecordingTextureView view;
    test::RecordingStatusSink mainStatus;
    test::ScriptedPrompter prompter;
};

TEST(SkeletonImages, ShippedWithTheirSizes) {
    for (int side : {992, 1016}) {
        RgbImage shipped;
        const std::string name = side == 992 ? "skel.tga" : "skel1016.tga";
        ASSERT_TRUE(ReadTgaFile(test::ProgramFolder() + "/" + name, shipped)) << name;
        EXPECT_EQ(shipped, MakeSkeletonImage(side)) << name;
    }
    // Grid lines every 62 pixels on the ground.
    const RgbImage skeleton = MakeSkeletonImage(992);
    EXPECT_EQ(skeleton.Rgb(62, 30), kSkeletonGridLine);
    EXPECT_EQ(skeleton.Rgb(991, 991), kSkeletonGround);
}

// Without a palette (no file sets, or a negative count) the bare skeleton is saved, and a log of the header alone.
TEST_F(TextureRunTest, MenuRunSavesTheTextureAndItsLogTheBareSkeletonWithoutAPalette) {
    TextureTrack track = FourColourTrack(dir.path().string());
    const std::string rule = std::string(59, '=') + "\r\n", header = rule + "= " + track.trackPath() + "\r\n" + rule;
    TextureRunResult run;
    RgbImage texture, enlarged;
    for (const char* fileSets : {"0", "-3"}) {
        track.totalFileSets = fileSets;
        track.Write();
        prompter.shown.clear();
        view.texts.clear();
        run = Menu(track);
        ASSERT_TRUE(run.ok()) << fileSets;
        EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"No Textures to process"});
        EXPECT_EQ(run.tilesPlaced, 0);
        EXPECT_EQ(view.texts, (std::vector<std::string>{"Processing " + track.terPath(), "All Done"}));
        EXPECT_EQ(test::ReadAll(run.logPath), header);
        ASSERT_TRUE(ReadTgaFile(run.outputPath, texture));
        ASSERT_TRUE(ResizeImage(MakeSkeletonImage(992), 1016, 1016, enlarged));
        EXPECT_EQ(texture, SharpenImage(enlarged, 5)) << fileSets;
    }
    track.totalFileSets.reset();
    track.Write();
    prompter.shown.clear();
    view.texts.clear();
    view.previews = 0;
    run = Menu(track);
    ASSERT_TRUE(run.ok()) << run.outcome.message();
    EXPECT_EQ(run.outputPath, track.File("DunesUnRendered.tga"));
    EXPECT_EQ(run.logPath, track.File("MakeTexture.log"));
    EXPECT_TRUE(run.imageSaved);
    EXPECT_EQ(run.tilesPlaced, 256);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(view.texts, Progress({"Processing " + track.terPath()}, {"All Done"}));
    EXPECT_EQ(view.previews, 17);  // every 16 pieces and the finished skeleton
    ASSERT_TRUE(ReadTgaFile(run.outputPath, texture));
    ASSERT_TRUE(ResizeImage(view.lastPreview, 1016, 1016, enlarged));
    EXPECT_EQ(texture, SharpenImage(enlarged, 5));
    // Six lines a piece follow the header.
    EXPECT_EQ(test::ReadAll(run.logPath), header + test::ReadAll(test::TestDataPath("texture/four-colour-pieces.log")));
}

TEST_F(TextureRunTest, InvalidMapIdWritesNoTexture) {
    TextureTrack track = FourColourTrack(dir.path().string());
    track.placements.resize(200);
    track.Write();
    const TextureRunResult run = ForConversion(track, "");
    ASSERT_FALSE(run.ok());
    const std::string failure = "Invalid MapID in TexturePlacement_201: no texture written";
    EXPECT_EQ(run.outcome.message(), failure);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"Invalid MapID"});
    EXPECT_EQ(run.tilesPlaced, 200);
    EXPECT_FALSE(test::Exists(run.outputPath));
    EXPECT_FALSE(run.imageSaved);
    EXPECT_EQ(view.texts.back(), failure);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{failure});
    const std::string log = test::ReadAll(run.logPath);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3 + 200 * 6);
}

TEST_F(TextureRunTest, FailedSaveIsReportedNeverFollowedByDone) {
    TextureTrack track = FourColourTrack(dir.path().string());
    test::WriteAll(track.File("DunesUnRendered.tga"), "the previous texture");
    // The log (about 40 KB) fits; the texture (3 MB) does not.
    OutputFile::FailAfterBytesForTesting(100000);
    const TextureRunResult run = ForConversion(track, track.folder());
    ASSERT_FALSE(run.ok());
    EXPECT_FALSE(run.imageSaved);
    const std::string& failure = run.outcome.message();
    EXPECT_NE(failure.find("No space left on device"), std::string::npos) << failure;
    EXPECT_NE(failure.find("DunesUnRendered.tga"), std::string::npos) << failure;
    EXPECT_EQ(view.texts.back(), failure);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{failure});
    EXPECT_EQ(std::count(view.texts.begin(), view.texts.end(), "All Done"), 0);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{failure});
    // The earlier texture is untouched; the log is still written.
    EXPECT_EQ(test::ReadAll(track.File("DunesUnRendered.tga")), "the previous texture");
    const std::string log = test::ReadAll(run.logPath);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3 + 256 * 6);

    test::RecordingTextureView menuView;
    const TextureRunResult menuRun = RunTextureFromMenu(track.terPath(), test::ProgramFolder(), menuView, prompter);
    ASSERT_FALSE(menuRun.ok());
    EXPECT_EQ(menuView.texts.back(), menuRun.outcome.message());
    EXPECT_EQ(std::count(menuView.texts.begin(), menuView.texts.end(), "All Done"), 0);
}

TEST_F(TextureRunTest, FailedLogIsReported) {
    TextureTrack track = FourColourTrack(dir.path().string());
    std::filesystem::create_directories(track.File("MakeTexture.log"));
    const TextureRunResult run = Menu(track);
    ASSERT_FALSE(run.ok());
    EXPECT_TRUE(run.imageSaved);
    EXPECT_EQ(run.outcome.message(), "Cannot write " + track.File("MakeTexture.log") + ": Is a directory");
    EXPECT_EQ(view.texts.back(), run.outcome.message());
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{run.outcome.message()});
}

TEST_F(TextureRunTest, SkeletonImagesMissingOrWrong) {
    TextureTrack track = FourColourTrack(dir.File("track"));
    const std::string program = dir.File("program"), in = program + test::kSeparator;
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(dir.File("out"));
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] {}, "Get Skel error: Cannot open " + in + "skel.tga: No such file or directory"},
        {[&] { test::WriteAll(in + "skel.tga", "not a picture"); }, "Get Skel error: Cannot read " + in + "skel.tga: "},
        {[&] { test::WriteTile(in + "skel.tga", test::SolidTile(0, 500)); },
         "Get Skel error: " + in + "skel.tga is 500 x 500 pixels, not 992 x 992"},
        {[&] { test::WriteTile(in + "skel.tga", MakeSkeletonImage(992)); },
         "Get Skel 1016 error: Cannot open " + in + "skel1016.tga: No such file or directory"},
        {[&] { test::WriteTile(in + "skel1016.tga", test::SolidTile(0, 992)); },
         "Get Skel 1016 error: " + in + "skel1016.tga is 992 x 992 pixels, not 1016 x 1016"},
    };
    for (const auto& [prepare, status] : cases) {
        prepare();
        test::RecordingTextureView caseView;
        test::RecordingStatusSink caseMain;
        test::ScriptedPrompter casePrompter;
        const TextureRunResult run = RunTextureForConversion(ConversionTextureJob(track.terPath(), dir.File("out")),
                                                             program, caseView, caseMain, casePrompter);
        ASSERT_FALSE(run.ok());
        ASSERT_EQ(caseView.texts.size(), 2u);
        EXPECT_EQ(caseView.texts[1].substr(0, status.size()), status);
        EXPECT_EQ(caseMain.texts, std::vector<std::string>{caseView.texts[1]});
        EXPECT_TRUE(casePrompter.shown.empty());
        EXPECT_FALSE(test::Exists(run.outputPath));
        // The log is rewritten at every run, here with nothing in it.
        EXPECT_TRUE(test::Exists(run.logPath));
        EXPECT_EQ(test::ReadAll(run.logPath), "");
    }
}

TEST_F(TextureRunTest, BuilderOpensTheTerAndStartsConversionJobsThatReportToBothStatusLines) {
    TextureTrack track = FourColourTrack(dir.File("my.tracks"));
    std::string trackFolder = "/remembered/tracks/";
    TextureBuilder builder(test::ProgramFolder(), trackFolder, view, mainStatus, prompter);

    // A cancelled Open box: nothing to do; the box had no initial folder yet.
    EXPECT_FALSE(builder.OpenAndRun());
    EXPECT_EQ(view.texts, std::vector<std::string>{"Nothing to do"});
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].request.initialFolder, "");
    EXPECT_EQ(prompter.shown[0].request.filter, "TER file|*.ter|All Files|*.*");
    EXPECT_EQ(prompter.shown[0].request.defaultExtension, ".ter");

    // A chosen .TER in a folder with a period: the texture and .TRK beside it.
    view.texts.clear();
    prompter.fileAnswers = {track.terPath()};
    auto run = builder.OpenAndRun();
    ASSERT_TRUE(run);
    ASSERT_TRUE(run->ok()) << run->outcome.message();
    EXPECT_TRUE(test::Exists(track.File("DunesUnRendered.tga")));
    EXPECT_EQ(view.texts.back(), "All Done");
    EXPECT_TRUE(mainStatus.texts.empty());
    EXPECT_EQ(builder.terFolder(), track.folder() + test::kSeparator);

    // Now a folder is remembered: the box opens in TrackFolder.
    trackFolder = "/changed/";
    builder.OpenAndRun();
    EXPECT_EQ(prompter.shown.back().request.initialFolder, "/changed/");

    // A conversion's job: without a .TER nothing runs; the texture and its log go into the output folder.
    std::filesystem::create_directories(dir.File("out"));
    std::filesystem::remove(track.File("MakeTexture.log"));
    view.texts.clear();
    EXPECT_EQ(builder.StartJob(ConversionTextureJob("", dir.File("out"))).outcome.message(), "No .TER file given");
    EXPECT_TRUE(view.texts.empty() && mainStatus.texts.empty());
    const TextureRunResult job = builder.StartJob(ConversionTextureJob(track.terPath(), dir.File("out")));
    ASSERT_TRUE(job.ok()) << job.outcome.message();
    EXPECT_EQ(job.outputPath, dir.File("out/DunesUnRendered.tga"));
    EXPECT_TRUE(test::Exists(job.outputPath));
    EXPECT_TRUE(test::Exists(dir.File("out/MakeTexture.log")));
    EXPECT_FALSE(test::Exists(track.File("MakeTexture.log")));
    const std::string finished = "Finished converting " + track.terPath();
    EXPECT_EQ(view.texts, Progress({"Processing " + track.terPath()}, {finished}));
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{finished});
}

}  // namespace
}  // namespace gw
