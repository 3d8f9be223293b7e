// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Main function for the Qt tests: headless, with a private runtime folder so
// the offscreen platform and the audio stack stay quiet and independent.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

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
