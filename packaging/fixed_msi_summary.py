#!/usr/bin/env python3
"""Makes an installer built by wixl the same to the byte for every build of one commit.

wixl (msitools 0.101) gives every package a random package code and writes the build's
time as its creation and last-save times, in the package's summary information; it
has no option for either. Everything else it writes follows from its input. This sets
the three in place, without changing the length or place of anything:
the package code to the one given, both times to SOURCE_DATE_EPOCH.

    fixed_msi_summary.py PACKAGE.msi PACKAGE-CODE SOURCE_DATE_EPOCH BUILD_START_EPOCH

BUILD_START_EPOCH (a time shortly before wixl ran) tells the times to replace from
any other bytes: only a time stamp between it and now is taken for one.
"""
import re
import struct
import subprocess
import sys
import time

FILETIME_EPOCH = 11644473600  # seconds from 1601-01-01 to 1970-01-01
VT_FILETIME = struct.pack("<I", 0x40)


def stamp(seconds):
    return (seconds + FILETIME_EPOCH) * 10_000_000


def filetime(seconds):
    return struct.pack("<Q", stamp(seconds))


def main(path, package_code, epoch, build_start):
    summary = subprocess.run(["msiinfo", "suminfo", path], check=True, capture_output=True,
                             text=True).stdout
    old_code = re.search(r"Revision number \(UUID\): (\{[0-9A-F-]{36}\})", summary).group(1)
    new_code = "{" + package_code.upper() + "}"
    data = bytearray(open(path, "rb").read())

    at = [m.start() for m in re.finditer(re.escape(old_code.encode()), data)]
    if len(at) != 1:
        sys.exit(f"{path}: the package code {old_code} is there {len(at)} times, not once")
    data[at[0]:at[0] + len(new_code)] = new_code.encode()

    low, high = stamp(build_start - 1), stamp(int(time.time()) + 1)
    times = [m.start() + 4 for m in re.finditer(re.escape(VT_FILETIME), data)
             if low <= struct.unpack_from("<Q", data, m.start() + 4)[0] <= high]
    if len(times) != 2:
        sys.exit(f"{path}: {len(times)} build times found in the summary, not 2")
    for offset in times:
        data[offset:offset + 8] = filetime(epoch)
    open(path, "wb").write(data)

    summary = subprocess.run(["msiinfo", "suminfo", path], check=True, capture_output=True,
                             text=True).stdout
    if new_code not in summary:
        sys.exit(f"{path}: the package code did not change")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
