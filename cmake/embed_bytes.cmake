# Turns a file into a C++ byte array, NUL-terminated, so that the page's style sheet
# and script live as real .css and .js files yet reach the program byte for byte.
#   cmake -DINPUT=page.css -DOUTPUT=page_css.cpp -DNAME=PageStyle -P embed_bytes.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${INPUT} hex HEX)
get_filename_component(source ${INPUT} NAME)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('[^']+',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}.new
     "// Made from ${source} by cmake/embed_bytes.cmake: edit that file, not this one.\n"
     "extern const char ${NAME}[];\n"
     "const char ${NAME}[] = {\n    ${bytes}'\\0'};\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
