#pragma once
// The base of every window of the program: a main window whose client area
// is a Board designed in twips. F11 toggles full screen. The menu bar, where
// there is one, grows and shrinks with the window as the board does, so it
// stays in proportion on a whiteboard.
#include <QFont>
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
    void resizeEvent(QResizeEvent* event) override;

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
};

} // namespace brasti
