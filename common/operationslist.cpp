// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/operationslist.h"

#include "common/board.h"
#include "common/spoken.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>

namespace brasti {
namespace {

// The frame's texts, translated where the frame's other texts are.
QString frameText(const char* text)
{
    return QCoreApplication::translate("brasti::ExerciseScreen", text);
}

} // namespace

OperationsList::OperationsList(Board* board, QWidget* container, QRect twips, QMenu* menu)
    : QObject(container), list_(new QListWidget(container))
{
    list_->setObjectName(QStringLiteral("List1"));
    list_->setAccessibleName(frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "operazioni scritte")));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    board->place(list_, twips);
    board->setFontPoints(list_, 9.75);

    visibili_ = menu->addAction(frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "visibili")));
    visibili_->setObjectName(QStringLiteral("mnuVisibili"));
    visibili_->setCheckable(true);
    visibili_->setChecked(true);
    connect(visibili_, &QAction::triggered, this, [this] { setShown(true); });
    invisibili_ = menu->addAction(frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "invisibili")));
    invisibili_->setObjectName(QStringLiteral("mnuInvisibili"));
    invisibili_->setCheckable(true);
    connect(invisibili_, &QAction::triggered, this, [this] { setShown(false); });
}

void OperationsList::addLine(const QString& line)
{
    auto* item = new QListWidgetItem(line, list_);
    // Its signs in words for the ear: a speech engine says nothing for " - ".
    item->setData(Qt::AccessibleTextRole, spoken::operationInWords(line));
    list_->scrollToBottom();
}

void OperationsList::clear()
{
    list_->clear();
}

void OperationsList::setShown(bool visible)
{
    visibili_->setChecked(visible);
    invisibili_->setChecked(!visible);
    list_->setVisible(visible);
}

} // namespace brasti
