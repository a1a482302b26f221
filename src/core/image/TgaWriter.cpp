#include <filesystem>

#include <stb_image_write.h>

#include "core/image/TgaFile.h"
#include "core/io/OutputFile.h"

namespace gw {

namespace {

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

// The system's reason at the end of an OutputFile message, for a message that
// names the target instead of its temporary file.
std::string ReasonOf(const Outcome& outcome) {
    const std::string& message = outcome.message();
    const std::size_t colon = message.rfind(": ");
    return colon == std::string::npos ? message : message.substr(colon + 2);
}

}  // namespace

std::string EncodeTga(const RgbImage& image) {
    std::string bytes;
    if (image.empty()) return bytes;
    bytes.reserve(18 + image.byteCount());
    // stb writes run-length packets unless told otherwise; our files are plain.
    stbi_write_tga_with_rle = 0;
    stbi_write_tga_to_func(&AppendBytes, &bytes, image.width(), image.height(), RgbImage::kChannels, image.data());
    return bytes;
}

Outcome WriteTgaFile(const std::string& path, const RgbImage& image) {
    if (image.empty()) return Outcome::Fail("Cannot write " + path + ": the image is empty");
    const std::string outPath = path + ".out";
    OutputFile out;
    if (Outcome opened = out.Open(outPath); !opened) return Outcome::Fail("Cannot write " + path + ": " + ReasonOf(opened));
    out.Write(EncodeTga(image));
    std::error_code ignored;
    if (Outcome closed = out.Close(); !closed) {
        std::filesystem::remove(outPath, ignored);
        return Outcome::Fail("Cannot write " + path + ": " + ReasonOf(closed));
    }
    std::error_code renamed;
    std::filesystem::rename(outPath, path, renamed);
    if (renamed) {
        std::filesystem::remove(outPath, ignored);
        return Outcome::Fail("Cannot write " + path + ": " + renamed.message());
    }
    return Outcome::Ok();
}

}  // namespace gw
