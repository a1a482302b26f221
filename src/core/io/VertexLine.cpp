// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/VertexLine.h"

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

}  // namespace

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
