// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// National > Create from SX .TER and Open SX .TER after the dialog: the track
// into the terrain, then the files that make the game load it as a National
// or Quarry environment, in this order: the 513 displacement map, the
// texture, the .SCN, the .TER and flat.asc.
#include <functional>
#include <string>
#include <vector>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/convert/BuildNational.h"
#include "core/convert/ConversionTexts.h"
#include "core/dispmap/DisplacementMapRun.h"
#include "core/texture/TextureJob.h"

namespace gw {

struct SXConversionOptions {
    std::string terFile;
    std::string environment = kNationalEnvironment;  // "Quarry" or anything else for National
    // The dialog's texts as typed.
    std::string zBaseText = kNationalZBase;
    std::string zScaleText = kDefaultZScale;
    std::string maxZText = kDefaultMaxZ;
    std::string gridResText = kDefaultGridRes;
    std::string outputFolder;
    // The folder the new .TER names, as the game will find the output there
    // (C:\MCM\Tracks\Dunes\); empty: the output folder (GameFolderFor).
    std::string gameFolder;
    bool writeTer = false;
    bool writeScn = false;
    bool spline = false;  // shown and read; it starts no work
    bool dispMap = false;
    bool texture = false;

    bool AnyFileOutput() const { return writeTer || writeScn || dispMap || texture; }
};

// Why a conversion must not start, or empty: files are to be written and no
// output folder is given, or the output folder is the SX track's own folder
// (after resolving links and ignoring letter case), whose .TER and .SCN the new
// ones would replace.
std::string ConversionRefusal(const SXConversionOptions& options);
// The second check alone: empty, or the message refusing outputFolder as the
// folder of the track terFile.
std::string OutputFolderRefusal(const std::string& outputFolder, const std::string& terFile);

// The texture step: runs the job and says whether the texture was made.
using ConversionTextureRunner = std::function<Outcome(const TextureJob& job)>;

// What a conversion works with besides the program-wide state.
struct ConversionSurroundings {
    StatusSink& mainStatus;        // the main status line
    DisplacementPreview& preview;  // shows the displacement map as it is made
    Prompter& prompter;            // boxes of the steps (none on a normal run)
    std::string userDataFolder;    // searched for stock files before the program's folder
    // Runs the texture step; empty: the texture builder's conversion run
    // (RunTextureForConversion) with nothing shown.
    ConversionTextureRunner texture;
};

struct ConversionStep {
    std::string what;  // "513 displacement map", "texture", ".SCN", ".TER", "flat.asc"
    std::string path;  // the file written or tried
    Outcome outcome = Outcome::Ok();
};

struct SXConversionResult {
    std::string refusal;  // not empty: nothing was done at all
    NationalBuild build;
    std::vector<ConversionStep> steps;  // the chosen outputs, in the order made
    // The track went into terrain: the caller makes terrain the terrain (with
    // the .TER as CurrentTerFile) and empties the piece: flat, without a file,
    // unmodified.
    bool trackAdded = false;
    // The new terrain, from RunSXConversion; empty (no cells) from
    // RunSXConversionInPlace, which changes the caller's grid instead.
    NationalGrid terrain{std::vector<double>()};

    bool ok() const;
    // Every failure, one per line: the refusal, pieces not added, files not
    // written. Empty when all went well.
    std::string FailureText() const;
};

// Adds the track onto a copy of terrain (given back in the result) and writes
// the chosen outputs into the output folder, the displacement map made from the
// new terrain. Status texts: the piece loop's, then "All Done" (or, when pieces
// were not added, how many), then the displacement map's and the texture's. A
// step that fails does not stop the next; every failure is in the result, none
// is shown in a box here. A refused run, or a .TER that cannot be read, adds
// nothing. programFolder holds the stock files and the texture's skeleton.
SXConversionResult RunSXConversion(const SXConversionOptions& options, const std::string& programFolder,
                                   const NationalGrid& terrain, ConversionSurroundings& surroundings);
// The same, adding the track onto terrain itself, for a caller that converts in
// a loop and keeps one grid (a fuzzer, a batch): no terrain-sized memory is
// taken per run.
SXConversionResult RunSXConversionInPlace(const SXConversionOptions& options, const std::string& programFolder,
                                          NationalGrid& terrain, ConversionSurroundings& surroundings);

// "Track loaded, 3 of 256 pieces not added": the status after a build with
// pieces missing.
std::string PiecesNotAddedStatus(const NationalBuild& build);
// "Conversion not complete, 1 of 5 files failed": the last status of a
// conversion whose outputs were not all written whole.
std::string FilesNotWrittenStatus(std::size_t failed, std::size_t total);

}  // namespace gw
