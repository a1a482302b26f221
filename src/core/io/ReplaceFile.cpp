#include "core/io/ReplaceFile.h"

#include <filesystem>

#include "core/io/OutputFile.h"

namespace gw {

namespace {

// OutputFile names the temporary file in its messages; the user knows the target.
std::string ReasonIn(const std::string& message, const std::string& tempPath) {
    const std::string marker = tempPath + ": ";
    std::size_t at = message.find(marker);
    return at == std::string::npos ? message : message.substr(at + marker.size());
}

}  // namespace

Outcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string target = path;
    if (fs::is_symlink(path, ec)) {
        fs::path resolved = fs::canonical(path, ec);
        if (!ec) target = resolved.string();
    }
    const std::string temp = target + ".tmp";
    OutputFile out;
    Outcome written = out.Open(temp);
    if (written) {
        out.Write(bytes);
        written = out.Close();
    }
    if (!written) {
        fs::remove(temp, ec);
        return Outcome::Fail("Cannot write " + path + ": " + ReasonIn(written.message(), temp));
    }
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        return Outcome::Fail("Cannot write " + path + ": " + reason);
    }
    return Outcome::Ok();
}

}  // namespace gw
