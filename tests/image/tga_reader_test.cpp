// The TGA reader fed from memory: rows turned top first, bytes as stored,
// the depth-8 palette, unsupported depths, short files and oversized headers.
#include <gtest/gtest.h>

#include "image/readers.h"
#include "image_fixtures.h"

namespace {

using image_test::Bytes;
using image_test::Ending;
using image_test::make_tga;
using image_test::run_load;

constexpr const char* PATH = "images\\test.tga";

// The file's rows in reverse order: what the record should hold.
Bytes reversed_rows(const Bytes& rows, std::size_t row_bytes) {
  Bytes out;
  for (std::size_t end = rows.size(); end >= row_bytes && end > 0; end -= row_bytes)
    out.insert(out.end(), rows.begin() + (end - row_bytes), rows.begin() + end);
  return out;
}

struct DepthCase {
  unsigned depth, width, height;
};

class TgaDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(TgaDepth, HoldsTheRowsBottomUpWithEveryByteAsStored) {
  const DepthCase& c = GetParam();
  std::size_t row_bytes = std::size_t{c.width} * c.depth / 8;
  Bytes rows = image_test::byte_pattern(row_bytes * c.height, 3);
  Bytes palette = c.depth == 8 ? image_test::byte_pattern(768, 100) : Bytes{};
  Bytes body = palette;
  body.insert(body.end(), rows.begin(), rows.end());
  Bytes file = make_tga(c.width, c.height, c.depth, body);

