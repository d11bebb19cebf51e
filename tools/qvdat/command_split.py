#!/usr/bin/env python3
"""Checks the abbreviation table against IBM's index of CL commands.

A CL command name is built, left to right, from abbreviations, and its descriptive name
spells them out: DSPOBJD is "Display Object Description", so DSP + OBJ + D. Every command of
the index must split that way into abbreviations of the table whose meanings match words of
the descriptive name, unless it is listed as an exception with the reason it does not. The
table's command flags, samples and sources must agree with those splits.

Usage: command_split.py ABBREVIATIONS.tsv COMMANDS.tsv EXCEPTIONS.tsv [--explain COMMAND...]
Exit status 0 when nothing is wrong, 1 when problems were found, 2 for wrong usage.
"""
import fnmatch
import re
import sys

# Words that carry no meaning of their own; a meaning made only of them ("to", "from") is
# matched word for word instead.
STOP_WORDS = frozenset("a an and the of for to with in on by or from as at into".split())


def words(text):
    """The lower-case words of a text; C++ stays one word."""
    return [w.lower() for w in re.findall(r"[A-Za-z0-9]+(?:\+\+)?", text)]


# Endings that inflect a word without changing what it names: "Printer" and "printing" are
# both print, "Entries" is entry, "Spooled" is spool.
ENDINGS = ("ation", "ment", "ion", "ing", "ers", "er", "ed", "es", "s", "d")


def stem(word):
    """The singular of a plural word, so that 'entries' and 'entry' compare equal."""
    if len(word) > 4 and word.endswith("ies"):
        return word[:-3] + "y"
    for ending in ("sses", "xes", "ches", "shes"):
        if word.endswith(ending):
            return word[:-2]
    if len(word) > 3 and word.endswith("s") and not word.endswith(("ss", "us", "is")):
        return word[:-1]
    return word


def roots(word):
    """A word with each inflection it may carry taken off, and then a final e: "Changed"
    and "change" share chang, "Migration" and "migrate" share migrat."""
    word = stem(word)
    found = {word}
    for ending in ENDINGS:
        if word.endswith(ending) and len(word) - len(ending) >= 4:
            found.add(word[:-len(ending)])
    return found | {w[:-1] for w in found if w.endswith("e") and len(w) > 4}


def same_word(meant, named):
    """Whether a word of a meaning is the word of a descriptive name.

    Names shorten some words ("Async", "Crypto"), so a name word of four letters or more
    that begins the meaning's word counts too.
    """
    a, b = stem(meant), stem(named)
    if a == b or roots(a) & roots(b):
        return True
    return len(b) >= 4 and a.startswith(b)


def name_words(name, titles):
    """The words of a descriptive name that the meanings of a command's parts may use.

    Besides its plain words and their singulars: the halves of a long compound ("Rollback"
    is roll and back), the joined parts of a slashed name ("S/36" is also S36), and the
    meanings of abbreviations the name itself uses ("Local WS" is also local workstation,
    "File Sys." also file system).
    """
    found = set(words(name)) | {stem(w) for w in words(name)}
    for word in list(found):
        if len(word) >= 8:
            found.update(word[:i] for i in range(4, len(word) - 3))
            found.update(word[i:] for i in range(4, len(word) - 3))
    for joined in re.findall(r"[A-Za-z0-9]+(?:/[A-Za-z0-9]+)+", name):
        found.add(joined.replace("/", "").lower())
    for word in words(name):
        if word not in STOP_WORDS:
            found.update(titles.get(word.upper(), ()))
    return found


def meanings(text):
    """The separate meanings of a meaning column: 'attributes, activity, address'."""
    return [part.strip() for part in text.split(",") if part.strip()]


def needed_words(meaning):
    """The word lists any one of which a descriptive name must hold to show a meaning: its
    significant words, and for "Backup Recovery and Media Services (BRMS)" also "BRMS"."""
    needs = []
    for text in (re.sub(r"\([^)]*\)", " ", meaning), *re.findall(r"\(([^)]*)\)", meaning)):
        all_words = words(text)
        significant = [w for w in all_words if w not in STOP_WORDS]
        if all_words:
            needs.append(significant or all_words)
    return needs


