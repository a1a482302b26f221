// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/trackfiles/ProfileFile.h"

#include <filesystem>

#include "core/io/FileText.h"
#include "core/io/ReplaceFile.h"

namespace gw {

namespace {

namespace fs = std::filesystem;

// The blanks the system's profile reader trims: white space and the old
// end-of-file mark Ctrl-Z.
bool IsProfileBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

struct LineSpan {
    std::size_t start;
    std::size_t end;   // end of the text
    std::size_t next;  // after the line end
};

LineSpan LineAt(std::string_view text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    if (end == text.size()) return {start, end, end};
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    return {start, end, next};
}

// The name of a [section] line: the text between "[" and the line's last "]",
// trimmed. Nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// The key of a key=value line, trimmed; nothing for a line without "=".
std::optional<std::string_view> KeyName(std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, equals));
}

std::string ValueOfLine(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A text the file cannot hold without its structure changing.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::size_t FirstLineStart(std::string_view text) {
    return text.substr(0, kUtf8Mark.size()) == kUtf8Mark ? kUtf8Mark.size() : 0;
}

// One lookup straight through the text, without indexing it: what a one-shot
// read needs. The same rules as ProfileDocument::Find.
std::optional<std::string> FindInText(std::string_view text, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    if (key.empty()) return std::nullopt;
    bool inSection = false;
    for (std::size_t at = FirstLineStart(text); at < text.size();) {
        const LineSpan span = LineAt(text, at);
        const std::string_view line = text.substr(span.start, span.end - span.start);
        if (auto name = HeaderName(line)) {
            if (inSection) return std::nullopt;  // only the first section of the name counts
            inSection = SameNoCase(*name, section);
        } else if (inSection) {
            auto name = KeyName(line);
            if (name && SameNoCase(*name, key)) return ValueOfLine(line);
        }
        at = span.next;
    }
    return std::nullopt;
}

}  // namespace

