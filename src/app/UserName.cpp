// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserName.h"

#include <QtGlobal>

#include "app/QtText.h"

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

namespace gw {

std::string CurrentUserName() {
#ifndef Q_OS_WIN
    // The account's full name greets better than the login: the first
    // comma-separated field of the password entry's comment.
    if (const passwd* entry = getpwuid(getuid())) {
        std::string full = entry->pw_gecos ? entry->pw_gecos : "";
        full = full.substr(0, full.find(','));
        if (!full.empty()) return full;
        if (entry->pw_name && *entry->pw_name) return entry->pw_name;
    }
#endif
    // Windows keeps the login in USERNAME, other systems in USER.
    return FromQ(qEnvironmentVariable("USERNAME", qEnvironmentVariable("USER")));
}

}  // namespace gw
