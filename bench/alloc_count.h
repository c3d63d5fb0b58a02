// The number of heap allocations the benchmark program has made so far.
#pragma once

// Every malloc, calloc, realloc and aligned allocation since the start, on
// every thread.
long heap_allocations();
