// Pieces the photographs are built from; see scene_kit.h.
#include "scene_kit.h"

#include <cmath>

namespace {

constexpr float PI = 3.14159265f;

Rgb lerp_rgb(Rgb a, Rgb b, float t) { return mix(a, b, clamp01(t)); }

// Shade: a colour that a little noise makes uneven, like a real surface.
auto textured(Rgb col, std::uint32_t seed, float freq, float amount, float a = 1.0f) {
  return [=](Rgb& d, float x, float y) {
    float n = fbm(x * freq, y * freq, seed, 3) - 0.5f;
    blend(d, col * (1 + n * amount), a);
  };
}

}  // namespace

std::function<void(Rgb&, float, float)> surface(Rgb col, std::uint32_t seed, float freq, float amount) {
  return textured(col, seed, freq, amount);
}

// --- outdoors ----------------------------------------------------------------

void sky(Canvas& c, Rgb top, Rgb horizon, float horizon_y) {
  fill_all(c, [&](Rgb& d, float, float y) {
    float t = clamp01(y / horizon_y);
    d = lerp_rgb(top, horizon, std::pow(t, 1.6f));
  });
}

void clouds(Canvas& c, std::uint32_t seed, float y0, float y1, Rgb col, float cover) {
  fill_rect(c, 0, y0, 320, y1, [&](Rgb& d, float x, float y) {
    float band = std::sin(PI * clamp01((y - y0) / (y1 - y0)));
    float n = fbm(x / 70.0f, y / 16.0f, seed, 5);
    float a = smooth(1 - cover, 1.05f - cover * 0.5f, n) * band;
    float shade = 0.75f + 0.35f * clamp01((n - 0.5f) * 3);
    blend(d, col * shade, a * 0.9f);
  });
}

void stars(Canvas& c, std::uint32_t seed, float y_max, int count) {
  Dice dice(seed);
  for (int i = 0; i < count; ++i) {
    float x = dice.range(0, 320), y = dice.range(0, y_max);
    float b = dice.range(0.2f, 1.0f) * (1 - y / y_max * 0.7f);
    glow(c, x, y, dice.range(0.6f, 1.6f), Rgb{0.9f, 0.92f, 1.0f} * (b * 1.4f));
  }
}

void sun(Canvas& c, float x, float y, float r, Rgb disc, Rgb halo) {
  glow(c, x, y, r * 9, halo * 0.35f);
  glow(c, x, y, r * 3.5f, halo * 0.6f);
  fill_ellipse(c, x, y, r, r, [&](Rgb& d, float px, float py) {
    float e = std::sqrt((px - x) * (px - x) + (py - y) * (py - y)) / r;
    blend(d, disc, 1.0f - smooth(0.85f, 1.0f, e) * 0.5f);
  });
}

void hills(Canvas& c, std::uint32_t seed, float base_y, float height, float roughness, Rgb col, Rgb haze_col) {
  std::vector<Point> pts;
  pts.push_back({-2, 260});
  for (float x = -2; x <= 322; x += 2) {
    float n = fbm(x / (90.0f / roughness), 0.5f, seed, 5);
    pts.push_back({x, base_y - (n - 0.3f) * height});
  }
  pts.push_back({322, 260});
  float top = base_y - 0.7f * height;
  fill_polygon(c, pts, [&](Rgb& d, float x, float y) {
    float t = clamp01((y - top) / (height * 1.2f + 20));
    float n = fbm(x / 12.0f, y / 6.0f, seed + 9, 3) - 0.5f;
    d = lerp_rgb(haze_col, col, 0.35f + 0.65f * t) * (1 + n * 0.18f);
  });
}

void sea(Canvas& c, std::uint32_t seed, float horizon_y, Rgb far, Rgb near, float light_x, Rgb glitter) {
  fill_rect(c, 0, horizon_y, 320, 240, [&](Rgb& d, float x, float y) {
    float depth = (y - horizon_y) / (240 - horizon_y);  // 0 at the horizon
    Rgb base = lerp_rgb(far, near, std::pow(depth, 0.7f));
    // Waves: streaks that get longer and thinner towards the horizon.
    float sx = x / (6 + 40 * (1 - depth)), sy = (y - horizon_y) / (0.6f + 5 * depth);
    float w = fbm(sx, sy, seed, 4);
    base = base * (0.82f + 0.36f * w);
    // The glitter path under the light: wide near us, narrow far away.
    float spread = 6 + 80 * depth;
    float path = std::exp(-std::pow((x - light_x) / spread, 2));
    float sparkle = smooth(0.55f, 0.75f, w) * path;
    d = base + glitter * (sparkle * 1.3f + path * 0.12f);
  });
}

