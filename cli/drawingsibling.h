#pragma once
/// vestaro-batch itself is built without Qt, so that a plain calculation does not pay for
/// loading and binding Qt's libraries. The options that need Qt to draw are run by its sibling
/// program vestaro-batch-qt, which is the same batch tool built with Qt's drawing.

#include <ostream>
#include <string>
#include <vector>

/// The file name of the sibling program; it is looked for in the folder of the running program.
inline constexpr char kDrawingSiblingName[] = "vestaro-batch-qt";

/// Whether the command line asks for anything that only the sibling can draw: a calc with
/// --png, --svg or --print-pdf.
bool NeedsDrawingSibling(const std::vector<std::string>& args);

/// Replaces this process with the sibling, run with the same arguments (`argv` as main got it),
/// so the command still runs as one process. Returns only when the sibling cannot be started:
/// the reason is written to `err` and the result is the usage-or-file-error exit status.
int ExecDrawingSibling(char** argv, std::ostream& err);
