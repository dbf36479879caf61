# Warnings and strict Qt defines for every target of ours.
function(decl_setup_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wsuggest-override -Werror)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER)
endfunction()

# A library of ours: decl_library(name SOURCES ... LIBS ...)
function(decl_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    decl_setup_target(${name})
endfunction()

# A program of ours, built into build/bin.
function(decl_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    decl_setup_target(${name})
endfunction()

# A Qt Test executable run by CTest with the environment every test expects:
# offscreen windows, a fixed time zone and locale, and no display server so message
# boxes of the command-line programs go to stderr.
function(decl_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test decl_testsupport)
    decl_setup_target(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 600)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC;LC_ALL=C.UTF-8;LANG=C.UTF-8;DISPLAY=;WAYLAND_DISPLAY=;DECL_BIN_DIR=${CMAKE_BINARY_DIR}/bin;DECL_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
