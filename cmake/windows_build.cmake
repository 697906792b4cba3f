# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: lean executables and, with a static Qt (the cross build of
# varnel.exe, tools/windows_qt.sh), the Qt plug-ins that each one links.
# Included before the subdirectories; the plug-in choice runs at the end of
# the top directory, once every target exists.

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # One section per function and datum, so that the linker drops whatever
  # nothing reaches; release executables go out stripped.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

function(varnel_collect_targets dir out)
  get_property(found DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    varnel_collect_targets("${sub}" more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Whether `target` links `lib`, directly or through the libraries it links.
function(varnel_links_to target lib out)
  set(seen "")
  set(queue ${target})
  while(NOT queue STREQUAL "")
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current STREQUAL lib)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(imported ${current} IMPORTED)
    if(imported)
      continue()
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libs ${current} ${property})
      if(NOT libs)
        continue()
      endif()
      foreach(l IN LISTS libs)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" l "${l}")
        list(APPEND queue ${l})
      endforeach()
    endforeach()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

function(varnel_windows_static_qt)
  if(NOT TARGET Qt6::Core)
    return()
  endif()
  get_target_property(qt_type Qt6::Core TYPE)
  if(NOT qt_type STREQUAL "STATIC_LIBRARY")
    return()
  endif()

  if(TARGET varnel)
    # The window's artwork is decoded when it is made: no image plug-in.
    qt_import_plugins(varnel EXCLUDE_BY_TYPE imageformats)
    # Where the bytes of varnel.exe come from (tools/exe_parts.sh reads it).
    target_link_options(varnel PRIVATE "-Wl,-Map=$<TARGET_FILE_DIR:varnel>/varnel.map")
  endif()

  # The start-up benchmark's two probes, built as varnel.exe is, for
  # tools/wine_startup.sh; only on request.
  set(probes "${PROJECT_SOURCE_DIR}/bench/startup")
  if(TARGET varnel AND EXISTS "${probes}/first_frame.cpp")
    add_library(varnel_first_frame_win STATIC EXCLUDE_FROM_ALL "${probes}/first_frame.cpp")
    target_link_libraries(varnel_first_frame_win PUBLIC Qt6::Widgets PRIVATE varnel_warnings)
    add_executable(probe_varnel WIN32 EXCLUDE_FROM_ALL "${probes}/probe_varnel.cpp")
    target_link_libraries(probe_varnel PRIVATE varnel_ui varnel_first_frame_win varnel_warnings)
    add_executable(probe_baseline WIN32 EXCLUDE_FROM_ALL "${probes}/probe_baseline.cpp")
    target_link_libraries(probe_baseline PRIVATE varnel_first_frame_win varnel_warnings)
    foreach(probe probe_varnel probe_baseline)
      target_include_directories(${probe} PRIVATE "${probes}")
      qt_import_plugins(${probe} EXCLUDE_BY_TYPE imageformats)
    endforeach()
  endif()

  # Qt Test programs draw off screen. Under Wine they run through a launcher:
  # Wine hands no QT_* variable to Windows programs, and Qt Test writes to
  # the debugger instead of standard output when there is no console window.
  varnel_collect_targets("${PROJECT_SOURCE_DIR}" targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
      continue()
    endif()
    varnel_links_to(${target} Qt6::Test qt_test)
    if(NOT qt_test)
      continue()
    endif()
    qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    if(CMAKE_CROSSCOMPILING AND VARNEL_WINE)
      set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR
                   sh "${PROJECT_SOURCE_DIR}/tools/wine_qtest.sh")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL varnel_windows_static_qt)

if(VARNEL_BUILD_UI)
  # A Windows program sits at the top of its folder.
  set(CMAKE_INSTALL_BINDIR .)
  # Deferred arguments are read when the call runs, hence the eval.
  cmake_language(EVAL CODE
    "cmake_language(DEFER CALL include [[${CMAKE_CURRENT_LIST_DIR}/windows_packaging.cmake]])")
endif()
