#pragma once

#include "ui/playerchooser.hpp"

namespace quorval::gui {

// Picks the player whose rounds the Individual Player view lists.
class ChoosePlayerWindow : public PlayerChooser {
    Q_OBJECT
public:
    ChoosePlayerWindow(platform::Services& services, QWidget* opener);

    void accept() override;

signals:
    void accepted();
    void cancelled();

protected:
    void finish() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_accepted = false;
};

}  // namespace quorval::gui
