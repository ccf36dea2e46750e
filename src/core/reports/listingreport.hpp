#pragma once

#include <string>
#include <vector>

#include "listing/listing.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// The league listing on paper and as a text file, made from the rows the main window shows.
namespace quorval::reports {

// The heading line of a report: the league name, then the product name at a fixed column and the
// date. `lead` blanks come first; `fill` is the width the name and its padding take together.
std::string ReportHeading(const store::LeagueData& data, int lead, int fill, const std::string& date);

// The long listing with the hole scores, landscape; page breaks after rows 43 and 86.
void printlongreport(platform::Printer& printer, const store::LeagueData& data, const std::vector<listing::Row>& rows,
                     const std::string& date);

// The short listing, portrait; a page break after row 54.
void printshortreport(platform::Printer& printer, const store::LeagueData& data, const std::vector<listing::Row>& rows,
                      const std::string& date);

// The text of "Export Listing as Text": CR LF line ends, no net column.
std::string shortprintfile(const store::LeagueData& data, const std::vector<listing::Row>& rows,
                           const std::string& date);

// The export file's name as chosen in the save dialog: ".txt" added unless it ends so already (in
// any case). Empty when the dialog was cancelled.
std::string ExportFileName(const std::string& chosen);

}  // namespace quorval::reports
