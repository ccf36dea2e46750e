#pragma once

#include "results/dayresults.hpp"
#include "ui/childwindow.hpp"

class QPlainTextEdit;

namespace quorval::gui {

// The results of one day on screen, as the printed sheet lists them, with a button to print it.
class ResultsWindow : public ChildWindow {
    Q_OBJECT
public:
    ResultsWindow(platform::Services& services, QWidget* opener, const results::PlayDate& date);

    QString text() const;

private:
    void print();

    results::PlayDate m_date;
    QPlainTextEdit* m_text;
};

}  // namespace quorval::gui
