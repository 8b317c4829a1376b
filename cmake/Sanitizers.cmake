# PARVELL_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# stopping at the first report.
option(PARVELL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(PARVELL_SANITIZE)
  set(_parvell_sanitize
    -fsanitize=address,undefined,float-cast-overflow
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${_parvell_sanitize})
  add_link_options(${_parvell_sanitize})
endif()
