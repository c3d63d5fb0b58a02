// Composition of a slide on the player screen, and the first player screen.
#include "player/slides.h"

#include "app/catalogue.h"
#include "image/image.h"
#include "render/blit.h"
#include "render/framebuffer.h"
#include "render/text.h"

namespace {

constexpr int CAPTION_X = 30;
constexpr int CAPTION_Y = 105;
constexpr int CAPTION_WIDTH = 320;
constexpr int CAPTION_HEIGHT = 180;
constexpr int CAPTION_LINE_STEP = 15;
constexpr int PHOTO_X = 21;
constexpr int PHOTO_Y = 221;
constexpr int PHOTO_WIDTH = 320;
constexpr int PHOTO_HEIGHT = 240;

}  // namespace

void compose_slide(const Slide& slide, const std::uint32_t* background, std::uint32_t* frame,
                   const std::uint32_t* font, const std::uint32_t* corner_sprite) {
  // The photograph is read and decoded on every call and released at the end.
  Image photo;
  load_image_checked(slide.photo_path, photo, PHOTO_WIDTH, PHOTO_HEIGHT);

  copy_region(background, frame, CAPTION_X, CAPTION_Y, CAPTION_WIDTH, CAPTION_HEIGHT);
  for (int i = 0; i < 5; ++i)
    draw_text(font, frame, slide.caption_lines[i], CAPTION_X, CAPTION_Y + CAPTION_LINE_STEP * i);
  blit_opaque(photo.pixels.get(), frame, PHOTO_WIDTH, PHOTO_HEIGHT, PHOTO_X, PHOTO_Y);
  draw_corner_sprite(frame, corner_sprite);
}

void show_first_slide() {
  copy_screen(artwork_pixels(ART_BACKGROUND), framebuffer);
  compose_slide(*slide_table.entries[0], artwork_pixels(ART_BACKGROUND), framebuffer,
                artwork_pixels(ART_FONT), artwork_pixels(ART_CORNER));
}
