#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <vector>

#include <optional>

#include "listing/listing.hpp"
#include "platform/services.hpp"
#include "results/dayresults.hpp"
#include "store/folderlock.hpp"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace quorval::gui {

class ListingView;
enum class AnalysisView;

// The main window: menus, tool buttons, the two message panels and the round listing.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(platform::Services& services, QWidget* parent = nullptr);

    // The start-up steps: layout, month names, settings, league registry, league menu.
    void Load();
    // After the splash: opens the league opened last, when the settings ask for it.
    void openLastLeague();
    // The VIEW item checked (exactly one always is).
    int checkedView() const;

    QAction* action(const QString& name) const;
    QToolButton* toolButton(int index) const { return m_toolButtons[index]; }
    QTimer* timer(const QString& name) const;
    ListingView* listingView() const { return m_listingView; }
    listing::Listing& listing() { return m_listing; }
    QSize minimumNormalSize() const;
    // Another program held the data folder and the user chose to look without writing.
    bool readOnly() const { return m_readOnly; }
    // The user chose to quit rather than open a folder another program holds.
    bool quitting() const { return m_quitting; }

    // Opening, closing and showing leagues.
    void OpenLeague(int k);
    void enterNoLeagueState();
    void rebuildLeagueMenu();

    // The listing.
    void ShowListing();
    void HideListing();
    void ViewMenu(int item);
    void SpinDown();
    void SpinUp();
    void showActionMessage(const QString& text);
    void showPanelMessage(const QString& text);
    QString panelMessage() const;

    // What the timers do when they fire: Timer1 lists the current player's rounds again.
    void showCurrentPlayerRounds();
    void runViewTimer();
    void runMessageTimer();
    void clearToolBorders();

    void setToolBorder(int index);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption);
    void buildToolBar(QWidget* strip);
    void buildPanels();
    void connectCommands();  // the File, Print, Players and data menus
    void connectAnalysisTeamsCoursesAndHelp();
    void setLeagueMenusEnabled(bool enabled);
    void pressToolButton(int index);
    void openPlayerChooser();
    void openAnalysisChooser(AnalysisView view);
    void startEntry(bool withStatistics);
    void printListing();
    void setCoursesMenuEnabled(bool enabled);
    void exportListing();
    std::string today() const;
    void chooseRoundToEdit();
    void followScoreWindow(class ScoreEntryWindow* window);
    void openWindow(class ChildWindow* window);
    void updateCaption();
    void takeFolderLock();
    void applyReadOnly();
    void checkView(int item);
    void showPlayerRounds(int player);
    int individualPlayer() const;
    void restorePlace();
    void savePlace();
    QString noLeagueMessage() const;
    std::optional<results::PlayDate> shownDate() const;

    platform::Services& m_services;
    std::map<QString, QAction*> m_actions;
    QMenu* m_openMenu = nullptr;
    std::vector<QAction*> m_leagueActions;
    std::vector<QToolButton*> m_toolButtons;
    QFrame* m_toolStrip = nullptr;
    QLabel* m_messagePanel = nullptr;
    QLabel* m_actionMessage = nullptr;
    QLabel* m_readOnlyBar = nullptr;
    ListingView* m_listingView = nullptr;
    class CourseSelectPanel* m_coursePanel = nullptr;
    listing::Listing m_listing;
    QTimer* m_toolbarTimer;
    QTimer* m_messageTimer;
    QTimer* m_timer1;
    QTimer* m_viewTimer;
    bool m_large = true;
    std::unique_ptr<store::FolderLock> m_folderLock;
    bool m_readOnly = false;
    bool m_quitting = false;
    int m_viewBeforeChooser = 1;
    std::string m_individualName;  // the player the Individual view lists
    int m_individualSlot = 0;
};

}  // namespace quorval::gui
