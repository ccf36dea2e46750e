#include "ui/teams/teamsummarywindow.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "print/printfont.hpp"
#include "teams/teampoints.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

TeamSummaryWindow::TeamSummaryWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "PrintTeamform", "Team Report Printing Options") {
    auto* frame = new QGroupBox("Report Types");
    frame->setObjectName("Frame1");
    m_names = new QCheckBox("List Team member names ");
    m_names->setObjectName("Namescheck");
    m_allEvents = new QRadioButton("Include all Team events");
    m_allEvents->setObjectName("Option10");
    m_lastEvent = new QRadioButton("Print each Teams last event only");
    m_lastEvent->setObjectName("Option11");
    // The full record is what a summary is usually wanted for.
    m_allEvents->setChecked(true);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(m_names);
    options->addSpacing(6);
    options->addWidget(m_allEvents);
    options->addWidget(m_lastEvent);

    auto* print = makeButton("Printbutton", "&Print", "Print the team summary");
    print->setDefault(true);
    auto* setup = makeButton("Printsetupbutton", "Print &Setup", "Choose the printer");
    auto* done = makeButton("Donebutton", "&Done", "Close the team report window");
    auto* info = makeHelpButton("Infobutton", "Help on team reports");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(setup);
    buttons->addWidget(done);
    buttons->addStretch(1);
    buttons->addWidget(info, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    adjustSize();
    centreOnScreen();

    connect(print, &QPushButton::clicked, this, &TeamSummaryWindow::printSummary);
    connect(setup, &QPushButton::clicked, this, [this] { m_services.printer.setup(); });
    connect(done, &QPushButton::clicked, this, &TeamSummaryWindow::close);
    setHelpTopic("Team data");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Team data"); });
}

void TeamSummaryWindow::printSummary() {
    m_services.dialogs.beginBusy("");
    platform::Date today = m_services.clock.today();
    teams::PrintTeamSummary(m_services.printer, m_services.data, m_names->isChecked(), m_lastEvent->isChecked(),
                            print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
