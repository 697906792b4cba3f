#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What each library adds to a linked executable, read from the linker's map
# (GNU ld, -Wl,-Map=...): the bytes of the input sections that made it into
# the image (code, data, unwind tables, imports, resources).
#   tools/exe_parts.sh build/windows/ui/varnel.map
set -eu
# mawk (Debian's awk, always installed) reads "0x..." as a number, as
# POSIX asks; gawk would not without --non-decimal-data.
mawk '
# library(member.obj) -> library; an object of its own -> its folder
function add(file, size,    p, n) {
    if (file == "dll") file = "relocations"
    sub(/\(.*$/, "", file)
    n = split(file, p, "/")
    file = (p[n] ~ /\.(obj|o)$/ && n > 1) ? p[n - 1] "/" : p[n]
    bytes[file] += size; total += size
}
/^Linker script and memory map/ { inmap = 1; next }
!inmap { next }
# Output sections that take room in the file.
/^\.[a-z]/ { keep = ($1 ~ /^\.(text|data|rdata|pdata|xdata|idata|tls|rsrc|reloc|CRT|eh_frame)$/); pending = ""; next }
!keep { next }
# An input section: " .name addr size file", or its name alone on a line
# and the rest on the next.
/^ [^ *]/ {
    if (NF >= 4 && $2 ~ /^0x/ && $3 ~ /^0x/) { add($4, $3 + 0); pending = "" }
    else if (NF == 1) pending = $1
    next
}
pending != "" && $1 ~ /^0x/ && $2 ~ /^0x/ && NF >= 3 && $3 !~ /^(BYTE|SHORT|LONG|QUAD)$/ {
    add($3, $2 + 0); pending = ""
    next
}
END {
    for (k in bytes) printf "%10.0f  %5.1f %%  %s\n", bytes[k], 100 * bytes[k] / total, k | "sort -rn"
    close("sort -rn")
    printf "%10.0f  100.0 %%  in all\n", total
}' "${1:?usage: $0 file.map}"
