#pragma once
/// The user interaction of the window benchmarks: every question is answered Yes and every
/// dialog cancelled, and nothing is shown.

#include <filesystem>

#include "app/appinteraction.h"

class QuietInteraction : public AppInteraction {
 public:
  void ShowMessage(std::string_view, MessageKind, BoxPlacement) override {}
  bool Confirm(std::string_view, BoxPlacement) override { return true; }
  std::filesystem::path ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::filesystem::path ChooseFileToSave(const FileDialogRequest&) override { return {}; }
  void OpenWithDefaultApplication(const std::filesystem::path&) override {}
};
