// Small, bounded file access used by every loader of outside data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

bool FileExists(const std::string& Path);

// Reads a whole file; throws EProjectError when it cannot be opened or read,
// or when it is larger than MaxBytes.
std::vector<std::uint8_t> ReadFileBytes(const std::string& Path, std::size_t MaxBytes);

// Writes all of Bytes to an open descriptor, going on after interrupted writes; false (with
// errno set) when the system refuses.
bool WriteAll(int Fd, std::string_view Bytes);

}  // namespace tw
