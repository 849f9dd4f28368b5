# 32-bit Windows with Clang: a second compiler on the product's code. Clang compiles
# against the mingw-w64 GCC's -posix libstdc++ headers; the link goes through the
# mingw-w64 GCC driver, which knows the order of the C runtime and winpthreads
# (Clang's own mingw link step does not).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_RC_COMPILER ${triple}-windres)

file(GLOB gcc_dirs /usr/lib/gcc/${triple}/*-posix)
if(NOT gcc_dirs)
  message(FATAL_ERROR "no mingw-w64 -posix GCC in /usr/lib/gcc/${triple}: install mingw-w64")
endif()
list(SORT gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_dirs 0 gcc_dir)
set(cxx_headers ${gcc_dir}/include/c++)
set(CMAKE_C_FLAGS_INIT "--target=${triple}")
set(CMAKE_CXX_FLAGS_INIT "--target=${triple} -nostdinc++ -isystem ${cxx_headers} \
-isystem ${cxx_headers}/${triple} -isystem ${cxx_headers}/backward")

# The link rules are set after CMake's platform files, which would otherwise replace them.
set(CARDHOLD_MINGW_GCC_DRIVER ${triple}-g++-posix)
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/mingw-gcc-link-rules.cmake)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
