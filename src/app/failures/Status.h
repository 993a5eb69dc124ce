#pragma once
// Success, or the failure that stopped an operation.
#include "Failure.h"

#include <optional>
#include <utility>

class Status {
public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: a failure is a status

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    // Only for a status that is not ok.
    const Failure& failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};
