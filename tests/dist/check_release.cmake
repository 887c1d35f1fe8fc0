# The newest release in the metainfo and in the changelog (the first one each
# lists) must be the project's version, so software centres and the package
# show the version that is installed.
# cmake -DMETAINFO=... -DCHANGELOG=... -DVERSION=... -P check_release.cmake
file(READ ${METAINFO} text)
string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "newest release in ${METAINFO} is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()

file(READ ${CHANGELOG} text)
string(REGEX MATCH "^klandor \\(([^)]*)\\)" found "${text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "newest entry in ${CHANGELOG} is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()
