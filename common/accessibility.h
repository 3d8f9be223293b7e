// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What screen readers are told beyond the controls' names: where each rod
// lies, and every verdict as it comes. Descriptions are worked out only when
// a screen reader asks, and events go out only while one listens, so none of
// this costs anything otherwise.
#include <QString>
#include <QWidget>

#include <functional>

namespace brasti {

class PictureBox;

// Rods and rod copies describe where they lie; the verdict icons are
// notices. Installed once, before the first screen is made.
void installAccessibility();

// Where a rod or rod copy lies: in the topmost place of its container that
// holds its middle ("nella casella 2"), or nowhere (empty) in the tray.
QString whereItLies(const QWidget* piece);

// A rod or rod copy was placed anew: its description may have changed.
void notePlaced(QWidget* control);

// A verdict icon has news: screen readers are alerted, and told it is
// showing even when it was showing already, so that every verdict is spoken.
void announce(PictureBox* notice, bool wasShowing);

// Whether a screen reader listens: without one nothing is worked out or sent.
bool screenReaderListens();

// A notice that screen readers speak when it has news, as they speak the
// verdicts: the problem just posed, or where a rod now lies. It shows
// nothing and no pointer or key reaches it. Its text is worked out only
// when a screen reader asks.
class Notice final : public QWidget {
    Q_OBJECT
public:
    // With a source, the text is the source's answer whenever asked.
    Notice(const QString& objectName, QWidget* parent, std::function<QString()> source = {});

    QString text() const;
    void setSource(std::function<QString()> source) { source_ = std::move(source); }
    // Screen readers hear this text now.
    void say(const QString& text);
    // Screen readers hear the source's text once the event being handled is
    // over and the window is shown and active. Several calls before then
    // make one; nothing goes out for a window that was closed meanwhile.
    void announceSoon();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void post();
    void flush();
    void send();

    std::function<QString()> source_;
    QString text_;
    bool pending_ = false;
    bool posted_ = false;
};

} // namespace brasti
