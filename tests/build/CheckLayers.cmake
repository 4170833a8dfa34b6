# Fails when a source file includes a file of a layer above its own. The
# layers from the bottom: core (itself and the standard library only), then
# reports and sample (each on the core), then app (on all three). The two
# front ends on top, cli and ui, stand side by side: neither includes the
# other. Run as
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

# A front end's file names the other's by its folder ("ui/MainWindow.h") or,
# since each front end's own folder is on its include path, by a bare name
# that is a file of the other's and not one beside the including file.
foreach(pair IN ITEMS "cli:ui" "ui:cli")
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 front)
    list(GET pair 1 other)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${front}/*.h ${SOURCE_DIR}/${front}/*.cpp)
    foreach(file IN LISTS files)
        get_filename_component(folder ${file} DIRECTORY)
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(NOT line MATCHES "#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
                continue()
            endif()
            set(named "${CMAKE_MATCH_1}")
            if(named MATCHES "^${other}/"
               OR (NOT named MATCHES "/" AND EXISTS ${SOURCE_DIR}/${other}/${named}
                   AND NOT EXISTS ${folder}/${named}))
                string(APPEND faults "\n  ${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

# The domain and the writers name no window's control: a name such as
# txt_items or memo_results belongs to its window and its form model.
foreach(layer IN ITEMS core reports)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} lines REGEX "(^|[^A-Za-z0-9_])(txt|lbl|chk|rdo|btn|memo|rich_edit)_")
        foreach(line IN LISTS lines)
            string(APPEND faults "\n  ${file}: names a control: ${line}")
        endforeach()
    endforeach()
endforeach()

# Only the application changes the program state: the front ends hold it by
# const reference and never cast the const away.
foreach(front IN ITEMS cli ui)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${front}/*.h ${SOURCE_DIR}/${front}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} lines REGEX "(ProgramState|AnalysisState)[ \t]*[&*]|const_cast")
        foreach(line IN LISTS lines)
            if(line MATCHES "const_cast" OR NOT line MATCHES "const[ \t]+(kor::)?(ProgramState|AnalysisState)[ \t]*[&*]")
                string(APPEND faults "\n  ${file}: changes the state outside the application: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Across the layers:${faults}")
endif()
message(STATUS "Every layer includes only itself and the layers below it, neither front end the other, the domain names no control and only the application changes the state.")
