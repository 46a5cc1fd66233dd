# What the packages say about the libraries they contain: each library's version and licence
# text as Debian, whose packages the build takes them from, records them. Read at configure
# time, so the notices always name what this machine's build links in.

# deckplate_package_version(VAR PACKAGE): the upstream version of the installed Debian package
# PACKAGE, in numbers and dots (12.2.0-14+deb12u1 gives 12.2.0, 2.1.2+ds-1 gives 2.1.2).
function(deckplate_package_version var package)
  execute_process(
    COMMAND dpkg-query --show --showformat=\${Version} ${package}
    OUTPUT_VARIABLE version
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT version MATCHES "^([0-9]+:)?([0-9][0-9.]*[0-9])")
    message(FATAL_ERROR "Debian package ${package} is not installed: run scripts/install-deps.sh")
  endif()
  set(${var} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()

# deckplate_licence_text(VAR COPYRIGHT LICENCE [PLAIN]): the text of the licence named LICENCE in
# the Debian copyright file COPYRIGHT (its first "License: LICENCE" field that has one). As the
# copyright file writes it (each line indented by one space, an empty line written " ."), or
# with PLAIN as plain text.
function(deckplate_licence_text var copyright licence)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${copyright})
  file(READ ${copyright} content)
  string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" name "${licence}")
  if(NOT content MATCHES "\nLicense: ${name}\n(( [^\n]*\n)+)")
    message(FATAL_ERROR "${copyright} has no text of the licence ${licence}")
  endif()
  set(text "${CMAKE_MATCH_1}")
  if(ARGV3 STREQUAL "PLAIN")
    set(text "\n${text}")
    foreach(pass 1 2)  # a match takes the line end that the next empty line would start with
      string(REGEX REPLACE "\n \\.\n" "\n\n" text "${text}")
    endforeach()
    string(REGEX REPLACE "\n " "\n" text "${text}")
    string(SUBSTRING "${text}" 1 -1 text)
  elseif(ARGC GREATER 3)
    message(FATAL_ERROR "deckplate_licence_text: unknown option ${ARGV3}")
  endif()
  string(REGEX REPLACE "([^ \n]) +\n" "\\1\n" text "${text}")  # blanks at line ends
  string(REGEX REPLACE "\n$" "" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
