#include "cli/orv_calc.h"

#include "cli/check.h"
#include "cli/club_csv.h"
#include "clubs/club_file.h"
#include "clubs/whole_file.h"
#include "orv_version.h"

#include "clubs/input_file.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <system_error>

namespace orv::cli {
namespace {

constexpr const char* kUsage =
    "Usage: orv-calc COMMAND ARGUMENTS\n"
    "\n"
    "  export FILE.orv [OUT.csv]   write the clubs of a document as CSV\n"
    "                              (to standard output without OUT.csv)\n"
    "  recompute IN.orv OUT.orv    compute every club's results again, as the\n"
    "                              editor's Calculate does, and write the document\n"
    "  import IN.csv OUT.orv       make a document from a CSV of measurements\n"
    "  check IN.orv [OUT.csv] [--u-mass G] [--u-cm MM] [--u-moment V | --u-moment P%]\n"
    "        [--u-volume CC] [--u-lie DEG] [--hints] [--rules]\n"
    "                              the findings on every club's readings, with the\n"
    "                              uncertainty of each result when any --u option is\n"
    "                              given (exit status 3 when a club has a finding);\n"
    "                              --hints: what probably went wrong in broken readings;\n"
    "                              --rules: the driver rules' verdicts at a 60 degree lie\n"
    "  report IN.orv OUT.pdf [--u-...] [--only ROW]\n"
    "                              the measurement report as PDF: a summary of every\n"
    "                              head, then a page per head\n"
    "  --help                      show this text\n"
    "  --version                   show the version\n";

// A failure to report with its reason, ending the command with status 1.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

ClubList ReadDocument(const std::string& path)
{
    ClubList list;
    try {
        list.ReplaceAll(ReadDataFile(path));
    } catch (const ClubFileError& error) {
        throw CommandFailure(path + ": " + error.what());
    }
    return list;
}

void WriteDocument(const std::string& path, const ClubList& list)
{
    try {
        SaveDataFile(path, list);
    } catch (const ClubFileError& error) {
        throw CommandFailure(error.what());
    }
}

// Writing the output over the input would destroy the input before it is
// read whole (or replace a document by its CSV).
void RefuseSameFile(const std::string& input, const std::string& output)
{
    const std::optional<FileIdentity> in = IdentifyFile(input);
    if (in && in == IdentifyFile(output))
        throw CommandFailure(output + " is the input file " + input
                             + "; choose another output file");
}

// The computed results of every club, stored in slots 1..N.
void StoreResults(ClubList& list)
{
    const std::span<const ClubRecord> clubs = std::span(list.Slots()).subspan(1);
    const std::vector<ClubResults> results = ResultsAsCalculated(clubs);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        list.Store(k, list.At(k).Measurements, results[i]);
    }
}

// The text to the output file, or to standard output when there is none;
// every write and the last flush are checked.
void WriteText(const std::string& path, const std::string& text, std::ostream& out)
{
    if (path.empty()) {
        errno = 0;
        out << text;
        out.flush();
        if (!out)
            throw CommandFailure(std::string("Cannot write to standard output")
                                 + (errno != 0 ? ": " + std::string(std::strerror(errno)) : ""));
        return;
    }
    try {
        WriteFileWhole(path, text);
    } catch (const std::system_error& error) {
        throw CommandFailure(error.what());
    }
}

void Export(std::span<const std::string> args, std::ostream& out)
{
    const std::string output = args.size() == 2 ? args[1] : std::string();
    if (!output.empty())
        RefuseSameFile(args[0], output);
    WriteText(output, ExportClubsCsv(ReadDocument(args[0])), out);
}

// True when any club has a finding.
bool Check(const CheckRequest& request, std::ostream& out)
{
    if (!request.output.empty())
        RefuseSameFile(request.input, request.output);
    const CheckReport report = CheckClubs(ReadDocument(request.input), request);
    WriteText(request.output, report.csv, out);
    return report.anyFindings;
}

void Recompute(std::span<const std::string> args)
{
    ClubList list = ReadDocument(args[0]);
    StoreResults(list);
    WriteDocument(args[1], list);
}

void Import(std::span<const std::string> args)
{
    RefuseSameFile(args[0], args[1]);
    std::vector<ClubMeasurements> clubs;
    try {
        InputFile csv(args[0]);
        clubs = ImportClubsCsv(csv);
    } catch (const InputFileError& error) {
        throw CommandFailure(error.what());
    } catch (const ImportError& error) {
        throw CommandFailure(args[0] + ", " + error.what());
    }
    std::vector<ClubRecord> slots(clubs.size() + 1);
    for (std::size_t i = 0; i < clubs.size(); ++i)
        slots[i + 1].Measurements = std::move(clubs[i]);
    clubs = {};
    ClubList list;
    list.ReplaceAll(std::move(slots));
    StoreResults(list);
    WriteDocument(args[1], list);
}

} // namespace

ExitStatus RunOrvCalc(std::span<const std::string> arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() == 1 && arguments[0] == "--help") {
        out << kUsage;
        return ExitStatus::Success;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        out << "orv-calc " << kVersionText << '\n';
        return ExitStatus::Success;
    }
    const std::string command = arguments.empty() ? std::string() : arguments[0];
    const std::span<const std::string> rest = arguments.empty() ? arguments : arguments.subspan(1);
    const CheckArguments checkArguments = command == "check" ? ReadCheckArguments(rest)
                                                             : CheckArguments{};
    const std::optional<CheckRequest>& check = checkArguments.request;
    const bool fits = (command == "export" && (rest.size() == 1 || rest.size() == 2))
                      || ((command == "recompute" || command == "import") && rest.size() == 2)
                      || check.has_value();
    if (!fits) {
        if (!checkArguments.problem.empty())
            err << "orv-calc: " << checkArguments.problem << "\n\n";
        err << kUsage;
        return ExitStatus::WrongUsage;
    }
    try {
        if (check)
            return Check(*check, out) ? ExitStatus::Findings : ExitStatus::Success;
        if (command == "export")
            Export(rest, out);
        else if (command == "recompute")
            Recompute(rest);
        else
            Import(rest);
    } catch (const CommandFailure& failure) {
        err << "orv-calc: " << failure.what() << '\n';
        return ExitStatus::BadData;
    } catch (const std::bad_alloc&) {
        err << "orv-calc: not enough memory for " << rest[0] << '\n';
        return ExitStatus::BadData;
    } catch (const std::exception& error) {
        err << "orv-calc: " << error.what() << '\n';
        return ExitStatus::BadData;
    }
    return ExitStatus::Success;
}

} // namespace orv::cli
