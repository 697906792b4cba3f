// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of writing the patch file that each system does its own way; the
// build picks one implementation.

#include "writer.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace patch::detail {

// The path the user meant: as typed, but for what this system cannot have
// in a name around it.
std::string_view AsMeant(std::string_view path);

// Why this system can have no file of that name, when the name alone tells.
Cause RefusedName(const std::filesystem::path& target);

// Writes `content` to `target`, replacing an existing file only once it is
// complete. `named` is the path as the user gave it.
WriteResult WriteReplacing(const std::filesystem::path& named, std::string_view content);

// Offers `make` short temporary names, which no other writer, not even a
// second copy of this program, picks at the same time, until it takes one:
// returns what `make` last returned, `taken` where no name was free.
int WithTemporaryName(unsigned long pid, int taken,
                      const std::function<int(const std::string&)>& make);
// Whether `name` is one of those.
bool IsTemporaryName(const std::string& name);

std::filesystem::path FolderOf(const std::filesystem::path& target);
// A failure in `named`'s folder, which is shown as the user wrote it; a bare
// name's folder is the current one, in full.
WriteResult InFolder(Cause cause, const std::filesystem::path& named);

}  // namespace patch::detail
