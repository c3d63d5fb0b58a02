// Decoded pictures of the built-in show for the player tests.
#include "show_helpers.h"

#include <map>
#include <memory>

#include "player/slide_table.h"
#include "support/fake_platform.h"

namespace show {

const Image& picture(const std::string& program_path) {
  static std::map<std::string, std::unique_ptr<Image>> cache;
  auto& entry = cache[program_path];
  if (!entry) {
    std::string path = fake::show_folder() + "/" + program_path;
    for (char& c : path)
      if (c == '\\') c = '/';
    entry = std::make_unique<Image>();
    load_image_by_extension(path.c_str(), *entry);
  }
  return *entry;
}

namespace {

bool inside(const Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

int slide_on_screen(const std::uint32_t* frame) {
  build_slide_table();
  // Compare rows of the photo area left of the corner sprite.
  for (std::uint32_t s = 0; s < SLIDE_COUNT; ++s) {
    const std::uint32_t* photo = picture(slide_table.entries[s]->photo_path).pixels.get();
    bool same = true;
    for (int y = 30; y < 240 && same; y += 50)
      for (int x = 0; x < 300 && same; x += 7)
        same = frame[(221 + y) * 640 + 21 + x] == photo[y * 320 + x];
    if (same) return static_cast<int>(s);
  }
  return -1;
}

bool block_equals(const std::uint32_t* frame, const Rect& block, const std::uint32_t* image, const Rect& skip) {
  for (int j = 0; j < block.h; ++j)
    for (int i = 0; i < block.w; ++i) {
      int x = block.x + i, y = block.y + j;
      if (inside(skip, x, y)) continue;
      if (frame[y * 640 + x] != image[j * block.w + i]) return false;
    }
  return true;
}

bool region_equals(const std::uint32_t* frame, const Rect& block, const std::uint32_t* surface, const Rect& skip) {
  for (int y = block.y; y < block.y + block.h; ++y)
    for (int x = block.x; x < block.x + block.w; ++x) {
      if (inside(skip, x, y)) continue;
      if (frame[y * 640 + x] != surface[y * 640 + x]) return false;
    }
  return true;
}

Rect cursor_rect(int x, int y) {
  x = x < 0 || x > 629 ? 629 : x;
  y = y < 0 || y > 460 ? 460 : y;
  return {x, y, 11, 19};
}

}  // namespace show
