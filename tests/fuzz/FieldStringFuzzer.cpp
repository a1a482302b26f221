// SPDX-License-Identifier: GPL-3.0-or-later
// The field-string routines on any text and separator: the fields GetElement
// and GetNextElement give, joined with the separator, are the text again;
// Compress leaves no run of blanks and changes nothing else. The whole input
// goes through the path routines too.

#include "FuzzSupport.h"
#include "core/io/Paths.h"
#include "core/piece/PiecePath.h"
#include "core/text/FieldString.h"
#include "core/trackfiles/GameFolder.h"

namespace {

void CheckGetElement(std::string_view text, std::string_view separator) {
    if (separator.empty()) {
        GW_FUZZ_CHECK(gw::GetElement(text, separator, 0) == text);
        GW_FUZZ_CHECK(gw::GetElement(text, separator, 1).empty());
        return;
    }
    std::size_t count = 1;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, at + separator.size())) {
        ++count;
    }
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) joined += separator;
        joined += gw::GetElement(text, separator, static_cast<std::int64_t>(i));
    }
    GW_FUZZ_CHECK(joined == text);
    GW_FUZZ_CHECK(gw::GetElement(text, separator, static_cast<std::int64_t>(count)).empty());
    GW_FUZZ_CHECK(gw::GetElement(text, separator, -1).empty());
    GW_FUZZ_CHECK(gw::GetElement(text, separator, INT64_MAX).empty());
}

// The walk ends, each step moves on, and the fields are the text's own.
void CheckGetNextElement(std::string_view text, std::string_view separator) {
    std::int64_t position = 1;
    const auto length = static_cast<std::int64_t>(text.size());
    std::size_t steps = 0;
    std::string joined;
    while (position < length) {
        const std::int64_t before = position;
        std::string field = gw::GetNextElement(text, separator, position);
        GW_FUZZ_CHECK(position > before && position <= length);
        GW_FUZZ_CHECK(text.substr(static_cast<std::size_t>(before - 1), field.size()) == field);
        GW_FUZZ_CHECK(++steps <= text.size() + 2);  // one more than the text can hold: endless
        joined += field;
    }
    GW_FUZZ_CHECK(joined.size() <= text.size());
    // A used-up text gives nothing and keeps the position; so does a position
    // outside it.
    for (std::int64_t outside : {length, std::int64_t{0}, std::int64_t{-5}, length + 7, INT64_MAX}) {
        std::int64_t kept = outside;
        GW_FUZZ_CHECK(gw::GetNextElement(text, separator, kept).empty());
        GW_FUZZ_CHECK(kept == outside);
    }
}

void CheckCompress(std::string_view text) {
    const std::string compressed = gw::Compress(text);
    GW_FUZZ_CHECK(compressed.find("  ") == std::string::npos);
    GW_FUZZ_CHECK(gw::Compress(compressed) == compressed);
    std::string withoutBlanks(text), compressedWithoutBlanks = compressed;
    std::erase(withoutBlanks, ' ');
    std::erase(compressedWithoutBlanks, ' ');
    GW_FUZZ_CHECK(withoutBlanks == compressedWithoutBlanks);

    const std::string trimmed = gw::TrimBlanks(text);
    GW_FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    GW_FUZZ_CHECK(text.find(trimmed) != std::string_view::npos);
    GW_FUZZ_CHECK(gw::UpperAscii(text).size() == text.size());
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool HasSeparator(std::string_view text) { return std::any_of(text.begin(), text.end(), gw::IsPathSeparator); }

// The path routines, as they meet paths written into track files and names
// picked in file boxes: results are parts of the path, and the piece name's
// parts put together are the file name again.
void CheckPaths(std::string_view path) {
    const std::string fileName = gw::GetFileName(path);
    GW_FUZZ_CHECK(Contains(path, fileName));
    GW_FUZZ_CHECK(!HasSeparator(fileName));
    const std::string baseName = gw::GetBaseName(path);
    const std::string extension = gw::GetExtension(path);
    GW_FUZZ_CHECK(Contains(fileName, baseName) && Contains(fileName, extension));
    GW_FUZZ_CHECK(!Contains(baseName, ".") && !Contains(extension, "."));
    // The routines take the path with its separators made single.
    const std::string normal = gw::NormalSeparators(path);
    GW_FUZZ_CHECK(normal.size() <= path.size() && Contains(normal, fileName));
    const std::string directory = gw::GetDirectory(path);
    GW_FUZZ_CHECK(directory.size() <= path.size());
    GW_FUZZ_CHECK(directory == path || normal.substr(0, directory.size()) == directory);

    const gw::PiecePathParts parts = gw::SplitPiecePath(path);
    GW_FUZZ_CHECK(parts.kind.empty() || parts.kind == "N" || parts.kind == "NS" || parts.kind == "NSEW");
    GW_FUZZ_CHECK(gw::PieceKindOf(baseName).size() <= baseName.size());
    GW_FUZZ_CHECK(parts.folder.size() <= path.size() + 1);

    const std::string folder = gw::FolderOfPath(std::string(path));
    GW_FUZZ_CHECK(path.substr(0, folder.size()) == folder);
    const std::string value = gw::WindowsFolderForm(path);
    GW_FUZZ_CHECK(value.size() >= path.size() && value.find('/') == std::string::npos);
    GW_FUZZ_CHECK(path.empty() || value.back() == '\\');
}

}  // namespace

// Input: separator, a zero byte, then the text; the whole input is a path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = gw::fuzz::SplitFields(gw::fuzz::AsText(data, size), 1);
    const std::string_view separator = fields[0];
    const std::string_view text = fields[1];
    CheckGetElement(text, separator);
    CheckGetNextElement(text, separator);
    CheckCompress(text);
    CheckPaths(gw::fuzz::AsText(data, size));
    return 0;
}
