# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The question maker on the desktop: its program beside the game, a menu entry,
# metainfo and manual page of its own (its icons are drawn with the game's).
configure_file(${CMAKE_CURRENT_LIST_DIR}/pimukaro-maker.metainfo.xml.in ${PIMUKARO_MAKER_ID}.metainfo.xml @ONLY)
install(TARGETS pimukaro-maker RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Named by its installed path, as the game's entry names the launcher.
install(CODE "
    set(PIMUKARO_MAKER_ID [[${PIMUKARO_MAKER_ID}]])
    set(PIMUKARO_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/pimukaro-maker\")
    include([[${CMAKE_CURRENT_LIST_DIR}/desktopexec.cmake]])
    configure_file([[${CMAKE_CURRENT_LIST_DIR}/pimukaro-maker.desktop.in]]
        [[${CMAKE_CURRENT_BINARY_DIR}/installed/${PIMUKARO_MAKER_ID}.desktop]] @ONLY)
")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/installed/${PIMUKARO_MAKER_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PIMUKARO_MAKER_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(maker_page ${CMAKE_CURRENT_BINARY_DIR}/pimukaro-maker.6)
add_custom_command(
    OUTPUT ${maker_page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/pimukaro-maker.6 ${maker_page}
    COMMAND gzip -9nf ${maker_page}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/pimukaro-maker.6
    VERBATIM
)
add_custom_target(pimukaro_maker_page ALL DEPENDS ${maker_page}.gz)
install(FILES ${maker_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
