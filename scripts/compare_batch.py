#!/usr/bin/env python3
"""Runs two velt-batch programs on the same generated settings files and
compares everything they produce: standard output, standard error, the output
file and the exit status. Used to show that a change of the code's structure
changes no behaviour.

Usage: scripts/compare_batch.py BASELINE CANDIDATE [--count N] [--seed S] [--keep DIR]

BASELINE and CANDIDATE are velt-batch executables, each with its data files
beside it (a build's bin/ folder). The settings files cover every display
format, both orders, the four ignore modes, the three sources, filter words,
word rules, words-to-ignore files with patterns, file patterns and exclusions,
and output to file on and off. Exit status 0 when every run agrees.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

WORDS = ("the cat sat on the mat and the dog ran after the cat while the bird sang "
         "in the old oak tree near the river bank where children play every summer "
         "day long before the rain comes down").split()


def make_text(rng, sentences):
    """English-like text whose phrases repeat, with the characters the word
    rules care about."""
    extras = ["well-known", "don't", "snake_case", "re:port", "back\\slash", "and/or",
              "(aside)", "a.b.c", "1,000", "me@example.org", "42", "AT&T", "\"quoted words\"",
              "end.", "comma,", "tab\there"]
    lines = []
    for _ in range(sentences):
        start = rng.randrange(len(WORDS) - 8)
        words = WORDS[start:start + rng.randint(3, 8)]
        if rng.random() < 0.4:
            words.insert(rng.randrange(len(words) + 1), rng.choice(extras))
        if rng.random() < 0.3:
            words[0] = words[0].capitalize()
        lines.append(" ".join(words) + rng.choice([".", ",", "", "!", ";"]))
    return "\r\n".join(lines) + "\r\n"


def make_corpus(rng, base):
    corpus = os.path.join(base, "corpus")
    os.makedirs(os.path.join(corpus, "sub", "deeper"))
    files = {}

    def write(rel, data, mode="w", encoding="utf-8"):
        path = os.path.join(corpus, rel)
        if mode == "w":
            with open(path, "w", encoding=encoding, newline="") as f:
                f.write(data)
        else:
            with open(path, "wb") as f:
                f.write(data)
        files[rel] = path
        return path

    write("plain.txt", make_text(rng, 300))
    write("lf_only.txt", make_text(rng, 120).replace("\r\n", "\n"))
    write("notes.htm", "<!DOCTYPE html><html><head><title>x</title>"
          "<meta charset=\"UTF-8\"></head><body>\r\n" +
          "\r\n".join("<p>the caf&eacute; &amp; the bar&nbsp;near the river bank</p>"
                      "<!-- a comment --><script>var x = 1;</script>" for _ in range(40)) +
          "\r\n</body></html>\r\n")
    write("prog.c", "/* the cat sat */\r\nint main() { // the dog ran\r\n"
          "  return 0; /* on the mat */ }\r\n" * 30)
    write("sub/french.txt", ("Le café crème brûlée est très bon. Œuvre complète, été à Noël.\n" * 25))
    write("sub/legacy.txt", ("Grüße aus Köln und München, Größe für Straße.\r\n" * 25)
          .encode("cp1252"), mode="wb")
    write("sub/deeper/more.txt", make_text(rng, 80))
    shutil.copy(os.path.join(ROOT, "tests", "data", "sample.docx"),
                os.path.join(corpus, "sub", "doc.docx"))
    files["sub/doc.docx"] = os.path.join(corpus, "sub", "doc.docx")
    write("skip.png", b"\x89PNG\r\n\x1a\n" + bytes(range(256)) * 4, mode="wb")

    lists = os.path.join(base, "lists")
    os.makedirs(lists)
    with open(os.path.join(lists, "plain_words.txt"), "w", newline="") as f:
        f.write("the\r\nand\r\non\r\nin\r\n// a comment line\r\nwhere\r\n")
    with open(os.path.join(lists, "patterns.txt"), "w", newline="") as f:
        f.write("th~\r\n?at\r\n<^ri.*>\r\nbird+sang\r\nc~t\r\n")
    word_files = [os.path.join(lists, "plain_words.txt"), os.path.join(lists, "patterns.txt"),
                  os.path.join(lists, "missing.txt")]
    return corpus, files, word_files


def settings_records(s):
    """The records of a settings file in their order, as text lines."""
    def text(v):
        return '"' + v + '"'

    def flag(v):
        return "1" if v else "0"

    out = [text(s["folder"]), text(s["extra"]), text(s["input"]), text(s["patterns"]),
           text(s["output"]), text(s["exclusions"]), str(s["short_size"]), str(s["long_size"]),
           flag(s["ignore_short"]), flag(s["ignore_repetitions"]), flag(s["extract_docx"]),
           flag(s["ignore_no_letter"]), flag(s["case"])]
    out += [flag(v) for v in s["allow"]]  # 12 word-character boxes
    out += [flag(s["warn_overwrite"]), "0", flag(s["disable_output"]), flag(s["subfolders"]),
            str(s["order"]), str(s["format"]), flag(s["seven_bit"])]
    out.append(str(len(s["word_files"])))
    out += [text(p) for p in s["word_files"]]
    out.append(str(s["word_file_index"]))
    out.append(str(s["source"]))
    out += [flag(v) for v in s["terminate"]]  # end of line, period, quote, tab, comma
    out += [str(s["min_len"]), str(s["max_len"]), str(s["min_freq"]), flag(s["terminate"][3]),
            flag(s["pattern_matching"]), flag(s["relative"]), flag(s["by_files"]),
            str(s["language"]), text(s["filter"]), str(s["filter_mode"])]
    out += ["-1" if s["ignore_mode"] == k else "0" for k in (1, 2, 3, 4)]
    return "\r\n".join(out) + "\r\n"


def random_settings(rng, corpus, files, word_files, output):
    source = rng.choices([0, 1, 2], weights=[2, 5, 3])[0]
    single = rng.choice(sorted(k for k in files if not k.endswith(".png")))
    min_len = rng.randint(0, 4)
    s = {
        "folder": corpus if source == 2 else "",
        "extra": rng.choice(["", "", "", "the", "ibid the cat", "c~ <^d.g$>", "river+bank"]),
        "input": files[single] if source == 1 else "",
        "patterns": rng.choice(["", "", "*.txt", "*.txt *.htm", "p*", "*.txt;"])
        if source == 2 else "",
        "output": output if rng.random() < 0.6 else "",
        "exclusions": rng.choice(["", "", "deeper", "legacy"]) if source == 2 else "",
        "short_size": rng.randint(0, 4),
        "long_size": rng.randint(0, 6),
        "ignore_short": rng.random() < 0.5,
        "ignore_repetitions": rng.random() < 0.5,
        "extract_docx": False,
        "ignore_no_letter": rng.random() < 0.5,
        "case": rng.random() < 0.3,
        "allow": [rng.random() < 0.4 for _ in range(12)],
        "warn_overwrite": rng.random() < 0.2,
        "disable_output": rng.random() < 0.15,
        "subfolders": rng.random() < 0.6,
        "order": rng.randint(0, 1),
        "format": rng.randint(0, 12),
        "seven_bit": rng.random() < 0.2,
        "word_files": [],
        "word_file_index": -1,
        "source": source,
        "terminate": [rng.random() < 0.5 for _ in range(5)],
        "min_len": min_len,
        "max_len": rng.choice([min_len, min_len + 1, min_len + 1, min_len + 3, 23,
                              max(0, min_len - 1)]),
        "min_freq": rng.choice([0, 1, 1, 2, 4]),
        "pattern_matching": rng.random() < 0.5,
        "relative": rng.random() < 0.3,
        "by_files": rng.random() < 0.3,
        "language": 7,
        "filter": rng.choice(["", "", "", "the", "cat sat", "river"]),
        "filter_mode": rng.randint(0, 2),
        "ignore_mode": rng.randint(1, 4),
    }
    if rng.random() < 0.45:
        s["word_files"] = rng.sample(word_files, rng.randint(1, len(word_files)))
        # Mostly a file that exists; now and then the missing one.
        present = [k for k, p in enumerate(s["word_files"]) if not p.endswith("missing.txt")]
        s["word_file_index"] = (rng.choice(present) if present and rng.random() < 0.85
                                else rng.randrange(len(s["word_files"])))
    return s


def run(program, settings_file, stdin_text, tmpdir, output):
    if os.path.exists(output):
        os.remove(output)
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LC_ALL": "C", "TMPDIR": tmpdir}
    result = subprocess.run([program, settings_file], input=stdin_text, capture_output=True,
                            env=env, timeout=120)
    written = None
    if os.path.exists(output):
        with open(output, "rb") as f:
            written = f.read()
    return result.returncode, result.stdout, result.stderr, written


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("baseline")
    parser.add_argument("candidate")
    parser.add_argument("--count", type=int, default=320)
    parser.add_argument("--seed", type=int, default=13)
    parser.add_argument("--keep", help="folder to keep the cases in (default: a temporary one)")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    base = args.keep or tempfile.mkdtemp(prefix="velt-compare-")
    os.makedirs(base, exist_ok=True)
    corpus, files, word_files = make_corpus(rng, base)
    tmpdir = os.path.join(base, "tmp")
    os.makedirs(tmpdir)
    output = os.path.join(base, "report.txt")
    clipboard = make_text(rng, 60).encode("utf-8")

    differences = 0
    exits = {}
    for case in range(args.count):
        s = random_settings(rng, corpus, files, word_files, output)
        settings_file = os.path.join(base, "case%03d.velt" % case)
        with open(settings_file, "w", encoding="utf-8", newline="") as f:
            f.write(settings_records(s))
        stdin_text = clipboard if s["source"] == 0 else b""
        first = run(args.baseline, settings_file, stdin_text, tmpdir, output)
        second = run(args.candidate, settings_file, stdin_text, tmpdir, output)
        exits[first[0]] = exits.get(first[0], 0) + 1
        if first != second:
            differences += 1
            names = ("exit status", "standard output", "standard error", "output file")
            what = [n for n, a, b in zip(names, first, second) if a != b]
            print("case%03d differs in %s (%s)" % (case, ", ".join(what), settings_file))
    print("%d cases, %d differ; exit statuses of the baseline: %s" %
          (args.count, differences, dict(sorted(exits.items()))))
    if not args.keep:
        shutil.rmtree(base)
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
