# One INTERFACE target carries the warning and sanitizer flags, so every target gets the same.
add_library(vestaro_warnings INTERFACE)
target_compile_options(vestaro_warnings INTERFACE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor)

if(VESTARO_SANITIZE)
  target_compile_options(vestaro_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vestaro_warnings INTERFACE -fsanitize=address,undefined)
endif()
