#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Plays the Windows program under Wine on a bare X server, with the mouse,
as a child would: from the start screen to the menu, to "componi il 10",
a wrong rod and then the right one dragged onto the strip, each verdict seen
in a screenshot. Every step is found from the screen's own colours and the
designed places of its controls (in twips, 15 to a pixel at the designed
size), so it works at whatever size the window comes up.

    smoke.py PROGRAM SHOTS_FOLDER

PROGRAM is a Unix path to brasti.exe; DISPLAY, WINEPREFIX and the rest of
Wine's environment come from the caller. Exits 0 when every step held.
"""
import os
import struct
import subprocess
import sys
import time
import zlib

TWIPS_PER_PIXEL = 15.0


def bgr(value):
    """A colour written 0x00BBGGRR, as the program writes them, as (r, g, b)."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


ROD_COLOURS = [bgr(c) for c in (0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF00FF, 0x00FFFF,
                                0x008000, 0x000000, 0x404080, 0xC00000, 0x0080FF)]
START_MENU_COLOURS = {bgr(c) for c in (
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, 0x00FFFF, 0x0040C0, 0x80FF80,
    0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF)}
FRAME_GREY = bgr(0xE0E0E0)
RIGHT_FILL = (120, 220, 90)
WRONG_FILL = (235, 80, 70)


class Failure(Exception):
    pass


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=60).stdout


class Shot:
    """The X screen's pixels, read from xwd's dump."""

    def __init__(self):
        # xwd walks the window tree; a window Wine destroys during the walk
        # fails the whole dump (BadWindow), so a failed dump is taken again.
        for _ in range(5):
            dump = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, timeout=60)
            if dump.returncode == 0:
                break
            time.sleep(0.2)
        else:
            raise Failure(f"xwd failed five times: {dump.stderr.decode(errors='replace').strip()}")
        data = dump.stdout
        header = struct.unpack(">25I", data[:100])
        (size, _version, _format, _depth, self.width, self.height, _xoff, byte_order, _unit, _bit_order,
         _pad, bits, self.stride, _vclass, red, green, blue, _bits_rgb, _entries, colours) = header[:20]
        if bits not in (24, 32) or _depth != 24:
            raise Failure(f"xwd gave a depth of {_depth} in {bits} bits a pixel; the X server needs a 24-bit screen")
        self.bytes = bits // 8
        self.pixels = data[size + colours * 12:]
        self.little = byte_order == 0
        self.masks = (red, green, blue)

    def at(self, x, y):
        offset = y * self.stride + x * self.bytes
        value = int.from_bytes(self.pixels[offset:offset + self.bytes], "little" if self.little else "big")
        result = []
        for mask in self.masks:
            shift = (mask & -mask).bit_length() - 1
            result.append((value & mask) >> shift)
        return tuple(result)

    def count(self, colour, box):
        left, top, right, bottom = box
        return sum(1 for y in range(max(0, top), min(self.height, bottom))
                   for x in range(max(0, left), min(self.width, right)) if self.at(x, y) == colour)

    def panel(self, colour, box):
        """The rectangle of the topmost, then leftmost, area of that colour inside
        box, measured along its top row and its left column; None if there is none."""
        left, top, right, bottom = box
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                if self.at(x, y) == colour:
                    x1 = x
                    while x1 < right and self.at(x1, y) == colour:
                        x1 += 1
                    y1 = y
                    while y1 < bottom and self.at(x, y1) == colour:
                        y1 += 1
                    return (x, y, x1, y1)
        return None

    def save_png(self, path, box):
        left, top, right, bottom = box
        rows = b"".join(b"\0" + bytes(v for x in range(left, right) for v in self.at(x, y))
                        for y in range(top, bottom))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", right - left, bottom - top, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(rows)))
            out.write(chunk(b"IEND", b""))


