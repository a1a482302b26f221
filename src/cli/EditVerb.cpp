#include <charconv>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/ProgramFolder.h"
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
    bool haveRange = false;
    std::vector<Operation> operations;
};

void PrintEditHelp(std::ostream& out) {
    out << "Usage: gridwright-cli edit PIECE.asc -o OUT.asc [--range C1,R1,C2,R2] OPERATION...\n\n"
           "Applies the editor's range operations to a piece, in the order given, and writes\n"
           "the result through the skeleton template as OUT (the old OUT is kept as its .bak).\n\n"
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
           "Prints OUT's path when it was written.\n";
}

bool ParseNumber(const std::string& text, double& value) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() && std::isfinite(value);
}

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

bool ParseShift(const std::string& text, ShiftDirection& direction) {
    if (text == "up") direction = ShiftDirection::Up;
    else if (text == "down") direction = ShiftDirection::Down;
    else if (text == "left") direction = ShiftDirection::Left;
    else if (text == "right") direction = ShiftDirection::Right;
    else return false;
    return true;
}

// Empty when the arguments are sound, else the one-line complaint.
std::string ParseEditArguments(const Args& args, EditArguments& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto next = [&](std::string& value) {
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        std::string value;
        if (arg == "-o") {
            if (!parsed.output.empty()) return "-o given twice";
            if (!next(parsed.output) || parsed.output.empty()) return "-o needs an output file";
        } else if (arg == "--range") {
            if (parsed.haveRange) return "--range given twice";
            if (!next(value) || !ParseRange(value, parsed.range))
                return "--range needs four grid numbers 1..17 as C1,R1,C2,R2";
            parsed.haveRange = true;
        } else if (arg == "--set" || arg == "--scale" || arg == "--displace") {
            Operation operation{arg == "--set" ? OperationKind::Set
                                : arg == "--scale" ? OperationKind::Scale
                                                   : OperationKind::Displace};
            if (!next(value) || !ParseNumber(value, operation.value)) return arg + " needs a number";
            parsed.operations.push_back(operation);
        } else if (arg == "--shift") {
            Operation operation{OperationKind::Shift};
            if (!next(value) || !ParseShift(value, operation.direction))
                return "--shift needs up, down, left or right";
            parsed.operations.push_back(operation);
        } else if (arg == "--mirror-h") {
            parsed.operations.push_back({OperationKind::MirrorH});
        } else if (arg == "--mirror-v") {
            parsed.operations.push_back({OperationKind::MirrorV});
        } else if (arg == "--rotate") {
            parsed.operations.push_back({OperationKind::Rotate});
        } else if (arg == "--slope-rows") {
            parsed.operations.push_back({OperationKind::SlopeRows});
        } else if (arg == "--slope-cols") {
            parsed.operations.push_back({OperationKind::SlopeCols});
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else {
            if (!parsed.input.empty()) return "expected one piece file, got '" + parsed.input + "' and '" + arg + "'";
            parsed.input = arg;
        }
    }
    if (parsed.input.empty()) return "expected a piece file";
    if (parsed.output.empty()) return "expected -o OUT.asc";
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
    if (IsHelpRequest(args)) {
        PrintEditHelp(context.out);
        return 0;
    }
    EditArguments parsed;
    const std::string complaint = ParseEditArguments(args, parsed);
    if (!complaint.empty()) {
        context.err << kVerbName << ": " << complaint << " (try --help)\n";
        return 2;
    }
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

    Outcome written = WritePieceFile(JoinPath(context.programFolder, "skelasc.txt"), parsed.output,
                                     GetBaseName(parsed.output), grid);
    if (!written) {
        context.err << kVerbName << ": " << written.message() << "\n";
        return 1;
    }
    context.out << parsed.output << "\n";
    return 0;
}

}  // namespace gw::cli
