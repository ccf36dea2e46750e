#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QListWidget;

namespace quorval::gui {

// "Performance & Analysis": picks the player for one of the four analysis views, named by the
// mode the menu item gave: "Stats", "FullStat", "line" (the handicap graph) or "pie" (the scoring
// chart).
class AnalysisChooserWindow : public ChildWindow {
    Q_OBJECT
public:
    AnalysisChooserWindow(platform::Services& services, QWidget* opener, const QString& mode);

    const QString& mode() const { return m_mode; }

    // The accept button: makes the selected player current and opens the view. A receiver of
    // playerChosen may open the view instead, by handing the chooser over to it; the chooser
    // opens the handicap graph and the scoring chart itself when nobody did.
    void accept();

signals:
    void playerChosen(const QString& mode, int player);

protected:
    void finish() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_mode;
    QListWidget* m_list;
    QLabel* m_playerLabel;
    QLabel* m_closeLabel;
};

}  // namespace quorval::gui
