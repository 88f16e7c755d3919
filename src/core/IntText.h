// Integer text as the settings file and the error-code convention write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// Decimal with optional leading blanks and sign, or hexadecimal after "0x", "0X" or "$"
// (hexadecimal may fill all 32 bits). Anything else, or a value outside 32 bits: nothing.
std::optional<std::int32_t> ParseInt32(std::string_view Text);

}  // namespace tw
