// Fuzz target: read_jpeg_bytes on arbitrary bytes. libjpeg's errors go through
// the silent message box and the jump back; a fatal ending is a normal
// outcome; only a sanitizer finding or a crash is a failure.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include "fuzz_platform.h"
#include "image/readers.h"

namespace {

// Twice a 640 x 480 picture, the largest the program loads.
constexpr std::uint64_t FUZZ_MAX_JPEG_PIXELS = 640 * 480 * 2;

struct HeaderErrors {
  jpeg_error_mgr standard;
  std::jmp_buf resume_point;
};

void header_error(j_common_ptr info) { std::longjmp(reinterpret_cast<HeaderErrors*>(info->err)->resume_point, 1); }
void no_output(j_common_ptr) {}

// The pixel count the frame header claims, 0 when libjpeg cannot read the header.
std::uint64_t claimed_pixels(const std::uint8_t* data, std::size_t size) {
  jpeg_decompress_struct info{};
  HeaderErrors errors;
  info.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = header_error;
  errors.standard.output_message = no_output;
  std::uint64_t pixels = 0;
  if (setjmp(errors.resume_point) == 0) {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    pixels = static_cast<std::uint64_t>(info.image_width) * info.image_height;
  }
  jpeg_destroy_decompress(&info);
  return pixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Like libjpeg-turbo's own fuzzers, leave out pictures that decode slowly:
  // a few bytes can claim a picture that takes a second to fill with filler.
  if (claimed_pixels(data, size) > FUZZ_MAX_JPEG_PIXELS) return 0;
  Image image;
  try {
    read_jpeg_bytes(data, size, image, "fuzz.jpg");
    touch_image(image);
  } catch (const FatalEnding&) {
  }
  return 0;
}
