#!/usr/bin/env python3
# SPDX-License-Identifier: BSL-1.0
"""Prints the medians of a kaurl_bench JSON report as Markdown tables.

Every time is per item (per URI, or per code unit for the scaling runs), and
the "x floor", "x naive" and "x uriparser" columns divide it by the time per
URI of that yardstick in the same run: below 1 means faster than it. The
targets table gives the decomposition's ratios to its bounds.
"""
import json
import sys

YARDSTICKS = ("floor", "naive", "uriparser")


def medians(report):
    """The median of every benchmark, in the order of registration (the runs
    themselves may have been interleaved)."""
    entries = [entry for entry in report["benchmarks"] if entry.get("aggregate_name") == "median"]
    entries.sort(key=lambda entry: (entry["family_index"], entry["per_family_instance_index"]))
    return {entry["run_name"]: entry for entry in entries}


def time_per_item(entry):
    return 1e9 / entry["items_per_second"]


def format_time(nanoseconds):
    return f"{nanoseconds:.3f}" if nanoseconds < 10 else f"{nanoseconds:.0f}"


def print_speed_table(rows):
    yardstick = {name: time_per_item(rows[name]) for name in YARDSTICKS if name in rows}
    print("| Benchmark | ns per item | items per second | "
          + " | ".join(f"x {name}" for name in yardstick) + " |")
    print("|---|---:|---:|" + "---:|" * len(yardstick))
    for name, entry in rows.items():
        if name.startswith("memory/") or name == "targets":
            continue
        nanoseconds = time_per_item(entry)
        ratios = ("" if name.startswith("scaling/") else f"{nanoseconds / base:.2f}"
                  for base in yardstick.values())
        print(f"| {name} | {format_time(nanoseconds)} | {entry['items_per_second']:.4g} | "
              + " | ".join(ratios) + " |")


def print_targets_table(rows):
    """The decomposition (URI/construct) against the bounds it has to keep:
    the medians of the "targets" benchmark, which times the works in
    alternation, and the ratios of the separately run benchmarks."""
    names = ("URI/construct", "naive", "search-only", "floor")
    if "targets" not in rows or not all(name in rows for name in names):
        return
    construct, naive, search, floor = (time_per_item(rows[name]) for name in names)
    paired = rows["targets"]
    print("\n| Target | in alternation | separate runs | bound |")
    print("|---|---:|---:|---:|")
    print(f"| naive / URI/construct | {paired['naive_per_construct']:.2f}"
          f" | {naive / construct:.2f} | at least 10 |")
    print(f"| URI/construct / (search-only + floor) | {paired['construct_per_search_floor']:.3f}"
          f" | {construct / (search + floor):.3f} | at most 1.15 |")


def print_scaling_table(rows):
    print("\n| Scaling | ns per code unit at 64 KiB | at 1 MiB | 1 MiB / 64 KiB |")
    print("|---|---:|---:|---:|")
    for component in ("path", "query", "fragment"):
        medium = rows.get(f"scaling/{component}/65536")
        large = rows.get(f"scaling/{component}/1048576")
        if medium and large:
            at64, at1024 = time_per_item(medium), time_per_item(large)
            print(f"| {component} | {at64:.3f} | {at1024:.3f} | {at1024 / at64:.2f} |")


def print_memory_table(rows, context):
    memory = [(name, entry) for name, entry in rows.items() if name.startswith("memory/")]
    if memory:
        print("\n| Heap use per object | allocations | bytes |")
        print("|---|---:|---:|")
        for name, entry in memory:
            print(f"| {name} | {entry['allocations']:.0f} | {entry['heap_bytes']:.0f} |")
    sizes = [(key, value) for key, value in context.items() if key.startswith("sizeof(")]
    if sizes:
        print("\n| Class | sizeof |")
        print("|---|---:|")
        for key, value in sorted(sizes):
            print(f"| {key[len('sizeof('):-1]} | {value} |")


def main(path):
    with open(path, encoding="utf-8") as file:
        report = json.load(file)
    rows = medians(report)
    print_speed_table(rows)
    print_targets_table(rows)
    print_scaling_table(rows)
    print_memory_table(rows, report.get("context", {}))


if __name__ == "__main__":
    main(sys.argv[1])
