// File access service: files opened by relative path and read as raw bytes.
// The program's paths use a backslash as separator; it is read as '/'.
#pragma once

#include <cstddef>
#include <vector>

// Reads the whole file at `path` into `bytes`. Returns false, with `bytes`
// empty, when the file cannot be opened or read, or holds more than
// `max_bytes` bytes.
bool read_file_bytes(const char* path, std::vector<unsigned char>& bytes, std::size_t max_bytes);

// The path as the host file system spells it: every backslash turned into '/'.
void host_path(const char* path, char* out, std::size_t out_size);
