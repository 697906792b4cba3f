# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one date of a build: the release date in the metainfo, the manual
# page's and the changelog's date, and every file time in the package. It is
# SOURCE_DATE_EPOCH when the caller sets it, else the time of the last
# commit, so that building the same commit again gives the same bytes.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VARNEL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  # Without git, the result is its error message, not 0.
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE VARNEL_SOURCE_DATE_EPOCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_result
                  ERROR_QUIET)
  if(NOT git_result EQUAL 0)
    # A source tree without its history: the date of this configuration.
    string(TIMESTAMP VARNEL_SOURCE_DATE_EPOCH "%s" UTC)
    message(STATUS "No commit to take the date from: dates are today's")
  endif()
endif()
if(NOT VARNEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a count of seconds: '${VARNEL_SOURCE_DATE_EPOCH}'")
endif()

# string(TIMESTAMP) reads the date from here.
set(ENV{SOURCE_DATE_EPOCH} "${VARNEL_SOURCE_DATE_EPOCH}")
string(TIMESTAMP VARNEL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP VARNEL_RELEASE_TIME_RFC5322 "%a, %d %b %Y %H:%M:%S +0000" UTC)
