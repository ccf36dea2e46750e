#include "ui/help/helpwindow.hpp"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "text/encoding.hpp"

namespace quorval::gui {

HelpWindow::HelpWindow(const QString& helpFilePath) {
    setObjectName("HelpWindow");
    setWindowTitle("Quorval Help");
    resize(820, 560);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Type a word to find:"));
    m_searchText = new QLineEdit;
    m_searchText->setObjectName("searchtext");
    left->addWidget(m_searchText);
    m_keywords = new QListWidget;
    m_keywords->setObjectName("keywordlist");
    left->addWidget(m_keywords, 1);
    auto* show = new QPushButton("&Show");
    show->setObjectName("showbutton");
    auto* contents = new QPushButton("&Contents");
    contents->setObjectName("contentsbutton");
    auto* close = new QPushButton("C&lose");
    close->setObjectName("closebutton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show);
    buttons->addWidget(contents);
    buttons->addWidget(close);
    left->addLayout(buttons);

    m_page = new QTextBrowser;
    m_page->setObjectName("helppage");
    m_page->setOpenLinks(false);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_page, 3);

    connect(m_searchText, &QLineEdit::textChanged, this, &HelpWindow::fillKeywords);
    connect(m_searchText, &QLineEdit::returnPressed, this, &HelpWindow::openKeyword);
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpWindow::openKeyword);
    connect(show, &QPushButton::clicked, this, &HelpWindow::openKeyword);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic("Contents"); });
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(close, &QPushButton::clicked, this, &HelpWindow::close);

    loadFile(helpFilePath);
    fillKeywords({});
}

void HelpWindow::loadFile(const QString& path) {
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    std::string bytes = file.readAll().toStdString();
    m_file = help::ParseHelpFile(text::decodeToUtf8(std::move(bytes)));
    m_loaded = !m_file.topics.empty();
}

void HelpWindow::showTopic(const QString& key) {
    m_currentKey = key;
    if (!m_loaded) {
        m_page->setHtml("<h2>Help is not available</h2><p>The help file <b>" + m_path.toHtmlEscaped() +
                        "</b> could not be found or read. Reinstall Quorval to restore it.</p>");
        return;
    }
    const help::Topic* topic = m_file.find(key.toStdString());
    if (!topic) {
        m_page->setHtml("<h2>" + key.toHtmlEscaped() +
                        "</h2><p>The help file has no topic of this name. Try the search on the left.</p>");
        return;
    }
    m_page->setHtml(QString::fromStdString(dates::InOrder(help::BodyToHtml(*topic), m_dateOrder)));
}

void HelpWindow::startSearch() {
    m_searchText->clear();
    m_searchText->setFocus();
}

void HelpWindow::fillKeywords(const QString& prefix) {
    m_keywords->clear();
    for (const std::string& word : m_file.keywordsStartingWith(prefix.toStdString())) {
        m_keywords->addItem(QString::fromStdString(word));
    }
    if (m_keywords->count() > 0) m_keywords->setCurrentRow(0);
}

void HelpWindow::openKeyword() {
    QListWidgetItem* item = m_keywords->currentItem();
    if (!item) return;
    auto topics = m_file.search(item->text().toStdString());
    for (const help::Topic* topic : topics) {
        for (const auto& word : topic->keywords) {
            if (QString::fromStdString(word).compare(item->text(), Qt::CaseInsensitive) == 0) {
                showTopic(QString::fromStdString(topic->key));
                return;
            }
        }
    }
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::followLink(const QUrl& url) {
    if (url.scheme() == "topic") showTopic(url.path());
}

}  // namespace quorval::gui
