#!/usr/bin/env python3
"""Compares two saved outputs of workflow_bench part by part, from their RESULT lines.

  compare.py BASE.txt NEW.txt [--tolerance 0.05]

For each part in both: the program's median seconds in each, NEW/BASE of the
medians and of the fastest runs, the same ratio after dividing each by its
own run's zip median (zip is the same program in both, so this takes out
part of a machine's drift between the two runs), NEW/BASE of the time after
Staged (the run without the copying, whose cost on ext4 varies a lot), the
peak memory and the archive size. A part is called slower when NEW/BASE of the medians exceeds
1 + tolerance. Exits 1 when some part is slower or failed, else 0.
"""
import argparse
import sys


def read_results(path):
    """{part: {key: value}} from the RESULT lines of one bench output."""
    results = {}
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if not line.startswith("RESULT "):
                continue
            fields = dict(w.split("=", 1) for w in line.split()[1:] if "=" in w)
            results[fields["part"]] = fields
    return results


def seconds(fields, key):
    """(median, min, max) of a timed figure; None where it was not measured."""
    med, low, high = (float(x) for x in fields.get(key, "-1,-1,-1").split(","))
    return None if med < 0 else (med, low, high)


def ratio(a, b):
    return f"{a / b:.3f}" if a is not None and b else "-"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("base")
    parser.add_argument("new")
    parser.add_argument("--tolerance", type=float, default=0.05)
    args = parser.parse_args()
    base, new = read_results(args.base), read_results(args.new)
    if not base or not new:
        sys.exit("no RESULT lines in " + (args.base if not base else args.new))
    label = lambda results: next(iter(results.values())).get("label", "?")
    print(f"base: {label(base)} ({args.base})   new: {label(new)} ({args.new})")
    print(f"{'part':8}{'base s':>9}{'new s':>9}{'new/base':>10}{'min n/b':>9}{'zip n/b':>9}"
          f"{'vs zip n/b':>12}{'staged>end n/b':>16}{'peak MB b>n':>15}{'size n/b':>10}  verdict")
    bad = False
    for part in [p for p in base if p in new]:
        b, n = base[part], new[part]
        bv, nv = seconds(b, "volarin"), seconds(n, "volarin")
        bz, nz = seconds(b, "zip"), seconds(n, "zip")
        if bv is None or nv is None or b.get("ok") != "1" or n.get("ok") != "1":
            print(f"{part:8}  a run failed (ok={b.get('ok')}/{n.get('ok')})")
            bad = True
            continue
        against_zip = (nv[0] / nz[0]) / (bv[0] / bz[0]) if bz and nz else None
        ba, na = seconds(b, "after_staged"), seconds(n, "after_staged")
        slower = nv[0] / bv[0] > 1 + args.tolerance
        bad = bad or slower
        peak = f"{int(b['peak_kb']) / 1024:.0f}>{int(n['peak_kb']) / 1024:.0f}"
        size = ratio(int(n["volarin_size"]), int(b["volarin_size"]))
        print(f"{part:8}{bv[0]:9.3f}{nv[0]:9.3f}{nv[0] / bv[0]:10.3f}{nv[1] / bv[1]:9.3f}"
              f"{ratio(nz[0] if nz else None, bz[0] if bz else None):>9}"
              f"{f'{against_zip:.3f}' if against_zip else '-':>12}"
              f"{ratio(na[0] if na else None, ba[0] if ba else None):>16}{peak:>15}{size:>10}  "
              f"{'SLOWER' if slower else 'ok'}")
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
