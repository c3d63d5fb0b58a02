// Bad content in the show folder: every file the program loads (the 21
// artwork files, the ten logo frames, every photograph) with each of eight
// faults, run in-process on the fake platform. Each case ends with exit code
// 1 and the reader's message, or goes on and draws what was read; none asks
// for more than the memory bound at once. The faulty folder is a copy of the
// built-in show made of symbolic links, with one file replaced per case.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "image/image.h"
#include "player/show_helpers.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "reliability/allocation_guard.h"
#include "render/framebuffer.h"
#include "support/fake_platform.h"
#include "support/jpeg_encode.h"

namespace {

constexpr int INTRO = 300;
const show::Rect PHOTO_AREA{21, 221, 320, 240};
const show::Rect CORNER_SPRITE{326, 221, 15, 25};

using Bytes = std::vector<std::uint8_t>;

enum class Fault { missing, empty, cut_in_header, cut_in_pixels, wrong_size, wrong_depth, other_format, huge_header };

enum class Outcome {
  goes_on,            // the run carries on and draws what was read
  could_not_load,     // "could not load image", exit code 1, no box
  unsupported,        // "unsupported format", exit code 1
  jpeg_box_then_fail  // the "JPEG Fatal Error" box, then "could not load image"
};

const char* outcome_name(Outcome outcome) {
  switch (outcome) {
    case Outcome::goes_on: return "goes on";
    case Outcome::could_not_load: return "could not load image";
    case Outcome::unsupported: return "unsupported format";
    case Outcome::jpeg_box_then_fail: return "JPEG Fatal Error, then could not load image";
  }
  return "?";
}

// A file the program loads, by its path in the show folder.
struct ContentFile {
  std::string path;     // "images/souris.tga"
  std::string program;  // the path as the program names it, "images\\souris.tga"
  bool drawn;           // checked for size and depth when loaded
};

bool is_jpeg(const ContentFile& file) { return file.path.compare(file.path.size() - 3, 3, "jpg") == 0; }

std::string host(const std::string& program_path) {
  std::string path = program_path;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

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

Bytes read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put16(Bytes& bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Offset of the first JPEG marker `code` (the byte after 0xFF), or the size.
std::size_t find_marker(const Bytes& bytes, std::uint8_t code) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
  return bytes.size();
}

std::size_t find_frame_header(const Bytes& bytes) {
  for (std::uint8_t code : {0xC0, 0xC1, 0xC2})
    if (std::size_t at = find_marker(bytes, code); at < bytes.size()) return at;
  return bytes.size();
}

Bytes gradient_jpeg(unsigned width, unsigned height, int components) {
  Bytes samples(std::size_t{width} * height * components);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 7 / 5);
  return fixture::encode_jpeg(width, height, components, components == 1 ? JCS_GRAYSCALE : JCS_RGB, samples);
}

// The faulty content of `file` (of the show, `original`); empty for a missing file.
Bytes faulty_bytes(const ContentFile& file, const Bytes& original, Fault fault) {
  const std::string show = fake::show_folder() + "/";
  if (is_jpeg(file)) {
    std::size_t frame = find_frame_header(original);
    unsigned height = original[frame + 5] << 8 | original[frame + 6];
    unsigned width = original[frame + 7] << 8 | original[frame + 8];
    switch (fault) {
      case Fault::missing:
      case Fault::empty: return {};
      case Fault::cut_in_header: return Bytes(original.begin(), original.begin() + frame + 6);
      case Fault::cut_in_pixels: {
        std::size_t scan = find_marker(original, 0xDA);
        return Bytes(original.begin(), original.begin() + scan + (original.size() - scan) / 2);
      }
      case Fault::wrong_size: return gradient_jpeg(width + 8, height, 3);
      case Fault::wrong_depth: return gradient_jpeg(width, height, 1);
      case Fault::other_format: return read_all(show + "images/bout.tga");
      case Fault::huge_header: {
        Bytes bytes = original;
        bytes[frame + 5] = bytes[frame + 6] = bytes[frame + 7] = bytes[frame + 8] = 0xFF;
        return bytes;
      }
    }
  }
  const std::size_t header = 18;
  unsigned width = original[12] | original[13] << 8;
  unsigned height = original[14] | original[15] << 8;
  switch (fault) {
    case Fault::missing:
    case Fault::empty: return {};
    case Fault::cut_in_header: return Bytes(original.begin(), original.begin() + 14);
    case Fault::cut_in_pixels: return Bytes(original.begin(), original.begin() + header + (original.size() - header) / 2);
    case Fault::wrong_size: {
      Bytes bytes = original;
      put16(bytes, 12, width + 1);
      bytes.resize(header + std::size_t{width + 1} * height * 4, 0x80);
      return bytes;
    }
    case Fault::wrong_depth: {
      Bytes bytes(original.begin(), original.begin() + header);
      bytes[16] = 24;
      for (std::size_t i = header; i + 3 < original.size(); i += 4)
        bytes.insert(bytes.end(), original.begin() + i, original.begin() + i + 3);
      return bytes;
    }
    case Fault::other_format: return read_all(show + "images/credit.jpg");
    case Fault::huge_header: {
      Bytes bytes = original;
      put16(bytes, 12, 65535);
      put16(bytes, 14, 65535);
      return bytes;
    }
  }
  return {};
}

// What the program must do with `file` carrying `fault`.
Outcome expected_outcome(const ContentFile& file, Fault fault) {
  if (fault == Fault::missing) return Outcome::could_not_load;
  if (is_jpeg(file)) {
    switch (fault) {
      case Fault::cut_in_pixels:
      case Fault::wrong_depth: return Outcome::goes_on;  // a greyscale JPEG still decodes to 32 bits
      case Fault::wrong_size: return Outcome::unsupported;
      default: return Outcome::jpeg_box_then_fail;
    }
  }
  switch (fault) {
    case Fault::cut_in_pixels: return Outcome::goes_on;
    case Fault::wrong_size:
    case Fault::wrong_depth: return file.drawn ? Outcome::unsupported : Outcome::goes_on;
    case Fault::huge_header: return Outcome::could_not_load;  // no buffer is made for it
    default: return Outcome::unsupported;  // a header read as zeros, or a JPEG's bytes, give no known depth
  }
}

// A copy of the built-in show made of symbolic links, in which one file at a
// time is replaced by a faulty one.
class FaultFolder {
 public:
  FaultFolder() {
    char name[] = "/tmp/report-bad-content-XXXXXX";
    if (mkdtemp(name) == nullptr) return;
    root_ = name;
    mkdir((root_ + "/images").c_str(), 0755);
    mkdir((root_ + "/musik").c_str(), 0755);
    for (const char* sub : {"images", "musik"}) {
      std::string listing = "ls " + fake::show_folder() + "/" + sub;
      if (FILE* pipe = popen(listing.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe)) {
          std::string entry = std::string(sub) + "/" + std::string(line, std::strcspn(line, "\n"));
          link(entry);
        }
        pclose(pipe);
      }
    }
  }
  ~FaultFolder() {
    if (!root_.empty()) std::system(("rm -rf " + root_).c_str());
  }

