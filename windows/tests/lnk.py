"""Prints the target, "Start in" folder and icon of a Windows shortcut (.lnk, MS-SHLLINK)."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH = 0x1, 0x2, 0x4, 0x8
HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 0x10, 0x20, 0x40, 0x80


def read(path):
    data = open(path, "rb").read()
    flags, = struct.unpack_from("<I", data, 20)
    icon_index, = struct.unpack_from("<i", data, 56)
    pos = 76
    if flags & HAS_ID_LIST:
        size, = struct.unpack_from("<H", data, pos)
        pos += 2 + size
    target = ""
    if flags & HAS_LINK_INFO:
        size, header, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, pos)
        if info_flags & 1:
            end = data.index(b"\0", pos + base)
            target = data[pos + base:end].decode("mbcs" if sys.platform == "win32" else "latin-1")
            end = data.index(b"\0", pos + suffix)
            target += data[pos + suffix:end].decode("latin-1")
        pos += size
    strings = {}
    for bit, key in ((HAS_NAME, "name"), (HAS_RELATIVE_PATH, "relative"), (HAS_WORKING_DIR, "start-in"),
                     (HAS_ARGUMENTS, "arguments"), (HAS_ICON_LOCATION, "icon")):
        if flags & bit:
            count, = struct.unpack_from("<H", data, pos)
            pos += 2
            if flags & IS_UNICODE:
                # Wine counts the terminating null in, Windows does not.
                strings[key] = data[pos:pos + 2 * count].decode("utf-16-le").rstrip("\0")
                pos += 2 * count
            else:
                strings[key] = data[pos:pos + count].decode("latin-1").rstrip("\0")
                pos += count
    return target, strings, icon_index


target, strings, icon_index = read(sys.argv[1])
print(f"target={target}")
print(f"start-in={strings.get('start-in', '')}")
print(f"icon={strings.get('icon', '')},{icon_index}")
