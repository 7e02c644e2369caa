// The birth chart panel: its labels as the chart core lays them out, and the step that charts
// the moment the date controls hold.

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <array>
#include <string_view>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace {

constexpr int PanelWidth = 760;
constexpr int PanelHeight = 104;
constexpr int LabelHeight = 14;
constexpr std::array<int, 3> GridLineYs{25, 50, 77};
// Frames between the date grid, the element grid and the side column.
constexpr std::array<int, 2> GridColumnXs{262, 598};

QLabel* ChartLabel(QFrame* panel, const morvenda::ChartLabelLayout& layout) {
    auto* label = new QLabel(ToQString(layout.Caption), panel);
    label->setObjectName(ToQString(layout.Name));
    label->setProperty("Tag", layout.Tag);
    // The origin link repeats the typed family name, which must never be read as markup.
    label->setTextFormat(Qt::PlainText);
    if (layout.Bold) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    // A link label reads as a link; the pointer turns into a hand only while it has a page to
    // open. A palette colour, not a style sheet, so the label keeps the program's font.
    if (layout.Link) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
    }
    if (layout.Width > 0) {
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(layout.X, layout.Y - 2, layout.Width, LabelHeight + 4);
    } else {
        // Labels without a width grow and shrink with their text.
        label->setProperty("AutoSize", true);
        label->move(layout.X, layout.Y - 2);
        label->adjustSize();
    }
    return label;
}

void GridLine(QFrame* panel, QFrame::Shape shape, const QRect& where) {
    auto* line = new QFrame(panel);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(where);
}

QLabel* LabelOnPanel(QFrame* panel, std::string_view name) {
    return panel->findChild<QLabel*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

int DesignedX(std::string_view name) {
    for (const morvenda::ChartLabelLayout& layout : morvenda::ChartPanelLabels()) {
        if (layout.Name == name) {
            return layout.X;
        }
    }
    return 0;
}

// The family-origin link repeats the typed family name, which can be as wide as six Latin
// letters, and the analysis link follows it on the same row. Both keep their designed places
// while they fit; a wider origin pushes the analysis link right, and when that would leave the
// panel both move left together.
void PlaceAdviceRowLinks(QFrame* panel) {
    constexpr int Gap = 8;
    constexpr int RightMargin = 4;
    QLabel* origin = LabelOnPanel(panel, "Label36");
    QLabel* analysis = LabelOnPanel(panel, "Label37");
    origin->adjustSize();
    analysis->adjustSize();
    int originX = DesignedX("Label36");
    int analysisX = std::max(DesignedX("Label37"), originX + origin->width() + Gap);
    const int overflow = analysisX + analysis->width() - (PanelWidth - RightMargin);
    if (overflow > 0) {
        originX -= overflow;
        analysisX -= overflow;
    }
    origin->move(originX, origin->y());
    analysis->move(analysisX, analysis->y());
}

}  // namespace

QWidget* TfrmMain::CreateChartPanel() {
    Panel4 = new QFrame;
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameShape(QFrame::NoFrame);
    Panel4->setFixedHeight(PanelHeight);
    Panel4->setMinimumWidth(PanelWidth);
    Panel4->setAutoFillBackground(true);
    QPalette moneyGreen = Panel4->palette();
    moneyGreen.setColor(QPalette::Window, QColor(192, 220, 192));
    Panel4->setPalette(moneyGreen);
    for (int y : GridLineYs) {
        GridLine(Panel4, QFrame::HLine, QRect(4, y - 1, PanelWidth - 8, 3));
    }
    for (int x : GridColumnXs) {
        GridLine(Panel4, QFrame::VLine, QRect(x - 1, 2, 3, GridLineYs.back() - 2));
    }
    for (const morvenda::ChartLabelLayout& layout : morvenda::ChartPanelLabels()) {
        ChartLabel(Panel4, layout);
    }
    PlaceAdviceRowLinks(Panel4);
    return Panel4;
}

void TfrmMain::ClearChartLabels() {
    shownChart_.reset();
    for (QLabel* label : Panel4->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int tag = label->property("Tag").toInt();
        if (tag == morvenda::ChartTagValue) {
            label->clear();
        } else if (tag == morvenda::ChartTagLink) {
            label->hide();
        }
    }
}

bool TfrmMain::ComputeBirthChart() {
    const morvenda::BirthDateControls controls{
        cmb_CalendarType->currentIndex(),
        FromQString(cmb_Year->currentText()),
        FromQString(cmb_Month->currentText()),
        FromQString(cmb_Day->currentText()),
        cmb_Day->currentIndex(),
        cmb_Hour->currentIndex(),
        FromQString(edt_FirstName->text()),
    };
    const morvenda::BirthChartOutcome outcome = morvenda::ComputeBirthChart(controls, Birth, today_());
    Birth = outcome.Fields;
    ClearChartLabels();
    if (!outcome.Chart) {
        messageBoxes_.Error(this, ToQString(outcome.ErrorMessage));
        return false;
    }
    shownChart_ = outcome.Chart;
    for (const auto& [name, text] : morvenda::ChartLabelTexts(*outcome.Chart)) {
        if (QLabel* label = LabelOnPanel(Panel4, name)) {
            label->setText(ToQString(text));
            if (label->property("AutoSize").toBool()) {
                label->adjustSize();
            }
        }
    }
    PlaceAdviceRowLinks(Panel4);
    for (QLabel* label : Panel4->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->property("Tag").toInt() == morvenda::ChartTagLink) {
            label->show();
        }
    }
    return true;
}

void TfrmMain::ShowNameAnalysisLink() {
    // The analysis opens the first row of the list, so it shows only while there is one.
    LabelOnPanel(Panel4, "Label37")->setVisible(listedRows_.Count() > 0);
}
