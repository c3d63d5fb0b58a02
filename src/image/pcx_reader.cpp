// The PCX reader: 256-colour pictures, one run-length stream of palette
// indexes and the 768-byte palette at the end of the file.
#include <vector>

#include "app/display.h"
#include "image/reader_support.h"
#include "image/readers.h"

namespace {
constexpr std::size_t PCX_EDGES_OFFSET = 8;  // right edge, then bottom edge
constexpr std::size_t PCX_DATA_OFFSET = 128;
constexpr std::size_t PALETTE_BYTES = 768;
constexpr std::uint8_t PCX_RUN_BASE = 192;  // bytes above this start a run
}  // namespace

void read_pcx(const char* path, Image& image) {
  std::vector<unsigned char> bytes;
  read_image_file(path, bytes);
  read_pcx_bytes(bytes.data(), bytes.size(), image, path);
}

void read_pcx_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path) {
  ByteReader file{data, size};
  // The left and top edges are taken as 0, whatever the file holds.
  std::uint8_t edges[4] = {};
  seek_bytes(file, PCX_EDGES_OFFSET);
  read_bytes(file, edges, sizeof edges);
  image.width = (edges[0] | edges[1] << 8) + 1;
  image.bits_per_pixel = 8;
  image.height = (edges[2] | edges[3] << 8) + 1;

  std::uint64_t count = static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height);
  // Zeroed, so that pixels a short stream does not reach are defined.
  std::unique_ptr<std::uint32_t[]> pixels = allocate_pixel_words(image.width, image.height, 1, true);
  std::unique_ptr<std::uint8_t[]> palette(new (std::nothrow) std::uint8_t[PALETTE_BYTES]());
  if (pixels == nullptr || palette == nullptr) report_fatal("could not load image", path);

  // One stream for the whole picture: rows, planes and bytes per line are not
  // consulted, so a run may carry on into the next row.
  std::uint8_t* out = reinterpret_cast<std::uint8_t*>(pixels.get());
  seek_bytes(file, PCX_DATA_OFFSET);
  std::uint64_t i = 0;
  std::uint8_t code = 0;
  while (i < count && read_byte(file, code)) {
    if (code <= PCX_RUN_BASE) {
      out[i++] = code;
      continue;
    }
    std::uint8_t value = 0;
    if (!read_byte(file, value)) break;
    std::uint64_t run = code - PCX_RUN_BASE;
    if (run > count - i) run = count - i;  // a run stops at the end of the buffer
    std::memset(out + i, value, run);
    i += run;
  }

  // The palette is the last 768 bytes, whatever precedes them; a file shorter
  // than that leaves it all zero.
  if (size >= PALETTE_BYTES) std::memcpy(palette.get(), data + size - PALETTE_BYTES, PALETTE_BYTES);

  image.pixels = std::move(pixels);
  image.palette = std::move(palette);
}
