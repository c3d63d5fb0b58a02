// A watch on the test binary's heap requests: the replaced global operator
// new records the largest single request, so a test can show that no file
// made the program ask for an unbounded buffer. Used by the bad-content and
// long-run tests.
#pragma once

#include <cstddef>

namespace guard {

// Largest single operator new request since the last reset, in bytes.
std::size_t largest_request();
// Starts a new watch.
void reset_largest_request();

// What any file may make the program ask for at once: the readers cap a
// picture at 4096 x 4096 pixels and a file at 64 MB, far below this.
constexpr std::size_t MEMORY_BOUND = 256u << 20;

}  // namespace guard
