// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/TgaLayout.h"

#include <cstdint>

#include "core/image/RgbImage.h"

namespace gw {

namespace {

int Byte(std::string_view bytes, std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); }
int Word(std::string_view bytes, std::size_t at) { return Byte(bytes, at) | (Byte(bytes, at + 1) << 8); }

Outcome Refuse(const std::string& reason) { return Outcome::Fail(reason); }

Outcome CheckPixelFormat(const TgaLayout& t) {
    const int type = t.imageType & 7;
    if (t.colorMapType > 1) return Refuse("not a TGA file (colour map type " + std::to_string(t.colorMapType) + ")");
    if (t.imageType == 0) return Refuse("the TGA file holds no image data (image type 0)");
    if ((type != 1 && type != 2 && type != 3) || (t.imageType & ~0xB) != 0) {
        return Refuse("unsupported TGA image type " + std::to_string(t.imageType));
    }
    const std::string bits = std::to_string(t.pixelBits);
    if (type == 1) {
        if (t.colorMapType != 1) return Refuse("a colour-mapped TGA file without a colour map");
        if (t.pixelBits != 8 && t.pixelBits != 16) return Refuse("colour indices of " + bits + " bits");
        const int e = t.mapEntryBits;
        if (e != 8 && e != 15 && e != 16 && e != 24 && e != 32) {
            return Refuse("colour-map entries of " + std::to_string(e) + " bits");
        }
        if (t.mapLength < 1) return Refuse("an empty colour map");
        if (t.mapFirst + t.mapLength > 0xFFFF) return Refuse("a colour map beyond index 65535");
    } else if (type == 2) {
        if (t.pixelBits != 15 && t.pixelBits != 16 && t.pixelBits != 24 && t.pixelBits != 32) {
            return Refuse("true-colour pixels of " + bits + " bits");
        }
    } else if (t.pixelBits != 8 && t.pixelBits != 16) {
        return Refuse("grey pixels of " + bits + " bits");
    }
    return Outcome::Ok();
}

// A colour index must name an entry of the map.
bool IndexInMap(const TgaLayout& t, std::string_view bytes, std::size_t at) {
    const int index = t.pixelBits == 8 ? Byte(bytes, at) : Word(bytes, at);
    return index >= t.mapFirst && index < t.mapFirst + t.mapLength;
}

Outcome BadIndex() { return Refuse("a pixel names a colour outside the colour map"); }
Outcome Truncated() { return Refuse("the file ends inside the pixel data (truncated TGA file)"); }

Outcome WalkRawPixels(std::string_view bytes, const TgaLayout& t, std::size_t pixels) {
    const std::size_t size = static_cast<std::size_t>(t.pixelBytes());
    if (bytes.size() - t.pixelOffset < pixels * size) return Truncated();
    if (t.colourMapped()) {
        for (std::size_t i = 0; i < pixels; ++i) {
            if (!IndexInMap(t, bytes, t.pixelOffset + i * size)) return BadIndex();
        }
    }
    return Outcome::Ok();
}

// Packets may cross scan lines; a last packet that overfills the image is cut off.
Outcome WalkRunLengthPixels(std::string_view bytes, const TgaLayout& t, std::size_t pixels) {
    const std::size_t size = static_cast<std::size_t>(t.pixelBytes());
    std::size_t at = t.pixelOffset;
    std::size_t done = 0;
    while (done < pixels) {
        if (at >= bytes.size()) return Truncated();
        const int packet = Byte(bytes, at++);
        const std::size_t count = static_cast<std::size_t>(packet & 0x7F) + 1;
        const std::size_t stored = (packet & 0x80) ? 1 : count;
        if (bytes.size() - at < stored * size) return Truncated();
        if (t.colourMapped()) {
            for (std::size_t i = 0; i < stored; ++i) {
                if (!IndexInMap(t, bytes, at + i * size)) return BadIndex();
            }
        }
        at += stored * size;
        done += count;
    }
    return Outcome::Ok();
}

}  // namespace

Outcome ParseTgaLayout(std::string_view bytes, TgaLayout& layout) {
    TgaLayout t;
    if (bytes.size() < kTgaHeaderBytes) {
        return Refuse("the file is too short for a TGA header (" + std::to_string(bytes.size()) + " bytes)");
    }
    t.idLength = Byte(bytes, 0);
    t.colorMapType = Byte(bytes, 1);
    t.imageType = Byte(bytes, 2);
    t.mapFirst = Word(bytes, 3);
    t.mapLength = Word(bytes, 5);
    t.mapEntryBits = Byte(bytes, 7);
    t.width = Word(bytes, 12);
    t.height = Word(bytes, 14);
    t.pixelBits = Byte(bytes, 16);
    t.descriptor = Byte(bytes, 17);

    if (Outcome format = CheckPixelFormat(t); !format) return format;
    if (!RgbImage::CheckSize(t.width, t.height)) {
        return Refuse("the header claims " + std::to_string(t.width) + " x " + std::to_string(t.height) +
                      " pixels, outside the sizes we read (1 to " + std::to_string(RgbImage::kMaxSide) +
                      " pixels a side)");
    }
    if (static_cast<long long>(t.width) * t.height > kMaxTgaPixels) {
        return Refuse("the header claims " + std::to_string(t.width) + " x " + std::to_string(t.height) +
                      " pixels, more than the 4096 x 4096 we read");
    }

    t.mapOffset = kTgaHeaderBytes + static_cast<std::size_t>(t.idLength);
    if (t.colorMapType == 1) {
        t.mapBytes = static_cast<std::size_t>(t.mapLength) * static_cast<std::size_t>((t.mapEntryBits + 7) / 8);
    }
    t.pixelOffset = t.mapOffset + t.mapBytes;
    if (t.pixelOffset > bytes.size())
        return Refuse("the file ends inside its image ID or colour map (truncated TGA file)");

    const std::size_t pixels = static_cast<std::size_t>(t.width) * static_cast<std::size_t>(t.height);
    Outcome walked = t.runLength() ? WalkRunLengthPixels(bytes, t, pixels) : WalkRawPixels(bytes, t, pixels);
    if (!walked) return walked;
    layout = t;
    return Outcome::Ok();
}

bool NeedsRewriteForDecoder(const TgaLayout& layout) {
    if (layout.colourMapped()) return layout.mapFirst > 0;
    return layout.colorMapType != 0;
}

std::string RewriteForDecoder(std::string_view bytes, const TgaLayout& layout) {
    std::string header(bytes.substr(0, kTgaHeaderBytes));
    std::string map;
    if (layout.colourMapped()) {
        // Index i of the file becomes entry i of a map that starts at 0.
        const std::size_t entryBytes = static_cast<std::size_t>((layout.mapEntryBits + 7) / 8);
        const int length = layout.mapFirst + layout.mapLength;
        map.assign(static_cast<std::size_t>(layout.mapFirst) * entryBytes, '\0');
        map.append(bytes.substr(layout.mapOffset, layout.mapBytes));
        header[3] = header[4] = '\0';
        header[5] = static_cast<char>(length & 0xFF);
        header[6] = static_cast<char>(length >> 8);
    } else {
        // An unused colour map is left out: map type and map fields become 0.
        header[1] = '\0';
        for (std::size_t i = 3; i <= 7; ++i) header[i] = '\0';
    }
    std::string out;
    out.reserve(bytes.size() + map.size());
    out += header;
    out += bytes.substr(kTgaHeaderBytes, static_cast<std::size_t>(layout.idLength));
    out += map;
    out += bytes.substr(layout.pixelOffset);
    return out;
}

}  // namespace gw