void road(Canvas& c, float bottom_x, float bottom_w, Point vanish, float bend, Rgb col, Rgb line) {
  std::vector<Point> left, right;
  const int steps = 40;
  for (int i = 0; i <= steps; ++i) {
    float t = static_cast<float>(i) / steps;  // 0 near, 1 at the vanishing point
    float y = 240 + (vanish.y - 240) * t;
    float cx = bottom_x + (vanish.x - bottom_x) * t + bend * std::sin(t * PI) * (1 - t);
    float w = bottom_w * (1 - t) * 0.5f;
    left.push_back({cx - w, y});
    right.push_back({cx + w, y});
  }
  std::vector<Point> poly = left;
  for (int i = steps; i >= 0; --i) poly.push_back(right[i]);
  fill_polygon(c, poly, [&](Rgb& d, float x, float y) {
    float n = fbm(x / 3.0f, y / 3.0f, 77, 2);
    d = col * (0.9f + 0.2f * n);
  });
  // The centre line: dashes that shrink into the distance.
  for (int i = 0; i < steps; i += 2) {
    Point a = {(left[i].x + right[i].x) / 2, left[i].y};
    Point b = {(left[i + 1].x + right[i + 1].x) / 2, left[i + 1].y};
    float w = std::max(0.3f, bottom_w * 0.02f * (1 - static_cast<float>(i) / steps));
    stroke(c, a, b, w, solid(line, 0.85f));
  }
}

void ferry_hall(Canvas& c, float x0, float x1, float ground_y, float height, Rgb wall, float lit) {
  float eave = ground_y - height;
  float crown = eave - height * 0.35f;
  // Roof: a shallow arch in dark zinc.
  std::vector<Point> roof;
  for (int i = 0; i <= 30; ++i) {
    float t = i / 30.0f;
    roof.push_back({x0 - 3 + (x1 - x0 + 6) * t, eave - (crown - eave) * -std::sin(t * PI)});
  }
  roof.push_back({x1 + 3, eave + 2});
  roof.push_back({x0 - 3, eave + 2});
  fill_polygon(c, roof, [&](Rgb& d, float x, float y) {
    float ribs = 0.85f + 0.15f * std::sin(x * 1.7f);
    d = wall * 0.35f * ribs * (0.8f + 0.4f * clamp01((y - crown) / (eave - crown)));
  });
  // Brick wall.
  fill_rect(c, x0, eave, x1, ground_y, [&](Rgb& d, float x, float y) {
    float row = std::floor(y / 1.6f);
    float brick = hash01(static_cast<int>(x / 3.2f + row * 0.5f), static_cast<int>(row), 5);
    float mortar = (std::fmod(y, 1.6f) < 0.25f) ? 0.8f : 1.0f;
    d = wall * (0.85f + 0.25f * brick) * mortar;
  });
  // Tall arched windows, warm when lit.
  int n = std::max(3, static_cast<int>((x1 - x0) / 16));
  float step = (x1 - x0) / n;
  for (int i = 0; i < n; ++i) {
    float cx = x0 + step * (i + 0.5f);
    float w = step * 0.28f, top = eave + height * 0.2f, bottom = ground_y - height * 0.18f;
    Rgb glass = lerp_rgb(Rgb{0.08f, 0.1f, 0.14f}, Rgb{1.3f, 0.85f, 0.45f}, lit * (0.7f + 0.3f * hash01(i, 3, 9)));
    fill_rect(c, cx - w, top, cx + w, bottom, solid(glass));
    fill_ellipse(c, cx, top, w, w, solid(glass));
    stroke(c, {cx, top - w}, {cx, bottom}, 0.5f, solid(wall * 0.4f));
    stroke(c, {cx - w, (top + bottom) / 2}, {cx + w, (top + bottom) / 2}, 0.5f, solid(wall * 0.4f));
    if (lit > 0) glow(c, cx, (top + bottom) / 2, w * 5, Rgb{0.35f, 0.2f, 0.08f} * lit);
  }
}

