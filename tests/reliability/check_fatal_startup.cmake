# Runs fatal_startup (PROGRAM) with one forced failure (FAILURE) and checks that the message box
# showed MESSAGE and that the process ended with -1, which the shell sees as 255.
execute_process(COMMAND "${PROGRAM}" "${FAILURE}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 255)
  message(FATAL_ERROR "exit status ${status}, expected 255\n${output}${errors}")
endif()
string(FIND "${output}" "message box: ${MESSAGE}\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no message box with \"${MESSAGE}\"\n${output}${errors}")
endif()
string(FIND "${output}" "event loop started" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the event loop ran after a fatal error\n${output}")
endif()
