# The files the build generates from the release's facts (set at the top of
# CMakeLists.txt) and from the list of run-time files
# (packaging/runtime-files.txt):
#   generated/release_facts.h   the facts, for the program's code and resource scripts
#   generated/release-facts.sh  the same, for the packaging scripts and their tests,
#                               with the board window's class (board/board_window.h)
#   generated/runtime_files.h   the run-time files' names, for the program and its tests
#   runtime/                    the run-time files, filled in with the facts
# Sets PLUMARO_RUNTIME_DIR (that last folder), PLUMARO_RUNTIME_FILES (the
# paths under it) and PLUMARO_RUNTIME_FILE_<name> (each one's path, with
# backslashes).

string(TOUPPER "${PLUMARO_PRODUCT_NAME}" PLUMARO_ABOUT_TITLE)
string(REPLACE " " "." PLUMARO_ASSEMBLY_NAME "${PLUMARO_PRODUCT_NAME}")
set(PLUMARO_RUNTIME_DIR ${PROJECT_BINARY_DIR}/runtime)
set(PLUMARO_RUNTIME_FILES)
set(PLUMARO_RUNTIME_ENTRIES)
set(PLUMARO_RUNTIME_NAMES)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/runtime-files.txt lines REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/runtime-files.txt)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([a-z][A-Za-z]*) ([^ ]+)$")
    message(FATAL_ERROR "packaging/runtime-files.txt: '${line}' is not a name and a path")
  endif()
  set(path ${CMAKE_MATCH_2})
  string(SUBSTRING ${CMAKE_MATCH_1} 0 1 first)
  string(SUBSTRING ${CMAKE_MATCH_1} 1 -1 rest)
  string(TOUPPER ${first} first)
  # For the read-mes, as Windows writes it: PLUMARO_RUNTIME_FILE_rules and the like.
  string(REPLACE "/" "\\" PLUMARO_RUNTIME_FILE_${CMAKE_MATCH_1} ${path})
  string(REPLACE "/" "\\\\" name ${path})
  string(APPEND PLUMARO_RUNTIME_ENTRIES "inline constexpr RuntimeFile k${first}${rest}{L\"${name}\", \"${path}\"};\n")
  string(APPEND PLUMARO_RUNTIME_NAMES "k${first}${rest}, ")
  list(APPEND PLUMARO_RUNTIME_FILES ${path})

  set(source ${PROJECT_SOURCE_DIR}/assets/runtime/${path})
  if(EXISTS ${source}.in)
    # Files a player opens on Windows: Windows line ends.
    configure_file(${source}.in ${PLUMARO_RUNTIME_DIR}/${path} @ONLY NEWLINE_STYLE CRLF)
  else()
    configure_file(${source} ${PLUMARO_RUNTIME_DIR}/${path} COPYONLY)
  endif()
endforeach()
string(REGEX REPLACE ", $" "" PLUMARO_RUNTIME_NAMES "${PLUMARO_RUNTIME_NAMES}")

# The board window's class, written once in its header, for the installer.
file(STRINGS ${PROJECT_SOURCE_DIR}/board/board_window.h class REGEX "kClassName\\[\\] *= *L\"[A-Za-z0-9]+\"")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/board/board_window.h)
if(NOT class MATCHES "L\"([A-Za-z0-9]+)\"")
  message(FATAL_ERROR "board/board_window.h: the board window's class name (kClassName) not found")
endif()
set(PLUMARO_BOARD_CLASS ${CMAKE_MATCH_1})

configure_file(${PROJECT_SOURCE_DIR}/cmake/release_facts.h.in ${PROJECT_BINARY_DIR}/generated/release_facts.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/release-facts.sh.in ${PROJECT_BINARY_DIR}/generated/release-facts.sh @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/runtime_files.h.in ${PROJECT_BINARY_DIR}/generated/runtime_files.h @ONLY)
