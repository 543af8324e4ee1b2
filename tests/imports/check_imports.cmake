cmake_minimum_required(VERSION 3.21)
# Fails when the shipping program imports a function that is not in the
# committed list, or when its header asks for a Windows later than 4.0.
# Every entry of the list exists in the system DLLs of both Windows 95 and
# NT 4; a new import fails here until someone has checked that it does,
# since a missing one stops the program before it starts.
if(NOT EXISTS "${EXECUTABLE}")
    message(FATAL_ERROR "${EXECUTABLE} is missing: build the release preset first")
endif()
execute_process(COMMAND "${OBJDUMP}" -p "${EXECUTABLE}"
    OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXECUTABLE} failed: ${result}")
endif()
if(NOT dump MATCHES "file format pei-i386")
    message(FATAL_ERROR "${EXECUTABLE} is not a 32-bit x86 program")
endif()

set(failures "")
foreach(field MajorOSystemVersion.4 MajorSubsystemVersion.4 MinorOSystemVersion.0 MinorSubsystemVersion.0)
    string(REPLACE "." "[ \t]+" wanted "${field}")
    if(NOT dump MATCHES "${wanted}\n")
        string(APPEND failures "header: objdump does not show ${field} (field.value)\n")
    endif()
endforeach()

# "DLL Name: KERNEL32.dll" followed by one "<hint rva> <hint> <name>" line per
# function; a function imported by ordinal has no name and is refused.
file(STRINGS "${ALLOWED}" allowed REGEX "^[^#]")
# Brackets would keep CMake's list from splitting at the line ends.
string(REPLACE "[" "(" dump "${dump}")
string(REPLACE "]" ")" dump "${dump}")
string(REPLACE ";" "," dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")
set(dll "")
set(imports "")
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*DLL Name: (.+)$")
        string(TOUPPER "${CMAKE_MATCH_1}" dll)
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([^ ]+)$")
        list(APPEND imports "${dll} ${CMAKE_MATCH_1}")
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +<none> +")
        list(APPEND imports "${dll} by ordinal")
    elseif(line STREQUAL "")
        set(dll "")
    endif()
endforeach()
list(LENGTH imports count)
if(count EQUAL 0)
    message(FATAL_ERROR "no imports found in ${EXECUTABLE}: has the format of objdump changed?")
endif()
foreach(import IN LISTS imports)
    if(NOT import IN_LIST allowed)
        string(APPEND failures "import not checked for Windows 95 and NT 4: ${import}\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${count} imports, all in ${ALLOWED}; header 4.0")
