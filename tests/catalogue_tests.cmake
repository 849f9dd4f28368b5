# The catalogue's tests: the compiled table against its rules, and the committed table
# against what tools/gen_catalogue.py produces. Included from tests/CMakeLists.txt.

add_executable(catalogue_test catalogue_fields_test.cpp catalogue_order_test.cpp
                              catalogue_counts_test.cpp)
target_link_libraries(catalogue_test PRIVATE cardhold_core GTest::gtest_main)
add_test(NAME catalogue_test COMMAND catalogue_test)

if(NOT CMAKE_CROSSCOMPILING)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_Interpreter_FOUND)
    add_test(NAME catalogue_table_is_generated
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/gen_catalogue.py
                     --check ${PROJECT_SOURCE_DIR}/catalogue/card_table.cpp)
  else()
    message(WARNING "Python 3 not found: catalogue_table_is_generated is not run")
  endif()
endif()
