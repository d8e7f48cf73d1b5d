#pragma once

#include "batch/BatchOptions.h"

#include <iosfwd>

namespace venkar {

// Exit statuses of venkar-batch.
enum BatchExit : int {
    exitSuccess = 0,
    exitInputFault = 1,  // a plausibility check failed
    exitCalculation = 2, // contradictory constraints or a moving system
    exitUsage = 3,       // the command line or a file could not be used
};

// One run of the batch command: reads the files, checks, calculates and
// writes what the options ask for. Messages go to `err`, standard output
// ("-") to `out`.
int runBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);

} // namespace venkar
