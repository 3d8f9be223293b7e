// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/program.h"

int main(int argc, char** argv)
{
    return brasti::runProgram(argc, argv);
}
