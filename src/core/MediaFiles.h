// Structure checks of the sound and music files the game ships: WAV (RIFF) and Standard MIDI.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw {

class EMediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TWaveInfo {
  std::uint16_t Format = 0;  // 1 = PCM
  std::uint16_t Channels = 0;
  std::uint32_t SampleRate = 0;
  std::uint16_t BitsPerSample = 0;
  std::size_t DataOffset = 0;
  std::size_t DataBytes = 0;
  double Seconds() const;
};

// Throws EMediaError for anything that is not a well-formed RIFF WAVE file.
TWaveInfo ParseWave(std::span<const std::uint8_t> Data);

struct TMidiTrack {
  std::size_t Events = 0;
  std::uint64_t Ticks = 0;    // the track's length
  bool EndOfTrack = false;    // the last event is the end-of-track meta event
  std::vector<int> Programs;  // program changes, in order
  std::size_t Notes = 0;      // note-on events with a velocity
};

struct TMidiInfo {
  int Format = 0;
  int Division = 0;  // ticks per quarter note
  std::vector<TMidiTrack> Tracks;
  // Seconds from the start to the end of the longest track, with the tempo changes applied.
  double Seconds = 0;
};

// Throws EMediaError for a malformed Standard MIDI File (header, chunk lengths, running status,
// variable-length numbers, events running past their track).
TMidiInfo ParseMidi(std::span<const std::uint8_t> Data);

}  // namespace tw
