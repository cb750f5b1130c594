# The Windows build's tests run under Wine, all in one session that a fixture
# starts before the first and ends after the last: a fresh prefix costs seconds.
# GoogleTest built from Debian's sources with the cross compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(VERMILO_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
set(wine_session ${CMAKE_CURRENT_LIST_DIR}/wine_session.sh)
add_test(NAME wine_session_start COMMAND ${wine_session} start ${VERMILO_WINE_SESSION})
add_test(NAME wine_session_stop COMMAND ${wine_session} stop ${VERMILO_WINE_SESSION})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 400)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)
# Test programs built from here on start inside that session.
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_session} run ${VERMILO_WINE_SESSION})

# A test that runs in the Wine session: COMMAND as add_test takes it (a target
# name runs through the emulator).
function(vermilo_add_wine_test name)
    add_test(NAME ${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine)
endfunction()
