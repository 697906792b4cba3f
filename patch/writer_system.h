// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of writing the patch file that each system does its own way; the
// build picks one implementation.

#include "writer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace patch::detail {

inline constexpr std::string_view kFileEnd = "\r\n";

// Why this system can have no file of that name, when the name alone tells.
std::optional<std::string> RefusedName(const std::filesystem::path& target);

// Writes `text` and kFileEnd to `target`, replacing an existing file only
// once the new content is complete. `path` is the user's text, for messages.
WriteResult WriteReplacing(std::string_view path, const std::filesystem::path& target,
                           std::string_view text);

// A short name for a temporary file that no other writer, not even a second
// copy of this program, picks at the same time.
std::string TemporaryName(unsigned long pid);
// Whether `name` is one of those.
bool IsTemporaryName(std::string_view name);

std::filesystem::path FolderOf(const std::filesystem::path& target);
// The folder of the user's path as the user wrote it, for messages; a bare
// name's folder is the current one, in full.
std::string ShownFolder(const std::filesystem::path& named);

WriteResult Failure(std::string_view path, std::string_view reason);

}  // namespace patch::detail
