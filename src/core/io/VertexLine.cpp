#include "core/io/VertexLine.h"

#include <cmath>

#include "core/text/FastNumbers.h"

namespace gw {

namespace {

// Appends text with its leading blanks dropped and every other run of blanks
// collapsed to one, without a heap allocation per line.
void AppendCompressed(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* to = out.data() + start;
    bool blank = true;  // drops the leading run
    for (const char c : text) {
        if (c == ' ') {
            if (blank) continue;
            blank = true;
        } else {
            blank = false;
        }
        *to++ = c;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

// Nearest whole number, a half going to the even neighbour: RoundHalfEven
// without its fmod, since this runs for every vertex of a file.
double NearestHalfEven(double v) {
    const double r = std::round(v);
    return std::fabs(r - v) == 0.5 ? 2.0 * std::round(v / 2.0) : r;
}

}  // namespace

bool HasVertexCoordinates(std::string_view line) { return line.find("X:") != std::string_view::npos; }

bool IsSkeletonVertexLine(std::string_view line) {
    return line.find("Vertex") != std::string_view::npos && HasVertexCoordinates(line);
}

VertexFields SplitVertexLine(std::string_view line) {
    VertexFields fields;
    const char* at = line.data();
    const char* const end = at + line.size();
    for (std::string_view& field : fields.field) {
        while (at < end && *at == ' ') ++at;
        if (at == end) break;
        const char* const start = at;
        while (at < end && *at != ' ') ++at;
        field = std::string_view(start, static_cast<std::size_t>(at - start));
    }
    return fields;
}

double VertexX(const VertexFields& fields) { return ValueOfField(fields.field[3]); }
double VertexY(const VertexFields& fields) { return ValueOfField(fields.field[5]); }
double VertexZ(const VertexFields& fields) { return ValueOfField(fields.field[7]); }

bool LatticeSteps(const VertexLattice& lattice, double coordinate, std::int64_t& steps) {
    const double rounded = NearestHalfEven((lattice.mirrored ? std::fabs(coordinate) : coordinate) / lattice.spacing);
    // 2^62 keeps the offsets of CellOfSteps inside int64; written so that NaN fails too.
    constexpr double limit = 4611686018427387904.0;
    if (!(rounded < limit && rounded > -limit)) return false;
    steps = static_cast<std::int64_t>(rounded);
    return true;
}

bool CellOfSteps(const VertexLattice& lattice, std::int64_t stepsX, std::int64_t stepsY, int& column, int& row) {
    const std::int64_t c = lattice.columnOfZero + stepsX;
    const std::int64_t r = lattice.rowOfZero + lattice.rowStep * stepsY;
    if (c < 0 || c >= lattice.size || r < 0 || r >= lattice.size) return false;
    column = static_cast<int>(c);
    row = static_cast<int>(r);
    return true;
}

bool CellOfVertex(const VertexLattice& lattice, double x, double y, int& column, int& row) {
    std::int64_t stepsX = 0, stepsY = 0;
    return LatticeSteps(lattice, x, stepsX) && LatticeSteps(lattice, y, stepsY) &&
           CellOfSteps(lattice, stepsX, stepsY, column, row);
}

void AppendVertexLine(std::string_view line, const VertexFields& fields, double z, std::string& out) {
    // Collapsing blanks neither makes nor breaks a "Z:", so the label is found
    // in the line as it stands.
    const std::size_t label = line.find("Z:");
    const std::string_view labelField = fields.field[6];
    if (label != std::string_view::npos && !labelField.empty() &&
        label == static_cast<std::size_t>(labelField.data() - line.data())) {
        // The usual line, whose seventh field is the label: the six fields
        // before it, one blank after each.
        for (int i = 0; i < 6; ++i) {
            out += fields.field[i];
            out += ' ';
        }
    } else if (label == std::string_view::npos) {
        AppendCompressed(line, out);
        if (!out.empty() && out.back() == ' ') out.pop_back();  // the trimmed line end
    } else {
        AppendCompressed(line.substr(0, label), out);
    }
    out += "Z: ";
    AppendPaddedNumberText(out, z);
    out += "\r\n";
}

}  // namespace gw
