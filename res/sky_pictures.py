"""Pictures of the sky panel, the UV level and the Help menu, drawn for res/make_images.py.

Moon phases (bitmaps 287..317): 28 pictures, phase index 0 (new moon) to 27; index 14 is the full
moon. The lit part is on the right while the moon waxes (index 1..13) and on the left while it wanes
(15..27), as seen from the northern hemisphere.

Forecast pictures (bitmaps 240..282): the station's forecast code picks the weather, its flag one of
two sets, and every picture has three frames that the main window shows in turn every five seconds.
What the codes mean here:

    code 0  sunny
    code 1  partly cloudy (sun and a cloud)
    code 2  cloudy
    code 3  rain
    code 4  snow
    code 5  thunderstorm
    code 6  fog

    flag 0         settled set: the weather under a clear, light sky
    flag non-zero  unsettled set: the same weather under a darker sky, with a small falling arrow in
                   the top left corner (the station sets the flag while its pressure is falling)

The frames animate the picture: the sun's rays turn, clouds drift, rain and snow fall, lightning
flashes and fog banks drift.

UV levels (bitmaps 187..191): low, medium, high, very high, extreme, as a five-step gauge whose lit
steps have the level's colour.

Help icons (icons 32786..32790): help page, contents, index, search, about.

Sunrise and sunset (bitmaps 318, 319): a sun on the horizon with an arrow up or down.
"""
import math

from PIL import Image, ImageDraw

SCALE = 8
FACE = (236, 233, 216)

# Forecast bitmap ids by code and frame: (flag non-zero, flag zero).
FORECAST_IDS = {
    0: ((280, 281, 282), (260, 261, 262)),
    1: ((278, 279, 274), (257, 258, 253)),
    2: ((275, 276, 277), (254, 255, 256)),
    3: ((272, 273, 265), (250, 251, 249)),
    4: ((269, 270, 271), (247, 248, 246)),
    5: ((266, 267, 268), (244, 245, 243)),
    6: ((263, 264, 259), (241, 242, 240)),
}


def moon_id(phase):
    if phase <= 9:
        return 287 + phase
    if phase <= 11:
        return 314 + phase - 10
    if phase <= 25:
        return 299 + phase - 12
    return 316 + phase - 26


UV_LEVEL_FIRST_ID = 187
HELP_ICON_IDS = (32786, 32787, 32788, 32789, 32790)
SUNRISE_ID, SUNSET_ID = 318, 319


def _s(*values):
    return [v * SCALE for v in values]


def _canvas(width, height, background=FACE):
    image = Image.new("RGB", (width * SCALE, height * SCALE), background)
    return image, ImageDraw.Draw(image)


def _finish(image, width, height):
    return image.resize((width, height), Image.LANCZOS)


# ---- moon ------------------------------------------------------------------------------------------

def moon(phase):
    """48 x 48: phase 0..27 of a 28-step cycle."""
    size = 48
    big = size * SCALE
    centre, radius = big / 2, big * 0.42
    dark = Image.new("RGB", (big, big), FACE)
    draw = ImageDraw.Draw(dark)
    box = (centre - radius, centre - radius, centre + radius, centre + radius)
    draw.ellipse(box, fill=(62, 68, 86))
    lit = Image.new("RGB", (big, big), (246, 240, 204))
    lit_draw = ImageDraw.Draw(lit)
    for (x, y, r) in [(-0.3, -0.25, 0.16), (0.25, 0.1, 0.12), (-0.05, 0.35, 0.09), (0.3, -0.35, 0.07)]:
        cx, cy, rr = centre + x * radius, centre + y * radius, r * radius
        lit_draw.ellipse((cx - rr, cy - rr, cx + rr, cy + rr), fill=(222, 214, 172))
    # Mask of the lit part: for every row the terminator is an ellipse of half-width |cos| x r.
    mask = Image.new("L", (big, big), 0)
    mask_draw = ImageDraw.Draw(mask)
    angle = 2 * math.pi * phase / 28.0
    k = math.cos(angle)  # 1 new, -1 full
    waxing = phase <= 14
    for row in range(big):
        dy = row + 0.5 - centre
        if abs(dy) >= radius:
            continue
        half = math.sqrt(radius * radius - dy * dy)
        terminator = half * k
        if waxing:
            left, right = centre + terminator, centre + half
        else:
            left, right = centre - half, centre - terminator
        if right > left:
            mask_draw.line((left, row, right, row), fill=255)
    limb = Image.new("L", (big, big), 0)
    ImageDraw.Draw(limb).ellipse(box, fill=255)
    from PIL import ImageChops
    mask = ImageChops.multiply(mask, limb)
    dark.paste(lit, (0, 0), mask)
    ImageDraw.Draw(dark).ellipse(box, outline=(110, 110, 122), width=SCALE)
    return _finish(dark, size, size)


# ---- forecast ----------------------------------------------------------------------------------------

FW, FH = 120, 90


