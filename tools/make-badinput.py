#!/usr/bin/env python3
"""Writes the bad-input corpus tests/badinput/: damaged DDS images, level files and INI files,
with tests/badinput/expected.txt saying what the game must make of each (unit_badinput checks it).

Run it after changing a case here and check in what it writes:  tools/make-badinput.py
Python 3 standard library only. Saved games are damaged in the test itself, from one good file.
"""
import os
import shutil
import struct
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'badinput')

MANIFEST_HEAD = """\
# What the game makes of each damaged file: one check per line, "file outcome".
# Written by tools/make-badinput.py; checked by unit_badinput through the game's own readers.
#
# dds/    rejected | loaded <width>x<height> levels=<levels per face> faces=<faces>
# level/  loaded|failed <width>x<height> runs=<runs>       (failed: the trailer was not found)
# ini/    <int|bool|string|length> <section> <key> <expected>
#         "-" is an empty section name or text; "missing" means the key is not found, so the read
#         gives whatever default it is asked for.
"""

checks = []


def write(folder, name, data, *outcomes):
    os.makedirs(os.path.join(ROOT, folder), exist_ok=True)
    if isinstance(data, str):
        data = data.encode('utf-8')
    with open(os.path.join(ROOT, folder, name), 'wb') as out:
        out.write(data)
    for outcome in outcomes:
        checks.append('%s/%s %s' % (folder, name, outcome))


# ---- DDS ------------------------------------------------------------------------------------

DDPF_FOURCC, DDPF_RGB, DDPF_RGBA = 0x4, 0x40, 0x41
CAPS2_CUBEMAP, CAPS2_VOLUME = 0xFE00, 0x200000


def dds_header(width, height, mips=0, flags=DDPF_RGBA, fourcc=b'\0\0\0\0', bits=32, caps2=0,
               depth=0, magic=b'DDS '):
    header = bytearray(124)
    struct.pack_into('<7I', header, 0, 124, 0x1007 | (0x20000 if mips else 0), height, width, 0,
                     depth, mips)
    struct.pack_into('<2I4sI', header, 72, 32, flags, fourcc, bits)
    struct.pack_into('<2I', header, 104, 0x1000, caps2)
    return magic + bytes(header)


