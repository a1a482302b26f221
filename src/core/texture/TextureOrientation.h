// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the .TRK turns each piece's texture. The track editor stores a piece's
// orientation as 0 to 3 quarter turns; the texture is turned back by as many
// quarters through the rotation codes of RotateImage.
#include <string>

namespace gw {

// The orientation that means "do not turn" (and that a Transform of "NONE" uses).
inline constexpr int kNoTurn = -1;
// What the log shows for a Transform of "NONE", and the .TRK's default.
inline constexpr int kOrientationUnknown = -2;

// The .TRK key of a piece: "Orient_01" to "Orient_09", then "Orient_10" on.
std::string OrientationKey(int pieceNumber);

// 0 -> -1 (no turn), 1 -> 2, 2 -> 1, 3 -> 0; anything else stays as it is.
int RemapOrientation(int orientation);

}  // namespace gw
