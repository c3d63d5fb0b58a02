// File access on POSIX: backslash paths mapped to '/', whole files read with stdio.
#include "platform/file_access.h"

#include <cstdio>
#include <string>

void host_path(const char* path, char* out, std::size_t out_size) {
  if (out_size == 0) return;
  std::size_t i = 0;
  for (; path[i] != '\0' && i + 1 < out_size; ++i) out[i] = path[i] == '\\' ? '/' : path[i];
  out[i] = '\0';
}

bool read_file_bytes(const char* path, std::vector<unsigned char>& bytes, std::size_t max_bytes) {
  bytes.clear();
  std::string name(path);
  for (char& c : name)
    if (c == '\\') c = '/';
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  long length = ok ? std::ftell(file) : -1;
  ok = ok && length >= 0 && static_cast<unsigned long>(length) <= max_bytes &&
       std::fseek(file, 0, SEEK_SET) == 0;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(length));
    ok = length == 0 || std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  }
  std::fclose(file);
  if (!ok) {
    bytes.clear();
    bytes.shrink_to_fit();
  }
  return ok;
}
