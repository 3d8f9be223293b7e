// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What screen readers are told beyond the controls' names: where each rod
// lies, and every verdict as it comes. Descriptions are worked out only when
// a screen reader asks, and events go out only while one listens, so none of
// this costs anything otherwise.
#include <QString>

class QWidget;

namespace brasti {

// Rods and rod copies describe where they lie; the verdict icons are
// notices. Installed once, before the first screen is made.
void installAccessibility();

// A box, bar, slot or strip: a rod whose middle lies on it lies in it.
void markAsHolder(QWidget* control);
bool isHolder(const QWidget* control);

// Where something lies in the holder of that accessible name, in Italian:
// "nella casella 2", "nel brasto da comporre", "nell'unità da comporre".
QString inPlace(const QString& holderName);

// Where a rod or rod copy lies: in the topmost holder of its container that
// holds its middle, or nowhere (empty) in the tray.
QString whereItLies(const QWidget* piece);

// A rod or rod copy was placed anew: its description may have changed.
void notePlaced(QWidget* control);

// The verdict icons' detail, read after their name: the counts, say.
void setNoticeDetail(QWidget* notice, const QString& detail);
QString noticeDetail(const QWidget* notice);
// The notice has news: screen readers are alerted, and told it is showing
// even when it was showing already, so that every verdict is spoken.
void announce(QWidget* notice, bool wasShowing);

} // namespace brasti
