// The 34 photographs of the show, one drawing function per slide, found by
// the file name in the slide table. Each scene is drawn at twice the size of
// the photograph and developed down to 320 x 240 (scene_kit.cpp). To change
// a picture, edit its function here; to add a slide, add its caption to the
// table in src/player/slide_table.cpp and a function here under its name.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "player/slide_table.h"
#include "scene_kit.h"
#include "show.h"

namespace {

constexpr float PI = 3.14159265f;

const Rgb WARM_LAMP = {1.0f, 0.7f, 0.4f};
const Rgb NIGHT_BLUE = {0.25f, 0.35f, 0.8f};

// --- props -----------------------------------------------------------------------

// Lines of text on a screen, drawn as short bars, as they look from a step away.
void text_lines(Canvas& c, float x0, float y0, float x1, float y1, Rgb col, std::uint32_t seed) {
  Dice d(seed);
  float lh = (y1 - y0) / 9;
  for (float y = y0 + lh * 0.5f; y < y1 - lh * 0.5f; y += lh) {
    float indent = static_cast<float>(d.next() % 3) * (x1 - x0) * 0.06f;
    float len = d.range(0.25f, 0.9f) * (x1 - x0 - indent);
    fill_rect(c, x0 + indent, y, x0 + indent + len, y + lh * 0.45f, solid(col, 0.9f));
  }
}

// A van seen from the side, facing left, back doors open when `open`.
void van(Canvas& c, float x, float ground_y, float len, Rgb col, bool open) {
  float h = len * 0.45f, top = ground_y - h - len * 0.08f;
  std::vector<Point> body = {{x, ground_y - len * 0.1f},     {x, top + h * 0.45f},         {x + len * 0.12f, top + h * 0.1f},
                             {x + len * 0.28f, top},         {x + len, top},               {x + len, ground_y - len * 0.1f}};
  fill_polygon(c, body, [&](Rgb& d, float, float y) { d = col * (1.1f - 0.5f * clamp01((y - top) / h)); });
  std::vector<Point> glass = {{x + len * 0.03f, top + h * 0.45f}, {x + len * 0.13f, top + h * 0.14f},
                              {x + len * 0.27f, top + h * 0.08f}, {x + len * 0.27f, top + h * 0.45f}};
  fill_polygon(c, glass, solid(Rgb{0.5f, 0.6f, 0.75f} * 0.6f));
  fill_rect(c, x + len * 0.3f, top + h * 0.55f, x + len * 0.98f, top + h * 0.6f, solid(col * 0.5f));
  stroke(c, {x + len * 0.29f, top + h * 0.1f}, {x + len * 0.29f, ground_y - len * 0.1f}, 0.6f, solid(col * 0.4f));
  if (open) {
    fill_rect(c, x + len, top + 2, x + len + len * 0.16f, ground_y - len * 0.12f, solid(col * 0.8f));
    fill_rect(c, x + len * 0.97f, top + 2, x + len, ground_y - len * 0.1f, solid(Rgb{0.05f, 0.05f, 0.06f}));
  }
  for (float wx : {x + len * 0.18f, x + len * 0.8f}) {
    fill_ellipse(c, wx, ground_y - len * 0.08f, len * 0.085f, len * 0.085f, solid(Rgb{0.03f, 0.03f, 0.03f}));
    fill_ellipse(c, wx, ground_y - len * 0.08f, len * 0.04f, len * 0.04f, solid(Rgb{0.45f, 0.45f, 0.48f}));
  }
  glow(c, x + 1, ground_y - len * 0.16f, 6, Rgb{1.0f, 0.9f, 0.6f});
}

// A cardboard box.
void box(Canvas& c, float x, float y, float w, float h, Rgb col) {
  fill_rect(c, x, y, x + w, y + h, surface(col, 41, 0.3f, 0.4f));
  fill_polygon(c, {{x, y}, {x + w * 0.25f, y - h * 0.25f}, {x + w * 1.25f, y - h * 0.25f}, {x + w, y}}, solid(col * 1.25f));
  fill_polygon(c, {{x + w, y}, {x + w * 1.25f, y - h * 0.25f}, {x + w * 1.25f, y + h * 0.75f}, {x + w, y + h}}, solid(col * 0.7f));
  stroke(c, {x + w * 0.5f, y}, {x + w * 0.5f, y + h * 0.3f}, w * 0.12f, solid(Rgb{0.75f, 0.68f, 0.45f}));
}

// The trophy of the event: a little brass lighthouse on a black plinth,
// base centre at (x, base_y), `h` tall, lit from the upper left.
void trophy(Canvas& c, float x, float base_y, float h) {
  Rgb brass = {0.95f, 0.7f, 0.3f};
  fill_rect(c, x - h * 0.28f, base_y - h * 0.18f, x + h * 0.28f, base_y, [&](Rgb& d, float px, float) {
    float s = (px - x) / (h * 0.28f);
    d = Rgb{0.06f, 0.05f, 0.05f} * (1.4f - 0.6f * s);
  });
  fill_rect(c, x - h * 0.2f, base_y - h * 0.13f, x + h * 0.2f, base_y - h * 0.07f, solid(brass * 0.7f));
  std::vector<Point> tower = {{x - h * 0.13f, base_y - h * 0.18f}, {x - h * 0.07f, base_y - h * 0.82f},
                              {x + h * 0.07f, base_y - h * 0.82f}, {x + h * 0.13f, base_y - h * 0.18f}};
  fill_polygon(c, tower, [&](Rgb& d, float px, float py) {
    float t = (base_y - py) / h;
    float half = 0.13f - 0.075f * (t - 0.18f) / 0.64f;
    float s = (px - x) / (h * half);  // -1 .. 1 across the tower
    float light = 0.35f + 0.9f * std::pow(clamp01(1 - std::fabs(s + 0.35f)), 2.0f) + 0.15f * (1 - s);
    float band = (static_cast<int>(t * 14) % 3 == 0) ? 0.8f : 1.0f;
    d = brass * (light * band);
  });
  fill_rect(c, x - h * 0.11f, base_y - h * 0.86f, x + h * 0.11f, base_y - h * 0.82f, solid(brass * 0.6f));
  fill_rect(c, x - h * 0.06f, base_y - h * 0.94f, x + h * 0.06f, base_y - h * 0.86f, solid(Rgb{1.4f, 1.2f, 0.8f}));
  fill_polygon(c, {{x - h * 0.08f, base_y - h * 0.94f}, {x, base_y - h}, {x + h * 0.08f, base_y - h * 0.94f}}, solid(brass * 0.8f));
  glow(c, x - h * 0.04f, base_y - h * 0.6f, h * 0.08f, Rgb{1.0f, 0.9f, 0.7f} * 0.6f);
}

// A stage: a dark platform whose front edge is at front_y.
void stage(Canvas& c, float x0, float x1, float top_y, float front_y, Rgb col) {
  fill_rect(c, x0, top_y, x1, front_y, [&](Rgb& d, float, float y) { d = col * (0.6f + 0.5f * clamp01((y - top_y) / (front_y - top_y))); });
  fill_rect(c, x0, front_y, x1, front_y + 14, solid(Rgb{0.02f, 0.02f, 0.025f}));
  stroke(c, {x0, front_y}, {x1, front_y}, 0.8f, solid(col * 1.6f));
}

// A steam plume rising from (x, y).
void steam(Canvas& c, float x, float y, float h, std::uint32_t seed) {
  fill_rect(c, x - h * 0.4f, y - h, x + h * 0.4f, y, [&](Rgb& d, float px, float py) {
    float t = (y - py) / h;
    float sway = std::sin(t * 5 + seed) * h * 0.08f * t;
    float w = h * (0.06f + 0.2f * t);
    float e = std::fabs(px - x - sway) / w;
    float n = fbm(px / 6, py / 6 + seed, seed, 3);
    float a = (1 - smooth(0.4f, 1.0f, e)) * (1 - t) * smooth(0.3f, 0.7f, n) * 0.6f;
    blend(d, Rgb{0.95f, 0.95f, 0.95f}, a);
  });
}

// A wooden floor seen from above at an angle, for tables and close-ups.
auto wood(Rgb col) {
  return [=](Rgb& d, float x, float y) {
    float grain = std::sin(x * 0.9f + fbm(x / 30, y / 4, 61, 3) * 12);
    d = col * (0.85f + 0.1f * grain + 0.1f * hash01(static_cast<int>(y / 9), 0, 62));
  };
}

// A keyboard in perspective between the four corners.
void keyboard(Canvas& c, Point tl, Point tr, Point br, Point bl, Rgb key, int rows, int cols) {
  fill_polygon(c, {tl, tr, br, bl}, solid(key * 0.45f));
  auto at = [&](float u, float v) {
    Point a = {tl.x + (tr.x - tl.x) * u, tl.y + (tr.y - tl.y) * u};
    Point b = {bl.x + (br.x - bl.x) * u, bl.y + (br.y - bl.y) * u};
    return Point{a.x + (b.x - a.x) * v, a.y + (b.y - a.y) * v};
  };
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < cols; ++k) {
      float u0 = (k + 0.12f) / cols, u1 = (k + 0.88f) / cols, v0 = (r + 0.12f) / rows, v1 = (r + 0.8f) / rows;
      if (r == rows - 1 && (k < 3 || k > cols - 4)) continue;
      if (r == rows - 1 && k == 3) u1 = (cols - 3.12f) / cols;
      if (r == rows - 1 && k > 3) continue;
      Point a = at(u0, v0), b = at(u1, v0), cc = at(u1, v1), d = at(u0, v1);
      fill_polygon(c, {a, b, cc, d}, [&](Rgb& px, float, float y) {
        px = key * (1.05f - 0.25f * clamp01((y - a.y) / std::max(0.1f, d.y - a.y)));
      });
      Point e = at(u0, v1 + 0.08f / rows), f = at(u1, v1 + 0.08f / rows);
      fill_polygon(c, {d, cc, f, e}, solid(key * 0.6f));
    }
}

