#pragma once

#include <optional>

#include "platform/services.hpp"
#include "results/dayresults.hpp"

// The menu commands of the weekly round that need no window of their own.
namespace quorval::gui {

// Asks for the date of play, offering `suggested`, and prints that day's results.
void PrintResultsOfDay(platform::Services& services, const std::optional<results::PlayDate>& suggested);

// Asks for a folder and writes the league's web pages into it.
void PublishLeaguePages(platform::Services& services);

}  // namespace quorval::gui
