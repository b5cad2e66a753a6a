// Feeds arbitrary bytes to the scene decoder. Whatever it accepts must encode, decode back to
// the same scenes, and encode to the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "scenes/SceneCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = swivlo::decodeScenes(bytes);
    if (!decoded) {
        return 0;
    }
    // Decoded texts come from valid JSON, so they are UTF-8 and must encode.
    const auto encoded = swivlo::encodeScenes(*decoded);
    if (!encoded) {
        std::abort();
    }
    const auto again = swivlo::decodeScenes(*encoded);
    if (!again || *again != *decoded) {
        std::abort();
    }
    if (swivlo::encodeScenes(*again) != encoded) {
        std::abort();
    }
    return 0;
}
