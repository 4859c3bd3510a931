#pragma once
/// What the windows ask of the desktop beyond message boxes: file dialogs and opening a file
/// with its default application. The program answers with real dialogs, tests with a script.

#include <filesystem>
#include <string>

#include "core/interaction/userinteraction.h"

/// An open or save file dialog as the commands describe it.
struct FileDialogRequest {
  std::string filter;                 // "dat|*.dat": a description, "|", then the pattern
  std::string defaultSuffix;          // added when the typed name has none, e.g. "dat"
  std::filesystem::path directory;    // where the dialog opens
  bool confirmOverwrite = false;      // save dialogs ask before replacing an existing file
};

class AppInteraction : public UserInteraction {
 public:
  /// The file chosen in an open-file dialog; the empty path when the dialog was cancelled.
  virtual std::filesystem::path ChooseFileToOpen(const FileDialogRequest& request) = 0;
  /// The file chosen in a save-file dialog; the empty path when the dialog was cancelled.
  virtual std::filesystem::path ChooseFileToSave(const FileDialogRequest& request) = 0;
  /// Opens a file with the desktop's default application for its type.
  virtual void OpenWithDefaultApplication(const std::filesystem::path& file) = 0;
};
