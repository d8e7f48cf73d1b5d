#pragma once

#include "analysis/AnalysisDriver.h"
#include "checks/InputFault.h"

#include <string>

namespace venkar {

// Status and messages of a calculation nobody watches (a repeated
// calculation, a benchmark, a test): shows nothing and keeps the message of
// the last fault reported, so the caller can tell why it failed.
class QuietCalculation : public CalculationStatus, public UserMessages {
public:
    void start() override {}
    void setPhase(int) override {}
    void setCount(StatusCount, std::int64_t) override {}
    void finishOk() override {}
    void finishFailed() override {}
    void plausibilityFault(const InputFault& fault) override { error = fault.message; }
    void calculationError(const std::string& message) override { error = message; }

    std::string error; // empty while no fault was reported
};

} // namespace venkar
