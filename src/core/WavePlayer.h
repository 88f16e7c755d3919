// Playing a whole WAV image from memory, asynchronously, one sound at a time.
#pragma once

#include <cstdint>
#include <vector>

namespace tw {

class IWavePlayer {
 public:
  virtual ~IWavePlayer() = default;
  // Returns at once; a new sound cuts off the one still playing. An image that cannot be
  // played plays nothing (no default sound).
  virtual void PlayWaveFromMemory(const std::vector<std::uint8_t>& Wave) = 0;
  // Stops whatever is playing.
  virtual void Stop() = 0;
};

class TNullWavePlayer final : public IWavePlayer {
 public:
  void PlayWaveFromMemory(const std::vector<std::uint8_t>&) override {}
  void Stop() override {}
};

}  // namespace tw
