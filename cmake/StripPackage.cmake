# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after installing into its staging folder: strips the programs
# as dh_strip does (symbols, .comment and .note), so the package holds no
# compiler version strings and lintian finds no unneeded sections.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program ${programs})
  execute_process(
    COMMAND ${CPACK_PLUMBRULE_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
if(NOT programs)
  message(FATAL_ERROR "no programs found to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
