# Test programs build in about half the time: each precompiles GoogleTest's header once instead of
# parsing it in every test file, and compiles its own code unoptimised. The code under test, in
# the libraries the tests link, keeps the build's optimisation, so a release build's tests still
# check release code.

# Every test program (a target that links GoogleTest) in the folder and the folders below it.
function(deckplate_speed_up_test_programs folder)
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    deckplate_speed_up_test_programs(${subfolder})
  endforeach()
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(libraries MATCHES "GTest::")
      target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
      target_compile_options(${target} PRIVATE -O0)
    endif()
  endforeach()
endfunction()
