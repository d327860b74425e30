#!/usr/bin/env python3
"""clang-tidy that remembers the files it found clean.

run-clang-tidy calls this in place of clang-tidy. A file is checked again only when its
preprocessed text, the checks that apply to it or clang-tidy itself changed, so that a run after
a small change takes seconds rather than minutes. Findings are never cached.
"""
import hashlib
import json
import os
import shlex
import subprocess
import sys

TIDY = os.environ.get("GALLERION_CLANG_TIDY", "clang-tidy")
CACHE = os.path.join(os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")),
                     "gallerion-tidy")


def passthrough(args):
    os.execvp(TIDY, [TIDY] + args)


def compile_entry(build, source):
    with open(os.path.join(build, "compile_commands.json")) as database:
        for entry in json.load(database):
            path = os.path.join(entry["directory"], entry["file"])
            if os.path.realpath(path) == os.path.realpath(source):
                return entry
    return None


def preprocessed(entry):
    command = entry.get("arguments") or shlex.split(entry["command"])
    kept = []
    skip = False
    for argument in command:
        if skip:
            skip = False
        elif argument in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif argument not in ("-c", "-MD", "-MMD"):
            kept.append(argument)
    result = subprocess.run(kept + ["-E", "-o", "-"], cwd=entry["directory"],
                            capture_output=True, check=False)
    return result.stdout if result.returncode == 0 else None


def key_of(args, source, text):
    digest = hashlib.sha256(text)
    for extra in ([TIDY, "--version"], [TIDY, "--dump-config", source]):
        digest.update(subprocess.run(extra, capture_output=True, check=False).stdout)
    digest.update("\0".join(args).encode())
    return digest.hexdigest()


def main():
    args = sys.argv[1:]
    build = next((a[len("-p="):] for a in args if a.startswith("-p=")), None)
    source = args[-1] if args and not args[-1].startswith("-") else None
    entry = compile_entry(build, source) if build and source else None
    text = preprocessed(entry) if entry else None
    if text is None:
        passthrough(args)
    key = key_of(args, source, text)
    marker = os.path.join(CACHE, key[:2], key)
    if os.path.exists(marker):
        return 0
    result = subprocess.run([TIDY] + args, capture_output=True, text=True, check=False)
    sys.stdout.write(result.stdout)
    sys.stderr.write(result.stderr)
    if result.returncode == 0 and "warning:" not in result.stdout + result.stderr:
        os.makedirs(os.path.dirname(marker), exist_ok=True)
        open(marker, "w").close()
    return result.returncode


if __name__ == "__main__":
    sys.exit(main())
