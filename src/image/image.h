// The decoded picture record and the one entry point that loads a file into it.
#pragma once

#include <cstdint>
#include <memory>

// A decoded picture. 32-bit pixels are little-endian words: blue in bits 0-7,
// green 8-15, red 16-23, the fourth byte in 24-31 (the framebuffer's format).
// 24-bit pixels are blue, green, red; 16-bit pixels the file's word; 8-bit
// pixels palette indexes. Rows are top first and packed.
struct Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint8_t bits_per_pixel = 0;
  // height rows of width pixels, held in whole words (the byte size rounded
  // up to a multiple of 4) so that 32-bit pictures are read as words.
  std::unique_ptr<std::uint32_t[]> pixels;
  std::unique_ptr<std::uint8_t[]> palette;  // 768 bytes for 8-bit images, else none
};

// Largest picture a reader accepts, in pixels (4096 x 4096); anything larger
// is "could not load image".
constexpr std::uint64_t MAX_IMAGE_PIXELS = 4096ull * 4096ull;

// Picks the reader by the last three characters of `path` ("tga", "jpg",
// "pcx", case-sensitive) and fills `image`. A path with no recognised ending
// leaves `image` as it was. A file that cannot be loaded ends the program
// through report_fatal.
void load_image_by_extension(const char* path, Image& image);

// The pixel buffer as bytes, for readers and for pictures of other depths.
inline std::uint8_t* image_bytes(Image& image) {
  return reinterpret_cast<std::uint8_t*>(image.pixels.get());
}
inline const std::uint8_t* image_bytes(const Image& image) {
  return reinterpret_cast<const std::uint8_t*>(image.pixels.get());
}

// Loads `path` and ends the program with "unsupported format" unless it holds
// a 32-bit picture of exactly width x height (the size it will be drawn at).
void load_image_checked(const char* path, Image& image, int width, int height);
