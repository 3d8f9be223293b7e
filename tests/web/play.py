#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Plays the web build as a child would, in headless Chromium on 127.0.0.1:
the start screen, the menu, one exercise of each family to a wrong and a
right answer by mouse, one by touch and one by keys, a question box, the
English page from its address, the page again offline, and a console with
nothing of the program's own in it. Verdicts and problems are read from the
page's live region, which must say every notice in order and nothing else.

The server sends the site's compressed copies, so all of it plays over
compressed transfers, and is asked for each copy in turn.

Then the random-event run of the suite, built for the web, plays in its own
page for 60 s with every invariant held.

    play.py SITE_FOLDER [ROBUSTNESS_SITE_FOLDER]

The screenshots go to screens/ beside the site folder.
"""
import json
import os
import re
import sys
import time
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium  # noqa: E402
from serve import Handler, Server  # noqa: E402

ITALIAN_NUMBERS = ['UNO', 'DUE', 'TRE', 'QUATTRO', 'CINQUE', 'SEI', 'SETTE', 'OTTO', 'NOVE', 'DIECI']

failures = []
passes = []


def check(condition, what):
    (passes if condition else failures).append(what)
    if not condition:
        print(f'FAIL: {what}', flush=True)
    return condition


class Page:
    def __init__(self, browser, server):
        self.browser = browser
        self.server = server
        self.heard_before = 0

    def open(self, query=''):
        self.browser.navigate(self.server.url(query))
        self.browser.wait_for("performance.getEntriesByName('brasti-primo-fotogramma').length > 0", 90,
                              'the first frame')
        self.heard_before = 0
        return self.wait_window('FormAvvio')

    def controls(self):
        text = self.browser.evaluate('globalThis.brastiModule ? brastiModule.brastiControlli() : ""') or ''
        lines = text.splitlines()
        found = {}
        for line in lines[1:]:
            name, accessible, place, enabled = line.split('|')
            x, y, w, h = map(int, place.split())
            found.setdefault(name, {'name': accessible, 'x': x, 'y': y, 'w': w, 'h': h, 'enabled': enabled == '1'})
        return (lines[0] if lines else ''), found

    def wait_window(self, name, seconds=30):
        """The controls of the window once it shows and its board has settled:
        a window is shown first and then fitted to the page, and a tap aimed
        before the fit lands where the control no longer is."""
        deadline = time.monotonic() + seconds
        before = None
        while True:
            window, found = self.controls()
            if window == name and found == before:
                return found
            before = found if window == name else None
            if time.monotonic() > deadline:
                raise AssertionError(f'waited for {name}, the page shows {window}')
            time.sleep(0.05)

    def centre(self, name, dx=0.5):
        _, found = self.controls()
        c = found[name]
        return (c['x'] + c['w'] * dx, c['y'] + c['h'] / 2)

    def click(self, name):
        self.browser.click(*self.centre(name))

    def heard(self):
        return self.browser.evaluate('globalThis.brastiSentito') or []

    def new_sentences(self, count=1, seconds=10):
        """The next sentences the live region says, waiting for `count`."""
        deadline = time.monotonic() + seconds
        while len(self.heard()) < self.heard_before + count and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(0.15)  # nothing more must follow
        now = self.heard()
        fresh = now[self.heard_before:]
        self.heard_before = len(now)
        return fresh

    def settle(self):
        """Every line said until the live region falls quiet for 0.3 s."""
        count = -1
        while count != len(self.heard()):
            count = len(self.heard())
            time.sleep(0.3)
        return self.new_sentences(0)

    def hear(self, pattern, seconds=15):
        """The first line said from now on that matches."""
        self.heard_before += self.browser.wait_for(f'brastiSentito.slice({self.heard_before})'
                                                   f'.findIndex(line => /{pattern}/.test(line)) + 1', seconds, pattern)
        return self.heard()[self.heard_before - 1]


def expect_sentences(page, what, patterns):
    heard = page.new_sentences(len(patterns))
    ok = len(heard) == len(patterns) and all(re.search(p, h) for p, h in zip(patterns, heard))
    check(ok, f'{what}: heard {heard}, wanted {patterns}')
    return heard


def rods(sentence):
    return [int(n) for n in re.findall(r'brasto (\d+)', sentence)]


def open_exercise(page, button, form, touch=False):
    page.wait_window('FormMenu')
    page.settle()
    (page.browser.touch_tap if touch else page.browser.click)(*page.centre(button))
    page.wait_window(form)
    return expect_sentences(page, f'{form} poses its problem, then the focus', [r'\.$', r'[^.]$'])[0]


def play_sign(page):
    problem = open_exercise(page, 'Command10', 'Form9')
    left, right = rods(problem)
    right_button = 'Command1' if left > right else 'Command2' if left < right else 'Command3'
    wrong_button = 'Command3' if right_button != 'Command3' else 'Command1'
    page.click(wrong_button)
    expect_sentences(page, 'Form9 wrong sign', [r'^risposta sbagliata\. esatti 0, errati 1'])
    # The wrong sound started: the first click had unlocked the audio.
    started = page.browser.evaluate('(a => a && a.context && a.context.state === "running" ? a.started : 0)'
                                    '(brastiModule.brastiAudio)')
    check(started and started > 0, f'the wrong sound plays in the page: {started}')
    page.click(right_button)
    expect_sentences(page, 'Form9 right sign', [r'^risposta esatta\. esatti 1, errati 1'])
    # "avanti", and the next problem is heard.
    page.click('BottoneAvanti')
    expect_sentences(page, 'Form9 next problem', [r'A sinistra brasto \d+, a destra brasto \d+'])


def play_number_to_rod(page, touch=False):
    problem = open_exercise(page, 'Command12', 'Form11', touch)
    match = re.search(r'numero (\w+)', problem)
    word = match.group(1)
    number = int(word) if word.isdigit() else ITALIAN_NUMBERS.index(word.upper()) + 1
    wrong = number % 10 + 1
    tap = page.browser.touch_tap if touch else page.browser.click
    tap(*page.centre(f'brasti_{wrong}'))
    expect_sentences(page, 'Form11 wrong rod', [r'^risposta sbagliata\. esatti 0, errati 1'])
    tap(*page.centre(f'brasti_{number}'))
    expect_sentences(page, 'Form11 right rod', [r'^risposta esatta\. esatti 1, errati 1'])


def play_make_ten(page, touch=False):
    problem = open_exercise(page, 'Command13', 'Form12', touch)
    given = rods(problem)[0]
    missing = 10 - given
    wrong = missing % 9 + 1 if missing != 10 else 1
    drag = page.browser.touch_drag if touch else page.browser.drag
    target = page.centre('Picture2', 0.9)
    drag(page.centre(f'brasti_{wrong}'), target)
    expect_sentences(page, 'Form12 wrong rod', [r'^risposta sbagliata\. esatti 0, errati 1'])
    drag(page.centre(f'brasti_{missing}'), target)
    # Where the rod now lies first, then whether it counted.
    expect_sentences(page, 'Form12 right rod', [rf'^brasto {missing} nella', r'^risposta esatta\. esatti 1, errati 1'])


def play_ordering(page):
    problem = open_exercise(page, 'Command2', 'Form1')
    drawn = rods(problem)
    ascending = 'dal minore al maggiore' in problem
    order = sorted(drawn, reverse=not ascending)
    # Wrong first: the order turned round.
    for slot, k in enumerate(reversed(order)):
        page.browser.drag(page.centre(f'brasti_{k}'), page.centre(f'Picture1_{slot + 1}'))
    expect_sentences(page, 'Form1 rods laid', [rf'brasto {k}' for k in reversed(order)])
    page.click('SSCommand1')
    expect_sentences(page, 'Form1 wrong order', [r'^risposta sbagliata\. esatti 0, errati 1'])
    page.click('Command3D1')  # Ricomincia: the same rods, back in the tray
    expect_sentences(page, 'Form1 again', [r'Ordina'])
    for slot, k in enumerate(order):
        page.browser.drag(page.centre(f'brasti_{k}'), page.centre(f'Picture1_{slot + 1}'))
    expect_sentences(page, 'Form1 rods laid again', [rf'brasto {k}' for k in order])
    page.click('SSCommand1')
    expect_sentences(page, 'Form1 right order', [r'^risposta esatta\. esatti 1, errati 1'])


def tab_to(page, pattern):
    """Tab until the live region says the keyboard is on what `pattern` names."""
    page.settle()
    for _ in range(40):
        page.browser.key('Tab')
        heard = page.settle()
        if heard and re.search(pattern, heard[-1]):
            return heard[-1]
    raise AssertionError(f'Tab never reached {pattern}')


def by_keys(page, *steps):
    """('brasto 3', 'casella 1'): rod 3 carried there by Space, Tab and Space;
    ('brasto 3',): a rod worked by Space; ('Conferma',): a button by Enter;
    ('?line',): a line awaited; ('=12',): typed into the box, then Enter."""
    for what, *to in steps:
        if what[0] == '?':
            page.hear(what[1:])
        for c in what[1:] + '\r' if what[0] == '=' else '':
            page.browser.key({'\b': 'Backspace', '\r': 'Enter'}.get(c, c))
        if what[0] not in '?=':
            tab_to(page, f'^{what}' + ('$' if what.startswith('brasto') else ', pulsante'))
            page.browser.key(' ' if what.startswith('brasto') else 'Enter')
        for place in to:
            tab_to(page, f'^{place}$')
            page.browser.key(' ')


def key_moves(caption, problem):
    """The wrong steps and the right ones for the problem heard."""
    n = rods(problem) + re.findall(r'numero (\w+)', problem)
    if caption.startswith('ordina'):
        order = sorted(n, reverse='dal maggiore' in problem)
        lay = lambda ks: [(f'brasto {k}', f'casella {i + 1}') for i, k in enumerate(ks)] + [('Conferma',)]
        return lay(order[::-1]), [('Ricomincia',)] + lay(order)
    if caption.startswith('inserisci'):
        right = ['maggiore', 'minore', 'uguale'][(n[0] < n[1]) + 2 * (n[0] == n[1])]
        return [('uguale' if right != 'uguale' else 'minore',)], [(right,)]
    if caption.startswith('dal numero'):
        k = int(n[0]) if n[0].isdigit() else ITALIAN_NUMBERS.index(n[0].upper()) + 1
        return [(f'brasto {k % 10 + 1}',)], [(f'brasto {k}',)]
    if caption.startswith('componi'):
        return [(f'brasto {(10 - n[0]) % 9 + 1}', 'striscia in basso')], [(f'brasto {10 - n[0]}', 'striscia in basso')]
    # Any text may arrive in the box (a paste, a tablet's keyboard): Thai,
    # laid out, once made the page ask for a library and abort.
    total = sum(map(int, re.search(r'(\d+) più (\d+) uguale', problem).groups()))
    return ([(f'brasto {total}', 'barra della somma'), ('?^risposta, campo di testo$',), (f'={total + 1}',)],
            [('=ภาษาไทย' + '\b' * 12 + str(total),)])


def play_by_keys(page):
    """"Esci" twice, then one screen of each family, by keys and the live region alone."""
    page.open()
    for _ in range(2):  # each time a fresh start screen, with the keyboard on "Avvio"
        page.browser.key('Enter')
        by_keys(page, ('Esci',))
        page.hear(r'^Vuoi uscire dal programma\? Rispondi Sì o No\.$')
        page.browser.key('Enter')
        check(page.hear(r'^Avvio, pulsante$') and page.browser.evaluate('brastiModule.brastiFuoco()') == 'Command1',
              'Esci, Sì: the start screen again, with the keyboard')
    for caption in ('ordina 3', 'inserisci', 'dal numero', 'componi il 10', 'addizioni entro il 10'):
        try:
            page.browser.key('Enter')
            page.hear(r'^ordina 3 brasti, pulsante, 1 di 27$')
            tab_to(page, rf'^{caption}[^,]*, pulsante, \d+ di 27$')
            page.browser.key('Enter')
            wrong, right = key_moves(caption, page.hear(r'\.$'))
            by_keys(page, *wrong)
            page.hear(r'^risposta sbagliata\. esatti 0, errati 1')
            by_keys(page, *right)
            check(page.hear(r'^risposta esatta\. esatti 1, errati 1'), f'{caption}: played by keys and ear')
        except (AssertionError, KeyError, ValueError, IndexError) as error:
            check(False, f'{caption} by keys: {error!r}')
        page.open()


def offered(menu):
    """The screens a menu offers: button K opens screen K - 1."""
    return [k - 1 for k in range(2, 29) if menu.get(f'Command{k}', {}).get('enabled')]


def play_teacher_link(page):
    """A class's link: the menu offers what it names; the teacher's window,
    opened by keys, makes the link of a new choice, and the page that link
    opens offers that choice."""
    page.open('?esercizi=1-5&mostraRisposta=true')
    page.click('Command1')
    menu = page.wait_window('FormMenu')
    check(offered(menu) == [1, 2, 3, 4, 5], f'the link offers screens 1 to 5: {offered(menu)}')
    page.browser.chord('i', 1 | 2)
    page.wait_window('finestraInsegnante')
    link = page.browser.evaluate("brastiModule.brastiTesto('collegamento')")
    check('mostraRisposta=true' in link, f"the window's link carries the choice: {link}")
    page.click('famigliaOperazioni')
    page.browser.wait_for(f"brastiModule.brastiTesto('collegamento') !== {link!r}", 10, 'the new link')
    link = page.browser.evaluate("brastiModule.brastiTesto('collegamento')")
    check(link.startswith(page.server.url('')), f'the link is the page itself: {link}')
    page.browser.navigate(link)
    page.browser.wait_for("performance.getEntriesByName('brasti-primo-fotogramma').length > 0", 90, 'the first frame')
    page.wait_window('FormAvvio')
    page.click('Command1')
    menu = page.wait_window('FormMenu')
    wanted = [1, 2, 3, 4, 5, 16, 18, 21, 22, 23, 24, 25, 26]
    check(offered(menu) == wanted, f'the new link offers {wanted}: {offered(menu)}')


def play_voice(page):
    """The program's own voice: off unless the teacher's link turns it on,
    and then the problem of an exercise screen is handed to the browser's
    speechSynthesis as the screen opens, after whatever the menu said (the
    page keeps the last sentences handed over in brastiSpoken)."""
    spoken = 'brastiModule.brastiSpoken || []'
    page.open()
    page.click('Command1')
    open_exercise(page, 'Command10', 'Form9')
    said = page.browser.evaluate(spoken)
    check(said == [], f'no voice without the setting: said {said}')
    page.open('?leggiAdAltaVoce=1')
    page.click('Command1')
    problem = open_exercise(page, 'Command10', 'Form9')
    try:
        page.browser.wait_for(f'(s => s[s.length - 1] === {json.dumps(problem)})({spoken})', 10, 'the problem said')
    except AssertionError:
        pass
    said = page.browser.evaluate(spoken)
    check(said[-1:] == [problem], f'the voice says the problem {problem!r}: said {said}')


def back_to_menu(page):
    """"Esci" in the menu bar asks, modal; "Sì", chosen by keys, goes back to the menu."""
    page.settle()
    page.click('mnuEsci')
    found = page.wait_window('domanda')
    check('Sì' in found and 'No' in found, f'the question has "Sì" and "No": {sorted(found)}')
    expect_sentences(page, 'the question', [r'^Vuoi tornare al menù\? Rispondi Sì o No\.$', r'^Sì, pulsante$'])
    # Asked by the mouse, answered by keys: the keyboard is in the box.
    tab_to(page, r'^No, pulsante$')
    tab_to(page, r'^Sì, pulsante$')
    page.browser.key('Enter')
    page.wait_window('FormMenu')
    page.hear(r'^ordina 3 brasti, pulsante, 1 di 27$')


def negotiation(server, site):
    """The server's copy for each Accept-Encoding: Brotli first, then gzip,
    the file itself where neither is taken; each with the .wasm's type."""
    for taken, coding, suffix in (('gzip, deflate, br', 'br', '.br'), ('br;q=0, gzip', 'gzip', '.gz'),
                                  ('identity', None, '')):
        request = urllib.request.Request(server.url('brasti.wasm'), headers={'Accept-Encoding': taken})
        with urllib.request.urlopen(request) as answer, open(os.path.join(site, 'brasti.wasm' + suffix), 'rb') as f:
            got = (answer.headers['Content-Encoding'], answer.headers['Content-Type'], answer.headers['Vary'])
            check(got == (coding, 'application/wasm', 'Accept-Encoding') and answer.read() == f.read(),
                  f'Accept-Encoding: {taken} brings brasti.wasm{suffix}: {got}')


