// Process end for the real program.
#include "platform/process.h"

#include <cstdio>
#include <cstdlib>

void end_process(int exit_code) {
  std::fflush(stderr);
  std::fflush(stdout);
  std::exit(exit_code);
}
