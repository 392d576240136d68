# Fails unless PROGRAM imports only DLLs that Windows takes from its own
# system folder, whatever lies beside the program: its KnownDLLs
# (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs), which
# list these five on Windows 10 and 11, and API sets, which the loader
# resolves by name. Any other DLL the program imported would be looked for
# in the program's own folder first, before any of its code could stop it:
# the program must start from a bare folder, and a winmm.dll or version.dll
# dropped into a download folder must not run inside it. Libraries it needs
# beyond these it loads at run time, from the system folder only.
cmake_policy(SET CMP0057 NEW) # if(... IN_LIST ...)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
# advapi32: libssp seeds the stack protector's canary with CryptGenRandom.
set(known_dlls kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll)
set(found "")
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  list(APPEND found ${dll})
  if(NOT dll IN_LIST known_dlls AND NOT dll MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not one of Windows' KnownDLLs")
  endif()
endforeach()
if(NOT found)
  message(FATAL_ERROR "no imports found in ${PROGRAM}: objdump output not understood")
endif()
message(STATUS "imports: ${found}")
