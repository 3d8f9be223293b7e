// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The written-operations list List1: a line for each operation solved, to
// read, not to choose from, with the items of its own menu, "visibili"
// (ticked at first) and "invisibili". A hidden list still receives lines.
#include <QObject>
#include <QRect>

class QAction;
class QListWidget;
class QMenu;

namespace brasti {

class Board;

class OperationsList final : public QObject {
    Q_OBJECT
public:
    // The list at a place in the container, its items added to `menu`.
    OperationsList(Board* board, QWidget* container, QRect twips, QMenu* menu);

    QListWidget* list() const { return list_; }
    void addLine(const QString& line);
    void clear();
    void setShown(bool visible);

private:
    QListWidget* list_;
    QAction* visibili_;
    QAction* invisibili_;
};

} // namespace brasti
