// Choosing the reader by the path's last three characters, the fatal path of
// a missing file, reloading a record, and the checked load.
#include <gtest/gtest.h>

#include <unistd.h>

#include "image/image.h"
#include "image_fixtures.h"

namespace {

using image_test::Bytes;
using image_test::Ending;
using image_test::run_load;
using image_test::ScratchFolder;

enum class Reader { none, tga, jpeg, pcx };

// A file for each reader that the reader turns into a record no other reader
// would make: TGA 2 x 1 of depth 24, JPEG 3 x 2 of depth 32, PCX 5 x 1 of depth 8.
Bytes file_for(Reader reader) {
  switch (reader) {
    case Reader::jpeg:
      return image_test::encode_jpeg(3, 2, 3, JCS_RGB, Bytes(18, 128));
    case Reader::pcx:
      return image_test::make_pcx(4, 0, {1, 2, 3, 4, 5}, Bytes(768, 9));
    default:
      return image_test::make_tga(2, 1, 24, image_test::byte_pattern(6));
  }
}

// Runs the test inside a scratch folder, so that relative paths land there.
class InScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
    ASSERT_EQ(chdir(folder_.path().c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(previous_), 0); }

  ScratchFolder folder_;
  char previous_[4096];
};

struct EndingCase {
  const char* path;
  Reader reader;
};

class ReaderChoice : public InScratchFolder, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ReaderChoice, ReachesExactlyTheReaderOfTheLastThreeCharacters) {
  const EndingCase& c = GetParam();
  // A path that should reach no reader still names a readable TGA file, so a
  // reader that ran by mistake would change the record.
  std::string on_disk(c.path);
  for (char& ch : on_disk)
    if (ch == '\\') ch = '/';
  if (!on_disk.empty()) folder_.write(on_disk, file_for(c.reader));

  Image image;
  image.width = 7;
  image.height = 9;
  image.bits_per_pixel = 99;
  image.pixels.reset(new std::uint32_t[1]{0xDEADBEEF});
  image.palette.reset(new std::uint8_t[768]());
  const std::uint32_t* old_pixels = image.pixels.get();
  const std::uint8_t* old_palette = image.palette.get();

  Ending ending = run_load([&] { load_image_by_extension(c.path, image); });
  ASSERT_FALSE(ending.process_ended) << ending.error_output;

  switch (c.reader) {
    case Reader::none:
      EXPECT_EQ(image.width, 7);
      EXPECT_EQ(image.height, 9);
      EXPECT_EQ(image.bits_per_pixel, 99);
      EXPECT_EQ(image.pixels.get(), old_pixels);
      EXPECT_EQ(image.palette.get(), old_palette);
      break;
    case Reader::tga:
      EXPECT_EQ(image.width, 2);
      EXPECT_EQ(image.height, 1);
      EXPECT_EQ(image.bits_per_pixel, 24);
      EXPECT_EQ(image.palette, nullptr);
      break;
    case Reader::jpeg:
      EXPECT_EQ(image.width, 3);
      EXPECT_EQ(image.height, 2);
      EXPECT_EQ(image.bits_per_pixel, 32);
      EXPECT_EQ(image.palette.get(), old_palette);  // the JPEG reader leaves it
      break;
    case Reader::pcx:
      EXPECT_EQ(image.width, 5);
      EXPECT_EQ(image.height, 1);
      EXPECT_EQ(image.bits_per_pixel, 8);
      ASSERT_NE(image.palette, nullptr);
      EXPECT_EQ(image.palette[0], 9);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReaderChoice,
    ::testing::Values(EndingCase{"pic.tga", Reader::tga}, EndingCase{"pic.jpg", Reader::jpeg},
                      EndingCase{"pic.pcx", Reader::pcx}, EndingCase{"images\\pic.tga", Reader::tga},
                      EndingCase{"tga", Reader::tga}, EndingCase{"pictga", Reader::tga},
                      EndingCase{"pic.TGA", Reader::none}, EndingCase{"pic.Jpg", Reader::none},
                      EndingCase{"pic.jpeg", Reader::none}, EndingCase{"pic.png", Reader::none},
                      EndingCase{"pic", Reader::none}, EndingCase{"ga", Reader::none},
                      EndingCase{"", Reader::none}));

class MissingFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingFile, EndsWithCouldNotLoadImageAndExitCode1) {
  ScratchFolder folder;
  std::string path = folder.file(std::string("absent") + GetParam());
  Image image;
  Ending ending = run_load([&] { load_image_by_extension(path.c_str(), image); });
  EXPECT_TRUE(ending.process_ended);
  EXPECT_EQ(ending.exit_code, 1);
  EXPECT_EQ(ending.errors, std::vector<std::string>{"could not load image"});
  EXPECT_EQ(ending.error_output.rfind("could not load image", 0), 0u) << ending.error_output;
  EXPECT_TRUE(ending.message_boxes.empty());
  EXPECT_EQ(image.pixels, nullptr);
  EXPECT_EQ(image.width, 0);
}

