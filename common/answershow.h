// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// A right answer shown on the board after a wrong try, as a teacher shows it
// at the desk: each rod glides to its place, a pressed button shows pressed,
// a typed answer appears letter by letter, and screen readers hear each move
// as it happens. Nothing the child does reaches the board meanwhile; at the
// end, or when stopped, everything goes back to where the child left it.
// The animation runs only while a play lasts.
#include "common/solution.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVariantAnimation>
#include <vector>

class QLineEdit;

namespace brasti {

class Board;
class Notice;
class Place;

// One move of a shown answer, on a screen's own widgets. A rod glides round
// the rods on its way (common/glideroute.h); a run of rods going back, or of
// rods laid each into a place of its own, may be played in another order
// where the given one would leave a rod no way round. Only where no order
// does (upright rods standing taller than the room above them) it passes
// over them lifted, as a child's drag does.
struct ShownMove {
    Move::Kind kind = Move::Kind::Lay;
    QPointer<QWidget> item; // the rod laid, the button or rod pressed, the box typed in
    QRect to;               // Lay, Back: where the rod comes to lie, in twips of its container
    QPointer<Place> place;  // Lay: the place it lies in, which says where
    QString text;           // Type

    static ShownMove lay(QWidget* rod, Place* place, QRect to);
    static ShownMove back(QWidget* rod, QRect to);
    static ShownMove press(QWidget* control);
    static ShownMove type(QLineEdit* box, const QString& text);
};

class AnswerShow final : public QObject {
    Q_OBJECT
public:
    // `spared` (the button that starts and stops a play) still takes the
    // mouse and its own keys while the rest of the board takes nothing.
    AnswerShow(Board* board, Notice* notice, QWidget* spared);
    ~AnswerShow() override;

    // Plays the moves from the board as it is; refused while one plays or
    // when there is nothing to show.
    bool play(std::vector<ShownMove> moves);
    // Stops a play and puts everything back; `tell`: screen readers hear
    // that it is the child's turn, as at a play's end.
    void stop(bool tell = false);
    bool isPlaying() const { return playing_; }

    // How long one rod glides (on a straight way; up to twice as long round
    // other rods), one rod goes back after "Ricomincia", one press shows, one
    // letter takes, and the finished answer stays before the board is given back.
    static constexpr int kLayMs = 500;
    static constexpr int kBackMs = 300;
    static constexpr int kPressMs = 400;
    static constexpr int kLetterMs = 120;
    static constexpr int kHoldMs = 1200;
    // All of them scaled, for tests that play many answers.
    static void setPace(double factor);

signals:
    // After the board was given back, at the end or stopped.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Saved {
        QPointer<QWidget> item;
        QRect rect;
        QPointer<QWidget> below; // the sibling just above it, to stack it back under
    };

    void beginMove();
    // Puts the moves in the order they are played, and finds each rod's way.
    void planWays();
    void step(double t);
    void nextMove();
    void remember(QWidget* item);
    void restore();
    void run(int ms, QEasingCurve::Type easing);

    Board* board_;
    Notice* notice_;
    QPointer<QWidget> spared_;
    QVariantAnimation animation_;
    std::vector<ShownMove> moves_;
    std::size_t at_ = 0;
    bool playing_ = false;
    bool holding_ = false;
    QRect from_;
    std::vector<std::vector<QPoint>> ways_; // by move: the corners of a rod's way
    std::vector<Saved> saved_;
    std::vector<std::pair<QPointer<QLineEdit>, QString>> texts_;
};

} // namespace brasti
