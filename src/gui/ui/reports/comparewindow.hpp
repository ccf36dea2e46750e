#pragma once

#include "ui/childwindow.hpp"

class QListWidget;

namespace quorval::gui {

// "Current League Handicaps": the league's players on one handicap scale, lowest index first.
class CompareWindow : public ChildWindow {
    Q_OBJECT
public:
    CompareWindow(platform::Services& services, QWidget* opener);

    // "Print listing": asks first, then prints the lines the list shows.
    void printListing();

private:
    QListWidget* m_list;
};

}  // namespace quorval::gui
