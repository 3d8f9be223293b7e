#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""The web bench: the program (its probe, which can play rounds of every
screen) against a bare Qt Widgets window built the same way, each served on
127.0.0.1 and measured in the same headless Chromium, alternately:

  - the bytes the browser fetches on the first visit, as a server sends
    them gzip-compressed;
  - from navigation to the first frame;
  - the WebAssembly memory and the JavaScript heap after the start, and
    after 100 rounds of all 27 screens;
  - click to verdict painted, and click to the start of the sound.

    bench.py PROBE_FOLDER BARE_FOLDER [RUNS]
"""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium  # noqa: E402
from serve import Handler, Server  # noqa: E402

FIRST_FRAME = "performance.getEntriesByName('brasti-primo-fotogramma').length > 0"
MEMORY = ("({wasm: globalThis.brastiModule ? brastiModule.HEAP8.length : 0,"
          " js: performance.memory ? performance.memory.usedJSHeapSize : 0})")


def visit(browser, server, query=''):
    Handler.requests.clear()
    browser.navigate(server.url(query))
    browser.wait_for(FIRST_FRAME, 90, 'the first frame')
    browser.wait_for('globalThis.brastiModule !== undefined', 30, 'the module')
    frame = browser.evaluate("performance.getEntriesByName('brasti-primo-fotogramma')[0].startTime")
    return frame


def gzip_bytes(folder, paths):
    total = 0
    for path in set(paths):
        name = path.split('?')[0].lstrip('/') or 'index.html'
        file = os.path.join(folder, name)
        if os.path.isfile(file):
            with open(file, 'rb') as f:
                total += len(gzip.compress(f.read(), 6))
    return total


def heap(browser):
    browser.call('HeapProfiler.collectGarbage')
    return browser.evaluate(MEMORY)


def centre(browser, name):
    for line in browser.evaluate('brastiModule.brastiControlli()').splitlines()[1:]:
        parts = line.split('|')
        if parts[0] == name:
            x, y, w, h = map(int, parts[2].split())
            return x + w / 2, y + h / 2
    raise KeyError(name)


def click_to_verdict(browser):
    """Form9: a sign pressed, from the release of the button (the click)
    until the frame with the verdict is out; then "avanti", if the sign was
    the right one."""
    heard = len(browser.evaluate('globalThis.brastiSentito'))
    browser.click(*centre(browser, 'Command3'))
    painted = browser.evaluate('new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => '
                               'r(performance.now()))))')
    pressed = browser.evaluate('globalThis.brastiPremuto')
    sound = browser.evaluate('brastiModule.brastiAudio ? brastiModule.brastiAudio.started : 0')
    spoken = browser.evaluate('globalThis.brastiSentito')[heard:]
    if any(line.startswith('risposta esatta') for line in spoken):
        browser.click(*centre(browser, 'BottoneAvanti'))
    return painted - pressed, (sound - pressed) if sound > pressed else None


def median(values):
    return statistics.median(values) if values else float('nan')


def main():
    probe, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    servers = {'brasti': Server(probe), 'bare': Server(bare)}
    folders = {'brasti': probe, 'bare': bare}
    browser = Chromium()
    frames = {'brasti': [], 'bare': []}
    memory = {}
    fetched = {}
    try:
        for run in range(runs):
            for kind in ('brasti', 'bare'):
                frames[kind].append(visit(browser, servers[kind]))
                if run == 0:
                    time.sleep(1.5)  # the sounds arrive after the first frame
                    fetched[kind] = gzip_bytes(folders[kind], Handler.requests)
                    memory[kind] = heap(browser)
        # The program's rounds, and one answer by mouse.
        visit(browser, servers['brasti'])
        start = heap(browser)
        browser.evaluate('brastiModule.brastiGiri(10)')
        after10 = heap(browser)
        browser.evaluate('brastiModule.brastiGiri(90)')
        after100 = heap(browser)
        # The rounds end on the menu.
        browser.wait_for("brastiModule.brastiControlli().startsWith('FormMenu')", 30, 'the menu')
        browser.click(*centre(browser, 'Command10'))
        browser.wait_for("brastiModule.brastiControlli().startsWith('Form9')", 30, 'Form9')
        browser.evaluate("addEventListener('pointerup', () => { globalThis.brastiPremuto = performance.now(); },"
                         " {capture: true})")
        verdicts = [click_to_verdict(browser) for _ in range(9)]
    finally:
        browser.close()
        for server in servers.values():
            server.stop()

    def row(name, ours, theirs, unit, goal=None):
        ratio = ours / theirs if theirs else float('nan')
        verdict = '' if goal is None else ('  ok' if ratio <= goal else f'  OVER {goal}')
        print(f'| {name} | {ours:.1f} {unit} | {theirs:.1f} {unit} | {ratio:.2f}{verdict} |')

    print('| web, headless Chromium | Brasti | bare window | ratio |')
    print('|---|---|---|---|')
    row('first visit, gzip bytes', fetched['brasti'] / 1e6, fetched['bare'] / 1e6, 'MB', 1.15)
    row(f'navigation to first frame, median of {runs}', median(frames['brasti']), median(frames['bare']), 'ms',
        1.10)
    row('wasm memory after the start', memory['brasti']['wasm'] / 2**20, memory['bare']['wasm'] / 2**20, 'MiB',
        1.10)
    row('JavaScript heap after the start', memory['brasti']['js'] / 2**20, memory['bare']['js'] / 2**20, 'MiB')
    print(f'| wasm memory after the start / 10 / 100 rounds of 27 screens | '
          f'{start["wasm"] / 2**20:.1f} / {after10["wasm"] / 2**20:.1f} / {after100["wasm"] / 2**20:.1f} MiB | | |')
    print(f'| JavaScript heap after the start / 10 / 100 rounds | '
          f'{start["js"] / 2**20:.1f} / {after10["js"] / 2**20:.1f} / {after100["js"] / 2**20:.1f} MiB | | |')
    painted = [v[0] for v in verdicts]
    sounds = [v[1] for v in verdicts if v[1] is not None]
    print(f'| click to verdict painted, median of {len(painted)} | {median(painted):.1f} ms | | |')
    print(f'| click to start of the sound, median of {len(sounds)} | {median(sounds):.1f} ms | | |')
    return 0


if __name__ == '__main__':
    sys.exit(main())
