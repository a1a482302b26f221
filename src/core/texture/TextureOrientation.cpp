// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TextureOrientation.h"

namespace gw {

std::string OrientationKey(int pieceNumber) {
    return (pieceNumber < 10 ? "Orient_0" : "Orient_") + std::to_string(pieceNumber);
}

int RemapOrientation(int orientation) {
    switch (orientation) {
        case 0: return kNoTurn;
        case 1: return 2;
        case 2: return 1;
        case 3: return 0;
        default: return orientation;
    }
}

}  // namespace gw
