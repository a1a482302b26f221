// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// National > Clear ASC257: back to a flat terrain at 0.
#include "core/terrain/TerrainContent.h"

namespace gw {

// Every height becomes 0; CurrentTerFile and BaseMapFile are forgotten.
// LastASC257File stays, so Save still proposes its name.
void ClearASC257(TerrainContent& terrain);

}  // namespace gw
