// Both printed lists rendered into PDF files the way the print dialog's "print to file" writes
// them, then read back page by page: page count, page numbers, header texts, rows, fonts.

#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "app/qt_text.h"
#include "app/rp_main_a.h"
#include "app/rp_main_b.h"
#include "app/tests/pdf_pages.h"
#include "dict/char_table.h"
#include "naming/family_name.h"
#include "results/listing_texts.h"
#include "results/result_row.h"

namespace {

// Fifty common characters: row i is named 王 + the (i / 50)th + the (i mod 50)th of them.
const QString GivenChars = QStringLiteral(
    "明华伟芳娜敏静丽强磊军洋勇艳杰娟涛超秀霞平刚桂英文辉玲建国红梅兰云飞鹏宇浩然俊博晨阳雪婷琳慧颖"
    "欣怡佳");

std::vector<morvenda::ResultRow> Rows(int count) {
    const morvenda::FamilyName family = morvenda::ReadFamilyName("王");
    std::vector<morvenda::ResultRow> rows;
    for (int i = 0; i < count; ++i) {
        const int first = morvenda::FindCharIndex(FromQString(GivenChars.mid(i / 50 % 50, 1)));
        const int second = morvenda::FindCharIndex(FromQString(GivenChars.mid(i % 50, 1)));
        rows.push_back(morvenda::BuildResultRow(
            morvenda::MakeNameCode(first, second), family));
    }
    return rows;
}

// The running numbers that start the detail lines of a page, in order.
QList<int> RunningNumbers(const QString& page) {
    static const QRegularExpression detailLine(QStringLiteral("^\\s*(\\d+)\\s+王"),
                                               QRegularExpression::MultilineOption);
    QList<int> numbers;
    for (auto match = detailLine.globalMatch(page); match.hasNext();) {
        numbers << match.next().captured(1).toInt();
    }
    return numbers;
}

// A detail line: number, name, score, pattern, simplified strokes and total (27, not 0027),
// Kangxi strokes and total, the five grids as listed (08).
QRegularExpression RowLine(const std::vector<morvenda::ResultRow>& rows, int index) {
    const auto& f = rows[static_cast<std::size_t>(index)].Fields;
    QStringList cells{QString::number(index + 1),
                      ToQString(f[0]),
                      ToQString(f[1]),
                      ToQString(f[2]),
                      ToQString(f[3]),
                      QString::number(std::stoi(f[10])),
                      ToQString(f[4]),
                      QString::number(std::stoi(f[11])),
                      ToQString(f[5]),
                      ToQString(f[6]),
                      ToQString(f[7]),
                      ToQString(f[8]),
                      ToQString(f[9])};
    for (QString& cell : cells) {
        cell = QRegularExpression::escape(cell);
    }
    return QRegularExpression(
        QStringLiteral("^\\s*") + cells.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*$"),
        QRegularExpression::MultilineOption);
}

const QStringList Captions{"序号",     "姓名",         "格局评分", "五行格局", "笔画组合[简]",
                           "总数[简]", "笔画组合[繁]", "总数[繁]", "天格",     "人格",
                           "地格",     "外格",         "总格"};

}  // namespace

class PrintedListsPdfTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder;

    template <class Report>
    QString PrintToPdf(Report& report, const QString& name) {
        const QString path = folder.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(report.DesignedPageLayout());
        report.Print(printer);
        return path;
    }

    static void VerifyPageFrame(const QString& page, int number, int total) {
        QVERIFY2(page.contains(QStringLiteral("名字列表")), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("以下名字列表由 [Morvenda起名软件] 生成")));
        QVERIFY(page.contains(QStringLiteral("morvenda://soft/")));
        QVERIFY(page.contains(QStringLiteral("打印时间：")));
        QVERIFY2(page.contains(QStringLiteral("页码：%1/%2").arg(number).arg(total)),
                 qPrintable(page));
    }

  private slots:
    void initTestCase() {
        QCOMPARE(GivenChars.size(), 50);
        for (const QChar c : GivenChars) {
            QVERIFY(morvenda::FindCharIndex(FromQString(c)) < morvenda::CharCount);
        }
    }

    void detailedListNumbersEveryPageAgainstTheTotal_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty list") << 0 << 1;
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("a full page") << 50 << 1;
        QTest::newRow("one row more") << 51 << 2;
        QTest::newRow("a full listing") << 2000 << 40;
    }
    void detailedListNumbersEveryPageAgainstTheTotal() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        const std::vector<morvenda::ResultRow> listed = Rows(rows);
        Trp_MainB report;
        report.Prepare(listed);
        const QStringList texts = PdfPageTexts(PrintToPdf(report, QStringLiteral("detailed")));

        QCOMPARE(report.TotalPages(), pages);
        QCOMPARE(texts.size(), pages);
        for (int page = 0; page < pages; ++page) {
            const QString& text = texts[page];
            VerifyPageFrame(text, page + 1, pages);
            for (const QString& caption : Captions) {
                QVERIFY2(text.contains(caption), qPrintable(caption));
            }
            QList<int> expected;
            for (int number = page * 50 + 1; number <= std::min(rows, page * 50 + 50); ++number) {
                expected << number;
            }
            QCOMPARE(RunningNumbers(text), expected);
        }
        if (rows > 0) {
            QVERIFY2(RowLine(listed, 0).match(texts.first()).hasMatch(), qPrintable(texts.first()));
            QVERIFY2(RowLine(listed, rows - 1).match(texts.last()).hasMatch(),
                     qPrintable(texts.last()));
        }
    }

    void simpleListNumbersTheNameLinesOnly() {
        const std::vector<morvenda::ResultRow> listed = Rows(25);
        Trp_MainA report;
        report.Prepare(morvenda::TextListLines(listed, 25));
        const QStringList texts = PdfPageTexts(PrintToPdf(report, QStringLiteral("simple")));

        QCOMPARE(texts.size(), 1);
        VerifyPageFrame(texts.first(), 1, 1);
        const QStringList lines = texts.first().split(QLatin1Char('\n'));
        const auto lineWith = [&](const std::string& text) {
            for (const QString& line : lines) {
                if (line.contains(ToQString(text))) {
                    return line.simplified();
                }
            }
            return QString();
        };
        for (const int first : {0, 10, 20}) {
            const std::string& name = listed[static_cast<std::size_t>(first)].Fields[0];
            QVERIFY2(lineWith(name).startsWith(
                         QStringLiteral("%1 %2 ").arg(first + 1).arg(ToQString(name))),
                     qPrintable(lineWith(name)));
        }
        QCOMPARE(lineWith("查询共取得"), QStringLiteral("查询共取得 25 个名字"));
    }

    void simpleListOfAFullListingFillsFivePages() {
        // 200 name lines, the blank line and the count line: 202 lines at 45 a page.
        Trp_MainA report;
        report.Prepare(morvenda::TextListLines(Rows(2000), 2000));
        const QStringList texts = PdfPageTexts(PrintToPdf(report, QStringLiteral("simple-full")));
        QCOMPARE(report.TotalPages(), 5);
        QCOMPARE(texts.size(), 5);
        for (int page = 0; page < 5; ++page) {
            VerifyPageFrame(texts[page], page + 1, 5);
        }
        QVERIFY(texts[0].contains(QRegularExpression(QStringLiteral("^\\s*441\\s+王"),
                                                     QRegularExpression::MultilineOption)));
        QVERIFY(texts[1].contains(QRegularExpression(QStringLiteral("^\\s*451\\s+王"),
                                                     QRegularExpression::MultilineOption)));
        QVERIFY(texts[4].contains(QStringLiteral("查询共取得 2000 个名字")));
    }

    void chineseTextIsSetInTheGbFonts() {
        Trp_MainB report;
        report.Prepare(Rows(3));
        const QString fonts = PdfFonts(PrintToPdf(report, QStringLiteral("fonts")));
        // The PostScript names of AR PL SungtiL GB (宋体) and AR PL KaitiM GB (楷体_GB2312).
        QVERIFY2(fonts.contains(QStringLiteral("BousungEG-Light-GB")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QStringLiteral("GBZenKai-Medium")), qPrintable(fonts));
        QVERIFY2(!fonts.contains(QStringLiteral("Noto")), qPrintable(fonts));
    }
};

QTEST_MAIN(PrintedListsPdfTest)
#include "printed_lists_pdf_test.moc"
