// Ini ("profile") files with the rules of the private-profile calls: [sections], key=value
// lines, case-insensitive names, quoted values, in-place updates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

inline constexpr std::size_t kMaxProfileValue = 2047;
inline constexpr std::size_t kMaxProfileBytes = 4u << 20;

class TProfileDocument {
 public:
  TProfileDocument() = default;
  explicit TProfileDocument(std::string_view Text);

  // The value of Key in Section: blanks around it dropped, one pair of enclosing quotes
  // removed, at most 2047 characters; Default when the key is absent.
  std::string ReadString(std::string_view Section, std::string_view Key,
                         const std::string& Default) const;
  bool HasKey(std::string_view Section, std::string_view Key) const;

  // Replaces the key's line in place, or appends it to its section, or appends the section.
  void WriteString(std::string_view Section, std::string_view Key, std::string_view Value);

  std::string Text() const;

 private:
  struct TLine {
    std::string Text;
    std::string Ending;  // "\r\n", "\n", "\r" or "" for a last line without one
  };
  // Index of the section's header line, or npos.
  std::size_t FindSection(std::string_view Section) const;
  // Index of the key's line within the section starting after Header, or npos.
  std::size_t FindKey(std::size_t Header, std::string_view Key) const;

  std::vector<TLine> FLines;
};

// Reads a profile file; a missing file is an empty document. Throws EProjectError when the file
// exists but cannot be read or is larger than kMaxProfileBytes.
TProfileDocument ReadProfileFile(const std::string& Path);

// Writes Bytes to Path through a new temporary file in the same folder that is then renamed
// over it, so the old file stays whole if anything fails. Throws EProjectError naming Path.
void WriteFileAtomically(const std::string& Path, std::string_view Bytes);

}  // namespace tw
