// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading whole files and splitting text into lines the way the game's files are
// written: a line ends at CR LF or at CR alone.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "core/io/InputFile.h"

namespace gw {

// Reads the whole file into bytes. Fails with the file name and the system's
// reason; a folder or other non-regular file is refused, and so is a file
// larger than the cap of its kind.
Outcome ReadFileBytes(const std::string& path, const ReadCap& cap, std::string& bytes);

// The operating system's text for the last error (errno).
std::string SystemReason();
std::string SystemReason(int error);

// Calls onLine for each line of text (CR LF or CR ends a line; a final line
// terminator does not start an empty line). LF alone stays inside the line.
template <typename OnLine>
void ForEachCrLine(std::string_view text, OnLine&& onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
}

// Lines ended by CR LF, CR or LF: for our own templates, which may have been
// edited on any system.
std::vector<std::string_view> SplitAnyLines(std::string_view text);

}  // namespace gw