  const std::string& root() const { return root_; }

  // Replaces `path` with `bytes`, or removes it when `present` is false.
  void inject(const std::string& path, const Bytes& bytes, bool present) {
    std::string target = root_ + "/" + path;
    unlink(target.c_str());
    if (!present) return;
    std::ofstream out(target, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  // Puts the show's own file back.
  void restore(const std::string& path) {
    unlink((root_ + "/" + path).c_str());
    link(path);
  }

 private:
  void link(const std::string& path) {
    if (symlink((fake::show_folder() + "/" + path).c_str(), (root_ + "/" + path).c_str()) != 0)
      ADD_FAILURE() << "cannot link " << path;
  }
  std::string root_;
};

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
  static void SetUpTestSuite() { folder_ = new FaultFolder; }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  // Puts the fault into the folder; false when the case has nothing to inject.
  void inject(const ContentFile& file) {
    Bytes original = read_all(fake::show_folder() + "/" + file.path);
    ASSERT_FALSE(original.empty()) << file.path;
    folder_->inject(file.path, faulty_bytes(file, original, GetParam()), GetParam() != Fault::missing);
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

std::string fault_name(const ::testing::TestParamInfo<Fault>& info) {
  static const char* const names[] = {"Missing",   "Empty",      "CutInHeader", "CutInPixels",
                                      "WrongSize", "WrongDepth", "OtherFormat", "HugeHeader"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Faults, BadContent,
                         ::testing::Values(Fault::missing, Fault::empty, Fault::cut_in_header, Fault::cut_in_pixels,
                                           Fault::wrong_size, Fault::wrong_depth, Fault::other_format,
                                           Fault::huge_header),
                         fault_name);

}  // namespace