void lighthouse(Canvas& c, float x, float base_y, float h, Rgb body, float lamp) {
  float wb = h * 0.12f, wt = h * 0.075f, top = base_y - h;
  // Rock.
  std::vector<Point> rock = {{x - h * 0.45f, base_y + 6}, {x - h * 0.3f, base_y - 3}, {x - h * 0.1f, base_y - 5},
                             {x + h * 0.2f, base_y - 4}, {x + h * 0.4f, base_y + 1}, {x + h * 0.55f, base_y + 8}};
  fill_polygon(c, rock, textured(body * 0.25f, 31, 0.4f, 0.8f));
  // Tower with red and white bands, lit from the left.
  std::vector<Point> tower = {{x - wb, base_y - 2}, {x - wt, top + h * 0.12f}, {x + wt, top + h * 0.12f},
                              {x + wb, base_y - 2}};
  fill_polygon(c, tower, [&](Rgb& d, float px, float py) {
    float t = (base_y - py) / h;
    float half = wb + (wt - wb) * t;
    float side = (px - x) / half;  // -1 left, 1 right
    bool red = static_cast<int>(t * 6) % 2 == 1;
    Rgb col = red ? Rgb{0.55f, 0.1f, 0.08f} : Rgb{0.85f, 0.83f, 0.78f};
    d = col * body * (0.95f - 0.5f * side);
  });
  // Gallery and lantern.
  fill_rect(c, x - wt * 1.6f, top + h * 0.1f, x + wt * 1.6f, top + h * 0.13f, solid(body * 0.2f));
  Rgb glass = lerp_rgb(Rgb{0.15f, 0.18f, 0.2f}, Rgb{1.6f, 1.4f, 0.9f}, lamp);
  fill_rect(c, x - wt * 0.9f, top + h * 0.03f, x + wt * 0.9f, top + h * 0.1f, solid(glass));
  std::vector<Point> cap = {{x - wt * 1.1f, top + h * 0.03f}, {x, top - h * 0.03f}, {x + wt * 1.1f, top + h * 0.03f}};
  fill_polygon(c, cap, solid(body * 0.15f));
  if (lamp > 0) glow(c, x, top + h * 0.065f, h * 0.5f, Rgb{1.0f, 0.85f, 0.5f} * (lamp * 0.9f));
}

void fir(Canvas& c, float x, float base_y, float h, Rgb col) {
  std::vector<Point> pts;
  const int tiers = 5;
  pts.push_back({x, base_y - h});
  for (int i = 1; i <= tiers; ++i) {
    float y = base_y - h + h * 0.9f * i / tiers;
    float w = h * 0.08f + h * 0.3f * i / tiers;
    pts.push_back({x + w, y});
    pts.push_back({x + w * 0.45f, y - h * 0.04f});
  }
  pts.push_back({x + h * 0.04f, base_y});
  pts.push_back({x - h * 0.04f, base_y});
  for (int i = tiers; i >= 1; --i) {
    float y = base_y - h + h * 0.9f * i / tiers;
    float w = h * 0.08f + h * 0.3f * i / tiers;
    pts.push_back({x - w * 0.45f, y - h * 0.04f});
    pts.push_back({x - w, y});
  }
  fill_polygon(c, pts, solid(col));
}

// --- people ------------------------------------------------------------------

Figure some_figure(std::uint32_t seed, Rgb tint, float light) {
  static const Rgb shirts[] = {{0.55f, 0.12f, 0.12f}, {0.12f, 0.25f, 0.5f}, {0.2f, 0.4f, 0.25f},
                               {0.6f, 0.5f, 0.2f},    {0.3f, 0.3f, 0.32f},  {0.45f, 0.3f, 0.5f},
                               {0.1f, 0.1f, 0.12f},   {0.7f, 0.65f, 0.6f}};
  static const Rgb skins[] = {{0.85f, 0.65f, 0.5f}, {0.6f, 0.42f, 0.3f}, {0.95f, 0.78f, 0.65f}, {0.4f, 0.27f, 0.2f}};
  static const Rgb hairs[] = {{0.1f, 0.07f, 0.05f}, {0.35f, 0.22f, 0.1f}, {0.6f, 0.5f, 0.3f}, {0.05f, 0.05f, 0.05f},
                              {0.5f, 0.2f, 0.1f}};
  Dice d(seed);
  Figure f;
  f.body = shirts[d.next() % 8] * tint * light;
  f.skin = skins[d.next() % 4] * tint * light;
  f.hair = hairs[d.next() % 5] * tint * light;
  f.rim_col = {1, 1, 1};
  f.rim = 0;
  return f;
}

