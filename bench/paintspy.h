// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Sees every Paint event of the application and notes the first one that
// matches what the benchmark waits for: a window's first frame, a label
// repainted with its new text.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace bench {

class PaintSpy final : public QObject {
public:
    using Match = std::function<bool(QWidget*)>;

    // Watches the whole application from now on.
    explicit PaintSpy(QObject* parent = nullptr);

    // Forgets what was seen and waits for a Paint on a widget that `match`
    // accepts. `afterPass`, if given, runs from the event loop once the paint
    // pass that drew the match (the whole window, flushed) is over.
    void expect(Match match, std::function<void()> afterPass = {});
    bool seen() const { return seen_; }
    // Processes events until the match was painted; returns once that paint
    // pass is over.
    void waitPainted();

    // Runs `move`, which shows a new window and drops the old one, and
    // returns once the new window (`current()` afterwards) is painted and
    // the old one deleted.
    void switchAndWait(const std::function<void()>& move, const std::function<QWidget*()>& current);

    // Anything in the top-level window with this object name.
    static Match inWindowNamed(const QString& name);
    // Anything in this window.
    static Match inWindow(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Match match_;
    std::function<void()> afterPass_;
    bool seen_ = true;
};

} // namespace bench
