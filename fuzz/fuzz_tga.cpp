// Fuzz target: read_tga_bytes on arbitrary bytes. A fatal ending is a
// normal outcome; only a sanitizer finding or a crash is a failure.
#include <cstddef>
#include <cstdint>

#include "fuzz_platform.h"
#include "image/readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (header_field(data, size, 12) * header_field(data, size, 14) > FUZZ_MAX_PIXELS) return 0;
  Image image;
  try {
    read_tga_bytes(data, size, image, "fuzz.tga");
    touch_image(image);
  } catch (const FatalEnding&) {
  }
  return 0;
}
