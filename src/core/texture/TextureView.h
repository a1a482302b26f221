// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The builder window frmMakeTexture as the composition uses it: Status() is its
// label lblStatus, repainted at once; DrawPreview() its picture picMap.
#include "core/Interfaces.h"
#include "core/image/RgbImage.h"

namespace gw {

class TextureView : public StatusSink {
public:
    // Draws the 992 x 992 skeleton as it stands, scaled to 320 x 320, and
    // repaints the picture at once.
    virtual void DrawPreview(const RgbImage& skeleton) = 0;
};

// A view that shows nothing, for callers without a window.
class NullTextureView final : public TextureView {
public:
    void Status(const std::string&) override {}
    void DrawPreview(const RgbImage&) override {}
};

}  // namespace gw
