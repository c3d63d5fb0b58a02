// make_show: writes the built-in show (artwork, logo frames, photographs and
// music) into the folder given as its one argument. Run by the build; the
// same source always gives the same bytes.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "canvas.h"
#include "show.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_show OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string dir = argv[1];
  for (const std::string& sub : {dir, dir + "/images", dir + "/musik"})
    if (mkdir(sub.c_str(), 0755) != 0 && errno != EEXIST) {
      std::perror(sub.c_str());
      return 1;
    }
  write_file(dir + "/musik/report.xm", make_module());
  make_artwork(dir + "/images");
  make_photographs(dir);
  return 0;
}
