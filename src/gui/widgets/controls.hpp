#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;

// The small control recipes every window uses, so they look alike everywhere.
namespace quorval::gui {

// Window sizes and offsets kept from the first version were measured in twips: 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// A 3-D panel used as a label.
QLabel* makePanel(const QString& name, const QString& text, QFrame::Shadow shadow = QFrame::Sunken, bool wrap = false);

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip = {});

// The help button of a window: a question mark.
QPushButton* makeHelpButton(const QString& name, const QString& tip);

}  // namespace quorval::gui
