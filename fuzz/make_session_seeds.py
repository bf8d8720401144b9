#!/usr/bin/env python3
"""Writes the seed inputs of the session fuzzer into the given folder.

The input format is the one SessionFuzzer.cpp reads, front to back:
  record patches: count % 16, then per patch: section (word), length (byte), offset (long),
                  bytes
  counts:         channels, alarm inputs, alarm outputs (a byte each: b % 24 - 4, or far
                  outside the model from 0xF0 up)
  protocol list:  flag byte (bit 0), length (word, below 300), characters
  failures:       count % 4, then per failure: function (word), times (byte % 4 - 1),
                  scribble (byte; below 0x80 none)
  entry:          byte: language in bits 0-1, user profile in bits 2-3, bit 7 the rights entry
  steps:          while a message box is open a byte answers it; otherwise an action byte
                  (below 40 a tree node chosen by the next word, 0xFF closes the window,
                  else by its value modulo 8: click, pick, type, address, date, clock tick,
                  cancel a sub-dialog) and its arguments.
"""
import os
import struct
import sys


def word(n):
    return struct.pack('<H', n)


def count(n):
    return bytes([(n + 4) % 24])


def header(channels=8, inputs=4, outputs=2, entry=2, failures=b'\0', protocol=b'\0', patches=b'\0'):
    return patches + count(channels) + count(inputs) + count(outputs) + protocol + failures + bytes([entry])


def tour(clicks=6):
    """Every tree node, and a few clicks, picks and typing on each page."""
    steps = b''
    for node in range(40):
        steps += bytes([0]) + word(node)
        for k in range(clicks):
            steps += bytes([40 + 8 * k]) + word(k)           # click
            steps += bytes([2]) + bytes([1])                  # answer a box, should one be open
            steps += bytes([42 + 8 * k]) + word(k) + word(k + 1)  # pick
            steps += bytes([43]) + word(k) + word(5) + b'\x01\x02\x03\x04\x05' + b'\x00'  # type
    return steps + b'\xff'


def main(folder):
    os.makedirs(folder, exist_ok=True)
    all_gets_fail = b'\x03' + b''.join(word(2 * i) + bytes([0, 0x5A]) for i in range(3))
    seeds = {
        'tour-english': header() + tour(),
        'tour-chinese-16-channels': header(channels=16, inputs=16, outputs=4, entry=0) + tour(),
        'tour-portuguese-guest': header(entry=0x80 | (3 << 2) | 3) + tour(),
        'no-channels': header(channels=0, inputs=0, outputs=0) + tour(3),
        'failing-gets': header(failures=all_gets_fail) + tour(3),
        'counts-beyond-model': header(channels=40, inputs=-3, outputs=9) + tour(3),
        'broken-protocol-list': header(protocol=b'\x01' + word(12) + b'a=1|b=x|c' + b'\0' * 3) + tour(3),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'corpus', 'session'))
