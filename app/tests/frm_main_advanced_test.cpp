// The advanced run from the main window: 高级起名 charts the input, then asks for the conditions
// in the filter dialog, which the test answers as a user would while it is shown modally.

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <memory>

#include "app/application_setup.h"
#include "app/frm_main.h"
#include "app/frm_select.h"
#include "app/message_boxes.h"
#include "app/tests/filter_dialog_user.h"
#include "app/tests/window_test_support.h"

class FrmMainAdvancedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }
    QAbstractItemModel* Results() { return Get<QTreeView>("listview_Result")->model(); }
    QStringList Column(int field) {
        QStringList texts;
        for (int row = 0; row < Results()->rowCount(); ++row) {
            // The list pads a one-character name to the width of a two-character one.
            texts << Results()->index(row, field).data().toString().trimmed();
        }
        return texts;
    }

    // Clicks 高级起名 for the family name and name length, and answers the dialog once it shows.
    void RunAdvanced(const QString& family, const QString& length,
                     const std::function<void(DialogUser&)>& answer) {
        Get<QLineEdit>("edt_FirstName")->setText(family);
        auto* lengths = Get<QComboBox>("cmb_NameLength");
        lengths->setCurrentIndex(lengths->findText(length));
        QVERIFY(AnswerFilterDialog(window->findChild<TfrmSelect*>(),
                                   Get<QPushButton>("btn_SelectName"), answer));
    }

  private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init() {
        ForgetSavedSettings();
        window = ShowMainWindow(boxes);
        QVERIFY(window);
    }
    void cleanup() { window.reset(); }

    void aFixedSingleCharacterGivesExactlyThatName() {
        RunAdvanced(QStringLiteral("王"), QStringLiteral("单字"), [](DialogUser& user) {
            user.Click("chk1_1");
            user.Type("edt1_1", QStringLiteral("涛"));
            user.Click("btn_OK");
        });
        QCOMPARE(Column(0), QStringList{QStringLiteral("王涛")});
        QVERIFY(boxes.NoneShown());
    }

    void elementsByMeaningHoldForBothGivenCharacters() {
        RunAdvanced(QStringLiteral("欧阳"), QStringLiteral("双字"), [](DialogUser& user) {
            user.Click("chk2_1");
            user.Click("chk2_11");
            user.Click("chk2_2");
            user.Click("chk2_24");
            user.Click("btn_OK");
        });
        const QStringList patterns = Column(2);
        QVERIFY(!patterns.isEmpty());
        for (const QString& pattern : patterns) {
            QVERIFY2(pattern.endsWith(QStringLiteral("金火")), qPrintable(pattern));
        }
        for (const QString& name : Column(0)) {
            QVERIFY(name.startsWith(QStringLiteral("欧阳")) && name.size() == 4);
        }
    }

    void aCancelledDialogLeavesTheListAsItWas() {
        RunAdvanced(QStringLiteral("王"), QStringLiteral("单字"), [](DialogUser& user) {
            user.Click("chk1_1");
            user.Type("edt1_1", QStringLiteral("涛"));
            user.Click("btn_OK");
        });
        RunAdvanced(QStringLiteral("李"), QStringLiteral("双字"), [](DialogUser& user) {
            user.Click("chk1_1");
            user.Click("btn_Cancel");
        });
        QCOMPARE(Column(0), QStringList{QStringLiteral("王涛")});
        // The chart is drawn for the current input all the same.
        QCOMPARE(Get<QLabel>("Label36")->text(), QStringLiteral("[李]姓的起源"));
    }
};

QTEST_MAIN(FrmMainAdvancedTest)
#include "frm_main_advanced_test.moc"
