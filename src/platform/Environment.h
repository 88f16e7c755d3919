// Facts about the running program that the operating system knows.
#pragma once

#include <string>

namespace tw {

// The folder of the program file, with a trailing "/". Falls back to Argv0's folder, then "./".
std::string ProgramFolder(const char* Argv0);

}  // namespace tw
