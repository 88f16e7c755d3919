// Recording files (*.wvr): the raw key-code bytes of the moves, nothing else.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "MemoryStream.h"

namespace tw {

// Far more than any level needs; a larger file is no recording.
inline constexpr std::size_t kMaxRecordingBytes = 16u << 20;
// Help contexts of the recording errors shown to the player.
inline constexpr int kRecordingReadError = 13000;
inline constexpr int kRecordingWriteError = 13001;

// The whole file, or an EProjectError in the "code|text" form for the player.
std::vector<std::uint8_t> ReadRecordingFile(const std::string& Path);
// Replaces Path whole (through a temporary file); an EProjectError for the player on failure.
void WriteRecordingFile(const std::string& Path, const TMemoryStream& Moves);

}  // namespace tw
