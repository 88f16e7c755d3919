#include "LevelCodes.h"

#include <cstring>

namespace tw {

const std::array<const char*, kLevelCount - 1> kLevelCodeTable = {
    "1934173621",          // level 2
    "32373524",            // level 3
    "34172932",            // level 4
    "2037353641",          // level 5
    "181734342130",        // level 6
    "3634371927",          // level 7
    "241730231734",        // level 8
    "2221343441",          // level 9
    "3924173422",          // level 10
    "1917343635",          // level 11
    "35361719272134",      // level 12
    "32171927172321",      // level 13
    "1817410402",          // level 14
    "2317362107",          // level 15
    "241729322134",        // level 16
    "193417302108",        // level 17
    "183730272134",        // level 18
    "202132362409",        // level 19
    "35274139173420",      // level 20
    "291735362134272141",  // level 21
};

TLevelCodes DecodeLevelCodes() {
  TLevelCodes codes;
  for (int k = 2; k <= kLevelCount; ++k) {
    const char* entry = kLevelCodeTable[std::size_t(k - 2)];
    const std::size_t length = std::strlen(entry);
    std::string code;
    for (std::size_t at = 0; at + 1 < length; at += 2) {
      const int value = (entry[at] - '0') * 10 + (entry[at + 1] - '0');
      code += char(value + kLevelCodeOffset);
    }
    codes[std::size_t(k)] = code;
  }
  return codes;
}

}  // namespace tw
