# Hardens every program the way Debian hardens its own packages: the flags
# that `dpkg-buildflags` adds for DEB_BUILD_MAINT_OPTIONS=hardening=+all
# (fortified functions, strong stack protector, full RELRO with immediate
# binding), taken from dpkg-buildflags itself so they follow the machine's
# Debian release and architecture, plus position-independent executables.
# The fortified functions need an optimised build; the release preset
# (default) turns this on.
option(KLANDOR_HARDENING "Harden as Debian's dpkg-buildflags hardening=+all does" OFF)
if(NOT KLANDOR_HARDENING)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags (Debian's dpkg-dev) not found: the build is not hardened")
  return()
endif()

# The words of one dpkg-buildflags variable with every hardening feature on,
# less those it also has with every feature off (optimisation, debugging
# information, file prefix maps, and anything the caller's environment adds).
function(klandor_hardening_flags variable result)
  foreach(setting on off)
    set(features +all)
    if(setting STREQUAL off)
      set(features -all)
    endif()
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=${features}
              ${DPKG_BUILDFLAGS} --get ${variable}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(${setting} UNIX_COMMAND "${flags}")
  endforeach()
  foreach(flag IN LISTS off)
    list(REMOVE_ITEM on ${flag})
  endforeach()
  set(${result} ${on} PARENT_SCOPE)
endfunction()

klandor_hardening_flags(CPPFLAGS cppflags)
klandor_hardening_flags(CXXFLAGS cxxflags)
klandor_hardening_flags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

string(JOIN " " shown ${cppflags} ${cxxflags} ${ldflags})
message(STATUS "Hardened as dpkg-buildflags hardening=+all does: ${shown}")
