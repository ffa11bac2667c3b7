#!/usr/bin/env python3
"""Compares a converted data tree with the roll-call tables it was made from.

An independent second reading of the binary formats (Python's struct module, none of the
program's own code): for every congress present in the tree it checks each member id, state,
district, party, name and pair of coordinates, each roll call's date, official tallies,
information-window counts and cutting-line parameters, and every vote byte.

    tools/verify-tree.py SRC TREE [--extended] [--include-president] [--coords A,B]

SRC holds house/HNNN_*.csv and senate/SNNN_*.csv; TREE is the tree `rollscan-cli convert` wrote
from them with the same options. Exits 0 when everything agrees, 1 on the first disagreements
(listed, at most 20 per congress), 2 on bad usage.
"""

import argparse
import csv
import datetime
import os
import re
import struct
import sys

BASE_DATE = datetime.date(1899, 12, 30)
LIMIT = 20


def f32(value):
    """The float32 bytes a value is stored as."""
    return struct.pack("<f", value)


def whole(text):
    return int(float(text)) if text.strip() else 0


def real(text):
    return float(text) if text.strip() else 0.0


def read_csv(path):
    with open(path, newline="", encoding="utf-8-sig") as f:
        return list(csv.DictReader(f))


def find_table(folder, letter, congress, kind):
    wanted = f"{letter}{congress:03d}_{kind}.csv".lower()
    for name in os.listdir(folder):
        if name.lower() == wanted:
            return os.path.join(folder, name)
    return None


def find_entry(folder, name):
    for entry in os.listdir(folder):
        if entry.lower() == name.lower():
            return os.path.join(folder, entry)
    return None


class Congress:
    def __init__(self, tree, is_house, congress, extended):
        self.chamber = "House" if is_house else "Senate"
        folder = find_entry(tree, "house" if is_house else "senate")
        suffix = "" if is_house else "s"
        self.path = {ext: os.path.join(folder, f"{congress}{suffix}.{ext}") for ext in ("lcr", "vot", "rif", "din", "dbn")}
        index_name = "houses.dat" if is_house else "senates.dat"
        index = open(find_entry(find_entry(tree, "main"), index_name), "rb").read()
        length = 10 if is_house else 4
        self.legislators, self.roll_calls = struct.unpack_from("<hh", index, (congress - 1) * length)
        self.extended = extended

    def members(self):
        length = 62 if self.extended else 50
        data = open(self.path["lcr"], "rb").read()
        out = []
        for m in range(self.legislators):
            name, state, district, party, x, y, id1 = struct.unpack_from("<12shhh4s4si", data, m * length)
            out.append(dict(name=name.decode("cp1252").rstrip(" "), state=state, district=district, party=party,
                            x=x, y=y, id=id1))
        return out, len(data)

    def roll_call_records(self):
        slot = 136 if self.extended else 110
        desc_at = 10 if self.extended else 8
        data = open(self.path["rif"], "rb").read()
        out = []
        for r in range(self.roll_calls):
            base = r * slot
            tag, = struct.unpack_from("<h", data, base + desc_at + 60)
            at = base + desc_at + 62
            if tag == 7:
                serial, = struct.unpack_from("<d", data, at)
                date = BASE_DATE + datetime.timedelta(days=int(serial))
                at += 8
            elif tag == 8:
                n, = struct.unpack_from("<h", data, at)
                date = ("text", data[at + 2:at + 2 + n].decode("cp1252"))
                at += 2 + n
            else:
                date = ("bad tag", tag)
            yeas, nays, info_yea, info_nay, info_nv = struct.unpack_from("<5h", data, at)
            params = [data[at + 10 + 4 * i:at + 14 + 4 * i] for i in range(4)]
            out.append(dict(date=date, yeas=yeas, nays=nays, info=(info_yea, info_nay, info_nv), params=params))
        return out

    def votes(self):
        return open(self.path["vot"], "rb").read()

    def description_positions(self):
        din = open(self.path["din"], "rb").read()
        dbn_size = os.path.getsize(self.path["dbn"])
        bad = []
        for r in range(self.roll_calls):
            pos, = struct.unpack_from("<i", din, 4 * r)
            if pos < 1 or pos - 1 + 60 > dbn_size:
                bad.append(r + 1)
        return bad


