#pragma once
/// A user interaction that keeps every message and question in order and answers questions
/// from a script: used by tests and by the batch tool.

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/interaction/userinteraction.h"

class RecordingInteraction : public UserInteraction {
 public:
  struct Entry {
    bool isQuestion = false;
    std::string text;
    BoxPlacement where;
    MessageKind kind = MessageKind::Plain;
  };

  void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Plain,
                   BoxPlacement where = {}) override;
  bool Confirm(std::string_view text, BoxPlacement where = {}) override;

  /// Queues the answers of the next questions; once they are used up every answer is
  /// `defaultAnswer`.
  void QueueAnswers(std::initializer_list<bool> answers);
  bool defaultAnswer = true;

  /// Every message and question in the order they were shown.
  const std::vector<Entry>& Entries() const { return m_entries; }
  /// The texts of the entries, in order.
  std::vector<std::string> Texts() const;
  void Clear() { m_entries.clear(); }

 private:
  std::vector<Entry> m_entries;
  std::deque<bool> m_answers;
};
