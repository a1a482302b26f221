// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/piece/PieceSet.h"

#include "core/piece/CellRange.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/text/FieldString.h"

namespace gw {

namespace {

struct SetMember {
    const char* suffix;
    int quarterTurns;
};

const std::vector<SetMember>& MembersOf(PieceSetKind kind) {
    static const std::vector<SetMember> kFour = {{"N", 0}, {"W", 1}, {"S", 2}, {"E", 3}};
    static const std::vector<SetMember> kTwo = {{"NS", 0}, {"EW", 1}};
    static const std::vector<SetMember> kOne = {{"NSEW", 0}};
    switch (kind) {
        case PieceSetKind::NSEW: return kOne;
        case PieceSetKind::NS: return kTwo;
        case PieceSetKind::N: break;
    }
    return kFour;
}

void TurnWholeGrid(PieceGrid& grid, StatusSink& status) { RotateRange(grid, CellRange{1, 17, 1, 17}, status); }

}  // namespace

PieceSetKind PieceSetKindOf(std::string_view kindText) {
    const std::string upper = UpperAscii(kindText);
    if (upper == "NSEW") return PieceSetKind::NSEW;
    if (upper == "NS") return PieceSetKind::NS;
    return PieceSetKind::N;
}

const char* PieceKindText(PieceSetKind kind) {
    switch (kind) {
        case PieceSetKind::NSEW: return "NSEW";
        case PieceSetKind::NS: return "NS";
        case PieceSetKind::N: break;
    }
    return "N";
}

std::vector<PieceSetFile> PieceSetFiles(const PieceSetNames& set) {
    std::vector<PieceSetFile> files;
    for (const SetMember& member : MembersOf(set.kind)) {
        const std::string path = JoinPath(set.folder, set.name + member.suffix) + "." + set.extension;
        files.push_back(PieceSetFile{member.suffix, path, BackupPathOf(path), member.quarterTurns});
    }
    return files;
}

PieceSetSaveResult SavePieceFileSet(PieceGrid& grid, const PieceSetNames& set, const std::string& skeletonPath,
                                    StatusSink& status) {
    PieceSetSaveResult result;
    const std::vector<PieceSetFile> files = PieceSetFiles(set);
    result.northPath = files.front().path;
    for (std::size_t index = 0; index < files.size(); ++index) {
        const PieceSetFile& file = files[index];
        if (index > 0) TurnWholeGrid(grid, status);
        // A file the writer refuses (a folder, an .out or .bak name) fails alone.
        Outcome outcome = WritePieceFile({skeletonPath, file.path, set.name}, grid);
        if (outcome) {
            result.written.push_back(file.path);
        } else {
            result.failures.push_back({file.path, outcome.message()});
        }
    }
    // Four quarter turns in all bring the grid back; a one-file set never turned.
    if (files.size() > 1) {
        for (std::size_t turns = files.size() - 1; turns < 4; ++turns) TurnWholeGrid(grid, status);
    }
    if (!result.ok()) {
        status.Status("Save failed: " + std::to_string(result.failures.size()) + " of " + std::to_string(files.size()) +
                      " files not written");
    }
    return result;
}

std::string PieceSetFailureText(const PieceSetSaveResult& result) {
    if (result.ok()) return std::string();
    std::string text = "The piece was not saved completely. These files were not written:";
    for (const PieceSetFailure& failure : result.failures) text += "\n" + failure.path + ": " + failure.reason;
    return text;
}

}  // namespace gw
