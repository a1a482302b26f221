// SPDX-License-Identifier: GPL-3.0-or-later
// PNG heightmaps through libpng. libpng reports errors by jumping (longjmp) back
// to the function that set the jump; so the functions that call libpng keep no
// object with a destructor in their own frame: everything that needs one lives in
// a state struct of the caller, which the jump never skips.
#include <png.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/heightmap/HeightmapFile.h"

namespace gw {

namespace {

constexpr char kTruncated[] = "the file ends too early (it is truncated)";
constexpr char kUnreadable[] = "reading the file failed";
constexpr png_alloc_size_t kLargestAncillaryChunk = png_alloc_size_t{1} << 20;

// Where a decode's bytes come from: an open file or bytes in memory.
struct PngSource {
    std::FILE* file = nullptr;
    std::string_view bytes;
    std::size_t position = 0;
};

struct PngDecodeState {
    PngSource source;
    std::string error;  // libpng's message, or one of ours
    bool tooLarge = false;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int colourType = 0;
    int bitDepth = 0;
    std::vector<png_bytep> rows;  // only for interlaced images, which are read whole
    std::string lowestText;
    std::string highestText;
    Heightmap map;
};

void OnPngError(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error->empty()) *error = message;
    png_longjmp(png, 1);
}

// Warnings (a damaged ancillary chunk, which libpng then skips) do not stop the
// read and are not shown.
void OnPngWarning(png_structp, png_const_charp) {}

void ReadPngBytes(png_structp png, png_bytep data, std::size_t length) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    std::size_t got = 0;
    if (source->file) {
        got = std::fread(data, 1, length, source->file);
        if (got < length && std::ferror(source->file)) png_error(png, kUnreadable);
    } else {
        got = std::min(length, source->bytes.size() - source->position);
        if (got > 0) std::memcpy(data, source->bytes.data() + source->position, got);
        source->position += got;
    }
    if (got < length) png_error(png, kTruncated);
}

// Asks libpng for every picture as one channel of 16-bit samples in the
// machine's byte order: palettes and low bit depths expanded, colour turned to
// its grey value (the standard weights of red, green and blue), transparency
// dropped.
void RequestSixteenBitGrey(png_structp png, int colourType, int bitDepth) {
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    png_set_strip_alpha(png);
    if ((colourType & PNG_COLOR_MASK_COLOR) != 0) {
        png_set_rgb_to_gray_fixed(png, PNG_ERROR_ACTION_NONE, PNG_RGB_TO_GRAY_DEFAULT, PNG_RGB_TO_GRAY_DEFAULT);
    }
    if (bitDepth < 16 || colourType == PNG_COLOR_TYPE_PALETTE) png_set_expand_16(png);
    if constexpr (std::endian::native == std::endian::little) png_set_swap(png);
}

// Every ancillary chunk comes here instead of to libpng's own handlers, which
// would allocate whatever a damaged length claims; libpng hands over only
// chunks within its allocation limit. The text chunks with the recorded
// heights are kept, everything else (colour profiles, gamma, other texts) is
// dropped: a heightmap's samples are read as they stand.
int KeepRecordedHeights(png_structp png, png_unknown_chunkp chunk) {
    auto* state = static_cast<PngDecodeState*>(png_get_user_chunk_ptr(png));
    if (std::memcmp(chunk->name, "tEXt", 4) != 0 || chunk->data == nullptr) return 1;
    const std::string_view text(reinterpret_cast<const char*>(chunk->data), chunk->size);
    const std::size_t end = text.find('\0');
    if (end == std::string_view::npos) return 1;
    const std::string_view key = text.substr(0, end);
    if (key == kHeightmapLowestKey) state->lowestText = text.substr(end + 1);
    if (key == kHeightmapHighestKey) state->highestText = text.substr(end + 1);
    return 1;
}

// The decode itself; false when libpng refused the data (state.error says why)
// or the picture is too large (state.tooLarge).
bool DecodePng(png_structp png, png_infop info, PngDecodeState& state) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    state.width = png_get_image_width(png, info);
    state.height = png_get_image_height(png, info);
    if (state.width > Heightmap::kMaxSide || state.height > Heightmap::kMaxSide) {
        state.tooLarge = true;
        return false;
    }
    state.colourType = png_get_color_type(png, info);
    state.bitDepth = png_get_bit_depth(png, info);
    RequestSixteenBitGrey(png, state.colourType, state.bitDepth);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_channels(png, info) != 1 || png_get_bit_depth(png, info) != 16)
        png_error(png, "unexpected pixel layout");

    Heightmap& map = state.map;
    map.width = static_cast<int>(state.width);
    map.height = static_cast<int>(state.height);
    const std::size_t width = state.width;
    const std::size_t count = width * state.height;
    if (passes == 1) {
        // Row by row, so that memory follows the data that really arrives, not
        // what the header claims.
        map.samples.reserve(count);
        for (std::size_t y = 0; y < state.height; ++y) {
            map.samples.resize(map.samples.size() + width);
            png_read_row(png, reinterpret_cast<png_bytep>(map.samples.data() + y * width), nullptr);
        }
    } else {
        map.samples.resize(count);
        state.rows.resize(state.height);
        for (std::size_t y = 0; y < state.height; ++y) {
            state.rows[y] = reinterpret_cast<png_bytep>(map.samples.data() + y * width);
        }
        png_read_image(png, state.rows.data());
    }
    png_read_end(png, info);
    return true;
}

