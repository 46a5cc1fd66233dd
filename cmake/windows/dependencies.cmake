# The libraries of the Windows build. Debian ships them for Linux only, so the Windows build
# compiles them from Debian's sources with MinGW and answers the libraries' find_package() and
# find_path()/find_library() calls with what it built:
#
#   GoogleTest     /usr/src/googletest (package googletest)
#   libcsv         Debian's source package, fetched by scripts/install-deps.sh to build/deps/libcsv
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

# libcsv as a static library; schedule/ finds it through the two variables its find_path() and
# find_library() fill, which are left alone once set.
set(DECKPLATE_LIBCSV_SOURCE "${PROJECT_SOURCE_DIR}/build/deps/libcsv"
    CACHE PATH "Debian's libcsv sources, unpacked (scripts/install-deps.sh)")
if(NOT EXISTS "${DECKPLATE_LIBCSV_SOURCE}/libcsv.c")
    message(FATAL_ERROR "No libcsv sources in ${DECKPLATE_LIBCSV_SOURCE}: "
                        "run scripts/install-deps.sh, which fetches them")
endif()
enable_language(C)
add_library(csv STATIC "${DECKPLATE_LIBCSV_SOURCE}/libcsv.c")
# Third-party code: -Wall -Wextra -Werror hold this project's own code, not libcsv's.
set_target_properties(csv PROPERTIES COMPILE_OPTIONS "")
target_include_directories(csv SYSTEM PUBLIC "${DECKPLATE_LIBCSV_SOURCE}")
set(CSV_INCLUDE_DIR "${DECKPLATE_LIBCSV_SOURCE}" CACHE PATH "libcsv's csv.h" FORCE)
set(CSV_LIBRARY csv CACHE STRING "libcsv, built from Debian's sources" FORCE)
