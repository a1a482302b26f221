// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/ProgramFolder.h"
#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/StockFiles.h"
#include "support/CaseTable.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(StockFiles, UserDataFolder) {
    const std::string& sep = test::kSeparator;
    EXPECT_EQ(UserDataFolderFrom("/x/data", "/home/u"), "/x/data" + sep + "Rutwork" + sep + "Gridwright");
    EXPECT_EQ(UserDataFolderFrom("", "/home/u"), "/home/u" + test::Native("/.local/share/Rutwork/Gridwright"));
    EXPECT_EQ(UserDataFolderFrom(nullptr, "/home/u/"), "/home/u/" + test::Native(".local/share/Rutwork/Gridwright"));
    EXPECT_EQ(UserDataFolderFrom(nullptr, nullptr), "");
    EXPECT_EQ(UserDataFolderFrom("", ""), "");
}

TEST(StockFiles, ThePerUserFolderIsSearchedFirstWhateverTheLetterCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "user");
    std::filesystem::create_directories(dir.path() / "program");
    WriteAll(dir.File("program/national.ter"), "ours");
    WriteAll(dir.File("program/quarry.ter"), "ours");
    WriteAll(dir.File("user/NATIONAL.TER"), "the game's");
    const std::string user = dir.File("user");
    const std::string program = dir.File("program");
    EXPECT_EQ(test::CaseKey(FindStockFile("national.ter", user, program)),
              test::CaseKey(dir.File("user/NATIONAL.TER")));
    EXPECT_EQ(FindStockFile("quarry.ter", user, program), dir.File("program/quarry.ter"));
    EXPECT_EQ(FindStockFile("quarry.ter", "", program), dir.File("program/quarry.ter"));
    EXPECT_EQ(FindStockFile("quarry.ter", dir.File("no such folder"), program), dir.File("program/quarry.ter"));
    EXPECT_EQ(FindStockFile("flat.asc", user, program), "");
    EXPECT_EQ(FindStockFile("flat.asc", user, ""), "");
}

TEST(StockFiles, ShippedTerrainAndSceneFilesHoldTheSectionsTheWritersChange) {
    const std::string program = test::ProgramFolder();
    for (const test::CaseRow& c : test::ReadCaseTable("core/stock-sections.txt"))
        EXPECT_EQ(ReadPrivateValue(c[1], c[2], "Not found", program + "/" + c[0]), c[3]) << c[0] << " " << c[1];
}

TEST(StockFiles, FlatAscIsTheGeneratorsFlatCentredTerrain) {
    const std::string flat = test::ProgramFolder() + "/flat.asc";
    const std::string text = ReadAll(flat);
    EXPECT_EQ(text, MakeFlatTerrainText());
    EXPECT_EQ(text.substr(0, 24), "\r\nNamed Object: \"flat\"\r\n");
    EXPECT_NE(text.find("\r\nTri-mesh, Vertices: 66049     Faces: 131072\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVertex 0: X: -128.000000 Y: -128.000000 Z:  0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVertex 66048: X: 128.000000 Y: 128.000000 Z:  0\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 15), "Smoothing:  1\r\n");
    NationalGrid grid;
    grid.values.assign(grid.values.size(), -1);
    NullStatusSink quiet;
    const Asc257ReadResult read = ReadASC257(flat, grid, quiet);
    EXPECT_EQ(read.verticesStored, 66049);
    EXPECT_EQ(grid, NationalGrid());
}

// A build tree (the data beside the program) and an installation (bin/ and share/gridwright/).
TEST(ProgramFolder, BuildTreeUsesTheProgramsOwnFolderAndAnInstalledProgramShareGridwright) {
    TempDir dir;
    fs::create_directories(dir.path() / "bin");
    WriteAll(dir.File("bin/skelasc.txt"), "mesh");
    EXPECT_EQ(FindProgramFolder(dir.File("bin")), dir.File("bin"));
    fs::create_directories(dir.path() / "usr/bin");
    fs::create_directories(dir.path() / "usr/share/gridwright");
    WriteAll(dir.File("usr/share/gridwright/skelasc.txt"), "mesh");
    EXPECT_EQ(FindProgramFolder(dir.File("usr/bin")), dir.File("usr/share/gridwright"));
    EXPECT_EQ(FindProgramFolder(dir.File("usr/bin") + "/"), dir.File("usr/share/gridwright"));
}

}  // namespace
}  // namespace gw
