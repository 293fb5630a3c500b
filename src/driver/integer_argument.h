// Reading a command-line argument as a whole integer: optional blanks, an optional sign, decimal
// digits, optional blanks. The value saturates instead of wrapping, so a huge number stays huge.
#pragma once

#include <optional>
#include <string_view>

// The value of the text, or nothing when the text is not exactly one integer.
std::optional<long long> parse_integer_argument(std::string_view text);
