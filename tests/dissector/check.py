#!/usr/bin/env python3
"""What tshark, with the Zentri dissector, reads from the capture that tests/dissector/run.sh made,
against what the emulator holds and what the programs read.

    check.py WORK

WORK holds capture.pcapng, tshark.sh (tshark with the dissector and nothing else), fields.tsv (the
settings as the generator wrote them: filter name, path, label), zentrictl's discover.json, before.json,
changed.json and after.json, the tool's traffic.txt, zentrictl's droplog.txt and the emulator's log.
"""
import copy
import json
import os
import re
import subprocess
import sys

work = sys.argv[1]
capture = os.path.join(work, "capture.pcapng")
failed = False


def check(what, ok, detail=""):
    global failed
    if ok:
        print("ok: " + what)
    else:
        print("FAILED: " + what + (": " + detail if detail else ""), file=sys.stderr)
        failed = True


def tshark(display_filter, fields):
    """One line per frame that passes the filter, each a dict of field -> text ("" when absent)."""
    args = [os.path.join(work, "tshark.sh"), "-r", capture, "-Y", display_filter, "-T", "fields",
            "-E", "separator=/t", "-E", "occurrence=a", "-E", "aggregator=,"]
    for f in fields:
        args += ["-e", f]
    run = subprocess.run(args, capture_output=True, text=True)
    errors = [l for l in run.stderr.splitlines() if l and "Running as user" not in l]
    if run.returncode != 0 or errors:
        check("tshark -Y '%s' runs without an error" % display_filter, False, "\n".join(errors))
        return []
    return [dict(zip(fields, line.split("\t"))) for line in run.stdout.splitlines()]


def load(name):
    with open(os.path.join(work, name)) as f:
        return json.load(f)


settings = [line.rstrip("\n").split("\t") for line in open(os.path.join(work, "fields.tsv"))]
setting_fields = [s[0] for s in settings]


def value_at(configuration, path):
    """A configuration file's value for a field path: "Output[3].Channel", "dap.NET", "MasterVolume"."""
    node = configuration
    for part in path.split("."):
        m = re.fullmatch(r"(\w+)\[(\d+)\]", part)
        node = node[m.group(1)][int(m.group(2))] if m else node[part]
    return int(node) if not isinstance(node, bool) else (1 if node else 0)


def dissected(frame, field):
    text = frame[field]
    return None if text == "" else int(text, 0)


base = ["frame.number", "ip.src", "ip.dst", "udp.srcport", "udp.dstport", "udp.length", "zentri.command",
        "_ws.expert.message"]
frames = tshark("udp", base + ["artnet.header.id", "zentri.name", "zentri.mac", "zentri.firmware",
                               "zentri.equipment", "zentri.sdcard", "zentri.test.group", "zentri.index",
                               "zentri.test.on", "zentri.volume", "zentri.show", "zentri.packets",
                               "zentri.show.total", "zentri.show.position", "zentri.show.present",
                               "zentri.show.length", "zentri.cue", "zentri.cue.name", "zentri.cue.channel"]
                + setting_fields)
check("the capture holds datagrams", len(frames) > 100, "%d frames" % len(frames))

# ---- Every datagram is named: the protocol's by the dissector, Art-Net's by Art-Net's ------------------
artnet = [f for f in frames if f["artnet.header.id"]]
ours = [f for f in frames if f["zentri.command"]]
check("the 12 Art-Net frames of the recording are Art-Net's", len(artnet) == 12, "%d" % len(artnet))
check("no Art-Net frame is taken for the protocol", not any(f["zentri.command"] for f in artnet))
unnamed = [f["frame.number"] for f in frames if not f["zentri.command"] and not f["artnet.header.id"]
           and "unknown leading letters" not in f["_ws.expert.message"]]
check("every other datagram is the protocol's, by name", not unnamed, "frames " + ", ".join(unnamed))
keywords = re.findall(r'keyword = "([^"]+)"', open(os.path.join(work, "zentri.lua")).read())
seen = {f["zentri.command"] for f in ours}
check("every datagram of the protocol (%d kinds) is in the run" % len(keywords),
      set(keywords) <= seen, "missing: " + ", ".join(sorted(set(keywords) - seen)))
check("the dissector knows no keyword the program does not", seen <= set(keywords),
      ", ".join(sorted(seen - set(keywords))))
wrong_way = [f["frame.number"] for f in ours
             if (f["udp.dstport"] == "6454") != (f["zentri.command"] in
                 ("QGETI", "qchkSD", "!SETI", "RESE", "RESD", "!TEST", "SVOL", "qMVol", "setMVol", "SSHOW",
                  "QShowInfo", "RECENA", "RECENS", "RECDIS", "PLAYSH", "ERASESHOW", "QCUERD", "!CUEWR"))]
