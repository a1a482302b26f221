// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TextureLog.h"

#include "core/io/ReplaceFile.h"

namespace gw {

void TextureLog::Line(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
}

void TextureLog::Header(const std::string& trackFile) {
    const std::string rule(59, '=');
    Line(rule);
    Line("= " + trackFile);
    Line(rule);
}

void TextureLog::Placement(int pieceNumber, const std::string& transform, int orientationRead, int orientationUsed,
                           const std::string& texture) {
    Line(std::string(45, '-'));
    Line("Piece # = " + std::to_string(pieceNumber));
    Line("Transform = " + transform);
    Line("Orientation = " + std::to_string(orientationRead));
    Line("Remapped Orientation = " + std::to_string(orientationUsed));
    Line("Texture = " + texture);
}

Outcome TextureLog::Save(const std::string& path) const {
    // Through a temporary file like every other output: a run that is killed
    // leaves the previous log whole, never an empty or cut one.
    return ReplaceFileContents(path, text_);
}

}  // namespace gw
