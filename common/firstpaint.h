// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Work that waits until a window's first frame is out, so that it adds
// nothing to start-up: the sounds, the page's loading line.
#include <QObject>
#include <functional>

class QWidget;

namespace brasti {

// Runs `then` from the event loop once the paint pass that first draws
// `window` is over; never if `context` goes first, or `window` before it
// was painted.
void afterFirstPaint(QWidget* window, QObject* context, std::function<void()> then);

} // namespace brasti
