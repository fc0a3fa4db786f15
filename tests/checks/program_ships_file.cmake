# Checks that building the program target alone puts a file it ships (the help page, the alarm
# sound) beside the program, as a user who builds only the program (tools/run) gets it.
#     cmake -DBUILD_DIR=<Windows build folder> -DSHIPPED=<path in it> -DORIGINAL=<file in the repository>
#           -P tests/checks/program_ships_file.cmake
cmake_minimum_required(VERSION 3.25)

set(shipped ${BUILD_DIR}/${SHIPPED})
# Only that file goes: NotesDat may hold the data of a developer's own runs.
file(REMOVE ${shipped})
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target OrvaneNotes RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "building the OrvaneNotes target failed (${built})")
endif()
if(NOT EXISTS ${shipped})
  message(FATAL_ERROR "building the OrvaneNotes target made no ${shipped}")
endif()
file(SHA256 ${shipped} shipped_hash)
file(SHA256 ${ORIGINAL} original_hash)
if(NOT shipped_hash STREQUAL original_hash)
  message(FATAL_ERROR "${shipped} differs from ${ORIGINAL}")
endif()
