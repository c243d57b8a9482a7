#!/usr/bin/python3
"""Draws every picture Plakmund's window and its desktop entry use, and writes it into this folder.

Run from the repository root with Debian's Python, python3-pil and icoutils:

    /usr/bin/python3 assets/draw_assets.py

The output only depends on this file, so running it twice gives identical files.
"""

import math
import random
import subprocess
import tempfile
from pathlib import Path

from PIL import IcoImagePlugin, Image, ImageChops, ImageColor, ImageDraw, ImageFilter, ImageFont

OUT = Path(__file__).resolve().parent
SS = 8  # the 16 px icons are drawn this many times larger, then box-filtered down
BS = 3  # the same for the board picture


def rgba(hex_colour, alpha=255):
    return ImageColor.getrgb(hex_colour) + (alpha,)


# ---------------------------------------------------------------- drawing helpers

class Shape:
    """A coverage mask drawn in output pixel units on a canvas `scale` times larger.

    Rectangles cover [x0, x1) x [y0, y1), so shapes on whole pixels stay crisp after
    downsampling. `grow` widens every primitive, which is how outlines are made.
    """

    def __init__(self, size, scale=SS, grow=0.0):
        width, height = (size, size) if isinstance(size, int) else size
        self.scale, self.grow = scale, grow
        self.image = Image.new("L", (round(width * scale), round(height * scale)), 0)
        self._draw = ImageDraw.Draw(self.image)

    def _box(self, x0, y0, x1, y1):
        s, g = self.scale, self.grow
        return [(x0 - g) * s, (y0 - g) * s, (x1 + g) * s - 1, (y1 + g) * s - 1]

    def rect(self, x0, y0, x1, y1, radius=0.0):
        self._draw.rounded_rectangle(self._box(x0, y0, x1, y1),
                                     (radius + self.grow) * self.scale, fill=255)
        return self

    def ellipse(self, x0, y0, x1, y1):
        self._draw.ellipse(self._box(x0, y0, x1, y1), fill=255)
        return self

    def circle(self, cx, cy, r):
        return self.ellipse(cx - r, cy - r, cx + r, cy + r)

    def polygon(self, points):
        self._draw.polygon([(x * self.scale, y * self.scale) for x, y in points], fill=255)
        return self

    def stroke(self, points, width):
        """A polyline with round joints and round ends."""
        pts = [(x * self.scale, y * self.scale) for x, y in points]
        w = (width + 2 * self.grow) * self.scale
        self._draw.line(pts, fill=255, width=round(w), joint="curve")
        for x, y in pts:
            self._draw.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)
        return self

    def shrunk(self):
        """The mask eroded by one output pixel, for 1 px icon outlines."""
        return self.image.filter(ImageFilter.MinFilter(2 * round(self.scale) + 1))


def mask_of(shape):
    return shape.image if isinstance(shape, Shape) else shape


def paint(canvas, shape, fill):
    """Composites fill (a colour or a canvas-sized image) over canvas through a mask."""
    if isinstance(fill, Image.Image):
        layer = fill.convert("RGBA")
    else:
        layer = Image.new("RGBA", canvas.size, fill)
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), mask_of(shape)))
    canvas.alpha_composite(layer)


def gradient(size, box, top, bottom, horizontal=False):
    """A canvas-sized image going from `top` to `bottom` across box (canvas pixels),
    downwards or, if horizontal, rightwards; outside the box the end colours hold."""
    x0, y0, x1, y1 = box
    lo, hi = (x0, x1) if horizontal else (y0, y1)
    length = size[0] if horizontal else size[1]
    levels = [min(255, max(0, round(255 * (i + 0.5 - lo) / max(hi - lo, 1))))
              for i in range(length)]
    ramp = Image.new("L", (length, 1) if horizontal else (1, length))
    ramp.putdata(levels)
    ramp = ramp.resize(size, Image.Resampling.NEAREST)
    return Image.composite(Image.new("RGBA", size, rgba(bottom)),
                           Image.new("RGBA", size, rgba(top)), ramp)


def colour_ramp(grey, stops):
    """Maps an L image through [(level, '#rrggbb'), ...] stops covering 0..255."""
    colours = [(level, rgba(colour)) for level, colour in stops]
    luts = [[], [], []]
    for v in range(256):
        for (p0, c0), (p1, c1) in zip(colours, colours[1:]):
            if p0 <= v <= p1:
                t = (v - p0) / (p1 - p0) if p1 > p0 else 0.0
                for c in range(3):
                    luts[c].append(round(c0[c] + (c1[c] - c0[c]) * t))
                break
    return Image.merge("RGB", [grey.point(lut) for lut in luts]).convert("RGBA")


def radial(size, centre, radius):
    """An L image: 0 at centre rising to 255 at `radius` (canvas pixels) and beyond."""
    span = round(radius * 181 / 128)  # radial_gradient reaches 255 at 181/128 of its half size
    blob = Image.radial_gradient("L").resize((2 * span, 2 * span), Image.Resampling.BILINEAR)
    full = Image.new("L", size, 255)
    full.paste(blob, (round(centre[0]) - span, round(centre[1]) - span))
    return full


def noise(size, seed, blur=0.0):
    grain = Image.frombytes("L", size, random.Random(seed).randbytes(size[0] * size[1]))
    return grain.filter(ImageFilter.GaussianBlur(blur)) if blur else grain


def put_pixels(image, origin, rows, colours, scale=1):
    """Sets icon pixels from a small text grid, each a scale x scale block of the
    image; '.' leaves the pixel as it is."""
    ox, oy = origin
    for y, row in enumerate(rows):
        for x, key in enumerate(row):
            if key != ".":
                left, top = (ox + x) * scale, (oy + y) * scale
                image.paste(colours[key], (left, top, left + scale, top + scale))


