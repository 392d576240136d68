# Fails unless PROGRAM imports only Windows' KnownDLLs, which Windows takes
# from its system folder only: the program must start from a bare folder, and
# any other DLL it imported would be loaded from its folder first, where a
# download may hold a winmm.dll. (advapi32: libssp seeds the stack canary.)
cmake_policy(SET CMP0057 NEW) # if(... IN_LIST ...)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll)
set(found "")
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  list(APPEND found ${dll})
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a KnownDLL")
  endif()
endforeach()
if(NOT found)
  message(FATAL_ERROR "no imports found in ${PROGRAM}: objdump output not understood")
endif()
message(STATUS "imports: ${found}")
