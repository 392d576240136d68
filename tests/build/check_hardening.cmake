# Fails unless PROGRAM asks Windows for ASLR with high entropy, DEP and
# terminal-server awareness, and has the stack protector: the program's code
# (LIBRARY, one of its static libraries) calls its check and libssp's handler
# is linked in.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump)
string(REGEX MATCH "DllCharacteristics[^\n]*\n(([ \t]+[A-Z_]+\n)*)" flags "${dump}")
foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
  if(NOT flags MATCHES "[ \t]${flag}\n")
    message(FATAL_ERROR "${PROGRAM} lacks ${flag} in its DLL characteristics")
  endif()
endforeach()
execute_process(COMMAND ${NM} -A ${LIBRARY} OUTPUT_VARIABLE symbols)
file(STRINGS ${PROGRAM} handler REGEX "stack smashing detected")
if(NOT symbols MATCHES " U __stack_chk_fail\n" OR NOT handler)
  message(FATAL_ERROR "${PROGRAM} is built without the stack protector")
endif()
