// Reading the generated show in tests: raw bytes, uncompressed 32-bit TGA
// and JPEG through libjpeg itself, so that these checks do not depend on the
// program's own image readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "support/fake_platform.h"

namespace show_reading {

// The file at `relative` inside the show folder ('/' separators).
inline std::string show_path(const std::string& relative) { return fake::show_folder() + "/" + relative; }

// The program's "images\x.jpg" as the path of the file on disk.
inline std::string disk_path(const std::string& program_path) {
  std::string p = program_path;
  for (char& c : p)
    if (c == '\\') c = '/';
  return show_path(p);
}

inline std::vector<std::uint8_t> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
  bool ok = false;
  int width = 0, height = 0, depth = 0;
  std::vector<std::uint32_t> pixels;  // blue in bits 0-7 ... fourth byte in 24-31, top row first
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An uncompressed 32-bit TGA as the program reads it: no ID field, type 2,
// rows stored bottom first, and exactly the pixel bytes the header promises.
inline Picture read_tga32(const std::string& path) {
  Picture p;
  std::vector<std::uint8_t> b = read_bytes(path);
  if (b.size() < 18 || b[0] != 0 || b[2] != 2) return p;
  p.width = b[12] | b[13] << 8;
  p.height = b[14] | b[15] << 8;
  p.depth = b[16];
  if (p.depth != 32 || b.size() != 18 + static_cast<std::size_t>(p.width) * p.height * 4) return p;
  p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const std::uint8_t* q = &b[18 + (static_cast<std::size_t>(p.height - 1 - y) * p.width + x) * 4];
      p.pixels[static_cast<std::size_t>(y) * p.width + x] =
          q[0] | q[1] << 8 | q[2] << 16 | static_cast<std::uint32_t>(q[3]) << 24;
    }
  p.ok = true;
  return p;
}

// A JPEG decoded with libjpeg's defaults into 32-bit pixels, fourth byte 0.
inline Picture read_jpeg(const std::string& path) {
  Picture p;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return p;
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  p.width = cinfo.output_width;
  p.height = cinfo.output_height;
  p.depth = 32;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(p.width) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW r = row.data();
    jpeg_read_scanlines(&cinfo, &r, 1);
    for (int x = 0; x < p.width; ++x)
      p.pixels.push_back(static_cast<std::uint32_t>(row[x * 3]) << 16 | row[x * 3 + 1] << 8 | row[x * 3 + 2]);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  p.ok = true;
  return p;
}

}  // namespace show_reading
