#!/usr/bin/env python3
"""Independent sunrise/sunset reference for the Lumidor.dll tests.

Computes rise and set with the NOAA solar calculator's equations (equation of time and declination
from the fractional Julian century, solar noon = 720 - 4 x longitude - equation of time, refined at the
event time), and, when PyEphem is installed (Debian: python3-ephem), with PyEphem's full-precision
ephemeris as well. Both use the sun's centre 0.833 degrees below the horizon and no other refraction.

    lumidor_reference.py            check the NOAA equations against LumidorReferenceCases.inc and, with
                                    PyEphem, against PyEphem over many dates and latitudes (|lat| <= 65)
    lumidor_reference.py --write    also (re)write LumidorReferenceCases.inc, the table that
                                    LumidorTest.cpp checks the DLL against (PyEphem values; needs PyEphem)

The table holds the exact local time in tenths of a minute; the test allows the DLL's rounded HHMM to lie
within one minute of it.
"""
import math
import os
import random
import sys
from datetime import date, datetime, timedelta

RISE_ALTITUDE = -0.833


def julian_day(y, m, d):
    if m <= 2:
        y -= 1
        m += 12
    a = y // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (y + 4716)) + math.floor(30.6001 * (m + 1)) + d + b - 1524.5


def noaa_sun(jd):
    """Declination (degrees) and equation of time (minutes) at a Julian day (NOAA spreadsheet)."""
    jc = (jd - 2451545.0) / 36525.0
    l0 = (280.46646 + jc * (36000.76983 + jc * 0.0003032)) % 360.0
    m = 357.52911 + jc * (35999.05029 - 0.0001537 * jc)
    e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc)
    mr = math.radians(m)
    c = (math.sin(mr) * (1.914602 - jc * (0.004817 + 0.000014 * jc))
         + math.sin(2 * mr) * (0.019993 - 0.000101 * jc) + math.sin(3 * mr) * 0.000289)
    true_long = l0 + c
    omega = math.radians(125.04 - 1934.136 * jc)
    app_long = true_long - 0.00569 - 0.00478 * math.sin(omega)
    mean_obliq = 23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60
    obliq = mean_obliq + 0.00256 * math.cos(omega)
    decl = math.degrees(math.asin(math.sin(math.radians(obliq)) * math.sin(math.radians(app_long))))
    y = math.tan(math.radians(obliq / 2)) ** 2
    l0r = math.radians(l0)
    eot = 4 * math.degrees(y * math.sin(2 * l0r) - 2 * e * math.sin(mr)
                           + 4 * e * y * math.sin(mr) * math.cos(2 * l0r)
                           - 0.5 * y * y * math.sin(4 * l0r) - 1.25 * e * e * math.sin(2 * mr))
    return decl, eot


def noaa_event(y, mo, d, lat, lon, rising):
    """UT minutes after 0h of the date, or 'below' / 'above'."""
    jd0 = julian_day(y, mo, d)
    ut = 720.0 - 4.0 * lon  # local mean noon
    decl, eot = noaa_sun(jd0 + ut / 1440.0)
    noon = 720.0 - 4.0 * lon - eot
    decl, eot = noaa_sun(jd0 + noon / 1440.0)
    noon = 720.0 - 4.0 * lon - eot
    cos_h = ((math.sin(math.radians(RISE_ALTITUDE)) - math.sin(math.radians(lat)) * math.sin(math.radians(decl)))
             / (math.cos(math.radians(lat)) * math.cos(math.radians(decl))))
    if cos_h > 1:
        return 'below'
    if cos_h < -1:
        return 'above'
    sign = -1 if rising else 1
    t = noon + sign * 4 * math.degrees(math.acos(cos_h))
    for _ in range(5):
        decl, eot = noaa_sun(jd0 + t / 1440.0)
        cos_h = ((math.sin(math.radians(RISE_ALTITUDE)) - math.sin(math.radians(lat)) * math.sin(math.radians(decl)))
                 / (math.cos(math.radians(lat)) * math.cos(math.radians(decl))))
        cos_h = max(-1.0, min(1.0, cos_h))
        t = 720.0 - 4.0 * lon - eot + sign * 4 * math.degrees(math.acos(cos_h))
    return t


def ephem_event(y, mo, d, lat, lon, rising):
    import ephem
    obs = ephem.Observer()
    obs.lat = math.radians(lat)
    obs.lon = math.radians(lon)
    obs.elevation = 0
    obs.pressure = 0
    obs.horizon = math.radians(RISE_ALTITUDE)
    noon = datetime(y, mo, d) + timedelta(minutes=720.0 - 4.0 * lon)
    obs.date = ephem.Date(noon)
    sun = ephem.Sun()
    try:
        if rising:
            when = obs.previous_rising(sun, use_center=True)
        else:
            when = obs.next_setting(sun, use_center=True)
    except ephem.NeverUpError:
        return 'below'
    except ephem.AlwaysUpError:
        return 'above'
    return (ephem.Date(when) - ephem.Date(datetime(y, mo, d))) * 1440.0


