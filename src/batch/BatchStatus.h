#pragma once

#include "analysis/AnalysisDriver.h"
#include "checks/InputFault.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace venkar {

// The status window and the message boxes of a calculation, as text: keeps
// the counts for the JSON output, reports the phases on `err` when verbose,
// and remembers the fault or error that ended the calculation.
class BatchStatus : public CalculationStatus, public UserMessages {
public:
    BatchStatus(std::ostream& err, bool verbose) : err_(err), verbose_(verbose) {}

    void start() override;
    void setPhase(int phase) override;
    void setCount(StatusCount count, std::int64_t value) override;
    void finishOk() override;
    void finishFailed() override;

    void plausibilityFault(const InputFault& fault) override { fault_ = fault; }
    void calculationError(const std::string& message) override { error_ = message; }

    std::int64_t count(StatusCount which) const { return counts_[static_cast<std::size_t>(which)]; }
    const std::optional<InputFault>& fault() const { return fault_; }
    const std::optional<std::string>& error() const { return error_; }

    // "Eingabefehler: <message> (<tab>, Zeile <row>, Spalte <column>
    // "<column caption>")".
    static std::string describe(const InputFault& fault);

private:
    std::ostream& err_;
    bool verbose_;
    std::array<std::int64_t, 6> counts_{};
    std::optional<InputFault> fault_;
    std::optional<std::string> error_;
};

} // namespace venkar
