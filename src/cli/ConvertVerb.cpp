// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <utility>
#include <vector>
#include <ostream>

#include "cli/CliProgress.h"
#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/convert/RunFiles.h"
#include "core/convert/SXConversion.h"
#include "core/io/Paths.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/StockFiles.h"

namespace gw::cli {

namespace {

const char kName[] = "gridwright-cli convert: ";

const VerbRules kConvert{"convert",
                         "Usage: gridwright-cli convert TRACK.TER -o DIR [OPTIONS]\n"
                         "       gridwright-cli convert TRACK.TER --open-only --save-asc FILE.asc [OPTIONS]\n\n"
                         "Converts an SX track into a National (or Quarry) terrain, as National >\n"
                         "Create from SX .TER followed by Save ASC257 does. The .TER names the 256\n"
                         "pieces; each is added at its place, lifted by the Z base and scaled by the\n"
                         "Z scale. With BASE the .TER's name up to its first period, DIR receives\n"
                         "BASE.asc (the terrain, under the name the new .TER gives it),\n"
                         "BASEDispMap513.tga, BASEUnRendered.tga, BASE.SCN, BASE.TER and flat.asc.\n"
                         "DIR is created when missing; the track's own folder is refused. The new .TER\n"
                         "names the folder where the game finds these files, in Windows form: DIR as\n"
                         "Windows names it, or on Linux as Wine shows it (/home/me/nat is\n"
                         "Z:\\home\\me\\nat\\), unless --game-folder names another.\n\n"
                         "  -o DIR            the output folder\n"
                         "  --game-folder G   the folder the new .TER names instead, for output copied to\n"
                         "                    a Windows machine (for example 'C:\\MCM\\Tracks\\Dunes\\')\n"
                         "  --quarry          a Quarry terrain (Z base 15.0) instead of a National one\n"
                         "  --z-base Z        height under every piece (default 5.411765; Quarry 15.0)\n"
                         "  --z-scale S       scale of the pieces' heights (default 0.67)\n"
                         "  --max-z M         height drawn white on the displacement map, above 0\n"
                         "                    (default 20.0)\n"
                         "  --grid-res R      GridResolutionInFeet of the new .TER, above 0 (default 3.0)\n"
                         "  --no-ter          write no .TER and no flat.asc\n"
                         "  --no-scn          write no .SCN\n"
                         "  --no-dispmap      write no displacement map\n"
                         "  --no-texture      write no texture\n"
                         "  --base BASE.asc   add the track onto this terrain instead of a flat one at 0\n"
                         "  --save-asc FILE   save the terrain as FILE instead of DIR/BASE.asc\n"
                         "  --open-only       only build the terrain and save it (needs --save-asc;\n"
                         "                    nothing else is written; --save-asc - writes it to\n"
                         "                    standard output)\n\n"
                         "Says each file written on stderr. Exit status 0 when everything was written, 1\n"
                         "when a piece could not be added or a file not written, 2 for bad arguments.\n",
                         {{"-o", ValueKind::Text},
                          {"--game-folder", ValueKind::Text},
                          {"--quarry"},
                          {"--z-base", ValueKind::Number},
                          {"--z-scale", ValueKind::Number},
                          {"--max-z", ValueKind::Positive},
                          {"--grid-res", ValueKind::Positive},
                          {"--no-ter"},
                          {"--no-scn"},
                          {"--no-dispmap"},
                          {"--no-texture"},
                          {"--base", ValueKind::Text},
                          {"--save-asc", ValueKind::Text},
                          {"--open-only"}}};

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

// The options from the arguments; a usage error in error.
SXConversionOptions OptionsFrom(const ParsedOptions& parsed, std::string& error) {
    SXConversionOptions options;
    const bool openOnly = parsed.Has("--open-only");
    if (parsed.operands.size() != 1) {
        error = "expected one TRACK.TER";
    } else if (openOnly && !parsed.Has("--save-asc")) {
        error = "--open-only needs --save-asc FILE";
    } else if (!openOnly && !parsed.Has("-o")) {
        error = "expected -o DIR (or --open-only --save-asc FILE)";
    } else if (!openOnly && IsStandardOutput(parsed.Value("--save-asc"))) {
        error = "--save-asc - (standard output) needs --open-only: the new .TER names the terrain's file";
    } else if (IsStandardOutput(parsed.Value("-o"))) {
        error = "-o names the output folder, which standard output (-) cannot be";
    }
    if (!error.empty()) return options;
    const bool quarry = parsed.Has("--quarry");
    options.terFile = parsed.operands[0];
    options.environment = quarry ? kQuarryEnvironment : kNationalEnvironment;
    options.zBaseText = parsed.Value("--z-base", ZBaseFor(quarry));
    options.zScaleText = parsed.Value("--z-scale", kDefaultZScale);
    options.maxZText = parsed.Value("--max-z", kDefaultMaxZ);
    options.gridResText = parsed.Value("--grid-res", kDefaultGridRes);
    // The new .TER names this folder for the game, which does not run in our
    // current folder: a relative folder is made absolute.
    options.outputFolder = parsed.Value("-o");
    if (!options.outputFolder.empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(options.outputFolder, ec);
        if (!ec) options.outputFolder = absolute.lexically_normal().string();
    }
    options.gameFolder = parsed.Value("--game-folder");
    options.writeTer = !openOnly && !parsed.Has("--no-ter");
    options.writeScn = !openOnly && !parsed.Has("--no-scn");
    options.dispMap = !openOnly && !parsed.Has("--no-dispmap");
    options.texture = !openOnly && !parsed.Has("--no-texture");
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

// The pieces not added, one line per piece file and reason: a file missing
// under many placements is said once, with the first of its piece numbers.
void PrintPiecesNotAdded(const std::vector<PieceNotAdded>& notAdded, CliContext& context) {
    constexpr std::size_t kNumbersShown = 5;
    std::vector<std::pair<const PieceNotAdded*, std::vector<int>>> files;
    for (const PieceNotAdded& piece : notAdded) {
        auto same = std::find_if(files.begin(), files.end(), [&piece](const auto& file) {
            return file.first->name == piece.name && file.first->reason == piece.reason;
        });
        if (same == files.end()) {
            files.push_back({&piece, {}});
            same = std::prev(files.end());
        }
        same->second.push_back(piece.number);
    }
    for (const auto& [piece, numbers] : files) {
        context.err << kName << (numbers.size() == 1 ? "Piece " : "Pieces ");
        for (std::size_t i = 0; i < numbers.size() && i < kNumbersShown; ++i)
            context.err << (i > 0 ? ", " : "") << numbers[i];
        if (numbers.size() > kNumbersShown) context.err << " and " << numbers.size() - kNumbersShown << " more";
        context.err << " " << piece->name << " not added: " << piece->reason << "\n";
    }
}

// What went wrong besides the pieces not added (said by PrintPiecesNotAdded).
void PrintOtherFailures(const SXConversionResult& result, CliContext& context) {
    SXConversionResult rest = result;
    rest.build.notAdded.clear();
    PrintFailures(rest.FailureText(), context);
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
        context.err << kName << off
                    << " pieces were not added: their BaseX and BaseY place them off the terrain's grid\n";
    }
    return !build.filesWithoutVertices.empty() || build.piecesOffTerrain > 0;
}

// Checks what can be checked before anything else is read: the track can be
// read, the output folder is not the track's own (the terrain goes there too,
// so it is refused even when no other file is chosen), and no file to be
// written is one the run reads. A refusal is the only thing the run prints.
bool CheckOutputs(const SXConversionOptions& options, bool openOnly, const ParsedOptions& parsed,
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
    if (parsed.Has("--base")) inputs.push_back(parsed.Value("--base"));
    return CanWriteOutputs("convert", outputs, inputs, context);
}

// Makes the output folder, once every check passed and the base terrain was
// read, so a run that stops earlier leaves nothing behind.
bool MakeOutputFolder(const SXConversionOptions& options, CliContext& context) {
    std::error_code ec;
    std::filesystem::create_directories(options.outputFolder, ec);
    if (ec) {
        context.err << kName << "Cannot create " << options.outputFolder << ": " << ec.message() << "\n";
        return false;
    }
    return true;
}

// The terrain to its file (the old one kept as its .bak) or to standard output.
Outcome SaveConvertedTerrain(const std::string& ascPath, const NationalGrid& grid, StatusSink& progress,
                             CliContext& context) {
    const std::string skeleton = JoinPath(context.programFolder, "skelasc257.txt");
    if (IsStandardOutput(ascPath)) {
        return StreamASC257(skeleton, "terrain", grid, progress, [&context](std::string_view bytes) {
            context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        });
    }
    const Asc257SaveNames names = MakeAsc257SaveNames(ascPath);
    return WriteASC257({skeleton, names.target, names.objectName}, grid, progress);
}

}  // namespace

int RunConvert(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kConvert, args, context, parsed); end >= 0) return end;
    std::string error;
    const SXConversionOptions options = OptionsFrom(parsed, error);
    if (!error.empty()) return UsageError(kConvert, error, context);
    const bool openOnly = parsed.Has("--open-only");
    const std::string ascPath =
        parsed.Value("--save-asc", JoinPath(options.outputFolder, GetBaseName(options.terFile) + ".asc"));

    if (!CheckOutputs(options, openOnly, parsed, ascPath, context)) return 1;
    EditorState state;
    state.programFolder = context.programFolder;
    if (parsed.Has("--base") && !LoadTerrain("convert", parsed.Value("--base"), state.national, context)) return 1;
    if (!openOnly && !MakeOutputFolder(options, context)) return 1;

    TerminalProgress progress(context.err, context.showProgress && !context.quiet);
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
        if (step.outcome) context.Status() << step.path << "\n";
    }
    PrintPiecesNotAdded(result.build.notAdded, context);
    PrintOtherFailures(result, context);
    const bool piecesMissing = WarnAboutPieces(result.build, context);

    const Outcome saved = SaveConvertedTerrain(ascPath, result.terrain, progress, context);
    progress.Finish();
    if (!saved) {
        context.err << kName << saved.message() << "\n";
        return 1;
    }
    if (!IsStandardOutput(ascPath)) context.Status() << ascPath << "\n";
    return result.ok() && !piecesMissing ? 0 : 1;
}

}  // namespace gw::cli
