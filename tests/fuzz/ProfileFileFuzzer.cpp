// SPDX-License-Identifier: GPL-3.0-or-later
// Profile files on any bytes: read a key, write one, save the file, read it
// back. A write changes the one key's line (or adds lines for it) and nothing
// else: every other line comes through byte for byte, in its place.
#include <optional>
#include <tuple>

#include "FuzzSupport.h"
#include "core/texture/TextureOrientation.h"
#include "core/texture/TexturePalette.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TrackValue.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/text/FieldString.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// What reading back a written value gives: trimmed, one pair of quotes gone.
std::string ReadBackForm(std::string_view value) {
    value = Trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A line "key = value" whose key is this one, letter case ignored.
bool IsLineOfKey(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           gw::UpperAscii(Trimmed(line.substr(0, equals))) == gw::UpperAscii(Trimmed(key));
}

bool EndsLine(std::string_view line) { return !line.empty() && (line.back() == '\r' || line.back() == '\n'); }

// before -> after may differ in one place only: at most one line taken out
// there (the key's old line) and the key's new lines put in, each ended by
// CR LF. The one other change allowed is a CR LF that closes a last line
// without a line end when lines are added after it.
void CheckOnlyTheKeyChanged(std::string before, std::string_view after, std::string_view key) {
    if (after == before) return;  // the key had that value, written the same way
    if (!before.empty() && !EndsLine(before) && after.substr(0, before.size() + 2) == before + "\r\n") {
        before += "\r\n";
        if (after == before) return;  // the key closed the file and kept its value
    }
    // The lines with their ends, split as the reader splits them.
    const auto oldLines = gw::fuzz::LinesWithEnds(before), newLines = gw::fuzz::LinesWithEnds(after);
    std::size_t prefix = 0, suffix = 0;
    while (prefix < oldLines.size() && prefix < newLines.size() && oldLines[prefix].whole() == newLines[prefix].whole())
        ++prefix;
    while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix &&
           oldLines[oldLines.size() - 1 - suffix].whole() == newLines[newLines.size() - 1 - suffix].whole())
        ++suffix;
    const std::size_t removed = oldLines.size() - prefix - suffix;
    const std::size_t added = newLines.size() - prefix - suffix;
    GW_FUZZ_CHECK(removed <= 1);
    if (removed == 1) GW_FUZZ_CHECK(IsLineOfKey(oldLines[prefix].whole(), key));
    // The key's line, after a new section's header line.
    GW_FUZZ_CHECK(added >= 1 && added <= 2);
    for (std::size_t i = prefix; i < prefix + added; ++i) {
        const std::string_view line = newLines[i].whole();
        GW_FUZZ_CHECK(line.size() >= 2 && line.substr(line.size() - 2) == "\r\n");
    }
    GW_FUZZ_CHECK(IsLineOfKey(newLines[prefix + added - 1].whole(), key));
}

// What the texture builder reads from a track: the .TER's texture palette and
// the .TRK's orientations, here the same bytes.
void CheckTextureReading(std::string_view input) {
    const gw::ProfileDocument track{std::string(input)};
    gw::fuzz::QuietPrompter prompter;
    const gw::TexturePalette palette = gw::LoadTexturePalette(track, prompter);
    GW_FUZZ_CHECK(prompter.messages <= 1);
    for (long long id : {-1LL, 0LL, 1LL, 2LL, 255LL, 256LL, 257LL, 1LL << 40})
        GW_FUZZ_CHECK(palette.Entry(id).empty() || (id >= 1 && id <= gw::TexturePalette::kMaxEntries));
    for (int piece = 1; piece <= 256; piece += 51) {
        const int orientation = gw::ReadTrackInteger(track, gw::kTrackSection, gw::OrientationKey(piece), "-2");
        (void)gw::RemapOrientation(orientation);
    }
}

}  // namespace

// Input: section, key and value, each ended by a zero byte, then the file's
// bytes; the whole input is also a track's .TER and .TRK.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTextureReading(gw::fuzz::AsText(data, size));
    const auto fields = gw::fuzz::SplitFields(gw::fuzz::AsText(data, size), 3);
    const std::string_view section = fields[0], key = fields[1], value = fields[2], file = fields[3];

    gw::ProfileDocument document{std::string(file)};
    GW_FUZZ_CHECK(document.Text() == file);
    const std::optional<std::string> old = document.Find(section, key);
    if (old) GW_FUZZ_CHECK(old->size() <= file.size());

    const gw::Outcome set = document.Set(section, key, value);
    if (!set) {
        GW_FUZZ_CHECK(document.Text() == file);
        return 0;
    }
    GW_FUZZ_CHECK(document.Find(section, key) == ReadBackForm(value));
    GW_FUZZ_CHECK(document.HasSection(section));
    CheckOnlyTheKeyChanged(std::string(file), document.Text(), key);

    // Written to disk and read back, by the document and by the one-shot reader.
    const std::string path = gw::fuzz::ScratchPath("track.ter");
    GW_FUZZ_CHECK(document.Save(path).ok());
    gw::ProfileDocument loaded;
    GW_FUZZ_CHECK(gw::ProfileDocument::Load(path, loaded).ok());
    GW_FUZZ_CHECK(loaded.Text() == document.Text());
    std::string expected = ReadBackForm(value);
    if (expected.size() > gw::kMaxPrivateValueLength) expected.resize(gw::kMaxPrivateValueLength);
    GW_FUZZ_CHECK(gw::ReadPrivateValue(section, key, "-", path) == expected);

    // The sections stay in step with the bytes: later writes (a new key, a new
    // section, the key again) give what they give on the bytes read afresh.
    const std::string otherKey = std::string(key) + "2", otherSection = std::string(section) + "2";
    for (const auto& [s, k, v] : {std::tuple{section, std::string_view(otherKey), value},
                                  {std::string_view(otherSection), key, value},
                                  {section, key, key}}) {
        gw::ProfileDocument fresh{document.Text()};
        GW_FUZZ_CHECK(fresh.Set(s, k, v).ok() == document.Set(s, k, v).ok());
        GW_FUZZ_CHECK(fresh.Text() == document.Text());
    }
    return 0;
}