class Abbreviation:
    """One row of the abbreviation table, with its meanings as the words a name must hold."""

    def __init__(self, line_number, fields):
        self.line = line_number
        self.title, self.meaning, self.sample = fields[0], fields[1], fields[2]
        self.command = fields[3] == "1"
        self.keyword = fields[4] == "1"
        self.source = fields[5]
        self.needs = [need for meaning in meanings(self.meaning) for need in needed_words(meaning)]
        self.meaning_words = [w for need in self.needs for w in need]

    def matches(self, words_of_name):
        """Whether one of the meanings is spelled out by words of a descriptive name, or the
        name keeps the abbreviation itself ("Add CICS DCT Entry")."""
        if self.title.lower() in words_of_name:
            return True
        return any(all(any(same_word(w, n) for n in words_of_name) for w in need)
                   for need in self.needs)


class SplitException:
    """A command, or a pattern of commands such as *BRM, whose descriptive name leaves out
    the meaning of some parts (or that is not built of abbreviations at all: no parts)."""

    def __init__(self, line_number, fields):
        self.line = line_number
        self.pattern = fields[0]
        self.whole = fields[1] == "-"
        self.unspelled = set() if self.whole else set(fields[1].split())
        self.reason = fields[2]
        self.needed = False

    def covers(self, command):
        return fnmatch.fnmatchcase(command, self.pattern)


def read_table(path, columns):
    """The rows of a tab-separated table after its header line, with their line numbers."""
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, start=1):
            line = line.rstrip("\r\n")
            if number == 1 or not line:
                continue
            fields = line.split("\t")
            if len(fields) != columns:
                raise ValueError(f"{path}:{number}: expected {columns} tab-separated fields, "
                                 f"found {len(fields)}")
            rows.append((number, fields))
    return rows


class Splitter:
    """Splits command names into the abbreviations of the table."""

    def __init__(self, abbreviations):
        self.by_start = {}
        for abbreviation in sorted(abbreviations, key=lambda a: (-len(a.title), a.title)):
            self.by_start.setdefault(abbreviation.title[0], []).append(abbreviation)
        self.titles = {a.title: a.meaning_words for a in abbreviations}

    def splits(self, command, name, unspelled=frozenset()):
        """Every way to split a command name left to right into abbreviations whose meanings
        match its descriptive name (or that are named in unspelled), each as the list of
        abbreviations used."""
        words_of_name = name_words(name, self.titles)
        found = []

        def walk(position, used):
            if position == len(command):
                found.append(list(used))
                return
            for abbreviation in self.by_start.get(command[position], ()):
                if command.startswith(abbreviation.title, position) and (
                        abbreviation.title in unspelled or abbreviation.matches(words_of_name)):
                    used.append(abbreviation)
                    walk(position + len(abbreviation.title), used)
                    used.pop()

        walk(0, [])
        return found


def source_commands(source):
    """The commands that a source column cites ('notes+cmd:ADDACC' cites ADDACC)."""
    return [part[4:] for part in source.split("+") if part.startswith("cmd:")]


def source_keywords(source):
    """The command and keyword pairs a source column cites ('kw:CRTLIB/ASPDEV')."""
    return [tuple(part[3:].split("/", 1)) for part in source.split("+") if part.startswith("kw:")]


def check_command(splitter, command, name, exceptions, used_in, problems):
    found = splitter.splits(command, name)
    flagged = [s for s in found if all(a.command for a in s)]
    covering = [e for e in exceptions if e.covers(command)]
    if not flagged and covering:
        exception = covering[0]
        exception.needed = True
        if exception.whole:
            return
        found = splitter.splits(command, name, exception.unspelled)
        flagged = [s for s in found if all(a.command for a in s)]
        if not flagged:
            problems.append(f"{command} ({name}) does not split even with the exception on "
                            f"line {exception.line}")
    for split in found:
        for abbreviation in split:
            used_in.setdefault(abbreviation.title, set()).add(command)
    if flagged:
        return
    if not found:
        problems.append(f"{command} ({name}) does not split into abbreviations of the table")
    else:
        unflagged = sorted({a.title for a in found[0] if not a.command})
        problems.append(f"{command} ({name}) splits only with " + ", ".join(unflagged) +
                        ", which the table does not flag as occurring in command names")


