// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <vector>

#include "cli/CliProgress.h"
#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/convert/RunFiles.h"
#include "core/io/Paths.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TextureRun.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TileTexture.h"

namespace gw::cli {

namespace {

const char kName[] = "gridwright-cli texture: ";

// The builder's message boxes become lines on stderr; questions and file boxes
// are never asked by a texture run and answer No or nothing.
class MessageLines final : public Prompter {
public:
    void Message(const std::string& text, const std::string&) override { messages.push_back(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string Input(const std::string&, const std::string&, const std::string&) override { return std::string(); }
    std::string OpenFileName(const FileBoxRequest&) override { return std::string(); }
    std::string SaveFileName(const FileBoxRequest&) override { return std::string(); }

    std::vector<std::string> messages;
};

const VerbRules kTexture{"texture",
                         "Usage: gridwright-cli texture TRACK.TER [-o OUT.tga]\n\n"
                         "Composes a terrain's 1016 x 1016 texture from the textures of the track's\n"
                         "pieces: each TexturePlacement of TRACK.TER is pasted onto the 992 x 992\n"
                         "skel.tga, turned as the track's .TRK says, then the picture is enlarged,\n"
                         "sharpened and saved as OUT.tga. MakeTexture.log, beside OUT.tga, lists every\n"
                         "placement. Texture files are looked for as the .TER names them, then beside\n"
                         "the .TER; the .TRK is the .TER's name with .trk beside it.\n\n"
                         "  -o OUT.tga   the texture to write (default: the .TER's name followed by\n"
                         "               UnRendered.tga, beside the .TER); not standard output, since\n"
                         "               the log goes beside it\n\n"
                         "Warnings (a missing .TRK, each texture file that cannot be read, once) go to\n"
                         "stderr, one line each; \"Finished converting\" too. The exit status is 0 when\n"
                         "the whole texture and its log were written.\n",
                         {{"-o", ValueKind::Text}}};

}  // namespace

int RunTexture(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kTexture, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() > 1) return UsageError(kTexture, "expected one .TER file", context);
    if (parsed.operands.empty()) return UsageError(kTexture, "expected TRACK.TER [-o OUT.tga]", context);
    const std::string& ter = parsed.operands[0];
    // Without -o the texture is named as File > Open names it: beside the .TER.
    const TextureJob job{ter, parsed.Value("-o", MenuTexturePath(ter))};
    if (StandardOutputRefused("texture", job.texturePath, "a texture: its log goes beside it", context)) return 2;
    std::vector<std::string> inputs = TrackInputFiles(ter);
    for (const std::string& skeleton : {kSkeletonImageName, kSkeleton1016ImageName})
        inputs.push_back(JoinPath(context.programFolder, skeleton));
    if (!CanWriteOutputs("texture", {job.texturePath, TextureLogPath(job.texturePath)}, inputs, context)) return 1;
    MessageLines prompter;
    NullTextureView view;
    NullStatusSink mainStatus;
    const TextureRunResult result =
        RunTextureJob(job, TextureJobMode::CmdLine, context.programFolder, view, mainStatus, prompter);
    // The failure that ends the run is said once, as the closing error line; the
    // box of unreadable tiles becomes one line per file with the reader's reason.
    const std::string tileBox = TileFailuresBoxText(result.tileFailures);
    for (const std::string& message : prompter.messages) {
        if (!result.tileFailures.empty() && message == tileBox) {
            for (const TileFailure& failure : result.tileFailures) context.err << kName << failure.reason << "\n";
        } else if (result.ok() || message != result.outcome.message()) {
            context.err << kName << OneLine(message) << "\n";
        }
    }
    if (!result.ok()) {
        context.err << kName << result.outcome.message() << "\n";
        return 1;
    }
    context.Status() << kTextureFinishedConverting << ter << "\n";
    return 0;
}

}  // namespace gw::cli
