// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The page around the program, in a browser; on the desktop there is none and
// all of this does nothing (page_desktop.cpp, page_web.cpp).
//
// Qt gives the browser's screen readers nothing to read, so each sentence a
// notice says is also written into the page's live region, which every
// browser's screen reader speaks. On the desktop the accessibility bridge
// carries every notice.
#include <QString>

namespace brasti {

// Before the first window: in the browser, where there are no system fonts,
// the fonts the program is drawn in come with it, under the name the
// screens ask for (Arial).
void preparePage();

// Whether sentences go to the page: true in the browser alone.
bool pageSpeaks();
// The page's screen reader hears this sentence now.
void speakInPage(const QString& sentence);
// The program's first frame is out: the page's loading line goes.
void pageShown();

// Whether the program can end: a page cannot close itself, and a page whose
// program had ended would answer nothing, so in the browser it never ends.
bool programCanEnd();
// Whether every window fills the page, whatever size it asks for: true in
// the browser, where a window is the whole page and has no frame.
bool windowsFillPage();

} // namespace brasti
