#include "core/terrain/ClearAsc257.h"

namespace gw {

void ClearASC257(EditorState& state) {
    state.national.Clear();
    state.currentTerFile.clear();
    state.baseMapFile.clear();
}

}  // namespace gw
