#include "ui/analysis/analysischooserwindow.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/leagues.hpp"
#include "ui/analysis/hcpgraphwindow.hpp"
#include "ui/analysis/piechartwindow.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

AnalysisChooserWindow::AnalysisChooserWindow(platform::Services& services, QWidget* opener, AnalysisView view)
    : ChildWindow(services, opener, "ANchooseplayer", "Quorval"), m_view(view) {
    store::LeagueData& data = services.data;
    data.currentPlayer = 0;

    QLabel* caption =
        makePanel("Label1", QString::fromStdString(league::LeagueName(data)) + " Player List", QFrame::Raised);
    caption->setAlignment(Qt::AlignCenter);
    m_playerLabel = new QLabel("Select a Player");
    m_playerLabel->setObjectName("Playerlabel");
    m_playerLabel->installEventFilter(this);

    m_list = new QListWidget;
    m_list->setObjectName("List1");
    FillPlayerNameList(m_list, data);

    QPushButton* accept = makeButton("acceptbutton", "&Accept", "Show the chosen player");
    accept->setDefault(true);
    m_closeLabel = makePanel("Label2", "Close", QFrame::Raised);
    m_closeLabel->setAlignment(Qt::AlignCenter);
    m_closeLabel->setCursor(Qt::PointingHandCursor);
    m_closeLabel->setToolTip("Close the player list");
    m_closeLabel->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(accept, 1);
    buttons->addWidget(m_closeLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_playerLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(280, 380);
    centreOnScreen();
    m_list->setFocus();

    connect(accept, &QPushButton::clicked, this, &AnalysisChooserWindow::accept);
    connect(m_list, &QListWidget::itemActivated, this, &AnalysisChooserWindow::accept);
}

void AnalysisChooserWindow::accept() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        platform::Refuse(m_services.dialogs, "Click a player in the list first.", "Choose Player");
        return;
    }
    const int player = PlayerSlot(item);
    m_services.data.currentPlayer = static_cast<int16_t>(player);
    m_list->clearSelection();
    m_services.dialogs.beginBusy("");
    emit playerChosen(m_view, player);
    if (!m_handedOver) {
        if (m_view == AnalysisView::HcpGraph) {
            handOverTo(new HcpGraphWindow(m_services, m_opener));
        } else if (m_view == AnalysisView::ScoringPie) {
            handOverTo(new PiechartWindow(m_services, m_opener));
        } else {
            close();  // a view nobody opens: the main window comes back
        }
    }
    m_services.dialogs.endBusy();
}

void AnalysisChooserWindow::finish() {
    m_list->clearSelection();
}

bool AnalysisChooserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_playerLabel) m_list->clearSelection();
        if (watched == m_closeLabel) close();
    }
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
