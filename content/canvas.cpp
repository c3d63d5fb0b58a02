// The drawing kit of the show generator: noise, lights, lettering, the film
// finish and the JPEG and TGA writers.
#include "canvas.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "glyphs.h"

Canvas make_canvas(int width, int height, Rgb fill, float scale) {
  Canvas c;
  c.scale = scale;
  c.width = width;
  c.height = height;
  c.px.assign(static_cast<std::size_t>(width) * height, fill);
  return c;
}

float hash01(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffffu) / 16777216.0f;
}

float value_noise(float x, float y, std::uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  float a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
  float c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += value_noise(x, y, seed + i * 101u) * amp;
    norm += amp;
    x *= 2.03f;
    y *= 2.03f;
    amp *= 0.5f;
  }
  return sum / norm;
}

std::uint32_t Dice::next() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

float Dice::range(float lo, float hi) { return lo + (hi - lo) * ((next() >> 8) / 16777216.0f); }

void glow(Canvas& c, float cx, float cy, float r, Rgb col) {
  fill_rect(c, cx - r, cy - r, cx + r, cy + r, [&](Rgb& d, float x, float y) {
    float t = 1 - std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
    if (t > 0) d = d + col * (t * t);
  });
}

void beam(Canvas& c, Point from, Point to, float spread, Rgb col) {
  float dx = to.x - from.x, dy = to.y - from.y;
  float len = std::sqrt(dx * dx + dy * dy);
  float ux = dx / len, uy = dy / len;
  float half = spread * 0.5f;
  std::vector<Point> quad = {{from.x - uy * 2, from.y + ux * 2},
                             {to.x - uy * half, to.y + ux * half},
                             {to.x + uy * half, to.y - ux * half},
                             {from.x + uy * 2, from.y - ux * 2}};
  fill_polygon(c, quad, [&](Rgb& d, float x, float y) {
    float px = x - from.x, py = y - from.y;
    float along = (px * ux + py * uy) / len;
    float across = std::fabs(px * -uy + py * ux);
    float width = 2 + (half - 2) * along;
    float edge = 1 - clamp01(across / width);
    float fade = (1 - along * 0.75f);
    d = d + col * (edge * edge * fade);
  });
}

void vignette(Canvas& c, float strength) {
  float cx = c.width * 0.5f / c.scale, cy = c.height * 0.5f / c.scale;
  fill_all(c, [&](Rgb& d, float x, float y) {
    float dx = (x - cx) / cx, dy = (y - cy) / cy;
    float k = 1 - strength * smooth(0.3f, 1.6f, dx * dx + dy * dy);
    d = d * k;
  });
}

void bloom(Canvas& c, float threshold, float amount) {
  // Bright parts, blurred with three passes of a box filter in each direction.
  Canvas hi = make_canvas(c.width, c.height, {0, 0, 0}, c.scale);
  for (std::size_t i = 0; i < c.px.size(); ++i) {
    Rgb p = c.px[i];
    float l = (p.r + p.g + p.b) / 3;
    if (l > threshold) hi.px[i] = p * ((l - threshold) / l);
  }
  const int r = c.width / 60 + 1;
  std::vector<Rgb> line;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < c.height; ++y) {
      line.assign(c.width, {0, 0, 0});
      for (int x = 0; x < c.width; ++x) {
        Rgb s{0, 0, 0};
        for (int k = -r; k <= r; ++k) s = s + hi.at(std::clamp(x + k, 0, c.width - 1), y);
        line[x] = s * (1.0f / (2 * r + 1));
      }
      for (int x = 0; x < c.width; ++x) hi.at(x, y) = line[x];
    }
    for (int x = 0; x < c.width; ++x) {
      line.assign(c.height, {0, 0, 0});
      for (int y = 0; y < c.height; ++y) {
        Rgb s{0, 0, 0};
        for (int k = -r; k <= r; ++k) s = s + hi.at(x, std::clamp(y + k, 0, c.height - 1));
        line[y] = s * (1.0f / (2 * r + 1));
      }
      for (int y = 0; y < c.height; ++y) hi.at(x, y) = line[y];
    }
  }
  for (std::size_t i = 0; i < c.px.size(); ++i) c.px[i] = c.px[i] + hi.px[i] * amount;
}

