// The slide table: 34 entries in the fixed form of the show's captions and
// photograph paths, and a photograph in the generated show for each.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "player/slide_table.h"
#include "show_reading.h"

namespace {

class SlideTableTest : public ::testing::Test {
 protected:
  void SetUp() override { build_slide_table(); }
  const Slide& slide(std::uint32_t k) { return *slide_table.entries[k]; }
};

bool drawn_or_gap(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("',-./ :", c) != nullptr;
}

}  // namespace

TEST_F(SlideTableTest, HoldsThirtyFourSlidesAndNothingAfterThem) {
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k) ASSERT_NE(slide_table.entries[k], nullptr) << k;
  for (int k = SLIDE_COUNT; k < SLIDE_TABLE_ROOM; ++k) EXPECT_EQ(slide_table.entries[k], nullptr) << k;
  std::set<const Slide*> distinct(slide_table.entries, slide_table.entries + SLIDE_COUNT);
  EXPECT_EQ(distinct.size(), SLIDE_COUNT);
}

TEST_F(SlideTableTest, CaptionLinesHaveTheirFixedLengthsAndOnlyDrawableCharacters) {
  int long_lines = 0;
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k)
    for (int i = 0; i < 5; ++i) {
      const char* line = slide(k).caption_lines[i];
      SCOPED_TRACE("slide " + std::to_string(k) + " line " + std::to_string(i));
      ASSERT_NE(line, nullptr);
      std::size_t n = std::strlen(line);
      bool tab_line = i == 4 && (k == 30 || k == 32 || k == 33);
      if (tab_line) continue;  // checked on their own below
      EXPECT_TRUE(n == 23 || n == 24) << '"' << line << '"';
      long_lines += n == 24;
      for (const char* c = line; *c != 0; ++c) EXPECT_TRUE(drawn_or_gap(*c)) << "character " << int(*c);
    }
  EXPECT_EQ(long_lines, 2);
}

TEST_F(SlideTableTest, EmptyLinesAndTheTabLinesAreSharedTexts) {
  const char* blank = nullptr;
  int blanks = 0;
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k)
    for (const char* line : slide(k).caption_lines)
      if (std::strspn(line, " ") == std::strlen(line)) {
        EXPECT_STREQ(line, "                       ");
        if (blank == nullptr) blank = line;
        EXPECT_EQ(line, blank) << "an empty line of slide " << k << " is not the shared text";
        ++blanks;
      }
  EXPECT_GT(blanks, 0);

  EXPECT_STREQ(slide(30).caption_lines[4], "\t\t\t\t\t\t");
  EXPECT_EQ(slide(30).caption_lines[4], slide(33).caption_lines[4]);

  const char* tab_led = slide(32).caption_lines[4];
  EXPECT_EQ(std::strlen(tab_led), 21u);
  EXPECT_EQ(tab_led[0], '\t');
  EXPECT_EQ(std::strchr(tab_led + 1, '\t'), nullptr);
  for (const char* c = tab_led + 1; *c != 0; ++c) EXPECT_TRUE(drawn_or_gap(*c));
  EXPECT_NE(std::strspn(tab_led + 1, " "), 20u) << "the tab-led line has words";
}

TEST_F(SlideTableTest, PhotographPathsNameDistinctJpegsOfTheShow) {
  std::set<std::string> paths;
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k) {
    std::string path = slide(k).photo_path;
    SCOPED_TRACE(path);
    EXPECT_GE(path.size(), 14u);
    EXPECT_LE(path.size(), 29u);
    ASSERT_EQ(path.rfind("images\\", 0), 0u);
    ASSERT_EQ(path.substr(path.size() - 4), ".jpg");
    std::string name = path.substr(7, path.size() - 11);
    for (char c : name) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') << c;
    paths.insert(path);

    show_reading::Picture photo = show_reading::read_jpeg(show_reading::disk_path(path));
    ASSERT_TRUE(photo.ok) << "missing from the show";
    EXPECT_EQ(photo.width, 320);
    EXPECT_EQ(photo.height, 240);
  }
  EXPECT_EQ(paths.size(), SLIDE_COUNT);
}
