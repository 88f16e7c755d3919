// Shared vocabulary of the board: cell codes, grid geometry, key codes, colours.
#pragma once

#include <cstdint>
#include <string>

namespace tw {

// One byte per board cell.
enum CellCode : std::uint8_t {
  ccFloor = 0,
  ccWall = 1,
  ccBox = 2,
  ccTarget = 4,
  ccBoxOnTarget = 5,
};

inline constexpr int kGridCols = 33;  // columns 0..32; only 0..31 are on screen
inline constexpr int kGridRows = 21;  // rows 0..20; only 0..19 are on screen
inline constexpr int kGridCells = kGridCols * kGridRows;
inline constexpr int kCellSize = 32;

inline constexpr bool InGrid(int x, int y) {
  return x >= 0 && x < kGridCols && y >= 0 && y < kGridRows;
}
// Column-major: the 21 cells of column 0 come first.
inline constexpr int CellIndex(int x, int y) {
  return x * kGridRows + y;
}

// Windows virtual-key codes; they are also the facings and the recorded bytes.
inline constexpr std::uint16_t vkLeft = 37;
inline constexpr std::uint16_t vkUp = 38;
inline constexpr std::uint16_t vkRight = 39;
inline constexpr std::uint16_t vkDown = 40;
inline constexpr std::uint16_t vkC = 67;

// Colour value: red in bits 0-7, green 8-15, blue 16-23.
using TColor = std::uint32_t;

constexpr TColor MakeColor(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  return TColor(R) + TColor(G) * 256u + TColor(B) * 65536u;
}
constexpr std::uint8_t RedOf(TColor c) {
  return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor c) {
  return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor c) {
  return std::uint8_t((c >> 16) & 0xFF);
}

inline constexpr TColor FloorColor = MakeColor(254, 239, 182);
inline constexpr TColor MaskMagenta = MakeColor(255, 0, 255);

// Decimal with at least Digits digits, zero-padded ("%.*d").
std::string ZeroPad(int Value, int Digits);

}  // namespace tw
