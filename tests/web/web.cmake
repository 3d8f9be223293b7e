# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The browser build's tests: the Qt-free decisions (models, number words, the
# typed-answer reader, the bar filling, the tray shuffles, the readers of the
# settings and the sounds) from the same sources as on Linux, in one program
# run under Node. The page itself is played in Chromium by tests/web/play.py.
set(BRASTI_NODE_TEST_SOURCES
    common/tst_decisions.cpp common/tst_soundfile.cpp app/tst_settings.cpp
    exercises/ordering/tst_orderingmodel.cpp exercises/comparison/tst_comparisonmodel.cpp
    exercises/rodnumber/tst_rodnumbermodel.cpp exercises/composing/tst_composingmodel.cpp
    exercises/written/tst_writtenmodel.cpp)
list(TRANSFORM BRASTI_NODE_TEST_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
add_executable(brasti_node_tests ${CMAKE_CURRENT_SOURCE_DIR}/web/alltests.cpp ${BRASTI_NODE_TEST_SOURCES})
target_compile_definitions(brasti_node_tests PRIVATE BRASTI_TESTS_IN_ONE)
target_link_libraries(brasti_node_tests PRIVATE brasti_harness)
# The host's files (the sounds, temporary folders) as they are, the exit
# status for Node, the environment handed in by the runner.
target_link_options(brasti_node_tests PRIVATE "SHELL:-s NODERAWFS=1" "SHELL:-s EXIT_RUNTIME=1"
    "SHELL:-s EXPORTED_RUNTIME_METHODS=ENV" "SHELL:-s INITIAL_MEMORY=64MB")
find_program(BRASTI_NODE node REQUIRED)
# Emscripten 3.1.6 loads the .wasm with fetch() whenever there is one, which
# fails on a file path: Node's own is switched off.
add_test(NAME node_decisions
    COMMAND ${BRASTI_NODE} --no-experimental-fetch ${CMAKE_CURRENT_SOURCE_DIR}/web/run-node.js
            $<TARGET_FILE:brasti_node_tests>)
set_tests_properties(node_decisions PROPERTIES
    ENVIRONMENT "BRASTI_TEST_SOUNDS=${PROJECT_SOURCE_DIR}/assets/suoni" TIMEOUT 600)

# The random-event run in the page, for tests/web/play.py: its options come
# with the address (?seconds=60), and it writes its verdict to the console,
# where a fault shows with the names of the functions it went through.
qt_add_executable(brasti_web_robustness ${CMAKE_CURRENT_SOURCE_DIR}/robustness/robustness.cpp
    ${PROJECT_SOURCE_DIR}/bench/selfprobe_web.cpp)
set_target_properties(brasti_web_robustness PROPERTIES OUTPUT_NAME brasti
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/robustness-site)
target_include_directories(brasti_web_robustness PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(brasti_web_robustness PRIVATE brasti_harness)
target_link_options(brasti_web_robustness PRIVATE "SHELL:-s DYNAMIC_EXECUTION=0" --profiling-funcs)
add_dependencies(brasti_web_robustness brasti)
add_custom_command(TARGET brasti_web_robustness POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${BRASTI_SITE}/index.html ${BRASTI_SITE}/brasti-avvio.js
            ${BRASTI_SITE}/brasti.css ${PROJECT_BINARY_DIR}/robustness-site
    VERBATIM)
