#pragma once
// What both printed lists share on the Qt side: a layout from the results core, the records of
// the print at hand, and the two passes over a paged device (a printer, its preview, a PDF
// writer). Positions are the layout's millimetres on the device's printable area, whatever its
// resolution; texts come from the core, the fonts from the program's font names.

#include <QPageLayout>
#include <vector>

#include "results/banded_report.h"

class QPagedPaintDevice;

class BandedReport {
  public:
    explicit BandedReport(const morvenda::ReportLayout& layout) : layout_(layout) {}
    virtual ~BandedReport() = default;
    BandedReport(const BandedReport&) = delete;
    BandedReport& operator=(const BandedReport&) = delete;

    // A4 portrait with the layout's margins.
    QPageLayout DesignedPageLayout() const;

    // Prints the records on the device: the preparing pass counts the pages the device's
    // printable height holds into TotalPages, the drawing pass paints them, every page numbered
    // against that total. The print time is the moment the call starts.
    void Print(QPagedPaintDevice& device);

    // The page count of the last print; it stays until the next.
    int TotalPages() const { return totalPages_; }

  protected:
    void SetRecords(std::vector<morvenda::ReportRecord> records) { records_ = std::move(records); }

  private:
    const morvenda::ReportLayout& layout_;
    std::vector<morvenda::ReportRecord> records_;
    int totalPages_ = 0;
};
