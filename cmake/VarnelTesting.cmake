include(GoogleTest)

# varnel_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# A GoogleTest executable whose cases ctest lists one by one. Tests run with the offscreen Qt platform.
function(varnel_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/InstallApplicationIdentity.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} varnel_config varnel_test_support GTest::gtest GTest::gmock
    GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
