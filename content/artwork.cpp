// The interface artwork: the intro picture, the player background with its
// buttons, the button images, the font, the cursor, the corner sprite, the
// credits panel and the ten frames of the animated logo.
//
// The player background is drawn once with every button in its idle look and
// written as a JPEG. Every image that is drawn over it (button images, logo
// frames) starts from the background's own decoded pixels, so that nothing
// shifts when an image is put down or taken away; a hover or autoplay image
// adds only the difference its lit button makes. To restyle the buttons edit
// `draw_button`; the layout constants below are the program's own screen
// positions and must stay as they are.
#include <cmath>
#include <cstring>
#include <string>

#include "glyphs.h"
#include "scene_kit.h"
#include "show.h"

namespace {

constexpr float PI = 3.14159265f;

const Rgb BRASS = {0.85f, 0.62f, 0.3f};
const Rgb NAVY = rgb8(14, 22, 40);
const Rgb TEAL = {0.3f, 0.75f, 0.8f};
const Rgb PAPER = {1.0f, 0.95f, 0.85f};

// --- pixels and files ------------------------------------------------------------

// 32-bit pixel from 8-bit channels, alpha 255: never the transparent key 0.
std::uint32_t opaque(int r, int g, int b) {
  return 0xff000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

// A decoded picture: 8-bit RGB rows.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

// The pixels of the block (x, y, w, h) of a picture, as 32-bit pixels.
std::vector<std::uint32_t> block_of(const Picture& p, int x, int y, int w, int h) {
  std::vector<std::uint32_t> out;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const std::uint8_t* q = p.at(x + i, y + j);
      out.push_back(opaque(q[0], q[1], q[2]));
    }
  return out;
}

Picture developed(const Canvas& c, float grain) {
  Canvas small = downsample2(c);
  return {small.width, small.height, develop(small, 7, grain)};
}

// --- the layout of the player screen ------------------------------------------------

struct Button {
  const char* idle;      // drawn when the pointer leaves
  const char* hover;     // drawn while the pointer is over it
  const char* other;     // the third file: autoplay (play) or pressed (never drawn)
  int x, y, w, h;        // the block the program draws it in
  float cx, cy;          // centre of the round button inside the block
};

const Button buttons[5] = {
    {"play_click", "play_over", "play", 360, 217, 57, 50, 388, 242},
    {"rwd_click", "rwd_over", "rwd", 365, 267, 56, 49, 393.5f, 291.5f},
    {"fwd_click", "fwd_over", "fwd", 352, 316, 61, 48, 383.5f, 340.5f},
    {"stop", "stop_over", "stop_click", 347, 364, 53, 48, 374.5f, 388.5f},
    {"help", "help_over", "help_click", 351, 413, 58, 49, 380.5f, 439},
};
constexpr float BUTTON_RADIUS = 19;

constexpr int LOGO_X = 241, LOGO_Y = 12, LOGO_SIZE = 70;
constexpr int CREDITS_X = 427, CREDITS_Y = 106, CREDITS_W = 198, CREDITS_H = 265;

enum class Look { IDLE, HOVER, AUTOPLAY, PRESSED };

// The button's symbol, centred on (cx, cy).
void draw_icon(Canvas& c, int which, float cx, float cy, Rgb col) {
  auto ink = solid(col);
  switch (which) {
    case 0:  // play
      fill_polygon(c, {{cx - 6, cy - 8}, {cx + 9, cy}, {cx - 6, cy + 8}}, ink);
      break;
    case 1:  // rwd: back to the picture before
      fill_polygon(c, {{cx + 1, cy - 7}, {cx - 9, cy}, {cx + 1, cy + 7}}, ink);
      fill_polygon(c, {{cx + 10, cy - 7}, {cx, cy}, {cx + 10, cy + 7}}, ink);
      break;
    case 2:  // fwd: on to the next picture
      fill_polygon(c, {{cx - 1, cy - 7}, {cx + 9, cy}, {cx - 1, cy + 7}}, ink);
      fill_polygon(c, {{cx - 10, cy - 7}, {cx, cy}, {cx - 10, cy + 7}}, ink);
      break;
    case 3:  // stop
      fill_rect(c, cx - 6.5f, cy - 6.5f, cx + 6.5f, cy + 6.5f, ink);
      break;
    default: {  // help: a question mark
      Point prev = {cx - 5, cy - 4};
      for (int k = 1; k <= 12; ++k) {
        float a = PI * (1.1f - 1.6f * k / 12.0f);
        Point p = {cx + 5 * std::cos(a), cy - 4 - 5 * std::sin(a)};
        stroke(c, prev, p, 2.6f, ink);
        prev = p;
      }
      stroke(c, prev, {cx, cy + 3}, 2.6f, ink);
      fill_ellipse(c, cx, cy + 8, 1.8f, 1.8f, ink);
    }
  }
}

void draw_button(Canvas& c, int which, Look look) {
  const Button& b = buttons[which];
  float cx = b.cx, cy = b.cy, r = BUTTON_RADIUS;
  float press = look == Look::PRESSED ? 1.0f : 0.0f;
  if (look == Look::HOVER) glow(c, cx, cy, r + 9, Rgb{0.35f, 0.25f, 0.1f});
  if (look == Look::AUTOPLAY) glow(c, cx, cy, r + 9, Rgb{0.1f, 0.4f, 0.25f});
  // Brass bezel, lit from the top left.
  fill_ellipse(c, cx, cy, r, r, [&](Rgb& d, float x, float y) {
    float l = 0.5f + 0.5f * ((cx - x) + (cy - y)) / (r * 1.4f);
    d = BRASS * (0.45f + 0.75f * l);
  });
  Rgb face_top, face_bottom, icon;
  switch (look) {
    case Look::IDLE:
      face_top = rgb8(40, 52, 78), face_bottom = rgb8(12, 18, 32), icon = Rgb{0.78f, 0.6f, 0.32f};
      break;
    case Look::HOVER:
      face_top = rgb8(70, 110, 150), face_bottom = rgb8(25, 45, 75), icon = Rgb{1.3f, 1.15f, 0.8f};
      break;
    case Look::AUTOPLAY:
      face_top = rgb8(40, 130, 95), face_bottom = rgb8(10, 55, 40), icon = Rgb{0.7f, 1.4f, 0.8f};
      break;
    case Look::PRESSED:
      face_top = rgb8(10, 15, 28), face_bottom = rgb8(30, 42, 64), icon = Rgb{0.6f, 0.45f, 0.25f};
      break;
  }
  float fr = r - 3.2f;
  fill_ellipse(c, cx, cy, fr, fr, [&](Rgb& d, float, float y) {
    d = mix(face_top, face_bottom, clamp01((y - (cy - fr)) / (2 * fr)));
  });
  // A highlight on the glass of the face.
  fill_ellipse(c, cx - 3, cy - 8, fr * 0.6f, fr * 0.3f, solid(Rgb{1, 1, 1}, press > 0 ? 0.03f : 0.08f));
  draw_icon(c, which, cx + press * 0.7f, cy + press, icon);
  if (look == Look::HOVER || look == Look::AUTOPLAY) glow(c, cx, cy, 10, icon * 0.25f);
  if (look == Look::AUTOPLAY)
    for (int k = 0; k < 24; ++k) {  // a ring of small lights: the show is running
      float a = 2 * PI * k / 24;
      glow(c, cx + std::cos(a) * (r - 1.6f), cy + std::sin(a) * (r - 1.6f), 1.6f, Rgb{0.4f, 1.2f, 0.6f});
    }
}

// A dark plate with a brass edge, as the panels of the player are made.
void plate(Canvas& c, float x0, float y0, float x1, float y1, Rgb top, Rgb bottom) {
  fill_rect(c, x0 - 2, y0 - 2, x1 + 2, y1 + 2, solid(Rgb{0.01f, 0.01f, 0.02f}));
  fill_rect(c, x0 - 1, y0 - 1, x1 + 1, y1 + 1, solid(BRASS * 0.6f));
  fill_rect(c, x0, y0, x1, y1, vgrad(y0, top, y1, bottom));
}

void draw_text_centred(Canvas& c, const char* text, float cx, float y, float scale, Rgb col) {
  draw_glyph_text(c, text, cx - glyph_text_width(text, scale) / 2, y, scale, col);
}

// The badge of the logo: the socket in the background and every logo frame.
void draw_badge_socket(Canvas& c, float cx, float cy) {
  fill_ellipse(c, cx, cy, 35, 35, solid(Rgb{0.01f, 0.01f, 0.02f}));
  fill_ellipse(c, cx, cy, 34, 34, [&](Rgb& d, float x, float y) {
    float l = 0.5f + 0.5f * ((cx - x) + (cy - y)) / 48;
    d = BRASS * (0.4f + 0.8f * l);
  });
  fill_ellipse(c, cx, cy, 30.5f, 30.5f, vgrad(cy - 30, rgb8(20, 35, 70), cy + 30, rgb8(6, 10, 22)));
}

// One frame of the logo animation: the lighthouse on its rock, its two beams
// turned by `turn` (0..1 of half a revolution) and the sea moving by `turn`
// of a wave length. Frame 10 would equal frame 0, so ten frames loop.
void draw_badge(Canvas& c, float cx, float cy, float turn) {
  draw_badge_socket(c, cx, cy);
  const float r = 30.5f;
  auto inside = [&](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r; };
  for (int i = 0; i < 20; ++i) {  // a few stars
    float x = cx - 24 + hash01(i, 1, 401) * 48, y = cy - 26 + hash01(i, 2, 401) * 26;
    if (inside(x, y)) glow(c, x, y, 1.2f, Rgb{0.8f, 0.85f, 1.0f} * 0.8f);
  }
  Point lamp = {cx + 4, cy - 13};
  for (int arm = 0; arm < 2; ++arm) {
    float a = PI * (turn + arm);
    Point to = {lamp.x + std::cos(a) * 60, lamp.y + std::sin(a) * 22};
    float dx = to.x - lamp.x, dy = to.y - lamp.y, len = std::sqrt(dx * dx + dy * dy);
    float ux = dx / len, uy = dy / len;
    fill_polygon(c, {{lamp.x, lamp.y - 1}, {to.x - uy * 9, to.y + ux * 9}, {to.x + uy * 9, to.y - ux * 9}, {lamp.x, lamp.y + 1}},
                 [&](Rgb& d, float x, float y) {
                   if (!inside(x, y)) return;
                   float along = ((x - lamp.x) * ux + (y - lamp.y) * uy) / len;
                   // Brighter when the beam points at us, as it swings round.
                   float facing = 0.45f + 0.55f * std::fabs(std::cos(a));
                   d = d + Rgb{1.0f, 0.85f, 0.45f} * (0.55f * (1 - along) * facing);
                 });
  }
  // Sea: two rows of waves, each moving one wave length over the loop.
  for (int row = 0; row < 2; ++row) {
    float base = cy + 12 + row * 7, wl = 12 - row * 2;
    fill_rect(c, cx - r, base - 3, cx + r, cy + r, [&](Rgb& d, float x, float y) {
      if (!inside(x, y)) return;
      float wave = base + 1.6f * std::sin(2 * PI * ((x - cx) / wl - turn * (row == 0 ? 1 : -1)));
      if (y > wave) d = mix(rgb8(30, 70, 120), rgb8(10, 30, 60), clamp01((y - base) / 12)) * (row == 0 ? 1.0f : 0.8f);
      if (std::fabs(y - wave) < 0.6f) d = d + Rgb{0.3f, 0.5f, 0.6f};
    });
  }
  // Tower and lantern.
  fill_polygon(c, {{lamp.x - 5, cy + 14}, {lamp.x - 3, lamp.y + 4}, {lamp.x + 3, lamp.y + 4}, {lamp.x + 5, cy + 14}},
               [&](Rgb& d, float x, float y) {
                 bool red = static_cast<int>((cy + 14 - y) / 5) % 2 == 1;
                 d = (red ? rgb8(190, 40, 35) : rgb8(235, 230, 220)) * (1.05f - 0.45f * (x - lamp.x + 5) / 10);
               });
  fill_rect(c, lamp.x - 3.5f, lamp.y - 2.5f, lamp.x + 3.5f, lamp.y + 4, solid(Rgb{1.6f, 1.4f, 0.9f}));
  fill_polygon(c, {{lamp.x - 4.5f, lamp.y - 2.5f}, {lamp.x, lamp.y - 6.5f}, {lamp.x + 4.5f, lamp.y - 2.5f}}, solid(rgb8(40, 30, 30)));
  glow(c, lamp.x, lamp.y + 1, 9, Rgb{0.8f, 0.6f, 0.3f});
  fill_polygon(c, {{lamp.x - 12, cy + 17}, {lamp.x - 6, cy + 13}, {lamp.x + 7, cy + 13}, {lamp.x + 13, cy + 18}}, solid(rgb8(25, 22, 28)));
}

// --- the player background -----------------------------------------------------------

void draw_background(Canvas& c) {
  // The body: deep navy with a faint pattern of tide lines.
  fill_all(c, [&](Rgb& d, float x, float y) {
    Rgb base = mix(rgb8(22, 32, 56), rgb8(8, 12, 24), clamp01(y / 480));
    float lines = std::sin((y + 14 * std::sin(x / 60)) * 0.55f);
    float n = fbm(x / 90, y / 90, 501, 4);
    d = base * (0.85f + 0.3f * n) + Rgb{0.02f, 0.04f, 0.06f} * smooth(0.9f, 1.0f, lines);
  });
  // The header band with the title.
  fill_rect(c, 0, 0, 640, 96, vgrad(0, rgb8(30, 46, 80), 96, rgb8(16, 24, 44)));
  fill_rect(c, 0, 96, 640, 98, solid(BRASS * 0.7f));
  fill_rect(c, 0, 98, 640, 100, solid(Rgb{0.01f, 0.01f, 0.02f}, 0.6f));
  for (int k = 0; k < 3; ++k) {  // three tide lines, the event's sign
    Point prev = {18, 48};
    for (float x = 18; x <= 226; x += 2) {
      Point p = {x, 40 + k * 9 + 5 * std::sin(x / 17 + k * 0.9f)};
      stroke(c, prev, p, 1.6f, solid(mix(TEAL, BRASS, k / 2.0f), 0.9f));
      prev = p;
    }
  }
  draw_glyph_text(c, "LANNICK SOUND", 20, 76, 1, TEAL * 0.8f);
  draw_glyph_text(c, "TIDEWIRE 24", 330, 20, 2, Rgb{0.02f, 0.02f, 0.04f});
  draw_glyph_text(c, "TIDEWIRE 24", 328, 18, 2, mix(PAPER, BRASS, 0.3f));
  draw_glyph_text(c, "A REPORT IN 34 PICTURES", 329, 56, 1, TEAL);
  draw_badge_socket(c, LOGO_X + 35, LOGO_Y + 35);

  // The caption display above the photograph, and the photograph's frame.
  plate(c, 22, 103, 352, 211, rgb8(10, 16, 28), rgb8(16, 24, 40));
  fill_rect(c, 22, 103, 352, 106, solid(Rgb{1, 1, 1}, 0.04f));
  plate(c, 14, 214, 347, 467, rgb8(40, 34, 30), rgb8(26, 22, 20));
  fill_rect(c, 19, 219, 342, 462, solid(Rgb{0.0f, 0.0f, 0.0f}));
  // The photograph's place, for the instant before a picture is in it.
  fill_rect(c, 21, 221, 340, 460, vgrad(221, rgb8(20, 24, 34), 460, rgb8(10, 12, 18)));

  // The console of the buttons: a curved rail behind them.
  fill_rect(c, 350, 212, 428, 468, [&](Rgb& d, float x, float y) {
    float arc = 352 + 30 * std::sin(PI * (y - 212) / 256);
    if (x > arc) d = mix(d, rgb8(20, 28, 46), 0.8f);
  });
  Point prev = {buttons[0].cx, buttons[0].cy};
  for (int i = 1; i < 5; ++i) {
    Point p = {buttons[i].cx, buttons[i].cy};
    stroke(c, prev, p, 5, solid(Rgb{0.01f, 0.01f, 0.02f}));
    stroke(c, prev, p, 2, solid(BRASS * 0.5f));
    prev = p;
  }
  for (int i = 0; i < 5; ++i) draw_button(c, i, Look::IDLE);

  // The recess the credits panel appears in: a speaker grille.
  plate(c, CREDITS_X, CREDITS_Y, CREDITS_X + CREDITS_W, CREDITS_Y + CREDITS_H, rgb8(12, 16, 26), rgb8(8, 10, 18));
  for (float y = CREDITS_Y + 12; y < CREDITS_Y + CREDITS_H - 30; y += 8)
    for (float x = CREDITS_X + 12 + (static_cast<int>(y) / 8 % 2) * 4; x < CREDITS_X + CREDITS_W - 8; x += 8)
      fill_ellipse(c, x, y, 2.2f, 2.2f, solid(Rgb{0.0f, 0.0f, 0.0f}, 0.8f));
  draw_text_centred(c, "HELP: CREDITS", CREDITS_X + CREDITS_W / 2.0f, CREDITS_Y + CREDITS_H - 20, 1, BRASS * 0.8f);
  draw_text_centred(c, "FRIDAY TO SUNDAY", 532, 400, 1, TEAL * 0.6f);
  draw_text_centred(c, "OLD FERRY HALL", 532, 416, 1, TEAL * 0.6f);
}

// --- the small images -----------------------------------------------------------------

// The lettering of the captions: each glyph in warm paper white, lighter at
// the top, with a one-pixel shadow to the lower right so it reads on any
// part of the caption display.
std::vector<std::uint32_t> font_pixels(int& width, int& height) {
  width = 320;
  height = 23;
  std::vector<std::uint32_t> px(static_cast<std::size_t>(width) * height, 0);
  auto put_glyph = [&](char ch, int left, int top) {
    const char* const* rows = glyph_rows(ch);
    for (int pass = 0; pass < 2; ++pass)
      for (int r = 0; r < GLYPH_HEIGHT; ++r)
        for (int k = 0; k < GLYPH_WIDTH; ++k) {
          if (rows[r][k] != '#') continue;
          if (pass == 0) {
            px[static_cast<std::size_t>(top + r + 1) * width + left + k + 1] = opaque(8, 10, 18);
          } else {
            float t = static_cast<float>(r) / (GLYPH_HEIGHT - 1);
            px[static_cast<std::size_t>(top + r) * width + left + k] =
                opaque(255, static_cast<int>(250 - 40 * t), static_cast<int>(236 - 90 * t));
          }
        }
  };
  for (int g = 0; g < 26; ++g) put_glyph(static_cast<char>('A' + g), 12 * g, 1);
  for (int g = 0; g < 10; ++g) put_glyph(static_cast<char>('0' + g), 12 * g, 12);
  for (int g = 0; g < 9; ++g) put_glyph(static_cast<char>('\'' + g), 132 + 12 * g, 12);
  return px;
}

// A pixel map drawn in characters: '.' transparent, others from the key.
std::vector<std::uint32_t> from_map(const char* const* rows, int w, int h, std::uint32_t (*colour)(char, int, int)) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (rows[y][x] != '.') px[static_cast<std::size_t>(y) * w + x] = colour(rows[y][x], x, y);
  return px;
}

