#include "app/UserName.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace gw {

std::string CurrentUserName() {
    if (const passwd* entry = getpwuid(getuid())) {
        // The full name is the first comma-separated field of the comment.
        std::string full = entry->pw_gecos ? entry->pw_gecos : "";
        full = full.substr(0, full.find(','));
        if (!full.empty()) return full;
        if (entry->pw_name && *entry->pw_name) return entry->pw_name;
    }
    const char* login = std::getenv("USER");
    return login ? login : "";
}

}  // namespace gw
