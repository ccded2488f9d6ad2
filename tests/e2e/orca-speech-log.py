#!/usr/bin/python3
"""Runs Debian's orca screen reader with each utterance it speaks written, as it speaks it, to a file.

  orca-speech-log.py FILE [ORCA OPTIONS...]

Orca logs every utterance as "SPEECH OUTPUT: '...'" on its "speech" logger before it hands it to
speech-dispatcher; its --debug-file gets the same lines but holds them in a buffer, so a reader of it would wait
for text already spoken. A handler on that logger writes each one through at once.
"""
import logging
import runpy
import sys

if len(sys.argv) < 2:
    sys.exit(__doc__)
handler = logging.FileHandler(sys.argv[1], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(created).3f %(message)s"))
logging.getLogger("speech").addHandler(handler)
sys.argv = ["orca", *sys.argv[2:]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
