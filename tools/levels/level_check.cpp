// Validates every level, proves it solvable, and checks (or writes) its winning recording.
//   tw_level_check MAP_DIR SOLUTION_DIR [--write] [--max-states N]
// For each NN.map: boxes, moves and pushes of the solution found, whether it is move-optimal,
// and the time taken. Without --write the committed NN.wvr must win its level too.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "FileUtil.h"
#include "LevelFile.h"

using namespace tw::levels;
namespace fs = std::filesystem;

namespace {

// The file's text; a file that cannot be read counts as empty, which the checks then refuse.
std::string Slurp(const fs::path& p) {
  try {
    const auto bytes = tw::ReadFileBytes(p.string(), 1u << 20);
    return std::string(bytes.begin(), bytes.end());
  } catch (const std::exception& e) {
    std::printf("%s\n", e.what());
    return "";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s MAP_DIR SOLUTION_DIR [--write] [--max-states N]\n", argv[0]);
    return 2;
  }
  const fs::path maps = argv[1], solutions = argv[2];
  bool write = false;
  TSolveLimits limits;
  for (int i = 3; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--write")) write = true;
    if (!std::strcmp(argv[i], "--max-states") && i + 1 < argc)
      limits.MaxStates = std::stoul(argv[++i]);
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // one line per level as it is done
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(maps)) {
    if (e.path().extension() == ".map") files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  int failures = 0;
  std::printf("%-7s %5s %6s %6s %-8s %9s %10s\n", "level", "boxes", "moves", "pushes", "optimal",
              "seconds", "states");
  for (const auto& file : files) {
    const std::string text = Slurp(file);
    const std::string name = file.stem().string();
    const TLevelCheck check = CheckLevel(text);
    if (!check.Errors.empty()) {
      for (const auto& e : check.Errors) std::printf("%s: %s\n", name.c_str(), e.c_str());
      ++failures;
      continue;
    }
    const auto t0 = std::chrono::steady_clock::now();
    const auto solution = Solve(check.Puzzle, limits);
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!solution) {
      std::printf("%s: NOT SOLVED (%.1f s)\n", name.c_str(), secs);
      ++failures;
      continue;
    }
    std::string why;
    const auto codes = KeyCodes(solution->Moves);
    if (!ReplayWins(text, codes, &why)) {
      std::printf("%s: the solver's path fails the game's rules: %s\n", name.c_str(), why.c_str());
      ++failures;
      continue;
    }
    std::printf("%-7s %5zu %6zu %6d %-8s %9.2f %10zu\n", name.c_str(), check.Puzzle.Boxes.size(),
                solution->Moves.size(), solution->Pushes, solution->Optimal ? "yes" : "unknown",
                secs, solution->States);
    const fs::path wvr = solutions / (name + ".wvr");
    if (write) {
      fs::create_directories(solutions);
      std::ofstream(wvr, std::ios::binary)
          .write(reinterpret_cast<const char*>(codes.data()), std::streamsize(codes.size()));
    } else {
      const std::string stored = Slurp(wvr);
      if (!ReplayWins(text, std::vector<unsigned char>(stored.begin(), stored.end()), &why)) {
        std::printf("%s: the committed %s does not win: %s\n", name.c_str(), wvr.filename().c_str(),
                    why.c_str());
        ++failures;
      }
    }
  }
  std::printf("%zu levels, %d failed\n", files.size(), failures);
  return failures ? 1 : 0;
}
