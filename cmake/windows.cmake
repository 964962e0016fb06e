# With STELUX_WINDOWS=ON the Linux build also cross-builds the Qt-free core
# and its unit tests for Windows (cmake/windows, mingw-w64) into
# <build>/windows; its tests, run under wine, join this build's test run.
# STELUX_ERFA_QUELLE names the unpacked source of Debian's erfa package.
option(STELUX_WINDOWS "Cross-build the core and its tests for Windows, run them under wine" OFF)
if(STELUX_WINDOWS)
  include(ExternalProject)
  set(STELUX_ERFA_QUELLE "" CACHE PATH "unpacked erfa source (Debian source package erfa)")
  set(STELUX_WINDOWS_BAU ${CMAKE_BINARY_DIR}/windows CACHE PATH "build folder of the Windows build")
  # As many compile jobs as cores: the inner build runs beside the outer one.
  cmake_host_system_information(RESULT kerne QUERY NUMBER_OF_LOGICAL_CORES)
  ExternalProject_Add(stelux_windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/windows
    BINARY_DIR ${STELUX_WINDOWS_BAU}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=Release -DSTELUX_ERFA_QUELLE=${STELUX_ERFA_QUELLE}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j ${kerne}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  file(WRITE ${CMAKE_BINARY_DIR}/windows_tests.cmake "subdirs(\"${STELUX_WINDOWS_BAU}\")\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows_tests.cmake)
endif()
