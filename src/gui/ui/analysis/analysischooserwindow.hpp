#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QListWidget;

namespace quorval::gui {

// The four analysis views of the Performance menu, in its order.
enum class AnalysisView : int { Stats, FullStat, HcpGraph, ScoringPie };

// "Performance & Analysis": picks the player for the analysis view the menu item asked for.
class AnalysisChooserWindow : public ChildWindow {
    Q_OBJECT
public:
    AnalysisChooserWindow(platform::Services& services, QWidget* opener, AnalysisView view);

    AnalysisView view() const { return m_view; }

    // The accept button: makes the selected player current and opens the view. A receiver of
    // playerChosen may open the view instead, by handing the chooser over to it; the chooser
    // opens the handicap graph and the scoring chart itself when nobody did.
    void accept();

signals:
    void playerChosen(quorval::gui::AnalysisView view, int player);

protected:
    void finish() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AnalysisView m_view;
    QListWidget* m_list;
    QLabel* m_playerLabel;
    QLabel* m_closeLabel;
};

}  // namespace quorval::gui
