#pragma once
// MOID_EXPECT(condition, expected): a promise the caller makes that would otherwise be
// broken unseen (an index past a table, a point outside a picture). In builds without
// NDEBUG (Debug, and so the sanitizer build) a broken promise stops the program with the
// file, the line and what was expected; release builds neither test nor evaluate it.
#include <cstdio>
#include <cstdlib>

namespace moid {

[[noreturn]] inline void ContractBroken(const char* expected, const char* condition,
                                        const char* file, int line) {
  std::fprintf(stderr, "%s:%d: expected %s (%s does not hold)\n", file, line, expected,
               condition);
  std::abort();
}

}  // namespace moid

#if defined(NDEBUG)
#define MOID_EXPECT(condition, expected) static_cast<void>(sizeof((condition) ? 1 : 0))
#else
#define MOID_EXPECT(condition, expected) \
  ((condition) ? static_cast<void>(0)    \
               : ::moid::ContractBroken(expected, #condition, __FILE__, __LINE__))
#endif
