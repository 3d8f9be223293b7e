// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Runs a test program built for the browser under Node: node run-node.js
// PROGRAM.js [arguments]. Its exit status is the program's.
'use strict';
const path = require('path');
const create = require(path.resolve(process.argv[2]));
create({
    arguments: process.argv.slice(3),
    // The tests read their environment (BRASTI_TEST_SOUNDS) as on Linux.
    preRun: [module => Object.assign(module.ENV, process.env)],
    print: text => process.stdout.write(text + '\n'),
    printErr: text => process.stderr.write(text + '\n'),
}).catch(error => {
    process.stderr.write(String(error) + '\n');
    process.exit(1);
});
