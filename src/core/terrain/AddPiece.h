// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Adding the open piece into the terrain, at an offset typed by the user or
// given by the SX conversion for each of a track's 256 pieces.
#include <optional>
#include <string>

#include "core/Interfaces.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"
#include "core/terrain/TerrainTexts.h"

namespace gw {

// The input box of National > Add to ASC257.
inline constexpr const char* kAddPromptTitle = "ASC Offset";
inline constexpr const char* kAddPromptText =
    "Enter X, Y, Z, Scale\n"
    "\n"
    "Example: 128, 96, 5.411, .67\n"
    "\n"
    "Place a G at the end of your coordinates if you\n"
    "want to use the Track Editor Coordinates\n"
    "\n"
    "Example: 3g, 3g,,.8\n"
    "\n"
    "Leave Z blank to overlay your piece onto existing terrain.\n"
    "\n"
    "Entering a Z value will offset your piece from the terrain.\n"
    "\n"
    "Scale is how much to scale the Z.  A scale factor of .67\n"
    "will make the jumps the same height as in SX. 1.0 will be\n"
    "50% bigger.";

struct AddPieceCount {
    int cellsChanged = 0;
    int cellsOutside = 0;    // skipped: they fall outside the terrain
    int cellsNotFinite = 0;  // skipped: their new height overflowed (NotFiniteCellsText)
};

// Adds the piece's 16 x 16 lower-left cells onto the terrain with their lower
// left corner at terrain coordinates (X, Y): each cell becomes scale x height +
// its value + Z. An empty scale is 0.67; an empty Z is 0. A piece placed at
// X = 112 (or Y = 112) closes the terrain's last column (row) at exactly Z.
// Cells outside the terrain are skipped, and so are cells whose new height would
// not be a finite number: they keep their value.
AddPieceCount AddPieceToASC257(const std::string& xText, const std::string& yText, const std::string& zText,
                               const std::string& scaleText, const PieceGrid& piece, NationalGrid& grid);

// The answer of the Add box taken apart: "X, Y, Z, Scale", with a G after X or Y
// meaning track-editor tile numbers (tile 1 in X at -128, tile 1 in Y at 112).
struct AddAnswer {
    bool ok = false;
    std::string message;  // when not ok: the text for the message box
    std::string xText, yText, zText, scaleText;
};
AddAnswer ParseAddAnswer(const std::string& answer);

// The box of National > Add to ASC257, proposing suggestedAnswer: the answer
// taken apart, or nothing (after the message) when the box was cancelled or the
// answer has no X or Y.
std::optional<AddAnswer> AskAddOffset(Prompter& prompter, const std::string& suggestedAnswer);

// National > Add to ASC257: asks for the offset and adds the piece. A cancelled
// box or an answer without X or Y shows the message and changes nothing; cells
// left as they were because their height overflowed are said in a message.
// Returns true when the piece was added.
bool PromptAddToASC257(Prompter& prompter, const PieceGrid& piece, NationalGrid& grid);

// The answer that places a piece on track-editor tile (tileX, tileY), 1 to 16
// from the west and from the north, at Z and scale as typed (either may be
// empty): "3g, 14g", "3g, 14g, 5", "3g, 14g,, .8".
std::string TileAddAnswer(int tileX, int tileY, const std::string& zText, const std::string& scaleText);

}  // namespace gw
