// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An owned RGB picture: width x height pixels of three bytes (red, green, blue),
// rows from the top down. Displacement maps are computed into it, TGA files are
// read into it and written from it, textures are composed in it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Outcome.h"

namespace gw {

class RgbImage {
public:
    // Far above anything the game uses (1016 x 1016 textures), small enough that a
    // lying file header cannot make us allocate gigabytes.
    static constexpr int kMaxSide = 8192;
    static constexpr int kChannels = 3;

    RgbImage() = default;

    // Refuses a size outside 1..kMaxSide on either side, before anything is allocated.
    static Outcome CheckSize(long long width, long long height);

    // Makes this a black image of that size; on a refused size it stays as it was.
    Outcome Create(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return bytes_.empty(); }
    std::size_t rowBytes() const { return static_cast<std::size_t>(width_) * kChannels; }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t byteCount() const { return bytes_.size(); }

    std::uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * rowBytes(); }
    const std::uint8_t* Row(int y) const { return bytes_.data() + static_cast<std::size_t>(y) * rowBytes(); }
    std::uint8_t* Pixel(int x, int y) { return Row(y) + static_cast<std::size_t>(x) * kChannels; }
    const std::uint8_t* Pixel(int x, int y) const { return Row(y) + static_cast<std::size_t>(x) * kChannels; }

    bool Contains(long long x, long long y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

    void SetPixel(int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        std::uint8_t* p = Pixel(x, y);
        p[0] = red;
        p[1] = green;
        p[2] = blue;
    }
    void SetGrey(int x, int y, std::uint8_t grey) { SetPixel(x, y, grey, grey, grey); }

    // The pixel packed as 0xRRGGBB, handy for comparisons.
    std::uint32_t Rgb(int x, int y) const {
        const std::uint8_t* p = Pixel(x, y);
        return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }

    bool operator==(const RgbImage&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace gw
