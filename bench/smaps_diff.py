#!/usr/bin/env python3
"""Resident and anonymous kB of two /proc/PID/smaps snapshots, summed by mapping name."""
import collections
import sys


def read(path):
    sums = collections.defaultdict(lambda: [0, 0])
    name = None
    with open(path) as f:
        for line in f:
            parts = line.split()
            if '-' in parts[0] and len(parts) >= 5 and ':' not in parts[0]:
                name = parts[5] if len(parts) > 5 else '[anon]'
                if 'x' in parts[1] and name.startswith('/'):
                    name += ' (code)'
            elif parts[0] == 'Rss:':
                sums[name][0] += int(parts[1])
            elif parts[0] == 'Anonymous:':
                sums[name][1] += int(parts[1])
    return sums


before, after = read(sys.argv[1]), read(sys.argv[2])
rows = []
for name in set(before) | set(after):
    b, a = before.get(name, [0, 0]), after.get(name, [0, 0])
    rows.append((a[0] - b[0], a[1] - b[1], b[0], a[0], name))
rows.sort(reverse=True)
print(f"{'rss +kB':>8}{'anon +kB':>9}{'start':>8}{'after':>8}  mapping")
for d, da, b, a, name in rows:
    if d or da:
        print(f"{d:>8}{da:>9}{b:>8}{a:>8}  {name}")
tb = sum(v[0] for v in before.values()); ta = sum(v[0] for v in after.values())
ab = sum(v[1] for v in before.values()); aa = sum(v[1] for v in after.values())
print(f"total resident {tb} -> {ta} kB; anonymous {ab} -> {aa} kB")
