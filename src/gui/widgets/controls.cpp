#include "widgets/controls.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace quorval::gui {

QLabel* makePanel(const QString& name, const QString& text, QFrame::Shadow shadow, bool wrap) {
    auto* panel = new QLabel(text);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(shadow);
    panel->setWordWrap(wrap);
    panel->setContentsMargins(6, 3, 6, 3);
    return panel;
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QPushButton* makeHelpButton(const QString& name, const QString& tip) {
    QPushButton* button = makeButton(name, "", tip);
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    return button;
}

}  // namespace quorval::gui
