// 诗词起名: the third generation command, names from the classics. Its button and check box
// stand beside the two other generation buttons; the run itself is the common driver's.

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "app/frm_main.h"

QWidget* TfrmMain::CreatePoetryControls() {
    auto* controls = new QWidget;
    btn_PoetryName = new QPushButton(QStringLiteral("诗词起名"));
    btn_PoetryName->setObjectName(QStringLiteral("btn_PoetryName"));
    chk_PoetryFilter = new QCheckBox(QStringLiteral("按筛选条件"));
    chk_PoetryFilter->setObjectName(QStringLiteral("chk_PoetryFilter"));
    // The check box goes under the button so that the input panel stays as wide as the window.
    auto* layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(btn_PoetryName, 1);
    layout->addWidget(chk_PoetryFilter);
    connect(btn_PoetryName, &QPushButton::clicked, this,
            [this] { btn_CreateNameClick(btn_PoetryName); });
    return controls;
}

void TfrmMain::N_PoetryClick() {
    sbtn_QimingClick();
    btn_CreateNameClick(btn_PoetryName);
}
