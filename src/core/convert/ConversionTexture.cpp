#include "core/convert/ConversionTexture.h"

namespace gw {

Outcome BuildConversionTexture(const std::string&, const std::string&, const std::string&, StatusSink&) {
    return Outcome::Fail(kTextureBuilderMissing);
}

}  // namespace gw
