#include "ui/players/playerswindow.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "league/leagues.hpp"
#include "players/roster.hpp"
#include "store/teamfile.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

PlayersWindow::PlayersWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "playform",
                  QString::fromStdString(league::LeagueName(services.data)) + " Players") {
    m_name = new QLineEdit;
    m_name->setObjectName("Text1");
    auto* nameLabel = new QLabel("Player &Name");
    nameLabel->setObjectName("Label1");
    nameLabel->setBuddy(m_name);

    // White is chosen to start with: a player added without a tee would get no net scores.
    auto* teeBox = new QGroupBox("Default Tee");
    teeBox->setObjectName("Panel3D1");
    auto* teeRow = new QHBoxLayout(teeBox);
    m_tees = new QButtonGroup(this);
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        auto* option = new QRadioButton("&" + QString::fromStdString(std::string(store::TeeName(t))));
        option->setObjectName(QString("Option3D1%1").arg(t - store::kRedTee));
        m_tees->addButton(option, t);
        option->setChecked(t == store::kWhiteTee);
        teeRow->addWidget(option);
    }

    auto* addButton = makeButton("addbutton", "&Add Player", "Click or press Enter to Add Player name");
    m_count = makePanel("playernumlabel", "");
    m_count->setAlignment(Qt::AlignCenter);
    auto* exit = makeButton("exitbutton", "E&xit", "Close player window");
    auto* info = makeHelpButton("infobutton", "Information on adding players");

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0, 1, 2);
    grid->addWidget(m_name, 1, 0, 1, 2);
    grid->addWidget(teeBox, 2, 0, 1, 2);
    grid->addWidget(addButton, 3, 0);
    grid->addWidget(m_count, 3, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(exit, 1);
    bottom->addWidget(info);
    grid->addLayout(bottom, 4, 0, 1, 2);
    setMinimumWidth(340);
    adjustSize();
    centreOnScreen();

    store::LoadTeamAssignments(services.data);
    showCount();
    m_name->setFocus();
    // Enter adds from anywhere in the window, so the window looks at every key before its controls.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    connect(addButton, &QPushButton::clicked, this, &PlayersWindow::add);
    connect(exit, &QPushButton::clicked, this, &PlayersWindow::close);
    setHelpTopic("Players");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Players"); });
}

void PlayersWindow::showCount() {
    m_count->setText(QString("%1 member(s)").arg(m_services.data.playerCount));
}

void PlayersWindow::add() {
    int tee = m_tees->checkedId() > 0 ? m_tees->checkedId() : store::kNoTee;
    players::AddOutcome outcome =
        players::AddPlayer(m_services.data, m_services.dialogs, m_name->text().toStdString(), tee);
    if (outcome == players::AddOutcome::Beeped) return;
    if (outcome == players::AddOutcome::Added) {
        m_added = true;
        showCount();
        // Each new player starts on White: a tee kept from the last one would be a silent guess.
        m_tees->button(store::kWhiteTee)->setChecked(true);
    }
    m_name->clear();
    m_name->setFocus();
}

bool PlayersWindow::enterPressed(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    if (!m_name->text().isEmpty()) add();
    return true;
}

void PlayersWindow::keyPressEvent(QKeyEvent* event) {
    if (!enterPressed(event)) ChildWindow::keyPressEvent(event);
}

bool PlayersWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (enterPressed(key)) return true;
        // A typed double quote shows as the apostrophe it will be stored as.
        if (watched == m_name && key->text() == "\"") {
            m_name->insert("'");
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void PlayersWindow::finish() {
    players::SaveRoster(m_services.data, m_services.dialogs, m_added);
}

}  // namespace quorval::gui
