// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splitting texts into fields at a separator and taking paths apart. Positions
// count from 1, fields from 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace gw {

// The field with that index between separators, or an empty text when the text
// has fewer fields (or the index is negative). Blanks around a field stay in it.
std::string GetElement(std::string_view text, std::string_view separator, std::int64_t index);

// The field that starts at position (1-based); position moves past it. When the
// text is used up (position equals its length) the result is empty and position
// stays. See ReadPieceFile for the walk that relies on this.
std::string GetNextElement(std::string_view text, std::string_view separator, std::int64_t& position);

// Every run of blanks collapsed to one blank; tabs pass through unchanged.
std::string Compress(std::string_view text);

// Leading and trailing blanks removed; tabs and other white space stay.
std::string TrimBlanks(std::string_view text);

// The first kCount fields of a line once its runs of blanks are collapsed and it
// is trimmed (GetElement(TrimBlanks(Compress(line)), " ", i)): its runs of
// non-blank characters, found without copying, since the readers do this for
// every vertex line. Missing fields stay empty.
template <int kCount>
struct LineFields {
    std::string_view field[kCount];
};

template <int kCount>
LineFields<kCount> SplitAtBlankRuns(std::string_view line) {
    LineFields<kCount> fields;
    const char* at = line.data();
    const char* const end = at + line.size();
    for (int index = 0; index < kCount; ++index) {
        while (at < end && *at == ' ') ++at;
        if (at == end) break;
        const char* const start = at;
        while (at < end && *at != ' ') ++at;
        fields.field[index] = std::string_view(start, static_cast<std::size_t>(at - start));
    }
    return fields;
}

// Path routines. Both \ and / separate folders: the game writes Windows paths
// into its track files, and the program builds native ones. Each takes the path
// as NormalSeparators gives it, so dir//Track/Dunes.TER is Dunes.TER in dir/Track/.
std::string GetFileName(std::string_view path);   // C:\tracks\bumpN.asc -> bumpN.asc
std::string GetBaseName(std::string_view path);   // up to the name's first period
std::string GetExtension(std::string_view path);  // between its first and second period
std::string GetDirectory(std::string_view path);  // everything before the file name

// The path with every run of separators made one (its first) and a closing
// separator dropped, as a shell's "$DIR/$FILE" with DIR ending in / or a hand
// edited track file gives them. A network path's leading \\ and a root's
// leading / (or \) stay: they mean something.
std::string NormalSeparators(std::string_view path);

bool IsPathSeparator(char c);

// Upper-cases ASCII letters only (the file names and keys are single-byte text).
std::string UpperAscii(std::string_view text);

}  // namespace gw
