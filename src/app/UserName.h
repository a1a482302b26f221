// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace gw {

// The name the greeting addresses: the login's full name, else the login name.
std::string CurrentUserName();

}  // namespace gw
