# Fails when the example-data tool no longer prints the data lines a built-in
# example holds: its output must be the string literals of array ARRAY in
# SOURCE, as they stand there. Run as
#   cmake -DPROGRAM=<kor_example_data> -DSET=qxm -DSOURCE=<ExampleSuppliedLines.cpp>
#         -DARRAY=qxm_lines -P CheckExampleData.cmake
foreach(required IN ITEMS PROGRAM SET SOURCE ARRAY)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "CheckExampleData.cmake needs -D${required}=...")
    endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" ${SET}
                RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE log)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${SET} failed (${status}):\n${log}")
endif()

file(READ "${SOURCE}" source)
set(opening "const char* const ${ARRAY}[] = {\n")
string(FIND "${source}" "${opening}" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${SOURCE} has no array ${ARRAY}")
endif()
string(LENGTH "${opening}" opening_length)
math(EXPR start "${start} + ${opening_length}")
string(SUBSTRING "${source}" ${start} -1 rest)
string(FIND "${rest}" "};\n" end)
string(SUBSTRING "${rest}" 0 ${end} held)

if(NOT printed STREQUAL held)
    message(FATAL_ERROR "${PROGRAM} ${SET} no longer prints the lines of ${ARRAY}.\n"
                        "Printed:\n${printed}\nHeld in ${SOURCE}:\n${held}")
endif()
string(REGEX MATCHALL "\n" lines "${held}")
list(LENGTH lines count)
message(STATUS "${PROGRAM} ${SET} prints the ${count} lines of ${ARRAY}.")