// Paints for the big screens.
Rgb paint_tunnel(float u, float v) {
  float x = (u - 0.5f) * 1.6f, y = v - 0.5f;
  float r = std::sqrt(x * x + y * y) + 1e-3f, a = std::atan2(y, x);
  float depth = 0.3f / r;
  float ring = 0.5f + 0.5f * std::sin(depth * 14);
  float stripe = 0.5f + 0.5f * std::sin(a * 8 + depth * 3);
  float fade = clamp01(r * 2.2f);
  Rgb col = mix(Rgb{0.1f, 0.9f, 1.1f}, Rgb{1.2f, 0.2f, 0.9f}, stripe);
  return col * (ring * stripe * fade * 1.2f) + Rgb{0.02f, 0.02f, 0.05f};
}

Rgb paint_winter_valley(float u, float v) {
  // Drawn as pixel art is: a coarse grid of pixels in a few flat colours.
  float pu = std::floor(u * 96) / 96, pv = std::floor(v * 54) / 54;
  Rgb col = pv < 0.3f ? rgb8(70, 100, 170) : (pv < 0.42f ? rgb8(120, 140, 200) : rgb8(200, 170, 200));
  float far_ridge = 0.42f + 0.1f * std::fabs(std::sin(pu * 7.0f)) - 0.06f * std::sin(pu * 17);
  float near_ridge = 0.58f + 0.08f * std::sin(pu * 4 + 1) + 0.03f * std::sin(pu * 23);
  if (pv > far_ridge) col = pv < far_ridge + 0.05f ? rgb8(240, 245, 255) : rgb8(110, 120, 160);
  if (pv > near_ridge) col = pv < near_ridge + 0.04f ? rgb8(250, 250, 255) : rgb8(60, 70, 100);
  // The valley floor in snow, a frozen river winding through it.
  if (pv > 0.75f) {
    float river = 0.5f + 0.18f * std::sin(pv * 14);
    col = std::fabs(pu - river) < 0.03f + (pv - 0.75f) * 0.3f ? rgb8(150, 200, 235) : rgb8(235, 240, 250);
  }
  // Fir trees along the slopes.
  for (int t = 0; t < 9; ++t) {
    float tx = 0.06f + t * 0.11f, base = 0.8f + 0.04f * std::sin(t * 2.1f), h = 0.12f;
    if (pv < base && pv > base - h && std::fabs(pu - tx) < (pv - (base - h)) * 0.28f) col = rgb8(30, 70, 60);
  }
  if (pv < 0.3f && hash01(static_cast<int>(pu * 96), static_cast<int>(pv * 54), 171) > 0.97f) col = rgb8(255, 255, 255);
  return col;
}

Rgb paint_equaliser(float u, float v) {
  int bar = static_cast<int>(u * 24);
  float height = 0.25f + 0.6f * std::fabs(std::sin(bar * 1.7f) * std::cos(bar * 0.4f));
  float inside = (1 - v) < height && std::fmod(u * 24, 1.0f) < 0.75f && std::fmod(v * 30, 1.0f) < 0.7f;
  Rgb col = mix(Rgb{0.2f, 1.1f, 0.5f}, Rgb{1.2f, 0.3f, 0.2f}, (1 - v));
  return inside ? col : Rgb{0.03f, 0.03f, 0.08f};
}

Rgb paint_slide(float u, float v) {
  Rgb bg = {0.92f, 0.92f, 0.9f};
  float wave = 0.55f + 0.18f * std::sin(u * 40) * std::exp(-u * 2.5f);
  if (std::fabs(v - wave) < 0.025f && u > 0.1f && u < 0.9f) return {0.1f, 0.3f, 0.7f};
  if (v > 0.1f && v < 0.2f && u > 0.1f && u < 0.75f) return {0.15f, 0.15f, 0.2f};
  if (std::fabs(v - 0.55f) < 0.004f && u > 0.1f && u < 0.9f) return {0.5f, 0.5f, 0.5f};
  return bg;
}

Rgb paint_logo_screen(float u, float v) {
  float x = (u - 0.5f) * 1.6f, y = v - 0.55f;
  float r = std::sqrt(x * x + y * y);
  Rgb bgc = mix(Rgb{0.05f, 0.1f, 0.35f}, Rgb{0.02f, 0.03f, 0.1f}, r * 1.5f);
  float ringv = std::fabs(r - 0.28f) < 0.02f ? 1.0f : 0.0f;
  float wave = std::fabs(y - 0.08f * std::sin(x * 14)) < 0.025f && r < 0.28f ? 1.0f : 0.0f;
  return bgc + Rgb{0.4f, 0.9f, 1.2f} * (ringv + wave);
}

// --- the scenes ---------------------------------------------------------------------

void scene_tidewire_title(Canvas& c) {
  sky(c, rgb8(24, 32, 70), rgb8(235, 140, 90), 150);
  clouds(c, 3, 15, 95, rgb8(200, 110, 120), 0.5f);
  sun(c, 262, 140, 8, Rgb{1.6f, 1.1f, 0.7f}, Rgb{1.0f, 0.5f, 0.25f});
  hills(c, 4, 142, 22, 1.2f, rgb8(45, 35, 60), rgb8(160, 95, 105));
  sea(c, 5, 148, rgb8(170, 110, 115), rgb8(30, 35, 60), 262, Rgb{1.0f, 0.6f, 0.35f});
  fill_rect(c, 0, 176, 320, 240, surface(rgb8(60, 52, 55), 7, 0.2f, 0.5f));
  ferry_hall(c, 20, 240, 180, 44, rgb8(125, 62, 45), 0.9f);
  fill_rect(c, 82, 116, 178, 131, solid(rgb8(16, 40, 66)));
  stroke(c, {82, 116}, {178, 116}, 0.8f, solid(Rgb{0.9f, 0.7f, 0.3f}));
  stroke(c, {82, 131}, {178, 131}, 0.8f, solid(Rgb{0.9f, 0.7f, 0.3f}));
  draw_glyph_text(c, "TIDEWIRE 24", 130 - glyph_text_width("TIDEWIRE 24", 0.8f) / 2, 119.5f, 0.8f, Rgb{1.4f, 1.05f, 0.5f});
  fill_rect(c, 118, 152, 142, 180, solid(Rgb{1.5f, 1.05f, 0.6f}));
  glow(c, 130, 170, 45, Rgb{0.5f, 0.3f, 0.12f});
  Dice d(6);
  for (int i = 0; i < 11; ++i) {
    Figure f = some_figure(d.next(), Rgb{0.6f, 0.5f, 0.55f}, 0.55f);
    f.rim_col = Rgb{1.0f, 0.6f, 0.3f};
    f.rim = 0.5f;
    float feet = 192 + d.range(0, 40);
    person(c, 30 + i * 23 + d.range(-6, 6), feet, 20 + (feet - 192) * 0.7f, f, d.range(0, 1) < 0.4f, 0);
  }
  lighthouse(c, 292, 156, 46, Rgb{0.7f, 0.55f, 0.55f}, 1.0f);
}

void scene_departure(Canvas& c) {
  sky(c, rgb8(30, 40, 80), rgb8(240, 170, 120), 160);
  stars(c, 21, 60, 40);
  clouds(c, 22, 50, 120, rgb8(230, 150, 140), 0.35f);
  // Terraced houses across the street, windows still dark or just lit.
  for (int i = 0; i < 7; ++i) {
    float x0 = i * 48 - 10, top = 70 + (i % 3) * 8;
    fill_rect(c, x0, top, x0 + 46, 175, solid(rgb8(40, 38, 52) * (0.9f + 0.1f * (i % 2))));
    fill_polygon(c, {{x0 - 2, top}, {x0 + 23, top - 18}, {x0 + 48, top}}, solid(rgb8(28, 26, 38)));
    for (int w = 0; w < 4; ++w) {
      float wx = x0 + 6 + (w % 2) * 22, wy = top + 14 + (w / 2) * 32;
      bool lit = hash01(i, w, 23) > 0.65f;
      fill_rect(c, wx, wy, wx + 12, wy + 16, solid(lit ? Rgb{1.2f, 0.8f, 0.4f} : rgb8(60, 70, 100)));
      if (lit) glow(c, wx + 6, wy + 8, 20, Rgb{0.25f, 0.15f, 0.05f});
    }
  }
  fill_rect(c, 0, 175, 320, 240, [&](Rgb& px, float x, float y) {
    px = rgb8(55, 55, 68) * (0.8f + 0.3f * fbm(x / 8, y / 3, 24, 3)) + Rgb{0.3f, 0.2f, 0.12f} * (0.4f * clamp01((y - 175) / 65));
  });
  fill_rect(c, 0, 173, 320, 177, solid(rgb8(90, 88, 96)));
  // A street lamp and the van being loaded.
  stroke(c, {40, 180}, {40, 60}, 2.2f, solid(rgb8(20, 20, 25)));
  stroke(c, {40, 60}, {55, 58}, 1.8f, solid(rgb8(20, 20, 25)));
  glow(c, 56, 62, 60, Rgb{0.6f, 0.45f, 0.2f});
  glow(c, 56, 62, 6, Rgb{1.5f, 1.2f, 0.7f});
  van(c, 70, 206, 150, rgb8(225, 225, 215), true);
  box(c, 238, 188, 22, 18, rgb8(160, 115, 70));
  box(c, 243, 172, 16, 14, rgb8(150, 108, 66));
  // A monitor carried by someone at the back of the van.
  Figure f = some_figure(25, Rgb{1, 1, 1}, 0.75f);
  person(c, 270, 214, 62, f, true, 2);
  fill_rect(c, 256, 147, 284, 168, solid(rgb8(30, 30, 34)));
  fill_rect(c, 258, 149, 282, 165, solid(rgb8(60, 70, 90)));
}

