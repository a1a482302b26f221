// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/io/Paths.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/piece/ShiftCells.h"
#include "core/text/FieldString.h"

namespace gw::cli {

namespace {

constexpr const char* kVerbName = "gridwright-cli edit";

enum class OperationKind { Set, Scale, Displace, MirrorH, MirrorV, Rotate, SlopeRows, SlopeCols, Shift };

struct Operation {
    OperationKind kind;
    double value = 0;
    ShiftDirection direction = ShiftDirection::Up;
};

struct EditArguments {
    std::string input;
    std::string output;
    CellRange range;  // a single cell unless --range: the whole grid
    std::vector<Operation> operations;
};

const VerbRules kEdit{"edit",
                      "Usage: gridwright-cli edit PIECE.asc -o OUT.asc [--range C1,R1,C2,R2] OPERATION...\n\n"
                      "Applies the editor's range operations to a piece, in the order given, and writes\n"
                      "the result through the skeleton template as OUT (the old OUT is kept as its .bak;\n"
                      "-o - writes the piece to standard output).\n\n"
                      "  --range C1,R1,C2,R2  grid columns and rows 1..17: the anchor cell (C1, R1), then\n"
                      "                       the opposite corner; row 1 is the top row. Without it, or\n"
                      "                       with a single cell, the whole grid is used.\n\n"
                      "Operations:\n"
                      "  --set V          every cell of the range becomes V\n"
                      "  --scale V        every cell is multiplied by V\n"
                      "  --displace V     V is added to every cell\n"
                      "  --mirror-h       each row of the range is reversed (left-right)\n"
                      "  --mirror-v       the rows of the range are reversed (top-bottom)\n"
                      "  --rotate         a quarter turn counterclockwise; the range must be square\n"
                      "  --slope-rows     each row becomes a straight slope between its end cells\n"
                      "  --slope-cols     each column becomes a straight slope between its end cells\n"
                      "  --shift up|down|left|right\n"
                      "                   moves the range's values one cell, the leaving line coming\n"
                      "                   back in at the opposite edge\n\n"
                      "Says OUT's path on stderr when it was written.\n",
                      {{"-o", ValueKind::Text},
                       {"--range", ValueKind::Text},
                       {"--set", ValueKind::Number, true},
                       {"--scale", ValueKind::Number, true},
                       {"--displace", ValueKind::Number, true},
                       {"--mirror-h"},
                       {"--mirror-v"},
                       {"--rotate"},
                       {"--slope-rows"},
                       {"--slope-cols"},
                       {"--shift", ValueKind::Choice, true, "up|down|left|right"}}};

bool ParseCell(const std::string& text, int& cell) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), cell);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() && cell >= 1 && cell <= 17;
}

bool ParseRange(const std::string& text, CellRange& range) {
    int corners[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int index = 0; index < 4; ++index) {
        const std::size_t comma = text.find(',', start);
        const bool last = index == 3;
        if (last != (comma == std::string::npos)) return false;
        const std::string field = text.substr(start, last ? std::string::npos : comma - start);
        if (!ParseCell(field, corners[index])) return false;
        start = comma + 1;
    }
    range = CellRange{corners[0], corners[2], corners[1], corners[3]};
    return true;
}

ShiftDirection ShiftOf(const std::string& text) {
    if (text == "up") return ShiftDirection::Up;
    if (text == "down") return ShiftDirection::Down;
    if (text == "left") return ShiftDirection::Left;
    return ShiftDirection::Right;
}

