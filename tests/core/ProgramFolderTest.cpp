// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/ProgramFolder.h"
#include "core/io/Paths.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteAll;

// The two layouts a program meets: a build tree (the data beside the program)
// and an installation (bin/ and share/gridwright/ under one prefix).
TEST(ProgramFolder, BuildTreeUsesTheProgramsOwnFolder) {
    TempDir dir;
    fs::create_directories(dir.path() / "bin");
    WriteAll(dir.File("bin/skelasc.txt"), "mesh");
    EXPECT_EQ(FindProgramFolder(dir.File("bin")), dir.File("bin"));
}

TEST(ProgramFolder, InstalledProgramUsesShareGridwright) {
    TempDir dir;
    fs::create_directories(dir.path() / "usr/bin");
    fs::create_directories(dir.path() / "usr/share/gridwright");
    WriteAll(dir.File("usr/share/gridwright/skelasc.txt"), "mesh");
    const std::string folder = FindProgramFolder(dir.File("usr/bin"));
    EXPECT_EQ(folder, dir.File("usr/share/gridwright"));
    EXPECT_TRUE(fs::is_regular_file(JoinPath(folder, "skelasc.txt")));
    // The same with a closing separator on the program's folder.
    EXPECT_EQ(FindProgramFolder(dir.File("usr/bin") + "/"), dir.File("usr/share/gridwright"));
}

}  // namespace
}  // namespace gw
