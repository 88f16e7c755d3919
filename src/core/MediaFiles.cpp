#include "MediaFiles.h"

#include <algorithm>
#include <map>

namespace tw {
namespace {

[[noreturn]] void Bad(const std::string& Why) {
  throw EMediaError(Why);
}

std::uint32_t LE32(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint32_t(d[at]) | std::uint32_t(d[at + 1]) << 8 | std::uint32_t(d[at + 2]) << 16 |
         std::uint32_t(d[at + 3]) << 24;
}
std::uint16_t LE16(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint16_t(d[at] | d[at + 1] << 8);
}
std::uint32_t BE32(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint32_t(d[at]) << 24 | std::uint32_t(d[at + 1]) << 16 |
         std::uint32_t(d[at + 2]) << 8 | std::uint32_t(d[at + 3]);
}
std::uint16_t BE16(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint16_t(d[at] << 8 | d[at + 1]);
}

}  // namespace

double TWaveInfo::Seconds() const {
  const double frame = double(Channels) * BitsPerSample / 8.0;
  return (SampleRate && frame > 0) ? double(DataBytes) / frame / SampleRate : 0;
}

TWaveInfo ParseWave(std::span<const std::uint8_t> d) {
  if (d.size() < 12 || d[0] != 'R' || d[1] != 'I' || d[2] != 'F' || d[3] != 'F' || d[8] != 'W' ||
      d[9] != 'A' || d[10] != 'V' || d[11] != 'E') {
    Bad("not a RIFF WAVE file");
  }
  TWaveInfo w;
  bool fmt = false, data = false;
  std::size_t at = 12;
  while (at + 8 <= d.size()) {
    const std::uint32_t size = LE32(d, at + 4);
    const std::size_t body = at + 8;
    if (size > d.size() - body) Bad("a chunk runs past the end of the file");
    if (d[at] == 'f' && d[at + 1] == 'm' && d[at + 2] == 't' && d[at + 3] == ' ') {
      if (size < 16) Bad("format chunk too short");
      w.Format = LE16(d, body);
      w.Channels = LE16(d, body + 2);
      w.SampleRate = LE32(d, body + 4);
      w.BitsPerSample = LE16(d, body + 14);
      fmt = true;
    } else if (d[at] == 'd' && d[at + 1] == 'a' && d[at + 2] == 't' && d[at + 3] == 'a') {
      w.DataOffset = body;
      w.DataBytes = size;
      data = true;
    }
    at = body + size + (size & 1);
  }
  if (!fmt || !data) Bad("format or data chunk missing");
  if (w.Channels == 0 || w.SampleRate == 0 || w.BitsPerSample == 0) Bad("empty format");
  return w;
}

TMidiInfo ParseMidi(std::span<const std::uint8_t> d) {
  if (d.size() < 14 || d[0] != 'M' || d[1] != 'T' || d[2] != 'h' || d[3] != 'd') {
    Bad("not a Standard MIDI File");
  }
  if (BE32(d, 4) < 6) Bad("header chunk too short");
  TMidiInfo info;
  info.Format = BE16(d, 8);
  const int tracks = BE16(d, 10);
  info.Division = BE16(d, 12);
  if (info.Format > 2) Bad("unknown format");
  if (info.Division & 0x8000) Bad("time-code division is not supported");
  if (info.Division == 0) Bad("zero division");
  std::size_t at = 8 + std::size_t(BE32(d, 4));
  std::map<std::uint64_t, std::uint32_t> tempos;  // tick -> microseconds per quarter
  for (int t = 0; t < tracks; ++t) {
    if (at + 8 > d.size() || d[at] != 'M' || d[at + 1] != 'T' || d[at + 2] != 'r' ||
        d[at + 3] != 'k') {
      Bad("track " + std::to_string(t + 1) + " missing");
    }
    const std::uint32_t len = BE32(d, at + 4);
    const std::size_t begin = at + 8;
    if (len > d.size() - begin) Bad("track " + std::to_string(t + 1) + " runs past the end");
    const std::size_t end = begin + len;
    TMidiTrack track;
    std::size_t p = begin;
    std::uint8_t status = 0;
    auto byte = [&]() -> std::uint8_t {
      if (p >= end) Bad("an event runs past the end of its track");
      return d[p++];
    };
    auto number = [&]() {
      std::uint32_t v = 0;
      for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = byte();
        v = (v << 7) | (b & 0x7F);
        if (!(b & 0x80)) return v;
      }
      Bad("a variable-length number is longer than four bytes");
    };
    while (p < end) {
      if (track.EndOfTrack) Bad("events after the end of track");
      track.Ticks += number();
      std::uint8_t b = byte();
      if (b & 0x80) {
        status = b;
      } else {
        if (!status) Bad("running status without a status");
        --p;  // the byte is data
        b = status;
      }
      if (b == 0xFF) {
        const std::uint8_t type = byte();
        const std::uint32_t n = number();
        if (n > end - p) Bad("a meta event runs past the end of its track");
        if (type == 0x2F) track.EndOfTrack = true;
        if (type == 0x51 && n == 3) {
          tempos[track.Ticks] = std::uint32_t(d[p]) << 16 | std::uint32_t(d[p + 1]) << 8 | d[p + 2];
        }
        p += n;
        status = 0;
      } else if (b == 0xF0 || b == 0xF7) {
        const std::uint32_t n = number();
        if (n > end - p) Bad("a system-exclusive event runs past the end of its track");
        p += n;
        status = 0;
      } else {
        const int kind = b & 0xF0;
        const int data = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        const std::uint8_t a = byte();
        const std::uint8_t c = data == 2 ? byte() : 0;
        if ((a | c) & 0x80) Bad("a data byte with its top bit set");
        if (kind == 0xC0) track.Programs.push_back(a);
        if (kind == 0x90 && c > 0) ++track.Notes;
      }
      ++track.Events;
    }
    info.Tracks.push_back(track);
    at = end;
  }
  std::uint64_t last = 0;
  for (const auto& t : info.Tracks) last = std::max(last, t.Ticks);
  double seconds = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = 500000;
  for (const auto& [when, value] : tempos) {
    if (when >= last) break;
    seconds += double(when - tick) * tempo / 1e6 / info.Division;
    tick = when;
    tempo = value;
  }
  seconds += double(last - tick) * tempo / 1e6 / info.Division;
  info.Seconds = seconds;
  return info;
}

}  // namespace tw
