#pragma once
/// The GUI tests' user interaction: messages and questions are recorded and answered as a
/// RecordingInteraction does, file dialogs are answered from a queue of paths (a cancelled
/// dialog once the queue is empty), and files to open are only recorded.

#include <deque>
#include <filesystem>
#include <vector>

#include "app/appinteraction.h"
#include "core/interaction/recordinginteraction.h"

class ScriptedInteraction : public AppInteraction {
 public:
  void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Plain,
                   BoxPlacement where = {}) override {
    recorder.ShowMessage(text, kind, where);
  }
  bool Confirm(std::string_view text, BoxPlacement where = {}) override {
    return recorder.Confirm(text, where);
  }
  std::filesystem::path ChooseFileToOpen(const FileDialogRequest& request) override {
    return answer(request);
  }
  std::filesystem::path ChooseFileToSave(const FileDialogRequest& request) override {
    return answer(request);
  }
  void OpenWithDefaultApplication(const std::filesystem::path& file) override {
    opened.push_back(file);
  }

  /// The paths the next file dialogs return.
  void QueueFiles(std::initializer_list<std::filesystem::path> files) {
    m_files.insert(m_files.end(), files);
  }
  /// The messages and questions so far, in order; cleared by `Clear`.
  std::vector<std::string> Texts() const { return recorder.Texts(); }
  void Clear() {
    recorder.Clear();
    dialogs.clear();
    opened.clear();
  }

  RecordingInteraction recorder;
  std::vector<FileDialogRequest> dialogs;      // every file dialog shown, in order
  std::vector<std::filesystem::path> opened;   // files handed to the desktop

 private:
  std::filesystem::path answer(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (m_files.empty()) return {};
    std::filesystem::path file = m_files.front();
    m_files.pop_front();
    return file;
  }

  std::deque<std::filesystem::path> m_files;
};
