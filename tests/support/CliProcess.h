#pragma once
// Runs the real gridwright-cli (only for the command-line tests, which know
// where it is built).
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "support/TempDir.h"

namespace gw::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs a program with the arguments (shell syntax) and captures its exit status,
// stdout and, through a file, stderr.
inline CliRun RunProgram(const std::string& program, const std::string& arguments) {
    TempDir dir;
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = program + " " + arguments + " 2>" + errFile;
    CliRun result{-1, "", ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadAll(errFile);
    return result;
}

inline CliRun RunCli(const std::string& arguments) { return RunProgram(GRIDWRIGHT_CLI, arguments); }

}  // namespace gw::test
