#pragma once
// The one shape in which our own operations below the windows succeed or
// fail: success, with its value if it has one, or a failure: its kind (an
// enum class of the operation's own) and the system's reason beside it.
#include <optional>
#include <system_error>
#include <utility>

template <class Kind>
struct Fault {
    Kind kind;
    std::error_code code{};  // empty when the system gave no reason
};

template <class T, class Kind>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
    Result(Fault<Kind> fault) : fault_(fault) {}   // NOLINT: so is a fault a failure

    bool ok() const { return !fault_; }
    explicit operator bool() const { return ok(); }
    // Only for a result that is ok.
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    // Only for a result that is not ok.
    Kind kind() const { return fault_->kind; }
    // The system's reason; empty on success.
    std::error_code code() const { return fault_ ? fault_->code : std::error_code(); }

private:
    std::optional<T> value_;
    std::optional<Fault<Kind>> fault_;
};

template <class Kind>
class [[nodiscard]] Result<void, Kind> {
public:
    Result() = default;
    Result(Fault<Kind> fault) : fault_(fault) {}  // NOLINT: a fault is a failure

    bool ok() const { return !fault_; }
    explicit operator bool() const { return ok(); }
    Kind kind() const { return fault_->kind; }
    std::error_code code() const { return fault_ ? fault_->code : std::error_code(); }

private:
    std::optional<Fault<Kind>> fault_;
};

// The system's reason for errno's value now: taken where a call failed,
// before anything else can change errno.
inline std::error_code LastSystemError(int err)
{
    return std::error_code(err, std::system_category());
}
