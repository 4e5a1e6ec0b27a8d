#!/usr/bin/python3
"""Draws the program's pictures: the icon, the connection states, the trend marks, the pictures of
the chart window's line and pie views (the line view also heads the chart display settings' line
column, beside their bar and wind-rose heads) and of the print preview's page orientations, and (through
sky_pictures.py, which says what each forecast code shows) the moon phases, the forecast frames, the
UV levels, sunrise and sunset and the Help menu's icons.

Run from anywhere with the system Python and its PIL (python3-pil): /usr/bin/python3 res/make_images.py. The results in res/images/ are committed, so the
build itself does not need Python. Each picture is drawn large and scaled down, which smooths
its edges.
"""
import os
import struct
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sky_pictures  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")
FACE = (236, 233, 216)        # the main window's background colour
SCALE = 8


def canvas(width, height, background=FACE):
    image = Image.new("RGB", (width * SCALE, height * SCALE), background)
    return image, ImageDraw.Draw(image)


def finish(image, width, height):
    return image.resize((width, height), Image.LANCZOS)


def s(*values):
    return [v * SCALE for v in values]


def usb_plug(draw, colour):
    """A USB plug lying on its side at the left of a 40 x 24 picture."""
    draw.rounded_rectangle(s(3, 7, 17, 17), radius=2 * SCALE, fill=colour)
    draw.rectangle(s(17, 9, 23, 15), fill=(160, 160, 160), outline=(90, 90, 90), width=SCALE // 2)
    draw.rectangle(s(19, 11, 20, 13), fill=(90, 90, 90))
    draw.line(s(0, 12, 3, 12), fill=colour, width=2 * SCALE)


def connected():
    image, draw = canvas(40, 24)
    usb_plug(draw, (40, 140, 60))
    # tick
    draw.line(s(27, 12, 31, 17, 38, 6), fill=(30, 150, 50), width=3 * SCALE, joint="curve")
    return finish(image, 40, 24)


def not_found():
    image, draw = canvas(40, 24)
    usb_plug(draw, (150, 150, 150))
    # cross
    draw.line(s(28, 6, 37, 18), fill=(200, 30, 30), width=3 * SCALE)
    draw.line(s(37, 6, 28, 18), fill=(200, 30, 30), width=3 * SCALE)
    return finish(image, 40, 24)


def downloading():
    image, draw = canvas(40, 24)
    usb_plug(draw, (40, 90, 170))
    # arrow into the computer: downwards, amber
    draw.rectangle(s(30, 3, 34, 12), fill=(230, 150, 20))
    draw.polygon(s(26, 12, 38, 12, 32, 20), fill=(230, 150, 20))
    return finish(image, 40, 24)


def trend(direction):
    """24 x 24 arrow: 'up', 'level' or 'down'."""
    image, draw = canvas(24, 24)
    colour = {"up": (200, 60, 30), "level": (60, 110, 190), "down": (30, 130, 70)}[direction]
    if direction == "level":
        draw.rectangle(s(3, 10, 15, 14), fill=colour)
        draw.polygon(s(14, 5, 22, 12, 14, 19), fill=colour)
    elif direction == "up":
        draw.line(s(5, 19, 15, 9), fill=colour, width=4 * SCALE)
        draw.polygon(s(9, 4, 20, 4, 20, 15), fill=colour)
    else:
        draw.line(s(5, 5, 15, 15), fill=colour, width=4 * SCALE)
        draw.polygon(s(9, 20, 20, 20, 20, 9), fill=colour)
    return finish(image, 24, 24)


def line_view():
    """The line view beside its radio: a small line chart with two lines over a grid."""
    image, draw = canvas(40, 22, (255, 255, 255))
    for y in (6, 11, 16):
        draw.line(s(3, y, 37, y), fill=(200, 200, 200), width=SCALE // 2)
    draw.line(s(3, 2, 3, 19, 37, 19), fill=(90, 90, 90), width=SCALE)
    draw.line(s(4, 15, 11, 9, 18, 12, 26, 5, 36, 8), fill=(200, 40, 40), width=2 * SCALE, joint="curve")
    draw.line(s(4, 17, 12, 15, 20, 16, 28, 11, 36, 13), fill=(40, 80, 190), width=2 * SCALE, joint="curve")
    return finish(image, 40, 22)


def pie_view():
    """The pie view beside its radio: a tilted pie with a raised sector."""
    image, draw = canvas(40, 22)
    box = s(8, 5, 32, 17)
    lower = s(8, 8, 32, 20)
    colours = [(230, 110, 110), (110, 190, 110), (110, 130, 230), (230, 210, 90)]
    starts = [0, 100, 190, 280, 360]
    for k, colour in enumerate(colours):
        shade = tuple(c * 3 // 4 for c in colour)
        draw.pieslice(lower, starts[k], starts[k + 1], fill=shade)
    for k, colour in enumerate(colours):
        draw.pieslice(box, starts[k], starts[k + 1], fill=colour, outline=(70, 70, 70), width=SCALE // 2)
    return finish(image, 40, 22)


def print_page(landscape):
    """The page beside an orientation radio: a sheet with a folded corner and lines of text."""
    image, draw = canvas(24, 24)
    w, h = (20, 14) if landscape else (14, 20)
    x0, y0 = (24 - w) // 2, (24 - h) // 2
    x1, y1 = x0 + w, y0 + h
    draw.polygon(s(x0, y0, x1 - 4, y0, x1, y0 + 4, x1, y1, x0, y1), fill=(255, 255, 255), outline=(70, 70, 70))
    draw.line(s(x1 - 4, y0, x1 - 4, y0 + 4, x1, y0 + 4), fill=(70, 70, 70), width=SCALE // 2)
    for k in range(3, h - 2, 3):
        draw.line(s(x0 + 2, y0 + k, x1 - 3, y0 + k), fill=(60, 90, 180), width=SCALE)
    return finish(image, 24, 24)


def icon():
    """A sun partly behind a cloud, with a thermometer."""
    size = 64
    image = Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.ellipse(s(6, 6, 38, 38), fill=(250, 190, 30, 255))
    for (x0, y0, x1, y1) in [(22, 0, 22, 4), (0, 22, 4, 22), (6, 6, 9, 9), (38, 6, 35, 9)]:
        draw.line(s(x0, y0, x1, y1), fill=(250, 190, 30, 255), width=3 * SCALE)
    cloud = (235, 240, 248, 255)
    edge = (120, 140, 170, 255)
    for box in [(14, 28, 40, 54), (28, 20, 58, 50), (44, 32, 62, 54), (10, 38, 30, 58)]:
        draw.ellipse(s(*box), fill=cloud, outline=edge, width=SCALE)
    draw.rectangle(s(18, 42, 56, 57), fill=cloud)
    draw.line(s(18, 57, 56, 57), fill=edge, width=SCALE)
    # thermometer
    draw.rounded_rectangle(s(47, 8, 55, 40), radius=4 * SCALE, fill=(255, 255, 255, 255), outline=(60, 60, 60, 255),
                           width=SCALE)
    draw.ellipse(s(44, 36, 58, 50), fill=(210, 40, 40, 255), outline=(60, 60, 60, 255), width=SCALE)
    draw.rectangle(s(50, 20, 52, 40), fill=(210, 40, 40, 255))
    return image.resize((size, size), Image.LANCZOS)


def chart_head(kind):
    """The column heads of the chart display settings beside the line view: bars or a wind rose."""
    image, draw = canvas(40, 22, (255, 255, 255))
    if kind == "bar":
        draw.line(s(3, 2, 3, 19, 37, 19), fill=(90, 90, 90), width=SCALE)
        for x, top in ((7, 12), (13, 7), (19, 10), (25, 4), (31, 9)):
            draw.rectangle(s(x, top, x + 3, 18), fill=(40, 80, 190))
    else:
        draw.ellipse(s(11, 2, 29, 20), outline=(150, 150, 150), width=SCALE // 2)
        draw.polygon(s(20, 3, 23, 11, 20, 19, 17, 11), fill=(200, 40, 40))
        draw.polygon(s(12, 11, 20, 8, 28, 11, 20, 14), fill=(40, 80, 190))
    return finish(image, 40, 22)


def save_ico(image, path, sizes):
    """Writes an icon file with uncompressed 32-bit entries (BMP form, readable by every loader)."""
    entries = []
    for size in sizes:
        picture = image.resize((size, size), Image.LANCZOS).convert("RGBA")
        pixels = picture.load()
        xor = bytearray()
        for y in range(size - 1, -1, -1):           # bottom-up rows
            for x in range(size):
                r, g, b, a = pixels[x, y]
                xor += bytes((b, g, r, a))
        mask_row = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mask_row)
            for x in range(size):
                if pixels[x, y][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((size, header + bytes(xor) + bytes(mask)))
    offset = 6 + 16 * len(entries)
    out = struct.pack("<HHH", 0, 1, len(entries))
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    os.makedirs(OUT, exist_ok=True)
    connected().save(os.path.join(OUT, "connected.bmp"))
    not_found().save(os.path.join(OUT, "not_found.bmp"))
    downloading().save(os.path.join(OUT, "downloading.bmp"))
    trend("up").save(os.path.join(OUT, "trend_up.bmp"))
    trend("level").save(os.path.join(OUT, "trend_level.bmp"))
    trend("down").save(os.path.join(OUT, "trend_down.bmp"))
    save_ico(icon(), os.path.join(OUT, "Orvelle.ico"), [16, 32, 48])
    line_view().save(os.path.join(OUT, "line_view.bmp"))
    pie_view().save(os.path.join(OUT, "pie_view.bmp"))
    print_page(False).save(os.path.join(OUT, "print_portrait.bmp"))
    print_page(True).save(os.path.join(OUT, "print_landscape.bmp"))
    for kind in ("bar", "rose"):
        chart_head(kind).save(os.path.join(OUT, "chart_head_%s.bmp" % kind))
    sky_images()


def sky_images():
    """Moon phases, forecast frames, UV levels, sunrise and sunset, Help icons; file names by id."""
    for phase in range(28):
        sky_pictures.moon(phase).save(os.path.join(OUT, "moon_%d.bmp" % sky_pictures.moon_id(phase)))
    for code, (flag_set, calm_set) in sky_pictures.FORECAST_IDS.items():
        for frame in range(3):
            sky_pictures.forecast(code, True, frame).save(os.path.join(OUT, "forecast_%d.bmp" % flag_set[frame]))
            sky_pictures.forecast(code, False, frame).save(os.path.join(OUT, "forecast_%d.bmp" % calm_set[frame]))
    for level in range(5):
        sky_pictures.uv_level(level).save(os.path.join(OUT, "uv_%d.bmp" % (sky_pictures.UV_LEVEL_FIRST_ID + level)))
    sky_pictures.sun_on_horizon(True).save(os.path.join(OUT, "sunrise.bmp"))
    sky_pictures.sun_on_horizon(False).save(os.path.join(OUT, "sunset.bmp"))
    for kind, number in zip(sky_pictures.HELP_ICON_KINDS, sky_pictures.HELP_ICON_IDS):
        save_ico(sky_pictures.help_icon(kind), os.path.join(OUT, "help_%d.ico" % number), [16])


if __name__ == "__main__":
    main()