void scene_road_north(Canvas& c) {
  sky(c, rgb8(90, 130, 190), rgb8(250, 215, 170), 120);
  sun(c, 200, 96, 7, Rgb{1.7f, 1.5f, 1.1f}, Rgb{1.0f, 0.7f, 0.4f});
  clouds(c, 31, 10, 70, rgb8(255, 235, 220), 0.4f);
  hills(c, 32, 102, 40, 0.8f, rgb8(90, 100, 130), rgb8(220, 190, 180));
  haze(c, Rgb{0.25f, 0.2f, 0.18f}, 0.12f);
  hills(c, 33, 130, 45, 1.1f, rgb8(55, 80, 75), rgb8(190, 170, 160));
  // Fog lying in the valley.
  fill_rect(c, 0, 118, 320, 160, [&](Rgb& d, float x, float y) {
    float n = fbm(x / 50, y / 8, 34, 4);
    blend(d, Rgb{0.95f, 0.9f, 0.88f}, smooth(0.35f, 0.7f, n) * std::sin(PI * (y - 118) / 42) * 0.8f);
  });
  hills(c, 35, 170, 30, 1.5f, rgb8(50, 75, 40), rgb8(140, 140, 110));
  road(c, 120, 300, {205, 150}, -60, rgb8(70, 68, 72), Rgb{0.95f, 0.9f, 0.7f});
  Dice d(36);
  for (int i = 0; i < 26; ++i) {
    float x = d.range(0, 320), y = d.range(165, 200);
    if (x > 40 && x < 240 && y > 170) continue;
    fir(c, x, y, 10 + (y - 160) * 0.5f, rgb8(20, 40, 30));
  }
  // The van on the road, seen from behind.
  fill_rect(c, 150, 171, 172, 189, solid(rgb8(220, 220, 210)));
  fill_rect(c, 152, 173, 170, 181, solid(rgb8(70, 80, 90)));
  glow(c, 152, 186, 4, Rgb{1.5f, 0.2f, 0.1f});
  glow(c, 170, 186, 4, Rgb{1.5f, 0.2f, 0.1f});
}

void scene_first_sea(Canvas& c) {
  sky(c, rgb8(120, 150, 185), rgb8(225, 230, 230), 95);
  clouds(c, 41, 0, 80, rgb8(245, 245, 245), 0.6f);
  sea(c, 42, 95, rgb8(190, 200, 205), rgb8(70, 95, 110), 200, Rgb{0.9f, 0.9f, 0.9f});
  // The far shore and the town by the water.
  hills(c, 43, 97, 10, 2.0f, rgb8(95, 110, 115), rgb8(170, 180, 185));
  Dice d(44);
  for (int i = 0; i < 30; ++i) {
    float x = 40 + d.range(0, 140), w = d.range(3, 7), h = d.range(3, 8);
    fill_rect(c, x, 120 - h, x + w, 121, solid(mix(rgb8(200, 190, 180), rgb8(150, 80, 60), d.range(0, 1))));
  }
  fill_rect(c, 35, 120, 190, 123, solid(rgb8(70, 75, 70)));
  // The hill we stand on, with grass and a stone wall.
  std::vector<Point> hill = {{-2, 150}, {60, 160}, {150, 175}, {250, 170}, {322, 150}, {322, 242}, {-2, 242}};
  fill_polygon(c, hill, [&](Rgb& px, float x, float y) {
    float n = fbm(x / 4, y / 2, 45, 4);
    px = mix(rgb8(110, 130, 60), rgb8(60, 85, 40), n) * (1 - 0.2f * clamp01((y - 150) / 90));
  });
  for (float x = 0; x < 320; x += 7) {
    float y = 190 + std::sin(x / 40) * 6;
    fill_ellipse(c, x, y, 4.5f, 3, surface(rgb8(150, 145, 135), 46, 0.5f, 0.5f));
  }
  for (int i = 0; i < 3; ++i) {
    Figure f = some_figure(47 + i, Rgb{1, 1, 1}, 0.85f);
    person(c, 200 + i * 18, 232 - i * 2, 54 - i * 3, f, false, i == 1 ? 1 : 0);
  }
}

void scene_ferry_hall(Canvas& c) {
  sky(c, rgb8(20, 25, 60), rgb8(130, 90, 120), 130);
  stars(c, 51, 90, 70);
  clouds(c, 52, 40, 110, rgb8(120, 80, 110), 0.35f);
  sea(c, 53, 168, rgb8(40, 35, 60), rgb8(10, 12, 25), 140, Rgb{0.9f, 0.55f, 0.25f});
  ferry_hall(c, 30, 290, 160, 55, rgb8(130, 65, 48), 1.0f);
  fill_rect(c, 0, 160, 320, 168, solid(rgb8(40, 38, 42)));
  // The windows mirrored in the harbour water.
  fill_rect(c, 30, 168, 290, 240, [&](Rgb& d, float x, float y) {
    float wob = std::sin(y * 1.3f + fbm(x / 5, y / 2, 54, 2) * 6) * 3;
    int n = 16;
    float step = 260.0f / n;
    float local = std::fmod(x - 30 + wob, step) / step;
    float a = (std::fabs(local - 0.5f) < 0.14f) ? 0.35f * (1 - (y - 168) / 80) : 0;
    d = d + Rgb{1.0f, 0.6f, 0.25f} * a;
  });
  // Bollards and a lamp post on the quay.
  for (float x : {15.0f, 120.0f, 230.0f}) fill_rect(c, x, 154, x + 4, 162, solid(rgb8(15, 15, 18)));
  stroke(c, {305, 160}, {305, 100}, 1.6f, solid(rgb8(15, 15, 18)));
  glow(c, 305, 100, 30, Rgb{0.8f, 0.6f, 0.3f});
  glow(c, 305, 100, 3, Rgb{2, 1.6f, 1});
}

void scene_entrance(Canvas& c) {
  sky(c, rgb8(25, 30, 60), rgb8(70, 60, 90), 100);
  fill_rect(c, 0, 0, 320, 200, [&](Rgb& d, float x, float y) {
    float row = std::floor(y / 3.2f);
    float brick = hash01(static_cast<int>(x / 6.4f + row * 0.5f), static_cast<int>(row), 61);
    d = rgb8(110, 55, 42) * (0.7f + 0.25f * brick) * (std::fmod(y, 3.2f) < 0.5f ? 0.7f : 1.0f);
  });
  // The open door, warm light spilling out.
  fill_rect(c, 120, 60, 200, 200, solid(Rgb{1.4f, 1.05f, 0.65f}));
  fill_ellipse(c, 160, 60, 40, 22, solid(Rgb{1.4f, 1.05f, 0.65f}));
  glow(c, 160, 150, 150, Rgb{0.45f, 0.3f, 0.15f});
  fill_rect(c, 0, 200, 320, 240, surface(rgb8(70, 62, 60), 62, 0.15f, 0.4f));
  fill_polygon(c, {{120, 200}, {200, 200}, {250, 240}, {70, 240}}, solid(Rgb{0.6f, 0.42f, 0.25f}, 0.5f));
  // A sign by the door.
  fill_rect(c, 215, 80, 300, 118, solid(rgb8(20, 45, 70)));
  draw_glyph_text(c, "TIDEWIRE", 222, 86, 0.6f, Rgb{1.2f, 0.95f, 0.5f});
  draw_glyph_text(c, "ENTRANCE", 222, 100, 0.6f, Rgb{0.8f, 0.85f, 0.9f});
  // A table with badges, and the queue.
  fill_rect(c, 100, 185, 150, 200, solid(rgb8(60, 40, 30)));
  Dice d(63);
  for (int i = 0; i < 8; ++i) {
    Figure f = some_figure(d.next(), Rgb{0.8f, 0.75f, 0.8f}, 0.6f);
    f.rim_col = Rgb{1.0f, 0.75f, 0.45f};
    f.rim = 0.6f;
    float x = 175 + i * 20 + d.range(-4, 4), feet = 205 + i * 5;
    person(c, x, feet, 58 + i * 5, f, false, 0);
  }
}

void scene_empty_hall(Canvas& c) {
  View v{160, 105, 150, 3.2f};
  hall_inside(c, v, 1.0f, Rgb{1.0f, 0.95f, 0.85f});
  // Shafts of sunlight through the left windows.
  for (float z = 4; z < 40; z += 6) {
    Point w = v.at(-11, 6, z + 1.2f), f = v.at(-2, 0, z + 4);
    beam(c, w, f, 60 / z, Rgb{0.35f, 0.3f, 0.2f});
  }
  table_rows(c, v, 71, 4.0f, 30.0f, 7, 0.0f, 0.0f);
  // A long power cable running down the middle.
  for (float z = 2; z < 30; z += 0.5f) {
    Point a = v.at(0.3f * std::sin(z), 0.01f, z), b = v.at(0.3f * std::sin(z + 0.5f), 0.01f, z + 0.5f);
    stroke(c, a, b, 3 / z, solid(rgb8(230, 120, 30)));
  }
}

