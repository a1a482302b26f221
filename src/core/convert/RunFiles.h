// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a run on an SX track reads and writes, named before it starts, so
// that no run ever writes over one of its own inputs (InputOverwriteRefusal).
#include <string>
#include <vector>

#include "core/convert/SXConversion.h"

namespace gw {

// The files a conversion or texture run of terFile reads: the .TER, the .TRK
// and .SCN beside it, and every piece file and tile texture it names, found as
// the runs find them. Files that do not exist are left out; each is listed once.
std::vector<std::string> TrackInputFiles(const std::string& terFile);

// The files a conversion writes into its output folder besides the terrain: the
// 513 displacement map, the texture and MakeTexture.log, the .SCN, the .TER and
// flat.asc, as far as the options choose them.
std::vector<std::string> ConversionOutputFiles(const SXConversionOptions& options);

}  // namespace gw
