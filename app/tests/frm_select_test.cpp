// The filter dialog driven as a user drives it: clicking its boxes and buttons, typing into its
// edits and picking list items with the keyboard.

#include "app/frm_select.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/application_setup.h"
#include "app/qt_text.h"
#include "app/tests/window_test_support.h"
#include "dict/radical_table.h"

namespace {

// Chinese text arrives the way an input method delivers it: one committed string.
void Type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

}  // namespace

class FrmSelectTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TfrmSelect> dialog;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(dialog.get(), name);
    }

    // Shows the dialog's page holding the control, then clicks it.
    void Click(const char* name) {
        QWidget* widget = Get<QWidget>(name);
        auto* pages = Get<QTabWidget>("PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget)) {
                pages->setCurrentIndex(i);
            }
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

    bool Ticked(const char* name) { return Get<QCheckBox>(name)->isChecked(); }
    // What the row rule changes: edits are shown or hidden, the other members enabled.
    bool Usable(const char* name) {
        QWidget* widget = Get<QWidget>(name);
        return qobject_cast<QLineEdit*>(widget) ? !widget->isHidden() : widget->isEnabled();
    }

  private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init() {
        dialog = std::make_unique<TfrmSelect>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup() { dialog.reset(); }

    void opensOnTheMeaningElementsPageWithEveryCaptionWhole() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("设置筛选条件"));
        QCOMPARE(Get<QTabWidget>("PageControl1")->currentWidget()->objectName(),
                 QStringLiteral("TabSheet2"));
        QVERIFY(dialog->width() >= 408 && dialog->height() >= 237);
        for (int tab = 0; tab < 6; ++tab) {
            Get<QTabWidget>("PageControl1")->setCurrentIndex(tab);
            for (QWidget* widget : dialog->findChildren<QWidget*>()) {
                const bool captioned = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                       qobject_cast<QLabel*>(widget) != nullptr;
                if (captioned && widget->isVisible()) {
                    QVERIFY2(widget->width() >= widget->sizeHint().width(),
                             qPrintable(widget->objectName()));
                }
            }
        }
    }

    void theRowBoxMakesItsMembersUsable_data() {
        QTest::addColumn<QString>("rowBox");
        QTest::addColumn<QStringList>("members");
        QTest::newRow("fixed character") << "chk1_1" << QStringList{"edt1_1"};
        QTest::newRow("meaning elements")
            << "chk2_1" << QStringList{"chk2_11", "chk2_12", "chk2_13", "chk2_14", "chk2_15"};
        QTest::newRow("radical elements, whole name (Tag 10)")
            << "chk3_3" << QStringList{"chk3_31", "chk3_32", "chk3_33", "chk3_34", "chk3_35"};
        QTest::newRow("pinyin") << "chk4_2" << QStringList{"edt4_2"};
        QTest::newRow("stroke range") << "chk5_3" << QStringList{"sedt5_31", "sedt5_32"};
        QTest::newRow("radical") << "chk6_2" << QStringList{"cmb6_2A", "cmb6_2B"};
    }
    void theRowBoxMakesItsMembersUsable() {
        QFETCH(QString, rowBox);
        QFETCH(QStringList, members);
        const QByteArray box = rowBox.toLatin1();
        for (const QString& member : members) {
            QVERIFY(!Usable(member.toLatin1()));
        }
        Click(box);
        QVERIFY(Ticked(box));
        for (const QString& member : members) {
            QVERIFY2(Usable(member.toLatin1()), qPrintable(member));
        }
        // The neighbouring row keeps its members out of use.
        const QByteArray neighbour = rowBox.left(5).toLatin1() + (rowBox.endsWith('2') ? "1" : "2");
        QVERIFY(!Ticked(neighbour));
        Click(box);
        for (const QString& member : members) {
            QVERIFY(!Usable(member.toLatin1()));
        }
    }

    void unTickingARowKeepsItsElementBoxes() {
        Click("chk2_1");
        Click("chk2_14");
        Click("chk2_1");
        QVERIFY(!Get<QCheckBox>("chk2_14")->isEnabled());
        QVERIFY(Ticked("chk2_14"));
    }

    void aFixedCharacterTakesThePlaceOfTheOtherTabsRows() {
        Click("chk2_1");
        Click("chk5_1");
        Click("chk1_1");
        for (const char* box : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
            QVERIFY2(!Ticked(box) && !Get<QCheckBox>(box)->isEnabled(), box);
        }
        QVERIFY(!Usable("chk2_11"));
        QVERIFY(!Usable("sedt5_11"));
        QVERIFY(Get<QCheckBox>("chk2_2")->isEnabled());
        Click("chk1_1");
        for (const char* box : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
            QVERIFY2(!Ticked(box) && Get<QCheckBox>(box)->isEnabled(), box);
        }
        QVERIFY(!Usable("chk2_11"));

        Click("chk1_2");
        QVERIFY(!Get<QCheckBox>("chk6_2")->isEnabled());
        QVERIFY(Get<QCheckBox>("chk6_1")->isEnabled());
    }

    void theStrokeGroupFillsItsRadicalList() {
        auto* groups = Get<QComboBox>("cmb6_2A");
        QCOMPARE(groups->count(), 15);
        QCOMPARE(groups->itemText(0), QStringLiteral("一画"));
        QCOMPARE(groups->itemText(14), QStringLiteral("十五画"));
        QCOMPARE(Get<QComboBox>("cmb6_2B")->count(), 0);
        Click("chk6_2");
        groups->setFocus();
        QTest::keyClick(groups, Qt::Key_Down);
        QTest::keyClick(groups, Qt::Key_Down);
        QCOMPARE(groups->currentText(), QStringLiteral("三画"));
        auto* radicals = Get<QComboBox>("cmb6_2B");
        QCOMPARE(radicals->count(), 44);
        QCOMPARE(radicals->currentText(), QStringLiteral("艹"));
        QCOMPARE(Get<QComboBox>("cmb6_1B")->count(), 0);

        const morvenda::ConditionRow row =
            dialog->Conditions().Row(morvenda::ConditionPlace::SecondChar);
        QVERIFY(row.Radical.On);
        QCOMPARE(row.Radical.Value.StrokeGroup, 2);
        QCOMPARE(row.Radical.Value.Glyph, std::string("艹"));
    }

    void theCharacterEditsTakeOneCharacterAndThePinyinEditsLetters_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one character") << "edt1_2" << QStringLiteral("华") << true;
        QTest::newRow("two characters") << "edt1_2" << QStringLiteral("华夏") << false;
        QTest::newRow("outside GBK") << "edt1_3" << QStringLiteral("😀") << false;
        QTest::newRow("letters") << "edt4_1" << QStringLiteral("hua") << true;
        QTest::newRow("a character as pinyin") << "edt4_1" << QStringLiteral("华") << false;
        QTest::newRow("digits as pinyin") << "edt4_3" << QStringLiteral("hua2") << false;
    }
    void theCharacterEditsTakeOneCharacterAndThePinyinEditsLetters() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const QByteArray name = edit.toLatin1();
        Click(name.left(4).replace("edt", "chk") + name.right(2));
        Type(Get<QLineEdit>(name), text);
        QCOMPARE(Get<QLineEdit>(name)->text() == text, accepted);
    }

    void okTrimsTheEditsAndHandsOverTheConditions() {
        Click("chk1_1");
        Type(Get<QLineEdit>("edt1_1"), QStringLiteral(" 华 "));
        Click("chk2_2");
        Click("chk2_21");
        Click("chk2_24");
        Click("chk5_3");
        auto* from = Get<QSpinBox>("sedt5_31");
        from->setFocus();
        from->selectAll();
        QTest::keyClicks(from, "-3");
        Click("btn_OK");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(Get<QLineEdit>("edt1_1")->text(), QStringLiteral("华"));

        const morvenda::FilterConditions conditions = dialog->Conditions();
        const auto& first = conditions.Row(morvenda::ConditionPlace::FirstChar);
        QVERIFY(first.Glyph.On);
        QCOMPARE(first.Glyph.Value, std::string("华"));
        const auto& second = conditions.Row(morvenda::ConditionPlace::SecondChar);
        QVERIFY(second.MeaningElements.On);
        QCOMPARE(second.MeaningElements.Value, morvenda::Element::Metal | morvenda::Element::Fire);
        const auto& whole = conditions.Row(morvenda::ConditionPlace::WholeName);
        QVERIFY(whole.Strokes.On);
        QCOMPARE(whole.Strokes.Value.From, -3);
        QCOMPARE(conditions.StrokeCount, morvenda::StrokeKind::Simplified);
    }

    void resetUnticksEveryBoxAndKeepsTheValues() {
        Click("chk4_1");
        Type(Get<QLineEdit>("edt4_1"), QStringLiteral("tao"));
        Click("chk3_2");
        Click("chk3_23");
        Click("chk5_1");
        Get<QSpinBox>("sedt5_12")->setFocus();
        Get<QSpinBox>("sedt5_12")->selectAll();
        QTest::keyClicks(Get<QSpinBox>("sedt5_12"), "12");
        Click("rg_fanti");
        Click("btn_Reset");
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        }
        QVERIFY(!Usable("edt4_1"));
        QCOMPARE(Get<QLineEdit>("edt4_1")->text(), QStringLiteral("tao"));
        QCOMPARE(Get<QSpinBox>("sedt5_11")->value(), 1);
        QCOMPARE(Get<QSpinBox>("sedt5_12")->value(), 12);
        QCOMPARE(dialog->Conditions().StrokeCount, morvenda::StrokeKind::Kangxi);
    }

    void cancelKeepsTheChangesForTheNextShowing() {
        Click("chk4_3");
        Type(Get<QLineEdit>("edt4_3"), QStringLiteral("ming"));
        Click("btn_Cancel");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        const morvenda::FilterConditions afterCancel = dialog->Conditions();
        dialog->show();
        QVERIFY(Ticked("chk4_3"));
        QVERIFY(Usable("edt4_3"));
        QCOMPARE(Get<QLineEdit>("edt4_3")->text(), QStringLiteral("ming"));
        QCOMPARE(Get<QTabWidget>("PageControl1")->currentWidget()->objectName(),
                 QStringLiteral("TabSheet4"));
        QVERIFY(afterCancel.Row(morvenda::ConditionPlace::WholeName).Pinyin.On);
        QCOMPARE(afterCancel.Row(morvenda::ConditionPlace::WholeName).Pinyin.Value,
                 std::string("ming"));
    }

    void theRowBoxesCarryTheirHints() {
        QCOMPARE(Get<QCheckBox>("chk1_3")->toolTip(),
                 QStringLiteral("名字里必须含某个字（不包括姓）"));
        QCOMPARE(Get<QCheckBox>("chk3_3")->toolTip(),
                 QStringLiteral("名字里必须含五行（不包括姓）"));
        QVERIFY(Get<QCheckBox>("chk3_1")->toolTip().isEmpty());
    }
};

QTEST_MAIN(FrmSelectTest)
#include "frm_select_test.moc"