namespace {

// Paints with a rim of light near the left and right edges of a shape whose
// centre line is x = cx and half width hw.
auto rim_lit(Rgb col, const Figure& f, float cx, float hw) {
  return [=](Rgb& d, float x, float) {
    float e = std::fabs(x - cx) / hw;
    d = col + f.rim_col * (f.rim * smooth(0.6f, 1.0f, e));
  };
}

}  // namespace

void person(Canvas& c, float x, float feet_y, float h, const Figure& f, bool facing, int arms) {
  float head_r = h * 0.075f, top = feet_y - h;
  float shoulder_y = top + h * 0.19f, hip_y = top + h * 0.52f;
  float sw = h * 0.13f;
  // Legs.
  Rgb legs = f.body * 0.45f + Rgb{0.02f, 0.03f, 0.06f};
  stroke(c, {x - sw * 0.4f, hip_y}, {x - sw * 0.45f, feet_y - h * 0.02f}, h * 0.085f, rim_lit(legs, f, x - sw * 0.45f, h * 0.05f));
  stroke(c, {x + sw * 0.4f, hip_y}, {x + sw * 0.45f, feet_y - h * 0.02f}, h * 0.085f, rim_lit(legs, f, x + sw * 0.45f, h * 0.05f));
  // Arms.
  Rgb sleeve = f.body * 0.9f;
  for (int side = -1; side <= 1; side += 2) {
    Point shoulder = {x + side * sw * 0.85f, shoulder_y + h * 0.02f};
    Point hand;
    if (arms == 0)
      hand = {x + side * sw * 1.1f, hip_y + h * 0.02f};
    else if (arms == 1)
      hand = {x + side * sw * 1.6f, top - h * 0.08f};
    else
      hand = {x + side * sw * 0.5f, top - h * 0.02f};
    Point elbow = {(shoulder.x + hand.x) / 2 + side * sw * 0.25f, (shoulder.y + hand.y) / 2};
    stroke(c, shoulder, elbow, h * 0.07f, solid(sleeve));
    stroke(c, elbow, hand, h * 0.06f, solid(sleeve));
    fill_ellipse(c, hand.x, hand.y, h * 0.03f, h * 0.035f, solid(facing ? f.skin : f.skin * 0.7f));
  }
  // Torso: shoulders to hips, a little narrower at the waist.
  std::vector<Point> torso = {{x - sw, shoulder_y + h * 0.03f}, {x - sw * 0.8f, shoulder_y - h * 0.01f},
                              {x + sw * 0.8f, shoulder_y - h * 0.01f}, {x + sw, shoulder_y + h * 0.03f},
                              {x + sw * 0.75f, hip_y + h * 0.03f}, {x - sw * 0.75f, hip_y + h * 0.03f}};
  fill_polygon(c, torso, [&](Rgb& d, float px, float py) {
    float shade = 1.0f - 0.25f * clamp01((py - shoulder_y) / (hip_y - shoulder_y));
    rim_lit(f.body * shade, f, x, sw)(d, px, py);
  });
  // Neck and head.
  fill_rect(c, x - head_r * 0.4f, top + h * 0.13f, x + head_r * 0.4f, shoulder_y + 0.5f, solid(f.skin * 0.8f));
  float hy = top + head_r * 1.1f;
  fill_ellipse(c, x, hy, head_r * 0.85f, head_r, rim_lit(facing ? f.skin : f.hair, f, x, head_r * 0.85f));
  if (facing) {
    // Hair on top, and a hint of eyes.
    fill_ellipse(c, x, hy - head_r * 0.45f, head_r * 0.88f, head_r * 0.6f, solid(f.hair));
    if (h > 30) {
      fill_ellipse(c, x - head_r * 0.33f, hy + head_r * 0.1f, head_r * 0.1f, head_r * 0.08f, solid(Rgb{0.08f, 0.06f, 0.05f}));
      fill_ellipse(c, x + head_r * 0.33f, hy + head_r * 0.1f, head_r * 0.1f, head_r * 0.08f, solid(Rgb{0.08f, 0.06f, 0.05f}));
      stroke(c, {x - head_r * 0.25f, hy + head_r * 0.5f}, {x + head_r * 0.25f, hy + head_r * 0.5f}, head_r * 0.08f,
             solid(f.skin * 0.6f));
    }
  }
}

