// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "writer_system.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <exception>
#include <regex>

namespace fs = std::filesystem;

namespace patch {

namespace detail {

int WithTemporaryName(unsigned long pid, int taken,
                      const std::function<int(const std::string&)>& make)
{
    constexpr int kAttempts = 100;  // before the folder is taken for full of them
    static std::atomic<unsigned> counter{0};
    int result = taken;
    for (int attempt = 0; attempt < kAttempts && result == taken; ++attempt)
        result = make(".varnel-" + std::to_string(pid) + "-" + std::to_string(counter++) + ".tmp");
    return result;
}

bool IsTemporaryName(const std::string& name)
{
    static const std::regex kName(R"(\.varnel-[0-9]+-[0-9]+\.tmp)");
    return std::regex_match(name, kName);
}

fs::path FolderOf(const fs::path& target)
{
    fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

WriteResult InFolder(Cause cause, const fs::path& named)
{
    std::error_code ec;
    const fs::path folder = named.has_parent_path() ? named.parent_path() : fs::current_path(ec);
    return {cause, 0, folder.u8string()};
}

}  // namespace detail

WriteResult WritePatchFile(std::string_view path, std::string_view text)
{
    path = detail::AsMeant(path);
    fs::path target;
    try {
        target = fs::u8path(path.begin(), path.end());
    } catch (const std::exception&) {
        return {Cause::kNotText};
    }
    const std::string name = target.filename().u8string();
    // A name of nothing but white space is no name at all.
    if (std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isspace(c); }))
        return {path.empty() || !name.empty() ? Cause::kNoName : Cause::kFolder};
    if (name == "." || name == "..")
        return {Cause::kFolder};
    if (const Cause refused = detail::RefusedName(target); refused != Cause::kSaved)
        return {refused};
    return detail::WriteReplacing(target, text);
}

}  // namespace patch
