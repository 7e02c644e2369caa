// Printing from the main window as a parent does it: list names, press a print button, look at
// the preview, and print from it to a PDF file through the print dialog.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/tests/pdf_pages.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"

namespace {

// Answers the next modal dialog of the given kind once it shows, the way a user answers it
// while the code that opened it waits in the dialog's own loop.
template <class Dialog>
void AnswerNextDialog(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

// What the preview showed while it was open.
struct PreviewSeen {
    bool Shown = false;
    bool Modal = false;
    int Pages = 0;
    QString Status;
};

QAction* PreviewPrintAction(QPrintPreviewDialog* preview) {
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview->findChildren<QAction*>()) {
        if (action->text() == print) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

class FrmMainPrintTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TfrmMain> window;
    RecordedMessageBoxes boxes;
    QTemporaryDir home;

    template <class Widget>
    Widget* Get(const char* name) {
        return Component<Widget>(window.get(), name);
    }

    void ListNames(const QString& family) {
        Get<QLineEdit>("edt_FirstName")->setText(family);
        QTest::mouseClick(Get<QPushButton>("btn_CreateName"), Qt::LeftButton);
    }

    int RowCount() { return Get<QTreeView>("listview_Result")->model()->rowCount(); }

    QString StatusText() { return Get<QLabel>("StatusBar1Panel1")->text(); }

    // Looks at the preview the next print opens and closes it again.
    void LookAtNextPreview(PreviewSeen& seen) {
        AnswerNextDialog<QPrintPreviewDialog>([this, &seen](QPrintPreviewDialog* preview) {
            seen.Shown = true;
            seen.Modal = preview->isModal();
            seen.Pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            seen.Status = StatusText();
            preview->reject();
        });
    }

    // Prints from the next preview to a PDF file through the print dialog, as a user does:
    // the print button, "print to file", a file name, Print. Returns the file name offered.
    void PrintNextPreviewToPdf(const QString& path, QString& offeredFile) {
        AnswerNextDialog<QPrintPreviewDialog>([path, &offeredFile](QPrintPreviewDialog* preview) {
            AnswerNextDialog<QPrintDialog>([path, &offeredFile](QPrintDialog* dialog) {
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                printers->setCurrentIndex(printers->count() - 1);  // 打印到文件 (PDF)
                auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                offeredFile = file->text();
                file->setText(path);
                QTest::mouseClick(
                    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                    Qt::LeftButton);
            });
            QAction* print = PreviewPrintAction(preview);
            if (print) {
                print->trigger();
            }
            if (preview->isVisible()) {
                preview->reject();
            }
        });
    }

  private slots:
    void initTestCase() {
        // The documents folder the PDF goes to by default lives in a home of the test's own.
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    }

    void init() {
        boxes = {};
        ForgetSavedSettings();
        window = ShowMainWindow(boxes);
        QVERIFY(window);
    }
    void cleanup() { window.reset(); }

    void eachPrintOpensAModalPreviewOfEveryPage_data() {
        QTest::addColumn<QString>("starter");
        QTest::newRow("simple list button") << "btn_Print1";
        QTest::newRow("detailed list button") << "btn_Print2";
        QTest::newRow("popup entry") << "N10";
    }
    void eachPrintOpensAModalPreviewOfEveryPage() {
        QFETCH(QString, starter);
        ListNames(QStringLiteral("王"));
        const int rows = RowCount();
        QVERIFY(rows > 0);

        PreviewSeen seen;
        LookAtNextPreview(seen);
        int expectedPages = 0;
        if (starter == QLatin1String("btn_Print1")) {
            // Ten names to a line, the blank line and the count line; 45 lines to a page.
            const int lines = (rows + 9) / 10 + 2;
            expectedPages = (lines + 44) / 45;
            QTest::mouseClick(Get<QPushButton>("btn_ReturnSimple"), Qt::LeftButton);
            QTest::mouseClick(Get<QPushButton>("btn_Print1"), Qt::LeftButton);
        } else if (starter == QLatin1String("btn_Print2")) {
            expectedPages = (rows + 49) / 50;
            QTest::mouseClick(Get<QPushButton>("btn_Print2"), Qt::LeftButton);
        } else {
            expectedPages = (rows + 49) / 50;
            Get<QAction>("N10")->trigger();
        }

        QVERIFY(seen.Shown);
        QVERIFY(seen.Modal);
        QCOMPARE(seen.Pages, expectedPages);
        QCOMPARE(seen.Status, QStringLiteral("正在打印， 请稍候..."));
        QCOMPARE(StatusText(), QString());
    }

    void theDetailedListPrintsToPdfInTheSortOrderShown() {
        ListNames(QStringLiteral("王"));
        auto* sortBox = Get<QComboBox>("cmb_sort2");
        const int scoreItem = sortBox->findText(QStringLiteral("格局评分"));
        sortBox->setCurrentIndex(scoreItem);
        emit sortBox->activated(scoreItem);
        const QAbstractItemModel* list = Get<QTreeView>("listview_Result")->model();
        const int rows = list->rowCount();
        const QString first = list->index(0, 0).data().toString();
        const QString last = list->index(rows - 1, 0).data().toString();

        const QString pdf = QDir(home.path()).filePath(QStringLiteral("detailed.pdf"));
        QString offered;
        PrintNextPreviewToPdf(pdf, offered);
        QTest::mouseClick(Get<QPushButton>("btn_Print2"), Qt::LeftButton);

        QCOMPARE(offered, QDir(home.path()).filePath(QStringLiteral("Documents/名字列表.pdf")));
        const QStringList pages = PdfPageTexts(pdf);
        QCOMPARE(pages.size(), (rows + 49) / 50);
        const auto numbered = [](int number, const QString& name) {
            return QRegularExpression(QStringLiteral("^\\s*%1\\s+%2\\s")
                                          .arg(number)
                                          .arg(QRegularExpression::escape(name)),
                                      QRegularExpression::MultilineOption);
        };
        QVERIFY2(pages.first().contains(numbered(1, first)), qPrintable(pages.first()));
        QVERIFY2(pages.last().contains(numbered(rows, last)), qPrintable(pages.last()));
        QVERIFY(pages.last().contains(QStringLiteral("页码：%1/%1").arg(pages.size())));
    }

    void theSimpleListPrintsTheMemoAsTheUserEditedIt() {
        ListNames(QStringLiteral("王"));
        QTest::mouseClick(Get<QPushButton>("btn_ReturnSimple"), Qt::LeftButton);
        auto* memo = Get<QPlainTextEdit>("mmo_NameList");
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        Type(memo, QStringLiteral("王甲  王乙  "));
        QTest::keyClick(memo, Qt::Key_Return);
        Type(memo, QStringLiteral("王丙  "));

        const QString pdf = QDir(home.path()).filePath(QStringLiteral("simple.pdf"));
        QString offered;
        PrintNextPreviewToPdf(pdf, offered);
        QTest::mouseClick(Get<QPushButton>("btn_Print1"), Qt::LeftButton);

        const QStringList pages = PdfPageTexts(pdf);
        QCOMPARE(pages.size(), 1);
        // No blank line is left, so both lines are name lines.
        QVERIFY2(
            pages.first().contains(QRegularExpression(QStringLiteral("^\\s*1\\s+王甲\\s+王乙\\s*$"),
                                                      QRegularExpression::MultilineOption)),
            qPrintable(pages.first()));
        QVERIFY(pages.first().contains(QRegularExpression(QStringLiteral("^\\s*11\\s+王丙\\s*$"),
                                                          QRegularExpression::MultilineOption)));
        QVERIFY(!pages.first().contains(QStringLiteral("查询共取得")));
    }
};

QTEST_MAIN(FrmMainPrintTest)
#include "frm_main_print_test.moc"
