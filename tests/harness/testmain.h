// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Main function for the Qt tests: headless, with a private runtime folder so
// the offscreen platform and the audio stack stay quiet and independent.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#if defined(BRASTI_TESTS_IN_ONE)
// The browser build runs the tests of the Qt-free decisions under Node, every
// test class in one program (tests/web/alltests.cpp): each class registers
// itself instead of bringing a main of its own.
#include <functional>
#include <memory>
namespace harness {
bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make);
}
#define BRASTI_TEST_MAIN(TestClass)                                                                      \
    static const bool brastiRegistered##TestClass =                                                       \
        harness::registerTestClass(#TestClass, [] { return std::unique_ptr<QObject>(new TestClass); });
#else
#define BRASTI_TEST_MAIN(TestClass)                                            \
    int main(int argc, char** argv)                                            \
    {                                                                          \
        QTemporaryDir runtimeDir;                                              \
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))                    \
            qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                    \
            qputenv("QT_QPA_PLATFORM", "offscreen");                           \
        QApplication app(argc, argv);                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                               \
        TestClass tc;                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                             \
        return QTest::qExec(&tc, argc, argv);                                  \
    }
#endif
