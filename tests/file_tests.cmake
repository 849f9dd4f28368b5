# The deck file, the reports, the safe file writer and the file commands.
cardhold_test(deck_file_test deck_file_test.cpp)
cardhold_test(reports_test reports_test.cpp)
cardhold_test(safe_file_test safe_file_test.cpp)
cardhold_test(file_commands_test file_commands_test.cpp)
cardhold_test(safe_write_test safe_write_test.cpp)
if(NOT WIN32)
  cardhold_test(safe_file_posix_test safe_file_posix_test.cpp)
endif()
