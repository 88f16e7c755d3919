// Composes the game's music into music/ of the given folder: "intro.mid" and "level01.mid" to
// "level21.mid", Standard MIDI Files (format 1) with General MIDI instruments. Each piece is
// made from its own fixed seed: a key, a tempo, three instruments, a chord progression in an
// A A B A form whose last bar leads back to the first, a melody over it, chords and a bass.
//   tw_gen_music DATA_DIR
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kPpq = 480;
constexpr int kBar = kPpq * 4;

struct TEvent {
  std::uint32_t Tick;
  int Order;  // note-offs before note-ons at the same tick
  std::vector<std::uint8_t> Bytes;
};

class TTrack {
 public:
  void Note(std::uint32_t at, std::uint32_t len, int ch, int key, int vel) {
    key = std::clamp(key, 0, 127);
    FEvents.push_back({at, 1, {std::uint8_t(0x90 | ch), std::uint8_t(key), std::uint8_t(vel)}});
    FEvents.push_back({at + len, 0, {std::uint8_t(0x80 | ch), std::uint8_t(key), 0}});
  }
  void Raw(std::uint32_t at, std::vector<std::uint8_t> b) {
    FEvents.push_back({at, 0, std::move(b)});
  }
  void Meta(std::uint32_t at, int type, std::vector<std::uint8_t> data) {
    std::vector<std::uint8_t> b = {0xFF, std::uint8_t(type), std::uint8_t(data.size())};
    b.insert(b.end(), data.begin(), data.end());
    FEvents.push_back({at, 0, std::move(b)});
  }
  std::vector<std::uint8_t> Chunk(std::uint32_t end) {
    std::stable_sort(FEvents.begin(), FEvents.end(), [](const TEvent& a, const TEvent& b) {
      return a.Tick != b.Tick ? a.Tick < b.Tick : a.Order < b.Order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    auto vlq = [&](std::uint32_t v) {
      std::uint8_t tmp[5];
      int n = 0;
      tmp[n++] = v & 0x7F;
      while (v >>= 7) tmp[n++] = std::uint8_t(0x80 | (v & 0x7F));
      while (n) body.push_back(tmp[--n]);
    };
    for (const TEvent& e : FEvents) {
      vlq(e.Tick - now);
      now = e.Tick;
      body.insert(body.end(), e.Bytes.begin(), e.Bytes.end());
    }
    vlq(end - now);  // every track ends exactly at the loop point
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    const std::uint32_t n = std::uint32_t(body.size());
    for (int s = 24; s >= 0; s -= 8) chunk.push_back(std::uint8_t(n >> s));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
  }

 private:
  std::vector<TEvent> FEvents;
};

// Scale degrees in semitones for the major and natural minor modes.
const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

struct TPiece {
  const char* Name;
  unsigned Seed;
};

void Compose(const std::string& path, unsigned seed, bool intro) {
  std::mt19937 rng(seed * 2654435761u + 17);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };

  const bool minor = pick(3) == 0;
  const int* scale = minor ? kMinor : kMajor;
  const int tonic = 55 + pick(10);  // G3 .. E4
  const int bpm = intro ? 76 : 66 + pick(40);
  const int melodyPrograms[] = {0, 4, 11, 12, 24, 46, 68, 71, 73, 79, 8, 13};
  const int padPrograms[] = {48, 49, 89, 88, 52, 19, 0, 46};
  const int bassPrograms[] = {32, 33, 42, 35, 43};
  const int melodyProgram = melodyPrograms[pick(12)];
  const int padProgram = padPrograms[pick(8)];
  const int bassProgram = bassPrograms[pick(5)];

  // Eight-bar progressions (scale degrees of the chord roots); the last bar is the dominant
  // (degree 4), which leads back to the tonic of bar one.
  const std::vector<std::vector<int>> majorForms = {{0, 4, 5, 3, 0, 5, 1, 4},
                                                    {0, 5, 3, 4, 0, 3, 1, 4},
                                                    {0, 3, 0, 4, 5, 3, 1, 4},
                                                    {0, 2, 3, 0, 5, 1, 3, 4}};
  const std::vector<std::vector<int>> minorForms = {
      {0, 5, 2, 6, 0, 3, 5, 4}, {0, 3, 6, 2, 5, 3, 1, 4}, {0, 6, 5, 6, 0, 3, 6, 4}};
  const auto& forms = minor ? minorForms : majorForms;
  const std::vector<int> a = forms[std::size_t(pick(int(forms.size())))];
  std::vector<int> b = forms[std::size_t(pick(int(forms.size())))];
  std::rotate(b.begin(), b.begin() + 3, b.end() - 1);  // a contrasting middle section
  // Bars so that the piece lasts 45 to 110 seconds.
  const double barSeconds = 240.0 / bpm;
  std::vector<int> chords;
  for (const std::vector<int>* part : {&a, &a, static_cast<const std::vector<int>*>(&b), &a})
    chords.insert(chords.end(), part->begin(), part->end());
  while (chords.size() * barSeconds < 45) chords.insert(chords.end(), a.begin(), a.end());
  while (chords.size() * barSeconds > 110) chords.erase(chords.begin() + 8, chords.begin() + 16);

  auto degree = [&](int d) {  // semitones above the tonic of any scale degree
    const int octave = d >= 0 ? d / 7 : -((-d + 6) / 7);
    return scale[((d % 7) + 7) % 7] + 12 * octave;
  };
  TTrack tempo, melody, pad, bass;
  const std::uint32_t usPerQuarter = std::uint32_t(60'000'000 / bpm);
  tempo.Meta(0, 0x51,
             {std::uint8_t(usPerQuarter >> 16), std::uint8_t(usPerQuarter >> 8),
              std::uint8_t(usPerQuarter)});
  tempo.Meta(0, 0x58, {4, 2, 24, 8});
  melody.Raw(0, {0xC0, std::uint8_t(melodyProgram)});
  pad.Raw(0, {0xC1, std::uint8_t(padProgram)});
  bass.Raw(0, {0xC2, std::uint8_t(bassProgram)});
  for (int ch = 0; ch < 3; ++ch) {
    melody.Raw(0, {std::uint8_t(0xB0 | ch), 91, 50});  // a little reverb
  }
  pad.Raw(0, {0xB1, 7, 70});
  bass.Raw(0, {0xB2, 7, 90});

  // Rhythms of one bar, in eighths; the melody of an A section repeats, so it is remembered.
  const std::vector<std::vector<int>> rhythms = {
      {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 4}, {4, 2, 2}, {1, 1, 2, 2, 2}, {2, 2, 4}, {6, 2}};
  std::vector<std::vector<std::pair<int, int>>> motifA;  // per bar: (eighths, degree or -99)
  int pitch = 7 + pick(3);                               // degrees above the tonic's octave
  const int style = pick(3);                             // how the chords are played
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const std::uint32_t t0 = std::uint32_t(bar) * kBar;
    const int root = chords[bar];
    const bool inA = (bar / 8) != 2;
    const std::size_t inPart = bar % 8;
    // Melody.
    std::vector<std::pair<int, int>> line;
    if (inA && motifA.size() > inPart && bar >= 8) {
      line = motifA[inPart];
    } else {
      const auto& r = rhythms[std::size_t(pick(int(rhythms.size())))];
      for (std::size_t k = 0; k < r.size(); ++k) {
        if (k == 0 || pick(4) == 0) {
          // Strong beats land on a chord tone near the last note.
          const int tones[3] = {root, root + 2, root + 4};
          int best = tones[0] + 7;
          for (int tone : tones) {
            for (int o = -7; o <= 14; o += 7) {
              if (std::abs(tone + o - pitch) < std::abs(best - pitch)) best = tone + o;
            }
          }
          pitch = best;
        } else {
          pitch += pick(5) - 2;
        }
        pitch = std::clamp(pitch, 3, 14);
        line.push_back({r[k], (pick(9) == 0 && k > 0) ? -99 : pitch});  // now and then a rest
      }
      if (inA && bar < 8) motifA.push_back(line);
    }
    if (bar + 1 == chords.size()) line = {{4, root + 7}, {4, -99}};  // hold, then breathe
    std::uint32_t t = t0;
    for (const auto& [eighths, d] : line) {
      const std::uint32_t len = std::uint32_t(eighths) * (kPpq / 2);
      if (d != -99) melody.Note(t, len - 20, 0, tonic + 12 + degree(d), 72 + pick(16));
      t += len;
    }
    // Chords.
    const int chord[3] = {degree(root), degree(root + 2), degree(root + 4)};
    if (style == 0) {
      for (int n : chord) pad.Note(t0, kBar - 10, 1, tonic + n, 52);
    } else if (style == 1) {
      for (int k = 0; k < 8; ++k) {
        pad.Note(t0 + std::uint32_t(k) * (kPpq / 2), kPpq / 2, 1,
                 tonic + chord[k % 3] + (k >= 3 ? 12 : 0), 46);
      }
    } else {
      for (int beat : {0, 2}) {
        for (int n : chord)
          pad.Note(t0 + std::uint32_t(beat) * kPpq, kPpq * 2 - 10, 1, tonic + n, 50);
      }
    }
    // Bass: the root, and the fifth halfway.
    bass.Note(t0, kPpq * 2 - 10, 2, tonic - 24 + degree(root), 80);
    bass.Note(t0 + kPpq * 2, kPpq * 2 - 10, 2, tonic - 24 + degree(root + (pick(2) ? 4 : 0)), 70);
  }
  const std::uint32_t end = std::uint32_t(chords.size()) * kBar;
  std::vector<std::uint8_t> file = {'M',
                                    'T',
                                    'h',
                                    'd',
                                    0,
                                    0,
                                    0,
                                    6,
                                    0,
                                    1,
                                    0,
                                    4,
                                    std::uint8_t(kPpq >> 8),
                                    std::uint8_t(kPpq & 0xFF)};
  for (TTrack* tr : {&tempo, &melody, &pad, &bass}) {
    const auto c = tr->Chunk(end);
    file.insert(file.end(), c.begin(), c.end());
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  std::printf("wrote %s: %s, %d bpm, %zu bars (%.0f s), programs %d/%d/%d\n", path.c_str(),
              minor ? "minor" : "major", bpm, chords.size(), double(chords.size()) * barSeconds,
              melodyProgram, padProgram, bassProgram);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/music/";
  Compose(dir + "intro.mid", 1000, true);
  for (int level = 1; level <= 21; ++level) {
    char name[32];
    std::snprintf(name, sizeof name, "level%02d.mid", level);
    Compose(dir + name, unsigned(level), false);
  }
  return 0;
}
