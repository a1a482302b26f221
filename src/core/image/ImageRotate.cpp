// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>

#include "core/image/ImageOps.h"

namespace gw {

namespace {

// One quarter turn clockwise: pixel (x, y) moves to (H - 1 - y, x).
RgbImage TurnedClockwise(const RgbImage& image) {
    RgbImage turned;
    turned.Create(image.height(), image.width());
    const int lastRow = image.height() - 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) std::memcpy(turned.Pixel(lastRow - y, x), image.Pixel(x, y), 3);
    }
    return turned;
}

// Half turn: pixel (x, y) moves to (W - 1 - x, H - 1 - y).
RgbImage TurnedHalfway(const RgbImage& image) {
    RgbImage turned;
    turned.Create(image.width(), image.height());
    const int lastColumn = image.width() - 1;
    const int lastRow = image.height() - 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            std::memcpy(turned.Pixel(lastColumn - x, lastRow - y), image.Pixel(x, y), 3);
        }
    }
    return turned;
}

// One quarter turn counter-clockwise: pixel (x, y) moves to (y, W - 1 - x).
RgbImage TurnedCounterClockwise(const RgbImage& image) {
    RgbImage turned;
    turned.Create(image.height(), image.width());
    const int lastColumn = image.width() - 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) std::memcpy(turned.Pixel(y, lastColumn - x), image.Pixel(x, y), 3);
    }
    return turned;
}

}  // namespace

Outcome RotateImage(RgbImage& image, int rotationCode) {
    if (rotationCode < 0 || rotationCode > 3) {
        return Outcome::Fail("rotation code " + std::to_string(rotationCode) + " is not one of 0 to 3");
    }
    if (image.empty()) return Outcome::Ok();
    switch (rotationCode) {
        case 0: image = TurnedClockwise(image); break;
        case 1: image = TurnedHalfway(image); break;
        case 2: image = TurnedCounterClockwise(image); break;
        default: break;  // four quarter turns
    }
    return Outcome::Ok();
}

}  // namespace gw
