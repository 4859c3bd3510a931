// vestaro-batch: the commands of the program without its windows.
#include <iostream>

#include "cli/batchcommands.h"
#ifdef VESTARO_DELEGATE_DRAWING
#include "cli/drawingsibling.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef VESTARO_DELEGATE_DRAWING
  if (NeedsDrawingSibling(args)) return ExecDrawingSibling(argv, std::cerr);
#endif
  return RunBatch(args, std::cout, std::cerr);
}
