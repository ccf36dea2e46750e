#include "ui/main/listingview.hpp"

#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

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

QFrame* frameAround(QWidget* inner, const QString& name) {
    auto* frame = new QFrame;
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(inner);
    return frame;
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
    // A name longer than the list is wide ends in an ellipsis rather than being cut mid-letter.
    m_names->setTextElideMode(Qt::ElideRight);
    m_lines = makeList("List2");
    // Qt fits a list whose own sideways bar is switched off to its viewport, which would cut the
    // lines off at the window's edge; List2 keeps a bar that takes no room, and HScroll1 drives it.
    m_lines->setHorizontalScrollBar(new RoomlessScrollBar(Qt::Horizontal));
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The widest line, not the first one (the heading), sets how far the lines scroll.
    m_lines->setUniformItemSizes(false);
    m_namesFrame = frameAround(m_names, "Picture1");
    m_linesFrame = frameAround(m_lines, "Picture2");
    m_spin = new SpinButton(Qt::Horizontal);
    m_spin->setObjectName("Spin1");
    m_spin->setToolTip("View View earlier < or more recent > rounds");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(m_namesFrame, 0, 0);
    grid->addWidget(m_linesFrame, 0, 1);
    grid->addWidget(m_vertical, 0, 2);
    grid->addWidget(m_spin, 1, 0, Qt::AlignLeft);
    grid->addWidget(m_horizontal, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 4);

    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int v) {
        m_names->verticalScrollBar()->setValue(v);
        m_lines->verticalScrollBar()->setValue(v);
    });
    connect(m_horizontal, &QScrollBar::valueChanged, m_lines->horizontalScrollBar(), &QScrollBar::setValue);
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

void ListingView::setRows(const std::vector<listing::Row>& rows) {
    m_names->clear();
    m_lines->clear();
    for (const auto& row : rows) {
        m_names->addItem(QString::fromStdString(row.name));
        m_lines->addItem(QString::fromStdString(row.line));
    }
    m_vertical->setValue(0);
    syncRanges();
}

void ListingView::clear() {
    m_names->clear();
    m_lines->clear();
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

}  // namespace quorval::gui
