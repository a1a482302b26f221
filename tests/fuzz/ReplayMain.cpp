// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once on each file named on the command line (folders are
// walked, in name order) without the fuzzing engine: the seed corpus and the
// kept crash inputs become ordinary tests of any build, sanitized or not.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/io/FileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& argument) {
    if (!std::filesystem::is_directory(argument)) return {argument};
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::exists(argv[i])) continue;  // a target without kept crashes
        for (const auto& path : InputsOf(argv[i])) {
            std::string bytes;
            if (const gw::Outcome read = gw::ReadFileBytes(path.string(), gw::kTerrainFileCap, bytes); !read) {
                std::fprintf(stderr, "%s\n", read.message().c_str());
                return 1;
            }
            std::fprintf(stderr, "replaying %s\n", path.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
