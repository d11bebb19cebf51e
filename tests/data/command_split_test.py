#!/usr/bin/env python3
"""The command split checker on small tables: what it accepts, and every fault it reports."""
import os
import tempfile
import unittest

import command_split

HEADER = "title\tmeaning\tsample\tcommand\tkeyword\tsource"

# A small consistent table and index: each case below changes one thing.
ROWS = [
    "D\tdescription\tDSPOBJD\t1\t0\tcmd:DSPOBJD",
    "DSP\tdisplay\tDSPOBJD\t1\t0\tcmd:DSPOBJD",
    "E\tentry\tADDLIBLE\t1\t0\tcmd:ADDLIBLE",
    "ADD\tadd\tADDLIBLE\t1\t0\tcmd:ADDLIBLE",
    "LIB\tlibrary\tADDLIBLE\t1\t1\tcmd:ADDLIBLE+kw:CRTLIB/LIB",
    "CRT\tcreate\tCRTLIB\t1\t0\tcmd:CRTLIB",
    "L\tlist\tADDLIBLE\t1\t0\tcmd:ADDLIBLE",
    "OBJ\tobject\tDSPOBJD\t1\t1\tcmd:DSPOBJD+kw:CRTLIB/OBJ",
    "ALW\tallow\tALWOBJDIF\t0\t1\tnotes",
]
COMMANDS = [
    ("ADDLIBLE", "Add Library List Entries"),
    ("CRTLIB", "Create Library"),
    ("DSPOBJD", "Display Object Description"),
]


def run(rows=ROWS, commands=COMMANDS, exceptions=()):
    """The problems the checker reports for the given tables."""
    with tempfile.TemporaryDirectory() as folder:
        paths = [os.path.join(folder, name) for name in ("a.tsv", "c.tsv", "x.tsv")]
        tables = (
            [HEADER, *rows],
            ["command\tdescriptive name", *("\t".join(c) for c in commands)],
            ["command\tunspelled\treason", *exceptions],
        )
        for path, lines in zip(paths, tables):
            with open(path, "w", encoding="utf-8") as table:
                table.write("\n".join(lines) + "\n")
        return command_split.check(*command_split.load(*paths))


def replaced(title, row):
    return [row if r.split("\t")[0] == title else r for r in ROWS]


