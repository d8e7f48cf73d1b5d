#pragma once

// VENKAR_ASSERT(condition): an internal invariant (an index inside its range,
// a size that matches), checked in debug builds only. A failure is a fault of
// the program, not of the user's input: it names the condition and the place
// on standard error and aborts, so that tests and sanitizer runs stop at it.
// Release builds (NDEBUG) do not evaluate the condition.

namespace venkar {

[[noreturn]] void assertionFailed(const char* condition, const char* file, int line);

} // namespace venkar

#ifdef NDEBUG
#define VENKAR_ASSERT(condition) static_cast<void>(0)
#else
#define VENKAR_ASSERT(condition)                                                                   \
    ((condition) ? static_cast<void>(0) : ::venkar::assertionFailed(#condition, __FILE__, __LINE__))
#endif
