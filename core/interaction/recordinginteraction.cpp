#include "core/interaction/recordinginteraction.h"

void RecordingInteraction::ShowMessage(std::string_view text, MessageKind kind, BoxPlacement where) {
  m_entries.push_back({false, std::string(text), where, kind});
}

bool RecordingInteraction::Confirm(std::string_view text, BoxPlacement where) {
  m_entries.push_back({true, std::string(text), where, MessageKind::Plain});
  if (m_answers.empty()) return defaultAnswer;
  bool answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

void RecordingInteraction::QueueAnswers(std::initializer_list<bool> answers) {
  m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

std::vector<std::string> RecordingInteraction::Texts() const {
  std::vector<std::string> texts;
  for (const Entry& entry : m_entries) texts.push_back(entry.text);
  return texts;
}
