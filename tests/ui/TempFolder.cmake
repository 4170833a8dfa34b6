# For the checks run by `cmake -P`: a fresh temporary folder of their own,
# named in TEMP_FOLDER, and fail(), which removes it before it stops the
# check, so that a failed check leaves nothing behind. Set TEMP_FOLDER_KIND
# (a word for the folder's name) before including this file.
execute_process(COMMAND mktemp -d -t kor_${TEMP_FOLDER_KIND}_XXXXXX
                OUTPUT_VARIABLE TEMP_FOLDER OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE made)
if(NOT made EQUAL 0 OR TEMP_FOLDER STREQUAL "")
    message(FATAL_ERROR "no temporary folder for the ${TEMP_FOLDER_KIND}")
endif()
function(fail text)
    file(REMOVE_RECURSE "${TEMP_FOLDER}")
    message(FATAL_ERROR "${text}")
endfunction()
