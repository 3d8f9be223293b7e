// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/counters.h"

#include "common/board.h"
#include "common/counting.h"

#include <QCoreApplication>
#include <QLabel>

namespace brasti {
namespace {

// The frame's texts, translated where the frame's other texts are.
QString frameText(const char* text)
{
    return QCoreApplication::translate("brasti::ExerciseScreen", text);
}

QLabel* makeLabel(Board* board, const QString& name, const QString& text, QRect place, double points)
{
    auto* label = new QLabel(text, board);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    board->place(label, place);
    board->setFontPoints(label, points);
    return label;
}

} // namespace

Counters::Counters(Board* board, const FrameLayout& layout)
    : area_(layout.label1 | layout.esatti | layout.label2 | layout.errati)
{
    const double points = layout.counterFontPoints;
    makeLabel(board, QStringLiteral("Label1"), frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "Esatti")),
              layout.label1, points);
    rightLabel_ = makeLabel(board, QStringLiteral("EtichettaEsatti"), QStringLiteral("quantiesatti"), layout.esatti,
                            points);
    makeLabel(board, QStringLiteral("Label2"), frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "Errati")),
              layout.label2, points);
    wrongLabel_ = makeLabel(board, QStringLiteral("EtichettaErrati"), QStringLiteral("quantierrati"), layout.errati,
                            points);
}

void Counters::countRight()
{
    right_ = countUp(right_);
    rightLabel_->setText(QString::fromStdString(countCaption(right_)));
}

void Counters::countWrong()
{
    wrong_ = countUp(wrong_);
    wrongLabel_->setText(QString::fromStdString(countCaption(wrong_)));
}

void Counters::reset()
{
    right_ = 0;
    wrong_ = 0;
    rightLabel_->setText(QStringLiteral("0"));
    wrongLabel_->setText(QStringLiteral("0"));
}

QString Counters::spoken() const
{
    return frameText(QT_TRANSLATE_NOOP("brasti::ExerciseScreen", "esatti %1, errati %2")).arg(right_).arg(wrong_);
}

} // namespace brasti
