# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing: the two programs and their man pages, the desktop entry, the
# program icon in the hicolor theme and the AppStream metainfo. The Debian
# package (debian/) installs with these rules; its helpers add the rest as
# Debian has it: compressed man pages and changelog, the copyright file, the
# lintian override, stripped programs.
include(GNUInstallDirs)

set(PLUMBRULE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(PLUMBRULE_ICON_SIZES 16 22 24 32 48 64 128 256)

if(TARGET plumbrule)
  install(TARGETS plumbrule RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PLUMBRULE_DATA_DIR}/plumbrule.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
  install(FILES ${PLUMBRULE_DATA_DIR}/plumbrule-calc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(PLUMBRULE_BUILD_TESTS)
  # debian/changelog is CHANGELOG.md in Debian's form (scripts/debian-changelog.sh
  # writes it), its first entry this version: a change to one without the
  # other fails here, in any build root.
  add_test(NAME debian_changelog COMMAND bash -c
    "bash scripts/debian-changelog.sh CHANGELOG.md \"$1\" | diff -u debian/changelog - &&
     head -n 1 debian/changelog | grep -qF \"($2)\""
    debian_changelog "Plumbrule developers <plumbrule@plumbrite.org>" ${PROJECT_VERSION}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(debian_changelog PROPERTIES LABELS package TIMEOUT 60)
endif()

# The package check: builds the source and binary packages from this source
# tree with dpkg-buildpackage, twice (the second under umask 002, in another
# folder, must give the same bytes), checks what the package holds and has
# lintian check the .changes. It builds a package, which a package's own
# build root does not do: only the full suite registers it, and the
# sanitizer build leaves it to the plain one.
if(PLUMBRULE_BUILD_TESTS AND PLUMBRULE_FULL_SUITE AND NOT PLUMBRULE_SANITIZE
   AND NOT PLUMBRULE_FUZZ)
  add_test(NAME package_deb
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${PROJECT_SOURCE_DIR})
  set_tests_properties(package_deb PROPERTIES LABELS package TIMEOUT 2400
                       ENVIRONMENT "PLUMBRULE_FULL_SUITE=1")
endif()