check("commands go to 6454, replies to 7800..7803", not wrong_way, "frames " + ", ".join(wrong_way))

# ---- The info reply: identity as zentrictl discover lists it ---------------------------------------
device = "127.0.0.83"
listed = load("discover.json")
listed = listed[0] if isinstance(listed, list) else listed["devices"][0]
infos = [f for f in ours if f["zentri.command"] == "AGETI" and f["ip.src"] == device]
check("info replies from the device", len(infos) >= 4, "%d" % len(infos))
for f in infos:
    got = (f["zentri.name"], f["zentri.mac"].upper(), f["zentri.firmware"], f["zentri.module"])
    want = (listed["name"], listed["mac"].upper(), listed["firmware"], "254")
    check("frame %s: name, MAC, firmware and module as zentrictl lists them %s" % (f["frame.number"], want),
          got == want, "dissector %s" % (got,))
check("the module version as zentrictl names it (Premium)", listed.get("module") == "Premium",
      str(listed.get("module")))


def compare_settings(frame, configuration, what):
    wrong = []
    for abbrev, path, label in settings:
        if path == "ZentriVersion":
            continue
        want, got = value_at(configuration, path), dissected(frame, abbrev)
        if want != got:
            wrong.append("%s (%s): file %s, dissector %s" % (label, abbrev, want, got))
    check("frame %s %s: all %d settings as %s" % (frame["frame.number"], frame["zentri.command"],
                                                   len(settings) - 1, what), not wrong, "; ".join(wrong))


before, changed, after = (load(n)["configuration"] for n in ("before.json", "changed.json", "after.json"))
setis = [f for f in ours if f["zentri.command"] == "!SETI" and f["udp.length"] != "58"]
resds = [f for f in ours if f["zentri.command"] == "RESD"]
check("one \"!SETI\" sent by zentrictl restore", len(setis) == 1, "%d" % len(setis))
check("one \"RESD\" sent by zentrictl defaults", len(resds) == 1, "%d" % len(resds))
if setis and resds:
    compare_settings(setis[0], changed, "the file restored")
    check("\"!SETI\" carries the device's own module version", setis[0]["zentri.module"] == "254")
    check("the changed file is what the device reports after the restore", changed == after)
# What the device holds, frame by frame: its defaults, the file restored, the live volumes set, the
# defaults again after "RESD"; each info reply must carry it.
holds = copy.deepcopy(before)
for f in ours:
    word = f["zentri.command"]
    if word == "!SETI" and f in setis:
        holds = copy.deepcopy(changed)
    elif word == "SVOL":
        holds["Trigger"][int(f["zentri.index"])]["Volume"] = dissected(f, "zentri.trig%d.vol" % (int(f["zentri.index"]) + 1))
    elif word == "setMVol":
        holds["MasterVolume"] = dissected(f, "zentri.masterVolume")
    elif word == "RESD":
        holds = copy.deepcopy(before)
    elif word == "AGETI" and f in infos:
        compare_settings(f, holds, "the device holds them (zentrictl's backups and the live commands)")

sd = [f for f in ours if f["zentri.command"] == "achkSD" and f["ip.src"] == device]
check("SD card replies: the card is in (emulator), as zentrictl sd says",
      sd and all(f["zentri.sdcard"] == "1" for f in sd) and "SD CARD OK" in open(os.path.join(work, "sd.txt")).read(),
      str([f["zentri.sdcard"] for f in sd]))
label_of = {s[0]: s[2] for s in settings}
check("a setting's filter name works: zentri.out4.ch == 389 in the \"!SETI\" and the replies after it",
      len(tshark("zentri.out4.ch == 389", ["frame.number"])) >= 2)

# ---- The windows' datagrams: what the tool sent and what the program's parsers read --------------------
FIELDS = {  # keyword: the fields, in the order the tool prints them
    "!TEST": ["zentri.test.group", "zentri.index", "zentri.test.on"],
    "SVOL": ["zentri.index", "zentri.trig3.vol"],
    "setMVol": ["zentri.masterVolume"], "qMVol": [], "aMVol": ["zentri.masterVolume"],
    "SSHOW": ["zentri.show"], "QShowInfo": ["zentri.show"], "ERASESHOW": ["zentri.show"],
    "RECENA": [], "RECENS": [], "RECDIS": [], "PLAYSH": [],
    "setShow": ["zentri.show"], "Pcnt": ["zentri.packets"],
    "showPss": ["zentri.show.total", "zentri.show.position"], "playStop": [],
    "AShowInfo": ["zentri.show", "zentri.show.present", "zentri.show.length"],
    "QCUERD": ["zentri.cue"], "!CUEWR": ["zentri.cue", "zentri.cue.name", "zentri.cue.channel"],
    "ACUERD": ["zentri.cue", "zentri.cue.name", "zentri.cue.channel"],
}


