# Warning and sanitizer flags, applied per target through plumbrule_options.
add_library(plumbrule_options INTERFACE)
target_compile_options(plumbrule_options INTERFACE -Wall -Wextra -Wpedantic)
if(PLUMBRULE_WERROR)
  target_compile_options(plumbrule_options INTERFACE -Werror)
endif()
if(PLUMBRULE_SANITIZE)
  target_compile_options(plumbrule_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(plumbrule_options INTERFACE -fsanitize=address,undefined)
endif()

# Every Qt target: compile-checked connections that always name a receiver.
function(plumbrule_qt_target target)
  target_compile_definitions(${target} PRIVATE QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
endfunction()
