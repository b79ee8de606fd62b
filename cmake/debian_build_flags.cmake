# The compiler and linker flags Debian builds its packages with, from dpkg-buildflags, with every
# hardening feature on: fortified string and memory functions, the stack protector, read-only
# relocations bound at start-up, a position-independent program. Every build of the game takes
# them, so the tests run the program exactly as the package ships it. A packager's own
# DEB_BUILD_MAINT_OPTIONS and DEB_*FLAGS_APPEND settings still apply through dpkg-buildflags.
option(VORLIN_DEBIAN_BUILD_FLAGS "Build with the flags of dpkg-buildflags, all hardening on" ON)
if(NOT VORLIN_DEBIAN_BUILD_FLAGS)
  return()
endif()

find_program(DPKG_BUILDFLAGS_PROGRAM dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS_PROGRAM)
  message(FATAL_ERROR "dpkg-buildflags is missing: install the Debian package dpkg-dev, or "
                      "configure with -DVORLIN_DEBIAN_BUILD_FLAGS=OFF")
endif()

# The flags of one kind (CPPFLAGS, CXXFLAGS, LDFLAGS) as dpkg-buildflags prints them.
function(vorlin_debian_build_flags kind result)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
            "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
            ${DPKG_BUILDFLAGS_PROGRAM} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(${result} "${flags}" PARENT_SCOPE)
endfunction()

vorlin_debian_build_flags(CPPFLAGS vorlin_cppflags)
vorlin_debian_build_flags(CXXFLAGS vorlin_cxxflags)
vorlin_debian_build_flags(LDFLAGS vorlin_ldflags)
message(STATUS "Debian build flags: ${vorlin_cppflags} ${vorlin_cxxflags} ${vorlin_ldflags}")
separate_arguments(vorlin_compile_flags UNIX_COMMAND "${vorlin_cppflags} ${vorlin_cxxflags}")
separate_arguments(vorlin_link_flags UNIX_COMMAND "${vorlin_ldflags}")
add_compile_options(${vorlin_compile_flags})
add_link_options(${vorlin_link_flags})
# Position-independent code throughout, so the program links as a position-independent executable.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
