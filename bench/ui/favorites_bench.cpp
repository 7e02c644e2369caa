// Opening the favourites when the file holds 2000 names of mixed families, offscreen: reading
// the file, listing every name under its own family, and the text list.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "silent_message_boxes.h"
#include "base/program_files.h"
#include "dict/char_table.h"
#include "results/favorites_file.h"
#include "results/result_row.h"

namespace {

// Two-character names under four family names by turns, one and two characters long.
std::string MixedFavourites() {
    const std::vector<morvenda::FamilyCode> families{
        morvenda::MakeFamilyCode(morvenda::FindCharIndex("王"), morvenda::CharCount),
        morvenda::MakeFamilyCode(morvenda::FindCharIndex("李"), morvenda::CharCount),
        morvenda::MakeFamilyCode(morvenda::FindCharIndex("欧"), morvenda::FindCharIndex("阳")),
        morvenda::MakeFamilyCode(morvenda::FindCharIndex("诸"), morvenda::FindCharIndex("葛"))};
    std::vector<morvenda::FavoriteEntry> entries;
    for (morvenda::NameCode i = 0; i < morvenda::CandidateList::Capacity; ++i) {
        entries.push_back({families[i % families.size()], (i % 1000) << 16 | (i * 7 % 3000)});
    }
    return morvenda::AddFavorites("", entries);
}

void BM_ListFavorites(benchmark::State& state) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    const std::filesystem::path path = morvenda::FavoritesFilePath();
    morvenda::EnsureFileExists(path);
    morvenda::WriteFileAtomically(path, MixedFavourites());

    SilentMessageBoxes boxes;
    TfrmMain window(boxes);
    window.show();
    auto* favourites = window.findChild<QToolButton*>(QStringLiteral("sbtn_Favorites"));
    for (auto _ : state) {
        favourites->click();
    }
    state.counters["rows"] = window.Rows().Count();
}
BENCHMARK(BM_ListFavorites)->Unit(benchmark::kMillisecond);

}  // namespace
