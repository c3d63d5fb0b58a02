// The show's music module: it loads in libxmp, a pass through it sounds
// without clipping, and at its end playback goes on at the restart position.
#include <gtest/gtest.h>

#include <xmp.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "show_reading.h"

namespace {

class ContentMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx = xmp_create_context();
    std::string path = show_reading::show_path("musik/report.xm");
    ASSERT_EQ(xmp_load_module(ctx, const_cast<char*>(path.c_str())), 0) << path;
    loaded = true;
    xmp_get_module_info(ctx, &info);
  }
  void TearDown() override {
    if (loaded) xmp_release_module(ctx);
    xmp_free_context(ctx);
  }
  xmp_context ctx = nullptr;
  bool loaded = false;
  xmp_module_info info{};
};

}  // namespace

TEST_F(ContentMusic, IsAnXmModuleOfAtLeastFourChannelsAndOneToThreeMinutes) {
  EXPECT_NE(std::string(info.mod->type).find("XM"), std::string::npos) << info.mod->type;
  EXPECT_GE(info.mod->chn, 4);
  EXPECT_GE(info.mod->ins, 4);
  EXPECT_GT(info.mod->rst, 0);
  EXPECT_LT(info.mod->rst, info.mod->len);
  int ms = info.seq_data[0].duration;
  EXPECT_GE(ms, 60 * 1000);
  EXPECT_LE(ms, 180 * 1000);
}

TEST_F(ContentMusic, OnePassSoundsBelowFullScaleAndLoopsToTheRestartPosition) {
  ASSERT_EQ(xmp_start_player(ctx, 44100, 0), 0);
  xmp_frame_info fi{};
  int peak = 0;
  double sum_squares = 0;
  long samples = 0;
  bool looped = false;
  while (!looped && samples < 44100L * 2 * 200) {
    ASSERT_EQ(xmp_play_frame(ctx), 0);
    xmp_get_frame_info(ctx, &fi);
    if (fi.loop_count > 0) {
      // The first frame after the end of the song: it plays the restart
      // position from its first row.
      EXPECT_EQ(fi.pos, info.mod->rst);
      EXPECT_EQ(fi.row, 0);
      looped = true;
      break;
    }
    const short* pcm = static_cast<const short*>(fi.buffer);
    for (int i = 0; i < fi.buffer_size / 2; ++i) {
      peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
      sum_squares += static_cast<double>(pcm[i]) * pcm[i];
    }
    samples += fi.buffer_size / 2;
  }
  xmp_end_player(ctx);
  EXPECT_TRUE(looped) << "the song never came to its end";
  double rms = std::sqrt(sum_squares / std::max(1L, samples));
  EXPECT_GT(rms, 32768 * 0.02) << "hardly any sound";  // louder than -34 dBFS on average
  EXPECT_LT(peak, 32767 * 0.9) << "the mix comes too close to full scale";
}
