// Writes the small seed corpus of the fuzz targets: a few TGA, PCX and JPEG
// files covering each depth, run-length case and JPEG coding mode the readers
// meet. Usage: make_fuzz_seeds <folder>; writes <folder>/{tga,pcx,jpeg}/.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "support/image_files.h"
#include "support/jpeg_encode.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t count, unsigned step) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * step);
  return bytes;
}

Bytes tga(unsigned width, unsigned height, unsigned depth, std::size_t data_bytes) {
  return fixture::make_tga(width, height, depth, pattern(data_bytes, 7));
}

Bytes pcx(unsigned right, unsigned bottom, const Bytes& data, bool with_palette) {
  Bytes file = fixture::make_pcx(right, bottom, data, with_palette ? pattern(768, 3) : Bytes{});
  if (!with_palette) file.pop_back();  // nor the palette's marker: the file ends inside its data
  return file;
}

Bytes jpeg(unsigned width, unsigned height, int components, J_COLOR_SPACE space,
           const fixture::JpegEncoding& how = {}) {
  Bytes samples(std::size_t{width} * height * components);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>((i * 37) ^ (i >> 5));
  return fixture::encode_jpeg(width, height, components, space, samples, how);
}

fixture::JpegEncoding mode(bool subsampled, bool progressive, bool arithmetic, unsigned restarts) {
  fixture::JpegEncoding how;
  how.quality = 80;
  how.subsampled = subsampled;
  how.progressive = progressive;
  how.arithmetic = arithmetic;
  how.restart_interval = restarts;
  return how;
}

bool write(const std::string& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds <folder>\n");
    return 2;
  }
  std::string root = argv[1];
  for (const char* sub : {"", "/tga", "/pcx", "/jpeg"}) mkdir((root + sub).c_str(), 0755);

  struct Seed {
    const char* name;
    Bytes bytes;
  };
  Bytes colour_jpeg = jpeg(24, 16, 3, JCS_RGB);
  Bytes cut_jpeg(colour_jpeg.begin(), colour_jpeg.begin() + colour_jpeg.size() / 2);
  const Seed seeds[] = {
      {"tga/depth8", tga(4, 3, 8, 768 + 12)},
      {"tga/depth16", tga(3, 2, 16, 12)},
      {"tga/depth24", tga(3, 2, 24, 18)},
      {"tga/depth32", tga(2, 2, 32, 16)},
      {"tga/short", tga(8, 8, 32, 10)},
      {"tga/height0", tga(5, 0, 24, 0)},
      {"pcx/runs", pcx(3, 2, {5, 192, 7, 193, 7, 196, 250, 1, 2, 3, 4}, true)},
      {"pcx/one_pixel", pcx(0, 0, {42}, true)},
      {"pcx/long_run", pcx(7, 7, {255, 9, 255, 9}, true)},
      {"pcx/short", pcx(3, 3, {200}, false)},
      {"jpeg/colour", colour_jpeg},
      {"jpeg/grey", jpeg(16, 8, 1, JCS_GRAYSCALE)},
      {"jpeg/progressive", jpeg(24, 16, 3, JCS_RGB, mode(false, true, false, 0))},
      {"jpeg/arithmetic", jpeg(16, 16, 3, JCS_RGB, mode(false, false, true, 0))},
      {"jpeg/subsampled", jpeg(32, 24, 3, JCS_RGB, mode(true, false, false, 0))},
      {"jpeg/restarts", jpeg(24, 16, 3, JCS_RGB, mode(false, false, false, 1))},
      {"jpeg/cmyk", jpeg(8, 8, 4, JCS_CMYK)},
      {"jpeg/cut", cut_jpeg},
  };
  for (const Seed& seed : seeds)
    if (!write(root + "/" + seed.name, seed.bytes)) {
      std::fprintf(stderr, "cannot write %s/%s\n", root.c_str(), seed.name);
      return 1;
    }
  return 0;
}
