# The deck file, the reports, the safe file writer and the file commands.
cardhold_test(deck_file_test deck_file_test.cpp)
cardhold_test(reports_test reports_test.cpp)
cardhold_test(safe_file_test safe_file_test.cpp)
cardhold_test(file_commands_test file_commands_test.cpp)
cardhold_test(leaving_test leaving_test.cpp)
cardhold_test(safe_write_test safe_write_test.cpp)
cardhold_test(file_identity_test file_identity_test.cpp)
cardhold_test(read_file_test read_file_test.cpp)
if(NOT WIN32)
  cardhold_test(safe_file_posix_test safe_file_posix_test.cpp)
endif()
if(WIN32)
  cardhold_test(safe_file_win32_test safe_file_win32_test.cpp)
endif()
# cardhold-cli killed at random moments of its saves, with a reader looping beside it:
# the file is never missing or torn. A short run; the full one is run by hand
# (tools/save_kill_test.py, 1000 kills by default).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME save_kill_test
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/save_kill_test.py
                   --kills 20 --saves 4 -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:cardhold-cli>)
  set_tests_properties(save_kill_test PROPERTIES TIMEOUT 120)
endif()
