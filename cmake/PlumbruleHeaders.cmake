# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# plumbrule_export_folder(target)
# Makes the headers of the calling folder visible to `target` and to what links
# it, and nothing else of the tree. The target gets an include folder of its
# own in the build tree holding one link, named after the source folder, to
# that folder (build/include/plumbrule_engine/engine -> src/engine), so code
# includes "engine/Parser.h" while a layer it does not link stays out of reach.
function(plumbrule_export_folder target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC COPY_ON_ERROR)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