def cases(count, seed=2024):
    """Dates 1990..2100, latitudes up to 65 degrees, any longitude, zones near and far from it."""
    rnd = random.Random(seed)
    out = []
    first = date(1990, 1, 1).toordinal()
    last = date(2100, 12, 31).toordinal()
    for i in range(count):
        day = date.fromordinal(rnd.randint(first, last))
        lat_minutes = rnd.randint(0, 65 * 60)
        lon_minutes = rnd.randint(0, 180 * 60 - 1)
        lat_code = rnd.choice((1, 2))
        lon_code = rnd.choice((1, 2))
        lon = lon_minutes / 60.0 * (1 if lon_code == 1 else -1)
        zone = int(round(lon / 15.0)) + rnd.choice((0, 0, 0, -1, 1, 2))
        zone = max(-12, min(14, zone))
        zone_minutes = rnd.choice((0, 0, 0, 0, 30, 45))
        if abs(zone) == 14:
            zone_minutes = 0
        dst = rnd.choice((0, 1))
        out.append(dict(day=day, lat_deg=lat_minutes // 60, lat_min=lat_minutes % 60, lat_code=lat_code,
                        lon_deg=lon_minutes // 60, lon_min=lon_minutes % 60, lon_code=lon_code,
                        zone_hours=abs(zone), zone_minutes=zone_minutes, zone_sign=1 if zone >= 0 else 2, dst=dst))
    return out


def position(c):
    lat = (c['lat_deg'] + c['lat_min'] / 60.0) * (1 if c['lat_code'] == 1 else -1)
    lon = (c['lon_deg'] + c['lon_min'] / 60.0) * (1 if c['lon_code'] == 1 else -1)
    offset = (c['zone_hours'] * 60 + c['zone_minutes']) * (1 if c['zone_sign'] == 1 else -1) + 60 * c['dst']
    return lat, lon, offset


def local_minutes(ut, offset):
    if isinstance(ut, str):
        return ut
    return (ut + offset) % 1440.0


def circular_difference(a, b):
    diff = (a - b) % 1440.0
    return diff - 1440.0 if diff > 720.0 else diff


def table_path():
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), 'LumidorReferenceCases.inc')


def check_table():
    """The stored table against the NOAA equations: largest difference in minutes."""
    worst = 0.0
    count = 0
    with open(table_path()) as f:
        for line in f:
            if not line.startswith('{'):
                continue
            v = [int(x) for x in line.strip().strip('{},').split(',')]
            zone_minutes = {1: 0, 2: 18, 3: 30}.get(v[10], v[10])
            c = dict(lat_deg=v[3], lat_min=v[4], lat_code=v[5], lon_deg=v[6], lon_min=v[7], lon_code=v[8],
                     zone_hours=v[9], zone_minutes=zone_minutes, zone_sign=v[11], dst=v[12])
            lat, lon, offset = position(c)
            for rising, tenths in ((True, v[13]), (False, v[14])):
                noaa = local_minutes(noaa_event(v[2], v[1], v[0], lat, lon, rising), offset)
                diff = abs(circular_difference(noaa, tenths / 10.0))
                worst = max(worst, diff)
                count += 1
                if diff > 1.0:
                    print('table entry differs from NOAA by %.2f min: %s' % (diff, line.strip()))
    print('NOAA against the stored table: %d events, largest difference %.3f min' % (count, worst))
    return worst


def main():
    write = '--write' in sys.argv
    try:
        import ephem  # noqa: F401
        have_ephem = True
    except ImportError:
        have_ephem = False
        print('PyEphem not installed: NOAA equations only')
    if write and not have_ephem:
        sys.exit('--write needs PyEphem (python3-ephem)')

    table_worst = check_table()
    if not have_ephem:
        sys.exit(0 if table_worst <= 1.0 else 1)

    all_cases = cases(3000)
    worst = 0.0
    compared = 0
    for c in all_cases:
        lat, lon, offset = position(c)
        d = c['day']
        for rising in (True, False):
            noaa = noaa_event(d.year, d.month, d.day, lat, lon, rising)
            ref = ephem_event(d.year, d.month, d.day, lat, lon, rising)
            if isinstance(noaa, str) or isinstance(ref, str):
                if noaa != ref:
                    print('polar disagreement', c, rising, noaa, ref)
                continue
            diff = abs(noaa - ref)
            worst = max(worst, diff)
            compared += 1
            if diff > 1.0:
                print('NOAA and PyEphem differ by %.2f min' % diff, c, rising)
    print('NOAA against PyEphem: %d events, largest difference %.3f min' % (compared, worst))

    if write:
        table = all_cases[:600]
        lines = ['// Generated by lumidor_reference.py --write (PyEphem, sun centre at -0.833 degrees).',
                 '// day, month, year, lat deg, lat min, lat code, lon deg, lon min, lon code, zone hours,',
                 '// zone-minute code, zone-sign code, DST flag, sunrise and sunset in local tenths of a minute',
                 '// after midnight (0..14399).']
        for c in table:
            lat, lon, offset = position(c)
            d = c['day']
            rise = local_minutes(ephem_event(d.year, d.month, d.day, lat, lon, True), offset)
            sets = local_minutes(ephem_event(d.year, d.month, d.day, lat, lon, False), offset)
            if isinstance(rise, str) or isinstance(sets, str):
                continue
            code = {0: 1, 30: 3}.get(c['zone_minutes'], c['zone_minutes'])
            lines.append('{%d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d},' % (
                d.day, d.month, d.year, c['lat_deg'], c['lat_min'], c['lat_code'], c['lon_deg'], c['lon_min'],
                c['lon_code'], c['zone_hours'], code, c['zone_sign'], c['dst'],
                int(round(rise * 10)) % 14400, int(round(sets * 10)) % 14400))
        path = table_path()
        with open(path, 'w') as f:
            f.write('\n'.join(lines) + '\n')
        print('wrote %d cases to %s' % (len(lines) - 4, path))
    sys.exit(0 if table_worst <= 1.0 and worst <= 1.0 else 1)


if __name__ == '__main__':
    main()
