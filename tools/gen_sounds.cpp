// Synthesises the game's sound effects into sound/ of the given folder: 16-bit mono PCM WAV,
// peaks normalised to -3 dBFS. Deterministic: the noise comes from a fixed-seed generator.
//   tw_gen_sounds DATA_DIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
using Samples = std::vector<double>;

Samples Silence(double seconds) {
  return Samples(std::size_t(seconds * kRate), 0.0);
}

void Mix(Samples& into, const Samples& s, double at) {
  const std::size_t off = std::size_t(at * kRate);
  if (into.size() < off + s.size()) into.resize(off + s.size(), 0.0);
  for (std::size_t i = 0; i < s.size(); ++i) into[off + i] += s[i];
}

// A note with a few harmonics and an attack-decay envelope.
Samples Tone(double freq, double seconds, const std::vector<double>& harmonics, double attack,
             double decay) {
  Samples s(std::size_t(seconds * kRate));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    double v = 0;
    for (std::size_t h = 0; h < harmonics.size(); ++h) {
      v += harmonics[h] * std::sin(2 * kPi * freq * double(h + 1) * t);
    }
    const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
    const double tail = std::min(1.0, (seconds - t) / 0.02);  // no click at the end
    s[i] = v * env * std::max(0.0, tail);
  }
  return s;
}

void Normalise(Samples& s, double peakDb) {
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::abs(v));
  if (peak <= 0) return;
  const double gain = std::pow(10.0, peakDb / 20.0) / peak;
  for (double& v : s) v *= gain;
}

void Write(const std::string& path, Samples s) {
  Normalise(s, -3.0);
  std::vector<std::int16_t> pcm(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    pcm[i] = std::int16_t(std::lround(std::clamp(s[i], -1.0, 1.0) * 32767.0));
  }
  const std::uint32_t data = std::uint32_t(pcm.size() * 2);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + data);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(data);
  out.write(reinterpret_cast<const char*>(pcm.data()), std::streamsize(data));
  std::printf("wrote %s (%.3f s)\n", path.c_str(), double(pcm.size()) / kRate);
}

// A soft footstep: low-passed noise with a quick decay and a faint thump.
Samples Step() {
  std::mt19937 rng(7);
  std::normal_distribution<double> noise(0, 1);
  Samples s(std::size_t(0.09 * kRate));
  double lp = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    lp += 0.08 * (noise(rng) - lp);
    const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.018);
    s[i] = (lp * 2.2 + 0.6 * std::sin(2 * kPi * 110 * t)) * env;
  }
  return s;
}

// A heavy box sliding: rumbling brown noise over a low, slightly falling tone.
Samples Slide() {
  std::mt19937 rng(11);
  std::normal_distribution<double> noise(0, 1);
  Samples s(std::size_t(0.26 * kRate));
  double brown = 0, lp = 0, phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    brown = 0.985 * brown + 0.06 * noise(rng);
    lp += 0.2 * (brown - lp);
    phase += 2 * kPi * (72 - 18 * t) / kRate;
    const double grain = 1.0 + 0.35 * std::sin(2 * kPi * 31 * t);
    const double env = std::min(1.0, t / 0.015) * std::min(1.0, (0.26 - t) / 0.08);
    s[i] = (lp * grain + 0.5 * std::sin(phase)) * env;
  }
  return s;
}

double Note(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A short, happy jingle: a rising arpeggio that lands on a bright chord.
Samples Jingle() {
  Samples s = Silence(1.6);
  const std::vector<double> bell = {1.0, 0.35, 0.18, 0.08};
  const int notes[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) Mix(s, Tone(Note(notes[i]), 0.5, bell, 0.005, 0.22), 0.11 * i);
  for (int n : {72, 76, 79, 84, 88}) Mix(s, Tone(Note(n), 1.1, bell, 0.01, 0.45), 0.5);
  return s;
}

// A fanfare: brassy calls answered by a long final chord.
Samples Fanfare() {
  Samples s = Silence(4.6);
  const std::vector<double> brass = {1.0, 0.7, 0.5, 0.35, 0.22, 0.12, 0.07};
  const struct {
    int Note;
    double At, Len;
  } call[] = {{67, 0.0, 0.18}, {67, 0.2, 0.18}, {67, 0.4, 0.18}, {72, 0.6, 0.7},  {67, 1.4, 0.18},
              {72, 1.6, 0.18}, {76, 1.8, 0.7},  {72, 2.6, 0.18}, {76, 2.8, 0.18}, {79, 3.0, 1.5}};
  for (const auto& c : call) Mix(s, Tone(Note(c.Note), c.Len, brass, 0.02, 0.6), c.At);
  for (int n : {48, 55, 60, 64}) Mix(s, Tone(Note(n), 1.55, brass, 0.05, 1.2), 3.0);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/sound/";
  Write(dir + "steps.wav", Step());
  Write(dir + "large-box.wav", Slide());
  Write(dir + "finish-level.wav", Jingle());
  Write(dir + "finish-game.wav", Fanfare());
  return 0;
}
