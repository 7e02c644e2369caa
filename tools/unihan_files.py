"""Reading the staged Unihan database, which the dictionary and the classics' generators share."""

import bz2
import os


def read_unihan(data, name, fields):
    """{field: {character: value}} for the given fields of one bz2-packed Unihan file."""
    table = {f: {} for f in fields}
    with bz2.open(os.path.join(data, "unihan", name), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field in table:
                table[field][chr(int(code[2:], 16))] = value
    return table
