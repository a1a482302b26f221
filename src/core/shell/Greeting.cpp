// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/Greeting.h"

#include <chrono>
#include <ctime>
#include <random>

#include "core/text/FieldString.h"

namespace gw {

std::string GreetingText(std::string_view userName, int hour, double r) {
    std::string name = GetElement(userName, " ", 0);
    if (name.compare(0, kClanTag.size(), kClanTag) == 0) name.erase(0, kClanTag.size());

    std::string timeOfDay;
    if (hour < 12)
        timeOfDay = "Good morning " + name + ".";
    else if (hour < 18)
        timeOfDay = "Good afternoon " + name + ".";
    else
        timeOfDay = "Good evening " + name + ".";

    if (r > 44) return "Hi " + name + ".";
    if (r <= 3) return "Hey " + name + ", I can feel the creative energy flowing from here.";
    if (r >= 7 && r < 10) return "Howdy " + name + ".";
    if (r >= 14 && r < 18) return "How's it going " + name + "?";
    if (r >= 25 && r <= 27) return "What awesome thing are you creating today " + name + "?";
    return timeOfDay;
}

std::string GreetingTextNow(std::string_view userName) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);  // the same thread-safe call, arguments the other way round
#else
    localtime_r(&now, &local);
#endif
    std::mt19937 generator(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    return GreetingText(userName, local.tm_hour, fraction(generator) * 50);
}

}  // namespace gw
