#pragma once

#include <QWidget>
#include <vector>

#include "listing/listing.hpp"

class QFrame;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace quorval::gui {

class SpinButton;

// The round listing: the names on the left, the round lines on the right, moving together under
// one vertical scroll bar; the lines scroll sideways on their own. The lists only display.
class ListingView : public QWidget {
    Q_OBJECT
public:
    explicit ListingView(QWidget* parent = nullptr);

    void setRows(const std::vector<listing::Row>& rows);
    void clear();
    // Shows or hides the lists, their frames and scroll bars (the spin button is separate).
    void setListsVisible(bool visible);
    void setSpinVisible(bool visible);
    // The By Date view's button that shows the results of the date on screen.
    void setResultsVisible(bool visible);

    QListWidget* names() const { return m_names; }
    QListWidget* lines() const { return m_lines; }
    QScrollBar* verticalBar() const { return m_vertical; }
    SpinButton* spin() const { return m_spin; }
    QListWidget* linesHeading() const { return m_linesHead; }
    // The width that shows a 30-character name and every column of a round line.
    int fullWidth() const;
    QPushButton* resultsButton() const { return m_results; }

private:
    QListWidget* makeList(const QString& name);
    void syncRanges();
    void setNameWidth(int characters);

    QFrame* m_namesFrame;
    QFrame* m_linesFrame;
    QListWidget* m_names;
    QListWidget* m_lines;
    QListWidget* m_namesHead;
    QListWidget* m_linesHead;
    QScrollBar* m_vertical;
    QScrollBar* m_horizontal;
    SpinButton* m_spin;
    QPushButton* m_results;
};

// The fixed-pitch font of lists whose columns are built with spaces.
QFont fixedPitchFont(int pointSize = 9);

}  // namespace quorval::gui
