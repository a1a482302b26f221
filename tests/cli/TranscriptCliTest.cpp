// SPDX-License-Identifier: GPL-3.0-or-later
// Transcripts of the tool, tests/data/cli/*.txt (their form: README there): each
// run's exit status, exact stdout and stderr, and the files it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliScene.h"
#include "support/ReferenceImage.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

struct Case {
    std::string arguments, out, err;
    int status = 0, line = 0;
    std::vector<std::string> writes;
};

std::vector<Case> ReadTranscript(const std::string& name) {
    std::vector<Case> cases;
    std::istringstream in(test::ReadAll(test::TestDataPath("cli/" + name)));
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        const std::string kind = line.substr(0, 2), rest = line.size() > 2 ? line.substr(line[2] == ' ' ? 3 : 2) : "";
        if (kind[0] == '$')
            cases.push_back({rest, "", "", 0, number, {}});
        else if (cases.empty() || (kind != "1>" && kind != "2>" && kind != "? " && kind != "+ "))
            ADD_FAILURE() << name << ":" << number << ": not a transcript line: " << line;
        else if (kind == "1>")
            cases.back().out += rest + "\n";
        else if (kind == "2>")
            cases.back().err += rest + "\n";
        else if (kind == "? ")
            cases.back().status = std::stoi(rest);
        else
            cases.back().writes.push_back(rest);
    }
    return cases;
}

void RunTranscript(const std::string& name) {
    const test::Scene scene;
    const fs::path before = fs::current_path();
    fs::current_path(scene.path());
    for (const Case& c : ReadTranscript(name)) {
        bool runs = true;
        const std::string arguments = scene.Expand(c.arguments, runs);
        if (!runs) continue;
        const std::string where = name + ":" + std::to_string(c.line) + ": " + arguments;
        const auto entries = scene.Entries(c.writes);
        const test::CliRun result = test::RunCli(arguments);
        EXPECT_EQ(result.status, c.status) << where;
        EXPECT_EQ(result.out, scene.Expand(c.out, runs)) << where;
        EXPECT_EQ(result.err, scene.Expand(c.err, runs)) << where;
        EXPECT_EQ(scene.Entries(c.writes), entries) << where;
        for (const std::string& w : c.writes) EXPECT_TRUE(fs::exists(scene.path() / w)) << where << ": " << w;
    }
    fs::current_path(before);
}

TEST(CliTranscript, UsageErrorsAreOneLineNamingTheVerbAndWriteNothing) { RunTranscript("usage.txt"); }
TEST(CliTranscript, InputsThatCannotBeReadFailInOneLine) { RunTranscript("unreadable.txt"); }
TEST(CliTranscript, OutputsNoWriterMayWriteAreRefusedBeforeWriting) { RunTranscript("unwritable.txt"); }
TEST(CliTranscript, WarningsAreLinesOnStderrAndTheRestIsWritten) { RunTranscript("warnings.txt"); }
TEST(CliTranscript, StatusLinesGoToStderrAndQuietSilencesThem) { RunTranscript("status.txt"); }
TEST(CliTranscript, PieceSetNamesTheSetFromTheFileNameOrTheOptions) { RunTranscript("piece-set.txt"); }
TEST(CliTranscript, HelpTextsListEveryVerbAndOption) { RunTranscript("help.txt"); }

}  // namespace
}  // namespace gw
