#pragma once

#include <QPointer>
#include <QString>

#include "platform/seams.hpp"
#include "ui/help/helpwindow.hpp"

namespace quorval::gui {

// Opens the help window at a topic; the window reports a missing help file itself.
class QtHelpViewer : public platform::HelpViewer {
public:
    explicit QtHelpViewer(QString helpFilePath) : m_path(std::move(helpFilePath)) {}
    ~QtHelpViewer() override;

    void showTopic(const std::string& key) override;
    void search() override;
    void close() override;

    HelpWindow* window() const { return m_window; }
    // The settings whose date order the topics follow.
    void followSettings(const store::Settings* settings) { m_settings = settings; }

private:
    HelpWindow* ensureWindow();

    QString m_path;
    QPointer<HelpWindow> m_window;
    const store::Settings* m_settings = nullptr;
};

// Where the installed help file and artwork are: share/quorval beside the program's folder.
QString shareFilePath(const QString& name);

}  // namespace quorval::gui
