# Replays SCRIPT, checking the session as it goes, and compares the event log
# with EXPECTED. Fails when the tool exits non-zero (an unmet `expect`, a
# malformed line, a broken promise: its messages are shown) or when the log
# differs (the difference is shown).
execute_process(COMMAND ${REPLAY} --check INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE actual RESULT_VARIABLE status
  ERROR_VARIABLE errors)
file(READ ${EXPECTED} expected)
set(failed "")
if(NOT status EQUAL 0)
  message("${errors}")
  set(failed "bookkeeper-replay exited with ${status} on ${SCRIPT}")
endif()
if(NOT actual STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.log)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out})
  list(APPEND failed "the log of ${SCRIPT} differs from ${EXPECTED} (actual: ${out})")
endif()
if(failed)
  message(FATAL_ERROR "${failed}")
endif()
