// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile (INI) files as the game's tools read and write them through
// GetPrivateProfileStringA and WritePrivateProfileStringA: the .TER, .TRK and
// .SCN track description files.
//
// Reading: section and key names match without regard to ASCII letter case; a
// value is the text after the first "=", trimmed of blanks, with one pair of
// matching surrounding quotes (' or ") removed. Only the first section of a name
// is searched, and in it the first line of the key. Lines end at CR LF, CR or LF.
//
// Writing: a key that exists gets its line rewritten in place; a new key goes
// after the last key line of its section (before the blank lines that close
// it); a new section is appended at the end of the file. Every other byte of the
// file stays as it was. Written lines end with CR LF.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Outcome.h"

namespace gw {

// A profile file held in memory: parse once, read and write many keys, save once.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string bytes);

    // Reads the file. A missing or unreadable file fails with its name and the
    // system's reason.
    static Outcome Load(const std::string& path, ProfileDocument& document);

    // The value of the key, or nothing when the section or the key is missing
    // (a line without "=" is not a key).
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // The value of the key, or defaultValue (used as given).
    std::string Get(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool HasSection(std::string_view section) const;

    // Writes the key. Refuses, leaving the document as it was, names and values
    // that would change the file's structure: a line break anywhere, an empty
    // section or key, "]" in a section name, "=" in a key or a key that starts
    // with "[".
    Outcome Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes as they are now.
    const std::string& Text() const { return text_; }

    // Writes the bytes safely (ReplaceFileContents): a failed write leaves the
    // previous file as it was.
    Outcome Save(const std::string& path) const;

private:
    struct Section {
        std::size_t headerStart;  // first byte of the [name] line
        std::size_t bodyStart;    // first byte after the header line's end
        std::size_t end;          // first byte of the next header line, or the end
    };
    struct KeyLine {
        std::size_t start;      // first byte of the line
        std::size_t end;        // end of the line's text
        std::size_t next;       // first byte after its line end
        std::string_view name;  // the key as the file spells it, trimmed
    };

    void Parse();
    const Section* FirstSection(std::string_view name) const;
    std::optional<KeyLine> FindKeyLine(const Section& section, std::string_view key) const;
    std::size_t InsertionPoint(const Section& section) const;
    // Replaces the key lines from..to with bytes (whole key lines).
    void Splice(std::size_t from, std::size_t to, std::string_view bytes);
    // Adds a new last section holding one key line.
    void AppendSection(std::string_view name, std::string_view keyLine);

    // Section names compared without regard to ASCII letter case, and looked
    // up without a copy (a conversion looks up 256 sections).
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::string text_;
    std::vector<Section> sections_;
    // Section name -> index of its first section in sections_.
    std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual> firstSection_;
};

// The longest value ReadPrivateValue returns: the game's reader passes a buffer
// of 255 usable characters, one of which holds the terminating zero.
inline constexpr std::size_t kMaxPrivateValueLength = 254;

// One read of a key. A missing file, section or key gives the default (trailing
// blanks removed, as the system call does); the result is cut to 254 characters.
std::string ReadPrivateValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                             const std::string& file);

// One write of a key: the file is read, changed and saved safely. A missing file
// is created (its folder must exist). A file that exists but cannot be read is
// never overwritten.
Outcome WritePrivateValue(std::string_view section, std::string_view key, std::string_view value,
                          const std::string& file);

}  // namespace gw
