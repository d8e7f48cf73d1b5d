#pragma once

#include "documents/DocumentDialogs.h"

namespace venkar {

// Told when a plausibility check that the user asked for (the check mark of
// an input window) found no fault, so that the program can say so; a fault
// is presented by the window itself.
class CheckListener {
public:
    virtual ~CheckListener() = default;
    // The system (kind System) or the load case against the system (Load)
    // passed its check.
    virtual void checkPassed(DocumentKind kind) = 0;
};

} // namespace venkar
