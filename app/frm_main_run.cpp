// The generation run behind the three generation buttons.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/frm_main.h"
#include "app/frm_select.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "naming/family_name.h"
#include "naming/generation.h"

void TfrmMain::btn_CreateNameClick(QObject* sender) {
    const morvenda::FamilyName family =
        morvenda::ReadFamilyName(FromQString(edt_FirstName->text()));
    edt_FirstName->setText(ToQString(family.Text));
    if (family.Text.empty()) {
        messageBoxes_.Information(this, QStringLiteral("请输入姓氏!"));
        return;
    }
    FavoritesMode = false;
    btn_AddFavorites->setText(QStringLiteral("收藏所选"));
    FamilyChar1 = family.Char1;
    FamilyChar2 = family.Char2;
    FamilyIndex1 = family.Index1;
    FamilyIndex2 = family.Index2;

    if (!ComputeBirthChart()) {
        return;
    }
    // Anything but OK leaves the lists as they were, with the chart of the current input.
    const bool advanced = sender == btn_SelectName;
    if (advanced && frmSelect->exec() != QDialog::Accepted) {
        return;
    }
    SaveSettings();

    const morvenda::GenerationRequest request{
        cmb_Sex->currentIndex(),
        cmb_NameLength->currentIndex(),
        advanced                   ? morvenda::NamingMode::Advanced
        : sender == btn_PoetryName ? morvenda::NamingMode::Poetry
                                   : morvenda::NamingMode::Simple,
        frmSelect->Conditions(),
        sender == btn_PoetryName && chk_PoetryFilter->isChecked(),
    };
    generator_.Run(request, candidates_);
    FillResultList();
}
