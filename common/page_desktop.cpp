// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/page.h"

namespace brasti {

void preparePage() {}

bool pageSpeaks()
{
    return false;
}

void speakInPage(const QString&) {}

bool programCanEnd()
{
    return true;
}

bool windowsFillPage()
{
    return false;
}

void pageShown() {}

} // namespace brasti
