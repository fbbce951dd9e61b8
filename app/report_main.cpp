// orv-calc-report: orv-calc's report command, in a program of its own so
// that orv-calc's other commands never load Qt. It paints the measurement
// report of a club data file into a PDF, offscreen, and writes the PDF whole
// or not at all.
//   orv-calc-report IN.orv OUT.pdf [--u-...] [--only ROW]
#include "cli/check.h"
#include "clubs/club_file.h"
#include "clubs/whole_file.h"
#include "ui/report/measurement_report.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

#include <charconv>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: orv-calc report IN.orv OUT.pdf [--u-mass G] [--u-cm MM]\n"
    "       [--u-moment V | --u-moment P%] [--u-volume CC] [--u-lie DEG]\n"
    "       [--only ROW]\n";

int Usage(const std::string& problem)
{
    if (!problem.empty())
        std::fprintf(stderr, "orv-calc: %s\n\n", problem.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "orv-calc: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    int only = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--only")
            continue;
        if (i + 1 == words.size())
            return Usage("--only: its value is missing");
        const std::string& row = words[i + 1];
        const auto read = std::from_chars(row.data(), row.data() + row.size(), only);
        if (read.ec != std::errc{} || read.ptr != row.data() + row.size() || only < 1)
            return Usage("--only: \"" + row + "\" is not a row number");
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        break;
    }
    const orv::cli::CheckArguments arguments = orv::cli::ReadCheckArguments(words);
    if (!arguments.request || arguments.request->output.empty() || arguments.request->withHints
        || arguments.request->withRules)
        return Usage(arguments.problem);
    const orv::cli::CheckRequest& request = *arguments.request;

    orv::ClubList clubs;
    try {
        clubs.ReplaceAll(orv::ReadDataFile(request.input));
    } catch (const orv::ClubFileError& error) {
        return Fail(request.input + ": " + error.what());
    } catch (const std::bad_alloc&) {
        return Fail("not enough memory for " + request.input);
    }
    if (only > clubs.HighestIndex())
        return Fail("--only " + std::to_string(only) + ": " + request.input + " holds "
                    + std::to_string(clubs.HighestIndex()) + " heads");

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orv::ui::ReportRequest report;
    report.documentName = QFileInfo(QString::fromStdString(request.input)).fileName();
    report.uncertainties = request.uncertainties;
    for (int row = 1; row <= clubs.HighestIndex(); ++row)
        if (only == 0 || row == only)
            report.rows.push_back(row);

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(orv::ui::DefaultReportLayout());
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("ORV"));
        writer.setTitle(QStringLiteral("Measurement report: ") + report.documentName);
        orv::ui::PaintReport(writer, clubs, report);
    }
    try {
        orv::WriteFileWhole(request.output, std::string_view(pdf.constData(),
                                                             static_cast<std::size_t>(pdf.size())));
    } catch (const std::system_error& error) {
        return Fail(error.what());
    }
    return 0;
}