INSTANTIATE_TEST_SUITE_P(Endings, MissingFile, ::testing::Values(".tga", ".jpg", ".pcx"));

TEST(LoadImage, ASecondLoadReplacesSizeDepthPixelsAndPalette) {
  ScratchFolder folder;
  std::string first = folder.write("first.tga", image_test::make_tga(4, 2, 8, image_test::byte_pattern(768 + 8)));
  std::string second = folder.write("second.tga", image_test::make_tga(1, 1, 32, {10, 20, 30, 40}));
  std::string third = folder.write("third.jpg", file_for(Reader::jpeg));

  Image image;
  load_image_by_extension(first.c_str(), image);
  ASSERT_NE(image.palette, nullptr);
  load_image_by_extension(second.c_str(), image);
  EXPECT_EQ(image.width, 1);
  EXPECT_EQ(image.height, 1);
  EXPECT_EQ(image.bits_per_pixel, 32);
  EXPECT_EQ(image.pixels[0], 0x281E140Au);
  EXPECT_EQ(image.palette, nullptr);  // a depth-32 TGA holds no palette

  load_image_by_extension(third.c_str(), image);
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.bits_per_pixel, 32);
  // The sanitizer build's leak check shows the buffers replaced above were released.
}

struct CheckedCase {
  const char* name;
  Bytes file;
  int width, height;
  bool fits;
};

class CheckedLoad : public ::testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedLoad, AcceptsOnlyA32BitPictureOfTheDrawnSize) {
  const CheckedCase& c = GetParam();
  ScratchFolder folder;
  std::string path = folder.write(c.name, c.file);
  Image image;
  Ending ending = run_load([&] { load_image_checked(path.c_str(), image, c.width, c.height); });
  if (c.fits) {
    EXPECT_FALSE(ending.process_ended) << ending.error_output;
  } else {
    EXPECT_EQ(ending.exit_code, 1);
    EXPECT_EQ(ending.errors, std::vector<std::string>{"unsupported format"});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckedLoad,
    ::testing::Values(CheckedCase{"a.tga", image_test::make_tga(2, 2, 32, Bytes(16)), 2, 2, true},
                      CheckedCase{"b.tga", image_test::make_tga(2, 2, 32, Bytes(16)), 2, 3, false},
                      CheckedCase{"c.tga", image_test::make_tga(2, 2, 32, Bytes(16)), 3, 2, false},
                      CheckedCase{"d.tga", image_test::make_tga(2, 2, 24, Bytes(12)), 2, 2, false},
                      CheckedCase{"e.pcx", image_test::make_pcx(1, 1, Bytes(4), Bytes(768)), 2, 2, false},
                      CheckedCase{"f.jpg", image_test::encode_jpeg(3, 2, 3, JCS_RGB, Bytes(18)), 3, 2, true},
                      // No recognised ending: nothing is loaded, so nothing fits.
                      CheckedCase{"g.png", image_test::make_tga(2, 2, 32, Bytes(16)), 2, 2, false}));

}  // namespace
