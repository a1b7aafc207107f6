# The installed program carries no test aid: run by ctest as
#   cmake -DPROGRAM=<bin/bookkeeper> -DNM=<nm> -DLINKED=<a,b,..> -DAIDS=<a,b,..>
#         -DSOURCES=<a,b,..> -DAID_SOURCES=<a,b,..> -P links_no_test_aid.cmake
# LINKED names the libraries of this project that the program links, with
# theirs; SOURCES what they are compiled from. AIDS and AID_SOURCES are the
# libraries and sources only tools, tests, fuzzers and benchmarks may link.
# The program's own symbols are then searched for the test aids' classes.
cmake_minimum_required(VERSION 3.25)

foreach(list LINKED AIDS SOURCES AID_SOURCES)
  string(REPLACE "," ";" ${list} "${${list}}")
endforeach()

set(found)
foreach(aid ${AIDS})
  if(aid IN_LIST LINKED)
    list(APPEND found "the library ${aid}")
  endif()
endforeach()
foreach(source ${AID_SOURCES})
  if(source IN_LIST SOURCES)
    list(APPEND found "the source ${source}")
  endif()
endforeach()

execute_process(COMMAND ${NM} -C ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${PROGRAM}")
endif()
# Without its symbols the program would pass whatever it carried.
if(NOT symbols MATCHES "bk::Application::start\\(\\)")
  message(FATAL_ERROR "${PROGRAM} has no symbols to check")
endif()
foreach(aid "bk::RecordingToolkit" "bk::WebToolkit" "bk::SessionCheck" "bk::runReplay" "testing::" "QTest::")
  string(FIND "${symbols}" "${aid}" at)
  if(NOT at EQUAL -1)
    list(APPEND found "code of ${aid}")
  endif()
endforeach()

if(found)
  list(JOIN found "\n  " found)
  message(FATAL_ERROR "${PROGRAM} carries test aids:\n  ${found}")
endif()
message(STATUS "${PROGRAM} carries no test aid")