void scene_setup_desk(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(70, 65, 60), rgb8(30, 28, 30), y / 140); });
  fill_polygon(c, {{0, 140}, {320, 130}, {320, 240}, {0, 240}}, wood(rgb8(150, 110, 75)));
  // Monitor with a boot screen.
  fill_rect(c, 60, 20, 230, 130, solid(rgb8(25, 25, 28)));
  fill_rect(c, 66, 26, 224, 122, solid(rgb8(20, 30, 90)));
  draw_glyph_text(c, "READY.", 74, 34, 0.55f, Rgb{0.7f, 0.8f, 1.2f});
  text_lines(c, 74, 46, 200, 110, Rgb{0.5f, 0.6f, 1.0f}, 81);
  glow(c, 145, 75, 150, Rgb{0.08f, 0.1f, 0.25f});
  fill_rect(c, 130, 130, 160, 145, solid(rgb8(25, 25, 28)));
  // Keyboard and a tangle of cables.
  keyboard(c, {70, 175}, {220, 172}, {235, 205}, {60, 209}, rgb8(190, 185, 170), 5, 14);
  Dice d(82);
  static const Rgb cable_cols[] = {{0.05f, 0.05f, 0.05f}, {0.8f, 0.8f, 0.75f}, {0.2f, 0.3f, 0.7f}, {0.8f, 0.3f, 0.1f}};
  for (int i = 0; i < 7; ++i) {
    Point p = {d.range(230, 310), 240};
    Rgb col = cable_cols[d.next() % 4];
    for (int k = 0; k < 14; ++k) {
      Point q = {p.x + d.range(-14, 8), p.y - d.range(2, 9)};
      stroke(c, p, q, 2.6f, solid(col));
      stroke(c, p, q, 0.8f, solid(col * 1.8f + Rgb{0.1f, 0.1f, 0.1f}, 0.5f));
      p = q;
    }
  }
  // The power strip.
  fill_rect(c, 240, 215, 315, 232, solid(rgb8(225, 225, 220)));
  for (int k = 0; k < 4; ++k) fill_ellipse(c, 252 + k * 17, 223, 4, 4, solid(rgb8(60, 60, 60)));
  glow(c, 305, 223, 5, Rgb{1.5f, 0.2f, 0.1f});
  // A hand reaching in with the plug.
  fill_ellipse(c, 28, 205, 30, 14, solid(rgb8(200, 150, 120)));
  fill_rect(c, 0, 195, 20, 240, solid(rgb8(40, 60, 110)));
}

void scene_hall_filling(Canvas& c) {
  View v{170, 95, 150, 3.6f};
  hall_inside(c, v, 0.3f, WARM_LAMP);
  table_rows(c, v, 91, 2.6f, 30.0f, 8, 0.75f, 0.55f);
  // A lava lamp on the nearest table, and a fern.
  fill_rect(c, 262, 150, 274, 188, solid(Rgb{1.2f, 0.3f, 0.15f}));
  fill_ellipse(c, 268, 160, 4, 6, solid(Rgb{1.6f, 0.8f, 0.2f}));
  glow(c, 268, 170, 40, Rgb{0.6f, 0.15f, 0.05f});
  for (int i = 0; i < 9; ++i) {
    float a = -PI / 2 + (i - 4) * 0.3f;
    stroke(c, {50, 190}, {50 + std::cos(a) * 40, 190 + std::sin(a) * 35}, 3, solid(rgb8(40, 110, 45)));
  }
  fill_rect(c, 42, 188, 58, 205, solid(rgb8(140, 70, 40)));
}

void scene_machine(Canvas& c) {
  fill_all(c, [&](Rgb& d, float x, float y) { d = mix(rgb8(40, 35, 50), rgb8(15, 14, 20), (x + y) / 500); });
  fill_polygon(c, {{0, 150}, {320, 120}, {320, 240}, {0, 240}}, wood(rgb8(110, 80, 55)));
  // The beige case with its keyboard, seen at an angle from close by.
  std::vector<Point> top = {{20, 150}, {260, 118}, {320, 160}, {320, 200}, {60, 240}, {0, 240}, {0, 175}};
  fill_polygon(c, top, [&](Rgb& d, float x, float y) { d = rgb8(205, 195, 170) * (0.75f + 0.25f * (1 - x / 320)) * (0.9f + 0.1f * y / 240); });
  keyboard(c, {40, 165}, {250, 135}, {305, 175}, {75, 222}, rgb8(120, 105, 90), 5, 15);
  // The logo plate and power light.
  fill_rect(c, 30, 178, 58, 185, solid(rgb8(60, 55, 50)));
  glow(c, 25, 200, 5, Rgb{1.4f, 0.2f, 0.1f});
  // The monitor behind, showing a demo in progress.
  fill_rect(c, 80, 5, 270, 118, solid(rgb8(200, 190, 165)));
  fill_rect(c, 92, 14, 258, 106, [&](Rgb& d, float x, float y) {
    float u = (x - 92) / 166, v = (y - 14) / 92;
    Rgb bars = mix(Rgb{0.9f, 0.2f, 0.5f}, Rgb{0.2f, 0.4f, 1.0f}, 0.5f + 0.5f * std::sin(v * 30 + std::sin(u * 6)));
    float scan = 0.8f + 0.2f * std::sin(y * 6);
    d = (v < 0.55f ? bars : Rgb{0.05f, 0.05f, 0.15f}) * scan;
  });
  draw_glyph_text(c, "8 MHZ", 150, 80, 0.9f, Rgb{1.1f, 1.1f, 0.4f});
  glow(c, 175, 60, 120, Rgb{0.12f, 0.06f, 0.15f});
}

void scene_big_screen(Canvas& c) {
  View v{160, 150, 140, 2.0f};
  hall_inside(c, v, 0.45f, WARM_LAMP);
  // The screen hanging from the crane rails, not yet straight.
  Point tl = v.at(-6, 8.5f, 30), br = v.at(6, 2.2f, 30);
  stroke(c, {tl.x + 5, 0}, {tl.x + 5, tl.y}, 0.8f, solid(rgb8(20, 20, 20)));
  stroke(c, {br.x - 5, 0}, {br.x - 5, tl.y}, 0.8f, solid(rgb8(20, 20, 20)));
  fill_polygon(c, {{tl.x, tl.y}, {br.x, tl.y + 3}, {br.x, br.y}, {tl.x, br.y - 2}}, solid(rgb8(235, 235, 235)));
  // Two people on ladders, one at each side.
  for (int side = -1; side <= 1; side += 2) {
    float x = side < 0 ? tl.x - 8 : br.x + 8;
    for (int r = 0; r < 8; ++r) stroke(c, {x - 6, 205 - r * 12.0f}, {x + 6, 205 - r * 12.0f}, 1.2f, solid(rgb8(180, 170, 60)));
    stroke(c, {x - 6, 210}, {x - 3, 110}, 1.6f, solid(rgb8(200, 190, 70)));
    stroke(c, {x + 6, 210}, {x + 3, 110}, 1.6f, solid(rgb8(200, 190, 70)));
    Figure f = some_figure(101 + side, Rgb{1, 1, 1}, 0.7f);
    person(c, x, 140, 45, f, false, 1);
  }
  // The projector's beam, tested already.
  beam(c, {160, 235}, {160, (tl.y + br.y) / 2}, 150, Rgb{0.2f, 0.2f, 0.25f});
  fill_rect(c, 148, 226, 172, 240, solid(rgb8(30, 30, 35)));
}

void scene_opening(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(8, 8, 20), rgb8(20, 15, 30), y / 240); });
  big_screen(c, 70, 25, 250, 120, paint_logo_screen, 1.0f);
  stage(c, 0, 320, 150, 175, rgb8(40, 35, 45));
  const float xs[5] = {40, 110, 160, 210, 280};
  for (int i = 0; i < 5; ++i) {
    Rgb col = i == 2 ? Rgb{1.2f, 0.2f, 0.15f} : Rgb{0.25f, 0.4f, 1.2f};
    spotlight(c, {xs[i], 2}, {130 + i * 15.0f, 165}, 60, col);
  }
  haze(c, Rgb{0.05f, 0.05f, 0.1f}, 0.5f);
  // The two hosts with microphones.
  for (int i = 0; i < 2; ++i) {
    Figure f = some_figure(111 + i, Rgb{1, 1, 1}, 0.9f);
    f.rim_col = Rgb{0.4f, 0.5f, 1.2f};
    f.rim = 0.7f;
    person(c, 135 + i * 50, 168, 62, f, true, i == 0 ? 2 : 0);
  }
  crowd(c, 113, 185, 235, 4, Rgb{0.6f, 0.6f, 0.9f}, Rgb{0.4f, 0.5f, 1.0f}, 0.6f, 0.1f);
}

void scene_hall_night(Canvas& c) {
  View v{160, 90, 150, 3.8f};
  hall_inside(c, v, 0.0f, NIGHT_BLUE * 0.6f);
  table_rows(c, v, 121, 2.4f, 32.0f, 9, 0.8f, 1.0f);
  haze(c, Rgb{0.02f, 0.03f, 0.07f}, 0.6f);
}

