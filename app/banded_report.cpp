#include "app/banded_report.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <string_view>
#include <tuple>

#include "app/program_font.h"
#include "app/qt_text.h"

namespace {

using morvenda::LabelAlignment;
using morvenda::LabelContent;
using morvenda::LabelInk;
using morvenda::PaperLength;
using morvenda::ReportBand;
using morvenda::ReportLabel;
using morvenda::ReportLayout;
using morvenda::ReportRecord;

constexpr PaperLength RuleWidth{2};

// In whole tenths: a page layout converted between units lands a hair off its millimetres.
PaperLength PrintableHeightOf(const QPagedPaintDevice& device) {
    const double millimetres = device.pageLayout().paintRect(QPageLayout::Millimeter).height();
    return {static_cast<int>(std::lround(millimetres * 10))};
}

// The system's short date and long time, as the user reads them elsewhere on the machine.
QString PrintTime() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    const QString moment = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                           locale.toString(now.time(), QLocale::LongFormat);
    return ToQString(morvenda::PrintTimeText(FromQString(moment)));
}

QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace()) {
        --end;
    }
    return text.left(end);
}

// Draws the bands of one print's pages; the origin is the top left of the printable area.
class PagePainter {
  public:
    PagePainter(QPainter& painter, const ReportLayout& layout, QString printTime, int totalPages)
        : painter_(painter),
          layout_(layout),
          printTime_(std::move(printTime)),
          totalPages_(totalPages),
          dotsPerTenthX_(painter.device()->logicalDpiX() / 254.0),
          dotsPerTenthY_(painter.device()->logicalDpiY() / 254.0) {}

    void DrawPage(int page, std::span<const ReportRecord> records, PaperLength printableHeight) {
        PaperLength top{};
        DrawBand(layout_.PageHeader, top, nullptr, page);
        top = top + layout_.PageHeader.Height;
        if (layout_.ColumnHeader.Height.Tenths > 0) {
            DrawBand(layout_.ColumnHeader, top, nullptr, page);
            top = top + layout_.ColumnHeader.Height;
        }
        for (const ReportRecord& record : records) {
            DrawBand(layout_.Detail, top, &record, page);
            top = top + layout_.Detail.Height;
        }
        DrawBand(layout_.PageFooter, printableHeight - layout_.PageFooter.Height, nullptr, page);
    }

  private:
    // A font with its metrics on the device, and the widths of the texts measured in it:
    // grids and scores repeat on every page.
    struct Face {
        QFont Font;
        QFontMetricsF Metrics;
        QHash<QString, qreal> Widths;

        qreal Width(const QString& text) {
            auto found = Widths.constFind(text);
            if (found == Widths.constEnd()) {
                found = Widths.insert(text, Metrics.horizontalAdvance(text));
            }
            return *found;
        }
    };

    qreal X(PaperLength x) const { return x.Tenths * dotsPerTenthX_; }
    qreal Y(PaperLength y) const { return y.Tenths * dotsPerTenthY_; }

    void DrawRule(PaperLength y) {
        painter_.setPen(QPen(Qt::black, Y(RuleWidth)));
        painter_.drawLine(QPointF(0, Y(y)), QPointF(X(layout_.BandWidth), Y(y)));
    }

    void DrawBand(const ReportBand& band, PaperLength top, const ReportRecord* record, int page) {
        if (band.RuleAtTop) {
            DrawRule(top);
        }
        if (band.RuleAtBottom) {
            DrawRule(top + band.Height);
        }
        qreal previousRight = 0;
        for (const ReportLabel& label : band.Labels) {
            previousRight = DrawLabel(label, top, TextOf(label, record, page), previousRight);
        }
    }

