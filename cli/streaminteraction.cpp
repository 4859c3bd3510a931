#include "cli/streaminteraction.h"

std::string StreamInteraction::Readable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\r') c = '\n';
  }
  return out;
}

void StreamInteraction::ShowMessage(std::string_view text, MessageKind kind, BoxPlacement where) {
  RecordingInteraction::ShowMessage(text, kind, where);
  m_out << Readable(text) << '\n';
}

bool StreamInteraction::Confirm(std::string_view text, BoxPlacement where) {
  bool answer = RecordingInteraction::Confirm(text, where);
  m_out << Readable(text) << (answer ? " [はい]" : " [いいえ]") << '\n';
  return answer;
}
