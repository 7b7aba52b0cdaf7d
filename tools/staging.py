"""Writes a generator's files into a fresh folder first, then moves them to where they belong,
replacing no file that is already there unless asked: a tool run by mistake loses nothing."""
import contextlib
import io
import os
import shutil
import sys
import tempfile


@contextlib.contextmanager
def staged(tool, destination, force):
    """Yields a fresh folder for the generator to write into; afterwards moves what it wrote to
    `destination`, keeping the same relative paths. Exits with code 1, having moved nothing, when
    one of those files exists and `force` is false. The generator's own printing is dropped: one
    line per file moved is printed instead."""
    with tempfile.TemporaryDirectory(prefix=tool + "-") as stage:
        with contextlib.redirect_stdout(io.StringIO()):
            yield stage
        written = sorted(os.path.relpath(os.path.join(folder, name), stage)
                         for folder, _, names in os.walk(stage) for name in names)
        existing = [f for f in written if os.path.lexists(os.path.join(destination, f))]
        if existing and not force:
            print("%s: %d of its files already exist in %s (%s%s); nothing was written. "
                  "Use --force to replace them." % (tool, len(existing), destination,
                                                     ", ".join(existing[:3]),
                                                     ", ..." if len(existing) > 3 else ""))
            sys.exit(1)
        for f in written:
            target = os.path.join(destination, f)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.move(os.path.join(stage, f), target)
            print("wrote", target)
