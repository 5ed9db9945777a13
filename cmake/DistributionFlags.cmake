# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The optimised builds a package is made from are hardened as Debian hardens
# its own packages (`DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags`)
# and name no folder of the machine they were built on, so that the same
# commit gives the same bytes wherever it is built. Debug builds keep their
# real paths for the debugger; the sanitizer build brings its own checks.

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
if(NOT PIMUKARO_SANITIZE)
    # Fortified string and memory functions need the optimiser to see sizes.
    add_compile_definitions("$<${optimised}:_FORTIFY_SOURCE=2>")
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)

# Qt asks for position-independent code; programs are then linked as PIE.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# The later, longer map wins for files in a build folder inside the sources.
add_compile_options(
    "$<${optimised}:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
    "$<${optimised}:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
