# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Debian's headless Chromium, driven through its DevTools protocol, on
127.0.0.1 only: real mouse, touch and key events into the page, what the
page's live region said, what its console printed, and screenshots."""
import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket

# What the page's screen readers were told, in order, from the first line on.
LISTEN = r'''
globalThis.brastiSentito = [];
document.addEventListener('DOMContentLoaded', () => {
    const region = document.getElementById('brasti-parla');
    if (region)
        new MutationObserver(records => {
            for (const record of records)
                for (const node of record.addedNodes)
                    globalThis.brastiSentito.push(node.textContent);
        }).observe(region, {childList: true});
});
'''

KEYS = {
    'Tab': (9, 'Tab'), 'Enter': (13, 'Enter'), 'Escape': (27, 'Escape'), ' ': (32, 'Space'),
    'Backspace': (8, 'Backspace'), 'F1': (112, 'F1'),
}


class Chromium:
    def __init__(self, width=1280, height=900, language='it'):
        self.profile = tempfile.mkdtemp(prefix='brasti-chromium-')
        self.process = subprocess.Popen(
            ['chromium', '--headless=new', '--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader',
             '--remote-debugging-address=127.0.0.1', '--remote-debugging-port=0',
             f'--user-data-dir={self.profile}', '--no-first-run', '--no-default-browser-check',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--disable-quic', '--disable-extensions', f'--window-size={width},{height}',
             f'--lang={language}', f'--accept-lang={language}', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = time.monotonic() + 60
        while not os.path.exists(port_file) or not open(port_file).read().strip():
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise RuntimeError('Chromium did not start')
            time.sleep(0.1)
        port = int(open(port_file).read().split()[0])
        with urllib.request.urlopen(f'http://127.0.0.1:{port}/json/list') as answer:
            page = next(t for t in json.load(answer) if t['type'] == 'page')
        self.socket = websocket.create_connection(page['webSocketDebuggerUrl'], timeout=120, suppress_origin=True)
        self.next_id = 0
        self.console = []
        for domain in ('Page', 'Runtime', 'Log', 'Network'):
            self.call(domain + '.enable')
        self.call('Page.addScriptToEvaluateOnNewDocument', source=LISTEN)
        self.call('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=1,
                  mobile=False)
        self.size = (width, height)

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
            shutil.rmtree(self.profile, ignore_errors=True)

    def _event(self, message):
        method = message.get('method')
        params = message.get('params', {})
        if method == 'Runtime.consoleAPICalled':
            text = ' '.join(str(a.get('value', a.get('description', ''))) for a in params.get('args', []))
            self.console.append((params.get('type'), text))
        elif method == 'Runtime.exceptionThrown':
            details = params.get('exceptionDetails', {})
            self.console.append(('exception', details.get('exception', {}).get('description', details.get('text'))))
        elif method == 'Log.entryAdded':
            entry = params.get('entry', {})
            self.console.append((entry.get('level'), entry.get('text', '') + ' ' + entry.get('url', '')))

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        self.socket.send(json.dumps({'id': mine, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == mine:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message.get('result', {})
            self._event(message)

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"].get("text")}')
        return result.get('result', {}).get('value')

    def wait_for(self, expression, seconds=30, what=None):
        deadline = time.monotonic() + seconds
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError(f'waited {seconds} s for {what or expression}')
            time.sleep(0.05)

    def navigate(self, url):
        # By way of an empty page, so that nothing is read from the page before.
        self.call('Page.navigate', url='about:blank')
        self.wait_for("location.href === 'about:blank'", 30, 'the empty page')
        self.call('Page.navigate', url=url)
        self.wait_for("location.href !== 'about:blank'", 30, url)

    def offline(self, off):
        self.call('Network.emulateNetworkConditions', offline=off, latency=0, downloadThroughput=-1,
                  uploadThroughput=-1)

    def screenshot(self, path):
        data = self.call('Page.captureScreenshot', format='png')['data']
        with open(path, 'wb') as out:
            out.write(base64.b64decode(data))

    # The input a child gives.
    def mouse(self, kind, x, y, buttons=1):
        self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left',
                  buttons=buttons if kind != 'mouseReleased' else 0, clickCount=1)

    def click(self, x, y):
        self.mouse('mouseMoved', x, y, buttons=0)
        self.mouse('mousePressed', x, y)
        self.mouse('mouseReleased', x, y)

    def drag(self, start, end, steps=8):
        (x0, y0), (x1, y1) = start, end
        self.mouse('mouseMoved', x0, y0, buttons=0)
        self.mouse('mousePressed', x0, y0)
        for i in range(1, steps + 1):
            self.mouse('mouseMoved', x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
        self.mouse('mouseReleased', x1, y1)

    def touch_drag(self, start, end, steps=8):
        (x0, y0), (x1, y1) = start, end
        self.call('Input.dispatchTouchEvent', type='touchStart', touchPoints=[{'x': x0, 'y': y0, 'id': 1}])
        for i in range(1, steps + 1):
            point = {'x': x0 + (x1 - x0) * i / steps, 'y': y0 + (y1 - y0) * i / steps, 'id': 1}
            self.call('Input.dispatchTouchEvent', type='touchMove', touchPoints=[point])
        self.call('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])

    def touch_tap(self, x, y):
        self.call('Input.dispatchTouchEvent', type='touchStart', touchPoints=[{'x': x, 'y': y, 'id': 1}])
        self.call('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])

    def key(self, key):
        if key in KEYS:
            code, name = KEYS[key]
        elif key.isascii() and key.isalnum():
            code, name = ord(key.upper()), ('Key' + key.upper() if key.isalpha() else 'Digit' + key)
        else:  # a letter of another script, as a tablet's keyboard types it
            code, name = 0, ''
        text = key if len(key) == 1 else ('\r' if key == 'Enter' else '')
        self.call('Input.dispatchKeyEvent', type='keyDown' if text else 'rawKeyDown', key=key, code=name,
                  windowsVirtualKeyCode=code, nativeVirtualKeyCode=code, text=text, unmodifiedText=text)
        self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=name, windowsVirtualKeyCode=code,
                  nativeVirtualKeyCode=code)

    def chord(self, letter, modifiers):
        """A letter pressed with modifiers held (CDP's bits: Alt 1, Ctrl 2,
        Meta 4, Shift 8), as a shortcut: no text comes of it."""
        code, name = ord(letter.upper()), 'Key' + letter.upper()
        for kind in ('rawKeyDown', 'keyUp'):
            self.call('Input.dispatchKeyEvent', type=kind, key=letter, code=name, modifiers=modifiers,
                      windowsVirtualKeyCode=code, nativeVirtualKeyCode=code)

    def type(self, text):
        for c in text:
            self.key(c)
