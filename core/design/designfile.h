#pragma once
/// The design-condition file: one window value per line, Shift-JIS with CR LF, no header.
///
/// The file stores what the design-condition window shows (texts as typed, choice indices,
/// whole tables), not computed values, so a loaded design looks exactly as it was saved.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"

/// The lines of the file of a form, as UTF-8 texts in file order (227 with the standard grids).
std::vector<std::string> DesignFileLines(const DesignForm& form);

/// The outcome of reading a design from file lines. On failure `message` is what the user sees
/// and `line` the 1-based line at fault.
struct LoadResult {
  bool ok = false;
  int line = 0;
  std::string message;
};

/// Applies file lines to the form, all or nothing: the whole file is checked first; on failure
/// the form is left exactly as it was. Every text and choice ends as the file holds it; the
/// switching that a loaded choice triggers still sets what the windows show.
LoadResult ApplyDesignFileLines(DesignForm& form, const std::vector<std::string>& lines);

/// The save command with the chosen path (an empty path is a cancelled dialog): writes the file
/// atomically, then sets `DesignName` and shows "設計条件を保存しました。". A failure shows its
/// message and leaves an existing file unchanged. Returns whether the file was written.
bool SaveConditions(DesignForm& form, const std::filesystem::path& path, UserInteraction& ui);

/// The load command with the chosen path (an empty path is a cancelled dialog): on success sets
/// `DesignName` and shows "設計条件を読込みました。"; a refused file shows its message and
/// leaves the form untouched. Returns whether the design was loaded.
bool LoadConditions(DesignForm& form, const std::filesystem::path& path, UserInteraction& ui);

/// The design's name of a file: its name without folder and extension.
std::string DesignNameOf(const std::filesystem::path& path);
