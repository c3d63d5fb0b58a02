// Plug-in points whose subsystems are still being built. Each does the least
// that lets the run go from start-up to teardown; each block goes away when
// the real operation lands.
#include <cstring>

#include "app/catalogue.h"
#include "app/display.h"
#include "image/image.h"
#include "image/logo_strip.h"
#include "player/player_controls.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/blit.h"
#include "render/framebuffer.h"
#include "render/text.h"

// --- plug-in point: image loading ---
// Gives every catalogue file a blank picture of the size it is drawn at.
void load_image_by_extension(const char* path, Image& image) {
  image.width = 640;
  image.height = 480;
  for (const ArtworkFile& file : artwork_files)
    if (std::strcmp(file.path, path) == 0 && file.width != 0) {
      image.width = file.width;
      image.height = file.height;
    }
  image.bits_per_pixel = 32;
  image.pixels.reset(new std::uint32_t[image.width * image.height]());
}
