#!/usr/bin/env python3
"""Draws the cursors and synthesises the sounds of the install folder.

Run from anywhere: python3 data/tools/make_install_files.py
Writes data/icones/*.ico|.cur|.ani and data/musique/*.wav, using only the
standard library, so that the pictures and sounds can be regenerated.
"""
import math
import os
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.dirname(HERE)
SIZE = 32

TRANSPARENT = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


class Picture:
    def __init__(self):
        self.pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def disc(self, cx, cy, radius, colour):
        for y in range(SIZE):
            for x in range(SIZE):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            if width <= 1:
                self.dot(x, y, colour)
            else:
                self.disc(x, y, width / 2, colour)

    def polygon(self, points, colour, outline=BLACK):
        for y in range(SIZE):
            for x in range(SIZE):
                if inside(points, x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour
        if outline:
            for a, b in zip(points, points[1:] + points[:1]):
                self.line(a[0], a[1], b[0], b[1], outline)

    def ring(self, cx, cy, radius, colour, width=2, start=0.0, end=2 * math.pi):
        steps = 120
        for i in range(steps + 1):
            a = start + (end - start) * i / steps
            self.disc(cx + radius * math.cos(a), cy - radius * math.sin(a), width / 2, colour)


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def bitmap(picture):
    """The DIB of one icon picture: 32-bit colour rows, then the AND mask, bottom-up."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(picture.pixels):
        bits = 0
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    return header + bytes(colour) + bytes(mask)


def icon_file(picture, hot_spot=None):
    """An .ico file, or a .cur file when a hot spot is given."""
    data = bitmap(picture)
    kind = 1 if hot_spot is None else 2
    planes, bits = (1, 32) if hot_spot is None else hot_spot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, planes, bits, len(data), 6 + 16)
    return directory + entry + data


def chunk(tag, body):
    padding = b"\0" if len(body) % 2 else b""
    return tag + struct.pack("<I", len(body)) + body + padding


def ani_file(frames, hot_spot, jiffies):
    """An animated cursor: RIFF "ACON" with an anih header and one .cur per frame."""
    header = struct.pack("<9I", 36, len(frames), len(frames), SIZE, SIZE, 32, 1, jiffies, 1)
    icons = b"".join(chunk(b"icon", icon_file(frame, hot_spot)) for frame in frames)
    body = b"ACON" + chunk(b"anih", header) + chunk(b"LIST", b"fram" + icons)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def rotate(points, angle, cx, cy):
    c, s = math.cos(angle), math.sin(angle)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def pointer(picture, colour=WHITE):
    picture.polygon([(1, 1), (1, 15), (5, 11), (8, 17), (10, 16), (7, 10), (12, 10)], colour)


def cube_frame(angle):
    picture = Picture()
    pointer(picture)
    corners = []
    for x in (-1, 1):
        for y in (-1, 1):
            for z in (-1, 1):
                rx = x * math.cos(angle) - z * math.sin(angle)
                rz = x * math.sin(angle) + z * math.cos(angle)
                ry = y * math.cos(0.5) - rz * math.sin(0.5)
                corners.append((21 + 6.5 * rx, 21 + 6.5 * ry))
    for i in range(8):
        for j in range(i + 1, 8):
            if bin(i ^ j).count("1") == 1:
                picture.line(*corners[i], *corners[j], (0, 90, 200, 255))
    return picture


def star_frame(angle):
    picture = Picture()
    points = []
    for k in range(10):
        radius = 14 if k % 2 == 0 else 6
        a = angle + k * math.pi / 5
        points.append((15.5 + radius * math.sin(a), 15.5 - radius * math.cos(a)))
    picture.polygon(points, (255, 215, 0, 255))
    return picture


def hourglass_frame(level):
    picture = Picture()
    glass = [(8, 2), (24, 2), (24, 5), (17, 15), (17, 17), (24, 27), (24, 30), (8, 30), (8, 27),
             (15, 17), (15, 15), (8, 5)]
    picture.polygon(glass, (220, 235, 255, 255))
    sand = (200, 150, 40, 255)
    top = 6 + level * 2
    picture.polygon([(9 + (top - 5) * 0.6, top), (23 - (top - 5) * 0.6, top), (16, 15)], sand, None)
    bottom = 28 - level * 2
    picture.polygon([(9, 29), (23, 29), (23, bottom), (9, bottom)], sand, None)
    picture.line(16, 15, 16, 28, sand)
    picture.line(7, 1, 25, 1, (120, 70, 20, 255), 2)
    picture.line(7, 31, 25, 31, (120, 70, 20, 255), 2)
    return picture


def tools_frame(angle):
    picture = Picture()
    pointer(picture)
    steel = (150, 150, 160, 255)
    for k in range(8):
        a = angle + k * math.pi / 4
        picture.line(21 + 6 * math.cos(a), 21 + 6 * math.sin(a),
                     21 + 10 * math.cos(a), 21 + 10 * math.sin(a), steel, 3)
    picture.disc(21, 21, 7, steel)
    picture.disc(21, 21, 3, TRANSPARENT)
    return picture


def background_picture():
    picture = Picture()
    for y in range(SIZE):
        for x in range(SIZE):
            picture.pixels[y][x] = (120 + y * 3, 180 + y * 2, 255, 255) if y < 20 else (60, 150 + (x % 4) * 10, 60, 255)
    picture.disc(24, 7, 4, (255, 230, 60, 255))
    picture.polygon([(2, 20), (10, 10), (18, 20)], (130, 110, 100, 255))
    picture.line(0, 0, 31, 0, BLACK)
    picture.line(0, 31, 31, 31, BLACK)
    picture.line(0, 0, 0, 31, BLACK)
    picture.line(31, 0, 31, 31, BLACK)
    return picture


def rotation_picture():
    picture = Picture()
    blue = (30, 80, 220, 255)
    picture.ring(15.5, 15.5, 10, blue, 3, 0.3, 5.6)
    tip = (15.5 + 10 * math.cos(0.3), 15.5 - 10 * math.sin(0.3))
    picture.polygon([(tip[0] - 5, tip[1] - 1), (tip[0] + 5, tip[1] - 1), (tip[0], tip[1] + 6)], blue)
    picture.disc(15.5, 15.5, 1.5, BLACK)
    return picture


def magnifier_picture():
    picture = Picture()
    picture.disc(13, 13, 9, (200, 230, 255, 200))
    picture.ring(13, 13, 9, BLACK, 2)
    picture.line(19.5, 19.5, 29, 29, (110, 60, 20, 255), 4)
    picture.line(9, 13, 17, 13, BLACK, 2)
    picture.line(13, 9, 13, 17, BLACK, 2)
    return picture


def question_picture():
    picture = Picture()
    pointer(picture)
    blue = (20, 60, 200, 255)
    picture.ring(22, 12, 5, blue, 2.5, -0.9, math.pi)
    picture.line(22 + 5 * math.cos(-0.9), 12 - 5 * math.sin(-0.9), 22, 21, blue, 2.5)
    picture.disc(22, 27, 1.8, blue)
    return picture


def pencil_picture():
    picture = Picture()
    body = [(26, 2), (30, 6), (10, 26), (6, 22)]
    picture.polygon(body, (250, 200, 40, 255))
    picture.polygon([(6, 22), (10, 26), (2, 30)], (240, 210, 170, 255))
    picture.line(2, 30, 4, 28, BLACK, 2)
    picture.polygon([(26, 2), (30, 6), (28, 8), (24, 4)], (240, 120, 140, 255))
    return picture


def bin_picture():
    picture = Picture()
    grey = (120, 130, 140, 255)
    picture.polygon([(7, 9), (25, 9), (23, 30), (9, 30)], (190, 200, 210, 255))
    for x in (12, 16, 20):
        picture.line(x, 12, x, 27, grey, 2)
    picture.line(5, 7, 27, 7, grey, 3)
    picture.line(13, 4, 19, 4, grey, 2)
    return picture


def write(path, data):
    with open(os.path.join(DATA, path), "wb") as out:
        out.write(data)


def make_cursors():
    os.makedirs(os.path.join(DATA, "icones"), exist_ok=True)
    turns = [k * math.pi / 8 for k in range(4)]
    write("icones/cube.ani", ani_file([cube_frame(a) for a in turns], (1, 1), 10))
    write("icones/star.ani", ani_file([star_frame(a / 2) for a in turns], (15, 15), 8))
    write("icones/fond.ico", icon_file(background_picture()))
    write("icones/rot.cur", icon_file(rotation_picture(), (15, 15)))
    write("icones/loupe.ico", icon_file(magnifier_picture()))
    write("icones/travail.ani", ani_file([hourglass_frame(level) for level in range(4)], (16, 16), 15))
    write("icones/outils.ani", ani_file([tools_frame(a / 2) for a in turns], (1, 1), 10))
    write("icones/question.cur", icon_file(question_picture(), (1, 1)))
    write("icones/construit.ico", icon_file(pencil_picture()))
    write("icones/poubelle.ico", icon_file(bin_picture()))


RATE = 22050


def tone(frequency, seconds, volume=0.35):
    """A note with a soft attack and an exponential decay, with one overtone."""
    count = int(RATE * seconds)
    samples = []
    for n in range(count):
        t = n / RATE
        envelope = min(1.0, t / 0.01) * math.exp(-3.0 * t / seconds)
        value = math.sin(2 * math.pi * frequency * t) + 0.3 * math.sin(4 * math.pi * frequency * t)
        samples.append(volume * envelope * value / 1.3)
    return samples


def melody(notes):
    samples = []
    for frequency, seconds in notes:
        samples += tone(frequency, seconds) if frequency else [0.0] * int(RATE * seconds)
    return samples


def write_wave(path, samples):
    with wave.open(os.path.join(DATA, path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767)) for s in samples))


def note(name):
    """Frequency of a note such as "A4" or "C#5" (equal temperament, A4 = 440 Hz)."""
    names = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((names.index(pitch) - 9) / 12 + octave - 4)


def make_sounds():
    os.makedirs(os.path.join(DATA, "musique"), exist_ok=True)
    # The space intro: a slow rising arpeggio.
    write_wave("musique/intro1.wav", melody([(note(n), 0.35) for n in
                                             ["C4", "G4", "C5", "E5", "G5", "E5", "C5", "G4"]] + [(note("C5"), 1.0)]))
    # The two endings of the intro: one bright, one soft.
    write_wave("musique/fin1.wav", melody([(note("G4"), 0.15), (note("C5"), 0.15), (note("E5"), 0.15),
                                           (note("G5"), 0.6)]))
    write_wave("musique/fin2.wav", melody([(note("E5"), 0.2), (note("C5"), 0.2), (note("A4"), 0.6)]))
    # The "A propos" chime.
    write_wave("musique/tada.wav", melody([(note("C5"), 0.12), (note("G5"), 0.7)]))
    # The intro window: a short tune for the credits.
    write_wave("musique/intro2.wav", melody([(note(n), d) for n, d in
                                             [("E4", 0.25), ("G4", 0.25), ("A4", 0.25), ("C5", 0.5),
                                              ("A4", 0.25), ("C5", 0.25), ("D5", 0.75)]]))


if __name__ == "__main__":
    make_cursors()
    make_sounds()
