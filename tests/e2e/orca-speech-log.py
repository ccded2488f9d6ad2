#!/usr/bin/python3
"""Runs Debian's orca screen reader with each utterance it speaks written, as it speaks it, to a file.

  orca-speech-log.py FILE [ORCA OPTIONS...]

Orca logs every utterance as "SPEECH OUTPUT: '...'" before it hands it to speech-dispatcher: Orca 43 on its "speech"
logger, later versions (Debian 13's 48) through its debug module only, followed by the voice. Its --debug-file gets
the same lines but holds them in a buffer, so a reader of it would wait for text already spoken. Each one is
written through at once here, as "TIME SPEECH OUTPUT: 'TEXT'".
"""
import logging
import runpy
import sys

if len(sys.argv) < 2:
    sys.exit(__doc__)
handler = logging.FileHandler(sys.argv[1], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(created).3f %(message)s"))
logging.getLogger("speech").addHandler(handler)

sys.path.insert(0, "/usr/lib/python3/dist-packages")
from orca import debug  # noqa: E402

PREFIX = "SPEECH OUTPUT: '"
print_message = getattr(debug, "print_message", None)
if print_message:
    record = logging.getLogger("redizado.speech")
    record.addHandler(handler)
    record.propagate = False
    record.setLevel(logging.INFO)

    def heard(level, text, timestamp=False, stack=False):
        if isinstance(text, str) and text.startswith(PREFIX):
            # The voice follows the closing quote: "SPEECH OUTPUT: 'Text' {...}" or "... 'Text' ACSS(...)".
            said = text[len(PREFIX):]
            end = said.rfind("' ")
            said = said[:end] if end >= 0 else said.rstrip("'")
            record.info(PREFIX + said + "'")
        return print_message(level, text, timestamp, stack)

    debug.print_message = heard

sys.argv = ["orca", *sys.argv[2:]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
