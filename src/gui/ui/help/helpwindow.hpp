#pragma once

#include <QWidget>

#include "help/helpfile.hpp"
#include "store/leaguedata.hpp"

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace quorval::gui {

// The help viewer: a topic on the right, the keyword search on the left.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFilePath);

    void showTopic(const QString& key);
    void startSearch();
    QString currentKey() const { return m_currentKey; }
    // The dates the topics name as MM/DD/YY are written in this order.
    void setDateOrder(store::DateOrder order) { m_dateOrder = order; }

protected:
    // Escape closes the help as its Close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadFile(const QString& path);
    void fillKeywords(const QString& prefix);
    void openKeyword();
    void followLink(const QUrl& url);

    help::HelpFile m_file;
    bool m_loaded = false;
    QString m_path;
    QString m_currentKey;
    store::DateOrder m_dateOrder = store::DateOrder::kMonthDayYear;
    QLineEdit* m_searchText;
    QListWidget* m_keywords;
    QTextBrowser* m_page;
};

}  // namespace quorval::gui
