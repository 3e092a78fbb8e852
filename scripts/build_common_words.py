#!/usr/bin/env python3
"""Rebuilds the common-words files data/cwds_*.txt from the stop-word lists of
the npm package stopwords-iso (MIT licence).

    cd "$(mktemp -d)" && npm pack stopwords-iso && tar xzf stopwords-iso-*.tgz
    python3 scripts/build_common_words.py package/stopwords-iso.json data

The files are words-to-ignore files: Windows-1252, CR LF line ends, one word
per line after a short "//" comment header. Words that Windows-1252 cannot
encode are dropped, and so are words the program would not read as one word
of a words file (a character other than a letter, apostrophe, hyphen or
period, or no letter at all). Apostrophes, hyphens and periods at either end
are removed first, as the program removes them from every word.
"""

import json
import sys
from pathlib import Path

LANGUAGES = [
    ("en", "English"),
    ("de", "German"),
    ("es", "Spanish"),
    ("pt", "Portuguese"),
    ("it", "Italian"),
    ("fr", "French"),
]
COMBINED_NAME = "cwds_en_de_es_pt_it_fr.txt"
SOURCE = "stopwords-iso 1.1.0 (npm package), MIT licence: see STOPWORDS-LICENSE"


def is_letter(ch):
    """A letter of the program's letter set: the Windows-1252 letters."""
    return ch.isalpha() and len(ch.encode("cp1252", errors="ignore")) == 1


def usable(word):
    try:
        word.encode("cp1252")
    except UnicodeEncodeError:
        return False
    if not any(is_letter(ch) for ch in word):
        return False
    return all(is_letter(ch) or ch in "'-." for ch in word)


def clean(words):
    kept = {w.strip().lower().strip("'-.") for w in words}
    return sorted(w for w in kept if w and usable(w))


def write_words_file(path, title, words):
    lines = [
        "// " + title,
        "// Source: " + SOURCE,
        "// One word per line; lines starting with // are comments.",
    ] + words
    data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    # A byte pair E2 80 would make the file look like UTF-8 to the classifier.
    assert b"\xe2\x80" not in data, path
    path.write_bytes(data)
    print(f"{path.name}: {len(words)} words")


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    lists = json.loads(Path(argv[1]).read_text(encoding="utf-8"))
    out = Path(argv[2])
    combined = set()
    for code, name in LANGUAGES:
        words = clean(lists[code])
        combined.update(words)
        write_words_file(out / f"cwds_{code}.txt", f"Common {name} words to ignore.", words)
    write_words_file(out / COMBINED_NAME,
                     "Common English, German, Spanish, Portuguese, Italian and French words "
                     "to ignore.", sorted(combined))


if __name__ == "__main__":
    main(sys.argv)
