#pragma once
// National > Clear ASC257: back to a flat terrain at 0.
#include "core/EditorState.h"

namespace gw {

// Every height becomes 0; CurrentTerFile and BaseMapFile are forgotten. The
// piece, LastASC257File and the settings are not touched.
void ClearASC257(EditorState& state);

}  // namespace gw
