#include "ui/main/leaguewindow.hpp"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "league/leagues.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

LeagueWindow::LeagueWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Createleagueform", "Create League File") {
    m_name = new QLineEdit;
    m_name->setObjectName("Text1");
    m_name->installEventFilter(this);
    auto* create = makeButton("Okbutton", "&Create", "Create a new league file");
    auto* remove = makeButton("deletebutton", "&Delete", "Delete league file");
    auto* close = makeButton("Command3d1", "C&lose", "Close File create/delete window");
    auto* info = makeHelpButton("infobutton", "Help with league files");

    auto* grid = new QGridLayout(this);
    grid->addWidget(makePanel("Panel3D1",
                              "League files are automatically stored in the data folder, "
                              "each under the name you give it.",
                              QFrame::Sunken, true),
                    0, 0, 1, 4);
    grid->addWidget(makePanel("Panel3D2", "Enter a name for the League file you wish to create.", QFrame::Sunken, true),
                    1, 0, 1, 4);
    grid->addWidget(m_name, 2, 0, 1, 4);
    grid->addWidget(create, 3, 0);
    grid->addWidget(remove, 3, 1);
    grid->addWidget(close, 3, 2);
    grid->addWidget(info, 3, 3);
    setMinimumWidth(420);
    adjustSize();
    centreOnScreen();

    connect(create, &QPushButton::clicked, this, &LeagueWindow::create);
    connect(m_name, &QLineEdit::returnPressed, this, &LeagueWindow::create);
    connect(remove, &QPushButton::clicked, this, &LeagueWindow::remove);
    connect(close, &QPushButton::clicked, this, &LeagueWindow::close);
    setHelpTopic("Creating League Files");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Creating League Files"); });
}

void LeagueWindow::create() {
    switch (league::CreateLeague(m_services.data, m_services.dialogs, m_name->text().toStdString())) {
        case league::CreateOutcome::Ignored:
            return;
        case league::CreateOutcome::Refused:
            m_name->clear();
            return;
        case league::CreateOutcome::Created:
        case league::CreateOutcome::RegisteredExisting:
            close();
            return;
    }
}

void LeagueWindow::remove() {
    switch (league::DeleteLeague(m_services.data, m_services.dialogs, m_name->text().toStdString())) {
        case league::DeleteOutcome::Deleted:
            close();
            return;
        case league::DeleteOutcome::FileRemains:
            m_name->clear();
            return;
        default:
            return;
    }
}

bool LeagueWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        QString text = key->text();
        if (!text.isEmpty() && text[0].isPrint() && !league::LeagueNameKeyAccepted(text[0].unicode())) {
            return true;  // full stops, hyphens, slashes and quotes are not kept
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
