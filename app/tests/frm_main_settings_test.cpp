// The settings file from the user's side: a run saves the input and the filter conditions, the
// next start shows them again, and nothing else writes the file.

#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "app/application_setup.h"
#include "app/frm_main.h"
#include "app/frm_select.h"
#include "app/qt_text.h"
#include "app/tests/filter_dialog_user.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"
#include "chart/birth_date_lists.h"
#include "dict/radical_table.h"
#include "settings/program_settings.h"

namespace {

namespace fs = std::filesystem;

std::string FileBytes() {
    std::ifstream in(morvenda::SettingsFilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFile(const std::string& bytes) {
    fs::create_directories(morvenda::SettingsFilePath().parent_path());
    std::ofstream(morvenda::SettingsFilePath(), std::ios::binary) << bytes;
}

// What a control shows: a list's text or, asked for a number, its item index; an edit's text;
// a box's tick; a spin edit's value.
QVariant Shown(QWidget* widget, const QVariant& like) {
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        return like.typeId() == QMetaType::Int ? QVariant(list->currentIndex())
                                               : QVariant(list->currentText());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        return box->isChecked();
    }
    return qobject_cast<QSpinBox*>(widget)->value();
}

using Expectations = QList<QPair<QString, QVariant>>;

}  // namespace

class FrmMainSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dataHome;
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    QAbstractItemModel* Results() { return Get<QTreeView>("listview_Result")->model(); }
    QStringList ListedNames() {
        QStringList names;
        for (int row = 0; row < Results()->rowCount(); ++row) {
            names << Results()->index(row, 0).data().toString();
        }
        return names;
    }

