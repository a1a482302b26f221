// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/texture/TextureRun.h"

#include "core/texture/TextureJob.h"
#include "core/texture/TextureTexts.h"

namespace gw {

TextureRunResult RunTextureJob(const std::string& terPath, const std::string& outputPath, TextureJobMode mode,
                               const std::string& programFolder, TextureView& view, StatusSink& mainStatus,
                               Prompter& prompter) {
    TextureRunResult result = ComposeTrackTexture(terPath, outputPath, programFolder, view, prompter);
    if (mode == TextureJobMode::Menu) {
        if (result.ok()) view.Status(kTextureAllDone);
        return result;
    }
    const std::string closing = result.ok() ? kTextureFinishedConverting + terPath : result.outcome.message();
    if (result.ok()) view.Status(closing);
    mainStatus.Status(closing);
    return result;
}

TextureRunResult RunTextureForConversion(const std::string& terPath, const std::string& outputFolder,
                                         const std::string& programFolder, TextureView& view, StatusSink& mainStatus,
                                         Prompter& prompter) {
    if (terPath.empty()) {
        TextureRunResult nothing;
        nothing.outcome = Outcome::Fail("No .TER file given");
        return nothing;
    }
    view.Status(kTextureProcessing + terPath);
    return RunTextureJob(terPath, ConversionTexturePath(outputFolder, terPath), TextureJobMode::CmdLine, programFolder,
                         view, mainStatus, prompter);
}

TextureRunResult RunTextureFromMenu(const std::string& terPath, const std::string& programFolder, TextureView& view,
                                    Prompter& prompter) {
    view.Status(kTextureProcessing + terPath);
    NullStatusSink noMainStatus;
    return RunTextureJob(terPath, MenuTexturePath(terPath), TextureJobMode::Menu, programFolder, view, noMainStatus,
                         prompter);
}

TextureBuilder::TextureBuilder(std::string programFolder, const std::string& trackFolder, TextureView& view,
                               StatusSink& mainStatus, Prompter& prompter)
    : programFolder_(std::move(programFolder)),
      trackFolder_(trackFolder),
      view_(view),
      mainStatus_(mainStatus),
      prompter_(prompter) {}

std::optional<TextureRunResult> TextureBuilder::StartJob(std::string_view jobText) {
    const TextureJob job = ParseTextureJobText(jobText);
    if (job.terPath.empty()) return std::nullopt;
    terFolder_ = GetDirectory(job.terPath);
    return RunTextureForConversion(job.terPath, job.outputFolder, programFolder_, view_, mainStatus_, prompter_);
}

std::string TextureBuilder::AskTerFile() {
    const std::string terPath = prompter_.OpenFileName(TerFileBox(!terFolder_.empty(), trackFolder_));
    if (terPath.empty()) {
        view_.Status(kTextureNothingToDo);
        return terPath;
    }
    terFolder_ = GetDirectory(terPath);
    return terPath;
}

std::optional<TextureRunResult> TextureBuilder::OpenAndRun() {
    const std::string terPath = AskTerFile();
    if (terPath.empty()) return std::nullopt;
    return RunTextureFromMenu(terPath, programFolder_, view_, prompter_);
}

}  // namespace gw
