#pragma once
/// How the layers below the windows talk to the user: message boxes and Yes/No questions.
///
/// Reading, validation, the lookups, the engine and the form operations take a reference to
/// this interface from the command that started them. The windows implement it with message
/// boxes, the batch tool with standard error, tests with a recorder. The order and number of
/// messages is part of the behaviour.

#include <string>
#include <string_view>

/// Where a box opens. Most boxes are centred; a few open at a fixed screen position or at an
/// offset from the design-condition window.
struct BoxPlacement {
  enum class Origin { Centred, Screen, DesignWindow };
  Origin origin = Origin::Centred;
  int left = 0;  // pixels from the origin
  int top = 0;
};

/// The look of a plain message box (the text is what matters; the kind chooses the icon).
enum class MessageKind { Plain, Warning };

class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  /// A modal message box with one OK button. Line breaks inside the text are single "\r".
  virtual void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Plain,
                           BoxPlacement where = {}) = 0;

  /// A Yes/No confirmation; true for Yes.
  virtual bool Confirm(std::string_view text, BoxPlacement where = {}) = 0;
};