void scene_noodle_stall(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(30, 20, 20), rgb8(60, 40, 30), y / 240); });
  // The stall: awning, lanterns, menu board.
  fill_polygon(c, {{20, 30}, {300, 30}, {320, 60}, {0, 60}}, [&](Rgb& d, float x, float) {
    d = (static_cast<int>(x / 20) % 2 == 0) ? rgb8(190, 40, 35) : rgb8(235, 225, 205);
  });
  for (int i = 0; i < 5; ++i) {
    float x = 40 + i * 60;
    stroke(c, {x, 60}, {x, 70}, 0.6f, solid(rgb8(20, 20, 20)));
    fill_ellipse(c, x, 78, 9, 10, solid(Rgb{1.5f, 0.6f, 0.25f}));
    glow(c, x, 78, 45, Rgb{0.45f, 0.2f, 0.07f});
  }
  fill_rect(c, 90, 92, 230, 128, solid(rgb8(25, 25, 22)));
  draw_glyph_text(c, "NOODLES 4", 100, 98, 0.7f, Rgb{1.2f, 1.1f, 0.8f});
  draw_glyph_text(c, "TEA 1", 100, 113, 0.7f, Rgb{1.2f, 1.1f, 0.8f});
  // The pots on the counter, steaming.
  fill_rect(c, 0, 150, 320, 240, wood(rgb8(120, 75, 45)));
  fill_rect(c, 0, 146, 320, 154, solid(rgb8(90, 55, 35)));
  for (float x : {40.0f, 280.0f}) {
    fill_rect(c, x - 28, 105, x + 28, 150, [&](Rgb& d, float px, float) { d = rgb8(170, 170, 175) * (1.2f - 0.6f * std::fabs(px - x) / 28); });
    fill_ellipse(c, x, 105, 28, 6, solid(rgb8(120, 70, 30)));
    steam(c, x, 105, 70, static_cast<std::uint32_t>(x));
  }
  // A bowl of noodle soup at the front.
  fill_ellipse(c, 160, 200, 60, 20, solid(rgb8(230, 225, 215)));
  fill_ellipse(c, 160, 196, 52, 14, solid(rgb8(170, 100, 40)));
  for (int i = 0; i < 14; ++i) {
    float x = 125 + i * 5;
    stroke(c, {x, 190.0f + i % 3}, {x + 8, 200.0f - (i % 2) * 3}, 1.3f, solid(rgb8(245, 215, 130)));
  }
  fill_ellipse(c, 175, 192, 8, 4, solid(rgb8(240, 240, 230)));
  fill_ellipse(c, 175, 192, 4, 2.5f, solid(rgb8(250, 180, 40)));
  stroke(c, {135, 170}, {215, 210}, 2, solid(rgb8(90, 60, 30)));
  steam(c, 155, 190, 60, 131);
}

void scene_seminar(Canvas& c) {
  View v{160, 110, 150, 2.2f};
  hall_inside(c, v, 0.2f, WARM_LAMP);
  big_screen(c, 40, 22, 200, 112, paint_slide, 1.0f);
  // The speaker at a lectern, lit by a warm spot.
  spotlight(c, {260, 0}, {255, 150}, 55, Rgb{1.0f, 0.85f, 0.6f});
  Figure f = some_figure(141, Rgb{1, 1, 1}, 1.0f);
  person(c, 255, 170, 66, f, true, 0);
  fill_polygon(c, {{238, 140}, {272, 140}, {268, 178}, {242, 178}}, solid(rgb8(70, 45, 30)));
  crowd(c, 142, 170, 232, 5, Rgb{0.7f, 0.7f, 0.8f}, WARM_LAMP, 0.25f, 0.0f);
}

void scene_synth(Canvas& c) {
  fill_all(c, [&](Rgb& d, float x, float y) { d = mix(rgb8(25, 22, 30), rgb8(10, 10, 14), (x + y) / 560); });
  // The synthesizer panel, slanted towards us.
  std::vector<Point> panel = {{0, 40}, {320, 20}, {320, 165}, {0, 180}};
  fill_polygon(c, panel, [&](Rgb& d, float x, float y) { d = rgb8(45, 45, 50) * (0.8f + 0.3f * fbm(x / 3, y / 40, 151, 2)); });
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 9; ++k) {
      float x = 22 + k * 34, y = 55 + r * 34 - x * 0.06f;
      fill_ellipse(c, x, y + 2, 11, 11, solid(rgb8(10, 10, 12)));
      fill_ellipse(c, x, y, 10, 10, [&](Rgb& d, float px, float py) {
        float l = 0.5f + 0.5f * ((x - px) + (y - py)) / 14;
        d = rgb8(170, 170, 175) * (0.45f + 0.6f * l);
      });
      float a = (hash01(r, k, 152) * 1.5f + 0.75f) * PI;
      stroke(c, {x, y}, {x + std::cos(a) * 8, y + std::sin(a) * 8}, 1.5f, solid(rgb8(240, 240, 240)));
      if (k % 3 == 0) glow(c, x + 14, y - 8, 3, Rgb{1.5f, 0.3f + r * 0.4f, 0.1f});
    }
  // Patch cables in red and yellow arcs.
  for (int i = 0; i < 3; ++i) {
    Point p0 = {60.0f + i * 80, 60}, p1 = {120.0f + i * 70, 120};
    Point prev = p0;
    for (int k = 1; k <= 16; ++k) {
      float t = k / 16.0f;
      Point p = {p0.x + (p1.x - p0.x) * t, p0.y + (p1.y - p0.y) * t + std::sin(t * PI) * 30};
      stroke(c, prev, p, 2.5f, solid(i == 1 ? rgb8(230, 190, 40) : rgb8(210, 40, 40)));
      prev = p;
    }
  }
  // The keys at the bottom.
  for (int k = 0; k < 22; ++k) {
    float x = k * 15.0f;
    fill_rect(c, x + 0.6f, 185, x + 14.4f, 240, [&](Rgb& d, float, float y) { d = rgb8(235, 232, 225) * (0.8f + 0.2f * (y - 185) / 55); });
  }
  for (int k = 0; k < 22; ++k)
    if (k % 7 != 2 && k % 7 != 6) fill_rect(c, k * 15.0f + 10, 185, k * 15.0f + 20, 220, solid(rgb8(20, 20, 22)));
  fill_rect(c, 0, 178, 320, 186, solid(rgb8(30, 30, 34)));
}

void scene_music_compo(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(10, 6, 20), rgb8(25, 10, 30), y / 240); });
  big_screen(c, 50, 18, 270, 132, paint_equaliser, 1.2f);
  draw_glyph_text(c, "MUSIC 07", 62, 24, 0.8f, Rgb{1.0f, 1.0f, 1.0f});
  spotlight(c, {20, 0}, {120, 180}, 50, Rgb{0.9f, 0.2f, 0.8f});
  spotlight(c, {300, 0}, {200, 180}, 50, Rgb{0.2f, 0.8f, 0.9f});
  haze(c, Rgb{0.06f, 0.03f, 0.08f}, 0.5f);
  crowd(c, 171, 150, 235, 6, Rgb{0.7f, 0.6f, 0.9f}, Rgb{0.5f, 0.9f, 0.6f}, 0.6f, 0.05f);
}

void scene_graphics_compo(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(8, 8, 15), rgb8(18, 16, 24), y / 240); });
  big_screen(c, 35, 12, 285, 150, paint_winter_valley, 1.2f);
  draw_glyph_text(c, "GRAPHICS 03", 45, 138, 0.6f, Rgb{1.0f, 1.0f, 1.0f});
  haze(c, Rgb{0.03f, 0.04f, 0.07f}, 0.4f);
  crowd(c, 181, 160, 238, 5, Rgb{0.7f, 0.75f, 0.9f}, Rgb{0.7f, 0.8f, 1.0f}, 0.55f, 0.0f);
}

void scene_harbour_moon(Canvas& c) {
  sky(c, rgb8(5, 8, 25), rgb8(30, 40, 80), 130);
  stars(c, 191, 120, 150);
  sun(c, 220, 45, 10, Rgb{1.4f, 1.4f, 1.3f}, Rgb{0.3f, 0.35f, 0.5f});
  clouds(c, 192, 60, 110, rgb8(60, 70, 100), 0.3f);
  hills(c, 193, 128, 12, 1.5f, rgb8(10, 12, 25), rgb8(30, 35, 60));
  sea(c, 194, 132, rgb8(25, 30, 55), rgb8(5, 8, 20), 220, Rgb{0.8f, 0.85f, 1.0f});
  // The quay in the foreground, with bollards and a boat.
  fill_polygon(c, {{-2, 185}, {170, 170}, {200, 240}, {-2, 240}}, surface(rgb8(40, 40, 48), 195, 0.2f, 0.6f));
  for (float x : {40.0f, 120.0f}) {
    fill_rect(c, x, 172, x + 8, 184, solid(rgb8(12, 12, 15)));
    fill_ellipse(c, x + 4, 172, 6, 2.5f, solid(rgb8(20, 20, 24)));
  }
  fill_polygon(c, {{230, 170}, {310, 168}, {300, 182}, {240, 183}}, solid(rgb8(15, 18, 28)));
  stroke(c, {268, 168}, {266, 120}, 1.2f, solid(rgb8(15, 18, 28)));
  // People on the quay, and the radio.
  for (int i = 0; i < 3; ++i) {
    Figure f = some_figure(196 + i, Rgb{0.4f, 0.45f, 0.7f}, 0.5f);
    f.rim_col = Rgb{0.6f, 0.7f, 1.0f};
    f.rim = 0.5f;
    person(c, 60 + i * 22, 205 + i * 4, 52 + i * 3, f, false, 0);
  }
  fill_rect(c, 135, 196, 152, 206, solid(rgb8(60, 20, 20)));
  glow(c, 143, 199, 6, Rgb{0.3f, 1.0f, 0.4f});
}

