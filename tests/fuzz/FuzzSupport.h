#pragma once
// Shared by the fuzz targets: a check that stops the run with a message (the
// fuzzer keeps the input that broke it), and the split of one input into the
// fields a target needs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define GW_FUZZ_CHECK(condition)                                                     \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

namespace gw::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first count fields of the input, each ended by a zero byte, then the rest.
// Fields the input does not hold are empty, so every input is usable and the
// seeds stay readable ("section\0key\0value\0file text").
inline std::vector<std::string_view> SplitFields(std::string_view input, std::size_t count) {
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t zero = input.find('\0');
        if (zero == std::string_view::npos) {
            fields.push_back(input);
            input = {};
        } else {
            fields.push_back(input.substr(0, zero));
            input.remove_prefix(zero + 1);
        }
    }
    fields.push_back(input);
    return fields;
}

}  // namespace gw::fuzz
