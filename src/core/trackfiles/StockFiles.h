// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stock files a converted terrain starts from: national.ter, quarry.ter,
// national.scn, quarry.scn and flat.asc. We ship minimal ones of our own in the
// program's folder; a user who has the game's own files puts them in the
// per-user data folder, which is searched first.
#include <string>

namespace gw {

// The per-user data folder: $XDG_DATA_HOME/Rutwork/Gridwright, or
// $HOME/.local/share/Rutwork/Gridwright; on Windows %APPDATA%\Rutwork\Gridwright.
// Empty when none is set.
std::string DefaultUserDataFolder();
// The same from given values (either may be null or empty).
std::string UserDataFolderFrom(const char* xdgDataHome, const char* home);

// The stock file name in the per-user folder, else in the program's folder,
// letter case ignored in both (files copied from Windows keep their own case).
// Empty when neither holds it.
std::string FindStockFile(const std::string& name, const std::string& userDataFolder, const std::string& programFolder);

// The text of flat.asc: the 257 x 257 terrain lattice at height 0, with its
// object line, laid out as the terrain writer lays out its files (vertex lines
// with single blanks, so the reader takes the centred coordinates).
std::string MakeFlatTerrainText();

}  // namespace gw
