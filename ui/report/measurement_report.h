// The measurement report: a summary of every head of a document, then a
// page per head with its picture, readings, every number of its ellipsoid
// of inertia with their uncertainties, the rules' verdicts, findings and
// hints, and its ellipsoid drawn along x, y and z. Painted on any paged
// device: the print preview's printer, or a PDF writer for orv-calc.
#pragma once

#include "clubs/club_list.h"
#include "inertia/uncertainty.h"

#include <QPageLayout>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace orv::ui {

struct ReportRequest {
    QString documentName; // the file name in the header; may be empty
    InputUncertainties uncertainties;
    std::vector<int> rows; // the heads, in order, rows of the list
};

// A4, or Letter where the locale measures in inches, with margins any office
// printer prints.
[[nodiscard]] QPageLayout DefaultReportLayout();

// Paints the report; gives the number of pages.
int PaintReport(QPagedPaintDevice& device, const ClubList& clubs, const ReportRequest& request);

} // namespace orv::ui
