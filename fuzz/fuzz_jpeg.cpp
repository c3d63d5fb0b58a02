// Fuzz target: read_jpeg_bytes on arbitrary bytes. libjpeg's errors go through
// the silent message box and the jump back; a fatal ending is a normal
// outcome; only a sanitizer finding or a crash is a failure.
#include <cstddef>
#include <cstdint>

#include "fuzz_platform.h"
#include "image/readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Image image;
  try {
    read_jpeg_bytes(data, size, image, "fuzz.jpeg");
    touch_image(image);
  } catch (const FatalEnding&) {
  }
  return 0;
}
