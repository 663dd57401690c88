#pragma once

// The header lines of an HTTP message: name/value pairs in the order they came,
// looked up by name without regard to letter case (names are ASCII).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class InternetHeaders {
public:
    void AppendHeader(std::string name, std::string value);

    // The value of the first header of that name, "" when there is none.
    [[nodiscard]] std::string Value(std::string_view name) const;
    [[nodiscard]] bool Contains(std::string_view name) const;

    [[nodiscard]] int Count() const { return static_cast<int>(headers_.size()); }
    // Name and value of the header at `index` (from 0); "" outside the range.
    [[nodiscard]] std::string NameAt(int index) const;
    [[nodiscard]] std::string ValueAt(int index) const;

    // Adds text to the value of the last header (a folded header line).
    void ExtendLastValue(std::string_view text);

    [[nodiscard]] static bool NamesEqual(std::string_view a, std::string_view b);

private:
    std::vector<std::pair<std::string, std::string>> headers_;
};

}  // namespace fw
