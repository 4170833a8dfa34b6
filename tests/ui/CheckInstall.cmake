# Installs the build into a folder of its own and checks that the desktop
# program lands where a desktop finds it: both programs, a valid desktop
# entry for the input files' MIME type, that MIME type and the icon.
# Run with -DBUILD_DIR=... -DVALIDATOR=desktop-file-validate; the
# installation goes into a fresh temporary folder, removed afterwards.
set(TEMP_FOLDER_KIND install_check)
include(${CMAKE_CURRENT_LIST_DIR}/TempFolder.cmake)
set(INSTALL_DIR "${TEMP_FOLDER}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${INSTALL_DIR}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    fail("cmake --install failed (${installed})")
endif()

foreach(file IN ITEMS bin/kor bin/kor-gui share/applications/kor-gui.desktop share/mime/packages/kor.xml
                      share/icons/hicolor/scalable/apps/kor.svg share/icons/hicolor/256x256/apps/kor.png)
    if(NOT EXISTS "${INSTALL_DIR}/${file}")
        fail("not installed: ${file}")
    endif()
endforeach()

file(READ "${INSTALL_DIR}/share/applications/kor-gui.desktop" entry)
foreach(line IN ITEMS "Name=KOR" "Exec=kor-gui %f" "Icon=kor" "Categories=Education;" "MimeType=application/x-kor;")
    string(FIND "${entry}" "${line}\n" at)
    if(at EQUAL -1)
        fail("the desktop entry lacks ${line}")
    endif()
endforeach()
file(READ "${INSTALL_DIR}/share/mime/packages/kor.xml" mime)
string(FIND "${mime}" "<mime-type type=\"application/x-kor\">" type_at)
string(FIND "${mime}" "<glob pattern=\"*.kor\"/>" glob_at)
if(type_at EQUAL -1 OR glob_at EQUAL -1)
    fail("the MIME type does not give .kor files the type application/x-kor")
endif()

if(NOT VALIDATOR)
    fail("desktop-file-validate is missing (Debian's desktop-file-utils, scripts/install-deps.sh)")
else()
    execute_process(COMMAND "${VALIDATOR}" "${INSTALL_DIR}/share/applications/kor-gui.desktop"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT valid EQUAL 0)
        fail("desktop-file-validate: ${said}")
    endif()
endif()
file(REMOVE_RECURSE "${INSTALL_DIR}")
