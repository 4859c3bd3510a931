#pragma once
/// vestaro-batch calc: one calculation run of a design file, as the button "計算開始" runs it,
/// and the text and PDF reports of the completed run.
///
///   calc DESIGN.dat [--out DIR] [--messages FILE] [--observed-waveform 0|1] [--mono] [--check]
///        [--wmf] [--png] [--svg] [--chart-size WxH] [--print-pdf]
///
/// The design is loaded as the load command does. `--observed-waveform` chooses the observed
/// page's "降雨波形" (0 "中央型", the default; 1 "後方型") and `--mono` chooses "白黒" for
/// "出力図色": the design file holds neither. Every message goes to `err` in readable form; with
/// `--messages` the messages of the run (reading to the end of the calculation) are also
/// written to FILE, one per line in UTF-8, each carriage return written as the two characters
/// "\r". A completed run writes "調節池.txt" and "調節池計算結果.pdf" into DIR (the current
/// directory by default, created with its parents when missing); the PDF is written without
/// asking and is not opened. The two reports replace the old ones as a pair: when either
/// cannot be written, neither old report is touched.
/// The picture options add the result charts as files beside them (cli/chartpictures.h).
/// `--print-pdf` also writes the printed report, every page layout in the order of printing
/// all, as "計算書印刷.pdf" into DIR, without a display. With `--check` it also writes the
/// volume check "調節池検証.txt" there.
///
/// Exit status: 0 the run completed (warnings included); 1 the run stopped (no report is
/// written); 2 a usage error, a design file that cannot be loaded, or an output file that cannot
/// be written.

#include <ostream>
#include <string>
#include <vector>

#include "results/resultsheet.h"

/// Runs `calc` with the arguments after the command name. When `finishedSheet` is given and the
/// design was loaded, it receives the result sheet as the run left it.
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& err,
                   ResultSheet* finishedSheet = nullptr);
