#!/usr/bin/env python3
"""Writes the generated test inputs: damaged level files with what the game must make of each
(tests/badinput/level/ and tests/badinput/expected.txt, played by unit_badinput), and the seeds of
the DDS fuzz target (tests/fuzz/corpus/dds/: a valid image of every format and kind, and damaged
ones), which fuzz.replay_dds runs.

Run it after changing a case here and check in what it writes:  tools/make-badinput.py
Python 3 standard library only. The seeds of the other fuzz targets are kept by hand; saved games
are damaged in the test itself, from one good file.
"""
import os
import shutil
import struct
import sys

TESTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests')
DDS, LEVEL = 'fuzz/corpus/dds', 'badinput/level'

MANIFEST_HEAD = """\
# What the game makes of each damaged level file: "file loaded|failed <width>x<height> runs=<runs>"
# (failed: the trailer was not found). Written by tools/make-badinput.py; checked by unit_badinput.
"""

checks = []


def write(folder, name, data, outcome=None):
    os.makedirs(os.path.join(TESTS, folder), exist_ok=True)
    with open(os.path.join(TESTS, folder, name), 'wb') as out:
        out.write(data.encode('utf-8') if isinstance(data, str) else data)
    if outcome:
        checks.append('level/%s %s' % (name, outcome))


# ---- DDS ------------------------------------------------------------------------------------

DDPF_FOURCC, DDPF_RGB, DDPF_RGBA, DDPF_LUMINANCE = 0x4, 0x40, 0x41, 0x20000
CUBEMAP, ALL_FACES, VOLUME = 0x200, 0xFE00, 0x200000


def dds_header(width, height, mips=0, flags=DDPF_RGBA, fourcc=b'\0\0\0\0', bits=32, caps2=0,
               depth=0, magic=b'DDS '):
    header = bytearray(124)
    struct.pack_into('<7I', header, 0, 124, 0x1007 | (0x20000 if mips else 0), height, width, 0,
                     depth, mips)
    struct.pack_into('<2I4sI', header, 72, 32, flags, fourcc, bits)
    struct.pack_into('<2I', header, 104, 0x1000, caps2)
    return magic + bytes(header)


