#include "Recording.h"

#include <sys/stat.h>

#include "Errors.h"
#include "FileUtil.h"
#include "ProfileFile.h"

namespace tw {

std::vector<std::uint8_t> ReadRecordingFile(const std::string& Path) {
  const std::string code = std::to_string(kRecordingReadError) + "|";
  struct stat st {};
  if (::stat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      std::size_t(st.st_size) > kMaxRecordingBytes) {
    throw EProjectError(code + "\"" + Path + "\" is not a recording: it is " +
                        std::to_string(st.st_size) + " bytes long, and a recording has at most " +
                        std::to_string(kMaxRecordingBytes) + ".");
  }
  try {
    return ReadFileBytes(Path, kMaxRecordingBytes);
  } catch (const std::exception& e) {
    throw EProjectError(code + "The recording could not be opened.\n" + e.what());
  }
}

void WriteRecordingFile(const std::string& Path, const TMemoryStream& Moves) {
  const auto& bytes = Moves.Bytes();
  try {
    WriteFileAtomically(
        Path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const std::exception& e) {
    throw EProjectError(std::to_string(kRecordingWriteError) +
                        "|The recording could not be saved.\n" + e.what());
  }
}

}  // namespace tw
