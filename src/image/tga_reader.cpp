// The TGA reader: uncompressed pictures of depth 8, 16, 24 or 32, taken as
// stored (bottom row first in the file, top row first in the record).
#include <vector>

#include "app/display.h"
#include "image/reader_support.h"
#include "image/readers.h"

namespace {
constexpr std::size_t TGA_HEADER_BYTES = 18;
constexpr std::size_t PALETTE_BYTES = 768;
}  // namespace

void read_tga(const char* path, Image& image) {
  std::vector<unsigned char> bytes;
  read_image_file(path, bytes);
  read_tga_bytes(bytes.data(), bytes.size(), image, path);
}

void read_tga_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path) {
  ByteReader file{data, size};
  // Only width, height and depth are read; a header cut short reads as zeros.
  std::uint8_t header[TGA_HEADER_BYTES] = {};
  read_bytes(file, header, sizeof header);
  image.width = header[12] | header[13] << 8;
  image.height = header[14] | header[15] << 8;
  image.bits_per_pixel = header[16];
  unsigned depth = header[16];
  if (depth != 8 && depth != 16 && depth != 24 && depth != 32) report_fatal("unsupported format", path);

  std::size_t width = static_cast<std::size_t>(image.width);
  std::size_t height = static_cast<std::size_t>(image.height);
  unsigned bytes_per_pixel = depth / 8;
  // Zeroed, so that rows a short file does not hold are defined.
  std::unique_ptr<std::uint32_t[]> pixels = allocate_pixel_words(width, height, bytes_per_pixel, true);
  if (pixels == nullptr) report_fatal("could not load image", path);
  std::unique_ptr<std::uint8_t[]> palette;
  if (depth == 8) {
    palette.reset(new (std::nothrow) std::uint8_t[PALETTE_BYTES]());
    if (palette == nullptr) report_fatal("could not load image", path);
    read_bytes(file, palette.get(), PALETTE_BYTES);
  }

  // The file holds the bottom row first: row j of the file is row height-1-j.
  std::uint8_t* rows = reinterpret_cast<std::uint8_t*>(pixels.get());
  std::size_t row_bytes = width * bytes_per_pixel;
  for (std::size_t j = 0; j < height; ++j)
    read_bytes(file, rows + (height - 1 - j) * row_bytes, row_bytes);

  image.pixels = std::move(pixels);
  image.palette = std::move(palette);
}