void head_and_shoulders(Canvas& c, float x, float y, float w, const Figure& f) {
  float head_r = w * 0.28f;
  std::vector<Point> body = {{x - w * 0.5f, y + w * 0.9f}, {x - w * 0.48f, y + w * 0.25f}, {x - w * 0.3f, y + w * 0.05f},
                             {x + w * 0.3f, y + w * 0.05f}, {x + w * 0.48f, y + w * 0.25f}, {x + w * 0.5f, y + w * 0.9f}};
  fill_polygon(c, body, rim_lit(f.body, f, x, w * 0.5f));
  fill_rect(c, x - head_r * 0.45f, y - head_r * 0.3f, x + head_r * 0.45f, y + w * 0.1f, solid(f.skin * 0.5f));
  fill_ellipse(c, x, y - head_r * 0.9f, head_r * 0.85f, head_r, rim_lit(f.hair, f, x, head_r * 0.85f));
}

void crowd(Canvas& c, std::uint32_t seed, float y_back, float y_front, int rows, Rgb col, Rgb rim,
           float rim_strength, float raised_hands) {
  Dice dice(seed);
  for (int r = 0; r < rows; ++r) {
    float t = rows == 1 ? 1 : static_cast<float>(r) / (rows - 1);
    float y = y_back + (y_front - y_back) * t;
    float w = 7 + 34 * t * t;
    float shade = 0.55f + 0.45f * (1 - t);
    for (float x = dice.range(-w, 0); x < 320 + w; x += w * dice.range(0.8f, 1.1f)) {
      Figure f = some_figure(dice.next(), col, shade * 0.5f);
      f.rim_col = rim;
      f.rim = rim_strength * (1 - t * 0.4f);
      float jitter = dice.range(-0.08f, 0.08f) * w;
      if (dice.range(0, 1) < raised_hands) {
        Point s = {x + w * dice.range(-0.4f, 0.4f), y + w * 0.2f};
        Point hand = {s.x + dice.range(-w * 0.5f, w * 0.5f), y - w * dice.range(1.0f, 1.6f)};
        stroke(c, s, hand, w * 0.16f, solid(f.body * 0.8f + f.rim_col * (f.rim * 0.3f)));
        fill_ellipse(c, hand.x, hand.y, w * 0.1f, w * 0.12f, solid(f.skin * 0.6f + f.rim_col * (f.rim * 0.4f)));
      }
      head_and_shoulders(c, x, y + jitter, w, f);
    }
  }
}

// --- inside the hall ---------------------------------------------------------------

