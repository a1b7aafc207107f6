# Replays SCRIPT, checking the session as it goes, and compares the event log
# with EXPECTED.
execute_process(COMMAND ${REPLAY} --check INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE actual RESULT_VARIABLE status
  ERROR_VARIABLE errors)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "bookkeeper-replay exited with ${status} on ${SCRIPT}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.log)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out})
  message(FATAL_ERROR "the log of ${SCRIPT} differs from ${EXPECTED} (actual: ${out})")
endif()
