// The PCX reader fed from memory: the size from the right and bottom edges,
// the run-length stream, the palette at the end and short files.
#include <gtest/gtest.h>

#include "image/readers.h"
#include "image_fixtures.h"

namespace {

using image_test::Bytes;
using image_test::Ending;
using image_test::make_pcx;
using image_test::run_load;

constexpr const char* PATH = "images\\test.pcx";

TEST(PcxReader, TakesTheSizeFromTheRightAndBottomEdgesWhateverTheLeftEdge) {
  for (unsigned left : {0u, 10u}) {
    Bytes file = make_pcx(319, 199, {}, Bytes(768), left);
    Image image;
    read_pcx_bytes(file.data(), file.size(), image, PATH);
    EXPECT_EQ(image.width, 320) << "left edge " << left;
    EXPECT_EQ(image.height, 200) << "left edge " << left;
    EXPECT_EQ(image.bits_per_pixel, 8);
  }
}

struct RunCase {
  const char* name;
  unsigned width, height;
  Bytes data;
  Bytes pixels;
};

class PcxRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(PcxRuns, DecodesOneContinuousStream) {
  const RunCase& c = GetParam();
  Bytes file = make_pcx(c.width - 1, c.height - 1, c.data, Bytes(768, 0xEE));
  Image image;
  read_pcx_bytes(file.data(), file.size(), image, PATH);
  EXPECT_EQ(image_test::pixel_bytes(image, c.pixels.size()), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, PcxRuns,
    ::testing::Values(RunCase{"Literals", 3, 1, {5, 192, 7}, {5, 192, 7}},
                      RunCase{"RunOfOne", 1, 1, {193, 7}, {7}},
                      RunCase{"RunOf63", 63, 1, {255, 7}, Bytes(63, 7)},
                      RunCase{"RunValueAbove192", 8, 1, {200, 250}, Bytes(8, 250)},
                      RunCase{"RunCarriesIntoTheNextRow", 2, 2, {196, 5}, Bytes(4, 5)},
                      // 3 pixels, then a run of 8 clipped at the buffer's end.
                      RunCase{"RunPastTheEnd", 4, 2, {195, 9, 200, 3, 77}, {9, 9, 9, 3, 3, 3, 3, 3}},
                      RunCase{"OnePixel", 1, 1, {42}, {42}}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST(PcxReader, TakesThePaletteFromTheLast768BytesWhateverPrecedesThem) {
  Bytes palette = image_test::byte_pattern(768, 50);
  Bytes file = make_pcx(1, 0, {1, 2}, palette, 0, /*marker=*/99);
  Image image;
  read_pcx_bytes(file.data(), file.size(), image, PATH);
  ASSERT_NE(image.palette, nullptr);
  EXPECT_EQ(Bytes(image.palette.get(), image.palette.get() + 768), palette);
}

TEST(PcxReader, AFileShorterThanItsPaletteLoadsWithZeros) {
  // Header, then the single code byte 3 for a 4 x 1 picture, and nothing else.
  Bytes file = make_pcx(3, 0, {3}, {});
  file.pop_back();  // no palette marker either
  Image image;
  Ending ending = run_load([&] { read_pcx_bytes(file.data(), file.size(), image, PATH); });
  ASSERT_FALSE(ending.process_ended) << ending.error_output;
  EXPECT_EQ(image_test::pixel_bytes(image, 4), (Bytes{3, 0, 0, 0}));
  ASSERT_NE(image.palette, nullptr);
  EXPECT_EQ(Bytes(image.palette.get(), image.palette.get() + 768), Bytes(768, 0));

  // Shorter than the header: a 1 x 1 picture of 0.
  Bytes tiny = {10, 5, 1, 8};
  read_pcx_bytes(tiny.data(), tiny.size(), image, PATH);
  EXPECT_EQ(image.width, 1);
  EXPECT_EQ(image.height, 1);
  EXPECT_EQ(image_test::pixel_bytes(image, 1), Bytes{0});
}

struct SizeCase {
  unsigned right, bottom;
  bool loads;
};

class PcxSizeLimit : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PcxSizeLimit, RefusesMoreThan4096x4096Pixels) {
  const SizeCase& c = GetParam();
  Bytes file = make_pcx(c.right, c.bottom, {}, Bytes(768));
  Image image;
  Ending ending = run_load([&] { read_pcx_bytes(file.data(), file.size(), image, PATH); });
  if (c.loads) {
    EXPECT_FALSE(ending.process_ended) << ending.error_output;
  } else {
    EXPECT_EQ(ending.exit_code, 1);
    EXPECT_EQ(ending.errors, std::vector<std::string>{"could not load image"});
    EXPECT_EQ(image.pixels, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PcxSizeLimit,
                         ::testing::Values(SizeCase{65535, 65535, false}, SizeCase{4096, 4095, false},
                                           SizeCase{4095, 4095, true}));

}  // namespace
