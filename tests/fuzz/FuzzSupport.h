// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the fuzz targets: a check that stops the run with a message (the
// fuzzer keeps the input that broke it), and helpers for their inputs.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdlib.h>  // mkdtemp
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Interfaces.h"
#include "core/io/FileText.h"

#define GW_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace gw::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first count fields of the input, each ended by a zero byte, then the rest;
// missing fields are empty, so every input is usable ("section\0key\0value\0file").
inline std::vector<std::string_view> SplitFields(std::string_view input, std::size_t count) {
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t zero = std::min(input.find('\0'), input.size());
        fields.push_back(input.substr(0, zero));
        input.remove_prefix(std::min(zero + 1, input.size()));
    }
    fields.push_back(input);
    return fields;
}

// A line of text as the core splits lines (SplitAnyLines), with its line end:
// CR LF, CR, LF or nothing.
struct Line {
    std::string_view text, end;
    std::string_view whole() const { return {text.data(), text.size() + end.size()}; }
};

inline std::vector<Line> LinesWithEnds(std::string_view text) {
    const std::vector<std::string_view> split = SplitAnyLines(text);
    std::vector<Line> lines;
    for (std::size_t i = 0; i < split.size(); ++i) {
        const char* end = split[i].data() + split[i].size();
        const char* next = i + 1 < split.size() ? split[i + 1].data() : text.data() + text.size();
        lines.push_back({split[i], {end, static_cast<std::size_t>(next - end)}});
    }
    return lines;
}

// A number read back from its written form: the same to the 15 digits a file keeps.
inline bool SameToFileDigits(double written, double read) {
    return written == read || std::fabs(written - read) <= 1e-14 * std::fabs(written);
}

// A file name in a folder of this run's own, removed at its end; in memory
// (/dev/shm) where there is one, as flushing to disk costs more than the code.
inline std::string ScratchPath(const std::string& name) {
    static const std::string folder = [] {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "gw-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        static const std::string removeAtExit = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(removeAtExit, ec);
        });
        return pattern;
    }();
    return folder + "/" + name;
}

// Writes bytes to path; stops the run when it cannot (the disk, not the input).
inline void WriteScratchFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    GW_FUZZ_CHECK(file != nullptr);
    GW_FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    GW_FUZZ_CHECK(std::fclose(file) == 0);
}

// Loops over a whole terrain (66,049 heights) run for every input: they are kept
// out of the coverage instrumentation and the sanitizers (they stay inside their
// vector), are not inlined into a counted caller, and call nothing instrumented
// (so raw pointers and builtins, not std::isfinite or iterators).
#if defined(__clang__)
#define GW_FUZZ_UNCOUNTED __attribute__((no_sanitize("coverage", "address", "undefined"), noinline))
#else
#define GW_FUZZ_UNCOUNTED
#endif

GW_FUZZ_UNCOUNTED inline bool AllFinite(const double* values, std::size_t count) {
    bool finite = true;
    for (std::size_t i = 0; i < count; ++i) finite &= __builtin_isfinite(values[i]);
    return finite;
}

inline bool AllFinite(const std::vector<double>& values) { return AllFinite(values.data(), values.size()); }

GW_FUZZ_UNCOUNTED inline void Zero(std::vector<double>& values) {
    std::memset(values.data(), 0, values.size() * sizeof(double));
}

// Every keepEvery-th vertex line of a piece file and a closing line: a piece for
// the targets that read a track, where only heights matter.
inline std::string VertexLinesOnly(std::string_view pieceFile, std::size_t keepEvery) {
    std::string lines;
    std::size_t vertex = 0;
    for (const std::string_view line : SplitAnyLines(pieceFile))
        if (line.find("X:") != std::string_view::npos && vertex++ % keepEvery == 0) lines.append(line).append("\r\n");
    return lines + "end\r\n";
}

// Answers every box as a person who cancels, and counts the messages.
class QuietPrompter final : public Prompter {
public:
    void Message(const std::string&, const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string Input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string OpenFileName(const FileBoxRequest&) override { return {}; }
    std::string SaveFileName(const FileBoxRequest&) override { return {}; }
    int messages = 0;
};

}  // namespace gw::fuzz
