#include "Environment.h"
#include "Program.h"

int main(int argc, char* argv[]) {
  return tw::RunProgram(argc, argv, tw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
}
