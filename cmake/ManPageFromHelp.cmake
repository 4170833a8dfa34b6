# Writes a program's manual page from what its --help prints, gzip'd as the
# man pages of a Debian system are. Run as
#   cmake -DPROGRAM=path -DNAME=kor -DVERSION=1.2.3 -DSUMMARY="..." -DSEE_ALSO=kor-gui
#         [-DWITH_COMMANDS=ON] -DGZIP=gzip -DOUTPUT=kor.1.gz -P ManPageFromHelp.cmake
# The help is read as both help formats in use write it: a "Usage:" line, a
# description, then sections ("Options:") whose entries start two spaces in,
# with the entry's name, two or more spaces and its text, the text going on
# in deeper indented lines. WITH_COMMANDS adds the help of every entry of the
# "Subcommands:" section (PROGRAM COMMAND --help).
foreach(required IN ITEMS PROGRAM NAME VERSION SUMMARY GZIP OUTPUT)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "ManPageFromHelp.cmake needs -D${required}=...")
    endif()
endforeach()

# The text of PROGRAM ARGS... --help; a program that fails or says nothing
# stops the build.
function(help_of out)
    execute_process(COMMAND "${PROGRAM}" ${ARGN} --help
                    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR text STREQUAL "")
        message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status}): ${errors}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff reads it literally: backslashes written out, and no line
# taken for a request because it starts with a dot or an apostrophe.
function(roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    if(text MATCHES "^[.']")
        set(text "\\&${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# An option or command name in bold, its hyphens as the minus signs a
# reader types.
function(roff_bold text out)
    roff_text("${text}" text)
    string(REPLACE "-" "\\-" text "${text}")
    set(${out} "\\fB${text}\\fR" PARENT_SCOPE)
endfunction()

# The synopsis from the usage line after the program's own path: the
# program's name and the command words in bold, the rest as it stands.
function(usage_synopsis usage out)
    set(words "")
    set(rest "${usage}")
    if(usage MATCHES "^([a-z][-a-z0-9]*( [a-z][-a-z0-9]*)*)(.*)$")
        set(words " ${CMAKE_MATCH_1}")
        set(rest "${CMAKE_MATCH_3}")
    endif()
    roff_bold("${NAME}${words}" bold)
    string(STRIP "${rest}" rest)
    roff_text("${rest}" rest)
    string(REPLACE "-" "\\-" rest "${rest}")
    string(STRIP "${bold} ${rest}" synopsis)
    set(${out} "${synopsis}" PARENT_SCOPE)
endfunction()

# The help's lines as a CMake list, with the characters a list would take
# for its own (";" and brackets) stood in for until the page is written.
function(help_lines text out)
    string(REPLACE ";" "@KOR_SEMICOLON@" text "${text}")
    string(REPLACE "[" "@KOR_OPEN@" text "${text}")
    string(REPLACE "]" "@KOR_CLOSE@" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Turns one help text into roff. SECTION_MACRO is ".SH" for the program's
# own help (headings in capitals) or "" for a command's help inside the
# page (headings as bold paragraphs). Sets <prefix>_roff and, for the
# program's help, <prefix>_commands: the names in its "Subcommands:" section.
function(help_to_roff text section_macro prefix)
    help_lines("${text}" lines)
    set(synopsis "")
    set(description "")
    set(body "")
    set(section "")
    set(commands "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^Usage: +[^ ]+ *(.*)$")
            usage_synopsis("${CMAKE_MATCH_1}" synopsis)
        elseif(line MATCHES "^([A-Za-z][A-Za-z ]*):$")
            set(section "${CMAKE_MATCH_1}")
            if(section_macro STREQUAL "")
                string(APPEND body ".PP\n\\fB${section}:\\fR\n")
            else()
                string(TOUPPER "${section}" heading)
                string(APPEND body "${section_macro} ${heading}\n")
            endif()
        elseif(line MATCHES "^  ([^ ].*)$")
            set(entry "${CMAKE_MATCH_1}")
            set(term "${entry}")
            set(said "")
            if(entry MATCHES "^([^ ]+( [^ ]+)*)  +(.*)$")
                set(term "${CMAKE_MATCH_1}")
                set(said "${CMAKE_MATCH_3}")
            endif()
            if(section STREQUAL "Subcommands")
                list(APPEND commands "${term}")
            endif()
            roff_bold("${term}" term)
            string(APPEND body ".TP\n${term}\n")
            if(NOT said STREQUAL "")
                roff_text("${said}" said)
                string(APPEND body "${said}\n")
            endif()
        elseif(line MATCHES "^   +([^ ].*)$")
            roff_text("${CMAKE_MATCH_1}" said)
            string(APPEND body "${said}\n")
        elseif(line MATCHES "^[^ ]")
            roff_text("${line}" said)
            string(APPEND description "${said}\n")
        endif()
    endforeach()
    if(synopsis STREQUAL "")
        message(FATAL_ERROR "the help of ${PROGRAM} has no \"Usage:\" line")
    endif()
    set(${prefix}_synopsis "${synopsis}" PARENT_SCOPE)
    set(${prefix}_description "${description}" PARENT_SCOPE)
    set(${prefix}_roff "${body}" PARENT_SCOPE)
    set(${prefix}_commands "${commands}" PARENT_SCOPE)
endfunction()

help_of(help)
help_to_roff("${help}" ".SH" program)

string(TOUPPER "${NAME}" title)
# The date honours SOURCE_DATE_EPOCH, so that a rebuilt package is the same.
string(TIMESTAMP today "%Y-%m-%d" UTC)
roff_text("${SUMMARY}" summary)
set(page ".TH ${title} 1 \"${today}\" \"KOR ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n${program_synopsis}\n")
string(APPEND page ".SH DESCRIPTION\n${program_description}")
string(APPEND page "${program_roff}")

if(WITH_COMMANDS AND program_commands)
    string(APPEND page ".SH COMMANDS\n")
    foreach(command IN LISTS program_commands)
        help_of(command_help ${command})
        help_to_roff("${command_help}" "" command)
        string(APPEND page ".SS \"${NAME} ${command}\"\n${command_description}")
        string(APPEND page ".PP\n${command_synopsis}\n${command_roff}")
    endforeach()
endif()

if(SEE_ALSO)
    string(APPEND page ".SH SEE ALSO\n")
    set(references "")
    foreach(other IN LISTS SEE_ALSO)
        list(APPEND references "\\fB${other}\\fR(1)")
    endforeach()
    list(JOIN references ", " references)
    string(APPEND page "${references}\n")
endif()

string(REPLACE "@KOR_SEMICOLON@" ";" page "${page}")
string(REPLACE "@KOR_OPEN@" "[" page "${page}")
string(REPLACE "@KOR_CLOSE@" "]" page "${page}")

# gzip -n leaves out the name and time, so the same page gives the same file.
string(REGEX REPLACE "\\.gz$" "" roff_file "${OUTPUT}")
file(WRITE "${roff_file}" "${page}")
execute_process(COMMAND "${GZIP}" -9 -n -c "${roff_file}" OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "gzip failed (${zipped}) on ${roff_file}")
endif()
