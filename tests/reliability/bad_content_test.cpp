// Bad content in the show folder: every file the program loads (the 21
// artwork files, the ten logo frames, every photograph) with each of eight
// faults, run in-process on the fake platform. Each case ends with exit code
// 1 and the reader's message, or goes on and draws what was read; none asks
// for more than the memory bound at once. The faulty folder is a copy of the
// built-in show made of symbolic links, with one file replaced per case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "image/image.h"
#include "player/show_helpers.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "reliability/allocation_guard.h"
#include "reliability/content_faults.h"
#include "render/framebuffer.h"
#include "support/fake_platform.h"

namespace {

constexpr int INTRO = 300;
const show::Rect PHOTO_AREA{21, 221, 320, 240};
const show::Rect CORNER_SPRITE{326, 221, 15, 25};

using namespace faults;

std::vector<ContentFile> start_up_files() {
  std::vector<ContentFile> files;
  for (int i = 0; i < 10; ++i) {
    std::string program = "images\\01000" + std::to_string(i) + ".tga";
    files.push_back({host(program), program, true});
  }
  for (const ArtworkFile& art : artwork_files) files.push_back({host(art.path), art.path, art.width != 0});
  return files;
}

ContentFile photo_file(int slide) {
  build_slide_table();
  std::string program = slide_table.entries[slide]->photo_path;
  return {host(program), program, true};
}

// The recorded end of a run against the outcome the case expects.
void expect_outcome(const fake::RunResult& run, Outcome outcome, const ContentFile& file) {
  SCOPED_TRACE(std::string("expected: ") + outcome_name(outcome) + "\nstandard error: " + run.error_output);
  EXPECT_FALSE(run.hit_frame_limit);
  if (outcome == Outcome::goes_on) {
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_FALSE(run.ended_by_fatal);
    EXPECT_TRUE(run.errors.empty());
    EXPECT_TRUE(run.message_boxes.empty());
    return;
  }
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.ended_by_fatal);
  std::string message = outcome == Outcome::unsupported ? "unsupported format" : "could not load image";
  EXPECT_EQ(run.errors, std::vector<std::string>{message});
  EXPECT_NE(run.error_output.find(message + ": " + file.program), std::string::npos);
  if (outcome == Outcome::jpeg_box_then_fail) {
    ASSERT_EQ(run.message_boxes.size(), 1u);
    EXPECT_EQ(run.message_boxes[0].rfind("JPEG Fatal Error|", 0), 0u) << run.message_boxes[0];
  } else {
    EXPECT_TRUE(run.message_boxes.empty());
  }
}

// Standard error collected into a string while the value lives, for the
// operations called outside a whole run.
class StandardErrorCapture {
 public:
  StandardErrorCapture() : file_(std::tmpfile()), saved_(dup(2)) {
    std::fflush(stderr);
    dup2(fileno(file_), 2);
  }
  ~StandardErrorCapture() {
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    std::fclose(file_);
  }
  std::string text() {
    std::fflush(stderr);
    std::string collected;
    std::rewind(file_);
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) collected.append(buffer, n);
    return collected;
  }

 private:
  std::FILE* file_;
  int saved_;
};

// The faulty file as the program's reader takes it, for the goes-on cases.
Image decode(const std::string& folder, const ContentFile& file) {
  Image image;
  load_image_by_extension((folder + "/" + file.path).c_str(), image);
  return image;
}

class BadContent : public ::testing::TestWithParam<Fault> {
 protected:
  static void SetUpTestSuite() { folder_ = new FaultFolder(fake::show_folder()); }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  // Puts the fault into the folder; false when the case has nothing to inject.
  void inject(const ContentFile& file) {
    Bytes original = read_all(fake::show_folder() + "/" + file.path);
    ASSERT_FALSE(original.empty()) << file.path;
    folder_->inject(file.path, faulty_bytes(file, original, GetParam(), fake::show_folder()), GetParam() != Fault::missing);
  }

  static FaultFolder* folder_;
};

FaultFolder* BadContent::folder_ = nullptr;

