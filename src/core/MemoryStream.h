// A byte stream in memory with one position shared by reading and writing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> Bytes) : FBytes(std::move(Bytes)) {}

  std::size_t Size() const { return FBytes.size(); }
  std::size_t Position() const { return FPosition; }
  void SetPosition(std::size_t P) { FPosition = P; }
  const std::vector<std::uint8_t>& Bytes() const { return FBytes; }

  // Reads the byte at the position and advances; false at the end.
  bool ReadByte(std::uint8_t& B) {
    if (FPosition >= FBytes.size()) return false;
    B = FBytes[FPosition++];
    return true;
  }
  // Writes at the position, overwriting or extending, and advances.
  void WriteByte(std::uint8_t B) {
    if (FPosition > FBytes.size()) FBytes.resize(FPosition, 0);
    if (FPosition == FBytes.size()) {
      FBytes.push_back(B);
    } else {
      FBytes[FPosition] = B;
    }
    ++FPosition;
  }

 private:
  std::vector<std::uint8_t> FBytes;
  std::size_t FPosition = 0;
};

}  // namespace tw
