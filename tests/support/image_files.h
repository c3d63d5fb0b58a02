// Image files built byte by byte: uncompressed TGA and 256-colour PCX, for
// the reader tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <vector>

namespace fixture {

using Bytes = std::vector<std::uint8_t>;

// An uncompressed TGA: the 18-byte header with width, height and depth, then `body`.
inline Bytes make_tga(unsigned width, unsigned height, unsigned depth, const Bytes& body) {
  Bytes file(18, 0);
  file[2] = 2;  // uncompressed true-colour; the reader does not look
  file[12] = width & 0xFF;
  file[13] = width >> 8;
  file[14] = height & 0xFF;
  file[15] = height >> 8;
  file[16] = static_cast<std::uint8_t>(depth);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

// A PCX: the 128-byte header with the left, right and bottom edges, the
// run-length data, a marker byte and the 768-byte palette.
inline Bytes make_pcx(unsigned right, unsigned bottom, const Bytes& data, const Bytes& palette,
                      unsigned left = 0, std::uint8_t marker = 12) {
  Bytes file(128, 0);
  file[0] = 10;
  file[1] = 5;
  file[2] = 1;
  file[3] = 8;
  file[4] = left & 0xFF;
  file[5] = left >> 8;
  file[8] = right & 0xFF;
  file[9] = right >> 8;
  file[10] = bottom & 0xFF;
  file[11] = bottom >> 8;
  file.insert(file.end(), data.begin(), data.end());
  file.push_back(marker);
  file.insert(file.end(), palette.begin(), palette.end());
  return file;
}

}  // namespace fixture
