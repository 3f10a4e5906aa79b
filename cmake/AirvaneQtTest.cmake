# airvane_add_qt_test(NAME name SOURCES ... LIBS ... [TIMEOUT s])
# One QtTest program (one test class: a crash in a second class hangs Qt 6.4's crash
# handler), run under the offscreen platform with a private runtime folder.
function(airvane_add_qt_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 60)
    endif()
    find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
    set(runtime_dir ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-runtime)
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_DISABLE_STACK_DUMP=1;XDG_RUNTIME_DIR=${runtime_dir}")
endfunction()
