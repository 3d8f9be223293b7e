// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What the bare reference windows of the benches hold, on every platform: a
// menu bar and a grid of 27 buttons, as many controls as the menu has.
#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace bench {

inline void fillBareWindow(QMainWindow& window)
{
    window.setObjectName(QStringLiteral("BareWindow"));
    window.setWindowTitle(QStringLiteral("Finestra"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Esci"), qApp, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("Aiuto"))->addAction(QStringLiteral("Informazioni"));
    auto* grid = new QWidget(&window);
    auto* layout = new QGridLayout(grid);
    for (int i = 0; i < 27; ++i)
        layout->addWidget(new QPushButton(QStringLiteral("Esercizio %1").arg(i + 1), grid), i / 4, i % 4);
    window.setCentralWidget(grid);
}

} // namespace bench
