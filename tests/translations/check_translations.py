#!/usr/bin/env python3
"""Fails when a translation is not finished: brings a copy of each .ts up to
date with the code (as `lupdate` would), then counts per file the entries
that are unfinished, obsolete (their text left the code) or whose
placeholders (%1, %n) differ from the English.

usage: check_translations.py LUPDATE SOURCE_ROOT TS... -- LUPDATE_OPTIONS...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d+|n)")


def placeholders(text):
    return sorted(set(m.group(1) for m in PLACEHOLDER.finditer(text or "")))


def forms(translation):
    numerus = translation.findall("numerusform")
    return [f.text or "" for f in numerus] if numerus else [translation.text or ""]


def problems(ts):
    counts = {"finished": 0, "unfinished": 0, "obsolete": 0, "placeholders": 0}
    details = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                counts["obsolete"] += 1
                details.append("obsolete   %s: %s" % (name, source))
                continue
            texts = forms(translation) if translation is not None else [""]
            if kind == "unfinished" or any(not t for t in texts):
                counts["unfinished"] += 1
                details.append("unfinished %s: %s" % (name, source))
                continue
            wanted = placeholders(source)
            if message.get("numerus") == "yes" and "n" not in wanted:
                wanted = sorted(set(wanted) | {"n"})
            # A plural form may leave out %n ("one answer"), never another
            # argument.
            bad = [t for t in texts if [p for p in placeholders(t) if p != "n"] != [p for p in wanted if p != "n"]
                   or ("n" in placeholders(t) and "n" not in wanted)]
            if bad:
                counts["placeholders"] += 1
                details.append("placeholders %s: %s -> %s" % (name, source, bad[0]))
                continue
            counts["finished"] += 1
    return counts, details


def main(argv):
    split = argv.index("--")
    lupdate, root, ts_files, options = argv[1], argv[2], argv[3:split], argv[split + 1:]
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            extra = ["-pluralonly"] if os.path.basename(ts) == "orvelle_en.ts" else []
            subprocess.run([lupdate] + options + extra + ["-ts", copy], cwd=root, check=True,
                           stdout=subprocess.DEVNULL)
            counts, details = problems(copy)
            print("%-20s %4d finished, %d unfinished, %d obsolete, %d with wrong placeholders"
                  % (os.path.basename(ts), counts["finished"], counts["unfinished"], counts["obsolete"],
                     counts["placeholders"]))
            for line in details[:40]:
                print("    " + line)
            if len(details) > 40:
                print("    ... and %d more" % (len(details) - 40))
            failed = failed or counts["unfinished"] or counts["obsolete"] or counts["placeholders"]
    if failed:
        print("Run `cmake --build <build> --target lupdate` and finish the entries above.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
