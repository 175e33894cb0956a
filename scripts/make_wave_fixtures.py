#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the WAV files the cue tests read, in tests/platform/waves: one of each layout a
chime may come in, named NAME-CHANNELSch-RATEhz-FRAMESf.wav after what it holds, and files
that must play nothing, named refused-*.wav. A maintainer's tool: run it only to add or change
a case, then commit the files. Usage: scripts/make_wave_fixtures.py"""

import math
import pathlib
import struct

PCM, FLOAT, EXTENSIBLE = 1, 3, 0xFFFE
# The GUID of integer PCM samples in an extensible file's format chunk.
PCM_GUID = bytes.fromhex("0100000000001000800000aa00389b71")


def samples(bits, tag, channels, frames):
    """A quiet 440 Hz tone, the same on every channel."""
    out = bytearray()
    for frame in range(frames):
        value = 0.25 * math.sin(2 * math.pi * 440 * frame / 8000)
        for _ in range(channels):
            if tag == FLOAT:
                out += struct.pack("<f", value)
            elif bits == 8:
                out += struct.pack("<B", 128 + round(value * 127))
            else:
                out += round(value * (2 ** (bits - 1) - 1)).to_bytes(bits // 8, "little", signed=True)
    return bytes(out)


def wave(bits, channels, rate, frames, tag=PCM, extensible=False):
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", EXTENSIBLE if extensible else tag, channels, rate,
                      rate * block, block, bits)
    if extensible:
        fmt += struct.pack("<HHI", 22, bits, (1 << channels) - 1) + PCM_GUID
    data = samples(bits, tag, channels, frames)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "tests/platform/waves"
    folder.mkdir(exist_ok=True)
    cue = wave(16, 1, 8000, 100)
    files = {
        "u8-1ch-8000hz-100f.wav": wave(8, 1, 8000, 100),
        # Bytes after the RIFF chunk are not the sound's.
        "s16-2ch-44100hz-90f-tail.wav": wave(16, 2, 44100, 90) + b"tail",
        "s24-1ch-1000hz-80f.wav": wave(24, 1, 1000, 80),
        "float-2ch-384000hz-70f.wav": wave(32, 2, 384000, 70, tag=FLOAT),
        "extensible-s32-1ch-22050hz-60f.wav": wave(32, 1, 22050, 60, extensible=True),
        "refused-3ch.wav": wave(16, 3, 44100, 100),
        "refused-999hz.wav": wave(16, 1, 999, 100),
        "refused-384001hz.wav": wave(16, 1, 384001, 100),
        "refused-no-samples.wav": wave(16, 1, 44100, 0),
        "refused-empty.wav": b"",
        "refused-text.wav": b"ding dong\n",
        "refused-short.wav": cue[:-1],
        "refused-huge-riff.wav": cue[:4] + struct.pack("<I", 0xFFFFFFF0) + cue[8:],
        "refused-beyond-data.wav": cue[:40] + struct.pack("<I", 0x7FFFFFF0) + cue[44:],
        # A sound libsndfile decodes, but not a WAV: Sun's format, 16-bit samples at 8000 Hz.
        "refused-au.wav": bytes.fromhex("2e736e6400000018000007d00000000300001f4000000001")
        + bytes(2000),
    }
    for name, content in files.items():
        (folder / name).write_bytes(content)
        print(folder / name)


if __name__ == "__main__":
    main()
