#pragma once

// A moment in time, the current one when made without arguments, shown in the
// user's locale.

#include <chrono>
#include <string>

namespace fw {

class Date {
public:
    Date();
    explicit Date(std::chrono::system_clock::time_point moment);

    // The local time and date in the locale's short formats.
    [[nodiscard]] std::string ShortTime() const;
    [[nodiscard]] std::string ShortDate() const;

private:
    std::chrono::system_clock::time_point moment_;
};

}  // namespace fw
