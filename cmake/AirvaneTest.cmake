# airvane_add_test(NAME name SOURCES ... LIBS ... [TIMEOUT s] [ENV VAR=value ...])
# One GoogleTest program registered with ctest. Its main (tests/support) gives every run
# a private temporary HOME, AIRVANE_HOME and XDG_RUNTIME_DIR, so tests never touch the
# user's own files and never see each other's.
function(airvane_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} airvane_test_main GTest::gtest GTest::gmock)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QTEST_DISABLE_STACK_DUMP=1;AIRVANE_BUILD_DIR=${CMAKE_BINARY_DIR};${T_ENV}")
endfunction()
