#include <filesystem>
#include <ostream>

#include "cli/CliProgress.h"
#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/ProgramFolder.h"
#include "core/convert/RunFiles.h"
#include "core/convert/SXConversion.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "core/text/FieldString.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/StockFiles.h"

namespace gw::cli {

namespace {

const char kName[] = "gridwright-cli convert: ";

void PrintConvertHelp(std::ostream& out) {
    out << "Usage: gridwright-cli convert TRACK.TER -o DIR [OPTIONS]\n"
           "       gridwright-cli convert TRACK.TER --open-only --save-asc FILE.asc [OPTIONS]\n\n"
           "Converts an SX track into a National (or Quarry) terrain, as National >\n"
           "Create from SX .TER followed by Save ASC257 does. The .TER names the 256\n"
           "pieces; each is added at its place, lifted by the Z base and scaled by the\n"
           "Z scale. With BASE the .TER's name up to its first period, DIR receives\n"
           "BASE.asc (the terrain, under the name the new .TER gives it),\n"
           "BASEDispMap513.tga, BASEUnRendered.tga, BASE.SCN, BASE.TER and flat.asc.\n"
           "DIR is created when missing and named in the new .TER as an absolute folder;\n"
           "the track's own folder is refused.\n\n"
           "  -o DIR            the output folder\n"
           "  --quarry          a Quarry terrain (Z base 15.0) instead of a National one\n"
           "  --z-base Z        height under every piece (default 5.411765; Quarry 15.0)\n"
           "  --z-scale S       scale of the pieces' heights (default 0.67)\n"
           "  --max-z M         height drawn white on the displacement map (default 20.0)\n"
           "  --grid-res R      GridResolutionInFeet of the new .TER (default 3.0)\n"
           "  --no-ter          write no .TER and no flat.asc\n"
           "  --no-scn          write no .SCN\n"
           "  --no-dispmap      write no displacement map\n"
           "  --no-texture      write no texture\n"
           "  --base BASE.asc   add the track onto this terrain instead of a flat one at 0\n"
           "  --save-asc FILE   save the terrain as FILE instead of DIR/BASE.asc\n"
           "  --open-only       only build the terrain and save it (needs --save-asc;\n"
           "                    nothing else is written)\n\n"
           "Prints each file written. Exit status 0 when everything was written, 1 when a\n"
           "piece could not be added or a file not written, 2 for bad arguments.\n";
}

// The displacement map's window, for a verb: its progress goes to the terminal.
class TerminalPreview final : public DisplacementPreview {
public:
    explicit TerminalPreview(StatusSink& progress) : progress_(progress) {}
    void ShowPreview() override {}
    void DrawMap(const RgbImage&) override {}
    void Status(const std::string& text) override { progress_.Status(text); }

private:
    StatusSink& progress_;
};

std::string Value(const ParsedArgs& parsed, const std::string& option, const std::string& fallback) {
    auto found = parsed.values.find(option);
    return found == parsed.values.end() ? fallback : found->second;
}

// The options from the arguments; a usage error in error.
SXConversionOptions OptionsFrom(const ParsedArgs& parsed, std::string& error) {
    SXConversionOptions options;
    const bool openOnly = parsed.flags.count("--open-only") > 0;
    if (parsed.files.size() != 1) {
        error = "expected one TRACK.TER";
    } else if (openOnly && !parsed.values.count("--save-asc")) {
        error = "--open-only needs --save-asc FILE";
    } else if (!openOnly && !parsed.values.count("-o")) {
        error = "expected -o DIR (or --open-only --save-asc FILE)";
    }
    if (!error.empty()) return options;
    const bool quarry = parsed.flags.count("--quarry") > 0;
    options.terFile = parsed.files[0];
    options.environment = quarry ? kQuarryEnvironment : kNationalEnvironment;
    options.zBaseText = Value(parsed, "--z-base", ZBaseFor(quarry));
    options.zScaleText = Value(parsed, "--z-scale", kDefaultZScale);
    options.maxZText = Value(parsed, "--max-z", kDefaultMaxZ);
    options.gridResText = Value(parsed, "--grid-res", kDefaultGridRes);
    // The new .TER names this folder for the game, which does not run in our
    // current folder: a relative folder is made absolute.
    options.outputFolder = Value(parsed, "-o", "");
    if (!options.outputFolder.empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(options.outputFolder, ec);
        if (!ec) options.outputFolder = absolute.lexically_normal().string();
    }
    options.writeTer = !openOnly && !parsed.flags.count("--no-ter");
    options.writeScn = !openOnly && !parsed.flags.count("--no-scn");
    options.dispMap = !openOnly && !parsed.flags.count("--no-dispmap");
    options.texture = !openOnly && !parsed.flags.count("--no-texture");
    return options;
}

void PrintFailures(const std::string& text, CliContext& context) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        context.err << kName << text.substr(start, end - start) << "\n";
        start = end + 1;
    }
}

