"""Reading and writing the data files of the names from the classics, shared by the generator
and the build step so that both agree on one format.

poems.tsv: a heading line per poem, "number<TAB>work<TAB>section<TAB>title<TAB>author" ('-'
for an empty field), then one line per sentence of that poem. names.tsv: one line per name,
"name<TAB>sexes<TAB>poem<TAB>sentence<TAB>offsets", the offsets being where in the sentence
(counted in characters from 0) the name's characters stand, comma-separated.
"""

import collections

import pools_files

SEX_LABELS = ("男", "女")

Poem = collections.namedtuple("Poem", "number work section title author sentences")
Name = collections.namedtuple("Name", "name sexes poem sentence offsets")


def _field(text):
    return text or "-"


def _unfield(text):
    return "" if text == "-" else text


def poems_text(poems):
    parts = ["# 诗经, 楚辞, 唐诗三百首 and 宋词三百首 in simplified characters, written by "
             "tools/poetry_generate.py; do not edit.\n"
             "# A heading line: poem<TAB>work<TAB>section<TAB>title<TAB>author ('-' for none);\n"
             "# every line after it up to the next heading is one sentence of that poem.\n"]
    for poem in poems:
        fields = [str(poem.number), poem.work, _field(poem.section), poem.title,
                  _field(poem.author)]
        parts.append("\t".join(fields) + "\n")
        parts.extend(sentence + "\n" for sentence in poem.sentences)
    return "".join(parts)


def names_text(names):
    parts = ["# Given names from the classics, written by tools/poetry_generate.py; do not edit.\n"
             "# name<TAB>sexes<TAB>poem<TAB>sentence<TAB>offsets: the sexes the name may be "
             "given to, its best source\n"
             "# (poem number and sentence of poems.tsv, counted from 0) and where in that "
             "sentence its characters stand.\n"]
    for n in names:
        offsets = ",".join(str(o) for o in n.offsets)
        parts.append(f"{n.name}\t{n.sexes}\t{n.poem}\t{n.sentence}\t{offsets}\n")
    return "".join(parts)



def read_poems(path):
    """Poems in file order; raises ValueError naming the line at fault."""
    poems = []
    for number, line in pools_files.data_lines(path):
        where = f"{path}:{number}"
        if "\t" in line:
            fields = line.split("\t")
            if len(fields) != 5 or not fields[0].isdigit() or not fields[3]:
                raise ValueError(f"{where}: expected 'poem<TAB>work<TAB>section<TAB>title<TAB>"
                                 f"author', got {line!r}")
            poems.append(Poem(int(fields[0]), fields[1], _unfield(fields[2]), fields[3],
                              _unfield(fields[4]), []))
        elif not poems:
            raise ValueError(f"{where}: a sentence before the first poem's heading")
        else:
            poems[-1].sentences.append(line)
    return poems


def read_names(path):
    names = []
    for number, line in pools_files.data_lines(path):
        fields = line.split("\t")
        try:
            if len(fields) != 5:
                raise ValueError
            offsets = tuple(int(o) for o in fields[4].split(","))
            names.append(Name(fields[0], fields[1], int(fields[2]), int(fields[3]), offsets))
        except ValueError:
            raise ValueError(f"{path}:{number}: expected 'name<TAB>sexes<TAB>poem<TAB>sentence"
                             f"<TAB>offsets', got {line!r}") from None
    return names
