// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a text file line by line in large blocks, so that a file of any size is
// read with bounded memory and without a heap allocation per line. A line ends
// at CR LF, CR or LF; a final line end does not start an empty line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "core/io/InputFile.h"

namespace gw {

struct TextLine {
    // The line without its end. For an overlong line only its first
    // maxLineBytes characters.
    std::string_view text;
    // Longer than the reader's maxLineBytes: the text is cut short.
    bool overlong = false;
    // Nothing follows this line in the file.
    bool last = false;
};

class BlockLineReader {
public:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    static constexpr std::size_t kDefaultMaxLineBytes = std::size_t{64} << 10;

    // A smaller block reads the same lines (the fuzzer uses tiny ones).
    explicit BlockLineReader(std::size_t maxLineBytes = kDefaultMaxLineBytes, std::size_t blockBytes = kBlockBytes);
    BlockLineReader(const BlockLineReader&) = delete;
    BlockLineReader& operator=(const BlockLineReader&) = delete;

    // Fails with the file name and the reason: a file that is not a regular
    // file, or one larger than the cap, is refused (InputFile).
    Outcome Open(const std::string& path, const ReadCap& cap);

    // The next line; false at the end of the file or after a read error. The
    // line's text stays valid until the next call.
    bool Next(TextLine& line);

    // Whole lines from the current position on that hold no `needle` and all end
    // with CR LF, as far as the buffered bytes go and never the file's last
    // line; empty when the next line does not qualify. The lines are consumed.
    // Lets a caller copy the lines it does not change in bulk.
    std::string_view TakeCrLfLinesWithout(std::string_view needle);

    // The file's size when it was opened.
    std::uint64_t fileSize() const { return file_.size(); }

    // Ok unless reading failed part-way (the lines before it were delivered).
    const Outcome& readError() const { return readError_; }

private:
    // Moves the bytes from pos_ on to the front of the buffer and reads more
    // after them; false when nothing more could be read.
    bool Refill();

    std::size_t maxLine_;
    std::size_t block_;
    InputFile file_;
    bool open_ = false;
    std::vector<char> buffer_;
    // The buffer's full size: one block after a kept partial line and its CR.
    // A small file starts with a smaller buffer, which grows when the file does.
    std::size_t fullSize_ = 0;
    std::size_t pos_ = 0;            // start of the line being read
    std::size_t end_ = 0;            // end of the buffered bytes
    std::uint64_t dropped_ = 0;      // bytes of the file before buffer_[0]
    std::uint64_t noRunBefore_ = 0;  // file offset before which no bulk run starts
    bool eof_ = false;
    bool done_ = false;
    std::string longPrefix_;  // the kept start of an overlong line
    Outcome readError_ = Outcome::Ok();
};

}  // namespace gw
