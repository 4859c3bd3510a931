#pragma once
/// The PDF calculation report "調節池計算結果.pdf": the calculation book of the last run, drawn
/// from the result sheet's lists, tables and charts, with the pond pages of the form's
/// calculation kind.

#include <ctime>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "core/design/atomicfileset.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// The report's fixed file name.
inline constexpr char kPdfReportFileName[] = "調節池計算結果.pdf";
/// The message that follows a written report.
inline constexpr char kPdfReportWritten[] = "調節池計算結果.pdfを作成しました";

/// Writes the report of the sheet as it stands to a seekable stream, from position 0: the
/// contents page, the design conditions (Ⅰ-1, Ⅰ-2), the runoff calculation (Ⅱ-1, Ⅱ-2), the
/// pond calculation (Ⅲ-1, and Ⅲ-2 for calculation kinds 0 to 2) and the tables 1 to 3 and,
/// for kinds 0 to 2, table 4. `form` gives the document title (DesignName) and the kind
/// (ActiveCalcKind); `clock` the creation time (the local time when empty). Returns the empty
/// text when written, otherwise the reason: a text that Shift-JIS cannot hold (nothing is then
/// written) or a failing stream.
std::string WritePdfReport(std::ostream& out, const ResultSheet& sheet, const DesignForm& form,
                           std::function<std::tm()> clock = {});

/// Writes the report into `directory`/調節池計算結果.pdf through a temporary file beside it,
/// replacing an existing file whole, and shows "調節池計算結果.pdfを作成しました". A failure
/// shows its reason (the system's error for a file that cannot be created) and leaves the
/// directory as it was. Returns whether the file was written.
bool SavePdfReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, UserInteraction& ui);

/// SavePdfReport up to the file itself, for callers that replace several files as one set: adds
/// the report as `directory`/調節池計算結果.pdf to `files`. Returns false when the report cannot
/// be written (its reason shown).
bool AddPdfReport(const ResultSheet& sheet, const DesignForm& form,
                  const std::filesystem::path& directory, AtomicFileSet& files,
                  UserInteraction& ui);

/// What the PDF command did, and what it asks its caller to do.
struct PdfReportOutcome {
  bool written = false;
  /// The user asked to see the report: the caller opens `file` with the desktop's default
  /// application for PDF files.
  bool openRequested = false;
  std::filesystem::path file;
};

/// The PDF command: asks whether to write the report; on Yes saves it (SavePdfReport) and,
/// once written, asks whether to show it. Declining the first question writes nothing.
PdfReportOutcome RunPdfReport(const ResultSheet& sheet, const DesignForm& form,
                              const std::filesystem::path& directory, UserInteraction& ui);