const char* const cursor_map[19] = {
    "X..........", "XX.........", "XoX........", "XooX.......", "XoooX......", "XooooX.....", "XoooooX....",
    "XooooooX...", "XoooooooX..", "XooooooooX.", "XoooooooooX", "XooooooXXXX", "XoooXooX...", "XooXXooX...",
    "XoX..XooX..", "XX...XooX..", "X.....XooX.", "......XooX.", ".......XX..",
};

std::uint32_t cursor_colour(char ch, int, int y) {
  if (ch == 'X') return opaque(10, 12, 20);
  int shade = 255 - y * 3;  // warm white, a little darker towards the tail
  return opaque(shade, shade - 8, shade - 30);
}

// A brass bookmark ribbon hanging over the photograph's top-right corner,
// with a notch at its end and a dark edge on the left as its shadow.
const char* const corner_map[25] = {
    "..sbbbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.",
    "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbddbbbs.",
    "..sbhbbdLLdbbs.", "..sbhbbdLLdbbs.", "..sbhbbbddbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.",
    "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.", "..sbhbbbbbbbbs.",
    "..sbhbbbsbbbbs.", "..sbhbbs.sbbbs.", "..sbhbs...sbbs.", "..sbbs.....sbs.", "..sbs.......ss.",
};

std::uint32_t corner_colour(char ch, int x, int y) {
  switch (ch) {
    case 's': return opaque(20, 14, 8);
    case 'h': return opaque(250, 215, 140);
    case 'd': return opaque(120, 80, 30);
    case 'L': return opaque(255, 250, 220);
    default: {
      int t = x * 4 + y;
      return opaque(225 - t, 160 - t, 70 - t / 2);
    }
  }
}

