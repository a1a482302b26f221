#include "core/texture/TileTexture.h"

#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"
#include "core/text/NumberText.h"
#include "core/texture/TextureTexts.h"

namespace gw {

namespace {

long long TileOffset(double units) { return static_cast<long long>(RoundHalfEven(units / 16.0 * kTileSide)); }

}  // namespace

long long TileLeft(int xIndex) { return TileOffset(xIndex); }

long long TileTop(int yIndex) { return TileOffset(240.0 - yIndex); }

bool PlaceTileTexture(const std::string& textureFile, RgbImage& skeleton, long long x, long long y, int orientation,
                      int pieceNumber, TextureView& view, Prompter& prompter) {
    RgbImage tile;
    if (Outcome read = ReadTgaFile(textureFile, tile); !read) {
        view.Status(kTileReadError + read.message());
        prompter.Message(kTileOpenError + textureFile, kTextureMessageTitle);
        return false;
    }
    if (tile.width() != kTileSide || tile.height() != kTileSide) {
        RgbImage fitted;
        if (Outcome resized = ResizeImage(tile, kTileSide, kTileSide, fitted); !resized) {
            view.Status(kTileReadError + resized.message());
            prompter.Message(kTileOpenError + textureFile, kTextureMessageTitle);
            return false;
        }
        tile = std::move(fitted);
    }
    // A code outside 0..3 (an orientation the table does not know) leaves the
    // tile as it is.
    if (orientation > -1) RotateImage(tile, orientation);
    OverlayImage(skeleton, tile, x, y);
    if (pieceNumber % 16 == 0) {
        view.Status(std::to_string(pieceNumber));
        view.DrawPreview(skeleton);
    }
    return true;
}

}  // namespace gw
