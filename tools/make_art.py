#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's artwork: the background picture, the icon, and the
Windows installer's picture made of both.

Procedural and seeded, so the same files come out every time:
  ui/art/background.jpg  400 x 340, 24-bit: a green leaf texture with light
                         vertical stripes, no text
  ui/art/varnel.ico      16, 24, 32 and 48 pixels, 8 bits (256 colours) each,
                         and 256 pixels as a PNG
  ui/art/varnel-N.png    the icon at larger sizes, for desktop themes
  packaging/windows/welcome.bmp  164 x 314, 24-bit: the installer's welcome
                         and finish pages, a strip of the background with
                         the icon on it
and what the window shows of them, decoded once here so that the program
needs no image decoder at start:
  ui/art/background.ppm  the picture's pixels, as any JPEG decoder gives them
  ui/art/window-icon-N.pam  the icon at every size: the ICO's images as any
                         ICO decoder gives them, and the larger PNGs' pixels
Needs Debian's python3-pil.
"""

import io
import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter

ROOT = Path(__file__).resolve().parent.parent
ART = ROOT / "ui" / "art"
INSTALLER_PICTURE = ROOT / "packaging" / "windows" / "welcome.bmp"
ICO_SIZES = (16, 24, 32, 48)
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)


def value_noise(w, h, cell, rng):
    """Smooth noise: random values on a coarse grid, scaled up bicubically."""
    gw, gh = w // cell + 2, h // cell + 2
    grid = Image.new("L", (gw, gh))
    grid.putdata([rng.randrange(256) for _ in range(gw * gh)])
    return grid.resize((gw * cell, gh * cell), Image.BICUBIC).crop((0, 0, w, h))


def leaf(draw, cx, cy, length, width, angle, fill, vein):
    """One leaf: a pointed oval with a midrib and side veins."""
    ca, sa = math.cos(angle), math.sin(angle)

    def at(u, v):
        return (cx + u * ca - v * sa, cy + u * sa + v * ca)

    # One side's outline from stalk to tip; the other is its mirror image.
    side = [(length * (t / 24 - 0.5), width * math.sin(math.pi * t / 24) ** 0.8) for t in range(25)]
    draw.polygon([at(u, v) for u, v in side] + [at(u, -v) for u, v in reversed(side)], fill=fill)
    draw.line([at(-length / 2, 0), at(length / 2, 0)], fill=vein, width=1)
    for k in range(1, 6):
        u = length * (k / 6 - 0.5)
        span = width * math.sin(math.pi * k / 6) ** 0.8 * 0.85
        for side in (1, -1):
            draw.line([at(u, 0), at(u + length * 0.12, side * span)], fill=vein, width=1)


def background(rng):
    w, h = 400, 340
    # Deep green base with soft, large-scale variation.
    coarse = value_noise(w, h, 60, rng)
    fine = value_noise(w, h, 9, rng)
    base = Image.merge("RGB", (
        coarse.point(lambda v: 18 + v // 10),
        coarse.point(lambda v: 70 + v // 4),
        coarse.point(lambda v: 22 + v // 9),
    ))
    grain = Image.merge("RGB", (fine, fine, fine)).point(lambda v: v // 6)
    base = ImageChops.add(base, grain, offset=-20)

    # Layers of leaves, darker behind, lighter in front.
    for layer in range(3):
        sheet = Image.new("RGBA", (w, h))
        draw = ImageDraw.Draw(sheet)
        for _ in range(38 - layer * 8):
            g = 90 + layer * 35 + rng.randrange(40)
            fill = (30 + layer * 15 + rng.randrange(25), g, 25 + rng.randrange(30), 150 + layer * 30)
            vein = (fill[0] + 50, min(255, g + 60), fill[2] + 40, 200)
            leaf(draw, rng.uniform(-20, w + 20), rng.uniform(-20, h + 20),
                 rng.uniform(60, 120), rng.uniform(14, 28), rng.uniform(0, math.pi), fill, vein)
        sheet = sheet.filter(ImageFilter.GaussianBlur(1.6 - layer * 0.6))
        base.paste(sheet, (0, 0), sheet)

    # Light vertical stripes with soft edges, slightly uneven in strength.
    stripes = Image.new("L", (w, 1))
    period = 26
    stripes.putdata([int(46 * max(0.0, math.cos(2 * math.pi * x / period)) ** 3
                         * (0.75 + 0.25 * math.sin(x / 37.0))) for x in range(w)])
    stripes = stripes.resize((w, h))
    light = Image.new("RGB", (w, h), (225, 245, 210))
    base = Image.composite(light, base, stripes)
    return base.filter(ImageFilter.SMOOTH)


def icon_image(size):
    """A leaf on a rounded green tile, drawn large and scaled down."""
    big = size * 8
    img = Image.new("RGBA", (big, big))
    d = ImageDraw.Draw(img)
    pad = big // 16
    d.rounded_rectangle((pad, pad, big - pad, big - pad), radius=big // 5,
                        fill=(34, 110, 46, 255), outline=(18, 64, 28, 255), width=max(8, big // 24))
    leaf(d, big / 2, big / 2, big * 0.78, big * 0.25, -math.pi / 4,
         (150, 214, 96, 255), (236, 250, 214, 255))
    # Thicken the veins so they survive the reduction.
    d.line([(big * 0.24, big * 0.76), (big * 0.76, big * 0.24)], fill=(236, 250, 214, 255),
           width=max(2, big // 28))
    return img.resize((size, size), Image.LANCZOS)


def installer_picture(back):
    """NSIS's welcome and finish pages' picture, at the size it is drawn at,
    164 x 314: the middle of the window's background, a little darker so that
    the icon stands out, and the icon in its upper third, with a soft shadow."""
    w, h = 164, 314
    left, top = (back.width - w) // 2, (back.height - h) // 2
    strip = back.crop((left, top, left + w, top + h)).convert("RGB")
    strip = Image.blend(strip, Image.new("RGB", (w, h), (10, 40, 16)), 0.35)
    icon = icon_image(112)
    x, y = (w - icon.width) // 2, 64
    shadow = Image.new("RGBA", (w, h))
    shadow.paste((0, 0, 0, 110), (x + 3, y + 5), icon.getchannel("A"))
    shadow = shadow.filter(ImageFilter.GaussianBlur(5))
    strip.paste(shadow, (0, 0), shadow)
    strip.paste(icon, (x, y), icon)
    return strip


def ico_entry(img):
    """An 8-bit BMP icon image: 256-colour palette, pixels bottom-up, AND mask."""
    size = img.width
    opaque = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    rgb = Image.new("RGB", img.size, (0, 0, 0))
    rgb.paste(img.convert("RGB"), (0, 0), opaque)
    pal = rgb.quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    colours = bytes(pal.getpalette("BGRX")).ljust(256 * 4, b"\0")
    # Rows bottom-up, each padded to four bytes; a mask bit is set where
    # the pixel is transparent.
    xor = pal.tobytes("raw", ("P", (size + 3) & ~3, -1))
    mask = opaque.convert("1").tobytes("raw", ("1;I", (size + 31) // 32 * 4, -1))
    return header + colours + xor + mask


def write_ico(path, images, large):
    """The small sizes as 8-bit images, which every reader takes, and `large`
    (256 pixels) as a PNG, which Windows shows in its large views."""
    png = io.BytesIO()
    large.save(png, "PNG", optimize=True)
    entries = [(img.width, 8, ico_entry(img)) for img in images] + [(256, 32, png.getvalue())]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, depth, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, depth, len(data), offset)
        offset += len(data)
    path.write_bytes(out + b"".join(data for _, _, data in entries))


def raw_image(path, magic, fields, pixels):
    """A PPM or PAM file whose pixels start on a 4-byte boundary of the file
    (and of the program's resources, whose entries all have lengths that are
    multiples of four): the window uses them where they lie."""
    header = f"{magic}\n{fields}\n"
    header = header.replace("\n", " " * (-len(header) % 4) + "\n", 1)
    path.write_bytes(header.encode() + pixels)


def window_icon(img):
    """One size of the window's icon, as the program reads it."""
    s = img.width
    raw_image(ART / f"window-icon-{s}.pam", "P7",
              f"WIDTH {s}\nHEIGHT {s}\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR",
              img.convert("RGBA").tobytes())


def main():
    ART.mkdir(parents=True, exist_ok=True)
    back = background(random.Random(20261206))
    back.save(ART / "background.jpg", "JPEG", quality=90, subsampling=2, optimize=True)
    picture = Image.open(ART / "background.jpg")
    raw_image(ART / "background.ppm", "P6", f"{picture.width} {picture.height}\n255", picture.tobytes())
    write_ico(ART / "varnel.ico", [icon_image(s) for s in ICO_SIZES], icon_image(256))
    ico = Image.open(ART / "varnel.ico")
    for s in ICO_SIZES:
        ico.size = (s, s)
        ico.load()
        window_icon(ico.copy())
    for s in PNG_SIZES:
        image = icon_image(s)
        image.save(ART / f"varnel-{s}.png", optimize=True)
        if s not in ICO_SIZES:
            window_icon(image)
    installer_picture(back).save(INSTALLER_PICTURE, "BMP")
    print("wrote", ", ".join(sorted(p.name for p in ART.iterdir())), "and",
          INSTALLER_PICTURE.relative_to(ROOT), file=sys.stderr)


if __name__ == "__main__":
    main()
