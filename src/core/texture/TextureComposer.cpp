// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/texture/TextureComposer.h"

#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TextureSkeleton.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TileTexture.h"

namespace gw {

namespace {

// One of the program's skeleton images, which must have the size the builder
// works with.
Outcome ReadSkeletonImage(const std::string& path, int side, RgbImage& image) {
    if (Outcome read = ReadTgaFile(path, image); !read) return read;
    if (image.width() != side || image.height() != side) {
        return Outcome::Fail(path + " is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                             " pixels, not " + std::to_string(side) + " x " + std::to_string(side));
    }
    return Outcome::Ok();
}

// The first failure of a run stays in the status; each one that was not shown
// yet gets its message box.
void Report(TextureRunResult& result, const Outcome& failure, TextureView& view, Prompter* prompter) {
    if (result.outcome) {
        result.outcome = failure;
        view.Status(failure.message());
    }
    if (prompter) prompter->Message(failure.message(), kTextureMessageTitle);
}

// The log describes whatever the run did, also when it stopped early.
void SaveLog(const TextureLog& log, TextureRunResult& result, TextureView& view, Prompter& prompter) {
    if (Outcome saved = log.Save(result.logPath); !saved) Report(result, saved, view, &prompter);
}

}  // namespace

TextureRunResult ComposeTrackTexture(const std::string& terPath, const std::string& outputPath,
                                     const std::string& programFolder, TextureView& view, Prompter& prompter) {
    TextureRunResult result;
    result.outputPath = outputPath;
    result.logPath = TextureLogPath(outputPath);

    RgbImage skeleton;
    if (Outcome read = ReadSkeletonImage(JoinPath(programFolder, kSkeletonImageName), kSkeletonSide, skeleton); !read) {
        Report(result, Outcome::Fail(kGetSkelError + read.message()), view, nullptr);
        SaveLog(TextureLog(), result, view, prompter);
        return result;
    }
    // Only its presence and size matter: the enlargement is computed anew.
    RgbImage skeleton1016;
    if (Outcome read = ReadSkeletonImage(JoinPath(programFolder, kSkeleton1016ImageName), kTextureSide, skeleton1016);
        !read) {
        Report(result, Outcome::Fail(kGetSkel1016Error + read.message()), view, nullptr);
        SaveLog(TextureLog(), result, view, prompter);
        return result;
    }

    TextureSkeleton composed = ComposeTextureSkeleton(terPath, std::move(skeleton), view, prompter);
    result.tilesPlaced = composed.placed;
    result.tilesFailed = composed.failed;
    result.tileFailures = composed.tileFailures;
    if (!composed.outcome) {
        Report(result, composed.outcome, view, nullptr);
        SaveLog(composed.log, result, view, prompter);
        return result;
    }
    // The texture is still made, but the run does not end as if it were whole
    // (the files were reported in their box already).
    if (!composed.tileFailures.empty()) {
        Report(result, Outcome::Fail(TilesMissingText(composed.failed, composed.tileFailures)), view, nullptr);
    }
    view.DrawPreview(composed.image);

    RgbImage& enlarged = skeleton1016;
    if (Outcome resized = ResizeImage(composed.image, kTextureSide, kTextureSide, enlarged); !resized) {
        Report(result, resized, view, &prompter);
    } else if (Outcome saved = WriteTgaFile(outputPath, SharpenImage(enlarged, kTextureSharpenStrength)); !saved) {
        Report(result, saved, view, &prompter);
    } else {
        result.imageSaved = true;
    }
    SaveLog(composed.log, result, view, prompter);
    return result;
}

}  // namespace gw
