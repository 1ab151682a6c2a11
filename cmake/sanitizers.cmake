# BREVON_SANITIZE: builds everything with AddressSanitizer (leaks included)
# and UndefinedBehaviorSanitizer. Undefined behaviour stops the program at
# once, like a memory error, so that no test can pass over it.
option(BREVON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(BREVON_SANITIZE)
  set(brevon_sanitize_flags
    -fsanitize=address,undefined
    -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined
  )
  add_compile_options(${brevon_sanitize_flags})
  add_link_options(${brevon_sanitize_flags})
endif()
