#!/usr/bin/env python3
"""Tests data/freedict_to_source.py on the hand-written dictd fixture in
data/testdata (FreeDict's layout; fra-eng as a plain .dict, eng-fra both plain
and gzip'd as the Debian packages ship it)."""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CONVERTER = os.path.join(HERE, "freedict_to_source.py")
FIXTURE = os.path.join(HERE, "testdata")

EXPECTED = [
    "abattis [n.m.] = felling",
    "abattis [n.m.] = (cooking) giblets",
    "aimant [adj.] = affectionate",
    "aimant [n.m.] = magnet",
    "aujourd'hui [adv.] = today",
    "aujourd'hui [adv.] = nowadays - these days",
    "bien entendu = of course",
    "chat [n.m.] = cat",
    "chat [n.m.] = tomcat",
    "etc. = and so on...",
    "long [adj.] = long",
    "long [adj.] = " + "a" * 255,
    "maison [n.f.] = house",
    "maison [n.f.] = home",
    "maison [n.f.] = (of a business, a firm) house",
    "ours [n.m.] = bear",
    "porte [n.f.] = gate",
    "porter [v.] = carry",
    "porter [v.] = wear",
    "s'insurger [v.] = rebel",
    # from eng-fra: what fra-eng does not hold already
    "malin = airy-fairy",
    "supporter = bear",
    "porte [n.f.] = door",
    "domicile = house",
    "fer = iron",
    "repasser = iron",
    "aimant = loving",
    "affectueux = loving",
    "occasion = occurrence [n.]",
    "matou = tomcat",
]


def convert(dictd, out):
    result = subprocess.run([sys.executable, CONVERTER, "--dictd", dictd, out],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError("converter failed: " + result.stderr)
    with open(out, "rb") as f:
        return f.read()


class FreeDictConverterTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="freedict-test-")
        # The Debian layout: the eng-fra data compressed (dictzip is gzip).
        cls.packed = os.path.join(cls.tmp, "packed")
        os.mkdir(cls.packed)
        for name in os.listdir(FIXTURE):
            src = os.path.join(FIXTURE, name)
            if name == "freedict-eng-fra.dict":
                with open(src, "rb") as f:
                    data = gzip.compress(f.read(), mtime=0)
                with open(os.path.join(cls.packed, name + ".dz"), "wb") as f:
                    f.write(data)
            else:
                shutil.copy(src, cls.packed)
        cls.output = convert(cls.packed, os.path.join(cls.tmp, "a.txt"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def lines(self):
        self.assertTrue(self.output.endswith(b"\n"))
        return self.output[:-1].split(b"\n")

    def test_writes_the_expected_pairs_in_windows_1252(self):
        self.assertEqual(self.output, "".join(l + "\n" for l in EXPECTED).encode("cp1252"))

    def test_notes_the_part_of_speech_after_the_french_headword(self):
        lines = self.lines()
        self.assertIn(b"maison [n.f.] = house", lines)
        self.assertIn(b"aimant [n.m.] = magnet", lines)
        self.assertIn(b"porter [v.] = carry", lines)
        # eng-fra's French translation takes fra-eng's only part of speech...
        self.assertIn(b"porte [n.f.] = door", lines)
        # ...and none when fra-eng gives two (aimant: adjective and noun).
        self.assertIn(b"aimant = loving", lines)

    def test_merges_both_directions_without_duplicates(self):
        lines = self.lines()
        self.assertEqual(len(lines), len(set(lines)))
        self.assertIn(b"domicile = house", lines)  # only in eng-fra
        self.assertNotIn(b"maison = house", lines)  # eng-fra's copy of a fra-eng pair
        self.assertNotIn(b"chat = cat", lines)
        self.assertNotIn(b"chat [n.m.] = CAT", lines)  # equal under folding
        self.assertEqual(lines.count(b"ours [n.m.] = bear"), 1)

    def test_drops_examples_pronunciations_and_index_entries(self):
        text = self.output.decode("cp1252")
        for absent in ("falloir", "Il faut", "You have", "/", "00-database", "fixture"):
            self.assertNotIn(absent, text)

    def test_skips_unencodable_over_long_and_equals_sign_pairs(self):
        lines = self.lines()
        self.assertIn(b"ours [n.m.] = bear", lines)
        self.assertFalse(any(l.startswith(b"a = b") for l in lines))
        self.assertIn(b"long [adj.] = " + b"a" * 255, lines)  # 8-bit keyword spans: at most 255
        self.assertFalse(any(b"bbb" in l for l in lines))  # 256 bytes

    def test_every_line_is_valid_for_the_builder(self):
        for line in self.lines():
            self.assertNotIn(b"\r", line)
            self.assertNotIn(b"\x1a", line)
            french, sep, english = line.partition(b"=")
            self.assertEqual(sep, b"=")
            self.assertTrue(french.endswith(b" ") and english.startswith(b" "))
            self.assertTrue(french.strip() and english.strip())
            self.assertLessEqual(len(french), 499)  # the builder's part limit
            self.assertLessEqual(len(english), 499)
            self.assertLessEqual(len(french.strip()), 255)  # keyword spans in 8 bits
            self.assertLessEqual(len(english.strip()), 255)

    def test_output_is_deterministic_and_reads_plain_or_compressed_data(self):
        again = convert(self.packed, os.path.join(self.tmp, "b.txt"))
        self.assertEqual(again, self.output)
        plain = convert(FIXTURE, os.path.join(self.tmp, "c.txt"))
        self.assertEqual(plain, self.output)


if __name__ == "__main__":
    unittest.main(verbosity=2)
