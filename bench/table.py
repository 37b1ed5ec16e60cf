"""Turns the benchmark program's JSON into one table: each measurement for
ours and for the peer, their ratio, and the two scaling ratios. Prints it
and writes it with the date and the machine into a Markdown file."""
import json
import os
import platform
import subprocess
import sys
import time

NOTES_MARK = "## Against the targets"
UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


# The process's CPU time of each measurement (every benchmark runs on one
# thread): on a machine shared with other work the wall-clock time also
# counts the time the process waited for a core. VOR_BENCH_CLOCK=real counts
# wall-clock time instead.
CLOCK = "real_time" if os.environ.get("VOR_BENCH_CLOCK") == "real" else "cpu_time"


def seconds(b):
    return b[CLOCK] * UNITS[b.get("time_unit", "ns")]


def fmt_time(s):
    if s is None:
        return "-"
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6), ("ns", 1e-9)):
        if s >= scale:
            return "%.3g %s" % (s / scale, unit)
    return "%.3g ns" % (s / 1e-9)


def machine():
    cpu = platform.processor() or platform.machine()
    try:
        out = subprocess.run(["lscpu"], capture_output=True, text=True).stdout
        for line in out.splitlines():
            if line.startswith("Model name:"):
                cpu = line.split(":", 1)[1].strip()
    except OSError:
        pass
    return "%s, %d cores, %s" % (cpu, os.cpu_count() or 0, platform.platform())


