# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Starts Debian's screen reader Orca for a test, privately: its preferences
# in a folder of the test's, no speech server, and every sentence it would
# speak written at once, line by line, into a log the test reads.
#
#   /usr/bin/python3 orca_speech.py LOG PREFERENCES_FOLDER
#
# Orca's own launcher is not used: without --replace it refuses to start
# while any other Orca of the same user runs, and --replace kills them all.
# Its --debug-file log is block-buffered, so the last sentences could sit
# unwritten while the test waits for them.
import sys

sys.prefix = '/usr'
log_path, prefs = sys.argv[1], sys.argv[2]

from orca import debug  # noqa: E402


class SpeechLog:
    """Orca's debug output reduced to the lines of what it speaks."""

    def __init__(self, path):
        self._file = open(path, 'w', buffering=1, encoding='utf-8')
        # Not a file on disk: Orca then leaves its crash handler on stderr.
        self.name = path + '.none'

    def writelines(self, parts):
        text = ''.join(parts)
        if 'SPEECH OUTPUT:' in text:
            self._file.write(text if text.endswith('\n') else text + '\n')

    def write(self, text):
        self.writelines([text])

    def flush(self):
        self._file.flush()


debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = SpeechLog(log_path)

from orca import orca  # noqa: E402

manager = orca.getSettingsManager()
manager.activate(prefs, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
