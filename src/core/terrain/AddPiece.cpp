// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terrain/AddPiece.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

constexpr std::int64_t kCentre = 128;
// A piece covers 16 x 16 terrain cells; its last row and column are the first
// ones of the neighbouring piece.
constexpr int kPieceCells = 16;
// Offset at which a piece reaches the terrain's last column or row.
constexpr std::int64_t kLastPieceOffset = 112;
constexpr double kDefaultScale = 0.67;

// Terrain coordinates of track-editor tiles: tile 1 in X starts at the lowest X,
// tile 1 in Y is the highest row of tiles.
double TileX(double tile) { return (tile - 1) * 16 - 128; }
double TileY(double tile) { return 112 - (tile - 1) * 16; }

bool HasTileMark(const std::string& field) { return UpperAscii(field).find('G') != std::string::npos; }

}  // namespace

AddPieceCount AddPieceToASC257(const std::string& xText, const std::string& yText, const std::string& zText,
                               const std::string& scaleText, const PieceGrid& piece, NationalGrid& grid) {
    AddPieceCount count;
    std::int64_t ox = 0, oy = 0;
    if (!RoundToIndex(ValueOfText(xText), ox) || !RoundToIndex(ValueOfText(yText), oy)) {
        // Offsets this far out place nothing on the terrain.
        count.cellsOutside = kPieceCells * kPieceCells;
        return count;
    }
    const double z = ValueOfText(zText);
    const double scale = scaleText.empty() ? kDefaultScale : ValueOfText(scaleText);
    // The piece's square cut to the terrain first (a conversion places 256
    // pieces), then each of its cells.
    const std::int64_t left = ox + kCentre, bottom = oy + kCentre;
    auto firstInside = [](std::int64_t start) { return std::clamp<std::int64_t>(-start, 0, kPieceCells); };
    auto endInside = [](std::int64_t start) {
        return std::clamp<std::int64_t>(NationalGrid::kSize - start, 0, kPieceCells);
    };
    const std::int64_t iFirst = firstInside(left), iEnd = std::max(iFirst, endInside(left));
    const std::int64_t jFirst = firstInside(bottom), jEnd = std::max(jFirst, endInside(bottom));
    count.cellsOutside = kPieceCells * kPieceCells - static_cast<int>((iEnd - iFirst) * (jEnd - jFirst));
    for (std::int64_t j = jFirst; j < jEnd; ++j) {
        for (std::int64_t i = iFirst; i < iEnd; ++i) {
            double& v = grid.At(static_cast<int>(left + i), static_cast<int>(bottom + j));
            // An absurd scale or Z overflows: such a height is never stored
            // (it would be saved as " Inf" and read back as 0).
            const double added = scale * piece.Z(static_cast<int>(i) + 1, 17 - static_cast<int>(j)) + v + z;
            if (std::isfinite(added)) {
                v = added;
                ++count.cellsChanged;
            } else {
                ++count.cellsNotFinite;
            }
        }
    }
    // The last piece of a row or column also closes the terrain's edge, at the
    // piece's base height.
    auto cell = [&](std::int64_t x, std::int64_t y) -> double* {
        if (!NationalGrid::Contains(x, y)) {
            ++count.cellsOutside;
            return nullptr;
        }
        ++count.cellsChanged;
        return &grid.At(static_cast<int>(x), static_cast<int>(y));
    };
    const std::int64_t last = NationalGrid::kSize - 1;
    if (ox == kLastPieceOffset) {
        for (int j = 0; j < kPieceCells; ++j) {
            if (double* v = cell(last, oy + j + kCentre)) *v = z;
        }
    }
    if (oy == kLastPieceOffset) {
        for (int i = 0; i <= kPieceCells; ++i) {
            if (double* v = cell(ox + i + kCentre, last)) *v = z;
        }
    }
    return count;
}

AddAnswer ParseAddAnswer(const std::string& answer) {
    AddAnswer parsed;
    parsed.xText = GetElement(answer, ",", 0);
    parsed.yText = GetElement(answer, ",", 1);
    parsed.zText = GetElement(answer, ",", 2);
    parsed.scaleText = GetElement(answer, ",", 3);
    if (parsed.xText.empty() || parsed.yText.empty()) {
        parsed.message = "You must enter an X, Y. You entered (" + answer + ")";
        return parsed;
    }
    if (HasTileMark(parsed.xText)) parsed.xText = PaddedNumberText(TileX(ValueOfText(parsed.xText)));
    if (HasTileMark(parsed.yText)) parsed.yText = PaddedNumberText(TileY(ValueOfText(parsed.yText)));
    parsed.ok = true;
    return parsed;
}

std::optional<AddAnswer> AskAddOffset(Prompter& prompter, const std::string& suggestedAnswer) {
    const std::string answer = prompter.Input(kAddPromptText, kAddPromptTitle, suggestedAnswer);
    AddAnswer parsed = ParseAddAnswer(answer);
    if (!parsed.ok) {
        prompter.Warning(parsed.message, kTerrainMessageTitle);
        return std::nullopt;
    }
    return parsed;
}

bool PromptAddToASC257(Prompter& prompter, const PieceGrid& piece, NationalGrid& grid) {
    const std::optional<AddAnswer> parsed = AskAddOffset(prompter, "");
    if (!parsed) return false;
    const AddPieceCount count =
        AddPieceToASC257(parsed->xText, parsed->yText, parsed->zText, parsed->scaleText, piece, grid);
    if (count.cellsNotFinite > 0) prompter.Message(NotFiniteCellsText(count.cellsNotFinite), kTerrainMessageTitle);
    return true;
}

std::string TileAddAnswer(int tileX, int tileY, const std::string& zText, const std::string& scaleText) {
    // A blank field would count as 0, not as left out: empty ones get no blank.
    std::string answer = std::to_string(tileX) + "g, " + std::to_string(tileY) + "g";
    if (!zText.empty() || !scaleText.empty()) answer += zText.empty() ? "," : ", " + zText;
    if (!scaleText.empty()) answer += ", " + scaleText;
    return answer;
}

}  // namespace gw
