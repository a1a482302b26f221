// SPDX-License-Identifier: GPL-3.0-or-later
// The terrain files' fast number routines give exactly what the general ones
// give: the same value for any field, the same text for any double.
#include <cmath>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "core/text/FastNumbers.h"
#include "core/text/NumberText.h"

namespace {

bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

void CheckText(double value) {
    std::string fast = "x";
    gw::AppendPaddedNumberText(fast, value);
    GW_FUZZ_CHECK(fast == "x" + gw::PaddedNumberText(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view field = gw::fuzz::AsText(data, size);
    const double value = gw::ValueOfText(field);
    GW_FUZZ_CHECK(Same(gw::ValueOfField(field), value));
    CheckText(value);
    // The bytes as doubles too: heights the readers never make but a
    // computation can (sums, scales, slopes).
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data + at, sizeof raw);
        CheckText(raw);
    }
    return 0;
}
