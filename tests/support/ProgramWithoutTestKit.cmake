# Fails when the program carries a piece of the test kit: a symbol of the kit's classes or of its
# user actions in the symbol table of PROGRAM (read with NM).
execute_process(COMMAND ${NM} ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${PROGRAM}")
endif()
# Every function of the program is listed (the check would pass on an empty table otherwise).
if(NOT symbols MATCHES "SetModalDialogHook")
  message(FATAL_ERROR "${PROGRAM} has no symbol table to check")
endif()
string(REGEX MATCHALL "2ui[0-9]+(Scoped[A-Za-z]*Answer|ClickButton|TypeText|SelectComboItem|ClickSpinArrow)"
       kit "${symbols}")
if(kit)
  list(REMOVE_DUPLICATES kit)
  message(FATAL_ERROR "${PROGRAM} carries the test kit: ${kit}")
endif()
