#include "platform/qthelpviewer.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/help/helpwindow.hpp"

namespace quorval::gui {

QtHelpViewer::~QtHelpViewer() {
    delete m_window;
}

HelpWindow* QtHelpViewer::ensureWindow() {
    if (!m_window) m_window = new HelpWindow(m_path);
    if (m_settings) m_window->setDateOrder(m_settings->dateOrder);
    return m_window;
}

void QtHelpViewer::showTopic(const std::string& key) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HelpWindow* w = ensureWindow();
    w->showTopic(QString::fromStdString(key));
    w->show();
    w->raise();
    QApplication::restoreOverrideCursor();
}

void QtHelpViewer::search() {
    HelpWindow* w = ensureWindow();
    w->show();
    w->raise();
    w->startSearch();
}

void QtHelpViewer::close() {
    if (m_window) m_window->close();
}

QString shareFilePath(const QString& name) {
    QDir exeDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {exeDir.filePath("../share/quorval/" + name), exeDir.filePath("share/quorval/" + name)}) {
        if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(exeDir.filePath("../share/quorval/" + name));
}

}  // namespace quorval::gui
