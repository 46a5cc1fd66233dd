# Windows test executables run under Wine, in a Wine prefix made fresh for each ctest run: the
# fixture's first test boots it, every Wine test requires it, and its last test ends the
# prefix's processes. WINE64 and WINESERVER come from the toolchain file.
include_guard(GLOBAL)

set(DECKPLATE_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine_prefix")
# A UTF-8 locale, so Wine passes Chinese arguments and file names between Linux and Windows
# unchanged; no display, so nothing opens a window; libcsv.dll, made beside the two programs
# (dependencies.cmake), on the PATH of every test executable in its own folder.
set(DECKPLATE_WINE_ENVIRONMENT
    "WINEPREFIX=${DECKPLATE_WINE_PREFIX}" WINEDEBUG=-all LC_ALL=C.UTF-8 DISPLAY=
    "WINEPATH=Z:$<TARGET_FILE_DIR:csv>")

set(wine_prefix_script "${CMAKE_CURRENT_LIST_DIR}/wine_prefix.sh")
add_test(NAME wine_prefix_boot COMMAND "${wine_prefix_script}" boot "${WINE64}" "${WINESERVER}")
add_test(NAME wine_prefix_end COMMAND "${wine_prefix_script}" end "${WINE64}" "${WINESERVER}")
set_tests_properties(wine_prefix_boot PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine_prefix)
set_tests_properties(wine_prefix_boot wine_prefix_end
                     PROPERTIES ENVIRONMENT "${DECKPLATE_WINE_ENVIRONMENT}")

# deckplate_add_wine_test(NAME COMMAND command...): a test that starts Windows programs. A
# Windows executable target as the command runs through Wine by itself (the toolchain's
# emulator); a script gets the loader as ${WINE64}.
function(deckplate_add_wine_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND")
    add_test(NAME ${name} COMMAND ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix
                                            ENVIRONMENT "${DECKPLATE_WINE_ENVIRONMENT}")
endfunction()
