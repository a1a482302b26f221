// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DispMap menu's three runs, start to end: where the map goes, the preview,
// the work with its progress texts, the save and the closing text. The window
// and the boxes come in through small interfaces, so the GUI, the conversion and
// the tests share one sequence.
#include <string>
#include <string_view>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/dispmap/DisplacementMapFiles.h"
#include "core/image/RgbImage.h"

namespace gw {

// The preview window frmDisplacement as the runs use it. Status() is its status
// label, repainted at once.
class DisplacementPreview : public StatusSink {
public:
    // Shows the window (not modal) and repaints it.
    virtual void ShowPreview() = 0;
    // Shows the map's pixels in place of whatever map was shown before.
    virtual void DrawMap(const RgbImage& pixels) = 0;
};

struct DisplacementMapRun {
    std::string path;               // the file saved (or tried); empty when the run stopped first
    Outcome saved = Outcome::Ok();  // a failed save is reported, never followed by a done text
};

// Asks the Max Z input box; false when it is left empty or cancelled (then the
// terrain map is not made).
bool AskDisplacementMapMaxZ(Prompter& prompter, std::string& maxZText);

// Make Displacement Map for ASC 17: without an open piece, the message "Please
// open an SX ASC file" and nothing else. Otherwise the map of the PieceGrid is
// saved as PieceFolder + PieceName + "DispMap17.tga" and the preview's status
// ends with "All Done".
DisplacementMapRun RunDisplacementMap17(const EditorState& state, DisplacementPreview& preview, Prompter& prompter);

// Make 257x257 / 513x513 Displacement Map for ASC 257 (and the conversion's map,
// which passes its output folder). The preview's and the main window's status
// end with "DispMap Done - Max Z = " and the top of the scale.
DisplacementMapRun RunTerrainDisplacementMap(TerrainMapSize size, const EditorState& state,
                                             const std::string& outputFolder, std::string_view maxZText,
                                             DisplacementPreview& preview, StatusSink& mainStatus, Prompter& prompter);

}  // namespace gw
