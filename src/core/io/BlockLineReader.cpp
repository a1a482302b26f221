// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/BlockLineReader.h"

#include <algorithm>
#include <cstring>

#include "core/io/FileText.h"

namespace gw {

namespace {

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// The last LF in bytes[0, size), or null. GNU's memrchr is vectorised; other C
// libraries (MinGW's) do not have it.
const char* LastLineFeed(const char* bytes, std::size_t size) {
#ifdef __GLIBC__
    return static_cast<const char*>(memrchr(bytes, '\n', size));
#else
    const std::size_t at = std::string_view(bytes, size).rfind('\n');
    return at == std::string_view::npos ? nullptr : bytes + at;
#endif
}

// The first CR or LF in [from, to). Searched in growing windows so that a file
// with only one kind of line end does not make every search run to the block's end.
std::size_t FindLineEnd(const char* bytes, std::size_t from, std::size_t to) {
    std::size_t window = 256;
    while (from < to) {
        const std::size_t length = std::min(window, to - from);
        const char* start = bytes + from;
        const void* cr = std::memchr(start, '\r', length);
        const std::size_t limit = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - start) : length;
        if (const void* lf = std::memchr(start, '\n', limit))
            return static_cast<std::size_t>(static_cast<const char*>(lf) - bytes);
        if (cr) return static_cast<std::size_t>(static_cast<const char*>(cr) - bytes);
        from += length;
        window = std::min(window * 2, std::size_t{1} << 16);
    }
    return kNotFound;
}

// Whether any of the 64 byte pairs (bytes[k], bytes[k + 1]) starting in
// bytes[0..63] has a CR without its LF or an LF without its CR. Sixteen pairs
// at a time: this check runs over every byte that is copied in bulk.
bool HasLoneLineEnd64(const char* bytes) {
    using Bytes16 = char __attribute__((vector_size(16)));
    const Bytes16 cr = {'\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r', '\r'};
    const Bytes16 lf = {'\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n', '\n'};
    Bytes16 lone = {};
    for (int k = 0; k < 64; k += 16) {
        Bytes16 first, second;
        std::memcpy(&first, bytes + k, sizeof first);
        std::memcpy(&second, bytes + k + 1, sizeof second);
        lone |= (first == cr) ^ (second == lf);
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &lone, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// The first i in [0, n) where bytes[i] is a CR without an LF after it or
// bytes[i + 1] is an LF without a CR before it; n when there is none. Reads
// bytes[n].
std::size_t FirstLoneLineEnd(const char* bytes, std::size_t n) {
    std::size_t i = 0;
    while (i + 64 <= n && !HasLoneLineEnd64(bytes + i)) i += 64;
    for (; i < n; ++i) {
        if ((bytes[i] == '\r') != (bytes[i + 1] == '\n')) return i;
    }
    return n;
}

// A bulk run looks this far ahead at most.
constexpr std::size_t kRunWindow = std::size_t{256} << 10;

}  // namespace

BlockLineReader::BlockLineReader(std::size_t maxLineBytes, std::size_t blockBytes)
    : maxLine_(maxLineBytes == 0 ? 1 : maxLineBytes), block_(blockBytes == 0 ? 1 : blockBytes) {}

Outcome BlockLineReader::Open(const std::string& path, const ReadCap& cap) {
    open_ = false;
    const Outcome opened = file_.Open(path, cap);
    if (!opened) return opened;
    open_ = true;
    fullSize_ = block_ + maxLine_ + 2;
    buffer_.assign(static_cast<std::size_t>(std::min<std::uint64_t>(fullSize_, file_.size() + 2)), '\0');
    pos_ = end_ = 0;
    dropped_ = noRunBefore_ = 0;
    eof_ = done_ = false;
    readError_ = Outcome::Ok();
    return Outcome::Ok();
}

bool BlockLineReader::Refill() {
    if (eof_ || !open_) return false;
    if (pos_ > 0) {
        dropped_ += pos_;
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    // The file has grown past the size it had when it was opened.
    if (end_ == buffer_.size() && buffer_.size() < fullSize_) {
        buffer_.resize(std::min(fullSize_, 2 * buffer_.size()));
    }
    const std::size_t room = buffer_.size() - end_;
    const std::size_t got = file_.Read(buffer_.data() + end_, room);
    end_ += got;
    if (got < room) {
        if (!file_.failure().ok()) readError_ = file_.failure();
        eof_ = true;
    }
    return got > 0;
}

bool BlockLineReader::Next(TextLine& line) {
    if (done_ || !open_) return false;
    bool overlong = false;
    std::size_t scanFrom = pos_;
    std::size_t lineEnd = kNotFound;
    for (;;) {
        lineEnd = FindLineEnd(buffer_.data(), scanFrom, end_);
        if (lineEnd != kNotFound) break;
        if (end_ - pos_ > maxLine_) {
            // Keep the start of a line that does not fit and drop the rest as it
            // streams past, so a file without line ends cannot fill the memory.
            if (!overlong) longPrefix_.assign(buffer_.data() + pos_, maxLine_);
            overlong = true;
            pos_ = end_;
        }
        const std::size_t kept = end_ - pos_;
        if (!Refill()) {
            // The file ends without a line end: what is buffered is its last line.
            done_ = true;
            if (end_ == pos_ && !overlong) return false;
            const std::size_t length = end_ - pos_;
            if (!overlong && length > maxLine_) {
                longPrefix_.assign(buffer_.data() + pos_, maxLine_);
                overlong = true;
            }
            line.text = overlong ? std::string_view(longPrefix_) : std::string_view(buffer_.data() + pos_, length);
            line.overlong = overlong;
            line.last = true;
            pos_ = end_;
            return true;
        }
        scanFrom = pos_ + kept;
    }

    std::size_t length = lineEnd - pos_;
    if (!overlong && length > maxLine_) {
        longPrefix_.assign(buffer_.data() + pos_, maxLine_);
        overlong = true;
    }
    if (overlong) {
        // The text lives in longPrefix_; only the line end is kept in the buffer.
        pos_ = lineEnd;
        length = 0;
    }
    // From here on the line is [pos_, pos_ + length) and its end at pos_ + length;
    // a refill moves pos_ to 0 and keeps both.
    std::size_t after = length + 1;
    if (buffer_[pos_ + length] == '\r') {
        if (pos_ + after == end_) Refill();
        if (pos_ + after < end_ && buffer_[pos_ + after] == '\n') ++after;
    }
    bool last = false;
    if (pos_ + after == end_ && !Refill()) last = true;
    line.text = overlong ? std::string_view(longPrefix_) : std::string_view(buffer_.data() + pos_, length);
    line.overlong = overlong;
    line.last = last;
    pos_ += after;
    if (last) done_ = true;
    return true;
}

std::string_view BlockLineReader::TakeCrLfLinesWithout(std::string_view needle) {
    if (done_ || !open_ || dropped_ + pos_ < noRunBefore_) return {};
    if (end_ - pos_ < 2) Refill();
    if (end_ - pos_ < 2) return {};
    const std::uint64_t here = dropped_ + pos_;
    // At least one byte stays after the run, so it never holds the last line.
    const std::string_view ahead(buffer_.data() + pos_, std::min(end_ - pos_ - 1, kRunWindow));
    const std::size_t found = needle.empty() ? std::string_view::npos : ahead.find(needle);
    const std::size_t needleAt = found == std::string_view::npos ? ahead.size() : found;
    // Line ends before stop close lines that qualify. The run starts at a line
    // start, so an LF there stands alone.
    const std::size_t lone = FirstLoneLineEnd(ahead.data(), needleAt);
    const std::size_t stop = ahead[0] == '\n' ? 0 : (lone < needleAt ? lone + 1 : needleAt);
    const char* lastLf = stop == 0 ? nullptr : LastLineFeed(ahead.data(), stop);
    if (lastLf == nullptr) {
        // No line starts again before stop, so asking there is no use.
        noRunBefore_ = here + stop + 1;
        return {};
    }
    const std::size_t length = static_cast<std::size_t>(lastLf - ahead.data()) + 1;
    pos_ += length;
    return ahead.substr(0, length);
}

}  // namespace gw
