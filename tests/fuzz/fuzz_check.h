#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold on every input; a violation stops the fuzzer
// with the input saved.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
