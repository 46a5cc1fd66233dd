# The Windows edition: a ZIP, for those who cannot install software, and a setup program
# (makensis, from NSIS.template.in), both holding the two programs and libcsv.dll, a quick start
# in Chinese, the example schedule, the licence, the notice of the third-party libraries
# (THIRD-PARTY.txt), in the folder libcsv\, libcsv's licence and source, and in the folder
# minizip\, the source of the minizip compiled into the programs.

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

# What the programs contain or load besides their own code, each with its licence: the notice
# in Chinese and English (UTF-8 with a byte-order mark and CR LF, as the quick start), with the
# versions and licence texts of the Debian packages this build took them from.
string(REGEX MATCH "libcsv_(([^_+-]+)[^_]*)\\.dsc" dsc "${DECKPLATE_LIBCSV_PACKAGE_FILES}")
set(libcsv_debian_version ${CMAKE_MATCH_1})
set(libcsv_version ${CMAKE_MATCH_2})
string(REGEX MATCH "minizip_(([^_+-]+)[^_]*)\\.dsc" dsc "${DECKPLATE_MINIZIP_PACKAGE_FILES}")
set(minizip_debian_version ${CMAKE_MATCH_1})
set(minizip_version ${CMAKE_MATCH_2})
deckplate_package_version(zlib_version libz-mingw-w64-dev)
execute_process(COMMAND dpkg-query --show --showformat=\${Version} libz-mingw-w64-dev
                OUTPUT_VARIABLE zlib_debian_version)
deckplate_package_version(nlohmann_json_version nlohmann-json3-dev)
deckplate_package_version(cli11_version libcli11-dev)
deckplate_package_version(mingw_version mingw-w64-x86-64-dev)
deckplate_package_version(gcc_version g++-mingw-w64-x86-64-posix)
set(mingw_copyright /usr/share/doc/mingw-w64-common/copyright)
deckplate_licence_text(libcsv_notice ${DECKPLATE_LIBCSV_SOURCE}/debian/copyright LGPL-2.1+ PLAIN)
deckplate_licence_text(zlib_text ${DECKPLATE_MINIZIP_SOURCE}/debian/copyright zlib PLAIN)
deckplate_licence_text(expat_text /usr/share/doc/nlohmann-json3-dev/copyright Expat PLAIN)
deckplate_licence_text(bsd_3_clause_text /usr/share/doc/libcli11-dev/copyright BSD-3-clause PLAIN)
deckplate_licence_text(zpl_text ${mingw_copyright} ZPL-2.1 PLAIN)
deckplate_licence_text(lockless_text ${mingw_copyright} BSD-3-clause-Lockless PLAIN)
deckplate_licence_text(lucent_text ${mingw_copyright} Lucent PLAIN)
deckplate_licence_text(david_gay_text ${mingw_copyright} David-Gay PLAIN)
deckplate_licence_text(keith_marshall_text ${mingw_copyright} Keith-Marshall PLAIN)
set(notice_source ${CMAKE_CURRENT_SOURCE_DIR}/third_party_windows.txt.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${notice_source})
file(READ ${notice_source} notice_text)
string(CONFIGURE "${byte_order_mark}${notice_text}" notice_text @ONLY)
string(REPLACE "\n" "\r\n" notice_text "${notice_text}")  # the licence texts' lines too
set(notice ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt)
file(WRITE ${notice} "${notice_text}")

# libcsv's licence, CR LF for Notepad, and Debian's source package libcsv.dll is built from.
file(READ ${DECKPLATE_LIBCSV_SOURCE}/COPYING.LESSER lgpl_text)
string(REPLACE "\n" "\r\n" lgpl_text "${lgpl_text}")
set(lgpl ${CMAKE_CURRENT_BINARY_DIR}/libcsv/COPYING.LESSER.txt)
file(WRITE ${lgpl} "${lgpl_text}")

install(FILES ${quick_start} ${licence} ${notice} ${PROJECT_SOURCE_DIR}/docs/example_schedule.csv
              $<TARGET_FILE:csv>
        DESTINATION .)
install(FILES ${lgpl} ${DECKPLATE_LIBCSV_PACKAGE_FILES} DESTINATION libcsv)
install(FILES ${DECKPLATE_MINIZIP_PACKAGE_FILES} DESTINATION minizip)

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
