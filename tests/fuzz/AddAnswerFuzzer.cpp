// SPDX-License-Identifier: GPL-3.0-or-later
// The answer typed into National > Add to ASC257 ("X, Y, Z, Scale", G for
// track-editor tiles), taken apart and the piece added with it: nothing is
// written outside the terrain, and only cells in the piece's square (and the
// closing edge) change.

#include "FuzzSupport.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/AddPiece.h"
#include "core/text/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const gw::PieceGrid piece = [] {
        gw::PieceGrid sloped;
        for (int row = 1; row <= 17; ++row)
            for (int column = 1; column <= 17; ++column) sloped.Z(column, row) = 0.25 * column - 0.5 * row;
        return sloped;
    }();
    static gw::NationalGrid grid;
    const std::string answer(gw::fuzz::AsText(data, size));

    const gw::AddAnswer parsed = gw::ParseAddAnswer(answer);
    if (!parsed.ok) {
        GW_FUZZ_CHECK(parsed.message.find(answer) != std::string::npos);
        return 0;
    }
    GW_FUZZ_CHECK(!parsed.xText.empty() && !parsed.yText.empty());

    gw::fuzz::Zero(grid.values);
    const gw::AddPieceCount count =
        gw::AddPieceToASC257(parsed.xText, parsed.yText, parsed.zText, parsed.scaleText, piece, grid);
    GW_FUZZ_CHECK(count.cellsChanged >= 0 && count.cellsOutside >= 0 && count.cellsNotFinite >= 0);
    const int counted = count.cellsChanged + count.cellsOutside + count.cellsNotFinite;
    GW_FUZZ_CHECK(counted >= 16 * 16 && counted <= 16 * 16 + 16 + 17);
    GW_FUZZ_CHECK(gw::fuzz::AllFinite(grid.values));

    std::int64_t ox = 0, oy = 0;
    const bool placed =
        gw::RoundToIndex(gw::ValueOfText(parsed.xText), ox) && gw::RoundToIndex(gw::ValueOfText(parsed.yText), oy);
    int changed = 0;
    for (int y = 0; y < gw::NationalGrid::kSize; ++y) {
        for (int x = 0; x < gw::NationalGrid::kSize; ++x) {
            if (grid.At(x, y) == 0) continue;
            ++changed;
            GW_FUZZ_CHECK(placed);
            const std::int64_t i = x - 128 - ox, j = y - 128 - oy;
            const bool inSquare = i >= 0 && i < 16 && j >= 0 && j < 16;
            const bool onEdge = x == gw::NationalGrid::kSize - 1 || y == gw::NationalGrid::kSize - 1;
            GW_FUZZ_CHECK(inSquare || onEdge);
        }
    }
    GW_FUZZ_CHECK(changed <= count.cellsChanged);
    return 0;
}
