// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "writer_system.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <exception>

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
    // ".varnel-" digits "-" digits ".tmp", and nothing else. (Not a regular
    // expression: its locale's checks under the sanitizers make system calls
    // of their own in the middle of a save.)
    const auto digitsEnd = [&name](std::size_t from) {
        const std::size_t end = std::min(name.find_first_not_of("0123456789", from), name.size());
        return end > from ? end : std::string::npos;
    };
    const std::size_t dash = name.rfind(".varnel-", 0) == 0 ? digitsEnd(8) : std::string::npos;
    const std::size_t dot =
        dash != std::string::npos && name[dash] == '-' ? digitsEnd(dash + 1) : std::string::npos;
    return dot != std::string::npos && name.compare(dot, std::string::npos, ".tmp") == 0;
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
    return detail::WriteReplacing(target, std::string(text) + "\r\n");
}

}  // namespace patch
