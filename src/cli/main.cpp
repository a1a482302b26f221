#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "cli/Verbs.h"
#include "core/ProgramFolder.h"

int main(int argc, char** argv) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string exeFolder = ec ? std::filesystem::path(argv[0]).parent_path().string()
                                     : self.parent_path().string();
    gw::cli::CliContext context{gw::FindProgramFolder(exeFolder), std::cout, std::cerr,
                                isatty(STDERR_FILENO) == 1};
    gw::cli::Args args(argv + 1, argv + argc);
    return gw::cli::RunCli(args, context);
}
