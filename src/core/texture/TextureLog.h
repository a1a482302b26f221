// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MakeTexture.log: every placement decision of a run, so a modder can see why a
// piece came out turned the way it did. Lines end with CR LF.
#include <string>

#include "core/Outcome.h"

namespace gw {

class TextureLog {
public:
    // A line of 59 "=", "= " and the .TRK path, the 59 "=" again.
    void Header(const std::string& trackFile);

    // A line of 45 "-", then "Piece # = ", "Transform = ", "Orientation = ",
    // "Remapped Orientation = " and "Texture = " each followed by its value.
    void Placement(int pieceNumber, const std::string& transform, int orientationRead, int orientationUsed,
                   const std::string& texture);

    const std::string& text() const { return text_; }

    // Writes the log, replacing any earlier one only once it is complete
    // (ReplaceFileContents); fails with the file name and the system's reason.
    Outcome Save(const std::string& path) const;

private:
    void Line(const std::string& line);
    std::string text_;
};

}  // namespace gw