def verify(src, tree, is_house, congress, args):
    problems = []

    def problem(text):
        if len(problems) < LIMIT:
            problems.append(text)
        elif len(problems) == LIMIT:
            problems.append("... more disagreements left out")

    letter = "H" if is_house else "S"
    chamber = "House" if is_house else "Senate"
    folder = find_entry(src, "house" if is_house else "senate")
    tables = {k: find_table(folder, letter, congress, k) if folder else None for k in ("members", "rollcalls", "votes")}
    if not all(tables.values()):
        return [f"no tables for {chamber} {congress} in {src}"], 0
    c = Congress(tree, is_house, congress, args.extended)

    # Members: the table's rows of this chamber (and the President when asked), by ascending id.
    rows = read_csv(tables["members"])
    president_ids = {int(r["icpsr"]) for r in rows if r["chamber"] == "President"}
    kept = [r for r in rows if r["chamber"] == chamber or (args.include_president and r["chamber"] == "President")]
    kept.sort(key=lambda r: int(r["icpsr"]))
    tree_members, lcr_size = c.members()
    if len(kept) != c.legislators:
        problem(f"{len(kept)} members in the table, {c.legislators} in the index")
    if lcr_size != c.legislators * (62 if args.extended else 50):
        problem(f"legislator file holds {lcr_size} bytes for {c.legislators} records")
    cx, cy = args.coords
    for m, (row, rec) in enumerate(zip(kept, tree_members), start=1):
        expected = dict(id=int(row["icpsr"]), state=whole(row["state_icpsr"]), district=whole(row["district_code"]),
                        party=whole(row["party_code"]), x=f32(real(row[cx])), y=f32(real(row[cy])),
                        name=row["bioname"].split(",")[0].strip().upper()[:12])
        for key, value in expected.items():
            if rec[key] != value:
                problem(f"legislator {m}: {key} is {rec[key]!r} in the tree, {value!r} in the table")
    row_of = {int(r["icpsr"]): i for i, r in enumerate(kept)}

    # Roll calls by roll number.
    calls = sorted(read_csv(tables["rollcalls"]), key=lambda r: int(r["rollnumber"]))
    if len(calls) != c.roll_calls:
        problem(f"{len(calls)} roll calls in the table, {c.roll_calls} in the index")
    records = c.roll_call_records()

    # Votes: every byte of the matrix.
    R = c.roll_calls
    expected_votes = bytearray(b"0" * (len(kept) * R))
    for v in read_csv(tables["votes"]):
        icpsr = int(v["icpsr"])
        if icpsr in president_ids and not args.include_president:
            continue
        expected_votes[row_of[icpsr] * R + int(v["rollnumber"]) - 1] = ord("0") + int(v["cast_code"])
    tree_votes = c.votes()
    if len(tree_votes) != len(expected_votes):
        problem(f"vote file holds {len(tree_votes)} bytes, the tables give {len(expected_votes)}")
    else:
        for i, (a, b) in enumerate(zip(tree_votes, expected_votes)):
            if a != b:
                problem(f"vote of legislator {i // R + 1} on roll call {i % R + 1}: {chr(a)} in the tree, "
                        f"{chr(b)} in the tables")

    for r, (row, rec) in enumerate(zip(calls, records), start=1):
        if int(row["rollnumber"]) != r:
            problem(f"roll call {r}: the table's roll number is {row['rollnumber']}")
        if rec["yeas"] != int(row["yea_count"]) or rec["nays"] != int(row["nay_count"]):
            problem(f"roll call {r}: tally {rec['yeas']}-{rec['nays']} in the tree, "
                    f"{row['yea_count']}-{row['nay_count']} in the table")
        date = row["date"].strip()
        want = datetime.date.fromisoformat(date) if date else ("text", "")
        if rec["date"] != want:
            problem(f"roll call {r}: date {rec['date']} in the tree, {want} in the table")
        params = [f32(real(row[k])) for k in ("spread_1", "mid_1", "spread_2", "mid_2")]
        if rec["params"] != params:
            problem(f"roll call {r}: cutting-line parameters differ")
        column = [expected_votes[m * R + r - 1] - ord("0") for m in range(len(kept))]
        yea = sum(1 for v in column if 1 <= v <= 3)
        nay = sum(1 for v in column if 4 <= v <= 6)
        if rec["info"] != (yea, nay, len(kept) - yea - nay):
            problem(f"roll call {r}: information counts {rec['info']} in the tree, {(yea, nay, len(kept) - yea - nay)} "
                    f"from the votes")
    for r in c.description_positions():
        problem(f"roll call {r}: description position outside the description file")
    return problems, len(tree_votes)


def main():
    parser = argparse.ArgumentParser(description="Compare a converted data tree with its roll-call tables.")
    parser.add_argument("src")
    parser.add_argument("tree")
    parser.add_argument("--extended", action="store_true")
    parser.add_argument("--include-president", action="store_true")
    parser.add_argument("--coords", default="dim1,dim2")
    args = parser.parse_args()
    args.coords = args.coords.split(",")
    if len(args.coords) != 2:
        parser.error("--coords needs two column names")

    failed = False
    checked = 0
    for is_house in (True, False):
        folder = find_entry(args.tree, "house" if is_house else "senate")
        if not folder:
            continue
        pattern = re.compile(r"^(\d+)\.lcr$" if is_house else r"^(\d+)s\.lcr$", re.IGNORECASE)
        congresses = sorted(int(m.group(1)) for m in map(pattern.match, os.listdir(folder)) if m)
        for congress in congresses:
            problems, votes = verify(args.src, args.tree, is_house, congress, args)
            name = f"{'House' if is_house else 'Senate'} {congress}"
            checked += 1
            if problems:
                failed = True
                print(f"{name}: {len(problems)} disagreements")
                for p in problems:
                    print(f"  {p}")
            else:
                print(f"{name}: agrees ({votes} vote bytes)")
    print(f"{checked} congresses compared: {'DISAGREEMENTS FOUND' if failed else 'all agree'}")
    return 1 if failed or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
