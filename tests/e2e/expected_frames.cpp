// Frames from the in-process run and the comparison of captures with them.
#include "expected_frames.h"

#include <array>
#include <sstream>

#include "image/image.h"
#include "image/logo_strip.h"

namespace e2e {
namespace {

// Only the colour bytes reach the screen; the fourth byte of a frame's pixel is not shown.
constexpr std::uint32_t SHOWN = 0x00FFFFFFu;

bool in_logo_block(int x, int y) {
  return x >= LOGO_X && x < LOGO_X + LOGO_SIZE && y >= LOGO_Y && y < LOGO_Y + LOGO_SIZE;
}

// The ten pictures of the animated logo, loaded with the program's own reader.
const std::array<Image, 10>& logo_pictures() {
  static const std::array<Image, 10> pictures = [] {
    std::array<Image, 10> loaded;
    for (int i = 0; i < 10; ++i) {
      std::string path = fake::show_folder() + "/images/01000" + std::to_string(i) + ".tga";
      load_image_by_extension(path.c_str(), loaded[i]);
    }
    return loaded;
  }();
  return pictures;
}

// A pixel after `halvings` fade steps, each of which halves every byte.
std::uint32_t darkened(std::uint32_t pixel, int halvings) {
  for (int i = 0; i < halvings; ++i) pixel = (pixel >> 1) & 0x7F7F7F7Fu;
  return pixel;
}

}  // namespace

fake::RunResult render_in_process(const std::vector<fake::InputEvent>& script, const std::set<int>& keep) {
  fake::RunOptions options;
  options.script = script;
  options.keep_frames = keep;
  options.keep_last_frames = true;
  return fake::run_program(options);
}

int logo_picture_shown(const Screen& screen, int halvings) {
  if (screen.size() != 640 * 480) return -1;
  const auto& pictures = logo_pictures();
  for (int i = 0; i < 10; ++i) {
    const Image& picture = pictures[i];
    if (picture.width != LOGO_SIZE || picture.height != LOGO_SIZE || picture.bits_per_pixel != 32) continue;
    bool same = true;
    for (int y = 0; y < LOGO_SIZE && same; ++y)
      for (int x = 0; x < LOGO_SIZE && same; ++x)
        same = screen[(LOGO_Y + y) * 640 + LOGO_X + x] ==
               (darkened(picture.pixels[y * LOGO_SIZE + x], halvings) & SHOWN);
    if (same) return i;
  }
  return -1;
}

bool shows_frame(const Screen& screen, const std::uint32_t* frame, int halvings) {
  if (screen.size() != 640 * 480) return false;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (!in_logo_block(x, y) && screen[y * 640 + x] != (frame[y * 640 + x] & SHOWN)) return false;
  return logo_picture_shown(screen, halvings) >= 0;
}

bool shows_exactly(const Screen& screen, const std::uint32_t* frame) {
  if (screen.size() != 640 * 480) return false;
  for (int i = 0; i < 640 * 480; ++i)
    if (screen[i] != (frame[i] & SHOWN)) return false;
  return true;
}

std::string describe_difference(const Screen& screen, const std::uint32_t* frame) {
  if (screen.size() != 640 * 480) return "no capture";
  int count = 0, first_x = -1, first_y = -1;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (!in_logo_block(x, y) && screen[y * 640 + x] != (frame[y * 640 + x] & SHOWN)) {
        if (count++ == 0) first_x = x, first_y = y;
      }
  std::ostringstream text;
  text << count << " pixels differ outside the logo block";
  if (count > 0)
    text << ", first at (" << first_x << ", " << first_y << "): screen 0x" << std::hex
         << screen[first_y * 640 + first_x] << ", frame 0x" << (frame[first_y * 640 + first_x] & SHOWN);
  text << std::dec << "; logo block shows picture " << logo_picture_shown(screen);
  return text.str();
}

}  // namespace e2e