def chain(width, height, levels, block=0, components=4, depth=1):
    """Bytes of each level of a chain, each side halved and floored at 1."""
    sizes = []
    for _ in range(max(levels, 1)):
        if block:
            sizes.append(((width + 3) // 4) * ((height + 3) // 4) * block * depth)
        else:
            sizes.append(width * height * components * depth)
        width, height, depth = max(width // 2, 1), max(height // 2, 1), max(depth // 2, 1)
    return sizes


def pattern(size, seed=1):
    """Recognisable pixel bytes: never zero, so zero padding shows."""
    return bytes((seed + i * 7) % 255 + 1 for i in range(size))


def image(width, height, mips=0, faces=1, depth=0, block=0, components=4, **header):
    """Header and every face's chain of pixels."""
    face = sum(chain(width, height, mips, block, components, max(depth, 1)))
    return dds_header(width, height, mips, depth=depth, **header) + \
        b''.join(pattern(face, 37 * i + 1) for i in range(faces))


def number(n):
    return ('%d' if n < 0x10000 else '%x') % n


def make_dds():
    dxt = dict(flags=DDPF_FOURCC, bits=0)
    luminance = dict(flags=DDPF_LUMINANCE, bits=8, components=1)
    # One valid image of every format and kind.
    write(DDS, 'bgra_4x4_mips.dds', image(4, 4, mips=3))
    write(DDS, 'bgrx_2x2.dds', image(2, 2, flags=DDPF_RGB))
    write(DDS, 'bgr_3x2.dds', image(3, 2, flags=DDPF_RGB, bits=24, components=3))
    write(DDS, 'luminance_8x4_mips_past_1x1.dds', image(8, 4, mips=6, **luminance))
    write(DDS, 'dxt1_8x8_mips.dds', image(8, 8, mips=4, fourcc=b'DXT1', block=8, **dxt))
    write(DDS, 'dxt3_4x4.dds', image(4, 4, fourcc=b'DXT3', block=16, **dxt))
    write(DDS, 'dxt5_8x4_mips.dds', image(8, 4, mips=4, fourcc=b'DXT5', block=16, **dxt))
    write(DDS, 'dxt1_5x3_mips.dds', image(5, 3, mips=3, fourcc=b'DXT1', block=8, **dxt))
    write(DDS, 'cubemap_luminance_2x2_mips.dds',
          image(2, 2, mips=2, faces=6, caps2=CUBEMAP | ALL_FACES, **luminance))
    write(DDS, 'volume_bgra_2x2x4_mips.dds', image(2, 2, mips=3, depth=4, caps2=CUBEMAP | VOLUME))
    write(DDS, 'mips_16_at_64x64.dds', image(64, 64, mips=16, **luminance))

    # Cut inside the magic, the header or the pixels.
    good = image(4, 4)
    for length in (0, 3, 4, 127, 128):
        write(DDS, 'length_%d.dds' % length, good[:length])
    whole = image(8, 8, mips=4)
    sizes = chain(8, 8, 4)
    for level in range(4):
        write(DDS, 'bgra_8x8_level_%d_cut.dds' % level, whole[:128 + sum(sizes[:level + 1]) - 1])
    whole = image(8, 8, mips=4, fourcc=b'DXT1', block=8, **dxt)
    sizes = chain(8, 8, 4, block=8)
    for level in range(4):
        write(DDS, 'dxt1_8x8_level_%d_cut.dds' % level, whole[:128 + sum(sizes[:level + 1]) - 1])
    face = sum(chain(4, 4, 3))
    cube = image(4, 4, mips=3, faces=6, caps2=CUBEMAP | ALL_FACES)
    write(DDS, 'cubemap_cut_in_face_3.dds', cube[:128 + 3 * face + face // 2])
    write(DDS, 'cubemap_cut_in_face_0.dds', cube[:128 + 20])

    # Headers no reader may trust.
    write(DDS, 'magic_lower_case.dds', image(4, 4, magic=b'dds '))
    write(DDS, 'magic_with_nul.dds', image(4, 4, magic=b'DDS\0'))
    write(DDS, 'width_0.dds', dds_header(0, 4) + pattern(64))
    write(DDS, 'height_0.dds', dds_header(4, 0) + pattern(64))
    for side in (32768, 0xFFFFFFFF):
        write(DDS, 'side_%s_bgra.dds' % number(side), dds_header(side, side) + pattern(256))
        write(DDS, 'side_%s_dxt1.dds' % number(side), dds_header(side, side, fourcc=b'DXT1', **dxt) + pattern(256))
    write(DDS, 'side_16384_dxt5_without_data.dds',
          dds_header(16384, 16384, fourcc=b'DXT5', **dxt) + pattern(256))
    write(DDS, 'volume_depth_ffffffff.dds', dds_header(2, 2, caps2=VOLUME, depth=0xFFFFFFFF) + pattern(256))
    write(DDS, 'mips_ffffffff.dds', dds_header(64, 64, mips=0xFFFFFFFF, flags=DDPF_RGB, bits=8) + pattern(4096))
    for bits in (0, 7, 16, 0xFFFFFFFF):
        write(DDS, 'bits_%s.dds' % number(bits), dds_header(4, 4, flags=DDPF_RGB, bits=bits) + pattern(64))
    for fourcc in (b'DXT2', b'DXT4', b'ATI2', b'DX10', b'\0\0\0\0'):
        write(DDS, 'fourcc_%s.dds' % (fourcc.decode().strip('\0') or 'zero'),
              dds_header(4, 4, flags=DDPF_FOURCC | DDPF_RGB, fourcc=fourcc) + pattern(64))


# ---- levels ---------------------------------------------------------------------------------

HEADER, TRAILER = b'GRD1B\0', b'GRD1E\0'


def records(rows):
    """Cell records of a grid given row by row, in the file's column-by-column order.
    'u' unused, 'p' playable, 'f7' fixed 7, 'a\\d' a clue, 'k9' an undefined kind byte 9."""
    grid = [row.split() for row in rows]
    out = bytearray()
    for x in range(len(grid[0])):
        for token in (row[x] for row in grid):
            if token in ('u', 'p'):
                out += b'\2' if token == 'u' else b'\1'
            elif token[0] in 'fk':
                out += bytes((3, int(token[1:])) if token[0] == 'f' else (int(token[1:]),))
            else:
                out += bytes([0] + [int(sum_) for sum_ in token.split('\\')])
    return bytes(out)


def level(rows, header=HEADER, width=None, height=None):
    width = len(rows[0].split()) if width is None else width
    height = len(rows) if height is None else height
    return header + bytes((width, height)) + records(rows) + TRAILER


GOOD = ['u    0\\3 0\\7',
        '4\\0 p    p',
        '6\\0 p    p']   # four playable cells, four runs


def make_levels():
    good = level(GOOD)
    body = good[:-6]
    write(LEVEL, 'empty.grd', b'', 'failed 0x0 runs=0')
    write(LEVEL, 'good.grd', good, 'loaded 3x3 runs=4')
    for name, header in (('misspelt', b'GRD1C\0'), ('lower_case', b'grd1b\0'),
                         ('nul_inside', b'GRD\0B1'), ('cut', b'GRD1')):
        write(LEVEL, 'header_%s.grd' % name, header + good[6:], 'failed 0x0 runs=0')
    write(LEVEL, 'header_any_sixth_byte.grd', b'GRD1BX' + good[6:], 'loaded 3x3 runs=4')
    for name, width, height, size in (('width_0', 0, 3, '0x3'), ('height_0', 3, 0, '3x0'),
                                      ('width_255', 255, 3, '0x3'), ('height_255', 3, 255, '3x0'),
                                      ('width_50', 50, 3, '0x3')):
        write(LEVEL, '%s.grd' % name, level(GOOD, width=width, height=height), 'failed %s runs=0' % size)
    write(LEVEL, 'largest_49x49.grd', level([' '.join(['u'] * 49)] * 49), 'loaded 49x49 runs=0')
    write(LEVEL, 'cut_in_clue_record.grd', body[:8 + 1 + 2], 'failed 3x3 runs=0')
    write(LEVEL, 'cut_in_fixed_record.grd', level(['u 0\\3', '4\\0 f3'])[:8 + 1 + 3 + 3 + 1],
          'failed 2x2 runs=0')
    write(LEVEL, 'missing_trailer.grd', body, 'failed 3x3 runs=0')
    write(LEVEL, 'trailer_misspelt.grd', body + b'GRD1F\0', 'failed 3x3 runs=0')
    write(LEVEL, 'trailer_cut.grd', body + b'GRD1', 'failed 3x3 runs=0')
    write(LEVEL, 'bytes_after_trailer.grd', good + b'GRD1E\0junk' + bytes(range(256)), 'loaded 3x3 runs=4')
    write(LEVEL, 'unknown_kinds.grd', level(['k4 0\\3 0\\7', '4\\0 p p', '6\\0 p p', 'k9 k255 k128']),
          'loaded 3x4 runs=4')
    # Sums and digits beyond anything a valid level holds still give a board.
    write(LEVEL, 'sums_and_digits_out_of_range.grd',
          level(['u     0\\255 0\\0', '255\\0 f0    p', '0\\0   p     f200']), 'loaded 3x3 runs=2')
    write(LEVEL, 'clue_at_the_edges.grd', level(['p 5\\0', '0\\6 u']), 'loaded 2x2 runs=2')


def main():
    if len(sys.argv) > 1:
        sys.exit(__doc__)
    shutil.rmtree(os.path.join(TESTS, LEVEL), ignore_errors=True)
    make_dds()
    make_levels()
    with open(os.path.join(TESTS, 'badinput', 'expected.txt'), 'w', encoding='utf-8', newline='\n') as out:
        out.write(MANIFEST_HEAD + ''.join(check + '\n' for check in checks))
    print('wrote the DDS seeds and %d damaged levels with their outcomes' % len(checks))


if __name__ == '__main__':
    main()