// The operation an option stands for; false for the options that are none.
bool OperationOf(const GivenOption& option, Operation& operation) {
    static const std::pair<const char*, OperationKind> kKinds[] = {{"--set", OperationKind::Set},
                                                                   {"--scale", OperationKind::Scale},
                                                                   {"--displace", OperationKind::Displace},
                                                                   {"--mirror-h", OperationKind::MirrorH},
                                                                   {"--mirror-v", OperationKind::MirrorV},
                                                                   {"--rotate", OperationKind::Rotate},
                                                                   {"--slope-rows", OperationKind::SlopeRows},
                                                                   {"--slope-cols", OperationKind::SlopeCols},
                                                                   {"--shift", OperationKind::Shift}};
    for (const auto& [name, kind] : kKinds) {
        if (std::string(name) != option.rule->name) continue;
        operation = Operation{kind, option.number, ShiftDirection::Up};
        if (kind == OperationKind::Shift) operation.direction = ShiftOf(option.value);
        return true;
    }
    return false;
}

// Empty when the arguments are sound, else the one-line complaint.
std::string ReadEditArguments(const ParsedOptions& options, EditArguments& parsed) {
    if (options.operands.size() > 1)
        return "expected one piece file, got '" + options.operands[0] + "' and '" + options.operands[1] + "'";
    if (options.operands.empty()) return "expected a piece file";
    parsed.input = options.operands[0];
    parsed.output = options.Value("-o");
    if (parsed.output.empty()) return "expected -o OUT.asc";
    if (options.Has("--range")) {
        if (!ParseRange(options.Value("--range"), parsed.range))
            return "--range needs four grid numbers 1..17 as C1,R1,C2,R2";
    }
    for (const GivenOption& option : options.given) {
        Operation operation{OperationKind::Set};
        if (OperationOf(option, operation)) parsed.operations.push_back(operation);
    }
    const std::string extension = UpperAscii(GetExtension(parsed.output));
    if (extension == "OUT" || extension == "BAK")
        return "the output may not end in .out or .bak: those are its temporary and backup files";
    if (parsed.operations.empty()) return "expected at least one operation";
    return std::string();
}

// False when the operation refused (a rotation of a range that is not square).
bool Apply(const Operation& operation, const CellRange& range, PieceGrid& grid) {
    NullStatusSink quiet;
    switch (operation.kind) {
        case OperationKind::Set: SetRangeValue(grid, range, operation.value); break;
        case OperationKind::Scale: AdjustRange(grid, range, AdjustMode::Scale, operation.value); break;
        case OperationKind::Displace: AdjustRange(grid, range, AdjustMode::Displace, operation.value); break;
        case OperationKind::MirrorH: MirrorRange(grid, range, MirrorAxis::LeftRight, quiet); break;
        case OperationKind::MirrorV: MirrorRange(grid, range, MirrorAxis::TopBottom, quiet); break;
        case OperationKind::Rotate: return RotateRange(grid, range, quiet) == RotateResult::Rotated;
        case OperationKind::SlopeRows: SlopeRange(grid, range, SlopeDirection::AlongRows); break;
        case OperationKind::SlopeCols: SlopeRange(grid, range, SlopeDirection::AlongColumns); break;
        case OperationKind::Shift: ShiftCells(grid, operation.direction, range); break;
    }
    return true;
}

}  // namespace

int RunEdit(const Args& args, CliContext& context) {
    ParsedOptions options;
    if (const int end = ParseVerbOptions(kEdit, args, context, options); end >= 0) return end;
    EditArguments parsed;
    if (const std::string complaint = ReadEditArguments(options, parsed); !complaint.empty())
        return UsageError(kEdit, complaint, context);
    if (!CanWriteOutputs("edit", {parsed.output}, {parsed.input}, context)) return 1;
    PieceGrid grid;
    if (!LoadPiece("edit", parsed.input, grid, context)) return 1;

    // After the first operation a single cell has become the whole grid; the
    // range stays as given, since every operation applies that rule itself.
    for (const Operation& operation : parsed.operations) {
        if (!Apply(operation, parsed.range, grid)) {
            context.err << kVerbName << ": " << kRotateRangeRefusedMessage << "\n";
            return 1;
        }
    }
    if (!SavePiece("edit", parsed.output, grid, context)) return 1;
    if (!IsStandardOutput(parsed.output)) context.Status() << parsed.output << "\n";
    return 0;
}

}  // namespace gw::cli
