#include "widgets/spinbutton.hpp"

#include <QBoxLayout>
#include <QToolButton>

namespace quorval::gui {

SpinButton::SpinButton(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
    bool across = orientation == Qt::Horizontal;
    auto* layout = new QBoxLayout(across ? QBoxLayout::LeftToRight : QBoxLayout::BottomToTop, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_down = new QToolButton;
    m_down->setObjectName("down");
    m_down->setArrowType(across ? Qt::LeftArrow : Qt::DownArrow);
    m_down->setAutoRepeat(true);
    m_up = new QToolButton;
    m_up->setObjectName("up");
    m_up->setArrowType(across ? Qt::RightArrow : Qt::UpArrow);
    m_up->setAutoRepeat(true);
    layout->addWidget(m_down);
    layout->addWidget(m_up);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::spinDown);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::spinUp);
}

}  // namespace quorval::gui
