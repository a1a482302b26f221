// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables of cases kept as text files under tests/data: one case a line, its
// fields between '|'; \t, \n, \r, \| and \\ stand for what a field cannot hold
// as it is. Lines starting with # are comments; blank lines are skipped.
#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw::test {

using CaseRow = std::vector<std::string>;

inline std::vector<CaseRow> ReadCaseTable(const std::string& relative) {
    std::vector<CaseRow> rows;
    std::istringstream lines(ReadAll(TestDataPath(relative)));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a copy with Windows line ends
        if (line.empty() || line[0] == '#') continue;
        CaseRow fields(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '|') {
                fields.emplace_back();
            } else if (line[i] == '\\' && i + 1 < line.size()) {
                const char c = line[++i];
                fields.back() += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
            } else {
                fields.back() += line[i];
            }
        }
        rows.push_back(fields);
    }
    EXPECT_FALSE(rows.empty()) << relative << " holds no cases";
    return rows;
}

// A number field read exactly as C++ reads the literal ("inf", "-inf" and "nan"
// included), the same on every platform; NaN when the field is no number.
inline double CaseNumber(const std::string& field) {
    double value = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

}  // namespace gw::test
