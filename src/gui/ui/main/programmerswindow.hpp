#pragma once

#include "ui/childwindow.hpp"

namespace quorval::gui {

// "Programming Information": a few lines about the program, closed by its button.
class ProgrammersWindow : public ChildWindow {
    Q_OBJECT
public:
    ProgrammersWindow(platform::Services& services, QWidget* opener);
};

}  // namespace quorval::gui