void scene_sleeping(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(10, 10, 18), rgb8(22, 20, 28), y / 240); });
  // The underside of the table and the glow from the screens above it.
  fill_rect(c, 0, 0, 320, 55, solid(rgb8(35, 32, 38)));
  glow(c, 100, 0, 90, Rgb{0.1f, 0.15f, 0.35f});
  glow(c, 250, 0, 70, Rgb{0.25f, 0.15f, 0.05f});
  fill_rect(c, 0, 55, 320, 62, solid(rgb8(20, 18, 22)));
  for (float x : {30.0f, 290.0f}) fill_rect(c, x, 62, x + 8, 200, solid(rgb8(60, 60, 66)));
  fill_rect(c, 0, 185, 320, 240, surface(rgb8(35, 32, 36), 201, 0.1f, 0.5f));
  // Two sleeping bags, one with a head and a pillow.
  static const Rgb bags[] = {{0.15f, 0.3f, 0.55f}, {0.55f, 0.2f, 0.15f}};
  for (int i = 0; i < 2; ++i) {
    float y = 150 + i * 45;
    fill_ellipse(c, 170 + i * 10, y, 120, 24, [&](Rgb& d, float x, float py) {
      float quilt = 0.85f + 0.15f * std::sin(x * 0.4f);
      d = bags[i] * quilt * (1.1f - 0.5f * clamp01((py - y + 24) / 48));
    });
    fill_ellipse(c, 60 + i * 10, y - 8, 20, 10, solid(rgb8(200, 200, 195)));
    fill_ellipse(c, 68 + i * 10, y - 14, 12, 11, solid(rgb8(60, 40, 25)));
  }
  // Headphones left on the floor.
  stroke(c, {250, 225}, {275, 210}, 2.5f, solid(rgb8(20, 20, 20)));
  fill_ellipse(c, 248, 227, 6, 5, solid(rgb8(40, 40, 45)));
  fill_ellipse(c, 278, 209, 6, 5, solid(rgb8(40, 40, 45)));
}

void scene_sunrise_sea(Canvas& c) {
  sky(c, rgb8(60, 80, 150), rgb8(255, 170, 90), 130);
  clouds(c, 211, 30, 110, rgb8(255, 150, 120), 0.4f);
  sun(c, 175, 128, 13, Rgb{1.8f, 1.3f, 0.7f}, Rgb{1.0f, 0.5f, 0.2f});
  sea(c, 212, 130, rgb8(230, 140, 100), rgb8(40, 40, 70), 175, Rgb{1.3f, 0.8f, 0.4f});
  // Rocks in the foreground with two people sitting on them.
  std::vector<Point> rocks = {{-2, 200}, {40, 180}, {90, 186}, {130, 200}, {160, 215}, {200, 222}, {322, 230}, {322, 242}, {-2, 242}};
  fill_polygon(c, rocks, surface(rgb8(25, 20, 25), 213, 0.3f, 0.8f));
  for (int i = 0; i < 2; ++i) {
    Figure f = some_figure(214 + i, Rgb{0.3f, 0.25f, 0.3f}, 0.6f);
    f.rim_col = Rgb{1.2f, 0.6f, 0.3f};
    f.rim = 0.7f;
    head_and_shoulders(c, 55 + i * 24, 168 - i * 2, 20, f);
  }
}

void scene_coffee(Canvas& c) {
  fill_all(c, [&](Rgb& d, float x, float) { d = mix(rgb8(90, 60, 45), rgb8(40, 30, 28), x / 320); });
  fill_rect(c, 0, 190, 320, 240, wood(rgb8(100, 70, 50)));
  // The machine: chrome body, group heads, pressure gauge.
  fill_rect(c, 40, 30, 280, 190, [&](Rgb& d, float x, float) {
    float t = (x - 40) / 240;
    float chrome = 0.45f + 0.5f * std::pow(std::fabs(std::sin(t * PI * 2.2f + 0.4f)), 3.0f);
    d = Rgb{0.8f, 0.82f, 0.85f} * chrome;
  });
  fill_rect(c, 40, 30, 280, 45, solid(rgb8(150, 30, 30)));
  draw_glyph_text(c, "TIDEWIRE CAFE", 160 - glyph_text_width("TIDEWIRE CAFE", 0.7f) / 2, 34, 0.7f, Rgb{1.0f, 0.95f, 0.85f});
  fill_ellipse(c, 160, 80, 20, 20, solid(rgb8(30, 30, 30)));
  fill_ellipse(c, 160, 80, 17, 17, solid(rgb8(240, 235, 220)));
  stroke(c, {160, 80}, {170, 70}, 1.2f, solid(rgb8(200, 20, 20)));
  for (float x : {95.0f, 225.0f}) {
    fill_rect(c, x - 14, 110, x + 14, 126, solid(rgb8(60, 60, 65)));
    stroke(c, {x, 126}, {x, 150}, 6, solid(rgb8(40, 40, 45)));
    stroke(c, {x - 25, 118}, {x - 45, 135}, 4, solid(rgb8(20, 20, 20)));
    // A cup under each spout, one of them filling.
    fill_rect(c, x - 12, 160, x + 12, 182, solid(rgb8(240, 238, 232)));
    fill_ellipse(c, x, 160, 12, 3, solid(rgb8(70, 40, 20)));
    stroke(c, {x + 12, 166}, {x + 17, 174}, 2, solid(rgb8(240, 238, 232)));
  }
  stroke(c, {95, 150}, {95, 160}, 1.2f, solid(rgb8(90, 50, 20)));
  steam(c, 225, 158, 50, 221);
  fill_rect(c, 40, 182, 280, 190, solid(rgb8(50, 50, 55)));
}

void scene_pixel_art(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(25, 25, 30), rgb8(12, 12, 16), y / 240); });
  // A monitor seen straight on with a pixel art lighthouse on a stormy sea.
  fill_rect(c, 30, 10, 290, 200, solid(rgb8(30, 30, 34)));
  fill_rect(c, 38, 18, 282, 192, [&](Rgb& d, float x, float y) {
    int px = static_cast<int>((x - 38) / 6), py = static_cast<int>((y - 18) / 6);  // 40 x 29 art pixels
    Rgb col;
    float wave = 19 + std::sin(px * 0.6f) * 1.5f;
    if (py < wave) col = py < 8 ? rgb8(40, 40, 70) : rgb8(70, 70, 110);
    else col = (px + py) % 5 == 0 ? rgb8(200, 220, 240) : rgb8(30, 60, 110);
    if (hash01(px, py, 231) > 0.97f && py < 10) col = rgb8(230, 230, 255);
    // The tower.
    if (px >= 27 && px <= 30 && py >= 8 && py < 21) col = (py / 2) % 2 ? rgb8(200, 40, 40) : rgb8(240, 240, 240);
    if (px >= 26 && px <= 31 && py >= 6 && py < 8) col = rgb8(255, 230, 100);
    if (py >= 6 && py < 8 && px < 26 && (26 - px) < (py - 4) * 4) col = rgb8(180, 170, 110);
    if (px >= 24 && px <= 33 && py >= 21 && py < 24) col = rgb8(60, 55, 50);
    d = col;
  });
  // The palette of 16 colours down the side.
  for (int k = 0; k < 16; ++k)
    fill_rect(c, 292, 20 + k * 10.5f, 302, 29 + k * 10.5f,
              solid(Rgb{hash01(k, 1, 232), hash01(k, 2, 232), hash01(k, 3, 232)}));
  glow(c, 160, 100, 160, Rgb{0.06f, 0.07f, 0.12f});
  // A hand on a drawing tablet.
  fill_polygon(c, {{40, 215}, {290, 205}, {320, 240}, {10, 240}}, solid(rgb8(30, 30, 32)));
  stroke(c, {215, 238}, {185, 210}, 4, solid(rgb8(40, 40, 45)));
  fill_ellipse(c, 232, 232, 26, 13, solid(rgb8(210, 160, 130)));
}

void scene_demo_compo(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(5, 5, 12), rgb8(12, 10, 20), y / 240); });
  big_screen(c, 30, 10, 290, 150, paint_tunnel, 1.5f);
  haze(c, Rgb{0.03f, 0.05f, 0.08f}, 0.5f);
  crowd(c, 241, 150, 238, 6, Rgb{0.5f, 0.6f, 0.8f}, Rgb{0.4f, 0.9f, 1.0f}, 0.7f, 0.02f);
}