    // Draws the text and answers where it ends. A text whose ink runs past the band's right
    // edge (a long family name on a full line of ten) is squeezed to it rather than cut off.
    qreal DrawLabel(const ReportLabel& label, PaperLength bandTop, const QString& text,
                    qreal previousRight) {
        Face& face = FaceOf(label.Font);
        const qreal width = face.Width(text);
        qreal left = X(label.Left);
        if (label.Alignment == LabelAlignment::Centre) {
            left += (X(label.Width) - width) / 2;
        }
        if (label.FollowsPrevious) {
            left = std::max(left, previousRight);
        }
        const qreal room = X(layout_.BandWidth) - left;
        qreal squeeze = 1.0;
        if (width > room) {
            const qreal ink = face.Metrics.horizontalAdvance(WithoutTrailingBlanks(text));
            squeeze = ink > room ? room / ink : 1.0;
        }

        // The painter resolves every font it is given afresh, so it gets one only when it changes.
        if (&face != currentFace_) {
            painter_.setFont(face.Font);
            currentFace_ = &face;
        }
        painter_.setPen(label.Ink == LabelInk::Blue ? Qt::blue : Qt::black);
        const QPointF baseline(left, Y(bandTop + label.Top) + face.Metrics.ascent());
        if (squeeze < 1.0) {
            painter_.save();
            painter_.translate(baseline);
            painter_.scale(squeeze, 1.0);
            painter_.drawText(QPointF(0, 0), text);
            painter_.restore();
        } else {
            painter_.drawText(baseline, text);
        }
        return left + width * squeeze;
    }

    QString TextOf(const ReportLabel& label, const ReportRecord* record, int page) const {
        switch (label.Content) {
            case LabelContent::Fixed:
                return ToQString(label.Text);
            case LabelContent::PrintTime:
                return printTime_;
            case LabelContent::PageNumber:
                return ToQString(morvenda::PageNumberText(page, totalPages_));
            case LabelContent::Field:
                return record ? ToQString(record->at(static_cast<std::size_t>(label.Field)))
                              : QString();
        }
        return QString();
    }

    Face& FaceOf(const morvenda::ReportFont& font) {
        const FaceKey key{font.Name, font.Points, font.Bold};
        auto found = faces_.find(key);
        if (found == faces_.end()) {
            QFont qtFont = ProgramFontNamed(font.Name);
            qtFont.setPointSize(font.Points);
            qtFont.setBold(font.Bold);
            found = faces_.emplace(key, Face{qtFont, QFontMetricsF(qtFont, painter_.device()), {}})
                        .first;
        }
        return found->second;
    }

    QPainter& painter_;
    const ReportLayout& layout_;
    const QString printTime_;
    const int totalPages_;
    const qreal dotsPerTenthX_;
    const qreal dotsPerTenthY_;
    using FaceKey = std::tuple<std::string_view, int, bool>;
    std::map<FaceKey, Face> faces_;  // nodes stay put, so currentFace_ stays valid
    const Face* currentFace_ = nullptr;
};

}  // namespace

QPageLayout BandedReport::DesignedPageLayout() const {
    const auto& m = layout_.Margins;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(m.Left.Millimetres(), m.Top.Millimetres(), m.Right.Millimetres(),
                                 m.Bottom.Millimetres()),
                       QPageLayout::Millimeter);
}

void BandedReport::Print(QPagedPaintDevice& device) {
    const QString printTime = PrintTime();
    const PaperLength printableHeight = PrintableHeightOf(device);
    const int recordCount = static_cast<int>(records_.size());
    const int perPage = morvenda::RecordsPerPage(layout_, printableHeight);
    totalPages_ = morvenda::PageCount(layout_, printableHeight, recordCount);

    QPainter painter;
    if (!painter.begin(&device)) {
        return;  // nothing to draw on; the device has warned why
    }
    PagePainter pages(painter, layout_, printTime, totalPages_);
    const std::span<const ReportRecord> records(records_);
    for (int page = 0; page < totalPages_; ++page) {
        if (page > 0) {
            device.newPage();
        }
        const int first = page * perPage;
        const int count = std::min(perPage, recordCount - first);
        pages.DrawPage(
            page + 1,
            records.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count)),
            printableHeight);
    }
}
