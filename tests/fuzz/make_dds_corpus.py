#!/usr/bin/env python3
"""Writes the seed corpus of the DDS fuzz target: small valid files, one per format and kind.

Run from anywhere; the files go to corpus/dds next to this script and are rewritten identically.
"""
import os
import struct

DDPF_FOURCC, DDPF_RGB, DDPF_RGB_ALPHA = 0x4, 0x40, 0x41
CUBEMAP, VOLUME = 0x200, 0x200000


def level_bytes(w, h, d, block, components):
    if block:
        return ((w + 3) // 4) * ((h + 3) // 4) * block * d
    return w * h * components * d


def dds(width, height, flags, fourcc=b"\0\0\0\0", bits=0, depth=0, mips=0, caps2=0,
        block=0, components=0):
    header = bytearray(124)
    struct.pack_into("<IIIII", header, 0, 124, 0x1007, height, width, 0)
    struct.pack_into("<II", header, 20, depth, mips)
    struct.pack_into("<II4sI", header, 72, 32, flags, fourcc, bits)
    struct.pack_into("<II", header, 104, 0x1000, caps2)
    faces = 6 if caps2 & CUBEMAP and not (caps2 & VOLUME and depth) else 1
    pixels = bytearray()
    for face in range(faces):
        w, h, d = width, height, max(depth, 1)
        for _ in range(max(mips, 1)):
            n = level_bytes(w, h, d, block, components)
            pixels += bytes((face * 37 + len(pixels) * 13 + i * 7) & 0xFF for i in range(n))
            w, h, d = max(w // 2, 1), max(h // 2, 1), max(d // 2, 1)
    return b"DDS " + bytes(header) + bytes(pixels)


SEEDS = {
    "bgra_4x4_mips.dds": dds(4, 4, DDPF_RGB_ALPHA, bits=32, mips=3, components=4),
    "bgrx_2x2.dds": dds(2, 2, DDPF_RGB, bits=32, components=4),
    "bgr_3x2.dds": dds(3, 2, DDPF_RGB, bits=24, components=3),
    "luminance_8x4_mips_past_1x1.dds": dds(8, 4, 0x20000, bits=8, mips=6, components=1),
    "dxt1_8x8_mips.dds": dds(8, 8, DDPF_FOURCC, b"DXT1", mips=4, block=8),
    "dxt3_4x4.dds": dds(4, 4, DDPF_FOURCC, b"DXT3", block=16),
    "dxt5_8x4_mips.dds": dds(8, 4, DDPF_FOURCC, b"DXT5", mips=4, block=16),
    "cubemap_luminance_2x2_mips.dds": dds(2, 2, 0, bits=8, mips=2, caps2=CUBEMAP, components=1),
    "volume_bgra_2x2x4_mips.dds": dds(2, 2, DDPF_RGB_ALPHA, bits=32, depth=4, mips=3,
                                      caps2=CUBEMAP | VOLUME, components=4),
}

if __name__ == "__main__":
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "dds")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
    print(f"wrote {len(SEEDS)} seeds to {folder}")