def as_text(frame, field):
    text = frame[field]
    if field == "zentri.cue.channel":  # the channels above 0, as the tool prints them
        return ",".join("%d=%s" % (i + 1, v) for i, v in enumerate(text.split(",")) if v != "0")
    if field == "zentri.cue.name":
        return text
    return str(int(text, 0)) if text else ""


tool = [line.rstrip("\n").split("\t") for line in open(os.path.join(work, "traffic.txt"))]
for direction in ("sent", "reply"):
    want = [t[1:] for t in tool if t[0] == direction]
    got = [[f["zentri.command"]] + [as_text(f, x) for x in FIELDS[f["zentri.command"]]] for f in ours
           if f["zentri.command"] in FIELDS and (f["udp.dstport"] == "6454") == (direction == "sent")
           and f["ip.src"] in ("127.0.0.1", device)]
    mismatch = [(i, w, g) for i, (w, g) in enumerate(zip(want, got)) if w != g]
    check("every %s datagram of the windows (%d) read as the tool %s it" %
          ("command" if direction == "sent" else "reply", len(want),
           "built" if direction == "sent" else "parsed"),
          len(want) == len(got) and not mismatch,
          "%d in the tool's list, %d dissected; first difference: %s" %
          (len(want), len(got), mismatch[0] if mismatch else "-"))

replies = [t[1:] for t in tool if t[0] == "reply"]
check("the emulator holds the master volume sent (77)", ["aMVol", "77"] in replies)
check("the emulator's show 3 (--shows 3:90): present, 90 s", ["AShowInfo", "3", "1", str(90 * 20480)] in replies)
check("the show selected (3) is reported", ["setShow", "3"] in replies)
check("the show recorded: packets counted", any(r[0] == "Pcnt" and int(r[1]) > 0 for r in replies))
cues = [r for r in replies if r[0] == "ACUERD"]
check("100 cues, cue 5 as written (\"Finale\", 1=255, 100=128, 512=7), the others as the emulator's defaults",
      len(cues) == 100 and cues[4] == ["ACUERD", "5", "Finale", "1=255,100=128,512=7"]
      and all(c == ["ACUERD", str(k + 1), "Cue %d" % (k + 1), ""] for k, c in enumerate(cues) if k != 4),
      str(cues[:6]))
emulator_log = open(os.path.join(work, "emulator.log")).read()
check("the emulator took the trigger volume (trigger 3 128->200)", "trigger 3 (index 2) volume 128->200" in emulator_log)

# ---- Short datagrams and unknown letters: malformed, in the wire log's words --------------------------
drops = re.findall(r"dropped from 127\.0\.0\.9:(\d+) on port (\d+): (.*)", open(os.path.join(work, "droplog.txt")).read())
check("zentrictl's wire log dropped the three datagrams from 127.0.0.9", len(drops) == 3, str(drops))
# One sender port for all three: matched in the order sent.
strays = [f for f in frames if f["ip.src"] == "127.0.0.9" and f["udp.dstport"] == "7800"]
check("the three datagrams to 7800 are in the capture", len(strays) == 3, "%d" % len(strays))
for (port, to, reason), f in zip(drops, strays):
    check("the dissector says what the wire log says: %s" % reason,
          (f["udp.srcport"], f["udp.dstport"]) == (port, to) and f["_ws.expert.message"] == reason,
          "frame %s from port %s: %s" % (f["frame.number"], f["udp.srcport"], f["_ws.expert.message"]))
short_seti = [f for f in ours if f["zentri.command"] == "!SETI" and f["udp.length"] == "58"]
check("a short \"!SETI\" to the device is malformed: \"!SETI\" too short (got 50 of 138 bytes)",
      [f["_ws.expert.message"] for f in short_seti] == ['"!SETI" too short (got 50 of 138 bytes)'],
      str([f["_ws.expert.message"] for f in short_seti]))
check("the emulator ignored it too", "!SETI 50 bytes: wrong length, 138 expected, ignored" in emulator_log)
malformed = tshark("zentri.malformed", ["frame.number"])
check("malformed: the short datagrams alone (3)", len(malformed) == 3, "%d" % len(malformed))

sys.exit(1 if failed else 0)
