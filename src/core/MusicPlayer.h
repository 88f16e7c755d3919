// The background music, as the main window drives it.
#pragma once

#include <string>

namespace tw {

class IMusicPlayer {
 public:
  virtual ~IMusicPlayer() = default;
  // Opens a MIDI file; throws when it cannot be opened.
  virtual void Open(const std::string& FileName) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
};

}  // namespace tw
