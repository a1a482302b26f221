// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Displacement maps: grey pictures of heights, one pixel per height sample, black
// at the floor of the scale and white at its top. A piece gives 16 x 16 pixels,
// the terrain 257 x 257, or 513 x 513 at twice the grid's resolution.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Interfaces.h"
#include "core/image/RgbImage.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

// Grey value of height z on a scale that starts at floor and spans span: 256 at
// the top, rounded to the nearest whole number with halves to the even one. A
// span of exactly 0 (a flat grid) counts as 0.0000001.
double GreyOf(double z, double floor, double span);

// The byte a grey value is drawn with: above 255 white. Below 0 (a height under
// the floor of the scale, possible on the terrain maps whose floor is 0) black,
// and so is a height that is not a number.
std::uint8_t GreyByte(double grey);

struct DisplacementMap {
    // What the preview window shows at its top-left corner: the piece map's 17 x 17
    // pixels (row 17 and column 17 of the grid are drawn but not saved), or the
    // terrain map itself.
    RgbImage preview;
    // What the file holds: 16 x 16, 257 x 257 or 513 x 513.
    RgbImage image;
    double floor = 0;  // the height drawn black
    double top = 0;    // the height drawn as grey 256 (white)
};

// The piece map. The scale runs from the lowest to the highest of the 17 x 17
// heights, searched from 256 down and from -1 up: a piece whose every height is
// 256 or more keeps 256 as its floor, one whose every height is -1 or less keeps
// -1 as its top. Status texts: "Computing Min/Max", "Processing Terrain", then
// "Processing Terrain Row: " and the grid row, from row 17 up to row 1.
DisplacementMap MakeDisplacementMap17(const PieceGrid& grid, StatusSink& status);

// The terrain maps. The floor is 0; the top is the Max Z text's number when that
// is above the tallest height (searched from -1 up), otherwise the tallest height.
// Status texts: "Computing Min/Max", "Processing Terrain", then
// "Processing Terrain Row: " and the terrain Y of each row, from -128 (the
// picture's bottom row) to 128.
DisplacementMap MakeDisplacementMap257(const NationalGrid& grid, std::string_view maxZText, StatusSink& status);

// Each grid sample gets a 2 x 2 block: its own grey at the top-left, and the
// greys of its means with the sample to the right, the one below and the one
// diagonally below-right (each a mean of two samples). The right-most column
// and the bottom row repeat their own sample instead.
DisplacementMap MakeDisplacementMap513(const NationalGrid& grid, std::string_view maxZText, StatusSink& status);

// "DispMap Done - Max Z = " and top in the status-text number form.
std::string DispMapDoneText(double top);
// The same followed by " - saved as " and the file written, so the status line
// says where the map went.
std::string DispMapSavedText(double top, const std::string& path);

}  // namespace gw
