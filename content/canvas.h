// The drawing kit of the show generator: a floating-point RGB canvas, filled
// shapes with a shading callback, lights, noise, and the film finish of a
// photograph. Every operation is deterministic: noise comes from integer
// hashes of the coordinates and a seed, never from a clock or a global state.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  float r, g, b;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
// Mixes a and b: t = 0 gives a, t = 1 gives b.
inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b + a * -1.0f) * t; }
// A colour from 0-255 components.
inline Rgb rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float smooth(float e0, float e1, float x) {
  float t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

struct Point {
  float x, y;
};

// A picture being drawn. Shapes take coordinates in drawing units, which
// `scale` maps to pixels, so one scene can be drawn at any size. Colours are
// 0..1 floats; values above 1 are light that the film
// finish rolls off softly instead of clipping.
struct Canvas {
  int width = 0;   // in pixels
  int height = 0;
  float scale = 1;  // pixels per drawing unit: shapes are given in units
  std::vector<Rgb> px;
  Rgb& at(int x, int y) { return px[static_cast<std::size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x]; }
};

// A canvas of width x height pixels, `scale` pixels per unit.
Canvas make_canvas(int width, int height, Rgb fill, float scale = 1);

// Lays colour c over d with opacity a.
inline void blend(Rgb& d, Rgb c, float a) { d = mix(d, c, clamp01(a)); }

// --- noise -----------------------------------------------------------------

// A hash of two integers and a seed, as a float in 0..1.
float hash01(int x, int y, std::uint32_t seed);
// Smooth value noise in 0..1 at (x, y), one cell per unit.
float value_noise(float x, float y, std::uint32_t seed);
// Fractal sum of `octaves` noise layers, 0..1.
float fbm(float x, float y, std::uint32_t seed, int octaves);

// A small deterministic random sequence for placing things in a scene.
struct Dice {
  std::uint32_t state;
  explicit Dice(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
  std::uint32_t next();
  // Uniform in [lo, hi).
  float range(float lo, float hi);
};

// --- shapes ----------------------------------------------------------------
// Every shape calls shade(pixel, x, y) for each pixel whose centre lies
// inside it, with the centre in drawing units; the callback decides colour
// and opacity.

template <class Shade>
void fill_rect(Canvas& c, float x0, float y0, float x1, float y1, Shade shade) {
  const float k = c.scale, inv = 1 / c.scale;
  int ix0 = std::max(0, static_cast<int>(std::ceil(x0 * k - 0.5f)));
  int ix1 = std::min(c.width - 1, static_cast<int>(std::floor(x1 * k - 0.5f)));
  int iy0 = std::max(0, static_cast<int>(std::ceil(y0 * k - 0.5f)));
  int iy1 = std::min(c.height - 1, static_cast<int>(std::floor(y1 * k - 0.5f)));
  for (int y = iy0; y <= iy1; ++y)
    for (int x = ix0; x <= ix1; ++x) shade(c.at(x, y), (x + 0.5f) * inv, (y + 0.5f) * inv);
}

template <class Shade>
void fill_polygon(Canvas& c, const std::vector<Point>& pts, Shade shade) {
  if (pts.size() < 3) return;
  const float k = c.scale, inv = 1 / c.scale;
  float top = pts[0].y, bottom = pts[0].y;
  for (const Point& p : pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  int iy0 = std::max(0, static_cast<int>(std::floor(top * k)));
  int iy1 = std::min(c.height - 1, static_cast<int>(std::ceil(bottom * k)));
  std::vector<float> xs;
  for (int y = iy0; y <= iy1; ++y) {
    float sy = (y + 0.5f) * inv;
    xs.clear();
    for (std::size_t i = 0; i < pts.size(); ++i) {
      Point a = pts[i], b = pts[(i + 1) % pts.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
        xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      int ix0 = std::max(0, static_cast<int>(std::ceil(xs[i] * k - 0.5f)));
      int ix1 = std::min(c.width - 1, static_cast<int>(std::floor(xs[i + 1] * k - 0.5f)));
      for (int x = ix0; x <= ix1; ++x) shade(c.at(x, y), (x + 0.5f) * inv, sy);
    }
  }
}

template <class Shade>
void fill_ellipse(Canvas& c, float cx, float cy, float rx, float ry, Shade shade) {
  const float k = c.scale, inv = 1 / c.scale;
  int iy0 = std::max(0, static_cast<int>((cy - ry) * k - 1));
  int iy1 = std::min(c.height - 1, static_cast<int>((cy + ry) * k + 1));
  int ix0 = std::max(0, static_cast<int>((cx - rx) * k - 1));
  int ix1 = std::min(c.width - 1, static_cast<int>((cx + rx) * k + 1));
  for (int y = iy0; y <= iy1; ++y)
    for (int x = ix0; x <= ix1; ++x) {
      float px = (x + 0.5f) * inv, py = (y + 0.5f) * inv;
      float dx = (px - cx) / rx, dy = (py - cy) / ry;
      if (dx * dx + dy * dy <= 1) shade(c.at(x, y), px, py);
    }
}

// Runs shade over every pixel of the canvas.
template <class Shade>
void fill_all(Canvas& c, Shade shade) {
  fill_rect(c, 0, 0, c.width / c.scale, c.height / c.scale, shade);
}

// A thick line from a to b with round ends.
template <class Shade>
void stroke(Canvas& c, Point a, Point b, float width, Shade shade) {
  const float k = c.scale, inv = 1 / c.scale;
  float r = width * 0.5f;
  int ix0 = std::max(0, static_cast<int>((std::min(a.x, b.x) - r) * k - 1));
  int ix1 = std::min(c.width - 1, static_cast<int>((std::max(a.x, b.x) + r) * k + 1));
  int iy0 = std::max(0, static_cast<int>((std::min(a.y, b.y) - r) * k - 1));
  int iy1 = std::min(c.height - 1, static_cast<int>((std::max(a.y, b.y) + r) * k + 1));
  float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  for (int y = iy0; y <= iy1; ++y)
    for (int x = ix0; x <= ix1; ++x) {
      float qx = (x + 0.5f) * inv, qy = (y + 0.5f) * inv;
      float px = qx - a.x, py = qy - a.y;
      float t = len2 > 0 ? clamp01((px * dx + py * dy) / len2) : 0;
      float ex = px - t * dx, ey = py - t * dy;
      if (ex * ex + ey * ey <= r * r) shade(c.at(x, y), qx, qy);
    }
}

// --- ready-made shades --------------------------------------------------------

// A flat colour at opacity a.
inline auto solid(Rgb col, float a = 1.0f) {
  return [=](Rgb& d, float, float) { blend(d, col, a); };
}
// A vertical gradient from c0 at y0 to c1 at y1.
inline auto vgrad(float y0, Rgb c0, float y1, Rgb c1, float a = 1.0f) {
  return [=](Rgb& d, float, float y) { blend(d, mix(c0, c1, clamp01((y - y0) / (y1 - y0))), a); };
}

// Adds a round glow of colour col around (cx, cy), falling off to nothing at
// radius r.
void glow(Canvas& c, float cx, float cy, float r, Rgb col);
// Adds a beam of light from `from` towards `to`, `spread` wide at the far end,
// fading with distance.
void beam(Canvas& c, Point from, Point to, float spread, Rgb col);
// Darkens the canvas towards its corners.
void vignette(Canvas& c, float strength);
// Spreads the brightest light into a soft halo, as a lens does.
void bloom(Canvas& c, float threshold, float amount);
// Draws a line of text with the show's glyph shapes, each glyph pixel a
// square of `scale` canvas pixels.
void draw_glyph_text(Canvas& c, const char* text, float x, float y, float scale, Rgb col,
                     float a = 1.0f);
// Width in canvas pixels of draw_glyph_text's text.
float glyph_text_width(const char* text, float scale);

// --- output --------------------------------------------------------------------

// Halves the canvas in both directions, averaging each 2 x 2 block: shapes
// are drawn at twice the size and come out with smooth edges.
Canvas downsample2(const Canvas& c);
// The film finish of a photograph: soft roll-off of bright light, a touch of
// warmth and grain. Returns 8-bit RGB rows, top row first.
std::vector<std::uint8_t> develop(const Canvas& c, std::uint32_t grain_seed, float grain);

// Writes 8-bit RGB rows as a baseline JPEG of the given quality.
void write_jpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb,
                int quality);
// Reads a JPEG the way the program does (libjpeg defaults) into 8-bit RGB.
std::vector<std::uint8_t> read_jpeg(const std::string& path, int& width, int& height);
// Writes 32-bit pixels (blue in bits 0-7, green 8-15, red 16-23, alpha 24-31),
// top row first, as an uncompressed TGA.
void write_tga32(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels);
// Writes raw bytes to a file; ends the generator on failure.
void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);
