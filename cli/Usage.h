#pragma once

#include <stdexcept>
#include <string>

namespace sulvo::cli {

// A usage or input error: sulvo-calc prints the one-line message on standard error and exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFalhou = 1;
inline constexpr int kUso = 2;

} // namespace sulvo::cli
