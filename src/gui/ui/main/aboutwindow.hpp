#pragma once

#include "ui/childwindow.hpp"

namespace quorval::gui {

// Help > About Quorval: the version and the licence, closed by its button; the main window stays.
class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    AboutWindow(platform::Services& services, QWidget* opener);
};

}  // namespace quorval::gui
