// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result of a file operation: success, or a message that names the file and
// the operating system's reason. Errors are values; nothing in the core throws
// them past its own boundary.
#include <string>
#include <utility>

namespace gw {

class Outcome {
public:
    static Outcome Ok() { return Outcome(); }
    static Outcome Fail(std::string message) { return Outcome(std::move(message)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    Outcome() = default;
    explicit Outcome(std::string message) : ok_(false), message_(std::move(message)) {}
    bool ok_ = true;
    std::string message_;
};

}  // namespace gw
