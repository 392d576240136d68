# Fails unless PROGRAM asks Windows for ASLR with high entropy, DEP and the
# terminal-server behaviour, and carries the stack protector: the program's
# own code (LIBRARIES, the static libraries linked into it) checks the
# canary, and the check's failure handler from libssp is linked in.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT dump MATCHES "DllCharacteristics[ \t]+[0-9a-fA-F]+\n(([ \t]+[A-Z_]+\n)*)")
  message(FATAL_ERROR "objdump -p failed on ${PROGRAM} or was not understood")
endif()
set(flags "${CMAKE_MATCH_1}")
foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
  if(NOT flags MATCHES "[ \t]${flag}\n")
    message(FATAL_ERROR "${PROGRAM} lacks ${flag} in its DLL characteristics")
  endif()
endforeach()

execute_process(COMMAND ${NM} -A ${LIBRARIES} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT symbols MATCHES " U __stack_chk_fail\n")
  message(FATAL_ERROR "the program's code is not compiled with the stack protector")
endif()
file(STRINGS ${PROGRAM} handler LIMIT_COUNT 1 REGEX "stack smashing detected")
if(NOT handler)
  message(FATAL_ERROR "${PROGRAM} lacks the stack protector's failure handler")
endif()
string(REGEX REPLACE "[ \t\n]+" " " flags "${flags}")
string(STRIP "${flags}" flags)
message(STATUS "DLL characteristics: ${flags}; stack protector in")
