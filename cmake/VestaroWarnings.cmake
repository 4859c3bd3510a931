# One INTERFACE target carries the warning and sanitizer flags, so every target gets the same.
add_library(vestaro_warnings INTERFACE)
target_compile_options(vestaro_warnings INTERFACE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor)

# GCC 12 with -O3 (Release) reports overlapping copies of "9223372036854775810 or more bytes"
# inside std::string's own assignment and concatenation, where nothing overlaps: a known false
# positive of that compiler's -Wrestrict (GCC bug 105329). Only that warning, only GCC 12.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(vestaro_warnings INTERFACE -Wno-restrict)
endif()

if(VESTARO_SANITIZE)
  target_compile_options(vestaro_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vestaro_warnings INTERFACE -fsanitize=address,undefined)
endif()
