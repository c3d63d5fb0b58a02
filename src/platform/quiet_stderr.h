// Runs a call of a system library with standard error pointed at /dev/null,
// for the probes (audio devices, video drivers) that complain on machines
// without the device. The program's own messages never go through here.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

template <typename Call>
auto with_quiet_stderr(Call call) {
  std::fflush(stderr);
  int saved = dup(2);
  int null_fd = open("/dev/null", O_WRONLY);
  if (saved >= 0 && null_fd >= 0) dup2(null_fd, 2);
  auto result = call();
  std::fflush(stderr);
  if (saved >= 0) {
    dup2(saved, 2);
    close(saved);
  }
  if (null_fd >= 0) close(null_fd);
  return result;
}
