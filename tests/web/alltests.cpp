// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The tests of the Qt-free decisions, built for the browser and run under
// Node: every test class of the program in turn, so that a fault of the web
// compiler or library shows up as a failing test.
#include "harness/testmain.h"

#include <QCoreApplication>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace harness {
namespace {

struct Registered {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<Registered>& registered()
{
    static std::vector<Registered> all;
    return all;
}

} // namespace

bool registerTestClass(const char* name, std::function<std::unique_ptr<QObject>()> make)
{
    registered().push_back({name, std::move(make)});
    return true;
}

} // namespace harness

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<harness::Registered> all = harness::registered();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return qstrcmp(a.name, b.name) < 0; });
    int failed = 0;
    for (const harness::Registered& test : all) {
        const std::unique_ptr<QObject> object = test.make();
        failed += QTest::qExec(object.get(), argc, argv);
    }
    // The exit status says how many failed, as a single test program's does.
    return std::min(failed, 127);
}
