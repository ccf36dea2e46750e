#include "ui/main/aboutwindow.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorval::gui {

AboutWindow::AboutWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "aboutwindow", "About Quorval") {
    auto* text = new QLabel(QString("<h3>Quorval</h3>"
                                    "<p>Version %1</p>"
                                    "<p>Golf league handicaps, listings and statistics.</p>"
                                    "<p>Licence: GNU General Public License, version 3 or any later "
                                    "version (GPL-3.0-or-later). Quorval comes without warranty of "
                                    "any kind.</p>")
                                .arg(QUORVAL_VERSION));
    text->setObjectName("abouttext");
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    auto* closeButton = new QPushButton("&Close");
    closeButton->setObjectName("closebutton");
    closeButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    connect(closeButton, &QPushButton::clicked, this, &AboutWindow::close);
    adjustSize();
    centreOnScreen();
}

}  // namespace quorval::gui
