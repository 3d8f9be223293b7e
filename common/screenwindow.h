// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The base of every window of the program: a main window whose client area
// is a Board designed in twips. F11 toggles full screen. The menu bar, where
// there is one, grows and shrinks with the window as the board does, so it
// stays in proportion on a whiteboard. Tab and Shift+Tab go through the
// board's controls in reading order, and Enter works a focused button as
// Space does.
#include <QElapsedTimer>
#include <QFont>
#include <QMainWindow>
#include <QPointer>

class QAbstractButton;

namespace brasti {

class Board;
class FocusFrame;
struct AppContext;

class ScreenWindow : public QMainWindow {
    Q_OBJECT
public:
    ScreenWindow(AppContext& context, QSize clientTwips, QWidget* parent = nullptr);

    // The load step; whoever creates a screen calls it once, before showing it.
    virtual void load() = 0;

    Board* board() const { return board_; }
    AppContext& context() const { return context_; }
    // The window size at which the client area has its designed size.
    QSize designedWindowSize() const;
    // How much larger than designed the board is drawn now (1 at the designed size).
    double zoom() const;

    // Gives the keyboard focus to the first control in reading order.
    void focusFirstControl();
    // Whether the child is playing by keyboard: the last press was a key,
    // not the mouse or a finger. The focus frame shows only then.
    bool keyboardInUse() const;
    void setKeyboardInUse(bool inUse);
    FocusFrame* focusFrame() const { return focusFrame_; }

    // The button takes no Space or Enter for the next ms milliseconds
    // (the mouse still clicks it): a key meant for what came before must
    // not press what has just appeared.
    void ignoreKeysFor(QAbstractButton* button, int ms);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;

private:
    // The menu bar's font and height follow the window's zoom.
    void scaleMenuBar();

    Board* board_;
    // The menu bar as designed, taken when it is first scaled.
    QFont menuFont_;
    int menuFontPixels_ = 0;
    int designedMenuHeight_ = 0;
    int appliedMenuPixels_ = 0;
    int appliedMenuHeight_ = 0;
    FocusFrame* focusFrame_;
    // The button Enter went down on; it is clicked when Enter comes up on it.
    QPointer<QAbstractButton> enterDown_;
    // The button that takes no keys yet, since when, and for how long.
    QPointer<QAbstractButton> keysIgnored_;
    QElapsedTimer keysIgnoredSince_;
    int keysIgnoredMs_ = 0;
};

} // namespace brasti
