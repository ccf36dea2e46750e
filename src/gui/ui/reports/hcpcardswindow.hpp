#pragma once

#include <QImage>

#include "platform/printer.hpp"
#include "ui/childwindow.hpp"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace quorval::gui {

// "Handicap Card Printing": a wallet-size card for each chosen player, ten to a sheet of
// business-card stock, with the offsets and the row scaling that line the print up with the stock.
class HcpCardsWindow : public ChildWindow {
    Q_OBJECT
public:
    HcpCardsWindow(platform::Services& services, QWidget* opener);

    // What the buttons do.
    void printCards();
    void showInfo();
    void done();

protected:
    void finish() override;

private:
    // How many cards the selection makes, shown whenever it changes.
    void showCardCount();
    void takeSettingsFromBoxes();
    QVBoxLayout* buildPlayerColumn(QPushButton* selectAll, QPushButton* unmarkAll);
    QVBoxLayout* buildCardColumn();

    QListWidget* m_players;
    QLabel* m_count;
    QLineEdit* m_comment;
    QLineEdit* m_horizontal;
    QLineEdit* m_vertical;
    QLineEdit* m_scaling;
    platform::Picture m_picture;
};

// The small golf flag printed on every card.
QImage CardPicture();

// An image as the printer seam takes it: rows of 0xAARRGGBB pixels.
platform::Picture ToPicture(const QImage& image);

}  // namespace quorval::gui
