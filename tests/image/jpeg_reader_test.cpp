// The JPEG reader on files encoded here with libjpeg: the conversion to
// blue, green, red, 0, greyscale, row order, the fatal error box and the
// failures that show none.
#include <gtest/gtest.h>

#include <cstdlib>

#include "image/jpeg_reader.h"
#include "image/readers.h"
#include "image_fixtures.h"

namespace {

using image_test::Bytes;
using image_test::Ending;
using image_test::encode_jpeg;
using image_test::run_load;
using image_test::ScratchFolder;

// Samples of a picture that looks like a photograph: smooth shading with
// grain, so that libjpeg has real work to do.
Bytes photo_samples(unsigned width, unsigned height, int components) {
  Bytes samples(std::size_t{width} * height * components);
  std::uint32_t seed = 12345;
  for (unsigned y = 0; y < height; ++y)
    for (unsigned x = 0; x < width; ++x)
      for (int c = 0; c < components; ++c) {
        seed = seed * 1664525u + 1013904223u;
        int value = static_cast<int>((x * (c + 1) * 255) / width + (y * 255) / height) / 2 + (seed >> 28);
        samples[(std::size_t{y} * width + x) * components + c] = static_cast<std::uint8_t>(value & 0xFF);
      }
  return samples;
}

// Two bands: the top half one colour, the bottom half another.
Bytes two_bands(unsigned width, unsigned height) {
  Bytes samples;
  for (unsigned y = 0; y < height; ++y)
    for (unsigned x = 0; x < width; ++x) {
      bool top = y < height / 2;
      samples.insert(samples.end(), {static_cast<std::uint8_t>(top ? 220 : 20), static_cast<std::uint8_t>(top ? 30 : 40),
                                     static_cast<std::uint8_t>(top ? 30 : 200)});
    }
  return samples;
}

Image load_jpeg_file(const Bytes& file) {
  ScratchFolder folder;
  std::string path = folder.write("picture.jpg", file);
  Image image;
  Ending ending = run_load([&] { read_jpeg(path.c_str(), image); });
  EXPECT_FALSE(ending.process_ended) << ending.error_output;
  EXPECT_TRUE(ending.message_boxes.empty());
  return image;
}

int byte_of(std::uint32_t word, int n) { return static_cast<int>((word >> (8 * n)) & 0xFF); }

struct DecodeCase {
  const char* name;
  unsigned width, height;
  int components;
  J_COLOR_SPACE space;
};

class JpegPixels : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(JpegPixels, StoresEachDecodedPixelAsBlueGreenRedAndZero) {
  const DecodeCase& c = GetParam();
  Bytes file = encode_jpeg(c.width, c.height, c.components, c.space, photo_samples(c.width, c.height, c.components));
  Bytes decoded = image_test::decode_jpeg_samples(file);
  Image image = load_jpeg_file(file);
  ASSERT_EQ(image.width, static_cast<int>(c.width));
  ASSERT_EQ(image.height, static_cast<int>(c.height));
  EXPECT_EQ(image.bits_per_pixel, 32);
  std::size_t mismatches = 0;
  for (std::size_t i = 0; i < std::size_t{c.width} * c.height; ++i) {
    const std::uint8_t* sample = decoded.data() + i * c.components;
    int red = sample[0];
    int green = c.components == 3 ? sample[1] : sample[0];
    int blue = c.components == 3 ? sample[2] : sample[0];
    std::uint32_t pixel = image.pixels[i];
    if (byte_of(pixel, 0) != blue || byte_of(pixel, 1) != green || byte_of(pixel, 2) != red ||
        byte_of(pixel, 3) != 0)
      ++mismatches;
  }
  EXPECT_EQ(mismatches, 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, JpegPixels,
                         ::testing::Values(DecodeCase{"Colour", 37, 21, 3, JCS_RGB},
                                           DecodeCase{"Greyscale", 19, 33, 1, JCS_GRAYSCALE},
                                           DecodeCase{"Photograph", 320, 240, 3, JCS_RGB},
                                           // Fewer pixels than one block of the fast conversion.
                                           DecodeCase{"OnePixel", 1, 1, 3, JCS_RGB},
                                           DecodeCase{"FivePixels", 5, 1, 3, JCS_RGB}),
                         [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(JpegReader, StoresRed200Green100Blue50AsTheBytes50_100_200_0) {
  Bytes samples;
  for (int i = 0; i < 64; ++i) samples.insert(samples.end(), {200, 100, 50});
  Image image = load_jpeg_file(encode_jpeg(8, 8, 3, JCS_RGB, samples, image_test::JpegEncoding{100}));
  ASSERT_NE(image.pixels, nullptr);
  const std::uint8_t* bytes = image_bytes(image);
  EXPECT_NEAR(bytes[0], 50, 2);
  EXPECT_NEAR(bytes[1], 100, 2);
  EXPECT_NEAR(bytes[2], 200, 2);
  EXPECT_EQ(bytes[3], 0);
}

TEST(JpegReader, A320x240PictureIsHeldTopRowFirstAndKeepsThePalette) {
  Bytes file = encode_jpeg(320, 240, 3, JCS_RGB, two_bands(320, 240));
  ScratchFolder folder;
  std::string path = folder.write("photo.jpg", file);
  Image image;
  image.palette.reset(new std::uint8_t[768]());
  const std::uint8_t* palette = image.palette.get();
  read_jpeg(path.c_str(), image);
  EXPECT_EQ(image.width, 320);
  EXPECT_EQ(image.height, 240);
  EXPECT_EQ(image.bits_per_pixel, 32);
  EXPECT_EQ(image.palette.get(), palette);
  // 307,200 bytes: the last word is the bottom-right pixel.
  std::uint32_t top_left = image.pixels[0];
  std::uint32_t bottom_right = image.pixels[320 * 240 - 1];
  EXPECT_NEAR(byte_of(top_left, 2), 220, 4);
  EXPECT_NEAR(byte_of(top_left, 0), 30, 4);
  EXPECT_NEAR(byte_of(bottom_right, 2), 20, 4);
  EXPECT_NEAR(byte_of(bottom_right, 0), 200, 4);
}

TEST(JpegReader, AFileCutInTheMiddleOfItsDataLoadsWithoutAMessage) {
  Bytes file = encode_jpeg(320, 240, 3, JCS_RGB, photo_samples(320, 240, 3));
  file.resize(file.size() / 2);
  Image image = load_jpeg_file(file);
  EXPECT_EQ(image.width, 320);
  EXPECT_EQ(image.height, 240);
  EXPECT_TRUE(fake::current_record().errors.empty());
}

// A small JPEG whose frame header claims `width` x `height`.
Bytes with_claimed_size(Bytes file, unsigned width, unsigned height) {
  for (std::size_t i = 0; i + 8 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = height >> 8;
      file[i + 6] = height & 0xFF;
      file[i + 7] = width >> 8;
      file[i + 8] = width & 0xFF;
      break;
    }
  return file;
}

struct FailureCase {
  const char* name;
  Bytes file;
  const char* box;  // the expected "title|text", or nullptr for none
};

class JpegFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(JpegFailure, EndsWithCouldNotLoadImageAfterTheLibrarysOwnMessage) {
  const FailureCase& c = GetParam();
  ScratchFolder folder;
  std::string path = folder.write("bad.jpg", c.file);
  Image image;
  Ending ending = run_load([&] { load_image_by_extension(path.c_str(), image); });
  EXPECT_EQ(ending.exit_code, 1);
  EXPECT_EQ(ending.errors, std::vector<std::string>{"could not load image"});
  std::vector<std::string> boxes;
  if (c.box != nullptr) boxes.push_back(c.box);
  EXPECT_EQ(ending.message_boxes, boxes);
  EXPECT_EQ(image.pixels, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegFailure,
    ::testing::Values(
        FailureCase{"TgaUnderAJpegName", image_test::make_tga(2, 2, 32, Bytes(16, 1)),
                    "JPEG Fatal Error|Not a JPEG file: starts with 0x00 0x00"},
        FailureCase{"EmptyFile", {}, "JPEG Fatal Error|Empty input file"},
        // Four components (CMYK) cannot become blue, green, red: refused without a box.
        FailureCase{"FourComponents", encode_jpeg(8, 8, 4, JCS_CMYK, Bytes(256, 90)), nullptr},
        FailureCase{"LargerThan4096x4096", with_claimed_size(encode_jpeg(16, 16, 3, JCS_RGB, Bytes(768, 7)), 8192, 8192),
                    nullptr}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(JpegReader, AMissingFileEndsTheProgramWithoutABox) {
  ScratchFolder folder;
  std::string path = folder.file("absent.jpg");
  Image image;
  Ending ending = run_load([&] { read_jpeg(path.c_str(), image); });
  EXPECT_EQ(ending.exit_code, 1);
  EXPECT_EQ(ending.errors, std::vector<std::string>{"could not load image"});
  EXPECT_TRUE(ending.message_boxes.empty());
}

TEST(JpegReader, DecodeSetsTheSizeOnlyWithABuffer) {
  Bytes file = encode_jpeg(5, 3, 1, JCS_GRAYSCALE, Bytes(15, 60));
  std::uint32_t width = 99, height = 99;
  std::unique_ptr<std::uint8_t[]> rgb = decode_jpeg_rgb_bytes(file.data(), file.size(), width, height);
  ASSERT_NE(rgb, nullptr);
  EXPECT_EQ(width, 5u);
  EXPECT_EQ(height, 3u);
  EXPECT_NEAR(rgb[14 * 3 + 2], 60, 2);

  fake::begin_recording(fake::RunOptions{});
  Bytes not_jpeg = {1, 2, 3};
  width = height = 99;
  EXPECT_EQ(decode_jpeg_rgb_bytes(not_jpeg.data(), not_jpeg.size(), width, height), nullptr);
  EXPECT_EQ(width, 0u);
  EXPECT_EQ(height, 0u);
  EXPECT_EQ(fake::current_record().message_boxes.size(), 1u);
}

}  // namespace
