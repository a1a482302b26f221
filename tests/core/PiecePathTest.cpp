// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/piece/CellRange.h"
#include "core/piece/PiecePath.h"
#include "support/CaseTable.h"

namespace gw {
namespace {

TEST(SplitPiecePath, TakesKindFromTheNamesEnd) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/piece-path.txt")) {
        const PiecePathParts parts = SplitPiecePath(c[0]);
        EXPECT_EQ((test::CaseRow{c[0], parts.folder, parts.name, parts.extension, parts.kind}), c);
    }
}

TEST(CellRange, SingleCellMeansTheWholeGrid) {
    const std::pair<CellRange, NormalRange> cases[] = {
        {{5, 5, 3, 3}, {1, 17, 1, 17}},   {{5, 2, 3, 1}, {2, 5, 1, 3}},    {{2, 5, 1, 3}, {2, 5, 1, 3}},
        {{1, 17, 17, 1}, {1, 17, 1, 17}}, {{0, 20, -4, 3}, {1, 17, 1, 3}}, {{4, 4, 1, 9}, {4, 4, 1, 9}},
    };
    for (const auto& [selection, range] : cases) EXPECT_EQ(TakeRange(selection), range);
    EXPECT_EQ(ApplyWholeGridRule({9, 9, 9, 9}), (CellRange{1, 17, 1, 17}));
}

}  // namespace
}  // namespace gw
