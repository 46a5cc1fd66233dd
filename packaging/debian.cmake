# The Debian package: the menu entry and its icons, the manual pages, and the documents every
# Debian package carries (the copyright file, the changelog) besides the README and the
# example schedule.

set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package_name})
find_program(GZIP gzip REQUIRED)

# The menu entry and its icon: the SVG for scalable themes, PNGs drawn from it at the sizes
# menus, panels and docks ask for.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(pngs)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${package_name}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
            ${CMAKE_CURRENT_SOURCE_DIR}/deckplate.svg
    DEPENDS deckplate.svg
    VERBATIM)
  list(APPEND pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual pages with this version in their footer, and the changelog, compressed as Debian
# keeps them (-n: no name or time stamp inside, so the same source gives the same package).
set(gzipped)
foreach(page IN ITEMS deckplate deckplate-cli)
  set(man ${CMAKE_CURRENT_BINARY_DIR}/${page}.1)
  configure_file(${page}.1.in ${man} @ONLY)
  list(APPEND gzipped ${man})
endforeach()
configure_file(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog COPYONLY)
list(APPEND gzipped ${CMAKE_CURRENT_BINARY_DIR}/changelog)
foreach(file IN LISTS gzipped)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND ${GZIP} -9n --force --keep ${file}
    DEPENDS ${file}
    VERBATIM)
endforeach()
list(TRANSFORM gzipped APPEND .gz)

# The copyright file in Debian's machine-readable format, its holders and licence text taken
# from LICENSE, so that the two never differ. A licence text's lines are indented by one
# space there, its empty lines written as " .".
set(licence_file ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_file})
file(READ ${licence_file} licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission .*)")
  message(FATAL_ERROR "${licence_file}: no \"Copyright (c)\" line followed by the licence text")
endif()
set(copyright_holders ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file(copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)

add_custom_target(packaging_files ALL DEPENDS ${pngs} ${gzipped})

install(FILES deckplate.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES deckplate.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/deckplate.1.gz ${CMAKE_CURRENT_BINARY_DIR}/deckplate-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/example_schedule.csv
              ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${doc_dir})

# Who answers for the package; set it to a real address when packages leave the team.
set(DECKPLATE_MAINTAINER "The DeckPlate authors <deckplate@example.org>"
    CACHE STRING "Maintainer of the Debian package: Name <address>")
set(CPACK_PACKAGE_CONTACT ${DECKPLATE_MAINTAINER})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # deckplate_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link (Qt 6, libcsv, the C++ runtime) are found by dpkg-shlibdeps.
# Qt loads its platform plugins at run time, where dpkg-shlibdeps cannot see them: without
# qt6-qpa-plugins the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own words (OK in a message box) in Chinese, and the font the window's fixed boxes are
# sized for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
