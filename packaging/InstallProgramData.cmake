# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cmake --install (and CPack): copies the program folder's data, that is
# everything the build put beside the programs except the programs themselves,
# into share/gridwright, where an installed program looks for it (see
# FindProgramFolder). Build marks and the .out/.bak/.tmp companions of a save
# are left behind.
file(GLOB_RECURSE items RELATIVE "${GRIDWRIGHT_BIN_DIR}" "${GRIDWRIGHT_BIN_DIR}/*")
list(SORT items)
foreach(item IN LISTS items)
  if(item MATCHES "\\.(stamp|out|bak|tmp)$")
    continue()
  endif()
  file(READ "${GRIDWRIGHT_BIN_DIR}/${item}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46" OR magic MATCHES "^4d5a")  # ELF or Windows (MZ): a program of the build
    continue()
  endif()
  get_filename_component(folder "${item}" DIRECTORY)
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/gridwright/${folder}" TYPE FILE
       FILES "${GRIDWRIGHT_BIN_DIR}/${item}")
endforeach()