class Icon:
    """A 16 x 16 picture drawn SS times larger, in icon pixel units, and given
    `scale` output pixels to each icon pixel (2 for screens of twice the density)."""

    def __init__(self, scale=1):
        self.scale = scale
        self.canvas = Image.new("RGBA", (16 * SS, 16 * SS), (0, 0, 0, 0))

    def shape(self):
        return Shape(16)

    def gradient(self, top, bottom, y0=0, y1=16):
        return gradient(self.canvas.size, (0, y0 * SS, 16 * SS, y1 * SS), top, bottom)

    def fill(self, shape, fill):
        paint(self.canvas, shape, fill)

    def outlined(self, shape, outline, fill):
        """Fills the shape with the outline colour and its 1 px smaller inside with fill."""
        paint(self.canvas, shape, outline)
        paint(self.canvas, shape.shrunk(), fill)

    def finish(self):
        return self.canvas.resize((16 * self.scale, 16 * self.scale), Image.Resampling.BOX)


# ---------------------------------------------------------------- status pictures

EXCLAMATION = {"k": rgba("#1c1a14")}


def draw_status_ok(scale=1):
    icon = Icon(scale)
    tick = icon.shape().stroke([(2.8, 8.4), (6.2, 11.8), (13.2, 4.3)], 4.4)
    icon.outlined(tick, rgba("#1d5a1d"), icon.gradient("#9ae870", "#2c9a2c", 3, 14))
    return icon.finish()


def draw_status_error(scale=1):
    icon = Icon(scale)
    corners = [(8.0, 1.3), (15.0, 14.3), (1.0, 14.3)]
    triangle = icon.shape().polygon(corners).stroke(corners + [corners[0]], 1.4)
    icon.outlined(triangle, rgba("#6e5200"), icon.gradient("#fff27e", "#f0bc00", 1, 15))
    image = icon.finish()
    put_pixels(image, (7, 5), ["kk"] * 5 + ["..", "kk", "kk"], EXCLAMATION, scale)
    return image


def draw_status_unknown(scale=1):
    icon = Icon(scale)
    c = 4.6  # how far the corners are cut
    octagon = icon.shape().polygon([(c, 0.5), (16 - c, 0.5), (15.5, c), (15.5, 16 - c),
                                    (16 - c, 15.5), (c, 15.5), (0.5, 16 - c), (0.5, c)])
    icon.outlined(octagon, rgba("#6e5200"), icon.gradient("#fff27e", "#f0bc00", 1, 15))
    image = icon.finish()
    put_pixels(image, (7, 3), ["kk"] * 7 + ["..", "kk", "kk"], EXCLAMATION, scale)
    return image


# ---------------------------------------------------------------- button icons

def draw_folder(scale=1):
    icon = Icon(scale)
    outline = rgba("#275a1a")
    back = icon.shape().rect(1, 2, 7, 5, radius=1).rect(1, 3, 15, 14, radius=1)
    icon.outlined(back, outline, rgba("#4c9a38"))
    paper = icon.shape().rect(3, 4, 14, 9)
    icon.outlined(paper, rgba("#8d8d84"), rgba("#fbfbf6"))
    front = icon.shape().polygon([(2.6, 6), (15.4, 6), (14.5, 14.6), (0.6, 14.6)])
    icon.outlined(front, outline, icon.gradient("#9be07c", "#4fae3d", 6, 15))
    return icon.finish()


def draw_floppy(icon, x, y):
    """An 11 px blue 3.5 inch disk with its top left corner at (x, y)."""
    body = icon.shape().polygon([(x, y), (x + 9.6, y), (x + 11, y + 1.4),
                                 (x + 11, y + 11), (x, y + 11)])
    icon.outlined(body, rgba("#14214a"), icon.gradient("#5b8ae0", "#2a4c9c", y, y + 11))
    shutter = icon.shape().rect(x + 3, y, x + 9, y + 4)
    icon.outlined(shutter, rgba("#4d535e"), rgba("#d9dde4"))
    icon.fill(icon.shape().rect(x + 6, y + 1, x + 7, y + 3), rgba("#2c3038"))
    icon.fill(icon.shape().rect(x + 2, y + 6, x + 9, y + 10), rgba("#f4f4f0"))
    icon.fill(icon.shape().rect(x + 3, y + 7, x + 8, y + 8), rgba("#9fb4d8"))


def draw_save_set(scale=1):
    icon = Icon(scale)
    sheet = icon.shape().polygon([(5, 0), (12.4, 0), (16, 3.6), (16, 12.6), (5, 12.6)])
    icon.outlined(sheet, rgba("#66666a"), icon.gradient("#ffffff", "#e2e2e6", 0, 13))
    fold = icon.shape().polygon([(12, 0), (12, 4), (16, 4)])
    icon.outlined(fold, rgba("#66666a"), rgba("#cfcfd4"))
    for row, right in ((3, 11), (5, 14), (7, 14), (9, 14)):
        icon.fill(icon.shape().rect(7, row, right, row + 1), rgba("#8e8e96"))
    draw_floppy(icon, 0, 5)
    return icon.finish()


def draw_save_bin(scale=1):
    icon = Icon(scale)
    outline = rgba("#5e5240")
    drive = icon.shape().rect(3, 1, 16, 12, radius=1)
    icon.outlined(drive, outline, icon.gradient("#efe6cc", "#c2b48e", 1, 12))
    icon.fill(icon.shape().rect(4, 2, 15, 3), rgba("#fbf6e6"))
    icon.fill(icon.shape().rect(5, 4, 15, 5), rgba("#2a241a"))
    icon.fill(icon.shape().rect(13, 8, 15, 9), rgba("#e23222"))
    draw_floppy(icon, 0, 5)
    return icon.finish()


NEW_LETTERS = [
    "w..w.www.w...w",
    "ww.w.w...w...w",
    "w.ww.ww..w.w.w",
    "w..w.w...w.w.w",
    "w..w.www..w.w.",
]


