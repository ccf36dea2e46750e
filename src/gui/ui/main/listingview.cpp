#include "ui/main/listingview.hpp"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "text/fit.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {

QFont fixedPitchFont(int pointSize) {
    QFont font("Courier New", pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

namespace {

// A scroll bar that takes no room on screen.
class RoomlessScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;
    QSize sizeHint() const override { return {0, 0}; }
    QSize minimumSizeHint() const override { return {0, 0}; }
};

// The headings stand above the rows in the same frame and stay put while the rows scroll.
QFrame* frameAround(QWidget* heading, QWidget* inner, const QString& name) {
    auto* frame = new QFrame;
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(heading);
    layout->addWidget(inner);
    return frame;
}

constexpr int kNameCharacters = 30;  // longer names are shortened as on paper (`text::ShortenName`)

int headingRows(const std::vector<listing::Row>& rows) {
    return static_cast<int>(std::min<size_t>(rows.size(), listing::kHeadingRows));
}

}  // namespace

QListWidget* ListingView::makeList(const QString& name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setFont(fixedPitchFont());
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A click leaves no selection and hands the focus to the sideways scroll bar.
    connect(list, &QListWidget::itemPressed, this, [this, list] {
        list->setCurrentRow(-1);
        m_horizontal->setFocus();
    });
    return list;
}

ListingView::ListingView(QWidget* parent) : QWidget(parent) {
    m_horizontal = new QScrollBar(Qt::Horizontal);
    m_horizontal->setObjectName("HScroll1");
    m_vertical = new QScrollBar(Qt::Vertical);
    m_vertical->setObjectName("VScroll1");
    m_names = makeList("List1");
    // Names come shortened by the rule every report uses; Qt's own elision would cut them again.
    m_names->setTextElideMode(Qt::ElideNone);
    m_lines = makeList("List2");
    m_namesHead = makeList("List1head");
    m_linesHead = makeList("List2head");
    // The heading's rule of underscores is simply cut at the column's edge.
    m_namesHead->setTextElideMode(Qt::ElideNone);
    // Qt fits a list whose own sideways bar is switched off to its viewport, which would cut the
    // lines off at the window's edge; List2 keeps a bar that takes no room, and HScroll1 drives it.
    m_lines->setHorizontalScrollBar(new RoomlessScrollBar(Qt::Horizontal));
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The widest line, not the first one (the heading), sets how far the lines scroll.
    m_lines->setUniformItemSizes(false);
    m_linesHead->setHorizontalScrollBar(new RoomlessScrollBar(Qt::Horizontal));
    m_linesHead->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_linesHead->setUniformItemSizes(false);
    int headHeight = QFontMetrics(fixedPitchFont()).lineSpacing() * listing::kHeadingRows + 6;
    for (QListWidget* head : {m_namesHead, m_linesHead}) head->setFixedHeight(headHeight);
    m_namesFrame = frameAround(m_namesHead, m_names, "Picture1");
    m_linesFrame = frameAround(m_linesHead, m_lines, "Picture2");
    m_spin = new SpinButton(Qt::Horizontal);
    m_spin->setObjectName("Spin1");
    m_spin->setToolTip("View earlier < or more recent > rounds");
    setNameWidth(kNameCharacters);
    m_results = new QPushButton("Results");
    m_results->setObjectName("resultsbutton");
    m_results->setToolTip("The results of this date, ranked by net score");
    m_results->setVisible(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(m_namesFrame, 0, 0);
    grid->addWidget(m_linesFrame, 0, 1);
    grid->addWidget(m_vertical, 0, 2);
    auto* under = new QHBoxLayout;
    under->setSpacing(6);
    under->addWidget(m_spin);
    under->addWidget(m_results);
    under->addStretch(1);
    grid->addLayout(under, 1, 0);
    grid->addWidget(m_horizontal, 1, 1);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 1);

    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int v) {
        m_names->verticalScrollBar()->setValue(v);
        m_lines->verticalScrollBar()->setValue(v);
    });
    connect(m_horizontal, &QScrollBar::valueChanged, m_lines->horizontalScrollBar(), &QScrollBar::setValue);
    connect(m_horizontal, &QScrollBar::valueChanged, m_linesHead->horizontalScrollBar(), &QScrollBar::setValue);
    connect(m_lines->horizontalScrollBar(), &QScrollBar::valueChanged, m_horizontal, &QScrollBar::setValue);
    for (QListWidget* list : {m_names, m_lines}) {
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, m_vertical, &QScrollBar::setValue);
        connect(list->verticalScrollBar(), &QScrollBar::rangeChanged, this, &ListingView::syncRanges);
    }
    connect(m_lines->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &ListingView::syncRanges);
}

void ListingView::syncRanges() {
    QScrollBar* v = m_lines->verticalScrollBar();
    m_vertical->setRange(0, std::max(v->maximum(), m_names->verticalScrollBar()->maximum()));
    m_vertical->setPageStep(v->pageStep());
    QScrollBar* h = m_lines->horizontalScrollBar();
    m_horizontal->setRange(0, h->maximum());
    m_horizontal->setPageStep(h->pageStep());
    m_horizontal->setSingleStep(h->singleStep() * 4);
}

// The lists keep every row, headings included; the heading rows show in the fixed lists above.
void ListingView::setRows(const std::vector<listing::Row>& rows) {
    clear();
    int longest = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string shown = text::ShortenName(rows[i].name, kNameCharacters);
        QString name = QString::fromStdString(shown);
        QString line = QString::fromStdString(rows[i].line);
        m_names->addItem(name);
        // The whole of a shortened name shows when the pointer rests on it.
        if (shown != rows[i].name)
            m_names->item(m_names->count() - 1)->setToolTip(QString::fromStdString(rows[i].name));
        m_lines->addItem(line);
        if (static_cast<int>(i) < headingRows(rows)) {
            m_names->setRowHidden(static_cast<int>(i), true);
            m_lines->setRowHidden(static_cast<int>(i), true);
            m_namesHead->addItem(name);
            m_linesHead->addItem(line);
        } else {
            longest = std::max(longest, static_cast<int>(name.size()));
        }
    }
    setNameWidth(std::min(longest, kNameCharacters));
    m_vertical->setValue(0);
    syncRanges();
}

void ListingView::clear() {
    for (QListWidget* list : {m_names, m_lines, m_namesHead, m_linesHead}) list->clear();
}

// The name column is as wide as the longest name (at least the heading's "Name").
void ListingView::setNameWidth(int characters) {
    QFontMetrics metrics(fixedPitchFont());
    int text = metrics.horizontalAdvance(QString(std::max(characters, 10), '0'));
    m_namesFrame->setFixedWidth(text + 2 * m_names->frameWidth() + 16);
}

int ListingView::fullWidth() const {
    listing::Listing empty;
    empty.ClearListing();
    QFontMetrics metrics(fixedPitchFont());
    int lines = metrics.horizontalAdvance(QString::fromStdString(empty.rows().front().line)) + 16;
    int names = metrics.horizontalAdvance(QString(kNameCharacters, '0')) + 16;
    return names + lines + m_vertical->sizeHint().width() + 4 * layout()->spacing() + 8;
}

void ListingView::setListsVisible(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_namesFrame, m_linesFrame, m_vertical, m_horizontal}) {
        w->setVisible(visible);
        w->setEnabled(visible);
    }
}

void ListingView::setSpinVisible(bool visible) {
    m_spin->setVisible(visible);
}

void ListingView::setResultsVisible(bool visible) {
    m_results->setVisible(visible);
}

}  // namespace quorval::gui
