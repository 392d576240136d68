# Writers for the picture, icon, cursor and sound files the game loads (stdlib only).
import struct
import zlib


def _lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    table = {bytes([i]): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    w = b""
    for i in indices:
        wc = w + bytes([i])
        if wc in table:
            w = wc
            continue
        emit(table[w])
        if next_code < 4096:
            table[wc] = next_code
            next_code += 1
            # The decoder widens its codes one step later than the encoder adds them.
            if next_code - 1 == (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {bytes([k]): k for k in range(clear)}
            next_code = end + 1
            code_size = min_code_size + 1
        w = bytes([i])
    if w:
        emit(table[w])
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(width, height, palette, indices):
    """Single-frame, non-interlaced GIF89a with a full 256-entry (8-bit) global colour table."""
    bits = 8
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    head = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    head += b"".join(bytes(c) for c in table)
    image = b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    min_code = max(2, bits)
    data = _lzw(bytes(indices), min_code)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    return head + image + bytes([min_code]) + blocks + b"\x00;"


def _dib_rows(width, height, indices, bpp):
    """Bottom-up rows padded to 4 bytes, for 8 or 1 bits per pixel."""
    stride = ((width * bpp + 31) // 32) * 4
    rows = []
    for y in range(height - 1, -1, -1):
        line = indices[y * width:(y + 1) * width]
        if bpp == 8:
            raw = bytes(line)
        else:
            raw = bytearray((width + 7) // 8)
            for x, v in enumerate(line):
                if v:
                    raw[x >> 3] |= 0x80 >> (x & 7)
            raw = bytes(raw)
        rows.append(raw + b"\x00" * (stride - len(raw)))
    return b"".join(rows)


def _palette_bytes(palette, count):
    table = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in table)


def _info_header(width, height, bpp, image_size, colours_used=0, compression=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, image_size, 2835, 2835, colours_used, 0)


# The longest absolute block written: Wine 8's decoder counts a block's padded length in a byte,
# so that it skips none of a 255-pixel block and decodes the rest of the picture wrongly.
_LONGEST_BLOCK = 254


def _rle8_row(row):
    """One row in the run-length encoding of 8-bit bitmaps (BI_RLE8): runs of one colour as
    (count, index) pairs, and stretches without runs as an absolute block (0, count, indices...,
    padded to a whole word), which takes at least three pixels."""
    out = bytearray()
    x, width = 0, len(row)
    while x < width:
        run = 1
        while x + run < width and run < 255 and row[x + run] == row[x]:
            run += 1
        if run >= 2:
            out += bytes((run, row[x]))
            x += run
            continue
        start = x
        while (x < width and x - start < _LONGEST_BLOCK
               and not (x + 2 < width and row[x] == row[x + 1] == row[x + 2])):
            x += 1
        if x - start < 3:
            for index in row[start:x]:
                out += bytes((1, index))
        else:
            out += bytes((0, x - start)) + bytes(row[start:x]) + (b"\x00" if (x - start) & 1 else b"")
    return out


def rle8(width, height, indices):
    """The pixels in BI_RLE8, bottom-up: each row, an end of line, and an end of bitmap for the last."""
    rows = [_rle8_row(indices[y * width:(y + 1) * width]) for y in range(height - 1, -1, -1)]
    return b"\x00\x00".join(rows) + b"\x00\x01"


def bmp8(width, height, palette, indices):
    """8-bit palette BMP with a BITMAPINFOHEADER, stored bottom-up and run-length encoded (BI_RLE8),
    with the palette's own colours only."""
    pixels, colours = rle8(width, height, indices), _palette_bytes(palette, len(palette))
    offset = 14 + 40 + len(colours)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + _info_header(width, height, 8, len(pixels), len(palette), compression=1) + colours + pixels


def _icon_image(size, palette, indices, opaque):
    """The DIB stored in an .ico entry: 8-bit colour, then the 1-bit AND mask (1 = transparent)."""
    xor = _dib_rows(size, size, indices, 8)
    mask = _dib_rows(size, size, [0 if o else 1 for o in opaque], 1)
    colours = _palette_bytes(palette, 256)
    return _info_header(size, size * 2, 8, len(xor) + len(mask)) + colours + xor + mask


def ico(images):
    """images: list of (size, palette, indices, opaque) with 8-bit colour, or
    (size, rgba) for a 32-bit image stored as PNG, as Windows expects of 256 x 256."""
    blobs = [png(im[0], im[0], im[1]) if len(im) == 2 else _icon_image(*im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, blob in zip(images, blobs):
        size, bpp = image[0], 32 if len(image) == 2 else 8
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def cur(images):
    """Two-colour cursor. images: (size, hotspot, ink, opaque) each, ink[i] 1 for white, 0 for black."""
    blobs = []
    for size, _, ink, opaque in images:
        xor = _dib_rows(size, size, [i if o else 0 for i, o in zip(ink, opaque)], 1)
        mask = _dib_rows(size, size, [0 if o else 1 for o in opaque], 1)
        blobs.append(_info_header(size, size * 2, 1, len(xor) + len(mask))
                     + _palette_bytes([(0, 0, 0), (255, 255, 255)], 2) + xor + mask)
    out = struct.pack("<HHH", 0, 2, len(images))
    offset = 6 + 16 * len(images)
    for (size, hotspot, _, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 2, 0, hotspot[0], hotspot[1], len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def png(width, height, pixels, channels=4):
    """Plain RGBA (or, with channels=3, RGB) PNG without time or text chunks, so equal pictures give
    equal files. pixels: the channel bytes row by row, or a list of (r, g, b, a) tuples."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    if pixels and isinstance(pixels[0], tuple):
        pixels = b"".join(bytes(p) for p in pixels)
    stride = width * channels
    raw = b"".join(b"\x00" + bytes(pixels[y * stride:(y + 1) * stride]) for y in range(height))
    colour_type = 6 if channels == 4 else 2
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
