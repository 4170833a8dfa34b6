# Writes a C++ source that holds a text file's contents as a constant, so
# that the program carries the file and never reads it at run time. Run as
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DHEADER=reports/WebAssets.h
#         -DNAMESPACE=kor -DNAME=constant_name -P EmbedText.cmake
# HEADER declares the constant (extern const std::string_view NAME). The text
# goes into a raw string literal, so it is kept byte for byte; a text that
# holds the literal's closing sequence stops the build.
foreach(required IN ITEMS INPUT OUTPUT HEADER NAMESPACE NAME)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "EmbedText.cmake needs -D${required}=...")
    endif()
endforeach()

file(READ "${INPUT}" text)
set(delimiter "kor_text")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} holds )${delimiter}\" and cannot be embedded as it is")
endif()

get_filename_component(source_name "${INPUT}" NAME)
set(source "// Made by the build from ${source_name}: edit that file, not this one.
#include \"${HEADER}\"

namespace ${NAMESPACE} {

const std::string_view ${NAME} = R\"${delimiter}(${text})${delimiter}\";

}  // namespace ${NAMESPACE}
")
file(WRITE "${OUTPUT}" "${source}")
