// The artwork catalogue and its load-time size checks.
#include "app/catalogue.h"

#include "app/display.h"
#include "render/text.h"

const ArtworkFile artwork_files[ARTWORK_COUNT] = {
    {"images\\qovlogo.jpg", 640, 480},   {"images\\souris.tga", 11, 19},
    {"images\\fonte.tga", 320, 23},      {"images\\interface.jpg", 640, 480},
    {"images\\bout.tga", 15, 25},        {"images\\credit.jpg", 198, 265},
    {"images\\play_click.tga", 57, 50},  {"images\\play_over.tga", 57, 50},
    {"images\\play.tga", 57, 50},        {"images\\fwd_click.tga", 61, 48},
    {"images\\fwd_over.tga", 61, 48},    {"images\\fwd.tga", 0, 0},
    {"images\\help.tga", 58, 49},        {"images\\help_over.tga", 58, 49},
    {"images\\help_click.tga", 0, 0},    {"images\\rwd_click.tga", 56, 49},
    {"images\\rwd_over.tga", 56, 49},    {"images\\rwd.tga", 0, 0},
    {"images\\stop.tga", 53, 48},        {"images\\stop_over.tga", 53, 48},
    {"images\\stop_click.tga", 0, 0},
};

Image artwork[ARTWORK_COUNT];

void load_artwork_catalogue() {
  for (int i = 0; i < ARTWORK_COUNT; ++i) {
    const ArtworkFile& file = artwork_files[i];
    Image& image = artwork[i];
    load_image_by_extension(file.path, image);
    if (file.width == 0) continue;
    bool fits = image.bits_per_pixel == 32 && image.pixels != nullptr && image.width == file.width;
    if (i == ART_FONT)
      fits = fits && image.height >= FONT_IMAGE_MIN_HEIGHT;
    else
      fits = fits && image.height == file.height;
    if (!fits) report_fatal("unsupported format", file.path);
  }
}
