#include "cli/orv_calc.h"

#include "cli/club_csv.h"
#include "clubs/club_file.h"
#include "clubs/whole_file.h"

#include <fstream>
#include <iterator>
#include <sstream>
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

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw CommandFailure("Cannot open " + path + ": " + std::generic_category().message(errno));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Stores the clubs in slots 1..N, each with its computed results.
void StoreWithResults(ClubList& list, const std::vector<ClubMeasurements>& clubs)
{
    const std::vector<ClubResults> results = ResultsAsCalculated(clubs);
    for (std::size_t i = 0; i < clubs.size(); ++i)
        list.Store(static_cast<int>(i) + 1, clubs[i], results[i]);
}

void Export(std::span<const std::string> args, std::ostream& out)
{
    const std::string csv = ExportClubsCsv(ReadDocument(args[0]));
    if (args.size() == 1) {
        out << csv;
        return;
    }
    try {
        WriteFileWhole(args[1], csv);
    } catch (const std::system_error& error) {
        throw CommandFailure(error.what());
    }
}

void Recompute(std::span<const std::string> args)
{
    ClubList list = ReadDocument(args[0]);
    std::vector<ClubMeasurements> clubs;
    for (int k = 1; k <= list.HighestIndex(); ++k)
        clubs.push_back(list.At(k).Measurements);
    StoreWithResults(list, clubs);
    WriteDocument(args[1], list);
}

void Import(std::span<const std::string> args)
{
    std::vector<ClubMeasurements> clubs;
    try {
        clubs = ImportClubsCsv(ReadText(args[0]));
    } catch (const ImportError& error) {
        throw CommandFailure(args[0] + ", " + error.what());
    }
    ClubList list;
    for (std::size_t i = 0; i < clubs.size(); ++i)
        list.AppendEmpty();
    StoreWithResults(list, clubs);
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
        out << "orv-calc 2.0\n";
        return ExitStatus::Success;
    }
    const std::string command = arguments.empty() ? std::string() : arguments[0];
    const std::span<const std::string> rest = arguments.empty() ? arguments : arguments.subspan(1);
    const bool fits = (command == "export" && (rest.size() == 1 || rest.size() == 2))
                      || ((command == "recompute" || command == "import") && rest.size() == 2);
    if (!fits) {
        err << kUsage;
        return ExitStatus::WrongUsage;
    }
    try {
        if (command == "export")
            Export(rest, out);
        else if (command == "recompute")
            Recompute(rest);
        else
            Import(rest);
    } catch (const CommandFailure& failure) {
        err << "orv-calc: " << failure.what() << '\n';
        return ExitStatus::BadData;
    }
    return ExitStatus::Success;
}

} // namespace orv::cli
