# The include check must catch each kind of wrong-way include: for every case,
# a copy of src/ gets one bad include and the check has to fail naming it; the
# untouched copy has to pass.
#   cmake -DSRC_DIR=<src> -DCHECK=<CheckIncludes.cmake> -DKNOWN=<list> -DWORK_DIR=<dir> -P IncludeCheckFails.cmake
set(cases
  "messaging/ui/SendWorkflow.cpp|app/HeaderArea.h|a window includes app"
  "config/ui/frmOptionen.cpp|app/Browser.h|a window includes app"
  "widgets/FieldMark.cpp|config/ui/ColourPalette.h|a shared widget includes ui:config"
  "widgets/HoverButton.h|app/frmMain.h|a shared widget includes app"
  "mass/ui/MassMode.cpp|messaging/ui/SendWorkflow.h|ui:mass includes ui:messaging"
  "messaging/SendSession.cpp|messaging/ui/SendWorkflow.h|the core includes ui:messaging"
  "web/ui/PhonebookDock.cpp|messaging/ui/RecipientInput.h|ui:web includes ui:messaging"
  "messaging/SendRules.cpp|mass/ui/frmMultiSMS.h|the core includes ui:mass"
  "platform/Transfer.h|platform/ui/WidgetPrompts.h|the core includes widgets"
  "server/xmlServer.cpp|app/frmMain.h|the core includes app"
  "cli/SendRun.cpp|messaging/ui/SendWorkflow.h|the command-line sender includes ui:messaging"
  "cli/RunOutput.h|widgets/FieldMark.h|the command-line sender includes widgets"
  "messaging/SendSession.cpp|cli/SendRun.h|the core includes cli"
  "app/frmMain.cpp|cli/SendArguments.h|app includes the command-line sender")

function(run_check dir out_rc out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC_DIR=${dir} -DKNOWN=${KNOWN} -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE o ERROR_VARIABLE e)
  set(${out_rc} ${rc} PARENT_SCOPE)
  set(${out_text} "${o}${e}" PARENT_SCOPE)
endfunction()

set(copy ${WORK_DIR}/src)
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SRC_DIR}/ DESTINATION ${copy})
run_check(${copy} rc text)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the untouched copy fails the check:\n${text}")
endif()

set(missed)
foreach(c IN LISTS cases)
  string(REPLACE "|" ";" fields "${c}")
  list(GET fields 0 file)
  list(GET fields 1 inc)
  list(GET fields 2 why)
  if(NOT EXISTS ${copy}/${file})
    list(APPEND missed "${file} does not exist")
    continue()
  endif()
  file(READ ${copy}/${file} original)
  file(APPEND ${copy}/${file} "\n#include \"${inc}\"\n")
  run_check(${copy} rc text)
  file(WRITE ${copy}/${file} "${original}")
  string(FIND "${text}" "${file}: \"${inc}\" (${why})" at)
  if(rc EQUAL 0 OR at EQUAL -1)
    list(APPEND missed "${file} with \"${inc}\" (rc ${rc}):\n${text}")
  endif()
endforeach()
# A mended include left on the list of those yet to mend fails too.
file(READ ${KNOWN} list_text)
set(stale ${WORK_DIR}/stale_list.txt)
file(WRITE ${stale} "${list_text}lists/ui/frmSignaturen.cpp|mass/ui/frmMultiSMS.h\n")
set(KNOWN ${stale})
run_check(${copy} rc text)
string(FIND "${text}" "lists/ui/frmSignaturen.cpp|mass/ui/frmMultiSMS.h is listed as known but no longer there" at)
if(rc EQUAL 0 OR at EQUAL -1)
  list(APPEND missed "a stale entry of the list (rc ${rc}):\n${text}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
if(missed)
  list(JOIN missed "\n" text)
  message(FATAL_ERROR "the check let these through:\n${text}")
endif()
list(LENGTH cases n)
message(STATUS "the check caught all ${n} wrong-way includes")
