// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a texture composition shows while it runs: Status() tells the progress
// at once; DrawPreview() shows the skeleton as the tiles are placed.
#include "core/Interfaces.h"
#include "core/image/RgbImage.h"

namespace gw {

class TextureView : public StatusSink {
public:
    // Draws the 992 x 992 skeleton as it stands, scaled to 320 x 320, and
    // repaints the picture at once.
    virtual void DrawPreview(const RgbImage& skeleton) = 0;
};

// A view that shows nothing, for runs with nothing on screen.
class NullTextureView final : public TextureView {
public:
    void Status(const std::string&) override {}
    void DrawPreview(const RgbImage&) override {}
};

}  // namespace gw
