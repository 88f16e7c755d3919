// WAV and MIDI files of any bytes: parsed or refused, never read past their end.
#include <cstddef>
#include <cstdint>

#include "MediaFiles.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  try {
    (void)ParseWave({Data, Size});
  } catch (const EMediaError&) {
  }
  try {
    (void)ParseMidi({Data, Size});
  } catch (const EMediaError&) {
  }
  return 0;
}
