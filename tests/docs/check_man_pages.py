#!/usr/bin/env python3
"""Checks of the generated manual pages.

  check_man_pages.py render PAGE
      PAGE formats with groff without a single warning.
  check_man_pages.py help PAGE PERUKA_FIT
      PAGE (peruka-fit.1) and `PERUKA_FIT --help` name the same options and
      the same exit statuses.
"""
import os
import re
import subprocess
import sys

# A short option is one letter; "--" alone ends the options.
OPTION = re.compile(r"(?<![\w-])(--[A-Za-z][A-Za-z0-9-]*|-[A-Za-z]|--(?=\s|$))")
TERM_INDENT = " " * 7  # where the man macros put a section's terms
GROFF = os.environ.get("GROFF", "groff")


def run(args):
    return subprocess.run(args, capture_output=True, text=True, encoding="utf-8", timeout=60)


def render(page):
    """The page as plain text: long lines, no hyphenation, no emphasis."""
    done = run([GROFF, "-k", "-man", "-Tutf8", "-rHY=0", "-rLL=250n", "-P-cbou", page])
    if done.returncode != 0:
        sys.exit(f"groff failed on {page}: {done.stderr}")
    return done.stdout.replace("\u2010", "-").replace("\u2212", "-")


def sections(text):
    found, name = {}, None
    for line in text.splitlines():
        if line and not line[0].isspace():
            name = line.strip()
            found[name] = []
        elif name is not None:
            found[name].append(line)
    return found


def terms(lines):
    return [line.strip() for line in lines
            if line.startswith(TERM_INDENT) and not line.startswith(TERM_INDENT + " ")]


def check_render(page):
    done = run([GROFF, "-k", "-ww", "-z", "-man", "-Tutf8", page])
    if done.returncode != 0 or done.stderr:
        sys.exit(f"{page} does not format cleanly (status {done.returncode}):\n{done.stderr}")


def help_lists(peruka_fit):
    done = run([peruka_fit, "--help"])
    if done.returncode != 0:
        sys.exit(f"{peruka_fit} --help exited with {done.returncode}")
    options, statuses, in_statuses = set(), set(), False
    for line in done.stdout.splitlines():
        if line.startswith("Exit status:"):
            in_statuses = True
        elif in_statuses:
            match = re.match(r"\s+(\d+)\s{2,}", line)
            if match:
                statuses.add(match.group(1))
        elif re.match(r"\s{2,6}-", line):
            names = re.split(r"\s{2,}", line.strip())[0]
            options.update(OPTION.findall(names))
    if not options or not statuses:
        sys.exit(f"no options or no exit statuses found in {peruka_fit} --help")
    return options, statuses


def check_help(page, peruka_fit):
    help_options, help_statuses = help_lists(peruka_fit)
    text = render(page)
    parts = sections(text)
    page_terms = set()
    for term in terms(parts.get("OPTIONS", [])):
        page_terms.update(OPTION.findall(term))
    page_options = set(OPTION.findall(text))
    page_statuses = {t for t in terms(parts.get("EXIT STATUS", [])) if t.isdigit()}
    problems = []
    if help_options - page_terms:
        problems.append(f"listed by --help, not in OPTIONS: {sorted(help_options - page_terms)}")
    if page_options - help_options:
        problems.append(f"in the page, not listed by --help: {sorted(page_options - help_options)}")
    if help_statuses != page_statuses:
        problems.append(f"exit statuses differ: --help {sorted(help_statuses, key=int)}, "
                        f"EXIT STATUS {sorted(page_statuses, key=int)}")
    if problems:
        sys.exit(f"{page} and --help disagree:\n  " + "\n  ".join(problems))


def main(argv):
    if len(argv) == 3 and argv[1] == "render":
        check_render(argv[2])
    elif len(argv) == 4 and argv[1] == "help":
        check_help(argv[2], argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