class SplitTest(unittest.TestCase):
    def test_consistent_tables_have_no_problems(self):
        self.assertEqual(run(), [])

    def test_words_of_a_name_match_their_inflected_forms(self):
        cases = [  # meaning word, name word, same
            ("entry", "Entries", True),
            ("change", "Changed", True),
            ("printing", "Printer", True),
            ("asynchronous", "Async", True),
            ("database", "Data", True),
            ("migrate", "Migration", True),
            ("address", "Add", False),
            ("active", "Action", False),
            ("document", "Documentation", True),
            ("object", "Obj", False),
        ]
        for meant, named, same in cases:
            with self.subTest(meant=meant, named=named):
                self.assertEqual(command_split.same_word(meant, named.lower()), same)

    def test_a_meaning_that_the_name_does_not_spell_out_is_reported(self):
        problems = run(rows=replaced("OBJ", "OBJ\tobligation\tDSPOBJD\t1\t1\tcmd:DSPOBJD+kw:CRTLIB/OBJ"))
        self.assertIn("DSPOBJD (Display Object Description) does not split into abbreviations "
                      "of the table", problems)

    def test_the_name_may_keep_the_abbreviation_or_its_initials_in_brackets(self):
        rows = ROWS + ["BRM\tBackup Recovery and Media Services (BRMS)\tSAVBRM\t1\t0\tcmd:SAVBRM",
                       "SAV\tsave\tSAVBRM\t1\t0\tcmd:SAVBRM",
                       "CICS\tCustomer Information Control System\tDSPCICS\t1\t0\tcmd:DSPCICS"]
        commands = COMMANDS + [("SAVBRM", "Save Object using BRMS"), ("DSPCICS", "Display CICS")]
        self.assertEqual(run(rows=rows, commands=commands), [])

    def test_one_of_several_meanings_is_enough(self):
        self.assertEqual(run(rows=replaced("D", "D\tdata, description\tDSPOBJD\t1\t0\tcmd:DSPOBJD")), [])

    def test_flags_must_agree_with_the_splits(self):
        unused = ROWS + ["RST\trestore\tRSTLIB\t1\t0\tcmd:RSTLIB"]
        self.assertIn("line 11: RST is flagged as occurring in command names, but no command "
                      "of the index splits with it", run(rows=unused))
        keyword_only = replaced("CRT", "CRT\tcreate\tCRTAUT\t0\t1\tnotes")
        self.assertIn("CRTLIB (Create Library) splits only with CRT, which the table does not "
                      "flag as occurring in command names", run(rows=keyword_only))
        neither = replaced("ALW", "ALW\tallow\tALWOBJDIF\t0\t0\tnotes")
        self.assertIn("line 10: ALW is flagged neither as a command nor as a keyword "
                      "abbreviation", run(rows=neither))

    def test_samples_and_sources_must_show_the_abbreviation(self):
        cases = [
            ("DSP\tdisplay\tCRTLIB\t1\t0\tcmd:DSPOBJD",
             "line 3: DSP: the sample CRTLIB is not a command whose split uses it"),
            ("DSP\tdisplay\tDSPOBJD\t1\t0\tcmd:CRTLIB",
             "line 3: DSP: the source cites CRTLIB, whose split does not use it"),
            ("DSP\tdisplay\tDSPOBJD\t1\t0\tmanual",
             "line 3: DSP: the source 'manual' is not made of notes, cmd:COMMAND and "
             "kw:COMMAND/KEYWORD joined by +"),
            ("ALW\tallow\tOBJDIF\t0\t1\tnotes",
             "line 10: ALW: the sample keyword OBJDIF does not contain it"),
            ("ALW\tallow\tALWOBJDIF\t0\t1\tkw:RSTOBJ/ALWOBJDIF",
             "line 10: ALW: the source kw:RSTOBJ/ALWOBJDIF is not a keyword that contains it, "
             "of a command of the index"),
            ("ALW\tallow\tALWOBJDIF\t0\t1\tkw:CRTLIB/LIB",
             "line 10: ALW: the source kw:CRTLIB/LIB is not a keyword that contains it, of a "
             "command of the index"),
            ("ALW\tallow\tALWOBJDIF\t0\t1\tcmd:CRTLIB",
             "line 10: ALW is flagged as a keyword abbreviation, but its source cites neither "
             "a keyword nor IBM's tables"),
        ]
        for row, problem in cases:
            with self.subTest(row=row):
                self.assertIn(problem, run(rows=replaced(row.split("\t")[0], row)))

    def test_a_title_given_twice_or_empty_is_reported(self):
        problems = run(rows=ROWS + ["ADD\tadd\tADDLIBLE\t1\t0\tcmd:ADDLIBLE",
                                    "\tnothing\tADDLIBLE\t1\t0\tcmd:ADDLIBLE"])
        self.assertIn("line 11: ADD was already given on line 5", problems)
        self.assertIn("line 12: the title is empty", problems)


class ExceptionTest(unittest.TestCase):
    COMMANDS = COMMANDS + [("ADDLIBLEX", "Add Library List Entries"), ("IF", "If")]

    def test_only_the_parts_an_exception_names_skip_the_meaning_check(self):
        rows = ROWS + ["X\textended\tADDLIBLEX\t1\t0\tcmd:ADDLIBLEX"]
        excused = run(rows=rows, commands=self.COMMANDS,
                      exceptions=["ADDLIBLEX\tX\tThe name leaves out extended.", "IF\t-\tA word."])
        self.assertEqual(excused, [])
        wrong_part = run(rows=rows, commands=self.COMMANDS,
                         exceptions=["ADDLIBLEX\tE\tWrong part.", "IF\t-\tA word."])
        self.assertIn("ADDLIBLEX (Add Library List Entries) does not split even with the "
                      "exception on line 2", wrong_part)

    def test_a_pattern_covers_every_command_it_matches(self):
        rows = ROWS + ["X\textended\tADDLIBLEX\t1\t0\tcmd:ADDLIBLEX"]
        self.assertEqual(run(rows=rows, commands=self.COMMANDS,
                             exceptions=["*LEX\tX\tNames leave out extended.", "I?\t-\tA word."]),
                         [])

    def test_stale_and_unknown_exceptions_are_reported(self):
        problems = run(exceptions=["CRTLIB\t-\tNot needed.", "NOSUCH\t-\tNo command.",
                                   "DSPOBJD\tZZ\tNot in the table."])
        self.assertIn("the exception on line 2 (CRTLIB) covers no command that needs it", problems)
        self.assertIn("the exception on line 3 (NOSUCH) covers no command that needs it", problems)
        self.assertIn("the exception on line 4 names ZZ, which is not in the table", problems)


if __name__ == "__main__":
    unittest.main()
