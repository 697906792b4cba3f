# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages (made and checked by make windows-test):
# varnel-<version>-win64.zip and an installer made by CPack's NSIS generator
# (Debian's nsis runs makensis on Linux).
# Included at the end of the top directory, when Qt's version is known.
# Only a static Qt gives the one-file program these packages are made of.

get_target_property(qt_type Qt6::Core TYPE)
if(NOT qt_type STREQUAL "STATIC_LIBRARY")
  return()
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_VENDOR "${VARNEL_DEVELOPERS}")
set(CPACK_PACKAGE_CONTACT "${VARNEL_CONTACT}")
set(CPACK_PACKAGE_FILE_NAME "varnel-${PROJECT_VERSION}-win64")
# The installer must not be taken for the program itself.
set(CPACK_VARNEL_INSTALLER_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
# The folder under the user's Programs; CPack names the installer and its
# uninstall entry after it too.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Varnel)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# Read by NSIS.template.in, which replaces CPack's own: that
# one asks for administrator rights and installs for all users.
set(CPACK_VARNEL_EXE varnel.exe)
set(CPACK_VARNEL_ICON "${PROJECT_SOURCE_DIR}/ui/art/varnel.ico")
# Drawn by tools/make_art.py from the program's own artwork.
set(CPACK_VARNEL_WELCOME_PICTURE "${CMAKE_CURRENT_LIST_DIR}/welcome.bmp")
set(CPACK_VARNEL_LANGUAGES "${CMAKE_CURRENT_LIST_DIR}/languages.nsh")

# varnel.exe holds Qt and the libraries bundled with it, and the MinGW-w64
# run-time; their notices travel with it, taken from the copyright files of
# the Debian packages whose sources were built.
set(VARNEL_NOTICE_SOURCES
  "Qt (Debian's qt6-base source package)=/usr/share/doc/libqt6core6/copyright"
  "MinGW-w64 run-time and winpthreads=/usr/share/doc/mingw-w64-x86-64-dev/copyright"
  "GCC run-time libraries (libstdc++, libgcc)=/usr/share/doc/gcc-mingw-w64-base/copyright")
set(notices "${PROJECT_BINARY_DIR}/THIRD-PARTY.txt")
file(WRITE "${notices}"
  "varnel.exe is linked statically with the software below. Its copyright and\n"
  "licence notices follow, as Debian ships them with the packages built from\n"
  "the same sources.\n")
foreach(entry IN LISTS VARNEL_NOTICE_SOURCES)
  string(REGEX MATCH "^([^=]*)=(.*)$" _ "${entry}")
  # A missing file fails the configuration, with its name.
  file(READ "${CMAKE_MATCH_2}" text)
  file(APPEND "${notices}" "\n\n==== ${CMAKE_MATCH_1} ====\n\n${text}")
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in
               ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt ${notices} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# Checked as a user meets them, under Wine (make windows-test). Set up
# before include(CPack), which leaves the source package's name in
# CPACK_PACKAGE_FILE_NAME.
if(VARNEL_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
  add_test(NAME windows_packages COMMAND sh ${PROJECT_SOURCE_DIR}/tests/support/x11.sh
           sh ${CMAKE_CURRENT_LIST_DIR}/check.sh $<TARGET_FILE:varnel>
           ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip ${PROJECT_BINARY_DIR}/${CPACK_VARNEL_INSTALLER_NAME}.exe)
  set_tests_properties(windows_packages PROPERTIES LABELS package FIXTURES_REQUIRED wine
                       ENVIRONMENT "${VARNEL_WINE_ENV}")
endif()

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_per_generator.cmake)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
