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
  target_include_directories(${B_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${B_NAME} PUBLIC ${B_DEPS})
endfunction()

# One GoogleTest executable per test folder; every test runs headless.
#   bravent_tests(NAME <exe> DIR <dir> DEPS ...)
function(bravent_tests)
  cmake_parse_arguments(B "" "NAME;DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${B_DIR}/*.cpp ${B_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${B_NAME} ${sources})
  target_link_libraries(${B_NAME} PRIVATE bravent_test_support ${B_DEPS})
  gtest_discover_tests(${B_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
