# The Windows edition: a ZIP, for those who cannot install software, and a setup program
# (makensis, from NSIS.template.in), both holding the two programs, a quick start in Chinese,
# the example schedule and the licence.

# The quick start is UTF-8 with a byte-order mark and CR LF line ends, so that Notepad shows it
# right on Chinese and English Windows alike; the licence has CR LF line ends, as older Notepads
# need.
set(quick_start_source ${CMAKE_CURRENT_SOURCE_DIR}/windows_quick_start.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quick_start_source})
file(READ ${quick_start_source} quick_start_text)
string(ASCII 239 187 191 byte_order_mark)
set(quick_start ${CMAKE_CURRENT_BINARY_DIR}/使用说明.txt)
file(CONFIGURE OUTPUT ${quick_start} CONTENT "${byte_order_mark}${quick_start_text}" @ONLY
     NEWLINE_STYLE CRLF)
set(licence ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licence} @ONLY NEWLINE_STYLE CRLF)
# The setup program's licence page wraps lines to its own width: one line per paragraph.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
string(REGEX REPLACE "([^\n])\n([^\n])" "\\1 \\2" licence_text "${licence_text}")
set(licence_page ${CMAKE_CURRENT_BINARY_DIR}/licence_page.txt)
file(CONFIGURE OUTPUT ${licence_page} CONTENT "${licence_text}" @ONLY NEWLINE_STYLE CRLF)
install(FILES ${quick_start} ${licence} ${PROJECT_SOURCE_DIR}/docs/example_schedule.csv
        DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME ${package_name}-${PROJECT_VERSION}-windows-x64)
# The setup program's name ends in -setup (cpack_generator_options.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack_generator_options.cmake)

# The setup program: CPack's NSIS generator with this folder's NSIS.template.in.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR})
set(CPACK_NSIS_DISPLAY_NAME 平台钢铺板计算)
set(CPACK_PACKAGE_INSTALL_DIRECTORY DeckPlate)     # C:\Program Files\DeckPlate
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY DeckPlate)  # one uninstall entry, whatever the version
set(CPACK_RESOURCE_FILE_LICENSE ${licence_page})
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/win/deckplate.ico)  # deckplate.exe's own (win/)
