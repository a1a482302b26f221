// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the files a track names. The game writes Windows paths into its
// track files (ElevationPath=C:\MCM\Tracks\Dunes\) and Windows ignores letter
// case, so a track copied to this system usually has to be found beside its
// .TER, under a name whose case may differ from the one written.
#include <map>
#include <string>

namespace gw {

// name inside folder, its letter case ignored (ASCII). The exact spelling wins;
// among several spellings the first in byte order does. Empty when there is none.
std::string FindFileLoosely(const std::string& folder, const std::string& name);

// Finds the files one .TER names, listing each folder only once (a track names
// 256 pieces).
class TrackFileFinder {
public:
    explicit TrackFileFinder(std::string terFile);

    // A path read from the .TER: as written when that file exists; else the same
    // name in the written folder, case ignored, when that folder exists here;
    // else the same file name in the .TER's own folder, case ignored. When none
    // exists the path comes back as written, so a reader's message names it.
    std::string Resolve(const std::string& pathAsWritten);

    // A file named name beside the .TER, case ignored; the path in the .TER's
    // folder as built when there is none.
    std::string Beside(const std::string& name);

private:
    // name in folder as written, else in any letter case.
    std::string FindIn(const std::string& folder, const std::string& name);

    std::string terFolder_;
    // Folder -> its upper-cased names -> the first such name in byte order, so
    // the choice is stable.
    std::map<std::string, std::map<std::string, std::string>> listings_;
};

// One-shot forms of the above.
std::string ResolveTrackFile(const std::string& pathAsWritten, const std::string& terFile);

// The .SCN and .TRK that belong to a .TER: base name (the .TER's file name up to
// its first period) + ".SCN" or ".trk", in the .TER's folder, case ignored.
std::string FindSceneBesideTer(const std::string& terFile);
std::string FindTrackBesideTer(const std::string& terFile);

// True when both texts name the same folder after resolving links, with ASCII
// letter case ignored (the game's Windows cannot tell Dunes from DUNES). An empty
// text is the current folder.
bool IsSameFolder(const std::string& a, const std::string& b);

}  // namespace gw
