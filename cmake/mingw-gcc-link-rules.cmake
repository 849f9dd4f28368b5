# Links through the mingw-w64 GCC driver (CARDHOLD_MINGW_GCC_DRIVER, set by the
# toolchain file), whichever compiler compiled the objects.
foreach(lang C CXX)
  set(CMAKE_${lang}_LINK_EXECUTABLE "${CARDHOLD_MINGW_GCC_DRIVER} <CMAKE_${lang}_LINK_FLAGS> \
<LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
endforeach()
