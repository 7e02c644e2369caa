// The program's message boxes as a user meets them: read, then closed with their one button.

#include "app/message_boxes.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/application_setup.h"

namespace {

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    Qt::WindowFlags flags;
    int width = 0;
    int titleWidth = 0;
};

// Waits for the box to open, notes what it shows and presses its button as a user would.
void AnswerTheBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerTheBox(seen);
            return;
        }
        QTRY_VERIFY(box->isVisible());
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.flags = box->windowFlags();
        seen.width = box->width();
        seen.titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    });
}

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(*qApp); }

    void speaksChineseAndHasOnlyACloseButton_data() {
        QTest::addColumn<bool>("error");
        QTest::newRow("information") << false;
        QTest::newRow("error") << true;
    }
    void speaksChineseAndHasOnlyACloseButton() {
        QFETCH(bool, error);
        DialogMessageBoxes boxes;
        SeenBox seen;
        AnswerTheBox(seen);
        if (error) {
            boxes.Error(nullptr, QStringLiteral("2024年2月31日 不是有效的日期"));
        } else {
            boxes.Information(nullptr, QStringLiteral("请输入姓氏!"));
        }

        QCOMPARE(seen.title, QStringLiteral("Morvenda取名软件"));
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
        QVERIFY(seen.flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!seen.flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!seen.flags.testFlag(Qt::WindowMaximizeButtonHint));
        // Room for the whole title beside a window manager's icon and buttons.
        QVERIFY2(seen.width >= seen.titleWidth + 120, qPrintable(QString::number(seen.width)));
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
