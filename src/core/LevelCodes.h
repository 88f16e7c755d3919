// The codes that unlock levels 2 to 21, stored as digit pairs.
#pragma once

#include <array>
#include <string>

namespace tw {

inline constexpr int kLevelCount = 21;
// Each pair of digits plus this offset is one character of a code.
inline constexpr int kLevelCodeOffset = 48;
// Entry k - 2 is the code of level k.
extern const std::array<const char*, kLevelCount - 1> kLevelCodeTable;

// Codes by level, 1 to 21; entry 0 is unused and entry 1 (level 1) stays empty.
using TLevelCodes = std::array<std::string, kLevelCount + 1>;
TLevelCodes DecodeLevelCodes();

}  // namespace tw
