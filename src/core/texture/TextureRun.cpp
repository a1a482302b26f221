// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TextureRun.h"

#include "core/io/Paths.h"
#include "core/text/FieldString.h"
#include "core/texture/TextureTexts.h"

namespace gw {

TextureRunResult RunTextureJob(const TextureJob& job, TextureJobMode mode, const std::string& programFolder,
                               TextureView& view, StatusSink& mainStatus, Prompter& prompter) {
    TextureRunResult result = ComposeTrackTexture(job.terPath, job.texturePath, programFolder, view, prompter);
    if (mode == TextureJobMode::Menu) {
        if (result.ok()) view.Status(kTextureAllDone);
        return result;
    }
    const std::string closing = result.ok() ? kTextureFinishedConverting + job.terPath : result.outcome.message();
    if (result.ok()) view.Status(closing);
    mainStatus.Status(closing);
    return result;
}

TextureRunResult RunTextureForConversion(const TextureJob& job, const std::string& programFolder, TextureView& view,
                                         StatusSink& mainStatus, Prompter& prompter) {
    if (job.terPath.empty()) {
        TextureRunResult nothing;
        nothing.outcome = Outcome::Fail("No .TER file given");
        return nothing;
    }
    view.Status(kTextureProcessing + job.terPath);
    return RunTextureJob(job, TextureJobMode::CmdLine, programFolder, view, mainStatus, prompter);
}

TextureRunResult RunTextureFromMenu(const std::string& terPath, const std::string& programFolder, TextureView& view,
                                    Prompter& prompter) {
    view.Status(kTextureProcessing + terPath);
    NullStatusSink noMainStatus;
    return RunTextureJob(TextureJob{terPath, MenuTexturePath(terPath)}, TextureJobMode::Menu, programFolder, view,
                         noMainStatus, prompter);
}

TextureBuilder::TextureBuilder(std::string programFolder, const std::string& trackFolder, TextureView& view,
                               StatusSink& mainStatus, Prompter& prompter)
    : programFolder_(std::move(programFolder)),
      trackFolder_(trackFolder),
      view_(view),
      mainStatus_(mainStatus),
      prompter_(prompter) {}

TextureRunResult TextureBuilder::StartJob(const TextureJob& job) {
    if (!job.terPath.empty()) terFolder_ = GetDirectory(job.terPath);
    return RunTextureForConversion(job, programFolder_, view_, mainStatus_, prompter_);
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
