#pragma once
/// Design-condition forms and message texts that many tests start from.

#include <string>

#include "core/design/designform.h"

namespace testing_support {

/// A form with the start-up values, as the program shows it after starting.
inline DesignForm StartupForm() {
  DesignForm form;
  SetStartupValues(form);
  return form;
}

/// The message that reading shows for a malformed item.
inline std::string ItemError(const std::string& item) {
  return item + "が不正です。\r\r訂正して下さい。";
}

}  // namespace testing_support