// What was done to read a picture that is not plain 16-bit grey; empty for one
// that is.
std::string ConversionNote(int colourType, int bitDepth) {
    const bool palette = colourType == PNG_COLOR_TYPE_PALETTE;
    const bool colour = (colourType & PNG_COLOR_MASK_COLOR) != 0;
    const bool alpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0;
    const int depth = palette ? 8 : bitDepth;
    if (depth == 16 && !colour && !alpha) return std::string();
    return std::string(depth == 8 ? "an " : "a ") + std::to_string(depth) + "-bit " + (colour ? "colour" : "grey") +
           " PNG" + (alpha ? " with transparency" : "") + ", read as its grey value";
}

HeightmapRead DecodeFrom(PngSource source) {
    HeightmapRead result;
    png_byte signature[8] = {};
    const std::size_t got = source.file ? std::fread(signature, 1, sizeof signature, source.file)
                                        : std::min(sizeof signature, source.bytes.size());
    if (!source.file && got > 0) std::memcpy(signature, source.bytes.data(), got);
    source.position = got;
    if (got < sizeof signature || png_sig_cmp(signature, 0, sizeof signature) != 0) {
        result.outcome = Outcome::Fail("it is not a PNG image");
        return result;
    }
    PngDecodeState state;
    state.source = source;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state.error, &OnPngError, &OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        result.outcome = Outcome::Fail("there is not enough memory to read it");
        return result;
    }
    // A damaged chunk length must not become a huge allocation: ancillary
    // chunks go to our handler, and those above the limit are skipped.
    png_set_chunk_malloc_max(png, kLargestAncillaryChunk);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_read_user_chunk_fn(png, &state, &KeepRecordedHeights);
    png_set_sig_bytes(png, sizeof signature);
    png_set_read_fn(png, &state.source, &ReadPngBytes);
    const bool decoded = DecodePng(png, info, state);
    png_destroy_read_struct(&png, &info, nullptr);
    if (state.tooLarge) {
        result.outcome =
            Outcome::Fail("the image is " + std::to_string(state.width) + " x " + std::to_string(state.height) +
                          " pixels, more than " + std::to_string(Heightmap::kMaxSide) + " on a side");
        return result;
    }
    if (!decoded) {
        const bool ours = state.error == kTruncated || state.error == kUnreadable;
        result.outcome = Outcome::Fail(ours ? state.error : "the PNG data is damaged (" + state.error + ")");
        return result;
    }
    result.map = std::move(state.map);
    result.note = ConversionNote(state.colourType, state.bitDepth);
    HeightRange recorded;
    if (ParseExactNumber(state.lowestText, recorded.lowest) && ParseExactNumber(state.highestText, recorded.highest) &&
        recorded.lowest <= recorded.highest) {
        result.recorded = recorded;
    }
    return result;
}

// Writes go to a string; the file is written from it in one piece.
void AppendPngBytes(png_structp png, png_bytep data, std::size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void FlushNothing(png_structp) {}

struct PngEncodeState {
    std::string error;
    std::string lowestKey = kHeightmapLowestKey;
    std::string highestKey = kHeightmapHighestKey;
    std::string lowestText;
    std::string highestText;
    png_text texts[2] = {};
};

bool EncodePng(png_structp png, png_infop info, const Heightmap& map, PngEncodeState& state) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(map.width), static_cast<png_uint_32>(map.height), 16,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_text(png, info, state.texts, 2);
    png_write_info(png, info);
    if constexpr (std::endian::native == std::endian::little) png_set_swap(png);
    for (int y = 0; y < map.height; ++y) {
        png_write_row(png, reinterpret_cast<png_const_bytep>(
                               map.samples.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(map.width)));
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

HeightmapRead DecodeHeightmapPng(std::string_view bytes) { return DecodeFrom(PngSource{nullptr, bytes, 0}); }

HeightmapRead DecodeHeightmapPng(std::FILE* file) { return DecodeFrom(PngSource{file, {}, 0}); }

Outcome EncodeHeightmapPng(const Heightmap& map, const HeightRange& heights, std::string& bytes) {
    bytes.clear();
    if (map.samples.empty() ||
        map.samples.size() != static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height)) {
        return Outcome::Fail("the heightmap is empty");
    }
    PngEncodeState state;
    state.lowestText = ExactNumberText(heights.lowest);
    state.highestText = ExactNumberText(heights.highest);
    state.texts[0] = {PNG_TEXT_COMPRESSION_NONE,
                      state.lowestKey.data(),
                      state.lowestText.data(),
                      state.lowestText.size(),
                      0,
                      nullptr,
                      nullptr};
    state.texts[1] = {PNG_TEXT_COMPRESSION_NONE,
                      state.highestKey.data(),
                      state.highestText.data(),
                      state.highestText.size(),
                      0,
                      nullptr,
                      nullptr};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state.error, &OnPngError, &OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return Outcome::Fail("there is not enough memory to write the PNG image");
    }
    // The compressed picture is seldom larger than the samples.
    bytes.reserve(map.samples.size() * 2 + static_cast<std::size_t>(map.height) + 1024);
    png_set_write_fn(png, &bytes, &AppendPngBytes, &FlushNothing);
    const bool encoded = EncodePng(png, info, map, state);
    png_destroy_write_struct(&png, &info);
    if (!encoded) {
        bytes.clear();
        return Outcome::Fail("the PNG image cannot be made (" + state.error + ")");
    }
    return Outcome::Ok();
}

}  // namespace gw
