#pragma once
// Ends a fuzz run with the rule that an input broke; libFuzzer then keeps
// the input as a crash.
#include <cstdio>
#include <cstdlib>

namespace klandor::fuzz {

inline void check(bool condition, const char* rule) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", rule);
  std::abort();
}

}  // namespace klandor::fuzz
