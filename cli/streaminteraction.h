#pragma once
/// The user interaction of the batch tool: messages go to a stream in readable form, questions
/// are answered Yes, and everything shown is also kept in order.

#include <ostream>

#include "core/interaction/recordinginteraction.h"

class StreamInteraction : public RecordingInteraction {
 public:
  explicit StreamInteraction(std::ostream& out) : m_out(out) {}

  void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Plain,
                   BoxPlacement where = {}) override;
  bool Confirm(std::string_view text, BoxPlacement where = {}) override;

  /// A message with its line breaks ("\r") as new lines.
  static std::string Readable(std::string_view text);

 private:
  std::ostream& m_out;
};
