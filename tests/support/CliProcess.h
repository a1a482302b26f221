// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real gridwright-cli (only for the command-line tests, which know
// where it is built).
#include <array>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <filesystem>
#include <vector>
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include "support/TempDir.h"

namespace gw::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

#ifdef _WIN32

// The words of a command written for a POSIX shell as the tests write them:
// blanks separate words, 'single' and "double" quotes keep blanks. A backslash
// is an ordinary character (it separates Windows folders).
inline std::vector<std::string> ShellWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : text) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// One argument as the C runtime of the started program splits its command
// line: in double quotes; backslashes are doubled where a quote follows them.
inline std::string WindowsArgument(const std::string& word) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

// A file the started program inherits as its standard output or error.
inline HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Runs a program with the arguments (shell syntax, see ShellWords) and
// captures its exit status, stdout and stderr through files.
inline CliRun RunProgram(const std::string& programPath, const std::string& arguments) {
    TempDir dir;
    const std::string outFile = dir.File("stdout.txt");
    const std::string errFile = dir.File("stderr.txt");
    const std::string program = std::filesystem::absolute(programPath).string();
    std::string commandLine = WindowsArgument(program);
    for (const std::string& word : ShellWords(arguments)) commandLine += " " + WindowsArgument(word);

    CliRun result{-1, "", ""};
    HANDLE out = InheritableFile(outFile);
    HANDLE err = InheritableFile(errFile);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        // A run that never ends is ended here, so a stuck program fails its
        // test with a reason instead of holding the whole run until ctest's
        // time-out (Wine has now and then lost a started program's end).
        const bool finished = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
        if (!finished) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        DWORD code = 0;
        if (finished && GetExitCodeProcess(process.hProcess, &code)) result.status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    result.out = ReadAll(outFile);
    result.err = ReadAll(errFile);
    if (result.status == -1) result.err += "[" + arguments + " did not finish within 120 s or could not start]\n";
    return result;
}

#else

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

#endif

inline CliRun RunCli(const std::string& arguments) { return RunProgram(GRIDWRIGHT_CLI, arguments); }

}  // namespace gw::test