def window(title, seconds=90):
    """The visible top-level window whose whole title is `title`: its X id and geometry."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, text=True).stdout.split()
        for wid in found:
            geometry = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", wid).split())
            box = tuple(int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
            if box[2] > 100 and box[3] > 100:
                return wid, box
        time.sleep(0.2)
    raise Failure(f"no window titled '{title}' appeared within {seconds} s")


def board_point(box, design, twips_x, twips_y, top_extra=0):
    """Where a designed point lies on a window whose client area holds the
    board (below `top_extra` pixels of menu bar), letterboxed and centred."""
    x, y, width, height = box
    height -= top_extra
    scale = min(width / design[0], height / design[1])
    offset_x = (width - design[0] * scale) / 2
    offset_y = (height - design[1] * scale) / 2
    return (round(x + offset_x + twips_x * scale), round(y + top_extra + offset_y + twips_y * scale))


def click(point):
    run("xdotool", "mousemove", str(point[0]), str(point[1]))
    time.sleep(0.1)
    run("xdotool", "click", "1")


def drag(start, end, steps=12):
    run("xdotool", "mousemove", str(start[0]), str(start[1]))
    time.sleep(0.1)
    run("xdotool", "mousedown", "1")
    for i in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * i // steps
        y = start[1] + (end[1] - start[1]) * i // steps
        run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.03)
    run("xdotool", "mouseup", "1")


def wait_for(what, test, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        shot = Shot()
        if test(shot):
            return shot
        time.sleep(0.25)
    raise Failure(f"{what} did not happen within {seconds} s")


def step(message):
    print(f"smoke: {message}", flush=True)


def play(program, shots):
    # In Italian, whatever Wine's own language: the titles and places are the Italian ones.
    child = subprocess.Popen(["wine", program, "--lingua", "it"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # The start screen: 12270 x 9600 twips; its background one of its 18 colours.
        _, box = window("Brasti")
        step(f"start screen at {box}")
        start = (box[0], box[1], box[0] + box[2], box[1] + box[3])
        shot = wait_for("the start screen's background",
                        lambda s: s.at(*board_point(box, (818, 640), 30, 30)) in START_MENU_COLOURS)
        shot.save_png(os.path.join(shots, "avvio.png"), start)
        click(board_point(box, (818, 640), (2520 + 4425 / 2) / TWIPS_PER_PIXEL, (4920 + 1425 / 2) / TWIPS_PER_PIXEL))

        # The menu: 10530 x 7320 twips; "componi il 10" is column 2, row 3.
        _, box = window("Brasti - esercizi")
        step(f"menu at {box}")
        shot = wait_for("the menu's background",
                        lambda s: s.at(*board_point(box, (702, 488), 10, 10)) in START_MENU_COLOURS)
        shot.save_png(os.path.join(shots, "menu.png"), (box[0], box[1], box[0] + box[2], box[1] + box[3]))
        click(board_point(box, (702, 488), (2520 + 1140) / TWIPS_PER_PIXEL, (2040 + 275) / TWIPS_PER_PIXEL))

        # The exercise: the grey frame (9375 x 5295 twips) gives place and scale.
        _, box = window("componi il 10")
        step(f"exercise at {box}")
        whole = (box[0], box[1], box[0] + box[2], box[1] + box[3])
        # A loaded machine may show the window half painted: wait until the
        # whole frame is there, and only then fault its proportions.
        seen = []

        def whole_frame(s):
            found = s.panel(FRAME_GREY, whole)
            seen.append(found)
            return found is not None and abs((found[2] - found[0]) / (found[3] - found[1]) - 9375 / 5295) <= 0.03

        try:
            frame = wait_for("the exercise's frame", whole_frame).panel(FRAME_GREY, whole)
        except Failure:
            raise Failure(f"the frame {seen[-1] if seen else None} does not have the designed proportions") from None
        scale = (frame[2] - frame[0]) / 9375

        def at(tx, ty):
            return (round(frame[0] + tx * scale), round(frame[1] + ty * scale))

        def board(shot):
            """The given rod and the tray's slot of each rod, read from a shot."""
            # The bar of ten units, orange; the given rod under its left end.
            if shot.at(*at(4080 + 1750, 3960 + 175)) != bgr(0x0080FF):
                raise Failure(f"no orange bar at {at(4080 + 1750, 3960 + 175)}: {shot.at(*at(4080 + 1750, 3960 + 175))}")
            given_colour = shot.at(*at(4080 + 100, 4440 + 187))
            if given_colour not in ROD_COLOURS[:9]:
                raise Failure(f"the given rod has no rod's colour: {given_colour}")
            # The tray: one rod in each slot, at Left 350, Top 200 + 400 s.
            slots = {}
            for s in range(10):
                colour = shot.at(*at(350 + 100, 200 + 400 * s + 175))
                if colour not in ROD_COLOURS:
                    raise Failure(f"slot {s} holds no rod: {colour}")
                slots[ROD_COLOURS.index(colour) + 1] = s
            if sorted(slots) != list(range(1, 11)):
                raise Failure(f"the tray does not hold the ten rods once each: {slots}")
            return ROD_COLOURS.index(given_colour) + 1, slots

        # The frame may come before the rods on it: read the board until it is whole.
        deadline = time.monotonic() + 20
        while True:
            shot = Shot()
            try:
                given, slots = board(shot)
                break
            except Failure:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.25)
        step(f"given rod {given}, tray {sorted(slots, key=slots.get)}")
        shot.save_png(os.path.join(shots, "esercizio.png"), whole)

        strip = at(4080 + given * 350 + 175, 4440 + 175)
        wrong = 1 if given != 9 else 2
        drag(at(350 + 100, 200 + 400 * slots[wrong] + 175), strip)
        wait_for("the wrong verdict", lambda s: s.count(WRONG_FILL, whole) > 50)
        step(f"rod {wrong}: wrong")

        right = 10 - given
        drag(at(350 + 100, 200 + 400 * slots[right] + 175), strip)
        shot = wait_for("the right verdict",
                        lambda s: s.count(RIGHT_FILL, whole) > 50 and s.at(*strip) == ROD_COLOURS[right - 1])
        step(f"rod {right}: right, and it lies on the strip")
        shot.save_png(os.path.join(shots, "verdetto.png"), whole)
        if child.poll() is not None:
            raise Failure(f"the program ended on its own with status {child.returncode}")
    finally:
        if child.poll() is None:
            child.terminate()
            try:
                child.wait(10)
            except subprocess.TimeoutExpired:
                child.kill()


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(sys.argv[2], exist_ok=True)
    try:
        play(sys.argv[1], sys.argv[2])
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"smoke: FAILED: {failure}", file=sys.stderr)
        return 1
    step("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
