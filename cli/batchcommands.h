#pragma once
/// The commands of vestaro-batch, callable without a process: each takes its arguments and the
/// standard output and error streams and returns the exit status.
///
///   new FILE.dat             writes the design that saving right after start-up writes
///   resave IN.dat OUT.dat    loads a design as the load command does and saves it again
///   calc DESIGN.dat [...]    runs the calculation of a design and writes its text report
///                            (cli/calccommand.h); with several designs or a directory, one
///                            folder per design and summary.csv (cli/manydesigns.h)
///   critical DESIGN.dat      the critical-storm search as CSV (cli/criticalcommand.h)
///   estimate A N B QC AREA F the simplified storage estimate: the V field's text, then the
///                            derivation lines
///
/// Exit status: 0 done, 2 a usage error or a design file that cannot be loaded or written;
/// calc also exits 1 when the run stopped, estimate when a number was malformed or the
/// arithmetic failed.

#include <ostream>
#include <string>
#include <vector>

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