def _sky(flag):
    top, bottom = ((150, 196, 240), (214, 232, 248)) if not flag else ((92, 104, 128), (160, 168, 184))
    image = Image.new("RGB", (FW * SCALE, FH * SCALE))
    draw = ImageDraw.Draw(image)
    for y in range(FH * SCALE):
        t = y / (FH * SCALE - 1)
        colour = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
        draw.line((0, y, FW * SCALE, y), fill=colour)
    return image, draw


def _sun(draw, cx, cy, r, frame):
    rays = 12
    turn = frame * (math.pi / rays / 1.5)
    for i in range(rays):
        a = 2 * math.pi * i / rays + turn
        x0, y0 = cx + math.cos(a) * (r + 3), cy + math.sin(a) * (r + 3)
        x1, y1 = cx + math.cos(a) * (r + 9), cy + math.sin(a) * (r + 9)
        draw.line(_s(x0, y0, x1, y1), fill=(250, 176, 20), width=3 * SCALE)
    draw.ellipse(_s(cx - r, cy - r, cx + r, cy + r), fill=(255, 206, 40), outline=(240, 150, 10), width=SCALE)


def _cloud(draw, x, y, scale, fill, edge):
    parts = [(0, 10, 22, 30), (12, 0, 40, 28), (30, 8, 52, 30)]
    for (x0, y0, x1, y1) in parts:
        draw.ellipse(_s(x + x0 * scale, y + y0 * scale, x + x1 * scale, y + y1 * scale), fill=fill, outline=edge,
                     width=SCALE)
    draw.rectangle(_s(x + 11 * scale, y + 16 * scale, x + 41 * scale, y + 30 * scale), fill=fill)
    draw.line(_s(x + 11 * scale, y + 30 * scale, x + 41 * scale, y + 30 * scale), fill=edge, width=SCALE)


def _falling_arrow(draw):
    draw.line(_s(6, 5, 6, 17), fill=(200, 40, 30), width=2 * SCALE)
    draw.polygon(_s(2, 14, 10, 14, 6, 20), fill=(200, 40, 30))


def forecast(code, flag, frame):
    image, draw = _sky(flag)
    light = (250, 250, 252) if not flag else (214, 218, 226)
    grey = (176, 184, 196) if not flag else (120, 126, 140)
    edge = (120, 134, 156) if not flag else (70, 76, 92)
    drift = (frame - 1) * 3
    if code == 0:
        _sun(draw, 60, 45, 20, frame)
    elif code == 1:
        _sun(draw, 44, 34, 16, frame)
        _cloud(draw, 46 + drift, 38, 1.2, light, edge)
    elif code == 2:
        _cloud(draw, 14 + drift, 14, 1.1, grey, edge)
        _cloud(draw, 42 - drift, 30, 1.3, light, edge)
    elif code in (3, 4, 5):
        cloud = grey if code != 5 else (96, 100, 116)
        _cloud(draw, 28 + drift, 8, 1.3, cloud, edge)
        if code == 3:
            for i in range(7):
                x = 36 + i * 8
                y = 52 + ((i * 7 + frame * 8) % 24)
                draw.line(_s(x, y, x - 3, y + 8), fill=(40, 110, 220), width=2 * SCALE)
        elif code == 4:
            for i in range(7):
                x = 36 + i * 8
                y = 54 + ((i * 9 + frame * 7) % 24)
                for a in range(3):
                    ang = math.pi * a / 3
                    dx, dy = math.cos(ang) * 3.5, math.sin(ang) * 3.5
                    draw.line(_s(x - dx, y - dy, x + dx, y + dy), fill=(255, 255, 255), width=SCALE)
        else:
            for i in range(4):
                x = 40 + i * 12
                y = 56 + ((i * 5 + frame * 6) % 14)
                draw.line(_s(x, y, x - 3, y + 7), fill=(40, 110, 220), width=2 * SCALE)
            if frame != 1:
                bolt = [(64, 44), (54, 64), (62, 64), (56, 84), (74, 58), (65, 58), (72, 44)]
                draw.polygon(_s(*[v for p in bolt for v in p]), fill=(255, 220, 40), outline=(200, 140, 0))
    elif code == 6:
        _sun(draw, 60, 30, 14, 0)
        for i in range(5):
            y = 38 + i * 10
            shift = drift * (1 if i % 2 else -1)
            draw.rounded_rectangle(_s(12 + shift + (i % 2) * 8, y, 104 + shift - (i % 2) * 8, y + 5),
                                   radius=2 * SCALE, fill=(226, 228, 232) if not flag else (182, 186, 196))
    if flag:
        _falling_arrow(draw)
    return _finish(image, FW, FH)


# ---- UV level -----------------------------------------------------------------------------------------

UV_COLOURS = [(60, 170, 60), (240, 200, 30), (245, 130, 20), (220, 40, 40), (150, 60, 190)]


