# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after installing into its staging folder: every folder of the
# package 0755, every program 0755 and every other file 0644, as Debian
# packages have them, whatever the umask of the user who builds the package.
set(folder_mode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                WORLD_READ WORLD_EXECUTE)
set(file_mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(entry "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" ${entries})
  if(IS_SYMLINK "${entry}")
    continue()
  elseif(IS_DIRECTORY "${entry}")
    file(CHMOD "${entry}" PERMISSIONS ${folder_mode})
  elseif(entry MATCHES "/bin/[^/]+$")
    file(CHMOD "${entry}" PERMISSIONS ${folder_mode})
  else()
    file(CHMOD "${entry}" PERMISSIONS ${file_mode})
  endif()
endforeach()
