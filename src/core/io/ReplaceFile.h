#pragma once
// Replacing a file's whole content without ever leaving it half written: the
// bytes go to a temporary file beside it, which is renamed over the file only
// when every write and the close succeeded.
#include <string>
#include <string_view>

#include "core/Outcome.h"

namespace gw {

// Writes bytes to path + ".tmp" and renames that over path. On failure the
// temporary file is removed, path is untouched and the message names path and
// the system's reason. A symbolic link is followed (the file it points to is
// replaced); an existing file's access rights carry over to the new one.
Outcome ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace gw
