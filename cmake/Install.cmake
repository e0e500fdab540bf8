# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing and packaging: the two programs and their man pages, the desktop
# entry, the program icon in the hicolor theme, the AppStream metainfo, the
# copyright file and the changelog; `cpack -G DEB` in the build folder makes a
# Debian package.
include(GNUInstallDirs)

set(PLUMBRULE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(PLUMBRULE_ICON_SIZES 16 22 24 32 48 64 128 256)
# The documentation folder is named after the package, not the project.
set(PLUMBRULE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/plumbrule)

# Installs SOURCE compressed as NAME into DESTINATION, as Debian keeps man
# pages and changelogs; -n keeps the archive free of a name and a time stamp
# so the package is reproducible.
function(plumbrule_install_gzipped source name destination)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND gzip -9 -n -c ${source} > ${compressed}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  string(MAKE_C_IDENTIFIER "plumbrule_gz_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

if(TARGET plumbrule)
  install(TARGETS plumbrule RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  plumbrule_install_gzipped(${PLUMBRULE_DATA_DIR}/plumbrule.1 plumbrule.1.gz
                            ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PLUMBRULE_DATA_DIR}/plumbrule.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLUMBRULE_DATA_DIR}/org.plumbrite.Plumbrule.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PLUMBRULE_DATA_DIR}/icons/plumbrule.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size ${PLUMBRULE_ICON_SIZES})
    install(FILES ${PLUMBRULE_DATA_DIR}/icons/plumbrule-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plumbrule.png)
  endforeach()
endif()

if(TARGET plumbrule-calc)
  install(TARGETS plumbrule-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  plumbrule_install_gzipped(${PLUMBRULE_DATA_DIR}/plumbrule-calc.1 plumbrule-calc.1.gz
                            ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(PLUMBRULE_PACKAGE_MAINTAINER "Plumbrule developers <plumbrule@plumbrite.org>"
    CACHE STRING "Maintainer named in the Debian package")

# Machine-readable copyright (the licences are in LICENSES/) and the changelog,
# CHANGELOG.md in the Debian changelog format as a native package has it.
install(FILES ${PLUMBRULE_DATA_DIR}/copyright DESTINATION ${PLUMBRULE_DOC_DIR})
# The lintian override of AppStream 1.0's homepage warning, where the lintian
# that checks the package knows that tag (Debian 13's; Debian 12's would call
# the override an error).
set(PLUMBRULE_LINTIAN_APPSTREAM_TAG
    /usr/share/lintian/tags/a/appstream-metadata-validation-failed.tag)
if(EXISTS ${PLUMBRULE_LINTIAN_APPSTREAM_TAG})
  install(FILES ${PLUMBRULE_DATA_DIR}/plumbrule.lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME plumbrule)
endif()
set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${debian_changelog}
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/debian-changelog.sh
          ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PLUMBRULE_PACKAGE_MAINTAINER} ${debian_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/scripts/debian-changelog.sh
  COMMENT "Writing the Debian changelog" VERBATIM)
plumbrule_install_gzipped(${debian_changelog} changelog.gz ${PLUMBRULE_DOC_DIR})

# Debian package. The shared-library dependencies are generated from the
# installed programs by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME plumbrule)
set(CPACK_PACKAGE_VENDOR "Plumbrite")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for building dimensions in feet, inches and fractions")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips: symbols, and the .comment and .note sections
# (compiler versions), after CPack installs into its staging folder.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PLUMBRULE_STRIP ${CMAKE_STRIP})
# The package's folders are 0755 and its files 0644 or 0755 whatever the
# umask of the user who builds it: CPack makes its staging folders with the
# umask, and a user-private group's umask 002 (Debian 13's default for
# ordinary users) would make them group-writable.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/StripPackage.cmake
                            ${PROJECT_SOURCE_DIR}/cmake/PackagePermissions.cmake)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PLUMBRULE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is measured with an Arial-metric face (Liberation Sans);
# with other fonts some captions do not fit their buttons. CPack adds the
# generated library dependencies to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# No Homepage field: the project has no public home yet.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack writes the summary as the first line of the Description field and
# indents these paragraphs under it.
set(CPACK_PACKAGE_DESCRIPTION
"Plumbrule adds, subtracts, multiplies and divides lengths written the way
they appear on a tape measure, such as 5'3-1/2\", strictly from left to
right, and shows the result as fractional or decimal feet and inches,
inches, feet or a bare number. It keeps a memory of values, a history tape
that exports to a text file, and has a stair calculator.

The package also holds plumbrule-calc, a command-line calculator on the
same engine.")
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)

# The package check: builds the .deb from this (already built) tree, unpacks it
# and checks its files and metadata; in a release build also lintian and a
# second build in another folder that must give the same bytes. Skipped when
# the Debian tools are missing.
if(PLUMBRULE_BUILD_TESTS AND TARGET plumbrule AND TARGET plumbrule-calc)
  set(package_check_args ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
  if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
     AND NOT PLUMBRULE_SANITIZE AND NOT PLUMBRULE_FUZZ)
    list(APPEND package_check_args ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND})
  endif()
  add_test(NAME package_deb
    COMMAND bash -c "umask 022 && exec bash \"$@\"" package_deb
            ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${package_check_args})
  # The same package made under the umask an ordinary Debian 13 user has (the
  # file list, modes and metadata only; lintian and the second build run once).
  add_test(NAME package_deb_umask002
    COMMAND bash -c "umask 002 && exec bash \"$@\"" package_deb_umask002
            ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_CPACK_COMMAND}
            ${CMAKE_BINARY_DIR})
  set_tests_properties(package_deb package_deb_umask002 PROPERTIES LABELS package
                       SKIP_RETURN_CODE 77 TIMEOUT 600 RESOURCE_LOCK cpack)
endif()
