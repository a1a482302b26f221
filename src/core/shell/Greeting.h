// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The greeting line of the main window: a friendly word for the user, chosen by
// the time of day or by a random draw. Clock and draw are passed in so the choice
// can be tested.
#include <string>
#include <string_view>

namespace gw {

// Modders often sign with their clan's tag; the greeting leaves it off.
inline constexpr std::string_view kClanTag = "GWR_";

// hour is 0..23; r is the random draw: a fraction in [0, 1) times 50.
std::string GreetingText(std::string_view userName, int hour, double r);

// The same with the current local hour and a fresh random draw.
std::string GreetingTextNow(std::string_view userName);

}  // namespace gw
