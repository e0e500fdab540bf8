# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Warning and sanitizer flags, applied per target through plumbrule_options.
add_library(plumbrule_options INTERFACE)
target_compile_options(plumbrule_options INTERFACE -Wall -Wextra -Wpedantic)
if(PLUMBRULE_WERROR)
  target_compile_options(plumbrule_options INTERFACE -Werror)
endif()
if(PLUMBRULE_SANITIZE)
  target_compile_options(plumbrule_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(plumbrule_options INTERFACE -fsanitize=address,undefined)
endif()

# Every Qt target: compile-checked connections that always name a receiver.
# A library's generated meta-object code includes its headers as the code
# does ("history/frmHistory.h"): the include folders are links to the source
# folders (plumbrule_export_folder), where the path prefix CMake works out
# from them would not find the headers.
function(plumbrule_qt_target target)
  target_compile_definitions(${target} PRIVATE QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
  get_target_property(type ${target} TYPE)
  if(type MATCHES "_LIBRARY$")
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set_property(TARGET ${target} APPEND PROPERTY AUTOMOC_MOC_OPTIONS -p ${folder})
  endif()
endfunction()

# Release builds are hardened with the flags Debian builds its packages with
# (dpkg-buildflags, hardening=+all): fortified C library calls, strong stack
# protector, stack clash and control-flow protection, format checks, PIE, and
# a read-only relocation table resolved at start (relro, now). Paths of the
# source and build folders are mapped to "." so that two builds in different
# folders give the same programs.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
if(NOT PLUMBRULE_SANITIZE AND NOT PLUMBRULE_FUZZ)
  set(release_config "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  set(hardening_flags -fstack-protector-strong -Wformat -Werror=format-security)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "PLUMBRULE_HAS${flag}" flag_variable)
    check_cxx_compiler_flag(${flag} ${flag_variable})
    if(${flag_variable})
      list(APPEND hardening_flags ${flag})
    endif()
  endforeach()
  target_compile_definitions(plumbrule_options INTERFACE
    "$<${release_config}:_FORTIFY_SOURCE=2>")
  target_compile_options(plumbrule_options INTERFACE
    "$<${release_config}:${hardening_flags}>"
    "$<${release_config}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<${release_config}:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
  target_link_options(plumbrule_options INTERFACE
    "$<${release_config}:LINKER:-z,relro,-z,now>")
endif()
