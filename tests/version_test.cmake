# The version the program shows is the project's: the main dialog's caption ends in
# "V<version>" and the About box says "TAVEN Version <version>". Both are fixed texts
# of the resource script, so a new version in project() must reach them by hand; this
# says so instead of letting them go stale.
#   cmake -DVERSION=1.5 -DRC=shell/win32/cardhold.rc -P version_test.cmake
file(READ "${RC}" rc)
string(REPLACE "." "\\." version "${VERSION}")
set(texts "CAPTION \"Cardhold - TAVEN Collection Manager V${version}\""
          "CTEXT \"TAVEN Version ${version}\"")
foreach(text IN LISTS texts)
  if(NOT rc MATCHES "${text}")
    string(REPLACE "\\." "." shown "${text}")
    message(SEND_ERROR "${RC} lacks ${shown}: the project's version is ${VERSION}")
  endif()
endforeach()
