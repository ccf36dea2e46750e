#include "ui/main/programmerswindow.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorval::gui {

ProgrammersWindow::ProgrammersWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "programmers", "Programming Information") {
    auto* text = new QLabel(
        "<h3>Quorval</h3>"
        "<p>Golf league handicaps, listings and statistics for casual groups.</p>"
        "<p>Written in C++ with the Qt toolkit. Every league is kept in plain text files in the data "
        "folder, so your records stay readable and easy to back up.</p>"
        "<p>Handicap indexes follow the method a handicap committee uses: the lowest differentials "
        "of a player's last 20 rounds, averaged and multiplied by the handicap factor.</p>");
    text->setObjectName("infotext");
    text->setWordWrap(true);
    text->setMinimumWidth(360);
    auto* ok = new QPushButton("&Ok");
    ok->setObjectName("okbutton");
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &ProgrammersWindow::close);
    adjustSize();
    centreOnScreen();
}

}  // namespace quorval::gui
