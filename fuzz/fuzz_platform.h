// The fuzz targets' stand-in for the fatal path, and a check that a loaded
// record's buffers are as large as its fields claim. report_fatal throws
// FatalEnding instead of ending the process, so an input the program would
// die on is one finished run for the fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/image.h"

struct FatalEnding {
  const char* message;
};

// The TGA and PCX targets skip headers that ask for more pixels than this, as
// libjpeg-turbo's own fuzzers do: a short file claiming 4096 x 4096 pixels
// costs tens of milliseconds of zeroing, which would take most of the run.
// The reader's own limit at 4096 x 4096 is covered by the unit tests.
constexpr std::uint64_t FUZZ_MAX_PIXELS = 1024 * 1024;

// The 16-bit little-endian header field at `offset`, 0 past the end.
inline std::uint64_t header_field(const std::uint8_t* data, std::size_t size, std::size_t offset) {
  if (offset + 1 >= size) return 0;
  return data[offset] | data[offset + 1] << 8;
}

// Reads the first and last byte of the pixels the record claims and the ends
// of its palette, so that the sanitizer reports a buffer smaller than
// width x height x depth says (reading every byte would make each run slow).
inline unsigned touch_image(const Image& image) {
  std::uint64_t bytes = static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height) *
                        (image.bits_per_pixel / 8u);
  unsigned sum = 0;
  const volatile std::uint8_t* pixels = image_bytes(image);
  if (bytes != 0) sum += pixels[0] + pixels[bytes / 2] + pixels[bytes - 1];
  if (image.palette != nullptr) sum += image.palette[0] + image.palette[767];
  return sum;
}
