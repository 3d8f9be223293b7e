// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Marks a text of a table, where no translation can run yet (the Qt-free
// models, the catalogue): lupdate collects it under the context given, and
// the code that shows it translates it with that context. Each screen's
// caption is one text: menu button, window title and the title on the screen.
#define BRASTI_TEXT(context, text) text
