// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "messages.h"
#include "writer_system.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <exception>

namespace fs = std::filesystem;

namespace patch {

namespace detail {

WriteResult Failure(std::string_view path, std::string_view reason)
{
    return {false, messages::SaveFailed(path, reason)};
}

std::string TemporaryName(unsigned long pid)
{
    static std::atomic<unsigned> counter{0};
    return ".varnel-" + std::to_string(pid) + "-" + std::to_string(counter++) + ".tmp";
}

bool IsTemporaryName(std::string_view name)
{
    // ".varnel-" digits "-" digits ".tmp", and nothing else.
    const auto digits = [&name] {
        const std::size_t n = std::min(name.find_first_not_of("0123456789"), name.size());
        name.remove_prefix(n);
        return n > 0;
    };
    const auto take = [&name](std::string_view part) {
        if (name.substr(0, part.size()) != part)
            return false;
        name.remove_prefix(part.size());
        return true;
    };
    return take(".varnel-") && digits() && take("-") && digits() && name == ".tmp";
}

fs::path FolderOf(const fs::path& target)
{
    fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

std::string ShownFolder(const fs::path& named)
{
    std::error_code ec;
    const fs::path folder = named.has_parent_path() ? named.parent_path() : fs::current_path(ec);
    return folder.u8string();
}

}  // namespace detail

bool IsReservedWindowsName(std::string_view fileName)
{
    std::string stem(fileName.substr(0, fileName.find('.')));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == ':'))
        stem.pop_back();
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
        stem == "CONOUT$")
        return true;
    if (stem.size() < 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0))
        return false;
    // COM1 to COM9, and the superscript digits one to three, in UTF-8.
    const std::string digit = stem.substr(3);
    return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

WriteResult WritePatchFile(std::string_view path, std::string_view text)
{
    if (path.empty())
        return detail::Failure(path, messages::kNoFileName);
    fs::path target;
    try {
        target = fs::u8path(path.begin(), path.end());
    } catch (const std::exception&) {
        return detail::Failure(path, messages::kNotText);
    }
    const fs::path name = target.filename();
    if (name.empty() || name == "." || name == "..")
        return detail::Failure(path, messages::kNameIsFolder);
    // A name of nothing but white space is no name at all.
    const std::string spelled = name.u8string();
    if (std::all_of(spelled.begin(), spelled.end(),
                    [](unsigned char c) { return std::isspace(c) != 0; }))
        return detail::Failure(path, messages::kNoFileName);
    if (const auto refused = detail::RefusedName(target))
        return detail::Failure(path, *refused);
    return detail::WriteReplacing(path, target, text);
}

}  // namespace patch
