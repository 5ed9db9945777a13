# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time: PIMUKARO_LAUNCHER as the desktop entry's Exec key wants
# a program path, quoted when it holds a space. Characters that would need
# escapes twice over (in the Exec key and in the entry's strings) stop here.
if(PIMUKARO_LAUNCHER MATCHES "[\"`$\\\\%\n]")
    message(FATAL_ERROR "The install folder ${PIMUKARO_LAUNCHER} can not be named in a desktop entry.")
endif()
if(PIMUKARO_LAUNCHER MATCHES "[ \t'<>~|&;*?#()]")
    set(PIMUKARO_LAUNCHER "\"${PIMUKARO_LAUNCHER}\"")
endif()
