// SPDX-License-Identifier: GPL-3.0-or-later
// Number forms on any text: ValueOfText never gives a value that is not a
// number, and what the writers make of it reads back to the same value. The
// terrain files' fast routines give exactly what the general ones give: the
// same value for any field, the same text for any double (the input's bytes
// taken as doubles too: heights a computation can make).

#include "FuzzSupport.h"
#include "core/text/FastNumbers.h"
#include "core/text/NumberText.h"

namespace {

void CheckFastText(double value) {
    std::string fast = "x";
    gw::AppendPaddedNumberText(fast, value);
    GW_FUZZ_CHECK(fast == "x" + gw::PaddedNumberText(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = gw::fuzz::AsText(data, size);
    const double value = gw::ValueOfText(input);
    GW_FUZZ_CHECK(std::isfinite(value));
    const double field = gw::ValueOfField(input);
    GW_FUZZ_CHECK(field == value && std::signbit(field) == std::signbit(value));
    CheckFastText(value);
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data + at, sizeof raw);
        CheckFastText(raw);
    }

    const std::string padded = gw::PaddedNumberText(value);
    GW_FUZZ_CHECK(!padded.empty());
    GW_FUZZ_CHECK(padded[0] == '-' || padded[0] == ' ');
    GW_FUZZ_CHECK(gw::fuzz::SameToFileDigits(value, gw::ValueOfText(padded)));
    // Writing again what was read back gives the same text.
    GW_FUZZ_CHECK(gw::PaddedNumberText(gw::ValueOfText(padded)) == padded);

    const std::string plain = gw::PlainNumberText(value);
    GW_FUZZ_CHECK(gw::fuzz::SameToFileDigits(value, gw::ValueOfText(plain)) &&
                  gw::PaddedNumberText(gw::ValueOfText(plain)) == padded);
    const std::string comma = gw::PlainNumberText(value, gw::NumberFormat{',', false});
    GW_FUZZ_CHECK(comma.find('.') == std::string::npos);

    const double rounded = gw::RoundHalfEven(value);
    GW_FUZZ_CHECK(std::isfinite(rounded) && rounded == std::floor(rounded));
    GW_FUZZ_CHECK(std::fabs(rounded - value) <= 0.5);
    std::int64_t index = 0;
    if (gw::RoundToIndex(value, index)) GW_FUZZ_CHECK(static_cast<double>(index) == rounded);
    return 0;
}
