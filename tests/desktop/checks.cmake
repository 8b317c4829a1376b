# Helpers of the install and package checks, which run as cmake -P scripts.

# Runs a command; its output goes to OUT. Fails the check when it exits non-zero.
function(run_capture out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed (${rc}):\n${output}${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(run)
  run_capture(_ ${ARGN})
endfunction()

# Runs TOOL with the arguments; says which Debian package brings it when it is missing.
function(run_tool tool package)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message(FATAL_ERROR "${tool} is missing: install the Debian package ${package}")
  endif()
  run(${${tool}_path} ${ARGN})
endfunction()

# Fails the check unless the two lists hold the same items, in any order.
function(expect_same_list what actual expected)
  list(SORT actual)
  list(SORT expected)
  if(NOT actual STREQUAL expected)
    string(REPLACE ";" "\n  " actual "${actual}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "${what}:\n  ${actual}\nexpected:\n  ${expected}")
  endif()
endfunction()
