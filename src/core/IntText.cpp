#include "IntText.h"

namespace tw {

std::optional<std::int32_t> ParseInt32(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == s.size()) return std::nullopt;
  std::uint64_t v = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    unsigned d;
    if (c >= '0' && c <= '9') {
      d = unsigned(c - '0');
    } else if (hex && c >= 'a' && c <= 'f') {
      d = unsigned(c - 'a' + 10);
    } else if (hex && c >= 'A' && c <= 'F') {
      d = unsigned(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    v = v * (hex ? 16u : 10u) + d;
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    const std::uint32_t bits = std::uint32_t(v);
    const std::uint32_t value = negative ? 0u - bits : bits;
    return std::int32_t(value);
  }
  if (negative ? v > 0x80000000ull : v > 0x7FFFFFFFull) return std::nullopt;
  return negative ? std::int32_t(-std::int64_t(v)) : std::int32_t(v);
}

}  // namespace tw
