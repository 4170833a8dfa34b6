# Builds the Debian package of a build folder, unpacks it and checks what a
# machine installing it gets: both programs (runnable), the desktop entry,
# the MIME type, the icon, a manual page for each program made from its
# help, and the control fields apt reads (the dependencies among them).
# Run with -DBUILD_DIR=... -DCPACK=cpack -DDPKG_DEB=dpkg-deb -DGZIP=gzip;
# everything is written into a fresh temporary folder, removed afterwards.
set(TEMP_FOLDER_KIND package_check)
include(${CMAKE_CURRENT_LIST_DIR}/TempFolder.cmake)
set(WORK_DIR "${TEMP_FOLDER}")
if(NOT DPKG_DEB OR NOT CPACK OR NOT GZIP)
    fail("cpack, dpkg-deb or gzip is missing (Debian's dpkg, scripts/install-deps.sh)")
endif()

# Runs a command and puts what it printed into <out>; a failure fails the check.
function(run out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        fail("${ARGN} failed (${status}): ${said}")
    endif()
    set(${out} "${said}" PARENT_SCOPE)
endfunction()

function(expect_in text what description)
    string(FIND "${text}" "${what}" at)
    if(at EQUAL -1)
        fail("${description} lacks \"${what}\":\n${text}")
    endif()
endfunction()

run(built "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/out")
file(GLOB packages "${WORK_DIR}/out/kor_*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    fail("cpack made ${count} packages named kor_*.deb: ${built}")
endif()
run(unpacked "${DPKG_DEB}" -x "${packages}" "${WORK_DIR}/root")
set(root "${WORK_DIR}/root")

foreach(file IN ITEMS usr/bin/kor usr/bin/kor-gui usr/share/applications/kor-gui.desktop
                      usr/share/mime/packages/kor.xml usr/share/icons/hicolor/scalable/apps/kor.svg
                      usr/share/icons/hicolor/256x256/apps/kor.png
                      usr/share/man/man1/kor.1.gz usr/share/man/man1/kor-gui.1.gz)
    if(NOT EXISTS "${root}/${file}")
        fail("the package lacks /${file}")
    endif()
endforeach()

# The programs belong to root and may be run by anyone; the packaged
# (stripped) command line still runs.
run(contents "${DPKG_DEB}" --contents "${packages}")
foreach(program IN ITEMS kor kor-gui)
    if(NOT contents MATCHES "-rwxr-xr-x root/root [^\n]* \\./usr/bin/${program}\n")
        fail("/usr/bin/${program} is not an executable of root's:\n${contents}")
    endif()
endforeach()
run(version "${root}/usr/bin/kor" --version)
expect_in("${version}" "kor " "kor --version from the package")

# Each page is the program's own help: its title, its name line and an
# option or command only that program has.
run(kor_page "${GZIP}" -dc "${root}/usr/share/man/man1/kor.1.gz")
foreach(part IN ITEMS ".TH KOR 1 " ".SH NAME\nkor \\- " ".SS \"kor analyze\"" "\\fB\\-\\-scores\\-csv FILE\\fR")
    expect_in("${kor_page}" "${part}" "the manual page of kor")
endforeach()
run(gui_page "${GZIP}" -dc "${root}/usr/share/man/man1/kor-gui.1.gz")
foreach(part IN ITEMS ".TH KOR-GUI 1 " ".SH NAME\nkor-gui \\- " "\\fB\\-\\-example <NAME>\\fR")
    expect_in("${gui_page}" "${part}" "the manual page of kor-gui")
endforeach()

run(info "${DPKG_DEB}" --info "${packages}")
foreach(field IN ITEMS " Package: kor\n" " Section: education\n" " Priority: optional\n"
                       " Maintainer: " " Description: item analysis of multiple-choice tests\n")
    expect_in("${info}" "${field}" "dpkg-deb --info")
endforeach()
if(NOT info MATCHES "\n Depends: ([^\n]*)")
    fail("the package declares no dependencies:\n${info}")
endif()
set(depends "${CMAKE_MATCH_1}")
foreach(dependency IN ITEMS fonts-liberation libc6 libqt6widgets6 libqt6charts6)
    if(NOT depends MATCHES "(^|, )${dependency}( |,|$)")
        fail("the package does not depend on ${dependency}: ${depends}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