    // A new start of the program on the same data folder.
    void Start() {
        window.reset();
        window = ShowMainWindow(boxes);
        QVERIFY(window);
    }
    void TypeFamilyName(const QString& family) {
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, family);
    }
    void Click(const char* button) { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    // Clicks 高级起名 and answers the dialog once it shows.
    void RunAdvanced(const std::function<void(DialogUser&)>& answer) {
        QVERIFY(AnswerFilterDialog(window->findChild<TfrmSelect*>(),
                                   Get<QPushButton>("btn_SelectName"), answer));
    }
    void VerifyShown(const Expectations& expected) {
        for (const auto& [name, value] : expected) {
            QWidget* widget = Component<QWidget>(window.get(), qPrintable(name));
            QCOMPARE(Shown(widget, value), value);
        }
    }

  private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init() {
        boxes = {};
        dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(dataHome->isValid());
        qputenv("XDG_DATA_HOME", dataHome->path().toLocal8Bit());
    }
    void cleanup() {
        window.reset();
        std::error_code ignored;
        fs::permissions(morvenda::SettingsFilePath(), fs::perms::owner_all, ignored);
        fs::permissions(morvenda::SettingsFilePath().parent_path(), fs::perms::owner_all, ignored);
        dataHome.reset();
    }

    void theFirstStartShowsTheDefaultsAndTheFirstRunWritesEveryKey_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("简单起名") << "btn_CreateName";
        QTest::newRow("高级起名") << "btn_SelectName";
        QTest::newRow("诗词起名") << "btn_PoetryName";
    }
    void theFirstStartShowsTheDefaultsAndTheFirstRunWritesEveryKey() {
        QFETCH(QString, button);
        Start();
        QVERIFY(fs::is_regular_file(morvenda::SettingsFilePath()));
        QCOMPARE(FileBytes(), std::string());
        VerifyShown({{"cmb_NameLength", QStringLiteral("单字")},
                     {"cmb_Sex", QStringLiteral("男")},
                     {"cmb_CalendarType", QStringLiteral("阳历")},
                     {"cmb_Year", QStringLiteral("2024")},
                     {"cmb_Month", QStringLiteral("01")},
                     {"cmb_Day", QStringLiteral("01")},
                     {"cmb_Hour", QStringLiteral("未知")},
                     {"sedt5_11", 1},
                     {"cmb6_1A", QStringLiteral("一画")},
                     {"cmb6_1B", 0}});

        TypeFamilyName(QStringLiteral("欧阳"));
        if (button == "btn_SelectName") {
            RunAdvanced([](DialogUser& user) { user.Click("btn_OK"); });
        } else {
            Click(qPrintable(button));
        }
        QVERIFY(Results()->rowCount() > 0);
        const std::string bytes = FileBytes();
        QCOMPARE(bytes, morvenda::SerializeSettings(
                            morvenda::ParseSettings(bytes, morvenda::YearItemIndex(2024))));
        // Exactly the two sections and their 8 and 66 keys, in the order of a file with
        // nothing set, and the family name in GBK (欧阳 is C5 B7 D1 F4).
        QStringList keys;
        for (const QByteArray& line : QByteArray::fromStdString(bytes).split('\n')) {
            if (!line.isEmpty()) {
                keys << QString::fromLatin1(line.left(line.indexOf('=')));
            }
        }
        QStringList expected;
        const morvenda::ProgramSettings nothingSet;
        for (const QByteArray& line :
             QByteArray::fromStdString(morvenda::SerializeSettings(nothingSet)).split('\n')) {
            if (!line.isEmpty()) {
                expected << QString::fromLatin1(line.left(line.indexOf('=')));
            }
        }
        QCOMPARE(keys, expected);
        QCOMPARE(keys.size(), 2 + 8 + 66);
        QVERIFY(bytes.starts_with("[Birthday]\nfirstName=\xC5\xB7\xD1\xF4\nNameLength=0\n"));
        QVERIFY(!keys.contains(QStringLiteral("rg_Jiti")));
        QVERIFY(!keys.contains(QStringLiteral("chk_PoetryFilter")));
    }

    // Every kind of control away from what a first start shows, saved by an advanced run and
    // shown again by the next start.
    void everyControlComesBackAtTheNextStart() {
        Start();
        TypeFamilyName(QStringLiteral("欧阳"));
        Pick(Get<QComboBox>("cmb_NameLength"), QStringLiteral("单字"));
        Pick(Get<QComboBox>("cmb_Sex"), QStringLiteral("女"));
        Pick(Get<QComboBox>("cmb_CalendarType"), QStringLiteral("农历"));
        Pick(Get<QComboBox>("cmb_Year"), QStringLiteral("2020"));
        Pick(Get<QComboBox>("cmb_Month"), QStringLiteral("闰四月"));
        Pick(Get<QComboBox>("cmb_Day"), QStringLiteral("十五"));
        Pick(Get<QComboBox>("cmb_Hour"), QStringLiteral("13:00 - 13:59"));
        const QString radical = ToQString(morvenda::RadicalsWithStrokes(11).at(2));
        RunAdvanced([&](DialogUser& user) {
            for (const char* box : {"chk2_1", "chk2_11", "chk2_2", "chk2_24", "chk2_3", "chk2_35",
                                    "chk3_1", "chk3_12", "chk3_2", "chk3_23", "chk3_3", "chk3_31",
                                    "chk4_1", "chk5_1", "chk6_1", "chk1_3"}) {
                user.Click(box);
            }
            user.Type("edt4_1", QStringLiteral("hua"));
            user.Type("edt1_3", QStringLiteral("明"));
            user.TypeNumber("sedt5_11", 3);
            user.TypeNumber("sedt5_12", 12);
            user.Pick("cmb6_1A", QStringLiteral("十一画"));
            user.Pick("cmb6_1B", radical);
            // Set, then left behind by unticking its row: it is kept all the same.
            user.Click("chk5_2");
            user.TypeNumber("sedt5_22", -4);
            user.Click("chk5_2");
            user.Click("btn_OK");
        });
        QVERIFY(boxes.NoneShown());
        const std::string saved = FileBytes();
        QVERIFY(!saved.empty());

        Start();
        const Expectations restored{
            {"edt_FirstName", QStringLiteral("欧阳")},
            {"cmb_NameLength", QStringLiteral("单字")},
            {"cmb_Sex", QStringLiteral("女")},
            {"cmb_CalendarType", QStringLiteral("农历")},
            {"cmb_Year", QStringLiteral("2020")},
            {"cmb_Month", QStringLiteral("闰四月")},
            {"cmb_Day", QStringLiteral("十五")},
            {"cmb_Hour", QStringLiteral("13:00 - 13:59")},
            {"chk2_1", true},
            {"chk2_11", true},
            {"chk2_12", false},
            {"chk2_24", true},
            {"chk2_35", true},
            {"chk3_12", true},
            {"chk3_23", true},
            {"chk3_31", true},
            {"chk3_3", true},
            {"chk1_3", true},
            {"chk1_1", false},
            {"chk5_2", false},
            {"edt4_1", QStringLiteral("hua")},
            {"edt1_3", QStringLiteral("明")},
            {"sedt5_11", 3},
            {"sedt5_12", 12},
            {"sedt5_22", -4},
            {"sedt5_31", 1},
            {"cmb6_1A", QStringLiteral("十一画")},
            {"cmb6_1B", radical},
            {"cmb6_2A", QStringLiteral("一画")},
            {"cmb6_2B", 0},
        };
        VerifyShown(restored);

        // The dialog shows the restored rows usable and the others not; the same input saved
        // again makes the same file.
        bool rowsAsRestored = false;
        RunAdvanced([&](DialogUser& user) {
            rowsAsRestored =
                Get<QCheckBox>("chk2_11")->isEnabled() && !Get<QLineEdit>("edt4_1")->isHidden() &&
                Get<QComboBox>("cmb6_1B")->isEnabled() && !Get<QSpinBox>("sedt5_22")->isEnabled() &&
                !Get<QComboBox>("cmb6_2A")->isEnabled();
            user.Click("btn_OK");
        });
        QVERIFY(rowsAsRestored);
        QCOMPARE(FileBytes(), saved);
    }

    void aFileOfAnyContentLoadsWhatItCan_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Expectations>("expected");
        QTest::addColumn<QStringList>("disabled");
        const QByteArray wang = "\xCD\xF5";  // 王 in GBK
        QTest::newRow("year item 60") << QByteArray("[Birthday]\nYear=60\n")
                                      << Expectations{{"cmb_Year", QStringLiteral("2009")},
                                                      {"cmb_Month", QStringLiteral("01")},
                                                      {"cmb_Day", QStringLiteral("01")},
                                                      {"cmb_Hour", QStringLiteral("未知")}}
                                      << QStringList{};
        // Without a year the lunar months cannot be built; the load ends there.
        QTest::newRow("lunar year item 95")
            << QByteArray("[Birthday]\nfirstName=" + wang +
                          "\nNameLength=1\nCalendarType=1\nYear=95\nMonth=3\nDay=4\nHour=5\n"
                          "[Select]\nchk1_1=1\nsedt5_11=7\n")
            << Expectations{{"edt_FirstName", QStringLiteral("王")},
                            {"cmb_NameLength", QStringLiteral("双字")},
                            {"cmb_CalendarType", QStringLiteral("农历")},
                            {"cmb_Year", -1},
                            {"cmb_Month", -1},
                            {"cmb_Hour", -1},
                            {"chk1_1", false},
                            {"sedt5_11", 1}}
            << QStringList{};
        QTest::newRow("solar year item 95")
            << QByteArray("[Birthday]\nYear=95\nMonth=3\nHour=5\n[Select]\nchk1_1=1\n")
            << Expectations{{"cmb_Year", -1},
                            {"cmb_Month", QStringLiteral("04")},
                            {"cmb_Hour", QStringLiteral("04:00 - 04:59")},
                            {"chk1_1", true}}
            << QStringList{};
        QTest::newRow("indices outside the lists and no numbers")
            << QByteArray(
                   "[Birthday]\nNameLength=7\nSex=x\nCalendarType=-1\nYear=1.5\n"
                   "Day=99999999999999999999\nHour=25\n")
            << Expectations{{"cmb_NameLength", -1},
                            {"cmb_Sex", QStringLiteral("男")},
                            {"cmb_CalendarType", -1},
                            {"cmb_Year", QStringLiteral("2024")},
                            {"cmb_Day", QStringLiteral("01")},
                            {"cmb_Hour", -1}}
            << QStringList{};
        QTest::newRow("the dialog's values")
            << QByteArray(
                   "[Select]\nchk2_1=-3\nchk2_11=yes\nchk2_12=2\nsedt5_11=abc\n"
                   "sedt5_12=-7\ncmb6_2A=20\ncmb6_2B=0\ncmb6_3A=2\ncmb6_3B=99\n"
                   "cmb6_1A=10\ncmb6_1B=1\nedt4_1=\xFF\xFF\nedt4_2=zhang\n")
            << Expectations{{"chk2_1", true},
                            {"chk2_11", false},
                            {"chk2_12", true},
                            {"sedt5_11", 1},
                            {"sedt5_12", -7},
                            {"cmb6_2A", -1},
                            {"cmb6_2B", -1},
                            {"cmb6_3A", QStringLiteral("三画")},
                            {"cmb6_3B", -1},
                            {"cmb6_1A", QStringLiteral("十一画")},
                            {"cmb6_1B", 1},
                            {"edt4_1", QString()},
                            {"edt4_2", QStringLiteral("zhang")}}
            << QStringList{};
        // Texts no one could type there: longer than the family name's six GBK bytes, two
        // characters for one, letters where only a character goes, a digit in a pinyin edit.
        QTest::newRow("texts the edits refuse")
            << QByteArray("[Birthday]\nfirstName=" + wang + wang + wang + wang +
                          "\n[Select]\nedt1_1=" + wang + wang + "\nedt1_2=" + wang +
                          "\nedt4_1=zhang1\nedt4_2=wang\n")
            << Expectations{{"edt_FirstName", QString()},
                            {"edt1_1", QString()},
                            {"edt1_2", QStringLiteral("王")},
                            {"edt4_1", QString()},
                            {"edt4_2", QStringLiteral("wang")}}
            << QStringList{};
        QTest::newRow("a line of 10 MB")
            << QByteArray("[Select]\nedt4_1=" + QByteArray(10 << 20, 'a') + "\nchk4_1=1\n")
            << Expectations{{"chk4_1", true}} << QStringList{};
        QTest::newRow("keys in another case, CR LF, a section twice")
            << QByteArray(
                   "[birthday]\r\nSEX=1\r\n[Select]\r\nCHK1_2=1\r\n[BIRTHDAY]\r\n"
                   "year=60\r\n")
            << Expectations{{"cmb_Sex", QStringLiteral("女")},
                            {"cmb_Year", QStringLiteral("2009")},
                            {"chk1_2", true}}
            << QStringList{"chk2_2", "chk3_2", "chk4_2", "chk5_2", "chk6_2"};
    }
    void aFileOfAnyContentLoadsWhatItCan() {
        QFETCH(QByteArray, file);
        QFETCH(Expectations, expected);
        QFETCH(QStringList, disabled);
        PutFile(file.toStdString());
        Start();
        VerifyShown(expected);
        // A box the file ticks runs the row rule as a click would.
        for (const QString& name : disabled) {
            QVERIFY2(!Component<QWidget>(window.get(), qPrintable(name))->isEnabled(),
                     qPrintable(name));
        }
        QVERIFY(boxes.NoneShown());
        QCOMPARE(FileBytes(), file.toStdString());
    }

    void aFileOfRandomBytesStartsAndRuns() {
        std::mt19937 random(7);
        std::string noise(1 << 16, '\0');
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        PutFile(noise);
        Start();
        TypeFamilyName(QStringLiteral("王"));
        Pick(Get<QComboBox>("cmb_NameLength"), QStringLiteral("单字"));
        Click("btn_CreateName");
        QVERIFY(Results()->rowCount() > 0);
        QVERIFY(boxes.NoneShown());
        QVERIFY(FileBytes().starts_with("[Birthday]\nfirstName=\xCD\xF5\n"));
    }

    void aFileThatCannotBeWrittenIsLeftWholeWithoutAMessage_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("read-only file") << "file";
        QTest::newRow("read-only folder") << "folder";
        QTest::newRow("a file where the folder should be") << "no folder";
    }
    void aFileThatCannotBeWrittenIsLeftWholeWithoutAMessage() {
        QFETCH(QString, blocked);
        const fs::path folder = morvenda::SettingsFilePath().parent_path();
        std::string before;
        if (blocked == "no folder") {
            fs::create_directories(folder.parent_path());
            std::ofstream(folder.parent_path() / "Morvenda") << "x";
        } else {
            if (blocked == "folder" && ::geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            PutFile("[Birthday]\nSex=1\n");
            before = FileBytes();
            fs::permissions(blocked == "file" ? morvenda::SettingsFilePath() : folder,
                            fs::perms::owner_read | fs::perms::owner_exec);
        }
        Start();
        TypeFamilyName(QStringLiteral("李"));
        Click("btn_CreateName");
        QVERIFY(Results()->rowCount() > 0);
        QVERIFY(boxes.NoneShown());
        QCOMPARE(FileBytes(), before);
        if (blocked != "no folder") {
            QCOMPARE(static_cast<int>(std::distance(fs::directory_iterator(folder), {})), 1);
        }
    }

    void aCancelledDialogAndClosingTheWindowWriteNothing() {
        Start();
        TypeFamilyName(QStringLiteral("王"));
        Click("btn_CreateName");
        const QStringList listed = ListedNames();
        const std::string saved = FileBytes();
        QVERIFY(!saved.empty());

        Pick(Get<QComboBox>("cmb_Sex"), QStringLiteral("女"));
        TypeFamilyName(QStringLiteral("李"));
        RunAdvanced([](DialogUser& user) {
            user.Click("chk4_1");
            user.Type("edt4_1", QStringLiteral("tao"));
            user.Click("btn_Cancel");
        });
        QCOMPARE(ListedNames(), listed);
        QCOMPARE(FileBytes(), saved);

        Pick(Get<QComboBox>("cmb_Hour"), QStringLiteral("05:00 - 05:59"));
        QVERIFY(window->close());
        window.reset();
        QCOMPARE(FileBytes(), saved);
    }
};

QTEST_MAIN(FrmMainSettingsTest)
#include "frm_main_settings_test.moc"
