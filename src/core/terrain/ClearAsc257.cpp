// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terrain/ClearAsc257.h"

namespace gw {

void ClearASC257(TerrainContent& terrain) {
    terrain.grid.Clear();
    terrain.currentTerFile.clear();
    terrain.baseMapFile.clear();
}

}  // namespace gw
