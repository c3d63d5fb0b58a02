// The intro logo sequence.
#include "app/intro.h"

#include "app/display.h"
#include "app/fade.h"

void run_intro(Image& logo) {
  std::uint32_t* pixels = logo.pixels.get();
  for (int i = 0; i < INTRO_FRAMES; ++i) {
    if (i >= INTRO_FULL_FRAMES) halve_brightness(pixels);
    present_frame(pixels);
  }
}
