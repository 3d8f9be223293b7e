#pragma once
// Rods and their drag and drop.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace brasti {

class Board;

inline constexpr int kUnitTwips = 350;

enum class RodStance { Flat, Upright };

// Rod k: a filled rectangle in rod k's colour, k units long. The tray is
// the set "brasti"; a screen with further rods of a number ("brasti1",
// "brasti2") makes them with their own set name and the same number.
class Rod final : public QWidget {
    Q_OBJECT
public:
    Rod(int number, QWidget* parent, const QString& set = QStringLiteral("brasti"));
    int number() const { return number_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int number_;
};

// A given rod shown on a board ("brasto", "brasto1", …): it takes the look of
// rod k, but it is no rod of the tray. It cannot be dragged and takes no
// drops, so a rod dropped on it is dropped on nothing. Its size is the
// screen's business.
class RodCopy final : public QWidget {
    Q_OBJECT
public:
    RodCopy(const QString& name, QWidget* parent);
    // Takes rod k's colour and name; 0 shows nothing.
    void showRod(int k);
    int number() const { return number_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int number_ = 0;
};

using DropHandler = std::function<void(Rod*)>;

// Drags rods the way a classic automatic drag mode does: a press on an
// enabled rod starts the drag at once and an outline follows the pointer; on
// release the topmost control under the pointer receives the drop if it is
// enabled and has a handler. The rod itself moves only if a handler moves it.
// Mouse events synthesised from touch take the same road.
class RodDragger final : public QObject {
    Q_OBJECT
public:
    explicit RodDragger(Board* board);

    void addRod(Rod* rod);
    void setDropHandler(QWidget* target, DropHandler handler);
    bool hasDropHandler(const QWidget* target) const;
    Rod* draggedRod() const { return dragged_; }
    // The control a drop at this board point would reach, or nullptr.
    QWidget* dropTargetAt(QPoint boardPoint, const Rod* ignore) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(Rod* rod, QPoint boardPoint);
    void follow(QPoint boardPoint);
    void finish(QPoint boardPoint);
    void cancel();

    Board* board_;
    QWidget* outline_;
    QPointer<Rod> dragged_;
    QPoint grabOffset_;
    std::vector<std::pair<QPointer<QWidget>, DropHandler>> handlers_;
};

} // namespace brasti
