#pragma once
/// The text report "調節池.txt": the lists and tables of the result window as plain text, in
/// Shift-JIS with CR LF line ends, for use in other programs.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/design/atomicfileset.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

/// The report's fixed file name.
inline constexpr char kTextReportFileName[] = "調節池.txt";
/// The message that ends the text-output command once the file is in place.
inline constexpr char kTextReportWritten[] = "テキスト出力終わりました。";

/// Writes the report of the sheet as it stands: the conditions list, the stage table (fields of
/// 12 bytes), the hyetograph explanation, the rain and runoff tables (10 bytes), then the pond
/// section of the form's current outlet page and "計算種別" choice. Table cells are right-aligned
/// in fields counted in Shift-JIS bytes, each followed by ":"; an empty or single-blank cell ends
/// its row. Returns the empty text when written, otherwise the reason (a text that Shift-JIS
/// cannot hold, or a failing stream); nothing is written for an unencodable text.
std::string WriteTextReport(std::ostream& out, const ResultSheet& sheet, const DesignForm& form);

/// The text-output command: asks "計算結果をテキスト出力しますか。…"; on Yes writes the report
/// into `directory`/調節池.txt (replacing an existing file whole) and shows
/// "テキスト出力終わりました。". A failure shows its reason instead. Returns whether the file was
/// written.
bool RunTextReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, UserInteraction& ui);

/// The text-output command up to the file itself, for callers that replace several files as one
/// set: asks the question; on Yes adds the report as `directory`/調節池.txt to `files`. Returns
/// false when declined or when the report cannot be written (its reason shown).
bool AddTextReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, AtomicFileSet& files,
                   UserInteraction& ui);
