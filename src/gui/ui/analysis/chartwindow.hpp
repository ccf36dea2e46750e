#pragma once

#include <string>

#include "ui/childwindow.hpp"

class QLabel;
class QLayout;
class QPushButton;

namespace quorval::platform {
class Printer;
}

namespace quorval::gui {

class CanvasView;

// A chart of the current player: his name in large type over the chart, the window's own row
// under it, and the button to the other chart, Print and the close button. The two chart windows
// hand over to each other and keep the player; closed any other way they let go of him.
class ChartWindow : public ChildWindow {
    Q_OBJECT
protected:
    using PrintFunction = void (*)(platform::Printer&, const store::LeagueData&, int, const std::string&);

    ChartWindow(platform::Services& services, QWidget* opener, const QString& name);

    // The player's name panel, in large bold type.
    QLabel* makeNamePanel(const QString& objectName);
    void arrange(QLayout* heading, CanvasView* picture, QLayout* below, QPushButton* other, QPushButton* print,
                 QPushButton* close);
    // The other chart, in this one's place.
    void switchTo(ChildWindow* next);
    // Asks, then prints the chart of the current player dated today.
    void printWith(PrintFunction printChart);
    void finish() override;
};

}  // namespace quorval::gui
