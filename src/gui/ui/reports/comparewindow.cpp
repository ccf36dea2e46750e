#include "ui/reports/comparewindow.hpp"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "print/printfont.hpp"
#include "reports/comparechart.hpp"
#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

namespace {

constexpr int kLineCharacters = 77;  // a chart line with a two-digit index
constexpr int kVisibleRows = 20;

QLabel* makeScaleLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(fixedPitchFont());
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

}  // namespace

CompareWindow::CompareWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "compareform", "Quorval") {
    QLabel* title = makePanel("Panel3D1", "Hcp Index", QFrame::Raised);
    title->setAlignment(Qt::AlignCenter);

    m_list = new QListWidget;
    m_list->setObjectName("List1");
    m_list->setFont(fixedPitchFont());
    m_list->setUniformItemSizes(true);
    m_list->setTextElideMode(Qt::ElideNone);
    for (const std::string& line : reports::CompareLines(services.data)) m_list->addItem(QString::fromStdString(line));
    // The printed heading's marks, less the printout's indent and the one column added below.
    const std::string marks = reports::CompareMarks(reports::CompareScaleOf(reports::CompareOrder(services.data)),
                                                    handicap::RulesOf(services.data))
                                  .substr(6);
    const size_t split = std::min<size_t>(marks.size(), 36);

    // The scale sits over the list so that each mark's last digit stands above the star of that
    // index: the text starts one column further right than the list's.
    QFontMetrics metrics(fixedPitchFont());
    int column = metrics.horizontalAdvance(' ');
    int textStart =
        m_list->frameWidth() + m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    auto* scale = new QHBoxLayout;
    scale->setSpacing(0);
    scale->setContentsMargins(textStart + column, 0, 0, 0);
    scale->addWidget(makeScaleLabel("Label10", QString::fromStdString(marks.substr(0, split))));
    scale->addWidget(makeScaleLabel("Label11", QString::fromStdString(marks.substr(split))));
    scale->addStretch(1);

    int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    int lineWidth = metrics.horizontalAdvance(QString(kLineCharacters, '0'));
    m_list->setMinimumWidth(lineWidth + 2 * textStart + scrollBar + column);
    m_list->setMinimumHeight(kVisibleRows * metrics.lineSpacing() + 2 * m_list->frameWidth());

    auto* chart = new QVBoxLayout;
    chart->setSpacing(2);
    chart->addLayout(scale);
    chart->addWidget(m_list, 1);
    auto* frame = new QFrame;
    frame->setObjectName("Panel3D2");
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setLayout(chart);

    QPushButton* print = makeButton("Command3d1", "Print listing", "Print the list");
    QPushButton* done = makeButton("donebutton", "&Done", "Close handicap window");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    adjustSize();
    centreOnScreen();
    done->setFocus();

    connect(print, &QPushButton::clicked, this, &CompareWindow::printListing);
    connect(done, &QPushButton::clicked, this, &CompareWindow::close);
}

void CompareWindow::printListing() {
    if (!confirmPrint(m_services.dialogs, kListReady)) return;
    std::vector<std::string> lines = listLines(*m_list);
    platform::Date today = m_services.clock.today();
    m_services.dialogs.beginBusy("");
    reports::PrintCompareChart(m_services.printer, m_services.data, lines,
                               print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