void hall_inside(Canvas& c, const View& v, float day, Rgb light) {
  const float W = 11, H = 9, Z_BACK = 45;
  Rgb wall = lerp_rgb(Rgb{0.05f, 0.055f, 0.07f}, Rgb{0.55f, 0.48f, 0.4f}, day);
  Rgb floor_col = lerp_rgb(Rgb{0.04f, 0.04f, 0.05f}, Rgb{0.42f, 0.36f, 0.3f}, day);
  // Ceiling and roof: everything first, then the other surfaces over it.
  fill_all(c, [&](Rgb& d, float, float y) { d = wall * (0.5f + 0.3f * clamp01(y / v.vy)); });
  // Floor: boards converging to the vanishing point, brighter far away.
  Point fl = v.at(-W, 0, 1), fr = v.at(W, 0, 1), bl = v.at(-W, 0, Z_BACK), br = v.at(W, 0, Z_BACK);
  fill_polygon(c, {fl, bl, br, fr}, [&](Rgb& d, float x, float y) {
    float z = v.focal * v.eye / std::max(0.01f, y - v.vy);
    float X = (x - v.vx) * z / v.focal;
    float board = hash01(static_cast<int>(std::floor(X * 2.5f)), static_cast<int>(z / 3), 17);
    float sheen = std::exp(-std::pow((x - v.vx) / 60, 2)) * 0.35f * day;
    d = floor_col * (0.8f + 0.3f * board) * (0.7f + 0.3f * clamp01(z / 20)) + light * (sheen * 0.5f);
  });
  // Side walls with a row of tall windows.
  for (int side = -1; side <= 1; side += 2) {
    Point a = v.at(side * W, 0, 1), b = v.at(side * W, 0, Z_BACK), t1 = v.at(side * W, H, 1), t2 = v.at(side * W, H, Z_BACK);
    fill_polygon(c, {a, b, t2, t1}, [&](Rgb& d, float x, float y) {
      float z = v.focal * side * W / std::max(0.01f, (x - v.vx) * side);
      float Y = v.eye - (y - v.vy) * z / v.focal;
      float brick = 0.85f + 0.2f * hash01(static_cast<int>(z * 2), static_cast<int>(Y * 5), 3);
      d = wall * brick * (0.75f + 0.25f * side);
    });
    for (float z = 4; z < Z_BACK; z += 6) {
      Point w0 = v.at(side * W, 3.2f, z), w1 = v.at(side * W, 3.2f, z + 2.5f), w2 = v.at(side * W, 7.5f, z + 2.5f),
            w3 = v.at(side * W, 7.5f, z);
      Rgb glass = lerp_rgb(Rgb{0.04f, 0.06f, 0.12f}, Rgb{1.2f, 1.15f, 1.05f}, day);
      fill_polygon(c, {w0, w1, w2, w3}, solid(glass));
      stroke(c, {(w0.x + w1.x) / 2, (w0.y + w1.y) / 2}, {(w2.x + w3.x) / 2, (w2.y + w3.y) / 2}, 1.0f / z * 8,
             solid(wall * 0.3f));
    }
  }
  // Back wall.
  Point k0 = v.at(-W, 0, Z_BACK), k1 = v.at(W, H + 3, Z_BACK);
  fill_rect(c, k0.x, k1.y, k1.x, k0.y, solid(wall * 0.8f));
  // Roof trusses: dark steel arches across the hall.
  for (float z = 3; z < Z_BACK; z += 5) {
    Point l = v.at(-W, H, z), r = v.at(W, H, z);
    Point top = v.at(0, H + 3, z);
    float w = std::max(0.6f, 14 / z);
    stroke(c, l, top, w, solid(Rgb{0.03f, 0.03f, 0.035f}));
    stroke(c, top, r, w, solid(Rgb{0.03f, 0.03f, 0.035f}));
    stroke(c, l, r, w * 0.6f, solid(Rgb{0.03f, 0.03f, 0.035f}));
  }
  // Hanging lamps, lit at night.
  if (day < 0.6f)
    for (float z = 5; z < Z_BACK; z += 8)
      for (int side = -1; side <= 1; side += 2) {
        Point p = v.at(side * 4.0f, H - 1, z);
        glow(c, p.x, p.y, 60 / z, light * (0.6f * (1 - day)));
      }
}

void monitor(Canvas& c, Point p, float w, Rgb screen, float glow_amount) {
  float h = w * 0.78f;
  Rgb case_col = {0.1f, 0.1f, 0.11f};
  fill_rect(c, p.x - w * 0.12f, p.y - h * 0.25f, p.x + w * 0.12f, p.y, solid(case_col * 0.7f));
  fill_rect(c, p.x - w * 0.3f, p.y - w * 0.05f, p.x + w * 0.3f, p.y, solid(case_col));
  fill_rect(c, p.x - w * 0.5f, p.y - h - h * 0.2f, p.x + w * 0.5f, p.y - h * 0.2f, solid(case_col));
  float bx = w * 0.06f;
  fill_rect(c, p.x - w * 0.5f + bx, p.y - h - h * 0.2f + bx, p.x + w * 0.5f - bx, p.y - h * 0.2f - bx,
            [&](Rgb& d, float, float y) { d = screen * (0.85f + 0.15f * std::sin(y * 3)); });
  if (glow_amount > 0) glow(c, p.x, p.y - h * 0.7f, w * 1.6f, screen * (0.25f * glow_amount));
}