def uv_level(level):
    """60 x 50: a small sun above a gauge of five steps; steps 0..level lit."""
    width, height = 60, 50
    image, draw = _canvas(width, height)
    colour = UV_COLOURS[level]
    cx, cy, r = 30, 14, 7
    for i in range(8):
        a = 2 * math.pi * i / 8
        draw.line(_s(cx + math.cos(a) * (r + 2), cy + math.sin(a) * (r + 2), cx + math.cos(a) * (r + 6),
                     cy + math.sin(a) * (r + 6)), fill=colour, width=2 * SCALE)
    draw.ellipse(_s(cx - r, cy - r, cx + r, cy + r), fill=colour)
    for step in range(5):
        x0 = 5 + step * 10
        top = 40 - step * 3
        fill = UV_COLOURS[step] if step <= level else (214, 210, 196)
        draw.rectangle(_s(x0, top, x0 + 8, 46), fill=fill, outline=(110, 110, 110), width=SCALE // 2)
    return _finish(image, width, height)


# ---- sunrise and sunset -------------------------------------------------------------------------------

def sun_on_horizon(rising):
    """24 x 24: half a sun on the horizon, an arrow up (sunrise) or down (sunset)."""
    image, draw = _canvas(24, 24)
    draw.pieslice(_s(3, 9, 17, 23), 180, 360, fill=(255, 196, 30), outline=(235, 140, 10), width=SCALE)
    for a in (200, 240, 270, 300, 340):
        r = math.radians(a)
        draw.line(_s(10 + math.cos(r) * 9, 16 + math.sin(r) * 9, 10 + math.cos(r) * 11.5,
                     16 + math.sin(r) * 11.5), fill=(245, 160, 20), width=SCALE)
    draw.line(_s(0, 16.5, 24, 16.5), fill=(90, 80, 70), width=SCALE)
    colour = (220, 110, 20) if rising else (90, 70, 160)
    draw.line(_s(20, 4, 20, 14), fill=colour, width=2 * SCALE)
    if rising:
        draw.polygon(_s(16.5, 7, 23.5, 7, 20, 1.5), fill=colour)
    else:
        draw.polygon(_s(16.5, 11, 23.5, 11, 20, 16), fill=colour)
    return _finish(image, 24, 24)


# ---- help icons ---------------------------------------------------------------------------------------

def _icon_canvas():
    size = 16
    image = Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))
    return image, ImageDraw.Draw(image)


def _book(draw, colour):
    draw.rounded_rectangle(_s(2, 1.5, 13.5, 14.5), radius=SCALE, fill=colour + (255,), outline=(40, 40, 60, 255),
                           width=SCALE)
    draw.rectangle(_s(11.5, 2.5, 13, 13.5), fill=(250, 250, 240, 255))
    draw.line(_s(4.5, 2, 4.5, 14), fill=(30, 30, 50, 255), width=SCALE)


def help_icon(kind):
    """16 x 16 RGBA: 'page', 'contents', 'index', 'search' or 'about'."""
    image, draw = _icon_canvas()
    if kind == "page":
        draw.polygon(_s(3, 1, 10, 1, 13.5, 4.5, 13.5, 15, 3, 15), fill=(255, 255, 255, 255), outline=(60, 70, 90, 255))
        draw.polygon(_s(10, 1, 10, 4.5, 13.5, 4.5), fill=(200, 210, 225, 255))
        draw.ellipse(_s(5, 6, 11.5, 12.5), fill=(40, 110, 200, 255))
        draw.line(_s(7.2, 8, 8.2, 7.2, 9.4, 8, 8.3, 9.4, 8.3, 10.4), fill=(255, 255, 255, 255), width=SCALE)
        draw.ellipse(_s(7.9, 11, 8.7, 11.8), fill=(255, 255, 255, 255))
    elif kind == "contents":
        _book(draw, (40, 110, 200))
        for y in (5, 8, 11):
            draw.line(_s(6, y, 10.5, y), fill=(255, 255, 255, 255), width=SCALE)
    elif kind == "index":
        draw.rectangle(_s(2, 1.5, 14, 14.5), fill=(255, 255, 255, 255), outline=(60, 70, 90, 255), width=SCALE)
        for i, y in enumerate((4, 7, 10, 13)):
            draw.rectangle(_s(4, y - 1, 5.5, y + 0.5), fill=(40, 110, 200, 255))
            draw.line(_s(7, y - 0.25, 12 - (i % 2) * 2, y - 0.25), fill=(70, 70, 80, 255), width=SCALE)
    elif kind == "search":
        draw.ellipse(_s(1.5, 1.5, 10.5, 10.5), fill=(210, 230, 250, 255), outline=(40, 60, 100, 255),
                     width=int(1.5 * SCALE))
        draw.line(_s(9, 9, 14.5, 14.5), fill=(120, 80, 40, 255), width=3 * SCALE)
    else:
        draw.ellipse(_s(1, 1, 15, 15), fill=(40, 110, 200, 255), outline=(20, 60, 130, 255), width=SCALE)
        draw.ellipse(_s(7, 3.5, 9, 5.5), fill=(255, 255, 255, 255))
        draw.rectangle(_s(7.1, 7, 8.9, 12.5), fill=(255, 255, 255, 255))
    return image.resize((16, 16), Image.LANCZOS)


HELP_ICON_KINDS = ("page", "contents", "index", "search", "about")
