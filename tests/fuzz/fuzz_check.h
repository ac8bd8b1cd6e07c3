#pragma once
// A property the fuzz targets hold their code to: a broken one is reported and
// aborts, so libFuzzer keeps the input and the replay of a corpus fails.

#include <cstdio>
#include <cstdlib>

#define MOTREVIX_FUZZ_CHECK(condition)                                                      \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
