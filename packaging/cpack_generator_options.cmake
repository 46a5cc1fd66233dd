# Read by cpack for each generator it runs (CPACK_PROJECT_CONFIG_FILE): the setup program and
# the ZIP of one version differ in name by -setup.
if(CPACK_GENERATOR STREQUAL "NSIS")
  string(APPEND CPACK_PACKAGE_FILE_NAME -setup)
endif()
