# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a program's manual page, gzipped, with help2man from what the program
# itself prints for --help, so the page never drifts from the program.
#   cmake -DHELP2MAN=help2man -DPROGRAM=path -DVERSION_STRING="name 1.0.0"
#         -DNAME="what it is" -DINCLUDE=page.h2m -DOUTPUT=dir/name.1.gz
#         [-DVERBS=ON] -P ManPage.cmake
# With VERBS, the program's --help lists verbs under "Verbs:", and the page
# gets a section VERBS with each verb's own --help.
foreach(var HELP2MAN PROGRAM VERSION_STRING NAME INCLUDE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManPage.cmake: ${var} is not set")
  endif()
endforeach()
# The same page whatever the locale, and no display needed for a Qt program.
set(ENV{LC_ALL} C)
set(ENV{QT_QPA_PLATFORM} offscreen)

get_filename_component(page "${OUTPUT}" NAME_WLE)  # name.1
get_filename_component(folder "${OUTPUT}" DIRECTORY)
set(include "${folder}/${page}.h2m")
file(READ "${INCLUDE}" includeText)

if(VERBS)
  execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
  endif()
  string(REGEX MATCH "\nVerbs:\n(  [^\n]*\n)+" verbLines "${help}")
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" verbs "${verbLines}")
  if(NOT verbs)
    message(FATAL_ERROR "${PROGRAM} --help lists no verbs")
  endif()
  string(APPEND includeText "\n[VERBS]\n")
  foreach(verb IN LISTS verbs)
    string(STRIP "${verb}" verb)
    execute_process(COMMAND "${PROGRAM}" ${verb} --help OUTPUT_VARIABLE verbHelp RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${verb} --help failed (${status})")
    endif()
    # Kept as printed (no filling), in roff: backslashes and minus signs
    # escaped, and a line may not start with a control character.
    string(REPLACE "\\" "\\e" verbHelp "${verbHelp}")
    string(REPLACE "-" "\\-" verbHelp "${verbHelp}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" verbHelp "${verbHelp}")
    string(REPLACE "\t" "        " verbHelp "${verbHelp}")
    string(APPEND includeText ".SS ${verb}\n.nf\n${verbHelp}.fi\n")
  endforeach()
endif()
file(WRITE "${include}" "${includeText}")

execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1 "--name=${NAME}" "--version-string=${VERSION_STRING}"
          "--include=${include}" "--output=${folder}/${page}" "${PROGRAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed on ${PROGRAM} (${status})")
endif()
# Debian's form: the most compression, and no name or time stamp in the gzip
# header, so the same page gives the same file.
execute_process(COMMAND gzip -9nf "${folder}/${page}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${folder}/${page}")
endif()
