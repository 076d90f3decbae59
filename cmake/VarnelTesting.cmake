include(GoogleTest)

# varnel_add_gtest(NAME [SERVER] SOURCES a.cpp b.cpp LIBS lib1 lib2)
# A GoogleTest executable whose cases ctest lists one by one. Tests run with the offscreen Qt platform;
# with SERVER they need the tests' PostgreSQL server, which they reach through support/TestServer.h.
function(varnel_add_gtest name)
  cmake_parse_arguments(ARG "SERVER" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} varnel_config varnel_test_support GTest::gtest GTest::gmock
    GTest::gtest_main)
  set(fixture)
  if(ARG_SERVER)
    set(fixture FIXTURES_REQUIRED test_server)
  endif()
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${fixture}
    DISCOVERY_TIMEOUT 60)
endfunction()

# One throwaway PostgreSQL server for every server test of this build tree, started before the first
# and stopped after the last by CTest's fixture; its socket lives in a folder named after the build tree,
# so that two trees on one machine never share a server.
string(MD5 varnel_tree_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${varnel_tree_hash}" 0 12 varnel_tree_hash)
set(VARNEL_TEST_SERVER_DIR "/tmp/varnel-pg-${varnel_tree_hash}")
set(VARNEL_TEST_SERVER "postgresql:///postgres?host=${VARNEL_TEST_SERVER_DIR}&port=5432&user=varnel")
add_test(NAME test_server_start
  COMMAND ${CMAKE_SOURCE_DIR}/tests/support/test_server.sh start ${VARNEL_TEST_SERVER_DIR})
add_test(NAME test_server_stop
  COMMAND ${CMAKE_SOURCE_DIR}/tests/support/test_server.sh stop ${VARNEL_TEST_SERVER_DIR})
set_tests_properties(test_server_start PROPERTIES FIXTURES_SETUP test_server TIMEOUT 120)
set_tests_properties(test_server_stop PROPERTIES FIXTURES_CLEANUP test_server)

# varnel_run_on_server(TARGET): the logic tests of TARGET run a second time, each on a database of its
# own on the tests' server, named "server." and their name.
function(varnel_run_on_server target)
  gtest_discover_tests(${target} TEST_PREFIX "server."
    PROPERTIES ENVIRONMENT "VARNEL_TEST_ENGINE=server" FIXTURES_REQUIRED test_server
    DISCOVERY_TIMEOUT 60)
endfunction()
