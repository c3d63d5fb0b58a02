// Slide composition and the animated logo, drawn straight into the
// framebuffer with the built-in show's artwork.
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <vector>

#include "app/catalogue.h"
#include "app/run.h"
#include "image/logo_strip.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/framebuffer.h"
#include "show_helpers.h"
#include "support/fake_platform.h"

namespace {

const show::Rect CAPTION_PANEL{30, 105, 320, 180};
const show::Rect PHOTO_AREA{21, 221, 320, 240};

bool in(const show::Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// Loads the artwork and the table from the built-in show, as start-up does.
class ShowFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::begin_recording(fake::RunOptions{});
    ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
    ASSERT_EQ(chdir(fake::show_folder().c_str()), 0);
    build_slide_table();
    load_artwork_catalogue();
  }
  void TearDown() override { ASSERT_EQ(chdir(previous_), 0); }

  void compose(const Slide& slide) {
    compose_slide(slide, artwork_pixels(ART_BACKGROUND), framebuffer, artwork_pixels(ART_FONT),
                  artwork_pixels(ART_CORNER));
  }
  std::vector<std::uint32_t> snapshot() const { return {framebuffer, framebuffer + FRAME_PIXELS}; }
  const std::uint32_t* background() const { return artwork_pixels(ART_BACKGROUND); }

  void fill_random() {
    std::mt19937 random(7);
    for (std::uint32_t& p : framebuffer) p = random();
  }

 private:
  char previous_[4096];
};

TEST_F(ShowFolder, TheFirstScreenIsTheBackgroundOutsideTheCaptionPanelAndThePhoto) {
  fill_random();
  show_first_slide();
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (!in(CAPTION_PANEL, x, y) && !in(PHOTO_AREA, x, y)) {
        ASSERT_EQ(framebuffer[y * 640 + x], background()[y * 640 + x]) << x << "," << y;
      }
  EXPECT_EQ(show::slide_on_screen(framebuffer), 0);
}

TEST_F(ShowFolder, CompositionWritesOnlyItsTwoAreasAndDependsOnlyOnTheSlide) {
  fill_random();
  std::vector<std::uint32_t> before = snapshot();
  compose(*slide_table.entries[5]);
  compose(*slide_table.entries[12]);
  std::vector<std::uint32_t> a_then_b = snapshot();
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (!in(CAPTION_PANEL, x, y) && !in(PHOTO_AREA, x, y)) {
        ASSERT_EQ(a_then_b[y * 640 + x], before[y * 640 + x]) << x << "," << y;
      }

  fill_random();
  compose(*slide_table.entries[12]);
  EXPECT_EQ(snapshot(), a_then_b);
  EXPECT_EQ(show::slide_on_screen(framebuffer), 12);
  // The panel right of the photograph, rows 221-284, is the restored background.
  EXPECT_TRUE(show::region_equals(framebuffer, {341, 221, 9, 64}, background()));
}

// The caption band of line `line`: rows 106 + 15 * line to 116 + 15 * line.
show::Rect band(int line) { return {30, 106 + 15 * line, 320, 11}; }

TEST_F(ShowFolder, BlankLinesDrawNothing) {
  // Entry 30 ends in the six-tab line; every entry that refers to the shared
  // line of 23 spaces leaves that band as the background.
  compose(*slide_table.entries[30]);
  EXPECT_TRUE(show::region_equals(framebuffer, band(4), background()));

  const char* spaces = nullptr;
  for (std::uint32_t s = 0; s < SLIDE_COUNT && spaces == nullptr; ++s)
    for (const char* line : slide_table.entries[s]->caption_lines)
      if (std::string(line) == std::string(23, ' ')) spaces = line;
  ASSERT_NE(spaces, nullptr);
  Slide blank{slide_table.entries[3]->photo_path, {spaces, spaces, spaces, spaces, spaces}};
  compose(blank);
  EXPECT_TRUE(show::region_equals(framebuffer, {30, 105, 320, 116}, background()));
}

