// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texture builder's runs from start to end: the progress and closing texts
// around ComposeTrackTexture, for the builder window's File > Open, for a job
// handed over by the conversion and for the command-line tool.
#include <optional>
#include <string>
#include <string_view>

#include "core/Interfaces.h"
#include "core/texture/TextureComposer.h"
#include "core/texture/TextureView.h"

namespace gw {

// Menu: the builder's own File > Open. CmdLine: a job handed over by the
// conversion (or the command line), which also reports to the main window.
enum class TextureJobMode { Menu, CmdLine };

// ComposeTrackTexture, then the closing text: "All Done" in the builder's status
// for Menu; "Finished converting " and the .TER path in the builder's and the
// main window's status for CmdLine. A run that failed ends on its failure text
// instead (in both places for CmdLine), never on a closing text.
TextureRunResult RunTextureJob(const std::string& terPath, const std::string& outputPath, TextureJobMode mode,
                               const std::string& programFolder, TextureView& view, StatusSink& mainStatus,
                               Prompter& prompter);

// The conversion's texture: status "Processing " and the .TER path, then the
// CmdLine run into outputFolder + the .TER's base name + "UnRendered.tga"
// (beside the .TER when outputFolder is empty), MakeTexture.log beside it.
// An empty terPath runs nothing and fails with "No .TER file given".
TextureRunResult RunTextureForConversion(const std::string& terPath, const std::string& outputFolder,
                                         const std::string& programFolder, TextureView& view, StatusSink& mainStatus,
                                         Prompter& prompter);

// File > Open's run on a chosen .TER: status "Processing " and the path, then the
// Menu run into the .TER's folder, named by its base name + "UnRendered.tga".
TextureRunResult RunTextureFromMenu(const std::string& terPath, const std::string& programFolder, TextureView& view,
                                    Prompter& prompter);

// What the builder window remembers between runs, and its two ways to start one.
class TextureBuilder {
public:
    // trackFolder is the program-wide TrackFolder, read when the Open box is shown.
    TextureBuilder(std::string programFolder, const std::string& trackFolder, TextureView& view, StatusSink& mainStatus,
                   Prompter& prompter);

    // StartTextureBuilder's job part: a job text without a .TER runs nothing
    // (the window waits for File > Open).
    std::optional<TextureRunResult> StartJob(std::string_view jobText);

    // File > Open's box (initial folder TrackFolder once a .TER folder is
    // remembered); the chosen file's folder is remembered. No file gives the
    // status "Nothing to do" and an empty path.
    std::string AskTerFile();

    // File > Open: AskTerFile, then RunTextureFromMenu on the chosen file.
    std::optional<TextureRunResult> OpenAndRun();

    // The folder of the .TER last given or chosen.
    const std::string& terFolder() const { return terFolder_; }

private:
    std::string programFolder_;
    const std::string& trackFolder_;
    TextureView& view_;
    StatusSink& mainStatus_;
    Prompter& prompter_;
    std::string terFolder_;
};

}  // namespace gw
