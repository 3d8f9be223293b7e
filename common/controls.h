// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Controls that behave as the designed ones: captions wrap within the
// control's width instead of being cut off, and a caption longer than the
// designed one (a translation, say) shrinks until it fits.
#include "common/colours.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class QFrame;

namespace brasti {

class Board;

// A target's tag text. A target tagged "occupato" holds a rod and ignores
// further drops until its screen clears the tag.
inline const QString kOccupato = QStringLiteral("occupato");
void setTag(QWidget* control, const QString& text);
QString tag(const QWidget* control);

// The largest font, no larger than the designed one, in which the text fits
// a box, wrapped at blanks when the flags say so. The designed font itself
// whenever the text fits it, so designed captions look as designed.
QFont fittedFont(const QFont& designed, QSize box, int flags, const QString& text);

// A label whose text shrinks to fit it, as the buttons' captions do.
class FitLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The font the text is drawn in now.
    QFont paintedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textFlags() const;
};

// A push button whose caption wraps onto several lines; with an icon, the
// icon stands above the caption.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;
    // The font the caption is drawn in now, and the box it must fit.
    QFont paintedFont() const;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps onto several lines.
class WrapRadioButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
    // The font the caption is drawn in now, and the box it must fit.
    QFont paintedFont() const;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace brasti
