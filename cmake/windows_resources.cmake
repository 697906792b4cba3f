# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The icon and version information of the Windows executable, as an object
# library so that the cross build can check the resource script on its own.
enable_language(RC)
set(VARNEL_ICO "${PROJECT_SOURCE_DIR}/ui/art/varnel.ico")
configure_file(${PROJECT_SOURCE_DIR}/ui/varnel.rc.in ${PROJECT_BINARY_DIR}/varnel.rc @ONLY)
add_library(varnel_rc OBJECT ${PROJECT_BINARY_DIR}/varnel.rc)
