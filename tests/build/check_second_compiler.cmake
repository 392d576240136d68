# Compiles every source of the program with a second compiler (clang, for
# the same target and the same Windows headers), checking only that each
# one compiles without a warning: the sources must not lean on anything
# only the usual compiler accepts.
#   cmake -DCOMPILER=clang++ -DTARGET=x86_64-w64-mingw32 "-DSYSTEM_INCLUDES=dir;..." "-DINCLUDES=dir;..."
#         "-DDEFINES=NAME;..." "-DSOURCES=file.cpp;..." -P check_second_compiler.cmake
set(flags --target=${TARGET} -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror)
foreach(dir IN LISTS SYSTEM_INCLUDES)
  list(APPEND flags -isystem ${dir})
endforeach()
foreach(dir IN LISTS INCLUDES)
  list(APPEND flags -I${dir})
endforeach()
foreach(definition IN LISTS DEFINES)
  list(APPEND flags -D${definition})
endforeach()

set(failed 0)
foreach(source IN LISTS SOURCES)
  execute_process(COMMAND ${COMPILER} ${flags} ${source} RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message("${source}:\n${errors}")
    math(EXPR failed "${failed} + 1")
  endif()
endforeach()
list(LENGTH SOURCES count)
if(failed GREATER 0)
  message(FATAL_ERROR "${failed} of ${count} sources do not compile with ${COMPILER}")
endif()
message("all ${count} sources compile with ${COMPILER}")
