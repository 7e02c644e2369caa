// The main window driven as a user drives it: typing, picking list items, pressing keys and
// clicking, with today's date fixed and message boxes answered by a recorder.

#include "app/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <memory>

#include "app/application_setup.h"
#include "app/family_name_validator.h"
#include "app/message_boxes.h"
#include "app/program_font.h"
#include "app/qt_text.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"

namespace {

const QStringList SolarLabels{"Label83", "Label84", "Label85", "Label86"};
const QStringList LunarLabels{"Label87", "Label88", "Label89", "Label90"};
const QStringList PillarLabels{"Label91", "Label92", "Label93", "Label94"};
const QStringList ElementLabels{"Label95", "Label96", "Label97", "Label98"};
const QStringList HiddenLabels{"Label99", "Label100", "Label101", "Label102"};
const QStringList NaYinLabels{"Label103", "Label104", "Label105", "Label106"};
const QStringList LinkLabels{"Label32", "Label33", "Label34", "Label35"};

// A click of the left button in the middle of a header section.
QPoint SectionCentre(const QHeaderView* header, int section) {
    return {header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
            header->height() / 2};
}

void ClickHeader(QHeaderView* header, int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, SectionCentre(header, section));
}

// What the mouse delivers for a double click: press, release, double click, release.
void DoubleClickHeader(QHeaderView* header, int section) {
    const QPoint at = SectionCentre(header, section);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    QString Text(const QString& labelName) {
        return Get<QLabel>(labelName.toLatin1().constData())->text();
    }
    QStringList Texts(const QStringList& labelNames) {
        QStringList texts;
        for (const QString& name : labelNames) {
            texts << Text(name);
        }
        return texts;
    }
    QTreeView* ResultList() { return Get<QTreeView>("listview_Result"); }
    int RowCount() { return ResultList()->model()->rowCount(); }
    // What the detailed list shows in a cell.
    QString Cell(int row, int field) {
        return ResultList()->model()->index(row, field).data().toString();
    }
    QStringList ColumnTexts(int field) {
        QStringList texts;
        for (int row = 0; row < RowCount(); ++row) {
            texts << Cell(row, field);
        }
        return texts;
    }
    void RunSimple(const QString& family) {
        Get<QLineEdit>("edt_FirstName")->setText(family);
        Get<QPushButton>("btn_CreateName")->click();
    }
    // Whether the column's texts are in order; zero-padded numbers order as their texts do.
    bool IsSorted(int field, bool ascending) {
        const QStringList texts = ColumnTexts(field);
        for (qsizetype i = 1; i < texts.size(); ++i) {
            const int order = QString::compare(texts[i - 1], texts[i]);
            if (ascending ? order > 0 : order < 0) {
                return false;
            }
        }
        return true;
    }
    QHeaderView* ResultHeader() { return ResultList()->header(); }
    void ClickCheckBox(int row) { ::ClickCheckBox(ResultList(), row); }
    QStringList CheckedCaptions() {
        QStringList captions;
        for (int row = 0; row < RowCount(); ++row) {
            if (ResultList()->model()->index(row, 0).data(Qt::CheckStateRole).toInt() ==
                Qt::Checked) {
                captions << Cell(row, 0);
            }
        }
        return captions;
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

    void startsOnTheWelcomePageWithNothingCharted() {
        QCOMPARE(window->size(), QSize(780, 577));
        QCOMPARE(Get<QStackedWidget>("pc_Main")->currentIndex(), 0);
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 2);
        QCOMPARE(Text("Label16"),
                 QStringLiteral("常言道：“赐子千金，不如教一艺在身；教子一艺，不如赐子好名字”"));
        QCOMPARE(Text("Label22"), QStringLiteral("诸先贤都道出了姓名对人的重要性"));
        for (const char* saying : {"Label19", "Label20", "Label21"}) {
            QVERIFY(Text(saying).contains(QStringLiteral("说：“")));
        }
        QVERIFY(Texts(SolarLabels + PillarLabels).join(QString()).isEmpty());
        for (const QString& link : LinkLabels) {
            QVERIFY(Get<QLabel>(link.toLatin1().constData())->isHidden());
        }
        QVERIFY(Get<QPushButton>("btn_SelectName")->isEnabled());
        QCOMPARE(Get<QComboBox>("cmb_Sort1")->currentIndex(), -1);
        QCOMPARE(Get<QComboBox>("cmb_sort2")->count(), 12);
        // A start without settings picks the hour "未知" and the first month and day.
        QCOMPARE(Get<QComboBox>("cmb_Hour")->currentText(), QStringLiteral("未知"));
        QCOMPARE(Get<QComboBox>("cmb_Month")->currentText(), QStringLiteral("01"));
    }

    void typingRightAfterTheStartFillsTheFamilyName() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), Get<QLineEdit>("edt_FirstName"));
        QTest::keyClicks(nullptr, QStringLiteral("Wang"));
        QCOMPARE(Get<QLineEdit>("edt_FirstName")->text(), QStringLiteral("Wang"));
    }

    // The web-page menus and the list's popup menu are whole.
    void theMenusShowTheirWholeStructure() {
        QStringList fortuneSubmenus;
        for (QAction* entry : Get<QMenu>("N2")->actions()) {
            QMenu* submenu = entry->menu();
            QVERIFY2(submenu, qPrintable(entry->text()));
            fortuneSubmenus << submenu->title();
            QVERIFY(!submenu->actions().isEmpty());
            for (QAction* item : submenu->actions()) {
                QVERIFY2(
                    item->isSeparator() || (item->isEnabled() && !item->objectName().isEmpty()),
                    qPrintable(item->text()));
            }
        }
        QCOMPARE(fortuneSubmenus,
                 (QStringList{"热门测算", "免费算命", "星座运程", "生肖运程", "抽签解签",
                              "情侣速配", "民俗预测", "择吉黄历", "趣味测算", "在线排盘"}));
        QStringList otherItems;
        for (QAction* item : Get<QMenu>("N4")->actions()) {
            QVERIFY(item->isEnabled());
            otherItems << item->objectName() + item->text();
        }
        QCOMPARE(otherItems,
                 (QStringList{"N3便民查询", "N92三字经", "N93百家姓", "N91二十四节气"}));
        QCOMPARE(Get<QAction>("N57")->text(), QStringLiteral("诸葛神算"));
        QCOMPARE(Get<QAction>("N37")->property("Tag").toInt(), 3);
        for (const char* hidden : {"N7", "N95", "N98"}) {
            QVERIFY2(!Get<QAction>(hidden)->isVisible(), hidden);
        }

        QStringList popupItems;
        for (QAction* item : Get<QMenu>("PopupMenu1")->actions()) {
            popupItems << item->text();
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
        }
        QCOMPARE(popupItems, (QStringList{"查看名字属性", "加入收藏夹", "打印", "排序"}));
    }

    // Popup menus, labels coloured by their palette and the status bar do not inherit the main
    // window's font; every one of them must still show the program's.
    void everyPartOfTheWindowShowsTheProgramFont() {
        const QString family = QFontInfo(ProgramFont()).family();
        const QList<QWidget*> widgets{Get<QLineEdit>("edt_FirstName"), Get<QLabel>("Label27"),
                                      Get<QLabel>("StatusBar1Panel1"), Get<QLabel>("Label36"),
                                      Get<QMenuBar>("MainMenu1"),      Get<QMenu>("N1"),
                                      Get<QMenu>("PopupMenu1"),        ResultList()};
        for (QWidget* widget : widgets) {
            QVERIFY2(widget->fontInfo().family() == family, qPrintable(widget->objectName()));
        }
    }

    // The chart's links read as links, and the analysis link shows only once there is a row to
    // analyse. (Their hand cursor, only while they have a page, is the online tests' concern.)
    void theChartLinksReadAsLinks() {
        auto* analysis = Get<QLabel>("Label37");
        QVERIFY(analysis->isHidden());
        RunSimple(QStringLiteral("王"));
        QVERIFY(!analysis->isHidden());
        const QColor plain = Get<QLabel>("Label13")->palette().color(QPalette::WindowText);
        for (const char* link : {"Label107", "Label108", "Label32", "Label33", "Label34", "Label35",
                                 "Label36", "Label37"}) {
            QVERIFY2(Get<QLabel>(link)->palette().color(QPalette::WindowText) != plain, link);
        }
    }

    void theAdviceRowLinksNeverOverlap_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("designedPlaces");
        QTest::newRow("one character") << QStringLiteral("王") << true;
        QTest::newRow("two characters") << QStringLiteral("欧阳") << false;
        QTest::newRow("three characters") << QStringLiteral("诸葛亮") << false;
        QTest::newRow("wide Latin letters") << QStringLiteral("WWWWWW") << false;
        QTest::newRow("capitals") << QStringLiteral("MMMMMM") << false;
        QTest::newRow("letters and a digit") << QStringLiteral("Zhang1") << false;
    }
    void theAdviceRowLinksNeverOverlap() {
        QFETCH(QString, family);
        QFETCH(bool, designedPlaces);
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->setFocus();
        Type(edit, family);
        QCOMPARE(edit->text(), family);
        Get<QPushButton>("btn_CreateName")->click();

        auto* origin = Get<QLabel>("Label36");
        auto* analysis = Get<QLabel>("Label37");
        QCOMPARE(origin->text(), QStringLiteral("[%1]姓的起源").arg(family));
        const QRect originRect = origin->geometry();
        const QRect analysisRect = analysis->geometry();
        constexpr int LeastGap = 4;
        QVERIFY2(originRect.right() + LeastGap < analysisRect.left(),
                 qPrintable(QStringLiteral("%1 ends at %2, %3 starts at %4")
                                .arg(origin->text())
                                .arg(originRect.right())
                                .arg(analysis->text())
                                .arg(analysisRect.left())));
        QVERIFY(originRect.width() >= origin->fontMetrics().horizontalAdvance(origin->text()));
        QVERIFY(Get<QFrame>("Panel4")->rect().contains(analysisRect));
        QVERIFY(originRect.left() > Get<QLabel>("Label13")->geometry().right());
        if (designedPlaces) {
            QCOMPARE(originRect.left(), 608);
            QCOMPARE(analysisRect.left(), 698);
        }
    }

    void enterRunsTheSimpleGenerationAndListsTheNames() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Space);
        Type(edit, QStringLiteral("王"));
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(edit->text(), QStringLiteral(" 王 "));
        QTest::keyClick(edit, Qt::Key_Return);

        QVERIFY(boxes.information.isEmpty());
        QCOMPARE(edit->text(), QStringLiteral("王"));
        QCOMPARE(Texts(SolarLabels), (QStringList{"2024年", "1月", "1日", "12时"}));
        QCOMPARE(Text("Label90"), QStringLiteral("午时"));
        QCOMPARE(Text("Label36"), QStringLiteral("[王]姓的起源"));
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 1);

        auto* view = ResultList();
        const int rows = RowCount();
        QVERIFY(rows > 0);
        QVERIFY(view->updatesEnabled());
        QCOMPARE(Text("Label27"), QStringLiteral("查询一共获得 %1 个名字").arg(rows));
        for (const QString& caption : ColumnTexts(0)) {
            QVERIFY2(caption.startsWith(QStringLiteral("王")), qPrintable(caption));
        }
        const QStringList memo =
            Get<QPlainTextEdit>("mmo_NameList")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(memo.mid(memo.size() - 2),
                 (QStringList{" ", QStringLiteral("查询共取得 %1 个名字").arg(rows)}));
        QVERIFY(memo.first().startsWith(Cell(0, 0) + QStringLiteral("  ")));
        QCOMPARE(Text("StatusBar1Panel1"),
                 QStringLiteral("双击网格标题栏进行排序，双击记录行可分析姓名"));

        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 0);
    }

    void aLaterStartBringsTheWindowBack_data() {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("minimised") << true;
        QTest::newRow("behind other windows") << false;
    }
    void aLaterStartBringsTheWindowBack() {
        QFETCH(bool, minimised);
        if (minimised) {
            window->showMinimized();
            QTRY_VERIFY(window->isMinimized());
        }
        window->ActivationMessageReceived();
        QVERIFY(!window->isMinimized());
        QVERIFY(window->isVisible());
        QTRY_VERIFY(window->isActiveWindow());
    }

    void anEmptyFamilyNameStopsTheRunWithAMessage_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("nothing") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("tab") << QStringLiteral("\t");
    }
    void anEmptyFamilyNameStopsTheRunWithAMessage() {
        QFETCH(QString, typed);
        RunSimple(typed);
        QCOMPARE(boxes.information, QStringList{QStringLiteral("请输入姓氏!")});
        QCOMPARE(Get<QLineEdit>("edt_FirstName")->text(), QString());
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 2);
        QVERIFY(Text("Label83").isEmpty());
    }

    void chartsTheEnteredBirthMoment_data() {
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("expected");

        const QStringList all = SolarLabels + LunarLabels + PillarLabels + ElementLabels +
                                HiddenLabels + NaYinLabels +
                                QStringList{"Label107", "Label108", "Label13"};
        const QStringList june23 = {
            "2009年",  "6月",       "23日",
            "12时",    "己丑",      "闰五月",
            "初一",    "午时",      "己丑",
            "庚午",    "己亥",      "庚午",
            "土土",    "金火",      "土水",
            "金火",    "土,土金水", "金,火土",
            "土,木水", "金,火土",   "霹雷火",
            "路旁土",  "平地木",    "路旁土",
            "牛",      "巨蟹座",    "日主天干土，生于夏，喜有水、金，忌有木"};
        QTest::newRow("solar 2009-06-23 noon") << "阳历"
                                               << "2009"
                                               << "06"
                                               << "23"
                                               << "12:00 - 12:59" << all << june23;
        QTest::newRow("lunar 2009 leap fifth month, first day") << "农历"
                                                                << "2009"
                                                                << "闰五月"
                                                                << "初一"
                                                                << "12:00 - 12:59" << all << june23;
        QTest::newRow("unknown hour counts as noon")
            << "阳历"
            << "2009"
            << "06"
            << "23"
            << "未知" << (QStringList{"Label86", "Label94"}) << (QStringList{"12时", "庚午"});
        QTest::newRow("23 h on new year's eve takes the next day's pillars")
            << "阳历"
            << "2009"
            << "12"
            << "31"
            << "23:00 - 23:59"
            << (QStringList{"Label83", "Label84", "Label85", "Label86", "Label87", "Label88",
                            "Label89", "Label107"})
            << (QStringList{"2009年", "12月", "31日", "23时", "己丑", "十一月", "十六", "牛"});
    }
    void chartsTheEnteredBirthMoment() {
        QFETCH(QString, calendar);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, hour);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, expected);

        Pick(Get<QComboBox>("cmb_CalendarType"), calendar);
        Pick(Get<QComboBox>("cmb_Year"), year);
        Pick(Get<QComboBox>("cmb_Month"), month);
        Pick(Get<QComboBox>("cmb_Day"), day);
        Pick(Get<QComboBox>("cmb_Hour"), hour);
        RunSimple(QStringLiteral("王"));

        QVERIFY(boxes.errors.isEmpty());
        QCOMPARE(Texts(labels), expected);
        for (const QString& link : LinkLabels) {
            QVERIFY(!Get<QLabel>(link.toLatin1().constData())->isHidden());
        }
    }

    void anImpossibleDateAt23hStopsTheRunWithTheChartCleared() {
        RunSimple(QStringLiteral("王"));
        const int rowsBefore = RowCount();
        Pick(Get<QComboBox>("cmb_Month"), "02");
        Pick(Get<QComboBox>("cmb_Day"), "31");
        Pick(Get<QComboBox>("cmb_Hour"), "23:00 - 23:59");
        Get<QLineEdit>("edt_FirstName")->setText(QStringLiteral("李"));
        Get<QPushButton>("btn_CreateName")->click();

        QCOMPARE(boxes.errors.size(), 1);
        QVERIFY2(boxes.errors.first().contains(QStringLiteral("2024年2月31日")),
                 qPrintable(boxes.errors.first()));
        QVERIFY(Texts(SolarLabels + LunarLabels + PillarLabels).join(QString()).isEmpty());
        for (const QString& link : LinkLabels) {
            QVERIFY(Get<QLabel>(link.toLatin1().constData())->isHidden());
        }
        QCOMPARE(RowCount(), rowsBefore);
        QVERIFY(Cell(0, 0).startsWith(QStringLiteral("王")));
    }

    void theLunarCalendarListsTheLeapMonth() {
        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("农历"));
        auto* month = Get<QComboBox>("cmb_Month");
        QCOMPARE(Get<QComboBox>("cmb_Year")->currentText(), QStringLiteral("2024"));
        QCOMPARE(month->currentText(), QStringLiteral("正月"));
        QCOMPARE(Get<QComboBox>("cmb_Day")->currentText(), QStringLiteral("初一"));

        Pick(Get<QComboBox>("cmb_Year"), "2009");
        QCOMPARE(month->count(), 13);
        QCOMPARE(month->itemText(4), QStringLiteral("五月"));
        QCOMPARE(month->itemText(5), QStringLiteral("闰五月"));
        QCOMPARE(month->itemText(12), QStringLiteral("十二月"));
        Pick(Get<QComboBox>("cmb_Year"), "2010");
        QCOMPARE(month->count(), 12);
    }

    // Each date list shows every item it can hold whole in the window's own width, whatever
    // the calendar; 2033 has the longest lunar month names, 闰十一月.
    void theDateListsShowTheirItemsWhole() {
        QCOMPARE(window->width(), 780);
        const auto verifyWhole = [](QComboBox* box) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const int room = box->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, box)
                                 .width();
            for (int i = 0; i < box->count(); ++i) {
                const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i));
                QVERIFY2(needed <= room, qPrintable(box->objectName() + ": " + box->itemText(i)));
            }
        };
        for (const QString calendar : {QStringLiteral("阳历"), QStringLiteral("农历")}) {
            Pick(Get<QComboBox>("cmb_CalendarType"), calendar);
            Pick(Get<QComboBox>("cmb_Year"), "2033");
            for (const char* name :
                 {"cmb_CalendarType", "cmb_Year", "cmb_Month", "cmb_Day", "cmb_Hour"}) {
                verifyWhole(Get<QComboBox>(name));
            }
        }
        QVERIFY(Get<QComboBox>("cmb_Month")->findText(QStringLiteral("闰十一月")) >= 0);
    }

    // A year the list does not hold selects nothing, so the lunar months cannot be built: the
    // error is shown and neither a month nor a day is picked.
    void theLunarCalendarInAYearBeyondTheListPicksNothing() {
        window = std::make_unique<TfrmMain>(boxes, [] { return morvenda::CivilDate{2040, 3, 5}; });
        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("农历"));

        QCOMPARE(boxes.errors.size(), 1);
        QCOMPARE(Get<QComboBox>("cmb_Year")->currentIndex(), -1);
        QCOMPARE(Get<QComboBox>("cmb_Month")->count(), 0);
        QCOMPARE(Get<QComboBox>("cmb_Day")->count(), 30);
        QCOMPARE(Get<QComboBox>("cmb_Day")->currentIndex(), -1);
    }

    void anUnknownDateDisablesTheDateListsAndHidesTheChart() {
        const QList<QComboBox*> dateLists{Get<QComboBox>("cmb_Year"), Get<QComboBox>("cmb_Month"),
                                          Get<QComboBox>("cmb_Day"), Get<QComboBox>("cmb_Hour")};
        Pick(Get<QComboBox>("cmb_Year"), "2009");
        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("未知日期"));
        for (QComboBox* list : dateLists) {
            QVERIFY(!list->isEnabled());
        }
        QVERIFY(Get<QFrame>("Panel4")->isHidden());

        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("阳历"));
        for (QComboBox* list : dateLists) {
            QVERIFY(list->isEnabled());
        }
        QVERIFY(!Get<QFrame>("Panel4")->isHidden());
        QCOMPARE(dateLists[0]->currentText(), QStringLiteral("2024"));
        QCOMPARE(dateLists[1]->currentText(), QStringLiteral("02"));
        QCOMPARE(dateLists[2]->currentText(), QStringLiteral("29"));
    }

    void headerClicksSortTheList_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("ascending");
        QTest::newRow("first click lists the highest score first")
            << QList<int>{1} << false << 1 << false;
        QTest::newRow("second click reverses it") << QList<int>{1, 1} << false << 1 << true;
        QTest::newRow("the order flips across columns") << QList<int>{1, 9} << false << 9 << true;
        QTest::newRow("a double click sorts once") << QList<int>{1} << true << 1 << false;
        QTest::newRow("two double clicks reverse it") << QList<int>{1, 1} << true << 1 << true;
    }
    void headerClicksSortTheList() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, doubleClick);
        QFETCH(int, field);
        QFETCH(bool, ascending);
        RunSimple(QStringLiteral("王"));
        QVERIFY(!IsSorted(field, ascending));

        for (const int section : clicks) {
            (doubleClick ? DoubleClickHeader : ClickHeader)(ResultHeader(), section);
        }
        QVERIFY(IsSorted(field, ascending));
        QVERIFY(Get<QPlainTextEdit>("mmo_NameList")->toPlainText().startsWith(Cell(0, 0)));
    }

    void theDetailedListShowsItsColumnsAndTooltip() {
        const QStringList captions{"姓名", "格局评分", "五行格局", "笔画组合[简]", "笔画组合[繁]",
                                   "天格", "人格",     "地格",     "外格",         "总格"};
        const QList<int> widths{100, 70, 75, 85, 85, 50, 50, 50, 50, 50};
        QCOMPARE(ResultList()->model()->columnCount(), captions.size());
        for (int column = 0; column < captions.size(); ++column) {
            QCOMPARE(ResultList()->model()->headerData(column, Qt::Horizontal).toString(),
                     captions[column]);
            QCOMPARE(ResultHeader()->sectionSize(column), widths[column]);
        }
        QCOMPARE(ResultList()->toolTip(), QStringLiteral("双击记录可分析姓名的性格，命理，运程"));
    }

    void checkMarksAndTheSelectionStayWithTheirRowsWhenSorted() {
        RunSimple(QStringLiteral("王"));
        ClickCheckBox(0);
        ClickCheckBox(2);
        ClickCheckBox(3);
        ClickCheckBox(3);
        QStringList checked{Cell(0, 0), Cell(2, 0)};
        QCOMPARE(CheckedCaptions(), checked);
        const QString selected = Cell(4, 0);
        ClickRow(ResultList(), 4);

        ClickHeader(ResultHeader(), 0);
        QStringList nowChecked = CheckedCaptions();
        QCOMPARE(nowChecked.size(), 2);
        std::sort(checked.begin(), checked.end());
        std::sort(nowChecked.begin(), nowChecked.end());
        QCOMPARE(nowChecked, checked);
        const QModelIndexList selection = ResultList()->selectionModel()->selectedRows();
        QCOMPARE(selection.size(), 1);
        QCOMPARE(Cell(selection.first().row(), 0), selected);

        // The core holds the marks the user set, in the order the list shows them.
        QStringList coreChecked;
        for (const int position : window->Rows().CheckedPositions()) {
            coreChecked << ToQString(window->Rows().At(position).Fields[0]);
        }
        QCOMPARE(coreChecked, CheckedCaptions());
    }

    void sortsBySortBoxAndPopupEntry() {
        RunSimple(QStringLiteral("王"));

        Pick(Get<QComboBox>("cmb_Sort1"), QStringLiteral("总格"));
        QVERIFY(IsSorted(9, true));
        QVERIFY(Get<QPlainTextEdit>("mmo_NameList")->toPlainText().startsWith(Cell(0, 0)));

        Get<QAction>("N101")->trigger();
        QCOMPARE(Get<QComboBox>("cmb_sort2")->currentIndex(), 4);
        QCOMPARE(Get<QComboBox>("cmb_sort2")->currentText(), QStringLiteral("外格"));
        QVERIFY(IsSorted(8, true));

        // A sort box leaves the order ascending, so the next header click sorts ascending too.
        ClickHeader(ResultHeader(), 5);
        QVERIFY(IsSorted(5, true));
    }

    void theFamilyNameEditHoldsSixGbkBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("three Chinese characters") << QStringLiteral("欧阳王") << true;
        QTest::newRow("four Chinese characters") << QStringLiteral("欧阳王李") << false;
        QTest::newRow("six letters") << QStringLiteral("abcdef") << true;
        QTest::newRow("seven letters") << QStringLiteral("abcdefg") << false;
        QTest::newRow("mixed, six bytes") << QStringLiteral("王abcd") << true;
        QTest::newRow("mixed, seven bytes") << QStringLiteral("王abcde") << false;
        QTest::newRow("outside GBK") << QStringLiteral("😀") << false;
    }
    void theFamilyNameEditHoldsSixGbkBytes() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->clear();
        edit->setFocus();
        Type(edit, text);
        QCOMPARE(edit->text() == text, accepted);
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