def check_row(a, commands_using, names, problems):
    where = f"line {a.line}: {a.title}"
    if not a.command and not a.keyword:
        problems.append(f"{where} is flagged neither as a command nor as a keyword abbreviation")
    if a.command and not commands_using:
        problems.append(f"{where} is flagged as occurring in command names, but no command of "
                        "the index splits with it")
    if a.command and a.sample not in commands_using:
        problems.append(f"{where}: the sample {a.sample} is not a command whose split uses it")
    if not a.command and a.title not in a.sample:
        problems.append(f"{where}: the sample keyword {a.sample} does not contain it")
    cited = source_commands(a.source)
    keyword_pairs = source_keywords(a.source)
    known = all(part == "notes" or part.startswith(("cmd:", "kw:")) for part in a.source.split("+"))
    if not known:
        problems.append(f"{where}: the source {a.source!r} is not made of notes, cmd:COMMAND "
                        "and kw:COMMAND/KEYWORD joined by +")
    for command in cited:
        if command not in commands_using:
            problems.append(f"{where}: the source cites {command}, whose split does not use it")
    for pair in keyword_pairs:
        if len(pair) != 2 or pair[0] not in names or a.title not in pair[1]:
            problems.append(f"{where}: the source kw:{'/'.join(pair)} is not a keyword that "
                            "contains it, of a command of the index")
    if a.keyword and not keyword_pairs and "notes" not in a.source.split("+"):
        problems.append(f"{where} is flagged as a keyword abbreviation, but its source cites "
                        "neither a keyword nor IBM's tables")
    if not a.command and a.keyword and keyword_pairs and a.sample not in {k for _, k in keyword_pairs}:
        problems.append(f"{where}: the sample {a.sample} is not the keyword its source cites")


def check(abbreviations, commands, exceptions):
    """The problems found, as lines of text."""
    problems = []
    seen = {}
    for a in abbreviations:
        if not a.title:
            problems.append(f"line {a.line}: the title is empty")
        elif a.title in seen:
            problems.append(f"line {a.line}: {a.title} was already given on line {seen[a.title]}")
        seen.setdefault(a.title, a.line)
    abbreviations = [a for a in abbreviations if a.title]
    splitter = Splitter(abbreviations)
    names = dict(commands)
    used_in = {}  # title -> the commands whose splits use it
    for command, name in commands:
        check_command(splitter, command, name, exceptions, used_in, problems)
    for exception in exceptions:
        if not exception.needed:
            problems.append(f"the exception on line {exception.line} ({exception.pattern}) "
                            "covers no command that needs it")
        for title in sorted(exception.unspelled - set(seen)):
            problems.append(f"the exception on line {exception.line} names {title}, which is "
                            "not in the table")
    for a in abbreviations:
        check_row(a, used_in.get(a.title, set()), names, problems)
    return problems


def load(abbreviations_path, commands_path, exceptions_path):
    abbreviations = [Abbreviation(n, f) for n, f in read_table(abbreviations_path, 6)]
    commands = [(f[0], f[1]) for _, f in read_table(commands_path, 2)]
    exceptions = [SplitException(n, f) for n, f in read_table(exceptions_path, 3)]
    return abbreviations, commands, exceptions


def explain(abbreviations, commands, command):
    """Lines that show how one command splits, for someone mending the table."""
    names = dict(commands)
    if command not in names:
        return [f"{command} is not a command of the index"]
    found = Splitter(abbreviations).splits(command, names[command])
    lines = [f"{command} ({names[command]}): {len(found)} splits"]
    lines += ["  " + " ".join(f"{a.title}={a.meaning}" for a in s) for s in found]
    return lines


def main(argv):
    if len(argv) < 4 or (len(argv) > 4 and argv[4] != "--explain"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        abbreviations, commands, exceptions = load(argv[1], argv[2], argv[3])
    except (OSError, ValueError) as error:
        print(f"command_split: {error}", file=sys.stderr)
        return 1
    if len(argv) > 4:
        for command in argv[5:]:
            print("\n".join(explain(abbreviations, commands, command)))
        return 0
    problems = check(abbreviations, commands, exceptions)
    for problem in problems:
        print(problem)
    print(f"{len(commands)} commands, {len(exceptions)} exceptions, "
          f"{len(abbreviations)} abbreviations: "
          + (f"{len(problems)} problems" if problems else "no problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
