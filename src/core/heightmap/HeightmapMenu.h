// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's Import Heightmap and Export Heightmap items (File for the
// piece, National for the terrain), with their boxes. The caller applies an
// import to its document as one undo step.
#include <optional>
#include <string>

#include "core/Interfaces.h"
#include "core/heightmap/Heightmap.h"
#include "core/heightmap/HeightmapGrid.h"

namespace gw {

inline constexpr const char* kHeightmapFilter = "Heightmap|*.png;*.r16;*.raw|All Files|*.*";
inline constexpr const char* kImportHeightmapTitle = "Import Heightmap";
inline constexpr const char* kExportHeightmapTitle = "Export Heightmap";
inline constexpr const char* kHeightmapHeightsPrompt =
    "Heights of black and white: lowest, highest\n"
    "\n"
    "The picture is resampled onto the grid (bilinear); black becomes the\n"
    "lowest height and white the highest.";

struct HeightmapImport {
    std::string path;
    Heightmap map;
    HeightRange heights;  // of black and white
};

// Asks for a heightmap in folder, reads it and asks for the heights of black
// and white, proposing the ones the PNG recorded, else 0 and 20. A file that
// cannot be read, or heights that are not two numbers, are said in a message
// box; a picture that was not 16-bit grey is read and its note shown. Nothing
// when a box was cancelled or the file refused.
std::optional<HeightmapImport> AskHeightmapImport(Prompter& prompter, const std::string& folder);

// The heights box's answer "0, 20" taken apart; false unless it holds exactly
// two numbers.
bool ParseHeightsAnswer(const std::string& answer, HeightRange& heights);

// Asks for the target in folder, proposing proposedName, and writes the
// heightmap in the form of its extension. The path written, or empty when the
// box was cancelled or the write failed (said in a message box).
std::string AskHeightmapExport(Prompter& prompter, const std::string& folder, const std::string& proposedName,
                               const HeightmapExport& exported);

}  // namespace gw
