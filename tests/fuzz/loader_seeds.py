#!/usr/bin/env python3
"""Writes seed inputs for the loader fuzz targets into DIR: pairs whose files
run past two 64000-byte chunks, where the mode decision, the CR LF pairs cut
by chunk ends and the binary comparison of later chunks have something to do.
An input is the left file's length in three bytes, little-endian, then the
left file, then the right file."""
import os
import sys

CHUNK = 64000


def numbered(count, end, word=b"line\t"):
    return b"".join(word + str(n).encode() + end for n in range(1, count + 1))


def crlf_across_chunks():
    text = bytearray()
    for boundary in (CHUNK, 2 * CHUNK, 3 * CHUNK):
        while len(text) < boundary - 80:
            text += b"x" * 50 + b"\r\n"
        text += b"y" * (boundary - 1 - len(text)) + b"\r\n"
    return bytes(text + b"tail")


def overwrite(text, at, what):
    return text[:at] + what + text[at + len(what):]


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    crlf = numbered(14000, b"\r\n")
    lf = numbered(14000, b"\n")
    binary = (numbered(20, b"\n") + b"\0" * (2 * CHUNK + 5000))
    pairs = {
        "crlf-pair": (crlf, overwrite(crlf, 2 * CHUNK + 9, b"CHANGED")),
        "crlf-cut-by-chunk-ends": (crlf_across_chunks(), crlf_across_chunks()),
        "lf-against-crlf": (lf, crlf),
        "lf-from-third-chunk": (crlf[: 2 * CHUNK + 10] + numbered(40, b"\n"), crlf),
        "identical-binary": (binary, binary),
        "binary-differs-in-third-chunk": (binary, overwrite(binary, 2 * CHUNK + 100, b"!")),
        "nul-in-third-chunk": (overwrite(crlf, 2 * CHUNK + 3, b"\0"), crlf),
        "lone-cr-at-chunk-end": (overwrite(crlf, CHUNK - 1, b"\r\r"), crlf),
        "long-line": (b"x" * (2 * CHUNK + 77), b"x" * (2 * CHUNK + 77) + b"\r\n"),
        "crlf-against-a-line": (crlf, b"line\t1\r\n"),
        "lf-against-nothing": (lf, b""),
        "binary-against-a-line": (binary, b"line 1\n"),
        "small": (b"a\r\nb\tc\r\n", b"a\nB\r\n"),
    }
    for name, (left, right) in pairs.items():
        with open(os.path.join(out, name), "wb") as seed:
            seed.write(len(left).to_bytes(3, "little") + left + right)


if __name__ == "__main__":
    main()