void scene_crowd(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(15, 10, 30), rgb8(40, 20, 40), y / 240); });
  big_screen(c, 90, 20, 230, 95, paint_tunnel, 1.0f);
  stage(c, 0, 320, 105, 120, rgb8(30, 28, 36));
  spotlight(c, {0, 0}, {160, 110}, 80, Rgb{1.0f, 0.8f, 0.5f});
  spotlight(c, {320, 0}, {160, 110}, 80, Rgb{1.0f, 0.8f, 0.5f});
  spotlight(c, {160, 0}, {160, 110}, 60, Rgb{0.6f, 0.3f, 1.0f});
  haze(c, Rgb{0.08f, 0.05f, 0.08f}, 0.6f);
  crowd(c, 251, 125, 240, 7, Rgb{0.6f, 0.5f, 0.6f}, Rgb{1.0f, 0.8f, 0.6f}, 0.8f, 0.55f);
}

void scene_voting(Canvas& c) {
  fill_all(c, [&](Rgb& d, float x, float y) { d = mix(rgb8(30, 30, 40), rgb8(15, 15, 20), (x + y) / 560); });
  // A voting terminal: the list of entries with their points.
  fill_rect(c, 40, 15, 280, 175, solid(rgb8(215, 210, 200)));
  fill_rect(c, 52, 25, 268, 162, solid(rgb8(10, 25, 40)));
  draw_glyph_text(c, "VOTE: DEMO", 62, 33, 0.7f, Rgb{1.2f, 1.0f, 0.5f});
  const char* entries[5] = {"1 SALT", "2 HARBOUR", "3 TUNNEL", "4 FOGHORN", "5 DRIFT"};
  for (int i = 0; i < 5; ++i) {
    float y = 52 + i * 21;
    draw_glyph_text(c, entries[i], 62, y, 0.6f, Rgb{0.7f, 0.9f, 1.1f});
    int points = (i * 3 + 2) % 6;
    for (int k = 0; k < 5; ++k)
      fill_rect(c, 185 + k * 15, y, 196 + k * 15, y + 7, solid(k < points ? Rgb{0.3f, 1.1f, 0.5f} : rgb8(40, 60, 70)));
  }
  glow(c, 160, 95, 150, Rgb{0.05f, 0.1f, 0.15f});
  // Keyboard and a finger on a key.
  keyboard(c, {30, 190}, {290, 190}, {320, 240}, {0, 240}, rgb8(200, 195, 185), 4, 16);
  fill_ellipse(c, 200, 215, 14, 22, solid(rgb8(205, 155, 125)));
}

void scene_concert(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(5, 3, 12), rgb8(20, 5, 20), y / 240); });
  // Lasers fanning out from the back of the stage.
  for (int i = 0; i < 11; ++i) {
    float a = PI * (0.15f + 0.07f * i);
    Point to = {160 + std::cos(a) * -400, 110 - std::sin(a) * 400};
    stroke(c, {160, 110}, to, 0.8f, [&](Rgb& d, float, float) { d = d + Rgb{0.2f, 1.2f, 0.3f} * 0.6f; });
  }
  stage(c, 0, 320, 130, 165, rgb8(30, 25, 40));
  // The two players behind their synths, and the drum machine.
  for (int i = 0; i < 2; ++i) {
    float x = 105 + i * 110;
    Figure f = some_figure(271 + i, Rgb{1, 1, 1}, 0.6f);
    f.rim_col = Rgb{1.0f, 0.3f, 0.8f};
    f.rim = 0.8f;
    person(c, x, 155, 58, f, true, i);
    fill_rect(c, x - 30, 128, x + 30, 152, solid(rgb8(30, 30, 35)));
    fill_polygon(c, {{x - 32, 122}, {x + 32, 122}, {x + 30, 130}, {x - 30, 130}}, solid(rgb8(220, 220, 215)));
    for (int k = 0; k < 6; ++k) glow(c, x - 25 + k * 10, 134, 2.5f, Rgb{1.2f, 0.5f + 0.1f * k, 0.2f});
  }
  fill_rect(c, 148, 135, 172, 150, solid(rgb8(60, 60, 70)));
  for (int k = 0; k < 8; ++k) glow(c, 150 + k * 3, 140, 1.5f, Rgb{1.5f, 0.3f, 0.2f});
  spotlight(c, {60, 0}, {105, 140}, 55, Rgb{1.0f, 0.25f, 0.8f});
  spotlight(c, {260, 0}, {215, 140}, 55, Rgb{0.3f, 0.4f, 1.2f});
  haze(c, Rgb{0.08f, 0.04f, 0.1f}, 0.6f);
  crowd(c, 273, 185, 240, 4, Rgb{0.6f, 0.5f, 0.7f}, Rgb{0.8f, 0.4f, 0.9f}, 0.6f, 0.4f);
}

void scene_prizegiving(Canvas& c) {
  fill_all(c, [&](Rgb& d, float, float y) { d = mix(rgb8(15, 20, 45), rgb8(35, 30, 50), y / 240); });
  big_screen(c, 60, 10, 260, 70, [](float u, float v) {
    Rgb bg = mix(Rgb{0.1f, 0.2f, 0.5f}, Rgb{0.05f, 0.08f, 0.2f}, v);
    return bg + Rgb{0.8f, 0.6f, 0.2f} * (std::fabs(v - 0.5f) < 0.06f && u > 0.15f && u < 0.85f ? 1.0f : 0.0f);
  }, 0.8f);
  draw_glyph_text(c, "WINNERS", 160 - glyph_text_width("WINNERS", 1.0f) / 2, 22, 1.0f, Rgb{1.3f, 1.1f, 0.6f});
  stage(c, 0, 320, 150, 180, rgb8(45, 35, 50));
  // The podium: gold in the middle, silver left, bronze right.
  const float px[3] = {160, 105, 215}, ph[3] = {45, 30, 20};
  const char* place[3] = {"1", "2", "3"};
  for (int i = 0; i < 3; ++i) {
    fill_rect(c, px[i] - 26, 168 - ph[i], px[i] + 26, 168, solid(rgb8(225, 225, 230) * (1.0f - 0.1f * i)));
    draw_glyph_text(c, place[i], px[i] - 5, 168 - ph[i] + 6, 1.1f, rgb8(40, 40, 60));
    Figure f = some_figure(281 + i, Rgb{1, 1, 1}, 0.95f);
    person(c, px[i], 168 - ph[i], 58, f, true, i == 0 ? 2 : 0);
    if (i == 0) trophy(c, px[i], 168 - ph[i] - 56, 18);
  }
  spotlight(c, {160, 0}, {160, 120}, 90, Rgb{1.0f, 0.9f, 0.6f});
  // Confetti falling.
  Dice d(284);
  static const Rgb confetti[] = {{1.2f, 0.3f, 0.3f}, {1.2f, 1.0f, 0.3f}, {0.3f, 0.8f, 1.2f}, {0.4f, 1.1f, 0.4f}};
  for (int i = 0; i < 120; ++i) {
    float x = d.range(0, 320), y = d.range(0, 200), a = d.range(0, PI);
    stroke(c, {x, y}, {x + std::cos(a) * 2.5f, y + std::sin(a) * 2.5f}, 1.3f, solid(confetti[d.next() % 4]));
  }
  crowd(c, 285, 200, 238, 2, Rgb{0.6f, 0.6f, 0.8f}, Rgb{1.0f, 0.9f, 0.6f}, 0.4f, 0.6f);
}

void scene_trophy(Canvas& c) {
  // The trophy on dark red velvet, in a single warm spotlight.
  fill_all(c, [&](Rgb& d, float x, float y) {
    float r = std::sqrt((x - 160) * (x - 160) + (y - 110) * (y - 110) * 1.5f);
    d = rgb8(50, 10, 15) * (1.2f - clamp01(r / 200)) * (0.9f + 0.2f * fbm(x / 3, y / 3, 291, 3));
  });
  fill_ellipse(c, 160, 214, 95, 16, solid(Rgb{0, 0, 0}, 0.5f));
  trophy(c, 160, 215, 200);
  glow(c, 130, 60, 40, Rgb{0.4f, 0.35f, 0.25f});
}

void scene_group_photo(Canvas& c) {
  sky(c, rgb8(110, 160, 220), rgb8(220, 230, 240), 90);
  clouds(c, 301, 5, 60, rgb8(255, 255, 255), 0.5f);
  ferry_hall(c, -10, 330, 150, 70, rgb8(140, 70, 52), 0.0f);
  fill_rect(c, 0, 150, 320, 240, surface(rgb8(120, 115, 110), 302, 0.15f, 0.3f));
  // The banner over the group.
  fill_rect(c, 80, 50, 240, 66, solid(rgb8(16, 40, 66)));
  draw_glyph_text(c, "TIDEWIRE 24", 160 - glyph_text_width("TIDEWIRE 24", 0.9f) / 2, 53.5f, 0.9f, Rgb{1.3f, 1.0f, 0.5f});
  // Three rows of people facing the camera, the back row smallest.
  Dice d(303);
  for (int row = 0; row < 3; ++row) {
    float feet = 185 + row * 25, h = 48 + row * 14;
    int n = 12 - row * 2;
    for (int i = 0; i < n; ++i) {
      float x = 160 + (i - (n - 1) / 2.0f) * (300.0f / n) + d.range(-4, 4);
      Figure f = some_figure(d.next(), Rgb{1, 1, 1}, 1.0f);
      person(c, x, feet + d.range(-2, 2), h, f, true, d.range(0, 1) < 0.15f ? 1 : 0);
    }
  }
}

