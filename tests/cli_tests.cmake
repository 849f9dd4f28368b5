# The console program: its commands in-process, and the built program itself with
# non-ASCII paths (under Wine for the Windows builds, with a UTF-8 locale so that the
# arguments reach Wine intact).
cardhold_test(cli_test cli_csv_test.cpp cli_csv_layout_test.cpp cli_list_test.cpp cli_matcher_test.cpp
              cli_output_test.cpp cli_quoting_test.cpp cli_stats_diff_test.cpp cli_trade_test.cpp
              cli_wants_find_test.cpp)
target_link_libraries(cli_test PRIVATE cardhold_cli)
add_test(NAME cli_program_test
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cli_program_test.sh
                 ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:cardhold-cli>)
set_tests_properties(cli_program_test PROPERTIES ENVIRONMENT LC_ALL=C.UTF-8 TIMEOUT 120)
# Whole outputs against the transcripts in golden/; native only, where standard
# output ends its lines in LF.
if(NOT WIN32)
  cardhold_test(cli_golden_test cli_golden_test.cpp)
  target_link_libraries(cli_golden_test PRIVATE cardhold_cli)
  target_compile_definitions(cli_golden_test PRIVATE
                             CARDHOLD_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
  add_subdirectory(page)
endif()

# The Tools window's model: its tasks as console commands, and when Import is enabled.
cardhold_test(tools_window_test tools_window_test.cpp)
target_link_libraries(tools_window_test PRIVATE cardhold_tools_window)
