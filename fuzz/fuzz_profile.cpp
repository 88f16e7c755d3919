// Settings files of any bytes: every read yields a bounded value, and rewriting keeps the rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "IntText.h"
#include "ProfileFile.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view text(reinterpret_cast<const char*>(Data), Size);
  TProfileDocument doc(text);
  if (doc.Text() != text) std::abort();  // reading alone changes nothing
  for (const char* key : {"last_victory", "MidiDevice", "Nick", "SkinName"}) {
    const std::string v = doc.ReadString("general", key, "");
    if (v.size() > kMaxProfileValue) std::abort();
    (void)ParseInt32(v);
  }
  doc.WriteString("general", "Nick", "x");
  if (doc.ReadString("general", "Nick", "") != "x") std::abort();
  return 0;
}
