// vestaro-batch: the commands of the program without its windows.
#include <iostream>

#include "cli/batchcommands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunBatch(args, std::cout, std::cerr);
}
