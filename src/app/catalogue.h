// The 21 artwork files the player needs, loaded once at start-up in this order.
#pragma once

#include "image/image.h"

enum ArtworkIndex {
  ART_INTRO_LOGO,   // images\qovlogo.jpg, 640 x 480
  ART_CURSOR,       // images\souris.tga, 11 x 19
  ART_FONT,         // images\fonte.tga, 320 wide
  ART_BACKGROUND,   // images\interface.jpg, 640 x 480
  ART_CORNER,       // images\bout.tga, 15 x 25
  ART_CREDITS,      // images\credit.jpg, 198 x 265
  ART_PLAY_CLICK,   // play: idle
  ART_PLAY_OVER,    // play: hover
  ART_PLAY,         // play: autoplay on
  ART_FWD_CLICK,    // fwd: idle
  ART_FWD_OVER,     // fwd: hover
  ART_FWD,          // loaded, never drawn
  ART_HELP,         // help: idle
  ART_HELP_OVER,    // help: hover
  ART_HELP_CLICK,   // loaded, never drawn
  ART_RWD_CLICK,    // rwd: idle
  ART_RWD_OVER,     // rwd: hover
  ART_RWD,          // loaded, never drawn
  ART_STOP,         // stop: idle
  ART_STOP_OVER,    // stop: hover
  ART_STOP_CLICK,   // loaded, never drawn
  ARTWORK_COUNT
};

struct ArtworkFile {
  const char* path;
  int width;   // the size it is drawn at; 0 for a file that is never drawn
  int height;  // for the font, the least height
};

extern const ArtworkFile artwork_files[ARTWORK_COUNT];
// One record per file, made before the run and kept to the end.
extern Image artwork[ARTWORK_COUNT];

// Loads the 21 files in order. A file that cannot be loaded ends the program
// with "could not load image"; one that is drawn at a fixed size and is not a
// 32-bit picture of that size ends it with "unsupported format".
void load_artwork_catalogue();

// The pixels of a loaded 32-bit artwork image.
inline const std::uint32_t* artwork_pixels(ArtworkIndex index) {
  return artwork[index].pixels.get();
}
