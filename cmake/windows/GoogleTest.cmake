# The Windows build's GoogleTest module: it stands in for CMake's, which lists a test
# executable's cases and then starts each case as a process of its own. Under Wine a process
# costs 0.3 to 1 s, so here gtest_discover_tests() makes the whole executable one ctest test,
# run once, and every case's result goes to test_results/<target>.xml beside it.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/wine_tests.cmake)

function(gtest_discover_tests target)
    if(ARGN)
        message(FATAL_ERROR "gtest_discover_tests(${target} ${ARGN}): the Windows build's "
                            "version (cmake/windows/GoogleTest.cmake) takes no options yet")
    endif()
    if(target IN_LIST DECKPLATE_WINDOWS_LEFT_OUT_TESTS)
        set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
        return()
    endif()
    deckplate_add_wine_test(${target} COMMAND ${target}
                            --gtest_output=xml:test_results/${target}.xml)
endfunction()
