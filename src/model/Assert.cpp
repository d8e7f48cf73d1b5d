#include "model/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace venkar {

void assertionFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: internal check failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace venkar
