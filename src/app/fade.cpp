// halve_brightness, word by word so that the compiler vectorises it.
#include "app/fade.h"

#include "app/display.h"

void halve_brightness(std::uint32_t* pixels) {
  // Shifting the whole word moves each byte's lowest bit into the top of the
  // byte below; the mask drops it again.
  for (int i = 0; i < SCREEN_PIXELS; ++i) pixels[i] = (pixels[i] >> 1) & 0x7F7F7F7Fu;
}
