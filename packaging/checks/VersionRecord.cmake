# Compiles the Windows resource script and reads the compiled version record back:
# both versions 3.7.0.1, US English with the Unicode code page, and exactly the seven
# strings of the record.
#   cmake -DWINDRES=... -DSCRIPT=... -DICONS=... -DWORK=... -P VersionRecord.cmake
foreach(variable WINDRES SCRIPT ICONS WORK)
  if(NOT ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

file(MAKE_DIRECTORY ${WORK})
# No MinGW compiler is installed; the host preprocessor handles a resource script.
execute_process(
  COMMAND ${WINDRES} --preprocessor=cpp --preprocessor-arg=-xc -I ${ICONS}
          -i ${SCRIPT} -o ${WORK}/zingbox.res -O res
  RESULT_VARIABLE compiled ERROR_VARIABLE compileErrors)
if(NOT compiled EQUAL 0)
  message(FATAL_ERROR "windres rejected the script:\n${compileErrors}")
endif()
execute_process(
  COMMAND ${WINDRES} -J res -i ${WORK}/zingbox.res -O rc
  OUTPUT_VARIABLE decompiled RESULT_VARIABLE readBack ERROR_VARIABLE readErrors)
if(NOT readBack EQUAL 0)
  message(FATAL_ERROR "windres cannot read the compiled resources back:\n${readErrors}")
endif()

set(failures "")
macro(expect pattern what)
  if(NOT decompiled MATCHES "${pattern}")
    string(APPEND failures "missing: ${what}\n")
  endif()
endmacro()
expect("\n *FILEVERSION 3, 7, 0, 1\n" "FILEVERSION 3,7,0,1")
expect("\n *PRODUCTVERSION 3, 7, 0, 1\n" "PRODUCTVERSION 3,7,0,1")
expect("BLOCK \"040904B0\"" "string block 040904B0")
expect("VALUE \"Translation\", 0x409, 1200\n" "Translation 0x409, 0x4B0")
expect("RT_GROUP_ICON" "the program icon")

string(REGEX MATCHALL "VALUE \"[A-Za-z]+\", \"[^\"]*\"" strings "${decompiled}")
set(expected
  "VALUE \"Comments\", \"Zingbox! Classic Zingbox Pack I\""
  "VALUE \"FileDescription\", \"Zingbox! Classic Zingbox Pack I\""
  "VALUE \"ProductName\", \"Zingbox!\""
  "VALUE \"FileVersion\", \"3.7.0001\""
  "VALUE \"ProductVersion\", \"3.7.0001\""
  "VALUE \"InternalName\", \"Zingbox!\""
  "VALUE \"OriginalFilename\", \"Zingbox!.exe\"")
set(unexpected ${strings})
list(REMOVE_ITEM unexpected ${expected})
foreach(entry IN LISTS expected)
  list(FIND strings "${entry}" found)
  if(found EQUAL -1)
    string(APPEND failures "missing: ${entry}\n")
  endif()
endforeach()
foreach(entry IN LISTS unexpected)
  string(APPEND failures "not in the record: ${entry}\n")
endforeach()
list(LENGTH strings count)
if(NOT count EQUAL 7)
  string(APPEND failures "the record holds ${count} strings, not 7\n")
endif()

if(failures)
  message(FATAL_ERROR "version record:\n${failures}")
endif()
