// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/console.h"

namespace brasti {

void writeText(std::FILE* stream, const QString& text)
{
    // The terminal's own encoding, as the locale says (UTF-8 nearly always).
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace brasti