def random_events(folder, seconds=60):
    """The page's random-event run: its verdict comes in the console once
    the run is over (the page does nothing else meanwhile)."""
    server = Server(folder)
    browser = Chromium()
    try:
        browser.call('Page.navigate', url=server.url(f'?seconds={seconds}'))
        deadline = time.monotonic() + seconds + 120
        lines = []
        while time.monotonic() < deadline:
            lines = [text for kind, text in browser.console if 'passed, ' in text or 'FAILED' in text
                     or kind == 'exception']
            if lines:
                break
            try:
                browser.evaluate('1')
            except Exception:  # the page is busy with the run: wait on
                pass
            time.sleep(0.5)
        for kind, text in browser.console:
            if 'robustness' in text or 'passed' in text:
                print(f'page: {text}')
        check(any(line.strip().endswith('1 passed, 0 failed') for line in lines),
              f'the random-event run in the page held every check: {lines}')
    finally:
        browser.close()
        server.stop()


def main():
    site = sys.argv[1]
    robustness = sys.argv[2] if len(sys.argv) > 2 else None
    shots = os.path.join(os.path.dirname(os.path.abspath(site)), 'screens')
    os.makedirs(shots, exist_ok=True)
    server = Server(site)
    browser = Chromium()
    page = Page(browser, server)
    try:
        start = page.open()
        browser.screenshot(os.path.join(shots, 'avvio.png'))
        check('Command1' in start, 'the start screen has its button')
        check(page.new_sentences(1) == ['Avvio, pulsante'], 'the start screen is heard')
        box = [(c['x'], c['y'], c['x'] + c['w'], c['y'] + c['h']) for n, c in start.items() if n[0] in 'CL']
        middle = [(min(b[i] for b in box) + max(b[i + 2] for b in box)) / 2 for i in (0, 1)]
        check(all(abs(m - s / 2) < s / 20 for m, s in zip(middle, browser.size)), f'start screen centred: {middle}')
        tree = browser.call('Accessibility.getFullAXTree')['nodes']
        check(not any('Caricamento' in str(n.get('name')) for n in tree if not n.get('ignored')), 'no loading line')
        # The code came compressed and the browser read it whole.
        sizes = browser.evaluate("performance.getEntriesByType('resource').filter(e => e.name.endsWith('.wasm'))"
                                 ".map(e => [e.encodedBodySize, e.decodedBodySize])")
        check(len(sizes) == 1 and sizes[0][0] < sizes[0][1] == os.path.getsize(os.path.join(site, 'brasti.wasm')),
              f'brasti.wasm arrived compressed, as served: {sizes}')
        negotiation(server, site)
        page.click('Command1')
        page.wait_window('FormMenu')
        browser.screenshot(os.path.join(shots, 'menu.png'))
        for play in (play_sign, play_number_to_rod, play_make_ten, play_ordering):
            try:
                play(page)
            except (AssertionError, KeyError, ValueError, IndexError) as error:
                check(False, f'{play.__name__}: {error!r}')
                page.open()
                page.click('Command1')
                continue
            browser.screenshot(os.path.join(shots, play.__name__ + '.png'))
            back_to_menu(page)

        try:
            play_voice(page)
        except (AssertionError, KeyError, ValueError) as error:
            check(False, f'play_voice: {error!r}')

        # By touch, and by keys, each on a fresh page.
        page.open()
        page.browser.touch_tap(*page.centre('Command1'))
        play_make_ten(page, touch=True)
        play_by_keys(page)
        browser.screenshot(os.path.join(shots, 'written.png'))

        # Any window size: the board keeps its proportions, centred, and a
        # screen of twice the density is drawn with twice the pixels.
        button = page.open()['Command1']
        for width, height, ratio in ((800, 600, 1), (1024, 1366, 2)):
            browser.call('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=ratio,
                         mobile=False)
            scale = min(width / 818, height / 640) / min(browser.size[0] / 818, browser.size[1] / 640)
            wanted = round(button['w'] * scale)
            try:
                browser.wait_for(f"brastiModule.brastiControlli().split('\\n').some(l => l.startsWith('Command1|') "
                                 f"&& Math.abs(Number(l.split('|')[2].split(' ')[2]) - {wanted}) <= 2)", 10,
                                 f'the start button {wanted} px wide at {width}x{height}')
                check(True, f'the board scales to {width}x{height}')
            except AssertionError as error:
                check(False, str(error))
            backing = browser.evaluate("document.getElementById('brasti-schermo').width")
            check(abs(backing - width * ratio) <= 2, f'the canvas has {width * ratio} pixels across: {backing}')
            browser.screenshot(os.path.join(shots, f'avvio-{width}x{height}@{ratio}.png'))
        browser.call('Emulation.setDeviceMetricsOverride', width=browser.size[0], height=browser.size[1],
                     deviceScaleFactor=1, mobile=False)

        try:
            play_teacher_link(page)
        except (AssertionError, KeyError, ValueError) as error:
            check(False, f'play_teacher_link: {error!r}')
        browser.screenshot(os.path.join(shots, 'teacher-link.png'))

        # The teacher's link chooses the language: the start screen is heard in
        # it, and the page's language and manifest follow.
        for code, avvio in (('en', 'Start, '), ('fr', 'Commencer, '), ('pt', 'Começar, ')):
            page.open('?lingua=' + code)
            said = page.new_sentences(1)
            check(said[:1] and said[0].startswith(avvio), f'the start screen in {code}: {said}')
            browser.screenshot(os.path.join(shots, f'start-{code}.png'))
            manifest = browser.evaluate("fetch(document.querySelector('link[rel=manifest]').href)"
                                        ".then(r => r.json()).then(m => document.documentElement.lang + ' ' + m.lang)")
            check(manifest == f'{code} {code}', f'the page and its manifest in {code}: {manifest}')

        check(browser.evaluate("document.getElementById('brasti-stato').hidden"), 'the loading line has gone')
        # A browser without WebAssembly is told so, in its language.
        script = browser.call('Page.addScriptToEvaluateOnNewDocument', source='delete globalThis.WebAssembly;')
        browser.navigate(server.url())
        said = browser.wait_for("document.getElementById('brasti-stato').textContent.includes('WebAssembly') && "
                                "document.getElementById('brasti-stato').textContent", 20, 'the sentence')
        check(said.startswith('Questo browser non può'), f'no WebAssembly, in Italian: {said}')
        browser.call('Page.removeScriptToEvaluateOnNewDocument', identifier=script['identifier'])

        # Offline: the service worker answers, sounds included.
        browser.wait_for("navigator.serviceWorker && navigator.serviceWorker.controller !== null", 30,
                         'the service worker')
        server.stop()
        served = len(Handler.requests)
        page.open()
        page.click('Command1')
        play_number_to_rod(page)
        cached = browser.evaluate("caches.keys().then(k => caches.open(k[0]).then(c => c.keys())"
                                  ".then(r => r.map(q => q.url)))")
        check(any(u.endswith('suoni/no.wav') for u in cached), 'the sounds are kept offline')
        check(len(Handler.requests) == served, 'nothing reached the stopped server')
    finally:
        console = list(browser.console)
        browser.close()

    if robustness:
        random_events(robustness)

    # Chromium's own notes, not the page's: the software GL's remark on the
    # screenshots read back, and the stopped server refusing the worker.
    chromium_own = ('GL Driver Message', 'ERR_CONNECTION_REFUSED')
    own = [(kind, text) for kind, text in console
           if kind in ('error', 'warning', 'exception', 'assert') and not any(c in text for c in chromium_own)]
    for kind, text in console:
        print(f'console {kind}: {text}')
    check(not own, f'the console has no warning or error: {own}')
    hosts = {re.sub(r'^(\w+://[^/]+).*', r'\1', r) for r in Handler.requests if '://' in r}
    check(not hosts, f'requests only for the site itself: {hosts}')
    print(f'{len(passes)} passed, {len(failures)} failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
