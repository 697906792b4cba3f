// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of the test's own for every writer test, removed afterwards.

#include "writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace fs = std::filesystem;

class Writer : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        do
            dir_ = fs::temp_directory_path() / ("varnel-writer-" + std::to_string(random()));
        while (!fs::create_directory(dir_));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::all, ec);
        fs::remove_all(dir_, ec);
        EXPECT_FALSE(fs::exists(dir_)) << ec.message();
    }

    static std::string Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const fs::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::set<std::string> Listing(const fs::path& folder)
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().u8string());
        return names;
    }
    // The path as the user would type it: UTF-8.
    static patch::WriteResult Save(const fs::path& target, std::string_view text)
    {
        return patch::WritePatchFile(target.u8string(), text);
    }
    fs::path dir_;
};