def draw_clear_all(scale=1):
    icon = Icon(scale)
    points = []
    for k in range(32):
        angle = math.pi * k / 16
        reach = 7.9 if k % 2 == 0 else 7.1
        # squarish base so the word has room at the sides
        squash = (abs(math.cos(angle)) ** 4 + abs(math.sin(angle)) ** 4) ** -0.25
        points.append((8 + reach * squash * math.cos(angle), 8 + reach * squash * math.sin(angle)))
    badge = icon.shape().polygon(points)
    icon.outlined(badge, rgba("#8a3200"), icon.gradient("#ffa43a", "#e85d00", 1, 15))
    image = icon.finish()
    put_pixels(image, (1, 5), NEW_LETTERS, {"w": rgba("#ffffff")}, scale)
    return image


def draw_help(scale=1):
    icon = Icon(scale)
    h = math.sqrt(0.5)

    def at(u, v):
        """u runs along the plaster (bottom left to top right), v across it."""
        return (8 + (u + v) * h, 8 + (v - u) * h)

    strip = icon.shape().stroke([at(-6.0, 0), at(6.0, 0)], 7.0)
    icon.outlined(strip, rgba("#84552a"), icon.gradient("#f2cd9c", "#d49c5e", 1, 15))
    pad = icon.shape().polygon([at(-2.6, -2.5), at(2.6, -2.5), at(2.6, 2.5), at(-2.6, 2.5)])
    icon.fill(pad, rgba("#fdf1e2"))
    image = icon.finish()
    for u, v in ((4.6, -1.3), (4.6, 1.3), (6.8, 0.0), (-4.6, -1.3), (-4.6, 1.3), (-6.8, 0.0)):
        x, y = at(u, v)
        put_pixels(image, (math.floor(x), math.floor(y)), ["d"], {"d": rgba("#93592a")}, scale)
    return image


def draw_exit(scale=1):
    icon = Icon(scale)
    cross = icon.shape().stroke([(3.3, 3.3), (12.7, 12.7)], 4.4).stroke([(12.7, 3.3), (3.3, 12.7)], 4.4)
    icon.outlined(cross, rgba("#640b0b"), icon.gradient("#ff7464", "#c21010", 1, 15))
    return icon.finish()


# ---------------------------------------------------------------- window icon

