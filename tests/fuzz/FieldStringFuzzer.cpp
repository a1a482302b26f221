// SPDX-License-Identifier: GPL-3.0-or-later
// The field-string routines on any text and separator: the fields GetElement
// and GetNextElement give, joined with the separator, are the text again;
// Compress leaves no run of blanks and changes nothing else.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/text/FieldString.h"

namespace {

// Fields walked past before the walk counts as endless: one more than the text
// can hold.
std::size_t FieldLimit(std::string_view text) { return text.size() + 2; }

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
        GW_FUZZ_CHECK(++steps <= FieldLimit(text));
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

}  // namespace

// Input: separator, a zero byte, then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = gw::fuzz::SplitFields(gw::fuzz::AsText(data, size), 1);
    const std::string_view separator = fields[0];
    const std::string_view text = fields[1];
    CheckGetElement(text, separator);
    CheckGetNextElement(text, separator);
    CheckCompress(text);
    return 0;
}
