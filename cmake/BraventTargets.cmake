# The meta-object compiler scans a target's files once; a file added later (the
# glob picks it up at the next configure) would not be scanned in an existing
# build directory. A stamp that changes with the file list makes it scan again.
function(bravent_rescan_moc_on_new_files target sources)
  string(SHA1 digest "${sources}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.stamp)
  set(previous "")
  if(EXISTS ${stamp})
    file(READ ${stamp} previous)
    string(STRIP "${previous}" previous)
  endif()
  if(NOT previous STREQUAL digest)
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp
                ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}_autogen.dir/ParseCache.txt)
    file(WRITE ${stamp} "${digest}\n")
  endif()
endfunction()

# One library target per folder, built from every source file in it (sub-folders
# included), so adding a file needs no edit here.
#   bravent_library(NAME <target> KIND SHARED|STATIC DIR <dir> [DEPS ...] [EXCLUDE <subdir>...])
function(bravent_library)
  cmake_parse_arguments(B "" "NAME;KIND;DIR" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${B_DIR}/*.cpp ${B_DIR}/*.h ${B_DIR}/*.qrc)
  foreach(ex IN LISTS B_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${B_DIR}/${ex}/")
  endforeach()
  if(NOT sources)
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${B_NAME}_empty.cpp)
    file(WRITE ${stub} "// placeholder until the folder has code\n")
    set(sources ${stub})
  endif()
  add_library(${B_NAME} ${B_KIND} ${sources})
  bravent_rescan_moc_on_new_files(${B_NAME} "${sources}")
  target_include_directories(${B_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${B_NAME} PUBLIC ${B_DEPS})
endfunction()

# One GoogleTest executable per test folder; every test runs headless.
#   bravent_tests(NAME <exe> DIR <dir> [FILTER <gtest filter>] DEPS ...)
function(bravent_tests)
  cmake_parse_arguments(B "" "NAME;DIR;FILTER" "DEPS" ${ARGN})
  if(NOT B_FILTER)
    set(B_FILTER "*")
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${B_DIR}/*.cpp ${B_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${B_NAME} ${sources})
  bravent_rescan_moc_on_new_files(${B_NAME} "${sources}")
  target_link_libraries(${B_NAME} PRIVATE bravent_test_support ${B_DEPS})
  gtest_discover_tests(${B_NAME}
    TEST_FILTER "${B_FILTER}"
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