def level_bytes(width, height, block=0, components=4):
    if block:
        return ((width + 3) // 4) * ((height + 3) // 4) * block
    return width * height * components


def chain_bytes(width, height, levels, block=0, components=4):
    """Bytes of each level of a chain, each side halved and floored at 1."""
    sizes = []
    for _ in range(levels):
        sizes.append(level_bytes(width, height, block, components))
        width, height = max(width // 2, 1), max(height // 2, 1)
    return sizes


def pattern(size, seed=1):
    """Recognisable pixel bytes: never zero, so zero padding shows."""
    return bytes((seed + i * 7) % 255 + 1 for i in range(size))


def loaded(width, height, levels=1, faces=1):
    return 'loaded %dx%d levels=%d faces=%d' % (width, height, levels, faces)


def make_dds():
    good = dds_header(4, 4)  # 4x4 BGRA, one level: 64 bytes of pixels
    write('dds', 'length_0.dds', b'', 'rejected')
    write('dds', 'length_3.dds', good[:3], 'rejected')
    write('dds', 'length_4.dds', good[:4], 'rejected')
    write('dds', 'length_127.dds', good[:127], 'rejected')
    write('dds', 'header_without_pixels.dds', good, 'rejected')
    write('dds', 'magic_lower_case.dds', dds_header(4, 4, magic=b'dds ') + pattern(64), 'rejected')
    write('dds', 'magic_with_nul.dds', dds_header(4, 4, magic=b'DDS\0') + pattern(64), 'rejected')
    write('dds', 'width_0.dds', dds_header(0, 4) + pattern(64), 'rejected')
    write('dds', 'height_0.dds', dds_header(4, 0) + pattern(64), 'rejected')

    # Compressed sides that are not a multiple of four take whole blocks.
    write('dds', 'dxt1_5x3_mips.dds',
          dds_header(5, 3, mips=3, flags=DDPF_FOURCC, fourcc=b'DXT1') +
          pattern(sum(chain_bytes(5, 3, 3, block=8))), loaded(5, 3, 3))
    write('dds', 'dxt5_5x3.dds', dds_header(5, 3, flags=DDPF_FOURCC, fourcc=b'DXT5') +
          pattern(level_bytes(5, 3, block=16)), loaded(5, 3))

    # Sides no texture can have, whatever data follows.
    for side, name in ((32768, '32768'), (0xFFFFFFFF, 'ffffffff')):
        write('dds', 'side_%s_bgra.dds' % name, dds_header(side, side) + pattern(256), 'rejected')
        write('dds', 'side_%s_dxt1.dds' % name,
              dds_header(side, side, flags=DDPF_FOURCC, fourcc=b'DXT1') + pattern(256), 'rejected')
    write('dds', 'side_16384_dxt5_without_data.dds',
          dds_header(16384, 16384, flags=DDPF_FOURCC, fourcc=b'DXT5') + pattern(256), 'rejected')
    write('dds', 'volume_depth_ffffffff.dds',
          dds_header(2, 2, caps2=CAPS2_VOLUME, depth=0xFFFFFFFF) + pattern(256), 'rejected')

    # Mipmap counts: 0 means one level; past 1 x 1 the count is obeyed up to 32 levels.
    luminance = dict(flags=DDPF_RGB, bits=8)
    write('dds', 'mips_0.dds', dds_header(64, 64, mips=0, **luminance) + pattern(4096),
          loaded(64, 64, 1))
    write('dds', 'mips_16_at_64x64.dds',
          dds_header(64, 64, mips=16, **luminance) +
          pattern(sum(chain_bytes(64, 64, 16, components=1))), loaded(64, 64, 16))
    write('dds', 'mips_ffffffff.dds', dds_header(64, 64, mips=0xFFFFFFFF, **luminance) +
          pattern(4096), loaded(64, 64, 32))

    # Every level of a chain cut one byte short: level 0 cannot be read, later ones fill with 0.
    sizes = chain_bytes(8, 8, 4)
    whole = dds_header(8, 8, mips=4) + pattern(sum(sizes))
    for level in range(len(sizes)):
        end = 128 + sum(sizes[:level + 1]) - 1
        write('dds', 'bgra_8x8_level_%d_cut.dds' % level, whole[:end],
              'rejected' if level == 0 else loaded(8, 8, 4))
    dxt = chain_bytes(8, 8, 4, block=8)
    whole = dds_header(8, 8, mips=4, flags=DDPF_FOURCC, fourcc=b'DXT1') + pattern(sum(dxt))
    for level in range(len(dxt)):
        end = 128 + sum(dxt[:level + 1]) - 1
        write('dds', 'dxt1_8x8_level_%d_cut.dds' % level, whole[:end],
              'rejected' if level == 0 else loaded(8, 8, 4))

    for bits, name in ((0, '0'), (7, '7'), (16, '16'), (0xFFFFFFFF, 'ffffffff')):
        write('dds', 'bits_%s.dds' % name, dds_header(4, 4, flags=DDPF_RGB, bits=bits) + pattern(64),
              'rejected')
    for fourcc in (b'DXT2', b'DXT4', b'ATI2', b'DX10', b'\0\0\0\0'):
        name = fourcc.decode().strip('\0') or 'zero'
        write('dds', 'fourcc_%s.dds' % name,
              dds_header(4, 4, flags=DDPF_FOURCC | DDPF_RGB, fourcc=fourcc) + pattern(64), 'rejected')

    # A cube map cut off inside its fourth face, and one cut off inside its first level.
    face = sum(chain_bytes(4, 4, 3))
    cube = dds_header(4, 4, mips=3, caps2=CAPS2_CUBEMAP) + pattern(6 * face)
    write('dds', 'cubemap_cut_in_face_3.dds', cube[:128 + 3 * face + face // 2], loaded(4, 4, 3, 6))
    write('dds', 'cubemap_cut_in_face_0.dds', cube[:128 + 20], 'rejected')


# ---- levels ---------------------------------------------------------------------------------

HEADER, TRAILER = b'GRD1B\0', b'GRD1E\0'


def records(rows):
    """Cell records of a grid given row by row, in the file's column-by-column order.
    'u' unused, 'p' playable, 'f7' fixed 7, 'a\\d' a clue, 'k9' an undefined kind byte 9."""
    grid = [row.split() for row in rows]
    out = bytearray()
    for x in range(len(grid[0])):
        for row in grid:
            token = row[x]
            if token == 'u':
                out += b'\2'
            elif token == 'p':
                out += b'\1'
            elif token[0] == 'f':
                out += bytes((3, int(token[1:])))
            elif token[0] == 'k':
                out += bytes((int(token[1:]),))
            else:
                across, down = token.split('\\')
                out += bytes((0, int(across), int(down)))
    return bytes(out)


def level(rows, header=HEADER, trailer=TRAILER, width=None, height=None):
    width = len(rows[0].split()) if width is None else width
    height = len(rows) if height is None else height
    return header + bytes((width, height)) + records(rows) + trailer


GOOD = ['u    0\\3 0\\7',
        '4\\0 p    p',
        '6\\0 p    p']   # four playable cells, four runs


def make_levels():
    good = level(GOOD)
    body = good[:-6]
    write('level', 'empty.grd', b'', 'failed 0x0 runs=0')
    write('level', 'good.grd', good, 'loaded 3x3 runs=4')
    for name, header in (('misspelt', b'GRD1C\0'), ('lower_case', b'grd1b\0'),
                         ('nul_inside', b'GRD\0B1'), ('cut', b'GRD1')):
        write('level', 'header_%s.grd' % name, header + good[6:], 'failed 0x0 runs=0')
    write('level', 'header_any_sixth_byte.grd', b'GRD1BX' + good[6:], 'loaded 3x3 runs=4')
    for name, width, height, size in (('width_0', 0, 3, '0x3'), ('height_0', 3, 0, '3x0'),
                                      ('width_255', 255, 3, '0x3'), ('height_255', 3, 255, '3x0'),
                                      ('width_50', 50, 3, '0x3')):
        write('level', '%s.grd' % name, level(GOOD, width=width, height=height),
              'failed %s runs=0' % size)
    write('level', 'largest_49x49.grd', level([' '.join(['u'] * 49)] * 49), 'loaded 49x49 runs=0')
    write('level', 'cut_in_clue_record.grd', body[:8 + 1 + 2], 'failed 3x3 runs=0')
    write('level', 'cut_in_fixed_record.grd',
          level(['u 0\\3', '4\\0 f3'])[:8 + 1 + 3 + 3 + 1], 'failed 2x2 runs=0')
    write('level', 'missing_trailer.grd', body, 'failed 3x3 runs=0')
    write('level', 'trailer_misspelt.grd', body + b'GRD1F\0', 'failed 3x3 runs=0')
    write('level', 'trailer_cut.grd', body + b'GRD1', 'failed 3x3 runs=0')
    write('level', 'bytes_after_trailer.grd', good + b'GRD1E\0junk' + bytes(range(256)),
          'loaded 3x3 runs=4')
    write('level', 'unknown_kinds.grd',
          level(['k4 0\\3 0\\7', '4\\0 p p', '6\\0 p p', 'k9 k255 k128']), 'loaded 3x4 runs=4')
    # Sums and digits beyond anything a valid level holds still give a board.
    write('level', 'sums_and_digits_out_of_range.grd',
          level(['u     0\\255 0\\0', '255\\0 f0    p', '0\\0   p     f200']), 'loaded 3x3 runs=2')
    write('level', 'clue_at_the_edges.grd', level(['p 5\\0', '0\\6 u']), 'loaded 2x2 runs=2')


# ---- INI ------------------------------------------------------------------------------------

SETTINGS = '[System]\r\nWidth=1024\r\nHeight=768\r\n[GameSettings]\r\nViewStyle=2\r\nName=Caf\u00e9\r\n'
SETTINGS_CHECKS = ('int System Width 1024', 'int System Height 768', 'int GameSettings ViewStyle 2',
                   'string GameSettings Name Caf\u00e9')


def make_ini():
    write('ini', 'bom_utf8.ini', b'\xef\xbb\xbf' + SETTINGS.encode('utf-8'), *SETTINGS_CHECKS)
    write('ini', 'bom_utf16le.ini', b'\xff\xfe' + SETTINGS.encode('utf-16-le'), *SETTINGS_CHECKS)
    write('ini', 'bom_utf16be.ini', b'\xfe\xff' + SETTINGS.encode('utf-16-be'), *SETTINGS_CHECKS)
    write('ini', 'utf16le_without_bom.ini', SETTINGS.encode('utf-16-le'),
          'int System Width missing')
    write('ini', 'only_a_bom.ini', b'\xef\xbb\xbf', 'int System Width missing')
    write('ini', 'empty.ini', b'', 'int System Width missing')
    write('ini', 'latin1_text.ini', b'[S]\r\nName=Caf\xe9\r\nk=5\r\n', 'int S k 5')

    lines = ['[S]', 'a=1', 'b=2', '[T]', 'c=3']
    lines_checks = ('int S a 1', 'int S b 2', 'int T c 3', 'int S c missing')
    for name, ending in (('cr', '\r'), ('lf', '\n'), ('crlf', '\r\n')):
        write('ini', 'endings_%s.ini' % name, ending.join(lines) + ending, *lines_checks)
    write('ini', 'endings_mixed.ini', '[S]\ra=1\r\nb=2\n[T]\n\rc=3\r', *lines_checks)
    write('ini', 'no_final_newline.ini', '\r\n'.join(lines), *lines_checks)

    long_value = 'v' * 10000
    write('ini', 'line_10000_value.ini', '[S]\r\nText=%s\r\nk=5\r\n' % long_value,
          'length S Text 99', 'int S k 5')
    write('ini', 'line_10000_junk.ini', '[S]\r\n%s\r\nk=5\r\n' % ('x' * 10000), 'int S k 5')
    write('ini', 'line_10000_section_name.ini', '[%s]\r\nk=1\r\n[S]\r\nk=5\r\n' % ('s' * 9998),
          'int S k 5')
    write('ini', 'line_10000_number.ini', '[S]\r\nN=%s\r\nM=-%s\r\n' % ('9' * 10000, '9' * 9997),
          'int S N 2147483647', 'int S M -2147483648')

    write('ini', 'keys_without_equals.ini', '[S]\r\nWidth\r\nHeight 5\r\nDepth=7\r\n',
          'int S Width missing', 'int S Height missing', 'int S Depth 7')
    write('ini', 'duplicate_keys.ini', '[S]\r\nk=1\r\nK=2\r\nk=3\r\n', 'int S k 1')
    write('ini', 'duplicate_sections.ini', '[S]\r\na=1\r\n[T]\r\nb=2\r\n[s]\r\na=3\r\nc=4\r\n',
          'int S a 1', 'int T b 2', 'int S c missing')
    write('ini', 'key_before_any_section.ini', 'Width=640\r\n[System]\r\nHeight=480\r\n',
          'int System Width missing', 'int System Height 480', 'int - Width 640')
    write('ini', 'embedded_nul.ini', b'[S]\r\na=1\0junk\r\nb=2\0\r\n[\0T]\r\nc=3\r\n[T]\r\nd=4\r\n',
          'int S a 1', 'int S b 2', 'int T d 4')
    write('ini', 'numbers.ini',
          '[N]\r\nA=12abc\r\nB=0x10\r\nC=99999999999\r\nD=-99999999999\r\nE=  42  \r\n'
          'F=+7\r\nG=\r\nH=abc\r\nI=2147483647\r\nJ=-2147483648\r\nK=2147483648\r\n',
          'int N A 12', 'int N B 0', 'int N C 2147483647', 'int N D -2147483648', 'int N E 42',
          'int N F 7', 'int N G 0', 'int N H 0', 'int N I 2147483647', 'int N J -2147483648',
          'int N K 2147483647', 'bool N G true', 'bool N B false', 'bool N H true',
          'bool N Z missing', 'string N E 42', 'string N G -')


def main():
    if len(sys.argv) > 1:
        sys.exit(__doc__)
    for folder in ('dds', 'level', 'ini'):
        shutil.rmtree(os.path.join(ROOT, folder), ignore_errors=True)
    make_dds()
    make_levels()
    make_ini()
    with open(os.path.join(ROOT, 'expected.txt'), 'w', encoding='utf-8', newline='\n') as out:
        out.write(MANIFEST_HEAD)
        for check in checks:
            out.write(check + '\n')
    print('%d checks on %d files in %s' % (len(checks), len({c.split()[0] for c in checks}),
                                           os.path.normpath(ROOT)))


if __name__ == '__main__':
    main()
