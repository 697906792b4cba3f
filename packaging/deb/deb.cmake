# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package whose dependencies come from the binary,
# with the documents Debian asks of every package, the same bytes on every
# build of one commit.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VENDOR "${VARNEL_DEVELOPERS}")
set(CPACK_PACKAGE_CONTACT "${VARNEL_DEVELOPERS} <${VARNEL_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Writes a patch that sets the pictures of a phone's main menu")
set(CPACK_PACKAGE_DESCRIPTION "Varnel writes a small text patch file (.vkp) for the firmware of an
older mobile phone: one picture for each of the twelve positions of its
main menu, and the key that opens the menu.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A Wayland desktop without an X server beside it needs Qt's Wayland plugin;
# the buttons of boxes and dialogs speak the user's language with Qt's own
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Modes must not follow the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack dates every member of the package by SOURCE_DATE_EPOCH; it reads it
# from its own environment, so the configured date is handed to it here.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE}
     CONTENT "set(ENV{SOURCE_DATE_EPOCH} \"@VARNEL_SOURCE_DATE_EPOCH@\")\n" @ONLY)
include(CPack)

# The compiler's version note is of no use in a stripped binary.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:varnel>\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# The manual page, the changelog and the copyright file, dated and signed
# with the values above; made when CMake configures, as a change to their
# sources configures again.
find_program(VARNEL_GZIP gzip REQUIRED)
set(docs ${PROJECT_BINARY_DIR}/doc)
configure_file(docs/varnel.1.in ${docs}/varnel.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${docs}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${docs}/copyright @ONLY)
foreach(file varnel.1 changelog)
  # -n: no name or time in the header, so the bytes depend on the text alone.
  execute_process(COMMAND ${VARNEL_GZIP} -9 -n -c ${docs}/${file} OUTPUT_FILE ${docs}/${file}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${docs}/varnel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

# The checks of the package that CPack made: Debian's tools on it, two more
# builds of the commit to the same bytes, and an install, start and removal.
option(VARNEL_PACKAGE_CHECKS "Check the package as tests" OFF)
if(VARNEL_PACKAGE_CHECKS)
  enable_testing()
  set(deb ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_NAME}_${PROJECT_VERSION})
  foreach(check check install_remove reproducible)
    add_test(NAME deb_${check} COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/${check}.sh ${deb}
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  endforeach()
  list(JOIN VARNEL_ICON_SIZES " " sizes)
  set_tests_properties(deb_check deb_install_remove deb_reproducible PROPERTIES LABELS package
                       ENVIRONMENT "VARNEL_APP_ID=${VARNEL_APP_ID};VARNEL_ICON_SIZES=${sizes}"
                       SKIP_RETURN_CODE 77 RESOURCE_LOCK dpkg)
  set_tests_properties(deb_reproducible PROPERTIES TIMEOUT 1200)
endif()
