#!/usr/bin/env python3
"""Writes the fuzzing seed corpora into fuzz/corpus/<harness>/.

Pictures of every depth and header form, the known-bad ones, and (when a built
vorlune-cli is given) projects and skin databases made from them. The
project-to-skin harness starts from the project seeds (corpus/skin_from_project
links to corpus/project_reader). The player harness gets described skins and,
once made, the skin databases.

usage: make_corpus.py [path/to/vorlune-cli]
"""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")


def bmp(bits, width=320, height=320, info_size=40, colors_used=0, compression=0,
        table=None, pixels=None, offset=None, truncate=None):
    entries = colors_used or (1 << bits if bits <= 8 else 0)
    if table is None:
        table = bytes(b for i in range(entries) for b in (i * 37 % 256, i * 91 % 256, i * 13 % 256, 0))
    row = (width * bits + 31) // 32 * 4
    if pixels is None:
        pixels = bytes((x * 7 + y * 3) % 256 for y in range(abs(height)) for x in range(row))
        if bits == 8 and colors_used:
            pixels = bytes(p % colors_used for p in pixels)
    header_end = 14 + info_size + len(table)
    if offset is None:
        offset = header_end
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, bits, compression,
                       len(pixels), 2835, 2835, colors_used, 0)
    info += bytes(info_size - 40)
    body = info + table + bytes(max(0, offset - header_end)) + pixels
    data = b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body
    return data[:truncate] if truncate else data


