// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli/Verbs.h"
#include "core/ProgramFolder.h"

namespace {

// The folder of the running program, where its data lie (or ../share/gridwright
// from there); argv[0]'s folder when the system cannot say.
std::string ExecutableFolder(const char* argv0) {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) break;
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).parent_path().string();
        }
        buffer.resize(buffer.size() * 2);  // the path was cut off
    }
#else
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path().string();
#endif
    return std::filesystem::path(argv0).parent_path().string();
}

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in \n as on every other system, and a TGA sent to standard
    // output keeps its bytes: no \r\n translation on either stream.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    gw::cli::CliContext context{gw::FindProgramFolder(ExecutableFolder(argv[0])), std::cout, std::cerr,
                                StderrIsTerminal()};
    gw::cli::Args args(argv + 1, argv + argc);
    return gw::cli::RunCli(args, context);
}