// The logo frames and the 21 artwork files: each fault ends the start-up with
// the reader's message or the run goes on; what goes on and is drawn at once
// (the intro logo, the background, the logo frames) shows what was read.
TEST_P(BadContent, StartUpFiles) {
  for (const ContentFile& file : start_up_files()) {
    SCOPED_TRACE(file.path);
    inject(file);
    Outcome outcome = expected_outcome(file, GetParam());
    int logo = file.path.rfind("images/01000", 0) == 0 ? file.path[12] - '0' : -1;

    fake::RunOptions options;
    options.folder = folder_->root();
    options.script = {fake::escape_at(logo >= 0 ? INTRO + 4 * logo : INTRO)};
    options.keep_frames = {0, INTRO, INTRO + 4 * std::max(logo, 0)};
    guard::reset_largest_request();
    fake::RunResult run = fake::run_program(options);
    EXPECT_LT(guard::largest_request(), guard::MEMORY_BOUND);
    expect_outcome(run, outcome, file);

    if (outcome == Outcome::goes_on && (logo >= 0 || file.path == "images/qovlogo.jpg" ||
                                        file.path == "images/interface.jpg")) {
      Image read = decode(folder_->root(), file);
      ASSERT_TRUE(read.pixels != nullptr);
      if (logo >= 0) {
        const auto* frame = run.frame(INTRO + 4 * logo);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(show::block_equals(frame->data(), {241, 12, 70, 70}, read.pixels.get()));
      } else if (file.path == "images/qovlogo.jpg") {
        const auto* frame = run.frame(0);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(show::block_equals(frame->data(), {0, 0, 640, 480}, read.pixels.get()));
      } else {
        // Below the photograph the first player screen is the background.
        const auto* frame = run.frame(INTRO);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(show::region_equals(frame->data(), {0, 462, 640, 18}, read.pixels.get()));
      }
    }
    folder_->restore(file.path);
    if (::testing::Test::HasFailure()) return;
  }
}

// The photographs: the one of slide 0 through a whole run (it is loaded for
// the first player frame), then every photograph through the composition of
// its slide, as a slide change makes it.
TEST_P(BadContent, Photographs) {
  {
    ContentFile file = photo_file(0);
    SCOPED_TRACE(file.path + " in a whole run");
    inject(file);
    fake::RunOptions options;
    options.folder = folder_->root();
    options.script = {fake::escape_at(INTRO)};
    options.keep_frames = {INTRO};
    guard::reset_largest_request();
    fake::RunResult run = fake::run_program(options);
    EXPECT_LT(guard::largest_request(), guard::MEMORY_BOUND);
    Outcome outcome = expected_outcome(file, GetParam());
    expect_outcome(run, outcome, file);
    if (outcome == Outcome::goes_on) {
      Image read = decode(folder_->root(), file);
      ASSERT_NE(run.frame(INTRO), nullptr);
      EXPECT_TRUE(show::block_equals(run.frame(INTRO)->data(), PHOTO_AREA, read.pixels.get(), CORNER_SPRITE));
    }
    folder_->restore(file.path);
  }

  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder_->root().c_str()), 0);
  fake::begin_recording(fake::RunOptions{});
  load_artwork_catalogue();
  for (int slide = 0; slide < static_cast<int>(SLIDE_COUNT); ++slide) {
    ContentFile file = photo_file(slide);
    SCOPED_TRACE(file.path);
    inject(file);
    Outcome outcome = expected_outcome(file, GetParam());
    fake::begin_recording(fake::RunOptions{});
    fake::RunResult& record = fake::current_record();
    guard::reset_largest_request();
    StandardErrorCapture capture;
    try {
      compose_slide(*slide_table.entries[slide], artwork_pixels(ART_BACKGROUND), framebuffer,
                    artwork_pixels(ART_FONT), artwork_pixels(ART_CORNER));
      record.exit_code = 0;
    } catch (const fake::ProcessEnded& ended) {
      record.exit_code = ended.exit_code;
      record.ended_by_fatal = true;
    }
    EXPECT_LT(guard::largest_request(), guard::MEMORY_BOUND);
    record.error_output = capture.text();
    expect_outcome(record, outcome, file);
    if (outcome == Outcome::goes_on) {
      Image read = decode(".", file);
      EXPECT_TRUE(show::block_equals(framebuffer, PHOTO_AREA, read.pixels.get(), CORNER_SPRITE));
    }
    folder_->restore(file.path);
    if (::testing::Test::HasFailure()) break;
  }
  ASSERT_EQ(chdir(previous), 0);
}

std::string fault_name(const ::testing::TestParamInfo<Fault>& info) { return fault_label(info.param); }

INSTANTIATE_TEST_SUITE_P(Faults, BadContent,
                         ::testing::Values(Fault::missing, Fault::empty, Fault::cut_in_header, Fault::cut_in_pixels,
                                           Fault::wrong_size, Fault::wrong_depth, Fault::other_format,
                                           Fault::huge_header),
                         fault_name);

}  // namespace
