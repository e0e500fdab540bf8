# Installing and packaging: the two programs, the desktop entry, the program
# icon in the hicolor theme, the AppStream metainfo and the man page of
# plumbrule-calc; `cpack -G DEB` in the build folder makes a Debian package.
include(GNUInstallDirs)

set(PLUMBRULE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(PLUMBRULE_ICON_SIZES 16 22 24 32 48 64 128 256)

if(TARGET plumbrule)
  install(TARGETS plumbrule RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
  # Man pages are installed compressed, as Debian does; -n keeps the archive
  # free of a time stamp so the package is reproducible.
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/plumbrule-calc.1.gz)
  add_custom_command(OUTPUT ${man_page}
    COMMAND gzip -9 -n -c ${PLUMBRULE_DATA_DIR}/plumbrule-calc.1 > ${man_page}
    DEPENDS ${PLUMBRULE_DATA_DIR}/plumbrule-calc.1
    COMMENT "Compressing the man page of plumbrule-calc")
  add_custom_target(plumbrule_man_page ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Debian package. The shared-library dependencies are generated from the
# installed programs by dpkg-shlibdeps.
set(PLUMBRULE_PACKAGE_MAINTAINER "Plumbrule developers <plumbrule@plumbrite.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_NAME plumbrule)
set(CPACK_PACKAGE_VENDOR "Plumbrite")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for building dimensions in feet, inches and fractions")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PLUMBRULE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
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

# The package check: builds the .deb from this (already built) tree, unpacks
# it and checks its files and metadata. Skipped when dpkg-deb is missing.
if(PLUMBRULE_BUILD_TESTS AND TARGET plumbrule AND TARGET plumbrule-calc)
  add_test(NAME package_deb
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check-package.sh
            ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(package_deb PROPERTIES LABELS package SKIP_RETURN_CODE 77
                       TIMEOUT 300)
endif()
