// Keeping names in the favourites file and listing them again, driven through the main window
// as a user drives it, each test with a data folder of its own.

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/application_setup.h"
#include "app/dialog_icons.h"
#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"
#include "dict/char_table.h"
#include "results/favorites_file.h"
#include "results/result_row.h"

namespace {

using Entries = std::vector<morvenda::FavoriteEntry>;

morvenda::FamilyCode FamilyOf(const char* glyph) {
    return morvenda::MakeFamilyCode(morvenda::FindCharIndex(glyph), morvenda::CharCount);
}

// One-character names of the first rows of the table, the families taking turns.
Entries Favourites(int count, std::initializer_list<const char*> families) {
    Entries entries;
    const std::vector<const char*> turns(families);
    for (int i = 0; i < count; ++i) {
        entries.push_back({FamilyOf(turns[static_cast<std::size_t>(i) % turns.size()]),
                           morvenda::SingleNameCode((i * 7) % count)});
    }
    return entries;
}

QByteArray Line(const morvenda::FavoriteEntry& entry) {
    return QByteArray::fromStdString(morvenda::FavoriteLine(entry));
}

bool SameIcon(const QIcon& a, const QIcon& b) {
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

}  // namespace

class FrmMainFavoritesTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dataHome;
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    QTreeView* ResultList() { return Get<QTreeView>("listview_Result"); }
    QPushButton* AddButton() { return Get<QPushButton>("btn_AddFavorites"); }
    int RowCount() { return ResultList()->model()->rowCount(); }
    QString Cell(int row, int field) {
        return ResultList()->model()->index(row, field).data().toString();
    }
    // What a row shows in its ten columns.
    QStringList Cells(int row) {
        QStringList cells;
        for (int field = 0; field < 10; ++field) {
            cells << Cell(row, field);
        }
        return cells;
    }
    const morvenda::ResultRow& Row(int position) { return window->Rows().At(position); }
    morvenda::FavoriteEntry EntryOf(int position) {
        return {Row(position).Family, Row(position).Code};
    }
    QString MemoLastLine() {
        return Get<QPlainTextEdit>("mmo_NameList")->toPlainText().split(QLatin1Char('\n')).last();
    }

