"""Turns the benchmark program's JSON output into one line per goal: name, ratio, target, result.

Ratios compare the medians of CPU time measured in the same run; growth goals read Google
Benchmark's fitted complexity; heap goals read the bytes the benchmarks counted.
"""
import json
import sys

LINEAR_OR_BETTER = {"(1)", "lgN", "N"}


def load(path):
    with open(path) as file:
        benchmarks = json.load(file)["benchmarks"]
    medians, fits, counters = {}, {}, {}
    for run in benchmarks:
        name = run["run_name"]
        if run.get("aggregate_name") == "median" or run.get("run_type") == "iteration":
            medians.setdefault(name, run["cpu_time"])
            counters.setdefault(name, run)
        if run.get("aggregate_name") == "BigO":
            fits[name] = run["big_o"] if "big_o" in run else run.get("complexity", "?")
    return medians, fits, counters


def find(table, name):
    """The entry of the benchmark `name`, whatever run options its full name carries."""
    for key, value in table.items():
        if key == name or key.startswith(name + "/iterations") or key.startswith(name + "/repeats"):
            return value
    raise KeyError(name)


def family(medians, prefix):
    """The largest and smallest argument of a family, with their medians."""
    runs = sorted(((int(name.split("/")[1]), time) for name, time in medians.items()
                   if name.startswith(prefix + "/") and name.split("/")[1].isdigit()))
    return runs[0], runs[-1]


def main(path):
    medians, fits, counters = load(path)
    lines = []

    def ratio(name, numerator, denominator, target):
        value = find(medians, numerator) / find(medians, denominator)
        lines.append((name, f"{value:.2f}", f"<= {target}", value <= target))

    ratio("raise tick to 10,000 handlers / plain loop", "BM_RaiseEvent/10000",
          "BM_PlainLoopFloor/10000", 1.5)
    ratio("turn tick 128x128 bloomers / plain loop", "BM_TurnTick", "BM_TurnTickFloor", 3)
    for label, bench in (("IndexOf", "BM_IndexOf"), ("Find", "BM_ObjectHashFind"),
                         ("ReadString", "BM_IniReadString")):
        ratio(f"{label} 100,000 / 100 entries", f"{bench}/100000", f"{bench}/100", 1.5)
    for label, bench in (("add n handlers", "BM_AddHandlers"),
                         ("alternate add and lookup", "BM_AlternateAddAndLookup"),
                         ("clear subscribers' callbacks", "BM_ClearCallbacks"),
                         ("load n bloomers", "BM_LoadBloomers"),
                         ("destroy n bloomers", "BM_DestroyBloomers"),
                         ("tick where n bloomers level up", "BM_LevelUpTick")):
        fit = next((fits[name] for name in fits if name.startswith(bench)), "?")
        lines.append((f"{label} grows", f"o{fit}", "oN", fit in LINEAR_OR_BETTER))
    ratio("load 128x128 map / parse it + click map", "BM_LoadMap", "BM_ParseMapAndClickMap", 5)
    per_cell = find(counters, "BM_HeapPerEmptyCell")["bytes_per_cell"]
    lines.append(("heap per empty cell (B)", f"{per_cell:.0f}", "<= 200", per_cell <= 200))
    per_bloomer = find(counters, "BM_HeapPerBloomer")["bytes_per_bloomer"]
    lines.append(("heap per bloomer with a link (B)", f"{per_bloomer:.0f}", "<= 1024",
                  per_bloomer <= 1024))
    (small, small_time), (large, large_time) = family(medians, "BM_SimEmptyBoard")
    value = (large_time / (large * large)) / (small_time / (small * small))
    lines.append((f"sim --ticks 0 per cell {large}x{large} / {small}x{small}", f"{value:.2f}",
                  "<= 2", value <= 2))

    width = max(len(line[0]) for line in lines)
    for name, value, target, met in lines:
        print(f"{name:<{width}}  {value:>8}  {target:<8}  {'pass' if met else 'miss'}")


if __name__ == "__main__":
    main(sys.argv[1])
