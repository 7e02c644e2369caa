// 诗词起名 driven through the main window as a user drives it: typing the family name, picking
// the length and the sex, ticking 按筛选条件 and clicking the button or the menu item.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>
#include <memory>
#include <set>

#include "app/application_setup.h"
#include "app/frm_main.h"
#include "app/frm_select.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/tests/filter_dialog_user.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"
#include "naming/poetry_names.h"

namespace {

// Why a row's name does not stand in its source line, in order; empty when it does.
QString SourceFault(const morvenda::ResultRow& row) {
    const auto source = morvenda::FindVerseSource(row.Code);
    if (!source) {
        return QStringLiteral("no source");
    }
    const std::string_view line = source->SentenceText();
    const auto first = line.find(morvenda::Glyph(morvenda::FirstGivenChar(row.Code)));
    if (first == std::string_view::npos) {
        return QStringLiteral("first character missing from ") + ToQString(line);
    }
    const auto second = line.find(morvenda::Glyph(morvenda::SecondGivenChar(row.Code)), first + 1);
    if (second == std::string_view::npos) {
        return QStringLiteral("second character not after the first in ") + ToQString(line);
    }
    return {};
}

}  // namespace

class FrmMainPoetryTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    QTreeView* List() { return Get<QTreeView>("listview_Result"); }
    int RowCount() { return List()->model()->rowCount(); }
    const morvenda::ResultRow& RowAt(int i) { return window->Rows().At(i); }
    QModelIndex NameCell(int i) { return List()->model()->index(i, 0); }
    QString NameText(int i) { return NameCell(i).data().toString(); }
    QString NameTip(int i) { return NameCell(i).data(Qt::ToolTipRole).toString(); }
    void Enter(const QString& family, const QString& length, const QString& sex) {
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->setFocus();
        Type(edit, family);
        Pick(Get<QComboBox>("cmb_NameLength"), length);
        Pick(Get<QComboBox>("cmb_Sex"), sex);
    }
    // What a tooltip shows when the mouse rests on the list's viewport at the point.
    QString HoverText(const QPoint& at) {
        QWidget* viewport = List()->viewport();
        QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &hover);
        return QToolTip::text();
    }
    void ClickPoetryName() {
        QTest::mouseClick(Get<QPushButton>("btn_PoetryName"), Qt::LeftButton);
    }
    // Every row's name stands in its source line, first character before the second.
    void VerifyRowsComeFromTheirLines() {
        for (int i = 0; i < RowCount(); ++i) {
            const morvenda::ResultRow& row = RowAt(i);
            const QString fault = SourceFault(row);
            QVERIFY2(fault.isEmpty(), qPrintable(ToQString(row.Fields[0]) + ": " + fault));
        }
    }

  private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init() {
        boxes = {};
        ForgetSavedSettings();
        window = ShowMainWindow(boxes);
        QVERIFY(window);
    }
    void cleanup() { window.reset(); }

    void listsTwoCharacterNamesOfTheClassicsWithTheirLines() {
        Enter(QStringLiteral("王"), QStringLiteral("双字"), QStringLiteral("女"));
        ClickPoetryName();

        QVERIFY(boxes.information.isEmpty());
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 1);
        // The girls' names from the classics are far more than a list holds.
        QCOMPARE(RowCount(), morvenda::CandidateList::Capacity);
        QCOMPARE(Get<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 2000 个名字"));
        const auto girls = morvenda::PoetryNames(1, 1);
        const std::set<morvenda::NameCode> allowed(girls.begin(), girls.end());
        for (int i = 0; i < RowCount(); ++i) {
            const morvenda::ResultRow& row = RowAt(i);
            QVERIFY(NameText(i).startsWith(QStringLiteral("王")));
            QVERIFY2(allowed.count(row.Code), qPrintable(NameText(i)));
            QVERIFY2(
                NameTip(i).contains(ToQString(morvenda::FindVerseSource(row.Code)->Poem.Title)),
                qPrintable(NameText(i)));
        }
        VerifyRowsComeFromTheirLines();
    }

    void theNameCellShowsTheLineWithTheNameMarked() {
        Enter(QStringLiteral("王"), QStringLiteral("单字"), QStringLiteral("女"));
        ClickPoetryName();
        int item = -1;
        for (int i = 0; i < RowCount() && item < 0; ++i) {
            if (NameText(i) == QStringLiteral("王淑 ")) {
                item = i;
            }
        }
        QVERIFY(item >= 0);
        QTextDocument shown;
        shown.setHtml(NameTip(item));
        QCOMPARE(shown.toPlainText().trimmed(),
                 QStringLiteral("《关雎》（诗经·国风·周南）：窈窕淑女，君子好逑。"));
        QVERIFY(NameTip(item).contains(
            QStringLiteral("窈窕<b><font color=\"#c00000\">淑</font></b>女，君子好逑。")));
        // Hovering: the name cell shows the line, the other cells the list's own tooltip.
        List()->scrollTo(NameCell(item));
        const QRect cells = List()->visualRect(NameCell(item));
        QCOMPARE(HoverText(QPoint(List()->columnWidth(0) / 2, cells.center().y())), NameTip(item));
        QCOMPARE(HoverText(QPoint(List()->columnWidth(0) + 20, cells.center().y())),
                 QStringLiteral("双击记录可分析姓名的性格，命理，运程"));
    }

    void listsOneCharacterNamesAllWhenTheyFit() {
        Enter(QStringLiteral("王"), QStringLiteral("单字"), QStringLiteral("男"));
        ClickPoetryName();
        const auto boys = morvenda::PoetryNames(0, 0);
        QCOMPARE(RowCount(), static_cast<int>(boys.size()));
        for (int i = 0; i < RowCount(); ++i) {
            QCOMPARE(RowAt(i).Code, boys[static_cast<std::size_t>(i)]);
        }
    }

    // The conditions are the ones last confirmed in the filter dialog, here through 高级起名:
    // 金 by meaning for the first character.
    void meetsTheConditionsWhenTheBoxIsTicked() {
        Enter(QStringLiteral("王"), QStringLiteral("双字"), QStringLiteral("女"));
        QVERIFY(AnswerFilterDialog(window->findChild<TfrmSelect*>(QStringLiteral("frmSelect")),
                                   Get<QPushButton>("btn_SelectName"), [](DialogUser& user) {
                                       user.Click("chk2_1");
                                       user.Click("chk2_11");
                                       user.Click("btn_OK");
                                   }));
        const auto isMetal = [](const morvenda::ResultRow& row) {
            return morvenda::ElementByMeaning(morvenda::FirstGivenChar(row.Code))
                .Contains(morvenda::Element::Metal);
        };

        ClickPoetryName();
        bool anyOther = false;
        for (int i = 0; i < RowCount(); ++i) {
            anyOther = anyOther || !isMetal(RowAt(i));
        }
        QVERIFY2(anyOther, "without the box ticked the conditions take no part");

        auto* box = Get<QCheckBox>("chk_PoetryFilter");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QVERIFY(box->isChecked());
        ClickPoetryName();
        QVERIFY(RowCount() > 0);
        for (int i = 0; i < RowCount(); ++i) {
            const morvenda::ResultRow& row = RowAt(i);
            QVERIFY2(isMetal(row), qPrintable(ToQString(row.Fields[0])));
        }
        VerifyRowsComeFromTheirLines();
    }

    void theMenuItemRunsTheSameCommand() {
        Enter(QStringLiteral("李"), QStringLiteral("单字"), QStringLiteral("女"));
        Get<QAction>("N_Poetry")->trigger();
        QCOMPARE(RowCount(), static_cast<int>(morvenda::PoetryNames(1, 0).size()));
        QVERIFY(NameText(0).startsWith(QStringLiteral("李")));
    }

    void anEmptyFamilyNameStopsTheRunWithTheMessage() {
        ClickPoetryName();
        QCOMPARE(boxes.information, QStringList{QStringLiteral("请输入姓氏!")});
        QCOMPARE(RowCount(), 0);
    }
};

QTEST_MAIN(FrmMainPoetryTest)
#include "frm_main_poetry_test.moc"