// --- the credits and the intro ---------------------------------------------------------

void draw_credits(Canvas& c) {
  fill_all(c, vgrad(0, rgb8(22, 34, 62), 265, rgb8(8, 12, 24)));
  fill_rect(c, 0, 0, 198, 2, solid(BRASS));
  fill_rect(c, 0, 263, 198, 265, solid(BRASS * 0.6f));
  fill_rect(c, 0, 0, 2, 265, solid(BRASS * 0.8f));
  fill_rect(c, 196, 0, 198, 265, solid(BRASS * 0.6f));
  draw_text_centred(c, "CREDITS", 99, 10, 2, mix(PAPER, BRASS, 0.3f));
  fill_rect(c, 20, 36, 178, 37, solid(BRASS * 0.7f));
  struct Line {
    const char* role;
    const char* who;
  };
  const Line team[4] = {{"WORDS", "KETTLE"}, {"PICTURES", "MOSSBYTE, ZIRCON"}, {"MUSIC", "LOWTIDE"}, {"CODE", "QUILL"}};
  float y = 44;
  for (const Line& l : team) {
    draw_text_centred(c, l.role, 99, y, 1, TEAL);
    draw_text_centred(c, l.who, 99, y + 13, 1, PAPER);
    y += 30;
  }
  fill_rect(c, 20, y + 2, 178, y + 3, solid(BRASS * 0.7f));
  draw_text_centred(c, "BUILT WITH", 99, y + 10, 1, TEAL);
  const char* libs[3] = {"SDL2", "LIBJPEG-TURBO", "LIBXMP"};
  for (int i = 0; i < 3; ++i) draw_text_centred(c, libs[i], 99, y + 24 + 13 * i, 1, PAPER);
  draw_text_centred(c, "TIDEWIRE 24", 99, 245, 1, BRASS);
}

