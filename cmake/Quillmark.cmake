# Helpers that give every Quillmark target the same warnings, output folders and test rules.
include(GoogleTest)

set(QM_PROGRAM_DIR "${CMAKE_BINARY_DIR}/bin")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${QM_PROGRAM_DIR}")

function(qm_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
        -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QM_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# qm_library(NAME SOURCES... [QT] [DEPENDS libs...])
# A static library of one folder; QT marks a library that may include Qt (windows, glue).
function(qm_library name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    if(ARG_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PUBLIC Qt6::Widgets)
    endif()
    qm_warnings(${name})
endfunction()

# qm_test(NAME SOURCES... DEPENDS libs... [TIMEOUT seconds] [QT])
# A GoogleTest program whose cases CTest runs one by one, each with a timeout, offscreen. QT
# gives it the QApplication its window tests need.
function(qm_test name)
    cmake_parse_arguments(ARG "QT" "TIMEOUT" "SOURCES;DEPENDS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    if(ARG_QT)
        list(APPEND ARG_SOURCES "${PROJECT_SOURCE_DIR}/tests/support/QtApplication.cpp")
        list(APPEND ARG_DEPENDS Qt6::Widgets)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    qm_warnings(${name})
    # The environment comes from env(1) in front of the test program: gtest_discover_tests
    # (CMake 3.25) would hand the discovered tests only the first entry of an ENVIRONMENT list.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
        "env;QT_QPA_PLATFORM=offscreen;QM_APP_DIR=${QM_PROGRAM_DIR};LC_ALL=C")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 30
        PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# qm_fuzzer(NAME SOURCE DEPENDS libs... [SEEDS files...] [ITERATIONS n])
# A fuzz target (LLVMFuzzerTestOneInput). With libFuzzer it is a fuzzer; otherwise it links a
# driver that feeds it ITERATIONS (3000) seeded random and mutated inputs, and CTest runs it as
# a test. Targets that do much work per input take fewer iterations, to stay quick under the
# sanitizers.
function(qm_fuzzer name source)
    cmake_parse_arguments(ARG "" "ITERATIONS" "DEPENDS;SEEDS" ${ARGN})
    if(NOT ARG_ITERATIONS)
        set(ARG_ITERATIONS 3000)
    endif()
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz")
    qm_warnings(${name})
    if(QM_LIBFUZZER)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        add_test(NAME ${name} COMMAND ${name} -runs=20000 -max_len=4096)
    else()
        target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/fuzz/FuzzDriver.cpp")
        add_test(NAME ${name} COMMAND ${name} ${ARG_ITERATIONS} ${ARG_SEEDS})
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# qm_benchmark(NAME SOURCES... DEPENDS libs...)
function(qm_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} benchmark::benchmark benchmark::benchmark_main)
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
    qm_warnings(${name})
endfunction()

# qm_folder(NAME DEPENDS libs... [UI_DEPENDS libs...])
# The libraries of one tool folder: qm_NAME from the engines and their qm commands (*.cpp at the
# folder's top, no Qt), qm_NAME_glue from the host glue (*Glue.cpp, no Qt) when there is any, and,
# when the folder has a ui/ subfolder, qm_NAME_ui from its windows (Qt). qm links no glue.
function(qm_folder name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;UI_DEPENDS" ${ARGN})
    file(GLOB engine_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    file(GLOB glue_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*Glue.cpp")
    file(GLOB ui_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp"
                                           "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h")
    if(glue_sources)
        list(REMOVE_ITEM engine_sources ${glue_sources})
    endif()
    if(NOT engine_sources)
        return()
    endif()
    qm_library(qm_${name} SOURCES ${engine_sources} DEPENDS ${ARG_DEPENDS})
    set(glue)
    if(glue_sources)
        qm_library(qm_${name}_glue SOURCES ${glue_sources} DEPENDS qm_${name} ${ARG_DEPENDS})
        set(glue qm_${name}_glue)
    endif()
    if(ui_sources)
        qm_library(qm_${name}_ui QT SOURCES ${ui_sources}
                   DEPENDS qm_${name} ${glue} qm_platform_qt ${ARG_UI_DEPENDS})
    endif()
endfunction()

# qm_folder_tests(NAME [DEPENDS libs...] [TIMEOUT s])
# One test program NAME_tests from every *.cpp of the test folder and of its ui/ subfolder,
# linked with qm_NAME and, when they exist, qm_NAME_glue and qm_NAME_ui.
function(qm_folder_tests name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "DEPENDS" ${ARGN})
    file(GLOB test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
                                             "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp")
    if(NOT test_sources OR NOT TARGET qm_${name})
        return()
    endif()
    set(libs qm_${name} qm_testsupport ${ARG_DEPENDS})
    if(TARGET qm_${name}_glue)
        list(APPEND libs qm_${name}_glue)
    endif()
    set(qt)
    if(TARGET qm_${name}_ui)
        list(APPEND libs qm_${name}_ui)
        set(qt QT)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    qm_test(${name}_tests SOURCES ${test_sources} DEPENDS ${libs} TIMEOUT ${ARG_TIMEOUT} ${qt})
endfunction()