void scene_packing_up(Canvas& c) {
  View v{150, 105, 150, 3.0f};
  hall_inside(c, v, 0.8f, Rgb{1.0f, 0.85f, 0.6f});
  for (float z = 4; z < 40; z += 6) beam(c, v.at(-11, 6, z + 1.2f), v.at(-1, 0, z + 4), 60 / z, Rgb{0.4f, 0.3f, 0.15f});
  // Folded tables leaning on the wall, stacked chairs and boxes.
  for (int i = 0; i < 5; ++i) {
    Point a = v.at(8, 0, 8 + i * 0.6f), b = v.at(10.8f, 3, 8 + i * 0.6f);
    fill_polygon(c, {{a.x, a.y}, {a.x + 6, a.y}, {b.x + 6, b.y}, {b.x, b.y}}, solid(rgb8(180, 170, 150) * (0.8f + 0.05f * i)));
  }
  for (int s = 0; s < 3; ++s) {
    Point p = v.at(-6.0f + s * 1.2f, 0, 6);
    for (int k = 0; k < 8; ++k) stroke(c, {p.x - 8, p.y - 12 - k * 3.0f}, {p.x + 8, p.y - 12 - k * 3.0f}, 1.2f, solid(rgb8(60, 70, 90)));
    stroke(c, {p.x - 8, p.y}, {p.x - 8, p.y - 36}, 1, solid(rgb8(50, 50, 55)));
    stroke(c, {p.x + 8, p.y}, {p.x + 8, p.y - 36}, 1, solid(rgb8(50, 50, 55)));
  }
  box(c, 30, 200, 40, 30, rgb8(160, 115, 70));
  box(c, 75, 210, 32, 24, rgb8(150, 108, 66));
  box(c, 38, 176, 28, 22, rgb8(170, 125, 78));
  Figure f = some_figure(311, Rgb{1, 1, 1}, 0.9f);
  Point p = v.at(2, 0, 9);
  person(c, p.x, p.y, 42, f, false, 2);
  box(c, p.x - 10, p.y - 52, 18, 12, rgb8(160, 115, 70));
}

void scene_road_home(Canvas& c) {
  sky(c, rgb8(60, 70, 130), rgb8(255, 150, 70), 125);
  clouds(c, 321, 20, 100, rgb8(255, 120, 90), 0.5f);
  sun(c, 170, 120, 12, Rgb{1.9f, 1.3f, 0.6f}, Rgb{1.1f, 0.45f, 0.15f});
  hills(c, 322, 125, 25, 1.0f, rgb8(70, 40, 60), rgb8(220, 120, 90));
  hills(c, 323, 150, 30, 1.3f, rgb8(40, 25, 35), rgb8(150, 80, 70));
  road(c, 150, 280, {168, 132}, 40, rgb8(50, 40, 45), Rgb{1.0f, 0.8f, 0.5f});
  // The van ahead of us, tail lights on.
  fill_rect(c, 150, 150, 176, 168, solid(rgb8(60, 50, 55)));
  glow(c, 152, 164, 6, Rgb{1.6f, 0.2f, 0.1f});
  glow(c, 174, 164, 6, Rgb{1.6f, 0.2f, 0.1f});
  for (int i = 0; i < 8; ++i) {
    float x = i < 4 ? 10 + i * 22.0f : 240 + (i - 4) * 22.0f;
    stroke(c, {x, 240}, {x + 2, 150 + (i % 4) * 5.0f}, 1.5f, solid(rgb8(20, 12, 15)));
  }
  stroke(c, {0, 158}, {320, 152}, 0.6f, solid(rgb8(20, 12, 15)));
}

void scene_ferry_dusk(Canvas& c) {
  sky(c, rgb8(30, 30, 80), rgb8(240, 120, 90), 140);
  stars(c, 331, 50, 30);
  clouds(c, 332, 40, 120, rgb8(200, 90, 100), 0.45f);
  sea(c, 333, 140, rgb8(200, 100, 90), rgb8(20, 20, 45), 100, Rgb{1.0f, 0.5f, 0.3f});
  hills(c, 334, 140, 10, 2.0f, rgb8(40, 30, 50), rgb8(110, 60, 80));
  // The ferry: dark hull, white decks with lit windows, a funnel.
  float x0 = 110, x1 = 270, wl = 150;
  fill_polygon(c, {{x0 - 10, wl - 14}, {x1 + 5, wl - 14}, {x1 - 5, wl}, {x0 + 5, wl}}, solid(rgb8(20, 20, 30)));
  fill_rect(c, x0 + 10, wl - 26, x1 - 15, wl - 14, solid(rgb8(210, 200, 200)));
  fill_rect(c, x0 + 30, wl - 35, x1 - 40, wl - 26, solid(rgb8(200, 190, 195)));
  for (float x = x0 + 14; x < x1 - 18; x += 6) fill_rect(c, x, wl - 22, x + 3, wl - 19, solid(Rgb{1.4f, 1.0f, 0.5f}));
  fill_rect(c, x0 + 80, wl - 48, x0 + 92, wl - 35, solid(rgb8(150, 30, 30)));
  steam(c, x0 + 86, wl - 48, 30, 335);
  glow(c, x0 - 5, wl - 18, 8, Rgb{0.3f, 1.2f, 0.3f});
  // Its wake: pale streaks on the water, spreading behind the stern.
  fill_rect(c, x1 - 10, wl - 1, 320, wl + 14, [&](Rgb& d, float x, float y) {
    float spread = (x - x1 + 10) * 0.12f + 1;
    float e = std::fabs(y - wl - spread * 0.5f) / spread;
    float n = fbm(x / 4, y / 1.5f, 336, 3);
    blend(d, Rgb{0.9f, 0.75f, 0.75f}, (1 - clamp01(e)) * smooth(0.4f, 0.7f, n) * 0.5f * (1 - (x - x1) / 80));
  });
  // The quay we stand on, waving.
  fill_rect(c, 0, 200, 320, 240, solid(rgb8(25, 22, 30)));
  Figure f = some_figure(337, Rgb{0.5f, 0.4f, 0.5f}, 0.5f);
  f.rim_col = Rgb{1.0f, 0.5f, 0.4f};
  f.rim = 0.5f;
  person(c, 50, 235, 70, f, false, 1);
}

void scene_lighthouse(Canvas& c) {
  sky(c, rgb8(5, 8, 25), rgb8(25, 35, 70), 150);
  stars(c, 341, 140, 200);
  sea(c, 342, 160, rgb8(20, 28, 55), rgb8(4, 6, 16), 210, Rgb{0.6f, 0.55f, 0.4f});
  // The beam sweeping across the sky.
  beam(c, {210, 62}, {-40, 20}, 70, Rgb{0.6f, 0.55f, 0.35f});
  beam(c, {210, 62}, {330, 80}, 30, Rgb{0.3f, 0.28f, 0.18f});
  lighthouse(c, 210, 175, 120, Rgb{0.55f, 0.55f, 0.7f}, 1.0f);
  draw_glyph_text(c, "SEE YOU", 20, 190, 1.0f, Rgb{1.0f, 0.85f, 0.5f}, 0.9f);
  draw_glyph_text(c, "AT 25", 20, 205, 1.0f, Rgb{1.0f, 0.85f, 0.5f}, 0.9f);
}

struct Scene {
  const char* name;  // the photograph's file name, without folder and ending
  void (*draw)(Canvas&);
};

const Scene scenes[] = {
    {"tidewire_title", scene_tidewire_title}, {"departure", scene_departure},
    {"road_north", scene_road_north},         {"first_sea", scene_first_sea},
    {"ferry_hall", scene_ferry_hall},         {"entrance", scene_entrance},
    {"empty_hall", scene_empty_hall},         {"setup_desk", scene_setup_desk},
    {"hall_filling", scene_hall_filling},     {"machine", scene_machine},
    {"big_screen", scene_big_screen},         {"opening", scene_opening},
    {"hall_night", scene_hall_night},         {"noodle_stall", scene_noodle_stall},
    {"seminar", scene_seminar},               {"synth", scene_synth},
    {"music_compo", scene_music_compo},       {"graphics_compo", scene_graphics_compo},
    {"harbour_moon", scene_harbour_moon},     {"sleeping", scene_sleeping},
    {"sunrise_sea", scene_sunrise_sea},       {"coffee", scene_coffee},
    {"pixel_art", scene_pixel_art},           {"demo_compo", scene_demo_compo},
    {"crowd", scene_crowd},                   {"voting", scene_voting},
    {"concert", scene_concert},               {"prizegiving", scene_prizegiving},
    {"trophy", scene_trophy},                 {"group_photo", scene_group_photo},
    {"packing_up", scene_packing_up},         {"road_home", scene_road_home},
    {"ferry_dusk", scene_ferry_dusk},         {"lighthouse", scene_lighthouse},
};

}  // namespace

void draw_scene(const char* name, Canvas& c) {
  for (const Scene& s : scenes)
    if (std::strcmp(s.name, name) == 0) return s.draw(c);
  std::fprintf(stderr, "make_show: no scene is drawn for the photograph \"%s\"\n", name);
  std::exit(1);
}

void make_photographs(const std::string& show_dir) {
  build_slide_table();
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k) {
    std::string path = slide_table.entries[k]->photo_path;  // images\name.jpg
    std::string name = path.substr(path.find('\\') + 1);
    name = name.substr(0, name.size() - 4);
    Canvas c = make_canvas(640, 480, {0, 0, 0}, 2.0f);
    draw_scene(name.c_str(), c);
    std::vector<std::uint8_t> rgb = finish(c, 1000 + k);
    write_jpeg(show_dir + "/images/" + name + ".jpg", 320, 240, rgb, 90);
  }
}