void draw_intro(Canvas& c) {
  // A night sea with the lighthouse, and the title over it.
  sky(c, rgb8(6, 10, 30), rgb8(40, 50, 95), 170);
  stars(c, 601, 160, 220);
  clouds(c, 602, 100, 165, rgb8(50, 60, 100), 0.3f);
  hills(c, 603, 170, 10, 1.5f, rgb8(10, 12, 28), rgb8(35, 40, 75));
  sea(c, 604, 172, rgb8(30, 40, 75), rgb8(4, 6, 16), 250, Rgb{0.7f, 0.6f, 0.4f});
  beam(c, {250, 102}, {-20, 60}, 60, Rgb{0.45f, 0.4f, 0.25f});
  lighthouse(c, 250, 190, 95, Rgb{0.55f, 0.55f, 0.7f}, 1.0f);
  draw_text_centred(c, "TIDEWIRE 24", 161, 34, 2.5f, Rgb{0.01f, 0.01f, 0.03f});
  draw_text_centred(c, "TIDEWIRE 24", 160, 33, 2.5f, mix(PAPER, BRASS, 0.35f) * 1.1f);
  draw_text_centred(c, "COMPUTER ART AND MUSIC", 160, 68, 0.9f, TEAL * 1.2f);
  draw_text_centred(c, "LANNICK SOUND", 160, 80, 0.9f, TEAL * 1.2f);
  draw_glyph_text(c, "THE REPORT", 14, 214, 1.1f, PAPER);
}