TEST_F(ShowFolder, ALeadingTabMovesTheLineOneCellRight) {
  const Slide& tabbed = *slide_table.entries[32];
  ASSERT_EQ(tabbed.caption_lines[4][0], '\t');
  std::string without_tab = tabbed.caption_lines[4] + 1;
  Slide plain = tabbed;
  plain.caption_lines[4] = without_tab.c_str();

  compose(plain);
  std::vector<std::uint32_t> untabbed = snapshot();
  compose(tabbed);
  std::vector<std::uint32_t> with_tab = snapshot();
  const show::Rect b = band(4);
  // Compare the ink (pixels that differ from the background): the same glyphs, 13 pixels on.
  auto ink = [&](const std::vector<std::uint32_t>& f, int x, int y) {
    return f[y * 640 + x] != background()[y * 640 + x];
  };
  bool drew_something = false;
  for (int y = b.y; y < b.y + b.h; ++y) {
    for (int x = b.x; x < b.x + 13; ++x) ASSERT_FALSE(ink(with_tab, x, y)) << x << "," << y;
    for (int x = b.x; x + 13 < b.x + b.w; ++x) {
      ASSERT_EQ(ink(with_tab, x + 13, y), ink(untabbed, x, y)) << x << "," << y;
      if (ink(untabbed, x, y)) {
        ASSERT_EQ(with_tab[y * 640 + x + 13], untabbed[y * 640 + x]);
      }
      drew_something |= ink(untabbed, x, y);
    }
  }
  EXPECT_TRUE(drew_something);
}

FrameStrip logo_as_loaded_at_start_up() {
  FrameStrip strip;
  load_logo_strip(strip);
  return strip;
}

TEST_F(ShowFolder, TheLogoShowsEachFrameFourTimesInOrderAndStaysInItsBlock) {
  FrameStrip logo_strip = logo_as_loaded_at_start_up();
  fill_random();
  std::vector<std::uint32_t> before = snapshot();
  std::uint32_t tick = 0;
  for (int n = 0; n < 41; ++n) {
    draw_logo_frame(logo_strip, framebuffer, tick);
    int expected = (n / 4) % 10;
    ASSERT_TRUE(show::block_equals(framebuffer, {241, 12, 70, 70}, logo_strip.pixels.get() + 4900 * expected))
        << "player frame " << n;
  }
  EXPECT_EQ(tick, 1u);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (!in({241, 12, 70, 70}, x, y)) {
        ASSERT_EQ(framebuffer[y * 640 + x], before[y * 640 + x]);
      }
}

TEST_F(ShowFolder, TheLogoStripHoldsTheNumberedFilesInOrder) {
  FrameStrip strip = logo_as_loaded_at_start_up();
  for (int i = 0; i < 10; ++i) {
    const Image& file = show::picture("images\\01000" + std::to_string(i) + ".tga");
    ASSERT_TRUE(std::equal(file.pixels.get(), file.pixels.get() + 4900, strip.pixels.get() + 4900 * i)) << i;
  }

  // A strip with no frames loads no file; one with smaller frames still gets whole slots.
  FrameStrip empty;
  empty.width = 70;
  empty.height = 70;
  empty.frame_count = 0;
  empty.name_prefix = "no such folder\\";
  load_frame_strip(empty);  // loads no file, so it does not end the run
  FrameStrip small = logo_as_loaded_at_start_up();
  small.width = small.height = 0;
  small.name_prefix = "images\\01000";
  load_frame_strip(small);
  std::uint32_t tick = 36;
  draw_logo_frame(small, framebuffer, tick);  // frame 9, read inside the buffer
  EXPECT_TRUE(show::block_equals(framebuffer, {241, 12, 70, 70}, strip.pixels.get() + 4900 * 9));
}

TEST_F(ShowFolder, ThousandsOfSlideChangesKeepNoPhotographAlive) {
  // Each photograph is released after its copy; the sanitizer build reports
  // any that is not. Here the slide shown last is all that remains on screen.
  for (int i = 0; i < 2000; ++i) compose(*slide_table.entries[i % SLIDE_COUNT]);
  EXPECT_EQ(show::slide_on_screen(framebuffer), 1999 % 34);
}

}  // namespace
