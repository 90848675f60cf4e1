#!/usr/bin/env python3
"""Writes sample.dat: four nights of CCD photometry of a short-period
variable and three comparison stars (instrumental magnitudes), with a
common transparency trend, different scatter per star, a few bad points,
missing values ("r") and gaps between the nights. Fixed seed: the file is
the same on every run."""
import math
import random

rnd = random.Random(20240611)
period, epoch = 0.3128, 2460100.4172
stars = [  # base magnitude, scatter
    (12.35, 0.006),  # the variable (its scatter on top of the light curve)
    (11.82, 0.004),
    (12.91, 0.009),
    (13.47, 0.018),
]
lines = []
for night in range(4):
    start = 2460100.30 + night + rnd.uniform(-0.02, 0.02)
    length = rnd.uniform(0.22, 0.30)
    n = int(length / (2.0 / 1440))
    for i in range(n):
        if night == 2 and 40 <= i < 55:
            continue  # clouds
        t = start + i * 2.0 / 1440 + rnd.uniform(-5e-5, 5e-5)
        hour = (t - start) / length
        airmass_trend = 0.25 * (hour - 0.4) ** 2 + 0.03 * math.sin(7 * hour + night)
        phase = ((t - epoch) / period) % 1.0
        light = 0.42 * (0.5 - 0.5 * math.cos(2 * math.pi * phase)) + 0.08 * math.sin(4 * math.pi * phase)
        row = [f"{t:.5f}"]
        for k, (m0, sig) in enumerate(stars):
            if rnd.random() < 0.004:
                row.append("r")
                continue
            m = m0 + airmass_trend + rnd.gauss(0, sig)
            if k == 0:
                m += light
            if rnd.random() < 0.006:
                m += rnd.choice([-1, 1]) * rnd.uniform(0.3, 0.8)  # cosmic ray or satellite
            row.append(f"{m:.4f}")
        lines.append(" ".join(row))
with open("sample.dat", "w", newline="") as f:
    for line in lines:
        f.write(line + "\r\n")
print(len(lines), "rows written to sample.dat")
