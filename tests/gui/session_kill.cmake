# The desktop program killed (SIGKILL) while the user types, then started
# again: every window's texts and lines are back up to the last second. A
# damaged session file is set aside and reported. Each run in a data folder
# of its own (XDG_DATA_HOME, and XDG_CONFIG_HOME for the settings).
set(dir ${WORK_DIR}/session_kill)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir}/data ${dir}/damaged ${dir}/config)
set(env ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${dir}/data XDG_CONFIG_HOME=${dir}/config QT_QPA_PLATFORM=offscreen)

execute_process(COMMAND ${env} ${TEST} type ${dir}/expected.txt RESULT_VARIABLE status ERROR_VARIABLE err)
if(status EQUAL 0 OR status EQUAL 2 OR NOT EXISTS ${dir}/expected.txt)
  message(FATAL_ERROR "the typing run was not killed (${status}): ${err}")
endif()
execute_process(COMMAND ${env} ${TEST} check ${dir}/expected.txt RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "after the kill (${status}): ${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${dir}/damaged XDG_CONFIG_HOME=${dir}/config QT_QPA_PLATFORM=offscreen ${TEST} damaged
  RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "a damaged session file (${status}): ${err}")
endif()
