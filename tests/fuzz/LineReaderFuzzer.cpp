// SPDX-License-Identifier: GPL-3.0-or-later
// The block line reader under the ASC257 files, on any bytes read in small blocks
// (line ends fall on block boundaries every way): the lines it gives (cut to the
// longest kept, marked overlong and last) and its bulk CR LF runs are the file's.
// Input: byte 0 the longest line kept, bytes 1-2 the block size, byte 3 which
// calls take bulk runs, the runs' needle ended by a zero byte, then the bytes.

#include "FuzzSupport.h"
#include "core/io/BlockLineReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::size_t maxLine = data[0] == 0 ? gw::BlockLineReader::kDefaultMaxLineBytes : data[0];
    const std::size_t block = (std::size_t{data[1]} << 8 | data[2]) % 1024 + 1;
    const std::uint8_t bulkCalls = data[3];
    const auto fields = gw::fuzz::SplitFields(gw::fuzz::AsText(data + 4, size - 4), 1);
    const std::string_view needle = fields[0];
    const std::string_view bytes = fields[1];
    static const std::string path = gw::fuzz::ScratchPath("lines.txt");
    gw::fuzz::WriteScratchFile(path, bytes);

    const std::vector<gw::fuzz::Line> expected = gw::fuzz::LinesWithEnds(bytes);
    gw::BlockLineReader reader(maxLine, block);
    GW_FUZZ_CHECK(reader.Open(path, gw::kTerrainFileCap).ok());
    std::size_t next = 0;
    for (unsigned call = 0;; ++call) {
        if (bulkCalls & (1u << (call % 8))) {
            const std::string_view run = reader.TakeCrLfLinesWithout(needle);
            if (!needle.empty()) GW_FUZZ_CHECK(run.find(needle) == std::string_view::npos);
            std::size_t at = 0;
            while (at < run.size()) {
                GW_FUZZ_CHECK(next + 1 < expected.size());  // never the last line
                const gw::fuzz::Line& line = expected[next++];
                GW_FUZZ_CHECK(line.end == "\r\n");
                GW_FUZZ_CHECK(run.substr(at, line.text.size()) == line.text);
                at += line.text.size();
                GW_FUZZ_CHECK(run.substr(at, 2) == "\r\n");
                at += 2;
            }
        }
        gw::TextLine line;
        if (!reader.Next(line)) break;
        GW_FUZZ_CHECK(next < expected.size());
        const std::string_view text = expected[next].text;
        GW_FUZZ_CHECK(line.overlong == (text.size() > maxLine));
        GW_FUZZ_CHECK(line.text == text.substr(0, maxLine));
        GW_FUZZ_CHECK(line.last == (next + 1 == expected.size()));
        ++next;
    }
    GW_FUZZ_CHECK(next == expected.size());
    GW_FUZZ_CHECK(reader.readError().ok());
    return 0;
}