def write(harness, name, data):
    folder = os.path.join(CORPUS, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def pictures():
    good = {
        "d1.bmp": bmp(1),
        "d2.bmp": bmp(2),
        "d4.bmp": bmp(4),
        "d4_used5.bmp": bmp(4, colors_used=5),
        "d8_full.bmp": bmp(8),
        "d8_214.bmp": bmp(8, colors_used=214),
        "d8_215.bmp": bmp(8, colors_used=215),
        "d8_v5header.bmp": bmp(8, info_size=124, colors_used=100),
        "d24.bmp": bmp(24),
        "d24_gap.bmp": bmp(24, offset=64),
    }
    # Files refused by a header check are cut after the header: the rest
    # would only make the corpus bigger.
    header = 1200
    bad = {
        "short.bmp": b"BM" + bytes(20),
        "not_bm.bmp": b"XX" + bmp(8, truncate=header)[2:],
        "rle8.bmp": bmp(8, compression=1, truncate=header),
        "size.bmp": bmp(8, width=16, height=16),
        "topdown.bmp": bmp(8, height=-320, truncate=header),
        "d16.bmp": bmp(16, truncate=header),
        "d32.bmp": bmp(32, truncate=header),
        "truncated.bmp": bmp(24, truncate=5000),
        "d4_used99.bmp": bmp(4, colors_used=99),
        "d8_kept_bad_pixel.bmp": bmp(8, colors_used=10, pixels=bytes([250]) * 102400),
        "huge_offset.bmp": bmp(24, offset=2000, truncate=2100),
        "table_over_pixels.bmp": bmp(4, table=b"", offset=54),
    }
    for name, data in {**good, **bad}.items():
        write("bmp_import", name, data)
    return good


def texts():
    samples = ["Vorlune", "ﾊﾞｰｼﾞｮﾝ", "再生ボタン", "①②Ⅸ", "Version 0.23", "～∥－"]
    for i, text in enumerate(samples):
        write("cp932", f"utf8_{i}", text.encode("utf-8"))
        write("cp932", f"sjis_{i}", text.encode("cp932"))
    write("cp932", "lone_lead", b"abc\x81")
    write("cp932", "bad_trail", b"\x81\x20\xfd\xff")


def projects_and_skins(cli, good):
    with tempfile.TemporaryDirectory() as tmp:
        def run(*args):
            return subprocess.run([cli, *args], cwd=tmp, capture_output=True).returncode == 0

        # Buttons with one and three states, a meter of each family, the
        # digit displays (whole digit strips) and a title without bitmaps.
        placements = [("Play", 10, 11, "1,2,3"), ("Stop", 60, 11, "4,-1,-1"), ("VolumeBarH", 10, 60, None),
                      ("EqualizerDotV", 10, 100, None), ("LevelBarH", 180, 60, None),
                      ("Time2", 10, 240, None), ("Track3", 180, 240, None),
                      ("TitleSmall", 10, 290, None), ("Replay", 120, 11, None)]
        for index, name in enumerate(("d24.bmp", "d4.bmp", "d8_214.bmp")):
            with open(os.path.join(tmp, name), "wb") as f:
                f.write(good[name])
            hqd = os.path.join(tmp, name + ".hqd")
            if not run("import", name, hqd):
                continue
            with open(hqd, "rb") as f:
                write("project_reader", name[:-4] + "_empty.hqd", f.read())
            for kind, x, y, colors in placements:
                run("place", hqd, kind, str(x), str(y), *(["--colors", colors] if colors else []))
            with open(hqd, "rb") as f:
                write("project_reader", name[:-4] + "_parts.hqd", f.read())
            # One skin is enough: the reader does not look at the background.
            if index > 0:
                continue
            pdb = os.path.join(tmp, "Fuzz.pdb")
            if run("build", hqd, pdb, "--name", "Fuzz", "--author", "Vorlune", "--version", "1",
                   "--time", "1000000000"):
                with open(pdb, "rb") as f:
                    data = f.read()
                write("skin_database_reader", "parts.pdb", data)
                write("skin_database_reader", "cut.pdb", data[:len(data) // 3])
                write("skin_database_reader", "header_only.pdb", data[:78 + 8 * 6])
                # A pixel of the play button's first state changed: it unpacks, but not as
                # a skin this editor made.
                changed = bytearray(data)
                changed[int.from_bytes(data[78 + 8 * 7:78 + 8 * 7 + 4], "big") + 16 + 100] ^= 1
                write("skin_database_reader", "changed.pdb", bytes(changed))
    write("project_reader", "short.hqd", bytes(12))


def player_seed(slots, state, ms, scenario, lines, gif=True):
    """A described skin for the player harness: the nine buttons and the six
    groups (which, x / 2, y / 2, colours + 1), the state, the time, the scenario
    (7 = none) and the title and settings, one a line; first the GIF flag."""
    data = bytes([2 if gif else 0])
    for slot in slots:
        data += bytes(slot)
    data += bytes(state) + struct.pack(">i", ms) + bytes([scenario])
    return data + "\n".join(lines).encode("utf-8")


def player():
    buttons = [(1, 1 + 19 * i, 141, 10, 13, 0) for i in range(9)]
    groups = [(1, 1, 120, 7, 15, 0), (1, 1, 1, 7, 15, 0), (1, 70, 1, 7, 15, 10),
              (1, 70, 25, 15, 0, 0), (1, 70, 45, 15, 0, 0), (1, 1, 85, 16, 0, 0)]
    others = [(choice, x, y, 7, 15, 10) for choice, x, y in
              ((2, 150, 1), (3, 1, 1), (4, 100, 60), (3, 1, 120), (2, 100, 120), (3, 1, 145))]
    playing = [1, 0, 0, 50, 10, 20, 30, 40, 50, 60, 70, 80, 40, 60, 70, 90, 0, 83, 3]
    wild = [9, 31, 1, 255, 255, 0, 101, 200, 7, 0, 0, 0, 255, 17, 5, 3, 255, 255, 200]
    long_title = "真夜中のハーモニクエスト ～ 遠い街の灯りを数えながら ～"
    seeds = {
        "every_group": player_seed(buttons + groups, playing, 2500, 7, ["夜明けのうた", "volume=80", "bogus=1"]),
        "other_forms": player_seed(buttons + others, playing, 4000, 3, [long_title, "peak=100,100"]),
        "nothing": player_seed([(0,) * 6] * 15, playing, 0, 7, [""], gif=False),
        "no_colours": player_seed([(1, 1 + 19 * i, 141, 0, 0, 0) for i in range(9)] + [(1, 1, 85, 0, 0, 0)] * 6,
                                  wild, 1, 7, ["x"], gif=False),
        "wild_state": player_seed(buttons + others, wild, -1234567, 7, ["\xff\xfe bad", "time=99:59", "eq=1,2"]),
        "seek": player_seed(buttons + groups, playing, 7000, 6, [long_title, "transport=rew", "pressed=Replay"]),
    }
    for name, data in seeds.items():
        write("player", name, data)
    # Whole skin databases, when the skins have been made.
    folder = os.path.join(CORPUS, "skin_database_reader")
    for name in ("parts.pdb", "header_only.pdb"):
        if os.path.exists(os.path.join(folder, name)):
            with open(os.path.join(folder, name), "rb") as f:
                write("player", "skin_" + name, b"\x03" + f.read())


def any_pictures():
    """Tiny pictures of every format the general import reads, made with ImageMagick."""
    made = {
        "rgb.png": ["-size", "16x12", "gradient:red-blue"],
        "rgba.png": ["-size", "16x12", "gradient:red-none"],
        "palette.png": ["-size", "16x12", "pattern:checkerboard", "-colors", "4", "PNG8:"],
        "grey16.png": ["-size", "16x12", "gradient:", "-depth", "16"],
        "interlaced.png": ["-size", "16x12", "plasma:", "-interlace", "PNG"],
        "baseline.jpg": ["-size", "16x12", "plasma:", "-quality", "80"],
        "progressive.jpg": ["-size", "16x12", "plasma:", "-interlace", "JPEG"],
        "grey.jpg": ["-size", "16x12", "gradient:", "-colorspace", "Gray"],
        "cmyk.jpg": ["-size", "16x12", "plasma:", "-colorspace", "CMYK"],
        "rotated.jpg": ["-size", "16x12", "plasma:", "-orient", "RightTop"],
        "lossy.webp": ["-size", "16x12", "plasma:", "-quality", "60"],
        "lossless.webp": ["-size", "16x12", "gradient:red-none", "-define", "webp:lossless=true"],
        "static.gif": ["-size", "16x12", "plasma:", "-colors", "16"],
        "transparent.gif": ["-size", "16x12", "gradient:red-none", "-colors", "8"],
        "interlaced.gif": ["-size", "16x12", "plasma:", "-interlace", "GIF"],
        "lzw.tif": ["-size", "16x12", "plasma:", "-compress", "LZW"],
        "grey.tif": ["-size", "16x12", "gradient:", "-colorspace", "Gray"],
        "alpha.tif": ["-size", "16x12", "gradient:red-none"],
        "odd.bmp": ["-size", "17x9", "plasma:", "BMP3:"],
        "bitfields.bmp": ["-size", "16x12", "gradient:red-none", "BMP:"],
    }
    with tempfile.TemporaryDirectory() as tmp:
        for name, args in made.items():
            out = os.path.join(tmp, name)
            # A trailing "FORMAT:" picks the encoder's variant; "rotated" keeps its orientation tag.
            prefix = args.pop() if args[-1].endswith(":") and args[-1][:-1].isupper() else ""
            strip = [] if name.startswith("rotated") else ["-strip"]
            subprocess.run(["convert", "-seed", "3", *args, *strip, prefix + out], check=True)
            with open(out, "rb") as f:
                write("picture_import", name, f.read())
        # An animation: only its first frame is imported.
        out = os.path.join(tmp, "animated.gif")
        subprocess.run(["convert", "-size", "16x12", "xc:red", "xc:blue", "-loop", "0", out], check=True)
        with open(out, "rb") as f:
            write("picture_import", "animated.gif", f.read())


def main():
    good = pictures()
    any_pictures()
    texts()
    if len(sys.argv) > 1:
        projects_and_skins(os.path.abspath(sys.argv[1]), good)
    player()


if __name__ == "__main__":
    main()
