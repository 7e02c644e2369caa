"""Reading and writing the name-pool data files, shared by the generator and the build step so
that both agree on one format."""

import os

SEXES = ("male", "female")
POSITIONS = (1, 2)


def ranking_path(folder, sex, position):
    return os.path.join(folder, f"{sex}_position{position}.tsv")


def pairs_path(folder, sex):
    return os.path.join(folder, f"{sex}_pairs.tsv")


def data_lines(path):
    """(line number, text) of every line that is neither empty nor a # comment."""
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield number, line


def read_character_rows(path):
    """Glyphs of the character table in row order, from its 'glyph' column (a header line names
    the columns; a 'row' column, where present, must count the rows from 0)."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines:
        raise ValueError(f"{path}: empty")
    header = lines[0].split("\t")
    if "glyph" not in header:
        raise ValueError(f"{path}:1: no 'glyph' column in the header")
    glyph_column = header.index("glyph")
    row_column = header.index("row") if "row" in header else None
    glyphs = []
    for number, line in enumerate(lines[1:], 2):
        fields = line.split("\t")
        if row_column is not None and fields[row_column] != str(len(glyphs)):
            raise ValueError(f"{path}:{number}: row {fields[row_column]!r} out of sequence")
        glyphs.append(fields[glyph_column])
    return glyphs


def read_ranking(path):
    """(glyph, weight) records in rank order."""
    records = []
    for number, line in data_lines(path):
        fields = line.split("\t")
        if len(fields) != 2 or not fields[1].isdigit():
            raise ValueError(f"{path}:{number}: expected 'glyph<TAB>weight', got {line!r}")
        records.append((fields[0], int(fields[1])))
    return records


def read_pairs(path):
    """Two-character given names in pool order."""
    names = []
    for number, line in data_lines(path):
        if len(line) != 2:
            raise ValueError(f"{path}:{number}: expected a two-character name, got {line!r}")
        names.append(line)
    return names


def write_ranking(path, records):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# glyph\tweight, most used first\n")
        for glyph, weight in records:
            f.write(f"{glyph}\t{weight}\n")


def write_pairs(path, names):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# two-character given names, most popular first\n")
        for name in names:
            f.write(name + "\n")
