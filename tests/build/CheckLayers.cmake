# Fails when a source file includes a file of a layer above its own. The
# layers from the bottom: core (itself and the standard library only), then
# reports and sample (each on the core), then app (on all three). Run as
#   cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(allowed_core "core")
set(allowed_reports "core|reports")
set(allowed_sample "core|sample")
set(allowed_app "core|reports|sample|app")
# Libraries outside the standard library that no layer below the front ends
# may use.
set(outside_libraries "^(CLI|nlohmann|gtest|gmock|benchmark|Qt[A-Za-z]*)/|^Q[A-Z]")

set(faults "")
foreach(layer IN ITEMS core reports sample app)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
                if(NOT CMAKE_MATCH_1 MATCHES "^(${allowed_${layer}})$")
                    string(APPEND faults "\n  ${file}: ${line}")
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
                if(CMAKE_MATCH_1 MATCHES "${outside_libraries}")
                    string(APPEND faults "\n  ${file}: ${line}")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes across the layers:${faults}")
endif()
message(STATUS "Every layer includes only itself and the layers below it.")