void table_rows(Canvas& c, const View& v, std::uint32_t seed, float z_near, float z_far, int rows, float occupied,
                float night) {
  Dice dice(seed);
  static const Rgb screens[] = {{0.3f, 0.55f, 0.95f}, {0.9f, 0.9f, 0.95f}, {0.35f, 0.85f, 0.55f},
                                {0.95f, 0.55f, 0.25f}, {0.6f, 0.4f, 0.9f},   {0.25f, 0.75f, 0.85f}};
  for (int r = rows - 1; r >= 0; --r) {
    float t = rows == 1 ? 0 : static_cast<float>(r) / (rows - 1);
    float z = z_near * std::pow(z_far / z_near, t);
    // Table: a long top surface and its front edge.
    Point a = v.at(-9.5f, 0.75f, z), b = v.at(9.5f, 0.75f, z), a2 = v.at(-9.5f, 0.75f, z + 0.9f),
          b2 = v.at(9.5f, 0.75f, z + 0.9f);
    Rgb top_col = lerp_rgb(Rgb{0.75f, 0.72f, 0.66f}, Rgb{0.12f, 0.12f, 0.14f}, night);
    // Monitors stand at the far edge of the table, screens towards us.
    for (float X = -8.5f; X <= 8.6f; X += 1.3f) {
      float jitter = dice.range(-0.15f, 0.15f);
      if (dice.range(0, 1) > 0.85f) continue;
      Point p = v.at(X + jitter, 0.75f, z + 0.7f);
      Rgb s = screens[dice.next() % 6] * lerp_rgb(Rgb{0.6f, 0.6f, 0.6f}, Rgb{1.2f, 1.2f, 1.2f}, night);
      if (occupied == 0) s = Rgb{0.06f, 0.07f, 0.08f};  // nobody here yet: screens off
      monitor(c, p, v.focal * 0.62f / (z + 0.7f), s, occupied == 0 ? 0 : night);
    }
    fill_polygon(c, {a, a2, b2, b}, solid(top_col));
    Point f0 = v.at(-9.5f, 0.68f, z), f1 = v.at(9.5f, 0.68f, z);
    fill_rect(c, f0.x, a.y, f1.x, f0.y, solid(top_col * 0.5f));
    // People on the near side, their backs to us.
    for (float X = -8.5f; X <= 8.6f; X += 1.3f) {
      if (dice.range(0, 1) > occupied) continue;
      Figure f = some_figure(dice.next(), lerp_rgb(Rgb{1, 1, 1}, Rgb{0.35f, 0.4f, 0.6f}, night), 1.0f - 0.8f * night);
      f.rim_col = screens[dice.next() % 6];
      f.rim = 0.6f * night;
      Point p = v.at(X + dice.range(-0.2f, 0.2f), 1.25f, z - 0.45f);
      head_and_shoulders(c, p.x, p.y, v.focal * 0.5f / (z - 0.45f), f);
    }
  }
}

void big_screen(Canvas& c, float x0, float y0, float x1, float y1,
                const std::function<Rgb(float u, float v)>& paint, float glow_amount) {
  fill_rect(c, x0 - 2, y0 - 2, x1 + 2, y1 + 2, solid(Rgb{0.02f, 0.02f, 0.02f}));
  fill_rect(c, x0, y0, x1, y1, [&](Rgb& d, float x, float y) { d = paint((x - x0) / (x1 - x0), (y - y0) / (y1 - y0)); });
  if (glow_amount > 0) {
    Rgb mean = paint(0.5f, 0.5f) * 0.5f + paint(0.25f, 0.3f) * 0.25f + paint(0.75f, 0.7f) * 0.25f;
    glow(c, (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) * 0.9f, mean * (0.25f * glow_amount));
  }
}

void spotlight(Canvas& c, Point from, Point to, float spread, Rgb col) {
  beam(c, from, to, spread, col * 0.35f);
  glow(c, from.x, from.y, 7, col * 1.2f);
  glow(c, to.x, to.y, spread * 0.6f, col * 0.25f);
}

void haze(Canvas& c, Rgb col, float amount) {
  fill_all(c, [&](Rgb& d, float x, float y) { d = d + col * (amount * (0.7f + 0.6f * fbm(x / 40, y / 30, 99, 3))); });
}

// --- finishing -----------------------------------------------------------------------

std::vector<std::uint8_t> finish(Canvas& c, std::uint32_t seed, float vignette_strength) {
  bloom(c, 0.75f, 0.6f);
  vignette(c, vignette_strength);
  Canvas small = downsample2(c);
  return develop(small, seed, 0.035f);
}
