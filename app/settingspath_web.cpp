// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// In a browser nothing is stored or read from a file: the settings come with
// the page's address.
#include "app/pagesettings.h"
#include "app/settingsfile.h"

#include <emscripten.h>

#include <cstdlib>

namespace brasti {
namespace {

// clang-format off
EM_JS(char*, brastiPageQuery, (), {
    const query = (globalThis.location && location.search) || "";
    const size = lengthBytesUTF8(query) + 1;
    const text = _malloc(size);
    stringToUTF8(query, text, size);
    return text;
});

EM_JS(char*, brastiPageAddress, (), {
    const address = globalThis.location ? location.origin + location.pathname : "";
    const size = lengthBytesUTF8(address) + 1;
    const text = _malloc(size);
    stringToUTF8(address, text, size);
    return text;
});
// clang-format on

} // namespace

QString settingsFilePath()
{
    return QString();
}

QString systemSettingsFilePath()
{
    return QString();
}

QString startQuery()
{
    char* query = brastiPageQuery();
    const QString text = QString::fromUtf8(query);
    std::free(query);
    return text;
}

// Nothing is stored in a browser: the settings travel in a link.
bool settingsAreSaved()
{
    return false;
}

QString pageAddress()
{
    char* address = brastiPageAddress();
    const QString text = QString::fromUtf8(address);
    std::free(address);
    return text;
}

} // namespace brasti