    QString FilePath() { return dataHome->path() + QStringLiteral("/Morvenda/Favorites.morvenda"); }
    QByteArray FileBytes() {
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            QTest::qFail("the favourites file cannot be read", __FILE__, __LINE__);
            return {};
        }
        return file.readAll();
    }
    QList<QByteArray> FileLines() {
        QList<QByteArray> lines = FileBytes().split('\n');
        lines.removeLast();  // after the last line's break
        for (QByteArray& line : lines) {
            if (line.endsWith('\r')) {
                line.chop(1);
            } else {
                line = "line without CR LF: " + line;
            }
        }
        return lines;
    }
    void WriteFile(const QByteArray& bytes) {
        QDir().mkpath(dataHome->path() + QStringLiteral("/Morvenda"));
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void WriteFile(const Entries& entries, const QList<QByteArray>& extraLines = {}) {
        QByteArray bytes;
        for (const QByteArray& line : extraLines) {
            bytes += line + "\r\n";
        }
        for (const morvenda::FavoriteEntry& entry : entries) {
            bytes += Line(entry) + "\r\n";
        }
        WriteFile(bytes);
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void Generate(const QString& family) {
        auto* edit = Get<QLineEdit>("edt_FirstName");
        edit->clear();
        edit->setFocus();
        Type(edit, family);
        Click(Get<QPushButton>("btn_CreateName"));
    }
    void OpenFavourites() { Click(Get<QToolButton>("sbtn_Favorites")); }
    void ReturnToNaming() { Click(Get<QToolButton>("sbtn_Qiming")); }
    // Ticks rows and returns what each of them shows.
    QList<QStringList> Tick(const QList<int>& rows) {
        QList<QStringList> shown;
        for (const int row : rows) {
            ClickCheckBox(ResultList(), row);
            shown << Cells(row);
        }
        return shown;
    }
    // The popup's 加入收藏夹 on a row, chosen as a user does: select, right click, pick.
    void PopupAddOnRow(int row) {
        ClickRow(ResultList(), row);
        QWidget* viewport = ResultList()->viewport();
        const QPoint at = ResultList()->visualRect(ResultList()->model()->index(row, 3)).center();
        // What the platform delivers for a right click; QTest's mouse events bring no menu.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &rightClick);
        auto* popup = Get<QMenu>("PopupMenu1");
        QTRY_VERIFY(popup->isVisible());
        QAction* entry = Get<QAction>("N9");
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
        QTRY_VERIFY(!popup->isVisible());
    }

  private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init() {
        boxes = {};
        dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(dataHome->isValid());
        qputenv("XDG_DATA_HOME", dataHome->path().toLocal8Bit());
        window = ShowMainWindow(boxes);
        QVERIFY(window);
    }
    void cleanup() {
        window.reset();
        QFile::setPermissions(FilePath(), QFile::ReadOwner | QFile::WriteOwner);
        dataHome.reset();
    }

    // The round trip of a parent who keeps names of two family names on two runs.
    void namesKeptOnTwoRunsListAgainUnderTheirOwnFamilies() {
        Generate(QStringLiteral("王"));
        QCOMPARE(AddButton()->text(), QStringLiteral("收藏所选"));
        const QList<QStringList> wang = Tick({0, 2, 5});
        Click(AddButton());
        Generate(QStringLiteral("李"));
        const QList<QStringList> li = Tick({1, 3});
        Click(AddButton());
        QCOMPARE(FileLines().size(), 5);

        OpenFavourites();
        QVERIFY(boxes.errors.isEmpty());
        QVERIFY(Get<QFrame>("Panel2")->isHidden());
        QVERIFY(Get<QFrame>("Panel4")->isHidden());
        QCOMPARE(Get<QStackedWidget>("pc_Result")->currentIndex(), 1);
        QCOMPARE(AddButton()->text(), QStringLiteral("移出收藏"));
        QVERIFY(SameIcon(AddButton()->icon(), CancelButtonIcon()));
        QCOMPARE(RowCount(), 5);
        // Every kept row shows what it showed when it was kept: caption, grids and all.
        QList<QStringList> listed;
        int underWang = 0;
        for (int row = 0; row < RowCount(); ++row) {
            listed << Cells(row);
            const std::string& family = Row(row).Fields[15];
            QVERIFY(family == "王" || family == "李");
            QVERIFY(Cell(row, 0).startsWith(QString::fromStdString(family)));
            underWang += family == "王";
        }
        QCOMPARE(underWang, 3);
        QList<QStringList> kept = wang + li;
        std::sort(kept.begin(), kept.end());
        std::sort(listed.begin(), listed.end());
        QCOMPARE(listed, kept);
        QCOMPARE(Get<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 5 个名字"));

        // Back to naming: the input returns and the favourites stay listed until the next run.
        ReturnToNaming();
        QVERIFY(!Get<QFrame>("Panel2")->isHidden());
        QVERIFY(!Get<QFrame>("Panel4")->isHidden());
        QCOMPARE(AddButton()->text(), QStringLiteral("加入收藏"));
        QVERIFY(SameIcon(AddButton()->icon(), Get<QToolButton>("sbtn_Favorites")->icon()));
        QCOMPARE(RowCount(), 5);
    }

    void aFirstVisitListsNothing() {
        OpenFavourites();
        QVERIFY(boxes.errors.isEmpty());
        QCOMPARE(RowCount(), 0);
        QCOMPARE(Get<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 0 个名字"));
        QCOMPARE(MemoLastLine(), QStringLiteral("查询共取得 0 个名字"));
        QCOMPARE(QFileInfo(FilePath()).size(), 0);
        QVERIFY(QFileInfo(FilePath()).isFile());
    }

    void addingTwiceLeavesTheFileUnchanged() {
        Generate(QStringLiteral("王"));
        Tick({0, 2});
        Click(AddButton());
        QList<QByteArray> expected{Line(EntryOf(0)), Line(EntryOf(2))};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(FileLines(), expected);
        const QByteArray once = FileBytes();

        Click(AddButton());
        QCOMPARE(FileBytes(), once);
        QCOMPARE(window->Rows().CheckedPositions(), (std::vector<int>{0, 2}));
    }

    // After the favourites were listed, adding in naming mode keeps each row under the family it
    // was listed with, not the one in the edit.
    void addingListedFavouritesKeepsTheirFamilies() {
        const Entries entries = Favourites(4, {"王", "李"});
        WriteFile(entries);
        OpenFavourites();
        ReturnToNaming();
        Type(Get<QLineEdit>("edt_FirstName"), QStringLiteral("张"));
        WriteFile(QByteArray());
        Tick({0, 1, 2, 3});
        Click(AddButton());

        QVERIFY(boxes.errors.isEmpty());
        QList<QByteArray> expected;
        for (const morvenda::FavoriteEntry& entry : entries) {
            expected << Line(entry);
        }
        std::sort(expected.begin(), expected.end());
        QCOMPARE(FileLines(), expected);
    }

    void removingTwoOfFiveKeepsTheOtherThree() {
        const Entries five = Favourites(5, {"王", "李"});
        WriteFile(five);
        OpenFavourites();
        QCOMPARE(RowCount(), 5);
        QList<QByteArray> stay;
        QStringList stayCaptions;
        for (const int row : {2, 3, 4}) {
            stay << Line(EntryOf(row));
            stayCaptions << Cell(row, 0);
        }
        std::sort(stay.begin(), stay.end());
        Tick({0, 1});
        Click(AddButton());

        QCOMPARE(FileLines(), stay);
        QCOMPARE(RowCount(), 3);
        QCOMPARE((QStringList{Cell(0, 0), Cell(1, 0), Cell(2, 0)}), stayCaptions);
        QCOMPARE(Get<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 3 个名字"));
        QCOMPARE(MemoLastLine(), QStringLiteral("查询共取得 3 个名字"));
        const QByteArray file = FileBytes();
        QVERIFY(file.contains(QByteArray::number(FamilyOf("王") + 73) + ','));
        QVERIFY(file.contains(QByteArray::number(FamilyOf("李") + 73) + ','));
    }

    void thePopupEntryAddsOrRemovesTheRowItIsChosenOn() {
        Generate(QStringLiteral("王"));
        PopupAddOnRow(4);
        QCOMPARE(FileLines(), QList<QByteArray>{Line(EntryOf(4))});
        QCOMPARE(window->Rows().CheckedPositions(), std::vector<int>{4});

        WriteFile(Favourites(3, {"王"}));
        OpenFavourites();
        const morvenda::FavoriteEntry removed = EntryOf(1);
        PopupAddOnRow(1);
        QCOMPARE(RowCount(), 2);
        QCOMPARE(FileLines().size(), 2);
        QVERIFY(!FileLines().contains(Line(removed)));
    }

    // Only the first 2000 names can be listed, and lines no listing shows are kept through a
    // removal, as they were.
    void aRemovalKeepsEveryLineItWasNotAskedToRemove() {
        const QList<QByteArray> bad{"", "7300", "abc,def", "99999999999999999999,39", "7301,39"};
        const Entries many = Favourites(2500, {"王", "李", "欧"});
        WriteFile(many, bad);
        OpenFavourites();
        QCOMPARE(RowCount(), 2000);
        QCOMPARE(EntryOf(0), many[0]);
        QCOMPARE(EntryOf(1999), many[1999]);

        Tick({0, 1999});
        Click(AddButton());
        QCOMPARE(RowCount(), 1998);
        QList<QByteArray> expected = bad;
        for (std::size_t i = 1; i < 1999; ++i) {
            expected << Line(many[i]);
        }
        for (std::size_t i = 2000; i < many.size(); ++i) {
            expected << Line(many[i]);
        }
        std::sort(expected.begin(), expected.end());
        QCOMPARE(FileLines(), expected);
    }

    void aFileThatCannotBeWrittenStaysAsItWas_data() {
        QTest::addColumn<bool>("favouritesMode");
        QTest::newRow("adding") << false;
        QTest::newRow("removing") << true;
    }
    void aFileThatCannotBeWrittenStaysAsItWas() {
        QFETCH(bool, favouritesMode);
        WriteFile(Favourites(3, {"李"}));
        const QByteArray before = FileBytes();
        QFile::setPermissions(FilePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (favouritesMode) {
            OpenFavourites();
        } else {
            Generate(QStringLiteral("王"));
        }
        const int rows = RowCount();
        Tick({0});
        Click(AddButton());

        QCOMPARE(boxes.errors,
                 QStringList{QStringLiteral("无法保存收藏夹：%1（没有权限，或文件是只读的）")
                                 .arg(QDir::cleanPath(FilePath()))});
        QCOMPARE(FileBytes(), before);
        QCOMPARE(RowCount(), rows);
        QCOMPARE(QDir(dataHome->path() + QStringLiteral("/Morvenda")).entryList(QDir::Files),
                 (QStringList{"config.ini", "Favorites.morvenda"}));
    }

    void aFileThatCannotBeReadLeavesTheListAsItWas() {
        Generate(QStringLiteral("王"));
        const QStringList firstRow = Cells(0);
        QDir().mkpath(FilePath());
        OpenFavourites();

        QCOMPARE(boxes.errors, QStringList{QStringLiteral("无法读取收藏夹：%1（这是一个文件夹）")
                                               .arg(QDir::cleanPath(FilePath()))});
        QVERIFY(!Get<QFrame>("Panel2")->isHidden());
        QCOMPARE(AddButton()->text(), QStringLiteral("收藏所选"));
        QCOMPARE(Cells(0), firstRow);
    }
};

QTEST_MAIN(FrmMainFavoritesTest)
#include "frm_main_favorites_test.moc"
