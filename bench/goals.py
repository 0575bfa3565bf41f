"""Turns the benchmark program's JSON output (one or more files, read in order) into one line per
goal: name, ratio, target, result.

Ratios compare the medians of CPU time measured in the same run; growth goals read Google
Benchmark's fitted complexity; heap goals read the bytes the benchmarks counted.
"""
import json
import sys

LINEAR_OR_BETTER = {"(1)", "lgN", "N"}
NANOSECONDS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def load(path):
    with open(path) as file:
        benchmarks = json.load(file)["benchmarks"]
    medians, fits, counters = {}, {}, {}
    for run in benchmarks:
        name = run["run_name"]
        if run.get("aggregate_name") == "median" or run.get("run_type") == "iteration":
            medians.setdefault(name, run["cpu_time"] * NANOSECONDS[run["time_unit"]])
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


def main(paths):
    medians, fits, counters = {}, {}, {}
    for path in paths:
        for table, found in zip((medians, fits, counters), load(path)):
            table.update(found)
    lines = []

    def goal(name, target, measure):
        """One line; a goal whose benchmarks are missing from the results was not run."""
        try:
            shown, met = measure()
        except (KeyError, IndexError, StopIteration):
            shown, met = "-", None
        lines.append((name, shown, target, met))

    def ratio(name, numerator, denominator, target):
        def measure():
            value = find(medians, numerator) / find(medians, denominator)
            return f"{value:.2f}", value <= target
        goal(name, f"<= {target}", measure)

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
        def fitted(bench=bench):
            fit = next(fits[name] for name in fits if name.startswith(bench))
            return f"o{fit}", fit in LINEAR_OR_BETTER
        goal(f"{label} grows", "oN", fitted)
    ratio("load 128x128 map / parse it + click map", "BM_LoadMap", "BM_ParseMapAndClickMap", 5)

    def heap(counter, bench, limit):
        def measure():
            value = find(counters, bench)[counter]
            return f"{value:.0f}", value <= limit
        return measure
    goal("heap per empty cell (B)", "<= 200", heap("bytes_per_cell", "BM_HeapPerEmptyCell", 200))
    goal("heap per bloomer with a link (B)", "<= 1024",
         heap("bytes_per_bloomer", "BM_HeapPerBloomer", 1024))

    def sim_per_cell():
        (small, small_time), (large, large_time) = family(medians, "BM_SimEmptyBoard")
        value = (large_time / (large * large)) / (small_time / (small * small))
        return f"{value:.2f}", value <= 2
    goal("sim --ticks 0 per cell, largest / 32x32 board", "<= 2", sim_per_cell)

    width = max(len(line[0]) for line in lines)
    for name, value, target, met in lines:
        result = "not run" if met is None else "pass" if met else "miss"
        print(f"{name:<{width}}  {value:>8}  {target:<8}  {result}")


if __name__ == "__main__":
    main(sys.argv[1:])
