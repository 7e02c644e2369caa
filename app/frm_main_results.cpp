// The result pages: listing the CandidateList as rows and as plain text, and sorting the rows.
// The rows live in the core; the detailed list shows them through its model.

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTreeView>

#include <utility>
#include <vector>

#include "app/frm_main.h"
#include "app/qt_text.h"
#include "app/result_list_model.h"
#include "app/result_list_view.h"
#include "results/listing_texts.h"
#include "results/result_row.h"
#include "results/row_sorting.h"

namespace {

// Lets the window repaint what changed in the middle of a long listing. The user's clicks and
// keys wait until the listing is done: a second run started halfway would clear the list under
// the first and leave rows of both.
void LetWindowBreathe() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void TfrmMain::FillResultList() {
    if (pc_Result->currentIndex() == 2) {
        ShowPage(pc_Result, 1);
    }
    {
        SuspendedUpdates suspended(listview_Result);
        resultModel_->Clear();
        const morvenda::RowFamily typedFamily{FromQString(edt_FirstName->text()), FamilyChar1,
                                              FamilyChar2, FamilyIndex1, FamilyIndex2};
        // Rows reach the model in batches, each complete before the window breathes, so that
        // whatever runs meanwhile sees exactly the rows listed so far.
        std::vector<morvenda::ResultRow> batch;
        batch.reserve(morvenda::ProgressRowInterval);
        for (int i = 0; i < candidates_.Count; ++i) {
            morvenda::RowFamily family = typedFamily;
            if (FavoritesMode) {
                family = morvenda::FamilyFromCode(candidates_.FavoriteFamilyCodes[i]);
                FamilyChar1 = family.Char1;
                FamilyChar2 = family.Char2;
                FamilyIndex1 = family.Index1;
                FamilyIndex2 = family.Index2;
            }
            batch.push_back(morvenda::BuildResultRow(candidates_.NameCodes[i], family));
            if (morvenda::IsProgressRow(i)) {
                resultModel_->Append(std::exchange(batch, {}));
                SetStatusText(1, ToQString(morvenda::ProgressText(i)));
                LetWindowBreathe();
            }
        }
        resultModel_->Append(std::move(batch));
    }
    Label27->setText(ToQString(morvenda::CountLabelText(listedRows_.Count())));
    ShowNameAnalysisLink();
    FillTextList();
    SetStatusText(1, ToQString(morvenda::ListingDoneText));
}

void TfrmMain::FillTextList() {
    QString text;
    for (const std::string& line :
         morvenda::TextListLines(listedRows_.InDisplayOrder(), candidates_.Count)) {
        text += ToQString(line);
        text += QLatin1Char('\n');
    }
    text.chop(1);
    mmo_NameList->setPlainText(text);
    LetWindowBreathe();
}

void TfrmMain::listview_ResultColumnClick(int column) {
    resultModel_->Sort(column, SortAscending);
    SortAscending = !SortAscending;
    FillTextList();
}

void TfrmMain::cmb_Sort1Click(QComboBox* sender) {
    const int item = sender->currentIndex();
    if (item < 0 || item >= morvenda::SortKeyCount) {
        return;
    }
    SortAscending = true;
    resultModel_->Sort(morvenda::SortKeyMap[static_cast<std::size_t>(item)], true);
    FillTextList();
}

void TfrmMain::N89Click(QAction* sender) {
    cmb_sort2->setCurrentIndex(sender->property("Tag").toInt());
    cmb_Sort1Click(cmb_sort2);
}
