// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status sink that keeps every text, so tests can compare the exact sequence.
#include <string>
#include <vector>

#include "core/Interfaces.h"

namespace gw::test {

class RecordingStatusSink final : public StatusSink {
public:
    void Status(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

}  // namespace gw::test
