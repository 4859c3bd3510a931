#pragma once
/// vestaro-batch critical: the critical-storm search of a design file.
///
///   critical DESIGN.dat
///
/// Reads and validates the design as a calculation run does (its messages go to `err`), routes
/// every waveform and every rain duration from one time of concentration up to the typed
/// duration, on every core, and writes one CSV line per combination to `out` after a header
/// line: waveform, duration, max level, storage, max inflow, max outflow, outcome (UTF-8, one
/// number per field). The worst combinations follow on `err`; a search that takes longer than
/// a second shows its progress there.
///
/// Exit status: 0 searched; 1 reading or validation stopped, or the design's rain is not an
/// intensity formula or its kind is the pump study; 2 a usage error or a design file that
/// cannot be loaded.

#include <ostream>
#include <string>
#include <vector>

int RunCriticalCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err);
