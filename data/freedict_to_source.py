#!/usr/bin/env python3
"""Converts Debian's FreeDict French-English and English-French dictd databases
into an Orvanto dictionary source (the builder's text format).

    python3 data/freedict_to_source.py [--dictd DIR] OUT

Reads DIR/freedict-fra-eng.{index,dict.dz|dict} and DIR/freedict-eng-fra.*
(DIR is /usr/share/dictd by default) and writes OUT: one line per pair,
"French = English" followed by LF, in Windows-1252.

FreeDict entry layout (dictd text, UTF-8):

    maison /mɛzɔ̃/ <n, fem>          headword, pronunciation, part of speech
    house                             translations, comma-separated, or
    1. abasement                      numbered senses, one per line
          "Il faut faire"             indented lines: examples (dropped)

Each translation gives one pair. fra-eng gives "headword [pos] = translation";
eng-fra gives "translation [pos] = headword", where the French translation
takes the part of speech that fra-eng gives for that exact French headword
when fra-eng gives it exactly one, so that both directions name the same
French entry. Pronunciations, examples and cross-references are dropped;
domain labels such as [cul] become parenthesised words (cooking), which the
keyword extraction skips. A pair is dropped when a side cannot be written in
Windows-1252, is empty or longer than 255 bytes, or when its French
side holds '='; a pair whose two sides equal an earlier pair's under the
builder's folding (case, accents, white space) adds nothing and is dropped too.
Pairs come out in the order met: fra-eng in index order, then eng-fra; so the
output is the same bytes on every run.
"""

import argparse
import gzip
import os
import re
import sys
import time

DEFAULT_DICTD = "/usr/share/dictd"

# The builder takes a part of up to 499 bytes, but an index record holds a
# keyword's start and end in 8 bits: in a longer text a keyword
# past byte 255 is recorded at a wrapped offset, which misleads the binary
# search of its whole letter block. So a text keeps within 255 bytes (the
# longest FreeDict translation is under 80).
MAX_TEXT_BYTES = 255

# FreeDict's <pos, gender> tags and the bracketed notes they become.
POS_NOTES = {
    ("n", "masc"): "[n.m.]",
    ("n", "fem"): "[n.f.]",
    ("n",): "[n.]",
    ("v",): "[v.]",
    ("vt",): "[v.t.]",
    ("vi",): "[v.i.]",
    ("adj",): "[adj.]",
    ("adv",): "[adv.]",
    ("prep",): "[prep.]",
    ("pron",): "[pron.]",
    ("conj",): "[conj.]",
    ("int",): "[interj.]",
    ("art",): "[art.]",
    ("num",): "[num.]",
}

# Domain labels that FreeDict writes in brackets.
DOMAIN_LABELS = {
    "cul": "cooking",
    "cine": "cinema",
    "geol": "geology",
    "med": "medicine",
    "mus": "music",
}

# Typographic characters outside Windows-1252 (or better as ASCII here).
TRANSLITERATION = str.maketrans({
    "\u2018": "'", "\u2019": "'", "\u02bc": "'", "\u02c8": "'", "\u2032": "'",
    "\u201c": '"', "\u201d": '"', "\u201e": '"', "\u2033": '"',
    "\u2010": "-", "\u2011": "-", "\u2012": "-", "\u2013": "-", "\u2014": "-",
    "\u2015": "-", "\u2212": "-",
    "\u2026": "...",
    "\u00a0": " ", "\u2002": " ", "\u2003": " ", "\u2009": " ", "\u202f": " ",
})

HEAD_LINE = re.compile(r"^(?P<hw>.+?)(?:\s+/(?P<pron>[^/]*)/)?(?:\s+<(?P<pos>[^>]*)>)?\s*$")
SENSE_NUMBER = re.compile(r"^\d+\.\s*")
BRACKETED = re.compile(r"\[([^\[\]]*)\]")
CONTROL = re.compile(r"[\x00-\x1f\x7f]")
SPACES = re.compile(r"\s+")

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def decode_b64_number(text):
    """A dictd index number: base 64, most significant digit first."""
    value = 0
    for ch in text:
        value = value * 64 + B64.index(ch)
    return value


# The dictionary's fold over Windows-1252 bytes: accent removed, then lower case.
def _fold_table():
    table = bytearray(range(256))
    strip = {0x8A: "S", 0x8C: "O", 0x9A: "s", 0x9C: "o", 0x9F: "Y", 0xC7: "C",
             0xD1: "N", 0xDD: "Y", 0xE7: "c", 0xF1: "n", 0xFD: "y", 0xFF: "y"}
    for lo, hi, ch in ((0xC0, 0xC6, "A"), (0xC8, 0xCB, "E"), (0xCC, 0xCF, "I"),
                       (0xD2, 0xD6, "O"), (0xD9, 0xDC, "U"), (0xE0, 0xE6, "a"),
                       (0xE8, 0xEB, "e"), (0xEC, 0xEF, "i"), (0xF2, 0xF6, "o"),
                       (0xF9, 0xFC, "u")):
        for b in range(lo, hi + 1):
            strip[b] = ch
    for b, ch in strip.items():
        table[b] = ord(ch)
    lower = bytearray(range(256))
    for b in range(0x41, 0x5B):
        lower[b] = b + 0x20
    for b in range(0xC0, 0xDF):
        if b != 0xD7:
            lower[b] = b + 0x20
    lower[0x8A], lower[0x8C], lower[0x9F] = 0x9A, 0x9C, 0xFF
    return bytes(lower[table[b]] for b in range(256))


FOLD = _fold_table()


def fold(data):
    """The key under which the builder's TextsEqual sees a (cleaned) text."""
    return data.translate(FOLD)