def main():
    data = json.load(open(sys.argv[1]))
    runs = {b["name"]: b for b in data["benchmarks"] if b.get("run_type", "iteration") == "iteration"}
    # A repeated measurement counts by its median, under its name without
    # the repeat count.
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median":
            runs[b["run_name"].rsplit("/repeats:", 1)[0]] = b
    rows = []

    def pair(label, ours, peer, value=seconds, show=fmt_time, lower_better=True):
        # The second peer (QTableView over a model) runs under the same name
        # with View_ in place of Peer_.
        view = "View_" + peer[len("Peer_"):] if peer.startswith("Peer_") else None
        o = value(runs[ours]) if ours in runs else None
        p = value(runs[peer]) if peer in runs else None
        v = value(runs[view]) if view in runs else None

        def ratio(x):
            if o and x:
                return "%.2fx" % ((x / o) if lower_better else (o / x))
            return "-"

        rows.append((label, show(o), show(p), ratio(p), show(v), ratio(v)))
        return o, p

    def tname(base, arg, unit_iter=False):
        return "%s/%s%s" % (base, arg, "/iterations:1" if unit_iter else "")

    pop = {}
    for n in (1000, 100000, 1000000):
        pop[n] = pair("populate %d rows" % n, tname("BM_Populate", n), tname("Peer_Populate", n))
    rep = {}
    for n in (1000, 1000000):
        rep[n] = pair("repaint viewport, %d rows" % n, tname("BM_Repaint", n), tname("Peer_Repaint", n))
    hit = {}
    for n in (1000, 1000000):
        hit[n] = pair("hit test, %d rows" % n, tname("BM_HitTest", n), tname("Peer_HitTest", n))
    for n in (1000, 1000000):
        pair("hit test after a message, %d rows" % n, tname("BM_HitTestAfterMessage", n), tname("Peer_HitTest", n))
    # The counter is the time per keystroke, in seconds.
    per_key = lambda b: b.get("ns_per_keystroke")
    pair("one keystroke (ours) / one model edit (peer)", "BM_Keystroke", "Peer_Keystroke", value=per_key)
    pair("scroll a page and repaint, 1000000 rows", tname("BM_ScrollPage", 1000000), tname("Peer_ScrollPage", 1000000))
    pair("hide and show a column, 100000 rows", tname("BM_HideShowColumn", 100000), tname("Peer_HideShowColumn", 100000))
    num = lambda key: (lambda b: b.get(key))
    show_bytes = lambda v: "-" if v is None else "%.1f B" % v
    pair("heap per cell (100000 x 8 cells)", tname("BM_MemoryPerCell", 100000, True),
         tname("Peer_MemoryPerCell", 100000, True), value=num("bytes_per_cell"), show=show_bytes)
    pair("heap per cell beyond its 8-byte text", tname("BM_MemoryPerCell", 100000, True),
         tname("Peer_MemoryPerCell", 100000, True), value=num("bytes_beyond_text"), show=show_bytes)

    def scaling(label, d):
        o = (d[1000000][0] / d[1000][0]) if d[1000][0] and d[1000000][0] else None
        p = (d[1000000][1] / d[1000][1]) if d[1000][1] and d[1000000][1] else None
        rows.append((label, "-" if o is None else "%.2f" % o, "-" if p is None else "%.2f" % p, "-", "-", "-"))

    def per_row(label, d):
        # Time a row at each size, against the time a row at 1,000 rows.
        vals = []
        for side in (0, 1):
            base = d[1000][side] / 1000 if d[1000][side] else None
            vals.append(" / ".join("-" if not (base and d[n][side]) else "%.2f" % (d[n][side] / n / base)
                                   for n in (100000, 1000000)))
        rows.append((label, vals[0], vals[1], "-", "-", "-"))

    per_row("scaling: populate time a row at 1e5 / 1e6 rows, against 1e3", pop)

    def interleaved(label):
        # The same, with the sizes interleaved in rounds (the medians of the
        # rounds' ratios; see bench/Interleave.h), for ours and both peers.
        def show(name):
            b = runs.get(name)
            if not b or "ratio_1e5" not in b:
                return "-"
            return "%.2f / %.2f" % (b["ratio_1e5"], b["ratio_1e6"])
        rows.append((label, show("BM_PopulateInterleaved/iterations:1"), show("Peer_PopulateInterleaved/iterations:1"),
                     "-", show("View_PopulateInterleaved/iterations:1"), "-"))

    def paired(label, name):
        # A million rows against 1,000, the sizes interleaved (the median of
        # the rounds' ratios), for ours and both peers.
        def show(prefix):
            b = runs.get("%s%s/iterations:1" % (prefix, name))
            return "%.2f" % b["ratio"] if b and "ratio" in b else "-"
        rows.append((label, show("BM_"), show("Peer_"), "-", show("View_"), "-"))

    interleaved("scaling, sizes interleaved: populate time a row at 1e5 / 1e6, against 1e3")
    scaling("scaling: repaint at 1000000 / 1000 rows", rep)
    paired("scaling, sizes interleaved: repaint at 1e6 / 1e3 rows", "RepaintInterleaved")
    scaling("scaling: hit test at 1000000 / 1000 rows", hit)
    paired("scaling, sizes interleaved: hit test at 1e6 / 1e3 rows", "HitTestInterleaved")

    header = ("measurement", "ours", "peer", "peer/ours", "view peer", "view/ours")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    lines = ["| " + " | ".join(h.ljust(widths[i]) for i, h in enumerate(header)) + " |",
             "|" + "|".join("-" * (w + 2) for w in widths) + "|"]
    for r in rows:
        lines.append("| " + " | ".join(c.ljust(widths[i]) for i, c in enumerate(r)) + " |")
    table = "\n".join(lines)
    print(table)
    # The notes written by hand below the table (from NOTES_MARK on) stay.
    notes = ""
    try:
        old = open(sys.argv[2]).read()
        if NOTES_MARK in old:
            notes = old[old.index(NOTES_MARK):]
    except OSError:
        pass
    with open(sys.argv[2], "w") as f:
        f.write("# Benchmark results\n\n")
        f.write("Measured %s on %s, with `bench/run` (Release build, headless); load\n"
                "average %s when the table was written.\n\n" %
                (time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), machine(),
                 " / ".join("%.1f" % x for x in os.getloadavg())))
        f.write("The peer is Qt 5's QTableWidget on the offscreen platform, painting the same 1280 x 800\n"
                "viewport into a QImage; the view peer is Qt 5's QTableView over a minimal\n"
                "QAbstractTableModel holding the texts in one array (populating fills it and\n"
                "resets the model). Peer/ours above 1 means ours is faster (or smaller).\n"
                "Ours' keystroke is the whole round trip through real input; the peer's is one\n"
                "edit committed through its model. The cell texts are made before any timing;\n"
                "populating tells each control the row count first (ours `SetItemCount`, the\n"
                "peer `setRowCount`). Every figure, ours and the peers', is the median of three\n"
                "runs in the same process (of five for populating, where each run repeats\n"
                "the populate as often as the minimum time asks: a million rows once, 1,000\n"
                "rows some hundred times). The interleaved scalings time the sizes in turn, in\n"
                "rounds (populating: eleven a run for ours, five for the peers; repainting and\n"
                "hit testing: 41 batches of each size), and give the median over three runs of\n"
                "each run's median of the rounds' ratios (bench/Interleave.h). Times are %s.\n"
                "Heap bytes are "
                "counted (usable sizes of the blocks) only while the memory is measured.\n\n" %
                ("wall-clock" if CLOCK == "real_time" else "the process's CPU time"))
        f.write(table + "\n")
        if notes:
            f.write("\n" + notes)


if __name__ == "__main__":
    main()
