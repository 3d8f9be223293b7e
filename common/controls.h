// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Controls that behave as the designed ones: captions wrap within the
// control's width instead of being cut off.
#include "common/colours.h"

#include <QPushButton>
#include <QRadioButton>

class QFrame;

namespace brasti {

class Board;

// A box, bar, slot or strip of a board: a sunken picture box in one colour,
// with an Italian accessible name that says what it is. A rod lying on it
// says so in its own accessible description ("nella casella 2").
QFrame* makeBox(Board* board, QWidget* parent, const QString& objectName, const QString& accessibleName,
                QRect twips, Bgr colour);

// A target's tag text. A target tagged "occupato" holds a rod and ignores
// further drops until its screen clears the tag.
inline const QString kOccupato = QStringLiteral("occupato");
void setTag(QWidget* control, const QString& text);
QString tag(const QWidget* control);

// A push button whose caption wraps onto several lines; with an icon, the
// icon stands above the caption.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps onto several lines.
class WrapRadioButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace brasti
