// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder a converted .TER names for its terrain and textures. The game
// runs on Windows, or under Wine, and reads only Windows paths, so the .TER
// names its folders in Windows form whatever system wrote it.
#include <string>
#include <string_view>

namespace gw {

// folder in Windows form with one closing backslash: every / becomes \.
// "C:/MCM/Tracks/Dunes" gives "C:\MCM\Tracks\Dunes\". Empty stays empty.
std::string WindowsFolderForm(std::string_view folder);

// The folder the new .TER names for outputFolder. A game folder given by the
// user (blanks around it ignored) wins: the output is copied there, for
// example to another machine. Otherwise the output folder made absolute, as
// Windows names it, or on other systems as Wine shows it to the game: drive Z:
// is the root, so /home/me/nat gives Z:\home\me\nat\.
std::string GameFolderFor(const std::string& outputFolder, const std::string& gameFolder);

}  // namespace gw
