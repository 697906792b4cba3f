#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What each part adds to a linked executable, read from the linker's map
# (GNU ld, -Wl,-Map=...): the bytes of the input sections that made it into
# the image (code, data, unwind tables, imports, resources), by library.
#   tools/exe_parts.sh build/windows/ui/varnel.map
set -eu
map=${1:?usage: $0 file.map}

awk '
function hex(s,    i, v) {
    v = 0
    s = tolower(substr(s, 3))
    for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
    return v
}
function part(file,    base) {
    if (file == "dll") return "relocation table (made by the linker)"
    base = file
    sub(/\(.*$/, "", base)            # library(member.obj) -> library
    if (base ~ /_resources_[0-9]+\//) {
        name = file; sub(/^.*\/qrc_/, "", name); sub(/\.cpp\.obj$/, "", name)
        return "Qt resources: " name
    }
    n = split(base, p, "/"); base = p[n]
    if (base ~ /^libQt6Bundled/) { sub(/^libQt6Bundled/, "", base); sub(/\.a$/, "", base); return "Qt bundled: " base }
    if (base ~ /^libQt6/)        { sub(/^libQt6/, "", base); sub(/\.a$/, "", base); return "Qt " base }
    if (file ~ /\/plugins\//) {
        if (base ~ /_init\.cpp\.obj$/) return "Qt plug-in registration"
        sub(/^libq/, "", base); sub(/\.a$/, "", base)
        return "Qt plug-in: " base
    }
    if (file ~ /(^|\/)(ui|patch)\// || file ~ /varnel/) return "Varnel itself"
    if (base ~ /^lib(stdc\+\+|supc\+\+|gcc|gcc_eh)\.a$/) return "C++ and GCC run-time"
    if (base ~ /^libwinpthread/) return "winpthreads"
    if (base ~ /^(crt|dll)[^\/]*\.o$/ || base ~ /^lib(mingw|mingwex|msvcrt|moldname|mingwthrd)/) return "MinGW-w64 C run-time"
    if (base ~ /^lib.*\.a$/) return "Windows import tables"
    return "other: " base
}
/^Linker script and memory map/ { inmap = 1; next }
!inmap { next }
# Output sections that take room in the file.
/^\.[a-z]/ { keep = ($1 ~ /^\.(text|data|rdata|pdata|xdata|idata|tls|rsrc|reloc|CRT|eh_frame)$/); pending = ""; next }
!keep { next }
# An input section: " .name addr size file", or its name alone on a line
# and the rest on the next.
/^ [^ *]/ {
    if (NF >= 4 && $2 ~ /^0x/ && $3 ~ /^0x/) { bytes[part($4 == "dll" && $5 == "stuff" ? "dll" : $4)] += hex($3); total += hex($3); pending = "" }
    else if (NF == 1) pending = $1
    next
}
pending != "" && $1 ~ /^0x/ && $2 ~ /^0x/ && NF >= 3 && $3 !~ /^(BYTE|SHORT|LONG|QUAD)$/ {
    bytes[part($3)] += hex($2); total += hex($2); pending = ""
    next
}
END {
    for (k in bytes) printf "%10.0f  %5.1f %%  %s\n", bytes[k], 100 * bytes[k] / total, k | "sort -rn"
    close("sort -rn")
    printf "%10.0f  100.0 %%  in all\n", total
}' "$map"
