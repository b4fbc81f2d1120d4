#!/usr/bin/python3
"""Writes the charts of the example plan and of every test plan (MS Project's XML, .mpp and
.mpx) with a given quorvan, and keeps the parts that make a chart, so that two builds can be
compared byte for byte.

    scripts/chart_parts.py QUORVAN OUT      runs QUORVAN, keeps the parts in the folder OUT
    diff -r OUT_BEFORE OUT_AFTER            no output: the charts are the same

For each plan the chart is written as .xlsx and as .xls, and the model is printed with
--dump-model. Kept: of the .xlsx the sheets, drawings and styles (unpacked), of the .xls the
stream "Workbook", the model, and what each run wrote to stdout and stderr with its exit status.
Every run starts from an empty registry, in a folder of its own whose name does not change, so
that paths in messages are the same from one build to the next.
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zipfile

import xlrd.compdoc

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tests" / "data"
PLANS = [ROOT / "examples" / "Markteinfuehrung.xml"] + sorted(
    plan for folder in ("mspdi", "mpp", "gui") for plan in (DATA / folder).iterdir()
    if plan.suffix in (".xml", ".mpp", ".mpx"))
# The example plans once more with other options: every control of the wizard away from its
# default, given on the command line and, for the second set, stored as the defaults first.
EXAMPLES = [ROOT / "examples" / "Markteinfuehrung.xml", ROOT / "examples" / "Schulung.xml"]
OPTIONS = [
    ["--shadow-arrows", "--shadow-symbols", "--arrow-size", "groß", "--arrow-weight", "0,75",
     "--column-width", "12.6", "--row-height", "40", "--no-group-tasks", "--no-freeze-panes",
     "--color-headers", "#102030", "--color-subprojects", "#203040", "--color-summaries",
     "#304050", "--color-tasks", "#405060", "--color-milestones", "#506070", "--color-arrows",
     "#607080", "--color-arrow-shadows", "#708090", "--color-responsible", "#8090A0",
     "--color-participant", "#90A0B0", "--color-informed", "#A0B0C0",
     "--color-symbol-shadows", "#B0C0D0"],
    ["--arrow-size", "klein", "--no-targets", "--no-status", "--no-start", "--remarks", "Text7",
     "--responsible", "Text21", "--participant", "Text22", "--informed", "Text23",
     "--column-width", "5x", "--row-height", "20"],
]
XLSX_PARTS = ("xl/worksheets/", "xl/drawings/", "xl/styles.xml")


def run(quorvan, work, args, out, name, fresh=True):
    registry = work / "HKCU.reg"
    if fresh and registry.exists():
        registry.unlink()
    env = dict(os.environ, QUORVAN_REGISTRY=str(registry), LC_ALL="C.UTF-8")
    result = subprocess.run([str(quorvan)] + args, cwd=work, env=env, capture_output=True,
                            check=False)
    (out / (name + ".stdout")).write_bytes(result.stdout)
    # Qt's word about the environment is not the program's.
    stderr = b"".join(line for line in result.stderr.splitlines(keepends=True)
                      if not line.startswith(b"QStandardPaths:"))
    (out / (name + ".stderr")).write_bytes(stderr + b"exit %d\n" % result.returncode)


def keep_xlsx(chart, out):
    if not chart.exists():
        return
    with zipfile.ZipFile(chart) as archive:
        for part in archive.namelist():
            if part.startswith(XLSX_PARTS) and not part.endswith("/"):
                target = out / part
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(archive.read(part))


def keep_xls(chart, out):
    if not chart.exists():
        return
    document = xlrd.compdoc.CompDoc(chart.read_bytes())
    (out / "Workbook").write_bytes(document.get_named_stream("Workbook"))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    quorvan = pathlib.Path(sys.argv[1]).resolve()
    out = pathlib.Path(sys.argv[2])
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    # The same folder name for every build: the paths in the messages stay the same.
    work = pathlib.Path(tempfile.gettempdir()) / "quorvan-chart-parts"
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir()
    try:
        for plan in PLANS:
            shutil.copy(plan, work / plan.name)
            # A plan of MS Project's XML keeps its stem; the others carry their format.
            stem = plan.stem if plan.suffix == ".xml" else plan.stem + "-" + plan.suffix[1:]
            for extension, keep in ((".xlsx", keep_xlsx), (".xls", keep_xls)):
                chart = work / (stem + extension)
                kept = out / (stem + extension)
                kept.mkdir()
                run(quorvan, work, [plan.name, "-o", chart.name, "--yes"], kept, "run")
                keep(chart, kept)
            run(quorvan, work, [plan.name, "--dump-model", "--yes"], out, stem + ".model")
        for plan in EXAMPLES:
            shutil.copy(plan, work / plan.name)
            for number, options in enumerate(OPTIONS, 1):
                name = "%s-%d" % (plan.stem, number)
                kept = out / name
                kept.mkdir()
                if number == 2:
                    # Stored as the defaults first, then taken from the registry.
                    run(quorvan, work, [plan.name, "--save-defaults", "--yes"] + options, kept,
                        "save")
                    (kept / "HKCU.reg").write_bytes((work / "HKCU.reg").read_bytes())
                    options = []
                for extension, keep in ((".xlsx", keep_xlsx), (".xls", keep_xls)):
                    chart = work / (name + extension)
                    run(quorvan, work, [plan.name, "-o", chart.name, "--yes"] + options, kept,
                        "run" + extension, fresh=number != 2)
                    part = kept / extension[1:]
                    part.mkdir()
                    keep(chart, part)
                run(quorvan, work, [plan.name, "--dump-model", "--yes"] + options, kept,
                    "model", fresh=number != 2)
                if number == 1:
                    run(quorvan, work, [plan.name, "--yes", "--svg", name + ".svg", "--png",
                                        name + ".png", "--dpi", "50"] + options, kept,
                        "pictures")
                    for picture in (name + ".svg", name + ".png"):
                        if (work / picture).exists():
                            shutil.copy(work / picture, kept / picture)
        # The registry editor's export with values of every odd kind, loaded and stored again.
        plan = EXAMPLES[0]
        kept = out / "stored-oddities"
        kept.mkdir()
        registry = ROOT / "tests" / "data" / "registry" / "quorvan-regedit-utf16.reg"
        for name, args in (("refused", ["--dump-model"]),
                           ("model", ["--dump-model", "--column-width", "8"]),
                           ("save", ["--save-defaults", "--column-width", "9"]),
                           ("after", ["--dump-model"])):
            if name != "after":
                shutil.copy(registry, work / "HKCU.reg")
            run(quorvan, work, [plan.name, "--yes"] + args, kept, name, fresh=False)
        (kept / "HKCU.reg").write_bytes((work / "HKCU.reg").read_bytes())
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
