#pragma once
// What the verbs share: their option parsing, the loading of a piece and the
// loading and saving of an ASC257, with one-line errors and warnings.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"

namespace gw::cli {

struct ParsedArgs {
    std::vector<std::string> files;             // positional arguments
    std::map<std::string, std::string> values;  // option -> value
    std::set<std::string> flags;                // given options that take no value
    bool help = false;
    std::string error;  // not empty: the arguments are not usable
};

// Splits args into files and the given options: valueOptions take a value,
// flagOptions none.
ParsedArgs ParseVerbArgs(const Args& args, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flagOptions = {});

// Reads a piece file into grid; on failure writes "gridwright-cli VERB: reason"
// to err and returns false. Vertices that could not be stored, and a file
// without a single vertex line (read as a flat piece), are warned about.
bool LoadPiece(const std::string& verb, const std::string& path, PieceGrid& grid, CliContext& context);

// Reads an ASC257 into grid; on failure writes "gridwright-cli VERB: reason" to
// err and returns false. A terrain cut short is read and warned about.
bool LoadTerrain(const std::string& verb, const std::string& path, NationalGrid& grid, CliContext& context);

// False (with "gridwright-cli VERB: reason" on err) when an output would be
// refused by its writer (WriteTargetRefusal) or is one of the run's inputs:
// checked before the run, so a run with several outputs writes none of them.
bool CanWriteOutputs(const std::string& verb, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& inputs, CliContext& context);

// Writes grid to path through the program folder's skelasc257.txt, keeping the
// previous file as its .bak, as Save ASC257 does.
bool SaveTerrain(const std::string& verb, const std::string& path, const NationalGrid& grid, CliContext& context);

}  // namespace gw::cli
