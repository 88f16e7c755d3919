#include "ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "Errors.h"
#include "FileUtil.h"

namespace tw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// "[name]" with optional blanks: the name, or false when the line is no section header.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = line.substr(eq + 1);
  return true;
}

}  // namespace

TProfileDocument::TProfileDocument(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    TLine line;
    const std::size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      line.Text = std::string(text.substr(i));
      i = text.size();
    } else {
      line.Text = std::string(text.substr(i, end - i));
      i = end + 1;
      if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
      line.Ending = std::string(text.substr(end, i - end));
    }
    FLines.push_back(std::move(line));
  }
}

std::size_t TProfileDocument::FindSection(std::string_view Section) const {
  std::string_view name;
  for (std::size_t i = 0; i < FLines.size(); ++i) {
    if (SectionName(FLines[i].Text, name) && SameName(name, Section)) return i;
  }
  return std::string::npos;
}

std::size_t TProfileDocument::FindKey(std::size_t Header, std::string_view Key) const {
  std::string_view name, key, value;
  for (std::size_t i = Header + 1; i < FLines.size(); ++i) {
    if (SectionName(FLines[i].Text, name)) break;
    if (KeyLine(FLines[i].Text, key, value) && SameName(key, Key)) return i;
  }
  return std::string::npos;
}

bool TProfileDocument::HasKey(std::string_view Section, std::string_view Key) const {
  const std::size_t header = FindSection(Section);
  return header != std::string::npos && FindKey(header, Key) != std::string::npos;
}

std::string TProfileDocument::ReadString(std::string_view Section, std::string_view Key,
                                         const std::string& Default) const {
  const std::size_t header = FindSection(Section);
  if (header == std::string::npos) return Default;
  const std::size_t at = FindKey(header, Key);
  if (at == std::string::npos) return Default;
  std::string_view key, value;
  KeyLine(FLines[at].Text, key, value);
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  if (value.size() > kMaxProfileValue) value = value.substr(0, kMaxProfileValue);
  return std::string(value);
}

void TProfileDocument::WriteString(std::string_view Section, std::string_view Key,
                                   std::string_view Value) {
  std::string text = std::string(Key) + "=" + std::string(Value);
  // A value holding a line break would become a line of its own; keep it on one line.
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::size_t header = FindSection(Section);
  if (header == std::string::npos) {
    if (!FLines.empty() && FLines.back().Ending.empty()) FLines.back().Ending = "\r\n";
    FLines.push_back({"[" + std::string(Section) + "]", "\r\n"});
    FLines.push_back({std::move(text), "\r\n"});
    return;
  }
  const std::size_t at = FindKey(header, Key);
  if (at != std::string::npos) {
    FLines[at].Text = std::move(text);
    return;
  }
  // After the section's last non-blank line.
  std::size_t insert = header + 1;
  std::string_view name;
  for (std::size_t i = header + 1; i < FLines.size(); ++i) {
    if (SectionName(FLines[i].Text, name)) break;
    if (!Trim(FLines[i].Text).empty()) insert = i + 1;
  }
  if (FLines[insert - 1].Ending.empty()) FLines[insert - 1].Ending = "\r\n";
  FLines.insert(FLines.begin() + std::ptrdiff_t(insert), TLine{std::move(text), "\r\n"});
}

std::string TProfileDocument::Text() const {
  std::string out;
  for (const TLine& l : FLines) out += l.Text + l.Ending;
  return out;
}

TProfileDocument ReadProfileFile(const std::string& Path) {
  if (!FileExists(Path)) return {};
  const auto bytes = ReadFileBytes(Path, kMaxProfileBytes);
  return TProfileDocument(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void WriteFileAtomically(const std::string& Path, std::string_view Bytes) {
  // A link the user made at Path is kept: the file it names is the one replaced.
  std::error_code ec;
  std::filesystem::path target(Path);
  if (std::filesystem::is_symlink(target, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  auto fail = [&](const char* what) {
    const int err = errno;
    throw EProjectError("Unable to write to " + Path + " (" + what + ": " + std::strerror(err) +
                        ")");
  };
  // mkstemp creates a new file with a random name (O_EXCL): nothing planted there is followed.
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0) fail("cannot create a temporary file");
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0)
    ::fchmod(fd, st.st_mode & 07777);
  else
    ::fchmod(fd, 0644);
  if (!WriteAll(fd, Bytes)) {
    const int err = errno;
    ::close(fd);
    ::unlink(tmpl.c_str());
    errno = err;
    fail("write failed");
  }
  const bool synced = ::fsync(fd) == 0;
  const int syncErr = errno;
  const bool closed = ::close(fd) == 0;
  const int closeErr = errno;
  if (!synced || !closed) {
    ::unlink(tmpl.c_str());
    errno = synced ? closeErr : syncErr;
    fail("write failed");
  }
  if (::rename(tmpl.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmpl.c_str());
    errno = err;
    fail("cannot replace the file");
  }
}

}  // namespace tw
