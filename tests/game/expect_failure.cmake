# Runs a command that must fail in one way: its exact exit code, and its output (both streams)
# matching a pattern. A crash, a sanitizer's abort or a missing file then fail the test.
#   cmake "-DCOMMAND=program;arguments..." -DEXIT=code -DMATCH=regex -P expect_failure.cmake
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit code ${result} instead of ${EXIT}")
endif()
if(NOT output MATCHES "${MATCH}")
  message(FATAL_ERROR "the output does not say \"${MATCH}\"")
endif()
