# The libraries of the Windows build. Debian ships them for Linux only, so the Windows build
# compiles them from Debian's sources with MinGW and answers the libraries' find_package() and
# find_path()/find_library() calls with what it built:
#
#   GoogleTest     /usr/src/googletest (package googletest)
#   libcsv         Debian's source packages, fetched by scripts/fetch-windows-sources.sh into
#   minizip        build/deps/ (the Windows build's only download)
#   zlib           Debian's libz-mingw-w64-dev, built for MinGW already
#   nlohmann-json  header-only: its own folder of /usr/include, never /usr/include as a whole,
#   CLI11          which would put Linux's C library headers before MinGW's

include_guard(GLOBAL)

# find_package() looks in this folder before anywhere else; a config file here names a target
# this build defines instead of a package installed for Linux.
function(deckplate_provide_package package)
    file(WRITE "${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${package}-config.cmake"
         "# Provided by cmake/windows/dependencies.cmake\n")
endfunction()

# GoogleTest, built with this build's compiler; it defines GTest::gtest and GTest::gtest_main.
set(BUILD_GMOCK OFF CACHE BOOL "")
set(INSTALL_GTEST OFF CACHE BOOL "")
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
deckplate_provide_package(gtest)

# Header-only libraries: a folder of links to their own header folders.
set(host_headers "${CMAKE_BINARY_DIR}/host_headers")
file(MAKE_DIRECTORY "${host_headers}")
foreach(folder nlohmann CLI)
    if(NOT EXISTS "/usr/include/${folder}")
        message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps.sh")
    endif()
    file(CREATE_LINK "/usr/include/${folder}" "${host_headers}/${folder}" SYMBOLIC)
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE "${host_headers}")
deckplate_provide_package(nlohmann_json)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE "${host_headers}")
deckplate_provide_package(cli11)

# libcsv (LGPL-2.1+) as a DLL of its own, libcsv.dll, so that the programs link it as the licence
# lets them be shipped: a user may put another build of libcsv.dll in its place. It is made
# beside deckplate.exe and deckplate-cli.exe, where the packages have it too; the test
# executables in other folders find it through WINEPATH (wine_tests.cmake). schedule/ finds it
# through the two variables its find_path() and find_library() fill, which are left alone once
# set. The packages also carry the source package it was built from, fetched with it.
set(DECKPLATE_LIBCSV_SOURCE "${PROJECT_SOURCE_DIR}/build/deps/libcsv"
    CACHE PATH "Debian's libcsv sources, unpacked (scripts/fetch-windows-sources.sh)")
set(DECKPLATE_LIBCSV_PACKAGE "${PROJECT_SOURCE_DIR}/build/deps/libcsv-package"
    CACHE PATH "Debian's libcsv source package as fetched: .dsc, .orig.tar.gz, .debian.tar.xz")
file(GLOB DECKPLATE_LIBCSV_PACKAGE_FILES "${DECKPLATE_LIBCSV_PACKAGE}/libcsv_*")
if(NOT EXISTS "${DECKPLATE_LIBCSV_SOURCE}/libcsv.c" OR NOT DECKPLATE_LIBCSV_PACKAGE_FILES)
    message(FATAL_ERROR "libcsv's Debian sources are missing (unpacked: "
                        "${DECKPLATE_LIBCSV_SOURCE}; as fetched: ${DECKPLATE_LIBCSV_PACKAGE}): "
                        "run scripts/fetch-windows-sources.sh, which fetches them")
endif()
enable_language(C)
add_library(csv SHARED "${DECKPLATE_LIBCSV_SOURCE}/libcsv.c")
set_target_properties(csv PROPERTIES
    # Third-party code: -Wall -Wextra -Werror hold this project's own code, not libcsv's.
    COMPILE_OPTIONS ""
    RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/app")
# libgcc linked in, as in the programs: the DLL needs no MinGW DLL beside it.
target_link_options(csv PRIVATE -static)
target_include_directories(csv SYSTEM PUBLIC "${DECKPLATE_LIBCSV_SOURCE}")
set(CSV_INCLUDE_DIR "${DECKPLATE_LIBCSV_SOURCE}" CACHE PATH "libcsv's csv.h" FORCE)
set(CSV_LIBRARY csv CACHE STRING "libcsv, built from Debian's sources" FORCE)

# minizip (zlib's contrib/minizip: the Word book's zip package) and zlib under it, both under the
# zlib licence, linked into the programs: the library made of Debian's minizip sources unchanged,
# zlib from Debian's MinGW build of it (libz-mingw-w64-dev). report/ finds them through the two
# variables its find_path() and find_library() fill. The packages carry minizip's source package,
# fetched with libcsv's, beside the notice that names it.
set(DECKPLATE_MINIZIP_SOURCE "${PROJECT_SOURCE_DIR}/build/deps/minizip"
    CACHE PATH "Debian's minizip sources, unpacked (scripts/fetch-windows-sources.sh)")
set(DECKPLATE_MINIZIP_PACKAGE "${PROJECT_SOURCE_DIR}/build/deps/minizip-package"
    CACHE PATH "Debian's minizip source package as fetched: .dsc, .orig.tar.xz, .debian.tar.xz")
file(GLOB DECKPLATE_MINIZIP_PACKAGE_FILES "${DECKPLATE_MINIZIP_PACKAGE}/minizip_*")
if(NOT EXISTS "${DECKPLATE_MINIZIP_SOURCE}/zip.c" OR NOT DECKPLATE_MINIZIP_PACKAGE_FILES)
    message(FATAL_ERROR "minizip's Debian sources are missing (unpacked: "
                        "${DECKPLATE_MINIZIP_SOURCE}; as fetched: ${DECKPLATE_MINIZIP_PACKAGE}): "
                        "run scripts/fetch-windows-sources.sh, which fetches them")
endif()
find_library(DECKPLATE_ZLIB_STATIC libz.a REQUIRED)
add_library(minizip STATIC "${DECKPLATE_MINIZIP_SOURCE}/zip.c" "${DECKPLATE_MINIZIP_SOURCE}/unzip.c"
                           "${DECKPLATE_MINIZIP_SOURCE}/ioapi.c")
set_target_properties(minizip PROPERTIES COMPILE_OPTIONS "")  # third-party code, as libcsv
target_include_directories(minizip SYSTEM PUBLIC "${DECKPLATE_MINIZIP_SOURCE}")
target_link_libraries(minizip PUBLIC "${DECKPLATE_ZLIB_STATIC}")
set(MINIZIP_INCLUDE_DIR "${DECKPLATE_MINIZIP_SOURCE}" CACHE PATH "minizip's zip.h" FORCE)
set(MINIZIP_LIBRARY minizip CACHE STRING "minizip, built from Debian's sources" FORCE)
