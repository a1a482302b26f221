// SPDX-License-Identifier: GPL-3.0-or-later
// The ASC257 reader on any file, then the writer with the same file as its
// terrain skeleton (a user may replace the template). The writer copies lines
// in bulk where it can; what it writes must be exactly what writing line by
// line with the general text routines gives.

#include "FuzzSupport.h"
#include "core/io/VertexLine.h"
#include "core/terrain/Asc257File.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace {

// The cell of a template vertex, as the writer places it: X and Y rounded half
// to even, moved from terrain coordinates (-128..128) to grid indices.
bool TemplateCell(const std::string& compressed, int& ix, int& iy) {
    std::int64_t x = 0, y = 0;
    if (!gw::RoundToIndex(gw::ValueOfText(gw::GetElement(compressed, " ", 3)), x) ||
        !gw::RoundToIndex(gw::ValueOfText(gw::GetElement(compressed, " ", 5)), y)) {
        return false;
    }
    if (!gw::NationalGrid::Contains(x + 128, y + 128)) return false;
    ix = static_cast<int>(x + 128);
    iy = static_cast<int>(y + 128);
    return true;
}

// The terrain file written through skeleton line by line: the object lines,
// then each line with CR LF; a vertex line (never the last line) gets the
// grid's height after its "Z:" label, and one off the terrain is left out.
std::string WrittenLineByLine(std::string_view skeleton, const gw::NationalGrid& grid) {
    std::string out = "\r\nNamed Object: \"fuzz\"\r\n";
    const std::vector<std::string_view> lines = gw::SplitAnyLines(skeleton);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (i + 1 < lines.size() && gw::IsSkeletonVertexLine(line)) {
            const std::string compressed = gw::TrimBlanks(gw::Compress(line));
            int ix = 0, iy = 0;
            if (!TemplateCell(compressed, ix, iy)) continue;
            out += gw::GetElement(compressed, "Z:", 0) + "Z: " + gw::PaddedNumberText(grid.At(ix, iy)) + "\r\n";
        } else {
            out += std::string(line) + "\r\n";
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = gw::fuzz::AsText(data, size);
    const std::string path = gw::fuzz::ScratchPath("terrain.asc");
    gw::fuzz::WriteScratchFile(path, input);

    static gw::NationalGrid grid;
    gw::fuzz::Zero(grid.values);
    gw::NullStatusSink status;
    const gw::Asc257ReadResult read = gw::ReadASC257(path, grid, status);
    GW_FUZZ_CHECK(read.end != gw::Asc257ReadEnd::CannotRead);
    GW_FUZZ_CHECK(read.ok() == read.message.empty());
    if (read.end == gw::Asc257ReadEnd::NegativeValue) GW_FUZZ_CHECK(read.message == gw::kAsc257NegativeMessage);
    const long long lines = static_cast<long long>(gw::SplitAnyLines(input).size());
    GW_FUZZ_CHECK(read.verticesStored + read.verticesOutside + read.linesSkipped <= lines);
    GW_FUZZ_CHECK(gw::fuzz::AllFinite(grid.values));

    const std::string target = gw::fuzz::ScratchPath("written.asc");
    const gw::Outcome written = gw::WriteASC257({path, target, "fuzz"}, grid, status);
    if (input.empty()) {
        GW_FUZZ_CHECK(!written.ok());
        return 0;
    }
    GW_FUZZ_CHECK(written.ok());
    std::string bytes;
    GW_FUZZ_CHECK(gw::ReadFileBytes(target, gw::kTerrainFileCap, bytes).ok());
    GW_FUZZ_CHECK(bytes == WrittenLineByLine(input, grid));
    return 0;
}
