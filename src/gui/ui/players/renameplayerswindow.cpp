#include "ui/players/renameplayerswindow.hpp"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "players/roster.hpp"
#include "ui/players/removeplayerwindow.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

RenamePlayersWindow::RenamePlayersWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Playernm", "Change Player Name") {
    const store::LeagueData& data = services.data;
    m_label = makePanel("Playerlabel", QString::fromStdString(data.leagueFileName) + " Player List", QFrame::Raised);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    auto* hint = new QLabel("Click on the Rename button to\nRecord a change");
    hint->setObjectName("Label1");
    m_name = new QLineEdit;
    m_name->setObjectName("Text1");
    // The tee shown is the picked player's; changing it here is the one place a tee is changed.
    auto* teeBox = new QGroupBox("Default Tee");
    teeBox->setObjectName("teeframe");
    auto* teeRow = new QHBoxLayout(teeBox);
    m_tees = new QButtonGroup(this);
    const int accelerator[] = {0, 1, 0, 0};  // Alt+R renames, so Red takes Alt+E
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        QString caption = QString::fromStdString(std::string(store::TeeName(t)));
        auto* option = new QRadioButton(caption.insert(accelerator[t], '&'));
        option->setObjectName(QString("teeoption%1").arg(t));
        m_tees->addButton(option, t);
        teeRow->addWidget(option);
    }
    auto* renameButton = makeButton("renamebutton", "&Rename", "Rename highlighted name");
    auto* exit = makeButton("exitbutton", "E&xit", "Close renaming window");

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0, 1, 2);
    grid->addWidget(hint, 2, 0, 1, 2);
    grid->addWidget(m_name, 3, 0, 1, 2);
    grid->addWidget(teeBox, 4, 0, 1, 2);
    grid->addWidget(renameButton, 5, 0);
    grid->addWidget(exit, 5, 1);
    grid->setRowStretch(1, 1);
    resize(300, 420);
    centreOnScreen();

    FillPlayerNameList(m_list, data);

    connect(m_list, &QListWidget::itemClicked, this, &RenamePlayersWindow::pick);
    connect(m_list, &QListWidget::currentItemChanged, this, &RenamePlayersWindow::pick);
    connect(renameButton, &QPushButton::clicked, this, &RenamePlayersWindow::rename);
    connect(exit, &QPushButton::clicked, this, &RenamePlayersWindow::close);
}

void RenamePlayersWindow::pick(QListWidgetItem* item) {
    if (!item || !item->isSelected()) return;
    m_name->setText(item->text());
    int tee = m_services.data.players[PlayerSlot(item)].tee;
    m_tees->setExclusive(false);  // a player without a tee shows none chosen
    for (QAbstractButton* option : m_tees->buttons()) option->setChecked(m_tees->id(option) == tee);
    m_tees->setExclusive(true);
}

void RenamePlayersWindow::rename() {
    players::RenameOutcome outcome =
        players::RenamePlayerAsked(m_services.data, m_services.dialogs, HighlightedPlayer(m_list),
                                   m_name->text().toStdString(), std::max(m_tees->checkedId(), 0));
    if (outcome == players::RenameOutcome::Beeped || outcome == players::RenameOutcome::NameInUse) return;
    if (outcome == players::RenameOutcome::Renamed) FillPlayerNameList(m_list, m_services.data);
    m_list->clearSelection();
}

void RenamePlayersWindow::finish() {
    m_list->clearSelection();
    players::SaveRoster(m_services.data, m_services.dialogs, false);
}

void RenamePlayersWindow::mousePressEvent(QMouseEvent* event) {
    m_list->clearSelection();
    ChildWindow::mousePressEvent(event);
}

bool RenamePlayersWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::MouseButtonPress) m_list->clearSelection();
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