// Pieces that the editor adds without a word but that leave a hole in the
// terrain: a piece file without a vertex line (added flat) and pieces placed
// wholly off the terrain. True when there were any.
bool WarnAboutPieces(const NationalBuild& build, CliContext& context) {
    for (const std::string& file : build.filesWithoutVertices) {
        context.err << kName << file << ": " << kNoVertexLineWarning << "\n";
    }
    const int off = build.piecesOffTerrain;
    if (off > 0 && off == build.piecesAdded) {
        context.err << kName << "no piece landed on the terrain: the BaseX and BaseY of all " << off
                    << " pieces place them off its grid\n";
    } else if (off > 0) {
        context.err << kName << off << " pieces were not added: their BaseX and BaseY place them off the terrain's grid\n";
    }
    return !build.filesWithoutVertices.empty() || build.piecesOffTerrain > 0;
}

// Checks what can be checked before the work starts: the track can be read,
// the output folder is not the track's own (the terrain goes there too, so it
// is refused even when no other file is chosen), and no file to be written is
// one the run reads; then makes the folder. A run that stops here leaves
// nothing behind.
bool PrepareOutputFolder(const SXConversionOptions& options, bool openOnly, const ParsedArgs& parsed,
                         const std::string& ascPath, CliContext& context) {
    ProfileDocument track;
    if (Outcome read = ProfileDocument::Load(options.terFile, track); !read) {
        context.err << kName << read.message() << "\n";
        return false;
    }
    if (!openOnly) {
        if (std::string refusal = OutputFolderRefusal(options.outputFolder, options.terFile); !refusal.empty()) {
            context.err << kName << refusal << "\n";
            return false;
        }
    }
    std::vector<std::string> outputs = ConversionOutputFiles(options);
    outputs.push_back(ascPath);
    std::vector<std::string> inputs = TrackInputFiles(options.terFile);
    if (parsed.values.count("--base")) inputs.push_back(parsed.values.at("--base"));
    if (!CanWriteOutputs("convert", outputs, inputs, context)) return false;
    if (openOnly) return true;
    std::error_code ec;
    std::filesystem::create_directories(options.outputFolder, ec);
    if (ec) {
        context.err << kName << "Cannot create " << options.outputFolder << ": " << ec.message() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunConvert(const Args& args, CliContext& context) {
    const ParsedArgs parsed =
        ParseVerbArgs(args, {"-o", "--z-base", "--z-scale", "--max-z", "--grid-res", "--base", "--save-asc"},
                      {"--quarry", "--no-ter", "--no-scn", "--no-dispmap", "--no-texture", "--open-only"});
    if (parsed.help) {
        PrintConvertHelp(context.out);
        return 0;
    }
    std::string error = parsed.error;
    const SXConversionOptions options = error.empty() ? OptionsFrom(parsed, error) : SXConversionOptions{};
    if (!error.empty()) {
        context.err << kName << error << " (try --help)\n";
        return 2;
    }
    const bool openOnly = parsed.flags.count("--open-only") > 0;
    const std::string ascPath =
        Value(parsed, "--save-asc", JoinPath(options.outputFolder, GetBaseName(options.terFile) + ".asc"));

    EditorState state;
    state.programFolder = context.programFolder;
    if (parsed.values.count("--base") && !LoadTerrain("convert", parsed.values.at("--base"), state.national, context)) {
        return 1;
    }
    if (!PrepareOutputFolder(options, openOnly, parsed, ascPath, context)) return 1;

    TerminalProgress progress(context.err, context.showProgress);
    TerminalPreview preview(progress);
    CliPrompter prompter("convert", context.err);
    ConversionSurroundings surroundings{progress, preview, prompter, DefaultUserDataFolder(), {}};
    const SXConversionResult result = RunSXConversion(options, state.programFolder, state.national, surroundings);
    progress.Finish();
    if (!result.build.terRead || !result.refusal.empty()) {
        PrintFailures(result.FailureText(), context);
        return 1;
    }
    for (const ConversionStep& step : result.steps) {
        if (step.outcome) context.out << step.path << "\n";
    }
    PrintFailures(result.FailureText(), context);
    const bool piecesMissing = WarnAboutPieces(result.build, context);

    Asc257SaveNames names = MakeAsc257SaveNames(ascPath);
    const Outcome saved = WriteASC257(JoinPath(context.programFolder, "skelasc257.txt"), names.target,
                                      names.objectName, result.terrain, progress);
    progress.Finish();
    if (!saved) {
        context.err << kName << saved.message() << "\n";
        return 1;
    }
    context.out << names.target << "\n";
    return result.ok() && !piecesMissing ? 0 : 1;
}

}  // namespace gw::cli
