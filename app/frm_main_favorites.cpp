// The favourites: ticked rows kept in the favourites file, and the file listed again with every
// name under the family it was kept under. The core decides the file's text; this side only
// collects the ticked rows, reads and writes the file, and shows what failed.

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/dialog_icons.h"
#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/result_list_model.h"
#include "base/program_files.h"
#include "results/favorites_file.h"
#include "results/listing_texts.h"

namespace {

std::vector<morvenda::FavoriteEntry> EntriesAt(const morvenda::ListedRows& rows,
                                               const std::vector<int>& positions) {
    std::vector<morvenda::FavoriteEntry> entries;
    entries.reserve(positions.size());
    for (const int position : positions) {
        const morvenda::ResultRow& row = rows.At(position);
        entries.push_back({row.Family, row.Code});
    }
    return entries;
}

}  // namespace

void TfrmMain::btn_AddFavoritesClick() {
    const std::filesystem::path path = morvenda::FavoritesFilePath();
    if (const std::error_code error = morvenda::EnsureFileExists(path)) {
        messageBoxes_.Error(this, ToQString(morvenda::FavoritesWriteFailureText(path, error)));
        return;
    }
    // Both ways start from the whole file, so that a removal keeps every line the listing did
    // not show.
    std::string text;
    if (const std::error_code error = morvenda::ReadWholeFile(path, text)) {
        messageBoxes_.Error(this, ToQString(morvenda::FavoritesReadFailureText(path, error)));
        return;
    }
    const std::vector<int> ticked = listedRows_.CheckedPositions();
    const std::vector<morvenda::FavoriteEntry> entries = EntriesAt(listedRows_, ticked);
    const std::string updated = FavoritesMode ? morvenda::RemoveFavorites(text, entries)
                                              : morvenda::AddFavorites(text, entries);
    if (updated != text) {
        if (const std::error_code error = morvenda::WriteFileAtomically(path, updated)) {
            messageBoxes_.Error(this, ToQString(morvenda::FavoritesWriteFailureText(path, error)));
            return;
        }
    }
    if (!FavoritesMode || ticked.empty()) {
        return;
    }
    for (auto position = ticked.rbegin(); position != ticked.rend(); ++position) {
        resultModel_->Remove(*position);
    }
    // The count and the text list, which printing reads, follow the rows that stay.
    morvenda::DropListedFavorites(candidates_, entries);
    Label27->setText(ToQString(morvenda::CountLabelText(listedRows_.Count())));
    ShowNameAnalysisLink();
    FillTextList();
}

bool TfrmMain::LoadFavorites() {
    const std::filesystem::path path = morvenda::FavoritesFilePath();
    std::string text;
    std::error_code error = morvenda::EnsureFileExists(path);
    if (!error) {
        error = morvenda::ReadWholeFile(path, text);
    }
    if (error) {
        messageBoxes_.Error(this, ToQString(morvenda::FavoritesReadFailureText(path, error)));
        return false;
    }
    morvenda::ListFavorites(text, candidates_);
    return true;
}

void TfrmMain::sbtn_FavoritesClick() {
    // A file that cannot be read leaves the window in the view it was in, with its list.
    if (!LoadFavorites()) {
        return;
    }
    Panel2->setVisible(false);
    Panel4->setVisible(false);
    FavoritesMode = true;
    ShowPage(pc_Main, 0);
    ShowPage(pc_Result, 1);
    FillResultList();
    btn_AddFavorites->setIcon(CancelButtonIcon());
    btn_AddFavorites->setText(QStringLiteral("移出收藏"));
}

void TfrmMain::N9Click() {
    const QModelIndexList selected = listview_Result->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return;
    }
    resultModel_->setData(selected.first().siblingAtColumn(0), Qt::Checked, Qt::CheckStateRole);
    btn_AddFavoritesClick();
}
