// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long one Make and one Make + Save take, without the window.

#include "composer.h"
#include "messages.h"
#include "writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

const patch::Selections kChoices{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

void BM_Compose(benchmark::State& state)
{
    const patch::Tables tables = patch::PrepareTables();
    patch::ComposerState composer;
    for (auto _ : state) {
        patch::ComposeResult r =
            patch::ComposePatch(tables, kChoices, true, false, patch::kBasePatch, composer);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Compose);

void BM_ComposeAndWrite(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "varnel-bench";
    fs::create_directories(dir);
    const std::string target = (dir / "Varnel.vkp").u8string();
    const patch::Tables tables = patch::PrepareTables();
    patch::ComposerState composer;
    for (auto _ : state) {
        patch::ComposeResult r =
            patch::ComposePatch(tables, kChoices, true, false, patch::kBasePatch, composer);
        patch::WriteResult w = patch::WritePatchFile(target, *r.text);
        if (!w.ok()) {
            state.SkipWithError(patch::messages::SaveFailed(target, w).c_str());
            break;
        }
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_ComposeAndWrite)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
