#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""The web bench: the program (its probe, which can play rounds of every
screen) against a bare Qt Widgets window built the same way, each served on
127.0.0.1 and measured in the same headless Chromium, alternately:

  - the bytes of the files the browser fetches on the first visit: as they
    lie (what a plain server sends), as their gzip and Brotli copies, and as
    this server sent them to this browser;
  - from navigation to the first frame, and so on a first visit over a
    school's 10 Mbit/s line, from a plain server and from one that sends
    the compressed copies;
  - the WebAssembly memory and the JavaScript heap after the start, and
    after 100 rounds of all 27 screens;
  - click to verdict painted, and click to the start of the sound.

    bench.py PROBE_FOLDER BARE_FOLDER [RUNS]
"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium  # noqa: E402
from serve import CODINGS, Handler, Server  # noqa: E402

FIRST_FRAME = "performance.getEntriesByName('brasti-primo-fotogramma').length > 0"
MEMORY = ("({wasm: globalThis.brastiModule ? brastiModule.HEAP8.length : 0,"
          " js: performance.memory ? performance.memory.usedJSHeapSize : 0})")


# A school's line, in bytes a second.
SCHOOL_LINE = 10e6 / 8


def visit(browser, server, query=''):
    Handler.requests.clear()
    Handler.sent.clear()
    browser.navigate(server.url(query))
    browser.wait_for(FIRST_FRAME, 90, 'the first frame')
    browser.wait_for('globalThis.brastiModule !== undefined', 30, 'the module')
    frame = browser.evaluate("performance.getEntriesByName('brasti-primo-fotogramma')[0].startTime")
    return frame


def sizes(file):
    """The bytes of a file as it lies and of each compressed copy (the file
    itself where there is none), and so as the codings name them."""
    plain = os.path.getsize(file)
    found = {'identity': plain}
    for coding, suffix in CODINGS:
        found[coding] = os.path.getsize(file + suffix) if os.path.isfile(file + suffix) else plain
    return found


def first_visit_bytes(folder):
    """The files the visit fetched, each once: their bytes every way, and
    what the server sent, with its codings."""
    answers = {path.split('?')[0]: (coding, size) for path, coding, size in Handler.sent}
    totals = {'identity': 0, **{coding: 0 for coding, _ in CODINGS}, 'served': 0}
    for path, (coding, size) in answers.items():
        for way, count in sizes(os.path.join(folder, path.lstrip('/') or 'index.html')).items():
            totals[way] += count
        totals['served'] += size
    totals['codings'] = ', '.join(sorted({coding for coding, _ in answers.values()}))
    return totals


def slow_first_frame(browser, folder, compress):
    """A first visit over a school's line: a server of its own on a new
    port, so nothing the browser kept from the visits before counts."""
    server = Server(folder, compress=compress)
    browser.call('Network.emulateNetworkConditions', offline=False, latency=20, downloadThroughput=SCHOOL_LINE,
                 uploadThroughput=SCHOOL_LINE)
    try:
        return visit(browser, server)
    finally:
        browser.call('Network.emulateNetworkConditions', offline=False, latency=0, downloadThroughput=-1,
                     uploadThroughput=-1)
        server.stop()


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
    slow = {(kind, compress): [] for kind in folders for compress in (False, True)}
    memory = {}
    fetched = {}
    try:
        for run in range(runs):
            for kind in ('brasti', 'bare'):
                frames[kind].append(visit(browser, servers[kind]))
                if run == 0:
                    time.sleep(1.5)  # the sounds arrive after the first frame
                    fetched[kind] = first_visit_bytes(folders[kind])
                    memory[kind] = heap(browser)
        for run in range(3):
            for (kind, compress), times in slow.items():
                times.append(slow_first_frame(browser, folders[kind], compress))
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
        places = 2 if unit == 'MB' else 1
        print(f'| {name} | {ours:.{places}f} {unit} | {theirs:.{places}f} {unit} | {ratio:.2f}{verdict} |')

    print('| web, headless Chromium | Brasti | bare window | ratio |')
    print('|---|---|---|---|')
    for way, name in (('identity', 'as the files lie'), ('gzip', 'their gzip copies'), ('br', 'their Brotli copies')):
        row(f'first visit, {name}', fetched['brasti'][way] / 1e6, fetched['bare'][way] / 1e6, 'MB')
    served = fetched['brasti']['served']
    row(f'first visit as served ({fetched["brasti"]["codings"]}; Brasti {"within" if served <= 3e6 else "OVER"} 3 MB)',
        served / 1e6, fetched['bare']['served'] / 1e6, 'MB', 1.15)
    wasm = {kind: sizes(os.path.join(folder, 'brasti.wasm')) for kind, folder in folders.items()}
    print('| brasti.wasm as it lies / gzip / Brotli | ' + ' | '.join(
        ' / '.join(f'{wasm[kind][way] / 1e6:.2f}' for way in ('identity', 'gzip', 'br')) + ' MB'
        for kind in folders) + ' | |')
    for compress, name in ((False, 'as the files lie'), (True, 'compressed as served')):
        row(f'first visit at 10 Mbit/s, {name}: first frame, median of 3', median(slow['brasti', compress]),
            median(slow['bare', compress]), 'ms')
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