float glyph_text_width(const char* text, float scale) {
  int n = 0;
  while (text[n] != 0) ++n;
  return n == 0 ? 0 : (n * (GLYPH_WIDTH + 2) - 2) * scale;
}

void draw_glyph_text(Canvas& c, const char* text, float x, float y, float scale, Rgb col, float a) {
  for (int j = 0; text[j] != 0; ++j) {
    const char* const* rows = glyph_rows(text[j]);
    if (rows == nullptr) continue;
    float gx = x + j * (GLYPH_WIDTH + 2) * scale;
    for (int r = 0; r < GLYPH_HEIGHT; ++r)
      for (int k = 0; k < GLYPH_WIDTH; ++k)
        if (rows[r][k] == '#')
          fill_rect(c, gx + k * scale, y + r * scale, gx + (k + 1) * scale, y + (r + 1) * scale, solid(col, a));
  }
}

Canvas downsample2(const Canvas& c) {
  Canvas out = make_canvas(c.width / 2, c.height / 2, {0, 0, 0}, c.scale / 2);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.at(x, y) = (c.at(2 * x, 2 * y) + c.at(2 * x + 1, 2 * y) + c.at(2 * x, 2 * y + 1) +
                      c.at(2 * x + 1, 2 * y + 1)) *
                     0.25f;
  return out;
}

namespace {

// Rolls light above 0.8 off towards 1 instead of clipping it.
float roll_off(float v) {
  if (v < 0.8f) return std::max(0.0f, v);
  return 0.8f + 0.2f * (1 - std::exp(-(v - 0.8f) * 5));
}

std::uint8_t to_byte(float v) { return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255)); }

}  // namespace

std::vector<std::uint8_t> develop(const Canvas& c, std::uint32_t grain_seed, float grain) {
  std::vector<std::uint8_t> out;
  out.reserve(c.px.size() * 3);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      Rgb p = c.at(x, y);
      float n = (hash01(x, y, grain_seed) + hash01(x + 7, y + 3, grain_seed + 1) - 1) * grain;
      out.push_back(to_byte(roll_off(p.r) + n));
      out.push_back(to_byte(roll_off(p.g) + n));
      out.push_back(to_byte(roll_off(p.b) + n));
    }
  return out;
}

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path) {
  std::fprintf(stderr, "make_show: %s: %s\n", what.c_str(), path.c_str());
  std::exit(1);
}

}  // namespace

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) fail("cannot write", path);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) fail("cannot write", path);
}

void write_jpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb,
                int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.dct_method = JDCT_ISLOW;  // exact integer transform: the same bytes everywhere
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&rgb[static_cast<std::size_t>(cinfo.next_scanline) * width * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  write_file(path, bytes);
}

std::vector<std::uint8_t> read_jpeg(const std::string& path, int& width, int& height) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) fail("cannot read", path);
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  jpeg_start_decompress(&cinfo);
  width = cinfo.output_width;
  height = cinfo.output_height;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &rgb[static_cast<std::size_t>(cinfo.output_scanline) * width * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  return rgb;
}

void write_tga32(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint8_t> bytes(18, 0);
  bytes[2] = 2;  // uncompressed true colour
  bytes[12] = width & 0xff;
  bytes[13] = width >> 8;
  bytes[14] = height & 0xff;
  bytes[15] = height >> 8;
  bytes[16] = 32;
  bytes[17] = 8;  // eight attribute bits, rows stored bottom first
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      bytes.push_back(p & 0xff);
      bytes.push_back((p >> 8) & 0xff);
      bytes.push_back((p >> 16) & 0xff);
      bytes.push_back(p >> 24);
    }
  write_file(path, bytes);
}