  Image image;
  read_tga_bytes(file.data(), file.size(), image, PATH);
  EXPECT_EQ(image.width, static_cast<int>(c.width));
  EXPECT_EQ(image.height, static_cast<int>(c.height));
  EXPECT_EQ(image.bits_per_pixel, c.depth);
  // Rows are packed: a 3-pixel row of depth 24 is 9 bytes, not rounded up.
  EXPECT_EQ(image_test::pixel_bytes(image, rows.size()), reversed_rows(rows, row_bytes));
  if (c.depth == 8) {
    ASSERT_NE(image.palette, nullptr);
    EXPECT_EQ(Bytes(image.palette.get(), image.palette.get() + 768), palette);
  } else {
    EXPECT_EQ(image.palette, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, TgaDepth,
                         ::testing::Values(DepthCase{8, 3, 2}, DepthCase{16, 3, 2}, DepthCase{24, 3, 2},
                                           DepthCase{32, 3, 2}, DepthCase{32, 2, 2}, DepthCase{24, 5, 3}));

TEST(TgaReader, Turns2x2RowsAndKeepsTheFourthByte) {
  // Stored: P, Q (bottom row), then R, S; P is the bytes 10, 20, 30, 40.
  Bytes file = make_tga(2, 2, 32, {10, 20, 30, 40, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3});
  Image image;
  read_tga_bytes(file.data(), file.size(), image, PATH);
  EXPECT_EQ(image.pixels[0], 0x02020202u);  // R
  EXPECT_EQ(image.pixels[1], 0x03030303u);  // S
  EXPECT_EQ(image.pixels[2], 0x281E140Au);  // P: blue 10, green 20, red 30, fourth byte 40
  EXPECT_EQ(image.pixels[3], 0x01010101u);  // Q
}

struct EmptyCase {
  unsigned width, height, depth;
};

class TgaEmpty : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(TgaEmpty, LoadsWithAnEmptyBuffer) {
  const EmptyCase& c = GetParam();
  Bytes file = make_tga(c.width, c.height, c.depth, image_test::byte_pattern(1000));
  Image image;
  Ending ending = run_load([&] { read_tga_bytes(file.data(), file.size(), image, PATH); });
  ASSERT_FALSE(ending.process_ended) << ending.error_output;
  EXPECT_EQ(image.width, static_cast<int>(c.width));
  EXPECT_EQ(image.height, static_cast<int>(c.height));
  EXPECT_NE(image.pixels, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TgaEmpty,
                         ::testing::Values(EmptyCase{5, 0, 32}, EmptyCase{0, 5, 32}, EmptyCase{0, 0, 8}));

class TgaUnsupportedDepth : public ::testing::TestWithParam<unsigned> {};

TEST_P(TgaUnsupportedDepth, EndsWithUnsupportedFormatAfterStoringTheHeader) {
  Bytes file = make_tga(2, 3, GetParam(), Bytes(64, 7));
  Image image;
  Ending ending = run_load([&] { read_tga_bytes(file.data(), file.size(), image, PATH); });
  EXPECT_EQ(ending.exit_code, 1);
  EXPECT_EQ(ending.errors, std::vector<std::string>{"unsupported format"});
  EXPECT_NE(ending.error_output.find("unsupported format"), std::string::npos);
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 3);
  EXPECT_EQ(image.bits_per_pixel, GetParam());
  EXPECT_EQ(image.pixels, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Depths, TgaUnsupportedDepth, ::testing::Values(0u, 1u, 15u, 64u));

TEST(TgaReader, AShortFileLoadsWithZerosWhereDataIsMissing) {
  // 2 x 2 of depth 32 with one pixel of data: it is the bottom-left pixel.
  Bytes file = make_tga(2, 2, 32, {1, 2, 3, 4});
  Image image;
  read_tga_bytes(file.data(), file.size(), image, PATH);
  EXPECT_EQ(image.pixels[0], 0u);
  EXPECT_EQ(image.pixels[1], 0u);
  EXPECT_EQ(image.pixels[2], 0x04030201u);
  EXPECT_EQ(image.pixels[3], 0u);

  // Depth 8 cut inside the colour map: the rest of the palette and every pixel are 0.
  Bytes cut = make_tga(3, 1, 8, {5, 6, 7});
  read_tga_bytes(cut.data(), cut.size(), image, PATH);
  ASSERT_NE(image.palette, nullptr);
  Bytes expected_palette(768, 0);
  expected_palette[0] = 5;
  expected_palette[1] = 6;
  expected_palette[2] = 7;
  EXPECT_EQ(Bytes(image.palette.get(), image.palette.get() + 768), expected_palette);
  EXPECT_EQ(image_test::pixel_bytes(image, 3), Bytes(3, 0));
}

TEST(TgaReader, AHeaderCutShortReadsAsZerosAndIsUnsupported) {
  Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9};
  Image image;
  Ending ending = run_load([&] { read_tga_bytes(file.data(), file.size(), image, PATH); });
  EXPECT_EQ(ending.errors, std::vector<std::string>{"unsupported format"});
  EXPECT_EQ(image.width, 9);
  EXPECT_EQ(image.height, 0);
}

struct HugeCase {
  unsigned width, height, depth;
  bool loads;
};

class TgaSizeLimit : public ::testing::TestWithParam<HugeCase> {};

TEST_P(TgaSizeLimit, RefusesMoreThan4096x4096PixelsBeforeAllocating) {
  const HugeCase& c = GetParam();
  Bytes file = make_tga(c.width, c.height, c.depth, {0});  // 19 bytes
  Image image;
  Ending ending = run_load([&] { read_tga_bytes(file.data(), file.size(), image, PATH); });
  if (c.loads) {
    EXPECT_FALSE(ending.process_ended) << ending.error_output;
    EXPECT_NE(image.pixels, nullptr);
  } else {
    EXPECT_EQ(ending.exit_code, 1);
    EXPECT_EQ(ending.errors, std::vector<std::string>{"could not load image"});
    EXPECT_EQ(image.pixels, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TgaSizeLimit,
                         ::testing::Values(HugeCase{65535, 65535, 32, false}, HugeCase{4097, 4096, 8, false},
                                           HugeCase{4096, 4097, 8, false}, HugeCase{4096, 4096, 8, true}));

}  // namespace
