#pragma once
/// Message texts that many tests expect.

#include <string>

#include "core/design/designform.h"

namespace testing_support {

/// The message that reading shows for a malformed item.
inline std::string ItemError(const std::string& item) {
  return item + "が不正です。\r\r訂正して下さい。";
}

}  // namespace testing_support
