#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.hpp"

class QListWidget;

// What a window asks before it prints, and what it prints from a list box.
namespace quorval::gui {

inline constexpr const char* kListReady = "Ready to send List to the Printer.";
inline constexpr const char* kChartReady = "Ready to send chart to Printer";

// Asks the question with Ok and Cancel; true when the user chose Ok.
bool confirmPrint(platform::Dialogs& dialogs, const char* question);

// The lines of a list box, top to bottom.
std::vector<std::string> listLines(const QListWidget& list);

}  // namespace quorval::gui
