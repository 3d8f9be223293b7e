#pragma once
// The base of every window of the program: a main window whose client area
// is a Board designed in twips. F11 toggles full screen.
#include <QMainWindow>

namespace brasti {

class Board;
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

protected:
    AppContext& context_;

private:
    Board* board_;
};

} // namespace brasti
