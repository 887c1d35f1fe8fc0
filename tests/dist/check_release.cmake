# The newest release in the metainfo (the first one listed) must be the
# project's version, so software centres show the version that is installed.
# cmake -DMETAINFO=... -DVERSION=... -P check_release.cmake
file(READ ${METAINFO} text)
string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "newest release in ${METAINFO} is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()
