# Build step of the 32-bit Tessio.dll: its import library, with every export of the
# module-definition file under the stdcall symbol that C callers link against (_DDSdisplay@24)
# importing the plain name (DDSdisplay). The decorated export "_DDShalf_disp@24" stays out: it is
# reached by name with GetProcAddress.
#   cmake -DDLL=... -DDEF=... -DLIB=... -DNM=... -DDLLTOOL=... -DWORK=<folder for the list>
#         -P StdcallImportLibrary.cmake
execute_process(COMMAND ${NM} --defined-only ${DLL} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${NM} cannot read ${DLL}")
endif()
file(STRINGS ${DEF} exports REGEX "^    [A-Za-z]")
set(imports "LIBRARY Tessio.dll\nEXPORTS\n")
foreach(line IN LISTS exports)
    string(STRIP "${line}" name)
    if(NOT symbols MATCHES " _${name}@([0-9]+)\n")
        message(FATAL_ERROR "${DLL} has no stdcall symbol for the export ${name}")
    endif()
    string(APPEND imports "    ${name}@${CMAKE_MATCH_1}\n")
endforeach()
file(WRITE ${WORK}/Tessio-imports.def "${imports}")
execute_process(COMMAND ${DLLTOOL} --kill-at --input-def ${WORK}/Tessio-imports.def
                        --dllname Tessio.dll --output-lib ${LIB}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${DLLTOOL} could not make ${LIB}")
endif()
