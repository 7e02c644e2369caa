// The main window's ways into the web pages, driven as a user drives them, with the browser
// replaced by a recorder of the addresses it is asked to open.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <memory>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/tests/menu_clicks.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"

namespace {

const QString F = QStringLiteral("morvenda://site/sm/");
const QString R = QStringLiteral("morvenda://site/");
const QString S = QStringLiteral("morvenda://soft/");

struct ExpectedPage {
    const char* Component;
    QString Caption;
    QString Address;
};

// With 王 typed and charted for a boy born 2009-06-05 at 8 o'clock: 双子座, 牛, today in 2024.
const QList<ExpectedPage> ExpectedPages{
    {"sbtn_onlineSM", "姓名测试", F},
    {"N22", "姓名测算", F + "sm/sm.asp?sm=5"},
    {"N32", "姓名测算", F + "sm/sm.asp?sm=5"},
    {"N23", "姓氏起源", F + "sm/sm.asp?sm=8&act=ok&xing=王#body"},
    {"N34", "姓氏起源", F + "sm/sm.asp?sm=8&act=ok&xing=王#body"},
    {"Label36", "[王]姓的起源", F + "sm/sm.asp?sm=8&act=ok&xing=王#body"},
    {"N24", "周公解梦", F + "chouqian/zgjm.asp#body"},
    {"N54", "周公解梦", F + "chouqian/zgjm.asp#body"},
    {"N25", "生辰八字", F + "sm/sm.asp?sm=1"},
    {"N28", "生辰八字", F + "sm/sm.asp?sm=1"},
    {"N26", "八字测算", F + "sm/sm.asp?sm=2"},
    {"N29", "八字测算", F + "sm/sm.asp?sm=2"},
    {"N27", "星座运程", F + "astro/index.asp"},
    {"N30", "日干论命", F + "sm/sm.asp?sm=3"},
    {"N31", "称骨论命", F + "sm/sm.asp?sm=4"},
    {"N33", "姓名配对", F + "sm/sm.asp?sm=6#body"},
    {"N35", "今日运势", F + "astro/xzyc.asp?type=today&xz=3"},
    {"N36", "明日运势", F + "astro/xzyc.asp?type=nextday&xz=3"},
    {"N37", "本周运势", F + "astro/xzyc.asp?type=week&xz=3"},
    {"N38", "本月运势", F + "astro/xzyc.asp?type=month&xz=3"},
    {"N39", "今年运势", F + "astro/xzyc.asp?type=year&xz=3"},
    {"N40", "今年爱情运势", F + "astro/xzyc.asp?type=yearlove&xz=3"},
    {"N42", "白羊座", F + "astro/astro_show.asp?flag=4&astro=白羊座"},
    {"N43", "金牛座", F + "astro/astro_show.asp?flag=4&astro=金牛座"},
    {"N44", "双子座", F + "astro/astro_show.asp?flag=4&astro=双子座"},
    {"N45", "巨蟹座", F + "astro/astro_show.asp?flag=4&astro=巨蟹座"},
    {"N46", "狮子座", F + "astro/astro_show.asp?flag=4&astro=狮子座"},
    {"N47", "处女座", F + "astro/astro_show.asp?flag=4&astro=处女座"},
    {"N48", "天秤座", F + "astro/astro_show.asp?flag=4&astro=天秤座"},
    {"N49", "天蝎座", F + "astro/astro_show.asp?flag=4&astro=天蝎座"},
    {"N50", "射手座", F + "astro/astro_show.asp?flag=4&astro=射手座"},
    {"N51", "魔羯座", F + "astro/astro_show.asp?flag=4&astro=魔羯座"},
    {"N52", "水瓶座", F + "astro/astro_show.asp?flag=4&astro=水瓶座"},
    {"N53", "双鱼座", F + "astro/astro_show.asp?flag=4&astro=双鱼座"},
    {"N20091", "2009生肖运程", F + "astro/2009sx.asp"},
    {"N20101", "2010生肖运程", F + "astro/2010sx.asp"},
    {"N55", "观音灵签", F + "chouqian/guanyin.asp"},
    {"N56", "吕祖灵签", F + "chouqian/lvzu.asp"},
    {"N57", "诸葛神算", F + "chouqian/lvzu.asp"},
    {"N58", "关帝神签", F + "chouqian/guandi.asp"},
    {"N59", "天后灵签", F + "chouqian/mazu.asp"},
    {"N60", "黄大仙灵签", F + "chouqian/huangdaxian.asp"},
    {"N61", "星座对对配", F + "qinglv/pd_astro.asp"},
    {"N62", "姓名五格配对", F + "qinglv/pd_xmwg.asp"},
    {"N63", "生辰八字配对", F + "sm/sm.asp?sm=6"},
    {"N64", "生肖血型配对", F + "qinglv/pd_sxxx.asp"},
    {"QQ1", "QQ号码缘份测试", F + "qinglv/pd_qq.asp"},
    {"N65", "姓名配对关系提示", F + "qinglv/pd_name.asp"},
    {"N66", "生男生女", F + "yuce/snsn.asp"},
    {"N67", "三世财运", F + "yuce/sanshishu.asp"},
    {"N68", "指纹预测", F + "yuce/zwsm.asp"},
    {"N69", "耳鸣预测", F + "yuce/emyc.asp"},
    {"N70", "眼跳预测", F + "yuce/ytyc.asp"},
    {"N71", "心惊预测", F + "yuce/xjyc.asp"},
    {"N72", "面热预测", F + "yuce/myyc.asp"},
    {"N73", "黄道吉日", F + "yuce/hdjr.asp"},
    {"N74", "万年历", F + "yuce/wnl.asp"},
    {"N76", "结婚吉日", F + "yuce/hdjr.asp?act=xrz&word=嫁娶&upto=365"},
    {"N77", "身份证算命", F + "sfz/index.asp"},
    {"N78", "婚姻指数测试", F + "hunpei/index.asp"},
    {"QQ2", "QQ号码/手机号码吉凶", F + "yuce/hmjx.asp"},
    {"N79", "四柱八字排盘", F + "paipan/pp_bazi.asp"},
    {"N80", "紫微斗数排盘", F + "paipan/pp_ziwei.asp"},
    {"N81", "大六壬起课", F + "paipan/pp_6r.asp"},
    {"N82", "六爻起卦", F + "paipan/pp_6y.asp"},
    {"N83", "奇门遁甲起局", F + "paipan/pp_qmdj.asp"},
    {"N84", "玄空飞星排盘", F + "paipan/pp_xk.asp"},
    {"N85", "金口诀立课", F + "paipan/pp_jkj.asp"},
    {"N86", "地区经度查询", F + "paipan/jingdu.asp"},
    {"N87", "真太阳时间修正", F + "paipan/taiyang.asp"},
    {"N3", "便民查询", R + "tools/"},
    {"N92", "三字经", R + "szj/"},
    {"N93", "百家姓", F + "sm/bjx.asp"},
    {"N91", "二十四节气", F + "24jq.asp"},
    {"sbtn_dict", "新华字典", R + "xhzd/"},
    {"N96", "软件升级", S + "?ver=20091201"},
    {"N97", "关于作者", S + "about.asp"},
    {"Label108", "双子座", F + "astro/astro_show.asp?flag=4&astro=双子座"},
    {"Label107", "牛", F + "astro/astro_show.asp?flag=12&sx=牛&astro_year=2024"},
    {"Label32", "今", F + "astro/xzyc.asp?type=today&xz=3"},
    {"Label33", "明", F + "astro/xzyc.asp?type=nextday&xz=3"},
    {"Label34", "周", F + "astro/xzyc.asp?type=week&xz=3"},
    {"Label35", "年", F + "astro/xzyc.asp?type=month&xz=3"},
};

// Items the user cannot reach: hidden, but their handlers still open their pages.
const QList<ExpectedPage> HiddenPages{
    {"N95", "使用帮助", S + "help/index.asp"},
    {"N98", "建议反馈", S + "feedback.asp"},
};

// A press and release, then the second press arriving as the double-click.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// The press picks what is under the pointer; the window system then asks for the context menu.
void RightClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &menu);
}

}  // namespace

class FrmMainOnlineTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;
    QStringList opened;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    void ChartTheBoy() {
        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("阳历"));
        Pick(Get<QComboBox>("cmb_Year"), "2009");
        Pick(Get<QComboBox>("cmb_Month"), "06");
        Pick(Get<QComboBox>("cmb_Day"), "05");
        Pick(Get<QComboBox>("cmb_Hour"), "08:00 - 08:59");
        Pick(Get<QComboBox>("cmb_Sex"), QStringLiteral("男"));
        Get<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        QTest::mouseClick(Get<QPushButton>("btn_CreateName"), Qt::LeftButton);
        QVERIFY(boxes.NoneShown());
        QCOMPARE(Get<QLabel>("Label108")->text(), QStringLiteral("双子座"));
    }
    // Clicks whatever the component is, as a user would.
    bool Click(const char* component) {
        const QString name = QString::fromLatin1(component);
        if (auto* action = window->findChild<QAction*>(name)) {
            return ClickMenuItem(action);
        }
        if (auto* button = window->findChild<QToolButton*>(name)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
        if (auto* label = window->findChild<QLabel*>(name)) {
            QTest::mouseClick(label, Qt::LeftButton);
            return true;
        }
        return false;
    }
    QString Caption(const char* component) {
        const QString name = QString::fromLatin1(component);
        if (auto* action = window->findChild<QAction*>(name)) {
            return action->text();
        }
        if (auto* button = window->findChild<QToolButton*>(name)) {
            return button->text();
        }
        return Get<QLabel>(component)->text();
    }
    QTreeView* List() { return Get<QTreeView>("listview_Result"); }
    QPoint RowCentre(int row) {
        return List()->visualRect(List()->model()->index(row, 0)).center() + QPoint(60, 0);
    }
    // The analysis address of a listed row of the charted boy.
    QString NameTestOf(int row, const char* dest) {
        const QString caption = List()->model()->index(row, 0).data().toString();
        return F + "QimingTest.asp?xing=王&ming=" + caption.mid(1) +
               "&xingbie=男&xuexing=A&nian=2009&yue=6&ri=5&hh=8&mm=30&ver=20091201&dest=" + dest;
    }

  private slots:
    void init() {
        boxes = {};
        opened.clear();
        ForgetSavedSettings();
        window = ShowMainWindow(boxes);
        QVERIFY(window);
        window->SetPageOpener(
            [this](const std::string& address) { opened << QString::fromStdString(address); });
    }
    void cleanup() { window.reset(); }

    void theMenusHoldThePagesInTheirPlaces() {
        QStringList bar;
        for (QAction* entry : window->menuBar()->actions()) {
            bar << entry->text();
        }
        QCOMPARE(bar, (QStringList{"起名功能", "免费测算", "其他功能", "关于"}));
        QStringList submenus;
        for (QAction* entry : Get<QMenu>("N2")->actions()) {
            QVERIFY(entry->menu());
            submenus << entry->text();
        }
        QCOMPARE(submenus,
                 (QStringList{"热门测算", "免费算命", "星座运程", "生肖运程", "抽签解签",
                              "情侣速配", "民俗预测", "择吉黄历", "趣味测算", "在线排盘"}));
        QStringList about;
        for (QAction* entry : Get<QMenu>("N5")->actions()) {
            about << entry->objectName() + (entry->isVisible() ? "" : " hidden");
        }
        QCOMPARE(about, (QStringList{"N95 hidden", "N96", "N97", "N98 hidden"}));
        for (const char* button : {"sbtn_onlineSM", "sbtn_dict"}) {
            QVERIFY(Get<QToolButton>(button)->isEnabled());
        }
    }

    void everyComponentOpensItsPage() {
        ChartTheBoy();
        QStringList wrong;
        for (const ExpectedPage& page : ExpectedPages) {
            opened.clear();
            if (Caption(page.Component) != page.Caption) {
                wrong << QStringLiteral("%1 is captioned %2")
                             .arg(page.Component, Caption(page.Component));
            }
            if (!Click(page.Component)) {
                wrong << QStringLiteral("%1 cannot be clicked").arg(page.Component);
            } else if (opened != QStringList{page.Address}) {
                wrong << QStringLiteral("%1 opened %2").arg(page.Component, opened.join(" | "));
            }
        }
        for (const ExpectedPage& page : HiddenPages) {
            opened.clear();
            Get<QAction>(page.Component)->trigger();
            if (Caption(page.Component) != page.Caption || opened != QStringList{page.Address}) {
                wrong << QStringLiteral("%1 opened %2").arg(page.Component, opened.join(" | "));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    void theFamilyOriginReadsTheEditAsItStandsAndKeepsItOneValue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("family name")
            << QStringLiteral("王") << F + "sm/sm.asp?sm=8&act=ok&xing=王#body";
        QTest::newRow("blank") << QStringLiteral("  ") << F + "sm/sm.asp?sm=8#body";
        QTest::newRow("empty") << QString() << F + "sm/sm.asp?sm=8#body";
        QTest::newRow("keys and fragment typed")
            << QStringLiteral("王&a=#") << F + "sm/sm.asp?sm=8&act=ok&xing=王%26a%3D%23#body";
    }
    void theFamilyOriginReadsTheEditAsItStandsAndKeepsItOneValue() {
        QFETCH(QString, typed);
        QFETCH(QString, address);
        Get<QLineEdit>("edt_FirstName")->setText(typed);
        QCOMPARE(Get<QLineEdit>("edt_FirstName")->text(), typed);
        QVERIFY(Click("N23"));
        QCOMPARE(opened, QStringList{address});
    }

    void theChartLinksOpenNothingBeforeAChart() {
        // Without a chart the forecasts ask for the first sign.
        QVERIFY(Click("N37"));
        QCOMPARE(opened, QStringList{F + "astro/xzyc.asp?type=week&xz=1"});
        opened.clear();
        for (const char* label : {"Label107", "Label108", "Label36", "Label37"}) {
            QVERIFY(Click(label));
            QTest::mouseMove(Get<QLabel>(label));
            QCOMPARE(Get<QLabel>(label)->cursor().shape(), Qt::ArrowCursor);
        }
        QVERIFY(opened.isEmpty());

        ChartTheBoy();
        QTest::mouseMove(Get<QLabel>("Label108"));
        QTRY_COMPARE(Get<QLabel>("Label108")->cursor().shape(), Qt::PointingHandCursor);
    }

    void theListOpensTheAnalysisOfARow() {
        ChartTheBoy();
        QTreeView* list = List();
        QVERIFY(list->model()->rowCount() > 3);

        QVERIFY(Click("Label37"));
        QCOMPARE(opened, QStringList{NameTestOf(0, "sm3")});

        opened.clear();
        DoubleClick(list->viewport(), RowCentre(2));
        QCOMPARE(opened, QStringList{NameTestOf(2, "sm5")});

        opened.clear();
        RightClick(list->viewport(), RowCentre(3));
        auto* popup = Get<QMenu>("PopupMenu1");
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->actions().first()->objectName(), QStringLiteral("N8"));
        QCOMPARE(popup->actions().first()->text(), QStringLiteral("查看名字属性"));
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(popup->actions().first()).center());
        QCOMPARE(opened, QStringList{NameTestOf(3, "sm5")});
    }

    void withNoRowSelectedTheAnalysisOpensNothing() {
        ChartTheBoy();
        QTreeView* list = List();
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        // Right of the last column there is no row to pick.
        const QPoint blank(list->viewport()->width() - 10, RowCentre(1).y());
        QVERIFY(!list->indexAt(blank).isValid());
        RightClick(list->viewport(), blank);
        auto* popup = Get<QMenu>("PopupMenu1");
        QTRY_VERIFY(popup->isVisible());
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(popup->actions().first()).center());
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        QVERIFY(opened.isEmpty());

        DoubleClick(list->viewport(), blank);
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(FrmMainOnlineTest)
#include "frm_main_online_test.moc"
