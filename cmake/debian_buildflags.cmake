# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The compiler and linker flags that Debian builds its own packages with,
# every hardening feature on: fortified libc calls, strong stack protector,
# format checks, read-only relocations bound at start, position-independent.
# Run from the source folder, dpkg-buildflags maps that folder to "." in
# everything the compiler records, so the binary does not depend on where
# it was built.
find_program(VARNEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VARNEL_DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: the release build uses CMake's own flags")
  return()
endif()

foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${VARNEL_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(VARNEL_${kind} UNIX_COMMAND "${flags}")
endforeach()
add_compile_options(${VARNEL_CPPFLAGS} ${VARNEL_CXXFLAGS})
add_link_options(${VARNEL_LDFLAGS})
string(JOIN " " shown ${VARNEL_CPPFLAGS} ${VARNEL_CXXFLAGS} ${VARNEL_LDFLAGS})
message(STATUS "Debian build flags: ${shown}")
