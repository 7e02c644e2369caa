"""Writing a generator's committed files, or checking that they are what it would write.

Used by the generators whose outputs are whole texts held in memory: a check run compares byte
for byte and names every file that differs, so a reproduction test says what to regenerate.
"""

import os


def write_or_check(files, out, check, script):
    """Writes {name: text} into the folder out, or with check compares them; the exit code."""
    stale = []
    if not check:
        os.makedirs(out, exist_ok=True)
    for name, text in files.items():
        path = os.path.join(out, name)
        if check:
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    if f.read() == text:
                        continue
            except FileNotFoundError:
                pass
            stale.append(name)
        else:
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(text)
    for name in stale:
        print(f"{name} differs from what the sources give; run tools/{script}")
    return 1 if stale else 0
