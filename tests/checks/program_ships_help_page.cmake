# Checks that building the program target alone puts the help page beside the program, as a user
# who builds only the program (tools/run) gets it.
#     cmake -DBUILD_DIR=<Windows build folder> -DSOURCE_DIR=<repository> -P tests/checks/program_ships_help_page.cmake
cmake_minimum_required(VERSION 3.25)

set(page ${BUILD_DIR}/NotesDat/Help/_Help.htm)
# Only the page goes: NotesDat may hold the data of a developer's own runs.
file(REMOVE ${page})
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target OrvaneNotes RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "building the OrvaneNotes target failed (${built})")
endif()
if(NOT EXISTS ${page})
  message(FATAL_ERROR "building the OrvaneNotes target made no ${page}")
endif()
file(SHA256 ${page} shipped)
file(SHA256 ${SOURCE_DIR}/help/_Help.htm source)
if(NOT shipped STREQUAL source)
  message(FATAL_ERROR "${page} differs from help/_Help.htm")
endif()