def draw_joystick(size):
    """The joystick at one size. Geometry is in units of a 256 px picture; the outline
    stays at least one output pixel wide so small sizes keep their shape."""
    ss = 4
    scale = size * ss / 256
    line = max(1.0, size / 100) * 256 / size  # outline width in design units
    canvas = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    dim = canvas.size
    outline = rgba("#1a1b1e")

    def shape(grow=0.0):
        return Shape((256, 256), scale, grow)

    def at(x, y):
        return (x * scale, y * scale)

    def span(lo, hi):
        """A gradient box from lo to hi along either axis, in canvas pixels."""
        return (lo * scale, lo * scale, hi * scale, hi * scale)

    def part(build, fill):
        paint(canvas, build(shape(line)), outline)
        paint(canvas, build(shape()), fill)

    shadow = shape().ellipse(18, 214, 244, 252).image.filter(ImageFilter.GaussianBlur(6 * scale))
    paint(canvas, shadow.point(lambda v: v * 90 // 255), rgba("#000000"))

    part(lambda s: s.rect(16, 146, 240, 236, radius=34),
         gradient(dim, span(170, 236), "#7a7f87", "#474b52"))
    part(lambda s: s.rect(16, 132, 240, 214, radius=34),
         gradient(dim, span(132, 214), "#e1e4e9", "#a4a9b1"))

    # fire button: a short red cylinder on the left of the base
    part(lambda s: s.ellipse(34, 162, 94, 190).rect(34, 148, 94, 176),
         gradient(dim, span(34, 94), "#b51616", "#6e0707", horizontal=True))
    top = colour_ramp(radial(dim, at(52, 150), 40 * scale),
                      [(0, "#ff9c90"), (110, "#f02a22"), (255, "#a10d0d")])
    part(lambda s: s.ellipse(34, 138, 94, 164), top)

    # rubber collar, stick and ball knob
    part(lambda s: s.ellipse(96, 158, 160, 194),
         colour_ramp(radial(dim, at(116, 166), 44 * scale),
                     [(0, "#5a5c60"), (120, "#25262a"), (255, "#0c0c0e")]))
    part(lambda s: s.rect(115, 64, 141, 180, radius=4),
         colour_ramp(gradient(dim, span(115, 141), "#000000", "#ffffff",
                              horizontal=True).convert("L"),
                     [(0, "#101012"), (70, "#6a6c72"), (130, "#26272b"), (255, "#060607")]))
    part(lambda s: s.circle(128, 62, 52),
         colour_ramp(radial(dim, at(108, 40), 80 * scale),
                     [(0, "#ffe2dc"), (40, "#ff6a5c"), (120, "#e3160f"), (200, "#980606"),
                      (255, "#5c0000")]))
    gloss = shape().ellipse(96, 24, 126, 46).image.filter(ImageFilter.GaussianBlur(5 * scale))
    paint(canvas, gloss.point(lambda v: v * 170 // 255), rgba("#ffffff"))

    return canvas.resize((size, size), Image.Resampling.BOX)


# At 16 px a scaled drawing turns to mush, so the smallest joystick is placed by hand.
JOYSTICK_16 = [
    "......oooo......",
    ".....owlrro.....",
    "....orlrrrRo....",
    "....orrrrrRo....",
    "....orrrrRRo....",
    "....oRrrRRRo....",
    ".....oRRRRo.....",
    "......osko......",
    "......osko......",
    ".ooooooskoooooo.",
    "ogfffgcskcgggggo",
    "ogFFFgccccgggggo",
    "oGGGGGGGGGGGGGGo",
    "oddddddddddddddo",
    ".oooooooooooooo.",
    "..hhhhhhhhhhhh..",
]
JOYSTICK_16_COLOURS = {
    "o": rgba("#1a1b1e"), "w": rgba("#ffe2dc"), "l": rgba("#ff7a6a"), "r": rgba("#e3160f"),
    "R": rgba("#980606"), "s": rgba("#6a6c72"), "k": rgba("#101012"), "c": rgba("#2a2b2f"),
    "f": rgba("#ff5a4c"), "F": rgba("#a10d0d"), "g": rgba("#dfe2e7"), "G": rgba("#a9aeb6"),
    "d": rgba("#5c6168"), "h": rgba("#000000", 70),
}


def draw_joystick_16():
    image = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    put_pixels(image, (0, 0), JOYSTICK_16, JOYSTICK_16_COLOURS)
    return image


def indexed(image, bits):
    """The image as an icon entry of that many bits per pixel shows it: opaque pixels in
    the 2 ** bits - 1 colours of a median cut over the opaque pixels only, the rest
    transparent black (palette entry 0, as the AND mask expects)."""
    opaque = image.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    rgb = image.convert("RGB")
    colours = [p for p, a in zip(rgb.getdata(), opaque.getdata()) if a]
    strip = Image.new("RGB", (len(colours), 1))
    strip.putdata(colours)
    reduced = strip.quantize((1 << bits) - 1, method=Image.Quantize.MEDIANCUT)
    flat = reduced.getpalette()
    palette = [tuple(flat[3 * i:3 * i + 3]) for i in sorted(i for _, i in reduced.getcolors())]
    # Exact nearest colour, first in palette order on a tie; quantize(palette=...) looks
    # colours up per 4 x 4 x 4 cell and picks a different one for some pixels.
    nearest = {c: min(palette, key=lambda p: sum((a - b) ** 2 for a, b in zip(c, p)))
               for c in set(rgb.getdata())}
    rgb.putdata([nearest[c] for c in rgb.getdata()])
    return Image.composite(rgb.convert("RGBA"), Image.new("RGBA", image.size), opaque)


def write_ico(path, entries):
    """entries: (RGBA image, bits per pixel, stored as PNG) in directory order. icotool
    (icoutils) writes the file: BMP entries with an AND mask, where alpha 0 is clear,
    and PNG entries as given. The pictures it is given are returned, in order."""
    given = []
    with tempfile.TemporaryDirectory() as folder:
        arguments = ["icotool", "--create", "--alpha-threshold=0", f"--output={path}"]
        for number, (image, bits, as_png) in enumerate(entries):
            picture = image if bits == 32 else indexed(image, bits)
            png = Path(folder) / f"{number}.png"
            picture.save(png)
            given.append(picture)
            arguments += [f"--bit-depth={bits}", f"--raw={png}" if as_png else str(png)]
        subprocess.run(arguments, check=True)
    return given


def check_ico(path, entries, given):
    """Reads the written file back: icotool lists its directory, Pillow decodes each
    entry, and both must show exactly what write_ico was asked to write."""
    listed = subprocess.run(["icotool", "--list", str(path)], check=True, capture_output=True,
                            text=True).stdout.split("\n")[:-1]
    expected = [f"--icon --index={number} --width={image.width} --height={image.height} "
                f"--bit-depth={bits} --palette-size={1 << bits if bits < 32 else 0}"
                for number, (image, bits, _) in enumerate(entries, 1)]
    if listed != expected:
        raise ValueError(f"{path} lists as {listed}, not {expected}")
    with open(path, "rb") as file:
        ico = IcoImagePlugin.IcoFile(file)
        # Pillow sorts the entries by size; (size, depth) names each one here.
        position = {(entry["width"], entry["height"], entry["bpp"]): n for n, entry in enumerate(ico.entry)}
        for (image, bits, as_png), picture in zip(entries, given):
            read = ico.frame(position[image.width, image.height, bits])
            if (read.format == "PNG") != as_png or read.convert("RGBA").tobytes() != picture.tobytes():
                raise ValueError(f"{path}: the {image.width} x {image.height} image at {bits} bits "
                                 "does not read back as written")


THEME_ICON_SIZES = (16, 32, 48, 128, 256, 512)


def make_window_icon():
    renders = {size: draw_joystick(size) for size in (512, 256, 128, 48, 32)}
    renders[16] = draw_joystick_16()
    entries = [(renders[32], 4, False), (renders[16], 4, False),
               (renders[48], 8, False), (renders[32], 8, False), (renders[16], 8, False),
               (renders[256], 32, True), (renders[128], 32, False), (renders[48], 32, False),
               (renders[32], 32, False), (renders[16], 32, False)]
    path = OUT / "plakmund.ico"
    check_ico(path, entries, write_ico(path, entries))
    renders[256].save(OUT / "joystick.png")
    write_theme_icons(renders)


def write_theme_icons(renders):
    """The same joystick renders as separate PNGs for the desktop's hicolor icon theme,
    which the package installs as share/icons/hicolor/NxN/apps/plakmund.png."""
    folder = OUT / "icons"
    folder.mkdir(exist_ok=True)
    for size in THEME_ICON_SIZES:
        path = folder / f"plakmund-{size}.png"
        renders[size].save(path)
        with Image.open(path) as written:
            if written.size != (size, size) or written.mode != "RGBA":
                raise ValueError(f"{path} reads back as {written.mode} {written.size}")


# ---------------------------------------------------------------- board picture

BOARD_W, BOARD_H = 269, 377
PITCH = 6.4  # 0.1 inch at the picture's scale
SILK = rgba("#efefe6", 235)
# the small built-in bitmap font (newer Pillow's load_default gives a scalable one)
FONT = getattr(ImageFont, "load_default_imagefont", ImageFont.load_default)()


class Board:
    """The board picture's surfaces, all BS times larger than the result: the bare
    board, the parts layer on top of it and the footprints that cast shadows."""

    def __init__(self):
        self.size = (BOARD_W * BS, BOARD_H * BS)
        self.base = Image.new("RGBA", self.size, (0, 0, 0, 255))
        self.parts = Image.new("RGBA", self.size, (0, 0, 0, 0))
        self.footprint = Image.new("L", self.size, 0)

    def shape(self):
        return Shape((BOARD_W, BOARD_H), BS)

    def gradient(self, box, top, bottom, horizontal=False):
        return gradient(self.size, [v * BS for v in box], top, bottom, horizontal)

    def radial(self, centre, radius, stops):
        return colour_ramp(radial(self.size, [v * BS for v in centre], radius * BS), stops)

    def part(self, shape, fill):
        """Paints on the parts layer; the shape also casts a shadow on the board."""
        self.footprint = ImageChops.lighter(self.footprint, mask_of(shape))
        paint(self.parts, shape, fill)

    def detail(self, shape, fill):
        paint(self.parts, shape, fill)

    def text(self, text, centre, height, fill=SILK, vertical=False, layer=None):
        """Bitmap-font text scaled to `height` output pixels (cap height)."""
        glyphs = Image.new("L", (7 * len(text) - 1, 8), 0)
        pen = ImageDraw.Draw(glyphs)
        for i, char in enumerate(text):  # one column wider than the font's own spacing
            pen.text((7 * i, -1), char, font=FONT, fill=255)
        zoom = height * BS / 8
        glyphs = glyphs.resize((round(glyphs.width * zoom), round(8 * zoom)),
                               Image.Resampling.BILINEAR)
        if vertical:
            glyphs = glyphs.transpose(Image.Transpose.ROTATE_90)
        mask = Image.new("L", self.size, 0)
        mask.paste(glyphs, (round(centre[0] * BS - glyphs.width / 2),
                            round(centre[1] * BS - glyphs.height / 2)))
        paint(self.base if layer is None else layer, mask, fill)


def pcb_outline(board):
    return board.shape().rect(6, 6, 263, 318, radius=7).rect(22, 280, 247, 372, radius=2)


def route(finger_x, turn_y, channel_x, end_y, end_x=None):
    """A trace from a finger's top up to turn_y, a 45 degree jog to channel_x, up to
    end_y and, if given, across to end_x."""
    points = [(finger_x, 322), (finger_x, turn_y),
              (channel_x, turn_y - abs(channel_x - finger_x)), (channel_x, end_y)]
    return points + ([(end_x, end_y)] if end_x is not None else [])


def board_traces(board):
    """Copper under the green solder mask, and the vias where traces change sides."""
    finger = [29.5 + 10 * i for i in range(22)]
    eprom_pin = [44 + PITCH * i for i in range(16)]
    switch_leg = [150 - 3.5 * PITCH + PITCH * i for i in range(8)]
    paths, vias = [], []
    # address lines: fingers under the EPROM fan out to both pin rows
    for j, i in enumerate(range(2, 7)):
        paths.append(route(finger[i], 282, 30 + 4 * j, eprom_pin[11 + j], 62))
    for j, i in enumerate(range(7, 11)):
        paths.append(route(finger[i], 282, 107 + 4 * j, eprom_pin[15 - j], 98))
    # data bus from the EPROM straight across to the first logic chip
    for k in range(8):
        paths.append([(100, eprom_pin[k]), (132, eprom_pin[k])])
    # chip to chip and chip to via
    for k in (1, 3, 4, 6):
        y = 44 + PITCH * k
        paths.append([(148, y), (170, y)])
    for k in (0, 2, 5):
        y = 44 + PITCH * k
        paths.append([(188, y), (198, y), (204, y + 6)])
        vias.append((204, y + 6))
    for k in (2, 5):
        y = 44 + PITCH * k
        paths.append([(226, y), (238, y), (244, y + 6)])
    # control lines into the switch block and on to vias between the chips
    for j, i in enumerate(range(12, 16)):
        paths.append(route(finger[i], 236, switch_leg[2 + j], 148))
    for k in range(0, 8, 2):
        paths.append([(switch_leg[k], 112), (switch_leg[k], 104)])
        vias.append((switch_leg[k], 102))
    # LED driver lines, plus single traces that drop to vias
    for i, x in ((17, 200), (19, 220), (20, 240)):
        paths.append(route(finger[i], 262, x, 218))
        paths.append([(x, 186), (x, 178)])
    for i in (1, 11, 16, 18):
        paths.append([(finger[i], 322), (finger[i], 296)])
        vias.append((finger[i], 294))
    for x, y in ((200, 170), (220, 170), (240, 170)):
        paths.append([(x + 2.5, y), (x + 10, y - 8), (x + 10, y - 30)])
        vias.append((x + 10, y - 32))

    copper = board.shape()
    for points in paths:
        copper.stroke(points, 1.7)
    ground = board.shape().stroke([(finger[0], 322), (finger[0], 304), (19, 292)], 3.5)
    ground.stroke([(finger[21], 322), (finger[21], 304), (250, 292)], 3.5)
    copper = ImageChops.lighter(copper.image, ground.image)
    edge = ImageChops.offset(copper, BS // 2 + 1, BS // 2 + 1)
    paint(board.base, edge, rgba("#0c3518", 170))
    paint(board.base, copper, rgba("#3a9a56"))
    for x, y in vias:
        paint(board.base, board.shape().circle(x, y, 2.1), rgba("#3a9352"))
        paint(board.base, board.shape().circle(x, y, 0.9), rgba("#0c2612"))


def gold_fingers(board):
    for i in range(22):
        x = 26 + 10 * i
        finger = board.shape().rect(x, 322, x + 7, 371, radius=1.2)
        across = board.gradient((x, 0, x + 7, 0), "#000000", "#ffffff", horizontal=True)
        paint(board.base, finger, colour_ramp(across.convert("L"), [
            (0, "#8a5e16"), (70, "#f4d47c"), (140, "#d8a844"), (255, "#8e6218")]))
        sheen = board.gradient((0, 322, 0, 371), "#505050", "#000000").convert("L")
        paint(board.base, ImageChops.multiply(finger.image, sheen), rgba("#fff8e0"))
        paint(board.base, board.shape().circle(x + 3.5, 326, 1.4), rgba("#6d4c14"))


def mounting_hole(board, cx, cy):
    paint(board.base, board.shape().circle(cx, cy, 7), board.radial(
        (cx - 3, cy - 3), 10, [(0, "#fff1b8"), (120, "#d9ae52"), (255, "#8a6420")]))
    paint(board.base, board.shape().circle(cx, cy, 4.2), board.radial(
        (cx + 1.5, cy + 1.5), 5, [(0, "#8c8a86"), (150, "#4a4946"), (255, "#1c1c1b")]))


def solder_joint(board, cx, cy, r=2.2):
    board.part(board.shape().circle(cx, cy, r), board.radial(
        (cx - r / 2, cy - r / 2), r * 1.8, [(0, "#ffffff"), (90, "#c9ccd0"), (255, "#55585c")]))


def dip_chip(board, cx, cy, pins, row_gap, vertical, label, colour="#1d1d20", body=None):
    """A DIP package centred on (cx, cy) with its pins along the long sides."""
    half = pins // 2
    length = half * PITCH + 1.6
    body = body or row_gap - 3.8

    def box(u0, v0, u1, v1):
        return (cx + v0, cy + u0, cx + v1, cy + u1) if vertical else (cx + u0, cy + v0, cx + u1, cy + v1)

    for i in range(half):
        u = (i - (half - 1) / 2) * PITCH
        for side in (-1, 1):
            v0, v1 = sorted((side * body / 2, side * (row_gap / 2 + 1.4)))
            board.part(board.shape().rect(*box(u - 1.1, v0, u + 1.1, v1)),
                       rgba("#a9acb1"))
            board.detail(board.shape().rect(*box(u - 0.4, v0, u + 0.5, v1)), rgba("#dcdee2"))
    outer = board.shape().rect(*box(-length / 2, -body / 2, length / 2, body / 2), radius=1)
    board.part(outer, rgba(colour))
    x0, y0, x1, y1 = box(-length / 2 + 1, -body / 2 + 1, length / 2 - 1, body / 2 - 1)
    board.detail(board.shape().rect(x0, y0, x1, y1, radius=1),
                 board.gradient((x0, y0, x1, y1), "#36363b", colour))
    notch = board.shape().circle(*box(-length / 2, 0, -length / 2, 0)[:2], 2.3)
    board.detail(ImageChops.multiply(notch.image, outer.image), rgba("#070708"))
    board.detail(board.shape().circle(*box(-length / 2 + 4, -body / 2 + 3.2, 0, 0)[:2], 1.3),
                 rgba("#111113"))
    if label:
        board.text(label, (cx, cy), 3.2, rgba("#a8a8ad", 200), vertical=vertical, layer=board.parts)


def eprom(board, cx, cy):
    """A 32 pin windowed EPROM in a turned pin socket."""
    length = 16 * PITCH + 1.6
    top, bottom = cy - length / 2 - 5, cy + length / 2 + 5
    socket = board.shape().rect(cx - 25, top, cx + 25, bottom, radius=1.5)
    board.part(socket, board.gradient((0, top, 0, bottom), "#3c3c42", "#1c1c20"))
    board.detail(board.shape().rect(cx - 24, top + 1, cx + 24, top + 2), rgba("#6a6a72"))
    for i in range(16):
        y = cy + (i - 7.5) * PITCH
        for x in (cx - 20.5, cx + 20.5):
            board.detail(board.shape().circle(x, y, 2.3), rgba("#d9b252"))
            board.detail(board.shape().circle(x, y, 1.2), rgba("#4a3514"))
    dip_chip(board, cx, cy, 32, 40, True, "", colour="#4a4642", body=31)
    wx, wy = cx, cy - 14
    board.detail(board.shape().circle(wx, wy, 11.5), board.radial(
        (wx - 4, wy - 4), 16, [(0, "#9c9a98"), (150, "#5a5857"), (255, "#2a2928")]))
    board.detail(board.shape().circle(wx, wy, 9.5), board.radial(
        (wx - 2, wy - 2), 11, [(0, "#e8c874"), (160, "#a57a2a"), (255, "#4a3414")]))
    board.detail(board.shape().rect(wx - 4.5, wy - 3.5, wx + 4.5, wy + 3.5), board.gradient(
        (wx - 4.5, wy - 3.5, wx + 4.5, wy + 3.5), "#b7b2cc", "#6f6a86"))
    for k in range(3):
        board.detail(board.shape().rect(wx - 3.5, wy - 2.3 + 2.2 * k, wx + 3.5, wy - 1.6 + 2.2 * k),
                     rgba("#3e3a52", 160))
    reflection = board.shape().circle(wx - 3.5, wy - 3.5, 5).image.filter(
        ImageFilter.GaussianBlur(2 * BS))
    board.detail(ImageChops.multiply(reflection, board.shape().circle(wx, wy, 9.5).image),
                 rgba("#ffffff", 140))
    board.text("27C010", (cx, cy + 20), 3.4, rgba("#c2c2c6", 210), vertical=True, layer=board.parts)


def dip_switch(board, cx, cy, states):
    count = len(states)
    width, height = count * PITCH + 2, 24
    x0, y0 = cx - width / 2, cy - height / 2
    for i in range(count):
        x = cx + (i - (count - 1) / 2) * PITCH
        for y in (y0 - 3, y0 + height):
            board.part(board.shape().rect(x - 1.1, y, x + 1.1, y + 3), rgba("#c3c6ca"))
    block = board.shape().rect(x0, y0, x0 + width, y0 + height, radius=1.2)
    board.part(block, rgba("#7e0e14"))
    board.detail(board.shape().rect(x0 + 0.8, y0 + 0.8, x0 + width - 0.8, y0 + height - 0.8, radius=1),
                 board.gradient((0, y0, 0, y0 + height), "#e8404a", "#b01a22"))
    for i, on in enumerate(states):
        x = cx + (i - (count - 1) / 2) * PITCH
        board.detail(board.shape().rect(x - 2, y0 + 6, x + 2, y0 + 18, radius=0.5), rgba("#4a070b"))
        top = y0 + 6.6 if on else y0 + 12.4
        board.detail(board.shape().rect(x - 1.5, top + 4.6, x + 1.7, top + 5.8), rgba("#2a0305", 150))
        board.detail(board.shape().rect(x - 1.6, top, x + 1.6, top + 5, radius=0.4),
                     board.gradient((0, top, 0, top + 5), "#ffffff", "#d6d6d0"))
        board.text(str(i + 1), (x, y0 + 21), 2.4, rgba("#ffffff", 220), layer=board.parts)
    board.text("ON", (x0 + 5, y0 + 3.2), 2.4, rgba("#ffffff", 220), layer=board.parts)


def led(board, cx, cy, epoxy):
    """A 5 mm LED from above: flange with a flat, tinted dome, lead frame inside."""
    dark, mid, light = epoxy
    flange = board.shape().circle(cx, cy, 7)
    flat = board.shape().rect(cx - 8, cy - 8, cx + 5.6, cy + 8)
    board.part(ImageChops.multiply(flange.image, flat.image), rgba(dark))
    dome = board.shape().circle(cx, cy, 5.8)
    board.detail(dome, board.radial((cx - 1.5, cy - 1.5), 8,
                                    [(0, light), (120, mid), (255, dark)]))
    board.detail(board.shape().rect(cx - 3.2, cy - 0.6, cx - 0.4, cy + 2.6, radius=0.6), rgba(dark, 170))
    board.detail(board.shape().rect(cx + 0.8, cy + 0.2, cx + 2.4, cy + 2.2), rgba(dark, 150))
    glint = board.shape().circle(cx - 2.2, cy - 2.4, 1.9).image.filter(ImageFilter.GaussianBlur(0.6 * BS))
    board.detail(glint, rgba("#ffffff", 230))


BAND = {"black": "#1a1a1a", "brown": "#6b3a1c", "red": "#c81e1e", "orange": "#e8741c",
        "yellow": "#e8c81c", "violet": "#7a3ab0", "gold": "#c8a040"}


def resistor(board, cx, cy, vertical, bands):
    """An axial resistor between two solder joints 0.5 inch apart."""
    def box(u0, v0, u1, v1):
        return (cx + v0, cy + u0, cx + v1, cy + u1) if vertical else (cx + u0, cy + v0, cx + u1, cy + v1)

    span = 2 * PITCH
    board.part(board.shape().rect(*box(-span, -0.5, span, 0.6)), rgba("#c8cacc"))
    for end in (-span, span):
        solder_joint(board, *box(end, 0, 0, 0)[:2])
    body = board.shape().rect(*box(-7.5, -2.9, 7.5, 2.9), radius=2.6)
    board.part(body, rgba("#d8c39a"))
    for k, name in enumerate(bands):
        u = -4.6 + 2.4 * k + (1.2 if k == len(bands) - 1 else 0)
        board.detail(board.shape().rect(*box(u, -2.9, u + 1.3, 2.9)), rgba(BAND[name]))
    # round body: darker towards both edges, a highlight a third of the way across
    across = board.gradient(box(-7.5, -2.9, 7.5, 2.9), "#000000", "#ffffff",
                            horizontal=vertical).convert("L")
    board.detail(ImageChops.multiply(body.image, across.point(
        lambda v: round(max(0, abs(v - 100) - 60) * 1.6))), rgba("#000000"))
    board.detail(ImageChops.multiply(body.image, across.point(
        lambda v: round(max(0, 60 - abs(v - 75)) * 2.5))), rgba("#ffffff"))


def ceramic_cap(board, cx, cy):
    for x in (cx - 5, cx + 5):
        solder_joint(board, x, cy, 1.8)
    board.part(board.shape().rect(cx - 5, cy - 0.5, cx + 5, cy + 0.5), rgba("#c8cacc"))
    blob = board.shape().ellipse(cx - 4.2, cy - 3.2, cx + 4.2, cy + 3.2)
    board.part(blob, board.radial((cx - 1.5, cy - 1.5), 6, [(0, "#ffe48a"), (130, "#e0a018"),
                                                            (255, "#8a5806")]))


def electrolytic(board, cx, cy, r):
    sleeve = board.shape().circle(cx, cy, r)
    board.part(sleeve, board.radial((cx - 3, cy - 3), r * 1.4, [(0, "#3c5cb0"), (140, "#1d2f6e"),
                                                                (255, "#0c1434")]))
    stripe = board.shape().polygon([(cx + r * 0.45, cy - r), (cx + r * 1.2, cy - r),
                                    (cx + r * 1.2, cy + r), (cx + r * 0.45, cy + r)])
    board.detail(ImageChops.multiply(stripe.image, sleeve.image), rgba("#b8c2dc", 210))
    board.detail(board.shape().circle(cx, cy, r - 1.8), board.radial(
        (cx - 3, cy - 3), r * 1.5, [(0, "#ffffff"), (110, "#c8ccd2"), (255, "#6c7078")]))
    arm = r - 3.5  # the scored vent cross in the can's top
    vent = board.shape().stroke([(cx, cy - arm), (cx, cy + arm)], 0.9)
    vent.stroke([(cx - arm, cy), (cx + arm, cy)], 0.9)
    board.detail(vent, rgba("#6a6e76"))


def push_button(board, cx, cy):
    """A 6 mm tactile switch: black base, metal cover, round plunger."""
    for dx in (-8.5, 5.5):
        for dy in (-4.5, 3.5):
            board.part(board.shape().rect(cx + dx, cy + dy, cx + dx + 3, cy + dy + 1.2), rgba("#b4b7bc"))
    board.part(board.shape().rect(cx - 7, cy - 7, cx + 7, cy + 7, radius=1), rgba("#17171a"))
    board.detail(board.shape().rect(cx - 6, cy - 6, cx + 6, cy + 6, radius=0.8),
                 board.gradient((0, cy - 6, 0, cy + 6), "#e6e8ec", "#8e939a"))
    for dx in (-4, 4):
        for dy in (-4, 4):
            board.detail(board.shape().circle(cx + dx, cy + dy, 0.8), rgba("#6c7078"))
    board.part(board.shape().circle(cx, cy, 3.6), board.radial(
        (cx - 1.2, cy - 1.2), 5, [(0, "#6a6a70"), (120, "#26262a"), (255, "#08080a")]))


def silkscreen(board):
    s = board.shape()
    lines = []
    for x0, y0, x1, y1 in ((53, 32, 107, 154), (125, 36, 155, 98), (163, 36, 193, 98),
                           (201, 36, 231, 98)):
        lines.append([(x0, y0), (x1, y0), (x1, y1), (x0, y1), (x0, y0)])
    for x in (200, 220, 240):
        lines.append([(x - 8.5, 164), (x - 8.5, 176)])
    for points in lines:
        s.stroke(points, 0.8)
    paint(board.base, s, SILK)
    board.text("KESTRIX", (78, 214), 6)
    board.text("REV B", (78, 226), 3.4)
    labels = {"U1": (80, 28), "U2": (140, 104), "U3": (178, 104), "U4": (216, 104),
              "SW1": (118, 160), "C1": (238, 150), "C2": (140, 24), "C3": (178, 24),
              "C4": (216, 24), "D1": (200, 158), "D2": (220, 158), "D3": (240, 158),
              "R1": (193, 202), "R2": (213, 202), "R3": (233, 202), "R4": (56, 172),
              "R5": (56, 186), "RESET": (30, 84), "1": (56, 40)}
    for text, centre in labels.items():
        board.text(text, centre, 3.0)
    board.text("+", (228, 122), 4)


def draw_board(scale=1):
    board = Board()
    w, h = board.size
    paint(board.base, Image.new("L", board.size, 255), gradient(
        board.size, (0, 0, w, h), "#dedcd6", "#c2bfb8"))

    outline = pcb_outline(board).image
    drop = ImageChops.offset(outline, 4 * BS, 5 * BS).filter(ImageFilter.GaussianBlur(5 * BS))
    paint(board.base, drop.point(lambda v: v * 120 // 255), rgba("#000000"))
    weave = noise(board.size, 64, blur=1.2)
    pcb = Image.composite(gradient(board.size, (0, 0, w, h), "#247a3e", "#185e2e"),
                          gradient(board.size, (0, 0, w, h), "#2c8a48", "#1d6a36"),
                          weave.point(lambda v: 255 if v > 128 else 0))
    paint(board.base, outline, pcb)
    gloss = Shape((BOARD_W, BOARD_H), BS).ellipse(-60, -40, 200, 200).image.filter(
        ImageFilter.GaussianBlur(40 * BS))  # soft reflection of the light on the solder mask
    paint(board.base, ImageChops.multiply(outline, gloss.point(lambda v: v * 40 // 255)),
          rgba("#ffffff"))
    rim = ImageChops.subtract(outline, outline.filter(ImageFilter.MinFilter(2 * BS + 1)))
    paint(board.base, rim, rgba("#8fb87a", 200))

    board_traces(board)
    gold_fingers(board)
    for centre in ((19, 19), (250, 19), (19, 292), (250, 292)):
        mounting_hole(board, *centre)
    silkscreen(board)

    eprom(board, 80, 93)
    dip_chip(board, 140, 66.4, 16, 19.2, True, "74LS139")
    dip_chip(board, 178, 66.4, 16, 19.2, True, "74LS161")
    dip_chip(board, 216, 66.4, 14, 19.2, True, "74LS00")
    dip_switch(board, 150, 130, [True, False, False, True, False, True, True, False])
    for x, colours in ((200, ("#6a0606", "#e0201a", "#ff9a8a")),
                       (220, ("#0c4a12", "#28b83a", "#b8ffb0")),
                       (240, ("#6a0606", "#e0201a", "#ff9a8a"))):
        led(board, x, 170, colours)
        resistor(board, x, 202, True, ["brown", "black", "red", "gold"])
    resistor(board, 78, 172, False, ["yellow", "violet", "orange", "gold"])
    resistor(board, 78, 186, False, ["yellow", "violet", "orange", "gold"])
    for x in (140, 178, 216):
        ceramic_cap(board, x, 30)
    electrolytic(board, 238, 132, 10)
    push_button(board, 30, 68)

    shadow = ImageChops.offset(board.footprint, 2 * BS, 3 * BS).filter(ImageFilter.GaussianBlur(2 * BS))
    paint(board.base, shadow.point(lambda v: v * 150 // 255), rgba("#000000"))
    board.base.alpha_composite(board.parts)

    size = (BOARD_W * scale, BOARD_H * scale)
    picture = board.base.convert("RGB").resize(size, Image.Resampling.LANCZOS)
    light = radial(size, (90 * scale, 110 * scale), 300 * scale).point(lambda v: 255 - v // 6)
    picture = ImageChops.multiply(picture, light.convert("RGB"))
    grain = noise(size, 7).point(lambda v: 124 + v % 9)
    return ImageChops.add(picture, grain.convert("RGB"), 1.0, -128)


# ---------------------------------------------------------------- main

PICTURES = {
    "status-ok.png": draw_status_ok,
    "status-error.png": draw_status_error,
    "status-unknown.png": draw_status_unknown,
    "folder.png": draw_folder,
    "save-set.png": draw_save_set,
    "save-bin.png": draw_save_bin,
    "clear-all.png": draw_clear_all,
    "help.png": draw_help,
    "exit.png": draw_exit,
    # An uncompressed 24-bit bitmap: it loads several times faster than a PNG.
    "board.bmp": draw_board,
}


def main():
    for name, draw in PICTURES.items():
        draw().save(OUT / name)
        # Twice the pixels for screens of twice the density; Qt picks name@2x
        # beside name. The board's goes to a PNG, as a bitmap would be 1.2 MB.
        stem, suffix = name.rsplit(".", 1)
        draw(2).save(OUT / f"{stem}@2x.{'png' if suffix == 'bmp' else suffix}")
    make_window_icon()


if __name__ == "__main__":
    main()
