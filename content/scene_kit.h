// Pieces the photographs are built from: skies, hills and sea, the ferry
// hall inside and out, people, screens, lights. Everything is drawn in the
// units of a 320 x 240 photograph; the canvas maps them to its pixels.
#pragma once

#include <cstdint>
#include <functional>

#include "canvas.h"

// A shade: colour made uneven by noise (cells of 1 / freq units), as a
// real surface is.
std::function<void(Rgb&, float, float)> surface(Rgb col, std::uint32_t seed, float freq, float amount);

// --- outdoors ----------------------------------------------------------------

// Fills the canvas with a sky: `top` at the top, `horizon` at y = horizon_y
// and below.
void sky(Canvas& c, Rgb top, Rgb horizon, float horizon_y);
// Soft clouds between y0 and y1, lit in `col`, `cover` 0..1.
void clouds(Canvas& c, std::uint32_t seed, float y0, float y1, Rgb col, float cover);
// Small stars above y_max, brighter near the top.
void stars(Canvas& c, std::uint32_t seed, float y_max, int count);
// A sun or moon disc with its halo.
void sun(Canvas& c, float x, float y, float r, Rgb disc, Rgb halo);
// A range of hills whose ridge wanders around base_y by `height`, filled in
// `col` (lighter with `haze` towards the ridge).
void hills(Canvas& c, std::uint32_t seed, float base_y, float height, float roughness, Rgb col, Rgb haze);
// Sea from horizon_y down, `far` at the horizon and `near` at the bottom,
// with wave streaks and a glitter path under a light at light_x.
void sea(Canvas& c, std::uint32_t seed, float horizon_y, Rgb far, Rgb near, float light_x, Rgb glitter);
// A road winding from the bottom of the picture to a vanishing point.
void road(Canvas& c, float bottom_x, float bottom_w, Point vanish, float bend, Rgb col, Rgb line);
// The old ferry hall seen from outside: a long brick shed with a curved roof
// between x0 and x1 standing on ground_y; `lit` 0..1 lights its windows.
void ferry_hall(Canvas& c, float x0, float x1, float ground_y, float height, Rgb wall, float lit);
// A lighthouse on a rock, base at (x, base_y), `h` tall; `lamp` 0..1.
void lighthouse(Canvas& c, float x, float base_y, float h, Rgb body, float lamp);
// A fir tree silhouette.
void fir(Canvas& c, float x, float base_y, float h, Rgb col);

// --- people ------------------------------------------------------------------

struct Figure {
  Rgb body;       // clothing
  Rgb skin;       // face and hands (ignored from behind)
  Rgb hair;
  Rgb rim_col;    // light from behind, along the outline
  float rim = 0;  // strength of that light
};
// A standing person seen from the front (facing true) or from behind, feet
// at (x, feet_y), `h` tall. arms: 0 down, 1 raised, 2 holding something up.
void person(Canvas& c, float x, float feet_y, float h, const Figure& f, bool facing, int arms);
// Head and shoulders seen from behind, as in a seated crowd; `w` is the
// shoulder width.
void head_and_shoulders(Canvas& c, float x, float y, float w, const Figure& f);
// A crowd seen from behind: `rows` rows from y_back (small) to y_front (large).
void crowd(Canvas& c, std::uint32_t seed, float y_back, float y_front, int rows, Rgb col, Rgb rim,
           float rim_strength, float raised_hands);
// A figure for the crowd, varied by `seed`, in the colours of the scene.
Figure some_figure(std::uint32_t seed, Rgb tint, float light);

// --- inside the hall ---------------------------------------------------------------

// A camera inside a room: floor at Y = 0, X to the right, Z away from us.
struct View {
  float vx, vy;   // vanishing point
  float focal;    // units per world unit at Z = 1
  float eye;      // eye height above the floor
  Point at(float x, float y, float z) const { return {vx + focal * x / z, vy + focal * (eye - y) / z}; }
};

// The inside of the ferry hall: floor, walls, a curved roof on steel trusses
// and tall windows. `day` 0..1 from night to daylight.
void hall_inside(Canvas& c, const View& v, float day, Rgb light);
// A monitor standing on a surface, screen facing us, bottom centre at p,
// `w` wide; draw_screen paints the screen's picture.
void monitor(Canvas& c, Point p, float w, Rgb screen, float glow_amount);
// Rows of tables with glowing monitors and the people at them, seen from
// behind, between depths z_near and z_far; `occupied` 0..1, `night` 0..1.
void table_rows(Canvas& c, const View& v, std::uint32_t seed, float z_near, float z_far, int rows, float occupied,
                float night);
// A big projection screen with a frame; paint fills its picture in the
// rectangle's own 0..1 coordinates.
void big_screen(Canvas& c, float x0, float y0, float x1, float y1,
                const std::function<Rgb(float u, float v)>& paint, float glow_amount);
// A stage spotlight hanging at `from`, lighting `to`.
void spotlight(Canvas& c, Point from, Point to, float spread, Rgb col);
// An even haze of colour over everything, as smoke in a stage light.
void haze(Canvas& c, Rgb col, float amount);

// --- finishing -----------------------------------------------------------------------

// Lens and film: bloom, vignette, downsampling and grain. Returns the
// photograph's 8-bit RGB rows.
std::vector<std::uint8_t> finish(Canvas& c, std::uint32_t seed, float vignette_strength = 0.45f);
