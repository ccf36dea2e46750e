#include "ui/playerchooser.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

PlayerChooser::PlayerChooser(platform::Services& services, QWidget* opener, const QString& name, const QString& title,
                             const QString& panelName, const QString& panelText)
    : ChildWindow(services, opener, name, title) {
    m_panel = makePanel(panelName, panelText, QFrame::Raised);
    m_panel->setAlignment(Qt::AlignCenter);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    FillPlayerNameList(m_list, services.data);
    m_accept = new QPushButton("&Accept");
    m_accept->setObjectName("acceptbutton");
    m_exit = new QPushButton("E&xit");
    m_exit->setObjectName("exitbutton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_accept);
    buttons->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(280, 360);
    centreOnScreen();
    m_list->setFocus();

    connect(m_accept, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_list, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(m_exit, &QPushButton::clicked, this, &PlayerChooser::close);
}

int PlayerChooser::chosenRow() const {
    QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? m_list->row(item) : -1;
}

int PlayerChooser::chosenPlayer(const char* refusal, const char* title) {
    const int row = chosenRow();
    if (row < 0) {
        platform::Refuse(m_services.dialogs, refusal, title);
        return 0;
    }
    return PlayerSlot(m_list->item(row));
}

void PlayerChooser::mousePressEvent(QMouseEvent* event) {
    m_list->clearSelection();
    ChildWindow::mousePressEvent(event);
}

}  // namespace quorval::gui