std::size_t ProfileDocument::NoCaseHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a over the upper-cased bytes
    for (char c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool ProfileDocument::NoCaseEqual::operator()(std::string_view a, std::string_view b) const { return SameNoCase(a, b); }

ProfileDocument::ProfileDocument(std::string bytes) : text_(std::move(bytes)) { Parse(); }

Outcome ProfileDocument::Load(const std::string& path, ProfileDocument& document) {
    std::string bytes;
    Outcome read = ReadFileBytes(path, kTrackFileCap, bytes);
    if (!read) return read;
    document = ProfileDocument(std::move(bytes));
    return Outcome::Ok();
}

void ProfileDocument::Parse() {
    sections_.clear();
    firstSection_.clear();
    const std::string_view text = text_;
    // A UTF-8 mark written by a modern editor is not part of the first line.
    std::size_t at = FirstLineStart(text);
    while (at < text.size()) {
        const LineSpan line = LineAt(text, at);
        if (auto name = HeaderName(text.substr(line.start, line.end - line.start))) {
            if (!sections_.empty()) sections_.back().end = line.start;
            sections_.push_back({line.start, line.next, text.size()});
            firstSection_.try_emplace(std::string(*name), sections_.size() - 1);
        }
        at = line.next;
    }
}

const ProfileDocument::Section* ProfileDocument::FirstSection(std::string_view name) const {
    auto found = firstSection_.find(Trim(name));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

std::optional<ProfileDocument::KeyLine> ProfileDocument::FindKeyLine(const Section& section,
                                                                     std::string_view key) const {
    key = Trim(key);
    if (key.empty()) return std::nullopt;
    const std::string_view text = text_;
    for (std::size_t at = section.bodyStart; at < section.end;) {
        const LineSpan line = LineAt(text, at);
        auto name = KeyName(text.substr(line.start, line.end - line.start));
        if (name && SameNoCase(*name, key)) return KeyLine{line.start, line.end, line.next, *name};
        at = line.next;
    }
    return std::nullopt;
}

// After the section's last key line, or right after its header when it has none:
// blank lines and notes that close a section stay where they are.
std::size_t ProfileDocument::InsertionPoint(const Section& section) const {
    const std::string_view text = text_;
    std::size_t point = section.bodyStart;
    for (std::size_t at = section.bodyStart; at < section.end;) {
        const LineSpan line = LineAt(text, at);
        if (KeyName(text.substr(line.start, line.end - line.start))) point = line.next;
        at = line.next;
    }
    return point;
}

bool ProfileDocument::HasSection(std::string_view section) const { return FirstSection(section) != nullptr; }

std::optional<std::string> ProfileDocument::Find(std::string_view section, std::string_view key) const {
    const Section* found = FirstSection(section);
    if (!found) return std::nullopt;
    auto line = FindKeyLine(*found, key);
    if (!line) return std::nullopt;
    return ValueOfLine(std::string_view(text_).substr(line->start, line->end - line->start));
}

std::string ProfileDocument::Get(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    auto value = Find(section, key);
    return value ? *value : std::string(defaultValue);
}

// A key line taken out or put in moves the sections after it; no header
// comes or goes, so the sections are shifted instead of read again. The one
// exception is a line end added to a last line that had none, which can end a
// header line: then the file's structure is read again.
void ProfileDocument::Splice(std::size_t from, std::size_t to, std::string_view bytes) {
    const bool closesLastLine = from == text_.size() && from > 0 && text_.back() != '\r' && text_.back() != '\n';
    text_.replace(from, to - from, bytes);
    if (closesLastLine) {
        Parse();
        return;
    }
    const std::size_t added = bytes.size(), removed = to - from;
    auto shift = [added, removed](std::size_t& offset) { offset = offset - removed + added; };
    for (Section& section : sections_) {
        // A section whose body starts at from keeps that start: the line put
        // in belongs to its body.
        if (section.headerStart >= to) shift(section.headerStart);
        if (section.bodyStart > from) shift(section.bodyStart);
        if (section.end >= to) shift(section.end);
    }
}

void ProfileDocument::AppendSection(std::string_view name, std::string_view keyLine) {
    if (!text_.empty() && text_.back() != '\r' && text_.back() != '\n') {
        text_.append("\r\n[").append(name).append("]\r\n").append(keyLine);
        Parse();
        return;
    }
    const std::size_t headerStart = text_.size();
    text_.append("[").append(name).append("]\r\n");
    const std::size_t bodyStart = text_.size();
    text_.append(keyLine);
    if (!sections_.empty()) sections_.back().end = headerStart;
    sections_.push_back({headerStart, bodyStart, text_.size()});
    firstSection_.try_emplace(std::string(name), sections_.size() - 1);
}

Outcome ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos) {
        return Outcome::Fail("Cannot write the section name \"" + std::string(section) + "\" into a profile file");
    }
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == '[') {
        return Outcome::Fail("Cannot write the key \"" + std::string(key) + "\" into a profile file");
    }
    if (HasLineBreak(value)) {
        return Outcome::Fail("Cannot write a value with a line break into " + std::string(section) + "/" +
                             std::string(key));
    }
    const Section* found = FirstSection(section);
    std::string bytes;
    if (!found) {
        bytes.append(key).append("=").append(value).append("\r\n");
        AppendSection(section, bytes);
        return Outcome::Ok();
    }
    if (auto line = FindKeyLine(*found, key)) {
        // The key keeps the file's own spelling; only its value changes.
        bytes.append(line->name).append("=").append(value).append("\r\n");
        Splice(line->start, line->next, bytes);
        return Outcome::Ok();
    }
    const std::size_t point = InsertionPoint(*found);
    // The line before has no line end only when it is the file's last line.
    if (point == text_.size() && point > 0 && text_.back() != '\r' && text_.back() != '\n') bytes += "\r\n";
    bytes.append(key).append("=").append(value).append("\r\n");
    Splice(point, point, bytes);
    return Outcome::Ok();
}

Outcome ProfileDocument::Save(const std::string& path) const { return ReplaceFileContents(path, text_); }

std::string ReadPrivateValue(std::string_view section, std::string_view key, std::string_view defaultValue,
                             const std::string& file) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    std::string value(defaultValue);
    std::string bytes;
    if (ReadFileBytes(file, kTrackFileCap, bytes)) {
        if (auto found = FindInText(bytes, section, key)) value = std::move(*found);
    }
    if (value.size() > kMaxPrivateValueLength) value.resize(kMaxPrivateValueLength);
    return value;
}

Outcome WritePrivateValue(std::string_view section, std::string_view key, std::string_view value,
                          const std::string& file) {
    ProfileDocument document;
    std::error_code ec;
    if (fs::exists(file, ec)) {
        Outcome loaded = ProfileDocument::Load(file, document);
        if (!loaded) return loaded;
    } else if (ec) {
        return Outcome::Fail("Cannot read " + file + ": " + ec.message());
    }
    Outcome set = document.Set(section, key, value);
    if (!set) return Outcome::Fail(set.message() + " (" + file + ")");
    return document.Save(file);
}

}  // namespace gw