def text_key(text):
    return fold(text.encode("cp1252", "replace"))


def read_database(dictd, name):
    """Yields the text of each entry of freedict-NAME, in index order."""
    index_path = os.path.join(dictd, "freedict-%s.index" % name)
    data_path = os.path.join(dictd, "freedict-%s.dict.dz" % name)
    if os.path.exists(data_path):
        with gzip.open(data_path, "rb") as f:  # dictzip is gzip with an index
            data = f.read()
    else:
        with open(os.path.join(dictd, "freedict-%s.dict" % name), "rb") as f:
            data = f.read()
    seen = set()
    with open(index_path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3:
                continue
            headword, offset, length = fields[0], fields[1], fields[2]
            if headword.startswith("00database") or headword.startswith("00-database"):
                continue
            span = (decode_b64_number(offset), decode_b64_number(length))
            if span in seen:
                continue
            seen.add(span)
            yield data[span[0]:span[0] + span[1]].decode("utf-8", "replace")


def clean(text):
    """Makes a headword or translation one tidy line of plain text."""
    text = text.translate(TRANSLITERATION)
    text = CONTROL.sub(" ", text)

    def label(match):
        inner = match.group(1).strip()
        inner = DOMAIN_LABELS.get(inner, inner)
        return "(%s)" % inner if inner else ""

    text = BRACKETED.sub(label, text)
    text = text.replace("[", "").replace("]", "")  # strays, e.g. "repasser]"
    return SPACES.sub(" ", text).strip()


def split_translations(sense):
    """Splits a sense at the commas that stand outside parentheses."""
    parts, depth, current = [], 0, []
    for ch in sense:
        if ch == "(":
            depth += 1
        elif ch == ")" and depth > 0:
            depth -= 1
        if ch == "," and depth == 0:
            parts.append("".join(current))
            current = []
        else:
            current.append(ch)
    parts.append("".join(current))
    return [p for p in (clean(p) for p in parts) if p]


def pos_note(tag):
    if not tag:
        return None
    key = tuple(t.strip() for t in tag.split(",") if t.strip())
    return POS_NOTES.get(key) or POS_NOTES.get(key[:1])


def parse_entry(text):
    """Gives (headword, pos note or None, [translations]) or None."""
    lines = text.split("\n")
    while lines and not lines[0].strip():
        lines.pop(0)
    if not lines:
        return None
    head = HEAD_LINE.match(lines[0].strip())
    if not head:
        return None
    headword = clean(head.group("hw"))
    note = pos_note(head.group("pos"))
    translations = []
    for line in lines[1:]:
        if not line.strip() or line[0].isspace():
            continue  # blank lines; indented examples and their renderings
        translations.extend(split_translations(SENSE_NUMBER.sub("", line.strip())))
    return headword, note, translations


def with_note(text, note):
    return "%s %s" % (text, note) if note else text


def encode_part(text, french):
    """The Windows-1252 bytes of one side, or None when it cannot be written."""
    try:
        data = text.encode("cp1252")
    except UnicodeEncodeError:
        return None
    if not data or len(data) > MAX_TEXT_BYTES or b"\x1a" in data:
        return None
    if french and b"=" in data:
        return None
    return data


def convert(dictd):
    """Gives (lines, stats): the source lines as bytes, and counts."""
    fra_eng = [e for e in map(parse_entry, read_database(dictd, "fra-eng")) if e]
    eng_fra = [e for e in map(parse_entry, read_database(dictd, "eng-fra")) if e]

    # The notes fra-eng gives each French headword (None: an entry without one).
    notes_of = {}
    for headword, note, _ in fra_eng:
        notes_of.setdefault(headword, []).append(note)

    def inferred_note(french):
        notes = notes_of.get(french, [])
        return notes[0] if notes and all(n == notes[0] for n in notes) else None

    candidates = []  # (french, english), in the order met
    duplicates = 0
    plain_fra_eng = set()  # folded (French without its note, English)
    for headword, note, translations in fra_eng:
        for english in translations:
            candidates.append((with_note(headword, note), english))
            plain_fra_eng.add((text_key(headword), text_key(english)))
    for headword, note, translations in eng_fra:
        english = with_note(headword, note)
        for french in translations:
            if (text_key(french), text_key(english)) in plain_fra_eng:
                duplicates += 1  # fra-eng holds this pair already, with its note
                continue
            candidates.append((with_note(french, inferred_note(french)), english))

    lines, seen = [], set()
    stats = {"pairs": len(candidates) + duplicates, "unwritable": 0, "duplicates": duplicates}
    for french, english in candidates:
        fr, en = encode_part(french, True), encode_part(english, False)
        if fr is None or en is None:
            stats["unwritable"] += 1
            continue
        key = (fold(fr), fold(en))
        if key in seen:
            stats["duplicates"] += 1
            continue
        seen.add(key)
        lines.append(fr + b" = " + en + b"\n")
    stats["lines"] = len(lines)
    return lines, stats


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--dictd", default=DEFAULT_DICTD,
                        help="folder of the dictd files (default %(default)s)")
    parser.add_argument("out", help="the source file to write")
    args = parser.parse_args(argv)
    started = time.monotonic()
    try:
        lines, stats = convert(args.dictd)
    except OSError as e:
        print("freedict_to_source: %s" % e, file=sys.stderr)
        return 1
    temporary = args.out + ".tmp"
    with open(temporary, "wb") as f:
        f.writelines(lines)
    os.replace(temporary, args.out)
    print("freedict_to_source: %d lines written to %s (%d pairs read, %d unwritable, "
          "%d duplicates dropped) in %.2f s" % (
              stats["lines"], args.out, stats["pairs"], stats["unwritable"],
              stats["duplicates"], time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