void write_block(const std::string& dir, const char* name, int w, int h, const std::vector<std::uint32_t>& px) {
  write_tga32(dir + "/" + name + ".tga", w, h, px);
}

}  // namespace

void make_artwork(const std::string& dir) {
  // The intro picture.
  Canvas intro = make_canvas(1280, 960, {0, 0, 0}, 4);
  draw_intro(intro);
  bloom(intro, 0.75f, 0.6f);
  vignette(intro, 0.4f);
  Picture intro_pic = developed(intro, 0.02f);
  write_jpeg(dir + "/qovlogo.jpg", 640, 480, intro_pic.rgb, 92);

  // The player background, then its decoded pixels for the images drawn over it.
  Canvas bg = make_canvas(1280, 960, {0, 0, 0}, 2);
  draw_background(bg);
  Picture bg_raw = developed(bg, 0.012f);
  write_jpeg(dir + "/interface.jpg", 640, 480, bg_raw.rgb, 92);
  Picture decoded;
  decoded.rgb = read_jpeg(dir + "/interface.jpg", decoded.width, decoded.height);

  for (int i = 0; i < 5; ++i) {
    const Button& b = buttons[i];
    write_block(dir, b.idle, b.w, b.h, block_of(decoded, b.x, b.y, b.w, b.h));
    const Look looks[2] = {Look::HOVER, i == 0 ? Look::AUTOPLAY : Look::PRESSED};
    const char* names[2] = {b.hover, b.other};
    for (int k = 0; k < 2; ++k) {
      Canvas lit = bg;
      draw_button(lit, i, looks[k]);
      Picture lit_raw = developed(lit, 0.012f);
      // The decoded background plus what lighting the button changes.
      std::vector<std::uint32_t> px;
      for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
          int ch[3];
          for (int j = 0; j < 3; ++j)
            ch[j] = std::clamp(decoded.at(x, y)[j] + lit_raw.at(x, y)[j] - bg_raw.at(x, y)[j], 0, 255);
          px.push_back(opaque(ch[0], ch[1], ch[2]));
        }
      write_block(dir, names[k], b.w, b.h, px);
    }
  }

  // The logo frames, each drawn over the background's pixels of its block.
  for (int f = 0; f < 10; ++f) {
    Canvas logo = make_canvas(LOGO_SIZE * 2, LOGO_SIZE * 2, {0, 0, 0}, 2);
    for (int y = 0; y < logo.height; ++y)
      for (int x = 0; x < logo.width; ++x) {
        const std::uint8_t* q = decoded.at(LOGO_X + x / 2, LOGO_Y + y / 2);
        logo.at(x, y) = rgb8(q[0], q[1], q[2]);
      }
    draw_badge(logo, 35, 35, f / 10.0f);
    Picture pic = developed(logo, 0);
    write_block(dir, ("01000" + std::to_string(f)).c_str(), LOGO_SIZE, LOGO_SIZE,
                block_of(pic, 0, 0, LOGO_SIZE, LOGO_SIZE));
  }

  // The credits panel.
  Canvas credits = make_canvas(CREDITS_W * 2, CREDITS_H * 2, {0, 0, 0}, 2);
  draw_credits(credits);
  write_jpeg(dir + "/credit.jpg", CREDITS_W, CREDITS_H, developed(credits, 0.01f).rgb, 92);

  // Font, cursor and corner sprite.
  int fw = 0, fh = 0;
  std::vector<std::uint32_t> font = font_pixels(fw, fh);
  write_tga32(dir + "/fonte.tga", fw, fh, font);
  write_tga32(dir + "/souris.tga", 11, 19, from_map(cursor_map, 11, 19, cursor_colour));
  write_tga32(dir + "/bout.tga", 15, 25, from_map(corner_map, 15, 25, corner_colour));
}
