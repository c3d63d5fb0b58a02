// The show generator is deterministic: run again into a fresh folder it
// writes the very bytes the build wrote into the show folder.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "show_reading.h"

namespace {

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') names.push_back(e->d_name);
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(ContentBuild, TwoRunsOfTheGeneratorWriteIdenticalFiles) {
  // The generator is built next to the show folder, in the content folder of the build.
  std::string generator = fake::show_folder() + "/../content/make_show";
  ASSERT_EQ(access(generator.c_str(), X_OK), 0) << generator;
  char tmpl[] = "/tmp/report_show_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string again = tmpl;
  ASSERT_EQ(std::system((generator + " " + again + " >/dev/null").c_str()), 0);

  int compared = 0;
  for (const char* sub : {"images", "musik"}) {
    std::vector<std::string> built = files_in(fake::show_folder() + "/" + sub);
    EXPECT_EQ(built, files_in(again + "/" + sub)) << sub;
    for (const std::string& name : built) {
      std::string path = std::string(sub) + "/" + name;
      EXPECT_EQ(show_reading::read_bytes(fake::show_folder() + "/" + path), show_reading::read_bytes(again + "/" + path))
          << path << " differs";
      ++compared;
    }
  }
  EXPECT_EQ(compared, 21 + 10 + 34 + 1);
  std::system(("rm -rf " + again).c_str());
}
