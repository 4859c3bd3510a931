#pragma once
/// vestaro-batch calc with many designs: each design is run as `calc DESIGN.dat` runs it, into
/// a folder of its own, several at once on every core, and "summary.csv" lists them.
///
///   calc A.dat B.dat … [DIR …] [--out OUT] [other calc options]
///
/// A directory stands for the ".dat" files directly inside it, in name order. The results of
/// design X go to OUT/X (the design's file name without its extension; a second design of the
/// same name gets OUT/X_2, and so on); OUT is the current directory by default. Every other
/// option is handed to each run; `--messages FILE` writes FILE's name into each design's folder.
/// OUT/summary.csv (Shift-JIS, CR LF) has one row per design in the order given: design, kind,
/// outcome, max level, time of max level, required storage, max inflow, max outflow, freeboard.
/// A design that stopped or could not be loaded is one row with its messages; the others run
/// all the same. Each finished design's messages and a progress line go to `err`.
///
/// Exit status: the worst of the designs' (0 completed, 1 stopped, 2 a file error), and 2 when
/// the summary cannot be written or no design was named.

#include <ostream>
#include <string>
#include <vector>

inline constexpr char kSummaryFileName[] = "summary.csv";

/// Whether the calc arguments name more than one design or a directory.
bool NamesManyDesigns(const std::vector<std::string>& args);

/// Runs the calc arguments as many designs; `threads` 0 uses every core.
int RunManyDesigns(const std::vector<std::string>& args, std::ostream& err, unsigned threads = 0);
