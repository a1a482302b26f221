// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/piece/CellRange.h"
#include "core/piece/PiecePath.h"

namespace gw {
namespace {

struct SplitCase {
    const char* path;
    const char* folder;
    const char* name;
    const char* extension;
    const char* kind;
};

TEST(SplitPiecePath, TakesKindFromTheNamesEnd) {
    const SplitCase cases[] = {
        {"C:\\pieces\\bumpN.asc", "C:\\pieces\\", "bump", "asc", "N"},
        {"/pieces/bumpNSEW.asc", "/pieces/", "bump", "asc", "NSEW"},
        {"/pieces/bumpNS.asc", "/pieces/", "bump", "asc", "NS"},
        {"/pieces/bumpns.asc", "/pieces/", "bump", "asc", "NS"},
        {"/pieces/bumpW.asc", "/pieces/", "bumpW", "asc", ""},
        {"/pieces/bumpEW.asc", "/pieces/", "bumpEW", "asc", ""},
        {"/pieces/ramp.asc", "/pieces/", "ramp", "asc", ""},
        {"/pieces/N.asc", "/pieces/", "N", "asc", ""},
        {"/pieces/Xn.ASC", "/pieces/", "X", "ASC", "N"},
        {"/pieces/Town.asc", "/pieces/", "Tow", "asc", "N"},
        {"/pieces/nsew.asc", "/pieces/", "", "asc", "NSEW"},
    };
    for (const auto& c : cases) {
        PiecePathParts parts = SplitPiecePath(c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
        EXPECT_EQ(parts.kind, c.kind) << c.path;
    }
}

TEST(CellRange, SingleCellMeansTheWholeGrid) {
    struct Case {
        CellRange selection;
        NormalRange expected;
    };
    const Case cases[] = {
        {{5, 5, 3, 3}, {1, 17, 1, 17}},   {{5, 2, 3, 1}, {2, 5, 1, 3}},    {{2, 5, 1, 3}, {2, 5, 1, 3}},
        {{1, 17, 17, 1}, {1, 17, 1, 17}}, {{0, 20, -4, 3}, {1, 17, 1, 3}}, {{4, 4, 1, 9}, {4, 4, 1, 9}},
    };
    for (const auto& c : cases) EXPECT_EQ(TakeRange(c.selection), c.expected);
    EXPECT_EQ(ApplyWholeGridRule({9, 9, 9, 9}), (CellRange{1, 17, 1, 17}));
}

}  // namespace
}  // namespace gw
