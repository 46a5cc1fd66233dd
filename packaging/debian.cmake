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

# The copyright file in Debian's machine-readable format: its holders and licence text taken
# from LICENSE, so that the two never differ (a licence text's lines are indented by one space
# there, its empty lines written as " ."), and the libraries the programs link or compile in,
# named with their versions and licences.
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
deckplate_package_version(qt_version libqt6core6)
deckplate_package_version(libcsv_version libcsv3)
deckplate_package_version(minizip_version libminizip1)
deckplate_package_version(nlohmann_json_version nlohmann-json3-dev)
deckplate_package_version(cli11_version libcli11-dev)
deckplate_licence_text(bsd_3_clause_text /usr/share/doc/libcli11-dev/copyright BSD-3-clause)
configure_file(copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)

# The README with every document and picture it links to, in the same places relative to it,
# and with the documents those link to in turn: its links work in /usr/share/doc/deckplate as
# in the sources. Its link to LICENSE goes to the copyright file, which holds the licence.
set(readme ${CMAKE_CURRENT_BINARY_DIR}/README.md)
set(readme_documents)
set(unread README.md)
while(unread)
  list(POP_FRONT unread document)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${document})
  file(READ ${PROJECT_SOURCE_DIR}/${document} text)
  cmake_path(GET document PARENT_PATH folder)
  string(REGEX MATCHALL "\\]\\([^):#]+[)#]" links "${text}")  # not a URL, not #a-heading
  string(REGEX REPLACE "\\]\\(([^;]*).(;|$)" "\\1\\2" links "${links}")  # ](target) to target
  foreach(link IN LISTS links)
    cmake_path(APPEND folder ${link} OUTPUT_VARIABLE target)
    cmake_path(NORMAL_PATH target)
    if(target STREQUAL "LICENSE" OR target IN_LIST readme_documents)
      continue()
    endif()
    list(APPEND readme_documents ${target})
    if(target MATCHES "\\.md$")
      list(APPEND unread ${target})
    endif()
  endforeach()
endwhile()
file(READ ${PROJECT_SOURCE_DIR}/README.md text)
string(REPLACE "](LICENSE)" "](copyright)" text "${text}")
file(WRITE ${readme} "${text}")

add_custom_target(packaging_files ALL DEPENDS ${pngs} ${gzipped})

install(FILES deckplate.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
# Bay files (*.deckplate) as a file type of their own, which the menu entry opens.
install(FILES deckplate-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME deckplate.xml)
install(FILES deckplate.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/deckplate.1.gz ${CMAKE_CURRENT_BINARY_DIR}/deckplate-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${readme} ${PROJECT_SOURCE_DIR}/docs/example_schedule.csv
              ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${doc_dir})
foreach(document IN LISTS readme_documents)
  cmake_path(GET document PARENT_PATH folder)
  install(FILES ${PROJECT_SOURCE_DIR}/${document} DESTINATION ${doc_dir}/${folder})
endforeach()

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
