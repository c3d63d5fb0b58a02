// A sample of the bad-content matrix against the real program, in a real
// window: a drawn TGA, a JPEG, a logo frame and the first photograph with
// every fault, and the music module with every fault. Each run is limited to
// 256 MB of address space (not in the sanitizer build, whose shadow memory
// needs far more) and ends as the in-process matrix says, or goes on and ends
// with exit code 0 when asked to close; the module's faults are never more
// than silence.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "reliability/content_faults.h"
#include "x_session.h"

using namespace std::chrono_literals;
using namespace faults;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool LIMIT_ADDRESS_SPACE = false;
#else
constexpr bool LIMIT_ADDRESS_SPACE = true;
#endif
constexpr rlim_t ADDRESS_SPACE = 256u << 20;
constexpr auto PAST_THE_INTRO = 6500ms;
const Fault ALL_FAULTS[] = {Fault::missing,    Fault::empty,       Fault::cut_in_header, Fault::cut_in_pixels,
                            Fault::wrong_size, Fault::wrong_depth, Fault::other_format,  Fault::huge_header};
const ContentFile MODULE{"musik/report.xm", "musik\\report.xm", false};

// One faulty folder and the program started in it.
struct SampleRun {
  ContentFile file;
  Fault fault;
  Outcome outcome;
  std::unique_ptr<FaultFolder> folder;
  std::unique_ptr<e2e::Process> process;
};

// Starts the program with the address-space limit in force for the child only.
std::unique_ptr<e2e::Process> start_limited(const std::string& folder, const std::string& display) {
  rlimit previous{};
  getrlimit(RLIMIT_AS, &previous);
  if (LIMIT_ADDRESS_SPACE) {
    rlimit limited = previous;
    limited.rlim_cur = ADDRESS_SPACE;
    setrlimit(RLIMIT_AS, &limited);
  }
  auto process = std::make_unique<e2e::Process>(e2e::report_binary(), folder,
                                                std::vector<std::string>{"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy"});
  setrlimit(RLIMIT_AS, &previous);
  return process;
}

// The "JPEG Fatal Error" boxes now on the display. They are found with
// xwininfo: their title is a UTF-8 name, which xdotool's search does not match.
std::vector<std::string> message_boxes(const e2e::XServer& x) {
  std::string command = "DISPLAY=" + x.display() + " xwininfo -root -children 2>/dev/null";
  std::vector<std::string> boxes;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char line[512];
    while (std::fgets(line, sizeof line, pipe))
      if (std::strstr(line, "\"JPEG Fatal Error\"") != nullptr) {
        std::istringstream words(line);
        std::string id;
        words >> id;
        boxes.push_back(id);
      }
    pclose(pipe);
  }
  return boxes;
}

// The message boxes of a set of runs side by side. Each box has its own X
// connection and may be given the id of one already closed, so boxes can't be
// told apart over time by id. But a run that shows a box waits in it, so all
// the boxes are up at once: they are answered only when every expected one is
// on the display, and the most seen together is the number shown.
struct MessageBoxes {
  std::size_t expected = 0;
  std::size_t most = 0;
  bool answering = false;
};

// Notes the boxes on the display and, once all are up, answers each with
// Return, as a user would.
void tend_message_boxes(const e2e::XServer& x, MessageBoxes& boxes) {
  std::vector<std::string> open = message_boxes(x);
  boxes.most = std::max(boxes.most, open.size());
  boxes.answering = boxes.answering || open.size() >= boxes.expected;
  if (!boxes.answering) return;
  for (const std::string& id : open) x.xdotool("key --window " + id + " Return");
}

class RealBadContent : public ::testing::TestWithParam<ContentFile> {};

TEST_P(RealBadContent, EndsAsTheMatrixSaysWithinTheMemoryBound) {
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  const ContentFile& file = GetParam();
  const std::string show = e2e::show_folder();
  Bytes original = read_all(show + "/" + file.path);
  ASSERT_FALSE(original.empty());

  // All eight faults run side by side on one display.
  std::vector<SampleRun> runs;
  for (Fault fault : ALL_FAULTS) {
    SampleRun run{file, fault, file.path == MODULE.path ? Outcome::goes_on : expected_outcome(file, fault),
                  std::make_unique<FaultFolder>(show), nullptr};
    Bytes bytes = file.path == MODULE.path ? faulty_module(original, fault, show) : faulty_bytes(file, original, fault, show);
    run.folder->inject(file.path, bytes, fault != Fault::missing);
    run.process = start_limited(run.folder->root(), x.display());
    runs.push_back(std::move(run));
  }

  MessageBoxes boxes;
  for (const SampleRun& run : runs) boxes.expected += run.outcome == Outcome::jpeg_box_then_fail;
  for (auto end = std::chrono::steady_clock::now() + PAST_THE_INTRO; std::chrono::steady_clock::now() < end;) {
    tend_message_boxes(x, boxes);
    std::this_thread::sleep_for(200ms);
  }
  for (SampleRun& run : runs)
    if (run.outcome == Outcome::goes_on && run.process->running()) run.process->signal(SIGTERM);

  for (SampleRun& run : runs) {
    SCOPED_TRACE(std::string(fault_label(run.fault)) + ", expected: " + outcome_name(run.outcome));
    int code = -1;
    e2e::wait_until([&] {
      tend_message_boxes(x, boxes);
      return !run.process->running();
    }, 20s);
    code = run.process->wait(0ms);
    std::string output = run.process->error_output();
    if (run.outcome == Outcome::goes_on) {
      EXPECT_EQ(code, 0) << output;
      EXPECT_EQ(output.find("could not"), std::string::npos) << output;
      EXPECT_EQ(output.find("unsupported"), std::string::npos) << output;
      continue;
    }
    EXPECT_EQ(code, 1) << output;
    std::string message = run.outcome == Outcome::unsupported ? "unsupported format" : "could not load image";
    EXPECT_NE(output.find(message + ": " + file.program), std::string::npos) << output;
  }
  // With a display the library's text is in a box, which the run waits for.
  EXPECT_EQ(boxes.most, boxes.expected);
}

// The first photograph is the one of slide 0, loaded for the first player frame.
INSTANTIATE_TEST_SUITE_P(Sample, RealBadContent,
                         ::testing::Values(ContentFile{"images/souris.tga", "images\\souris.tga", true},
                                           ContentFile{"images/interface.jpg", "images\\interface.jpg", true},
                                           ContentFile{"images/010003.tga", "images\\010003.tga", true},
                                           ContentFile{"images/tidewire_title.jpg", "images\\tidewire_title.jpg", true},
                                           MODULE),
                         [](const auto& info) {
                           std::string name = info.param.path.substr(info.param.path.find('/') + 1);
                           name = name.substr(0, name.find('.'));
                           return std::isdigit(static_cast<unsigned char>(name[0])) ? "frame" + name : name;
                         });

}  // namespace
