#pragma once
/// The volume check file "調節池検証.txt": the "検証" lines of the result sheet in Shift-JIS with
/// CR LF line ends. It stands beside the text report and never changes it.

#include <filesystem>
#include <string>

#include "results/resultsheet.h"

inline constexpr char kVolumeCheckFileName[] = "調節池検証.txt";

/// Writes the sheet's check lines into `directory`/調節池検証.txt, replacing an existing file
/// whole. Returns the empty text when written, otherwise the reason.
std::string WriteVolumeCheckReport(const ResultSheet& sheet,
                                   const std::filesystem::path& directory);
