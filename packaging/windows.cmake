# The Windows edition's ZIP: the two programs, a quick start in Chinese, the example schedule
# and the licence.

# The quick start is UTF-8 with a byte-order mark and CR LF line ends, so that Notepad shows it
# right on Chinese and English Windows alike; the licence has CR LF line ends, as older
# Notepads need.
set(quick_start_source ${CMAKE_CURRENT_SOURCE_DIR}/windows_quick_start.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quick_start_source})
file(READ ${quick_start_source} quick_start_text)
string(ASCII 239 187 191 byte_order_mark)
set(quick_start ${CMAKE_CURRENT_BINARY_DIR}/使用说明.txt)
file(CONFIGURE OUTPUT ${quick_start} CONTENT "${byte_order_mark}${quick_start_text}" @ONLY
     NEWLINE_STYLE CRLF)
set(licence ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licence} @ONLY NEWLINE_STYLE CRLF)
install(FILES ${quick_start} ${licence} ${PROJECT_SOURCE_DIR}/docs/example_schedule.csv
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${package_name}-${PROJECT_VERSION}-windows-x64)
