#include "Types.h"

#include <cstdio>

namespace tw {

std::string ZeroPad(int Value, int Digits) {
  char buf[48];
  if (Digits < 0) Digits = 0;
  if (Digits > 32) Digits = 32;
  std::snprintf(buf, sizeof buf, "%.*d", Digits, Value);
  return buf;
}

}  // namespace tw
