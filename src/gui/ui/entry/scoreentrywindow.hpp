#pragma once

#include <QSize>
#include <array>
#include <optional>

#include "entry/entryrequest.hpp"
#include "entry/posting.hpp"
#include "ui/childwindow.hpp"

class QButtonGroup;
class QComboBox;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace quorval::gui {

// "Enter Scores": the hole scores of a round, typed player after player and posted. Two forms of
// the same window: `roundsform` for scores only and `roundsform2` with fairways, greens and putts.
// The request says what for: new rounds for the players marked selected, or the correction (or
// deletion) of one player's stored round.
class ScoreEntryWindow : public ChildWindow {
    Q_OBJECT
public:
    ScoreEntryWindow(platform::Services& services, QWidget* opener, const entry::EntryRequest& request);

    bool editMode() const { return m_request.correcting(); }
    QTimer* timer() const { return m_timer1; }
    // After a posting with View Math on, the card waits while the calculation is read.
    bool paused() const { return m_paused; }
    // Keys were typed into the card since it was filled or last posted.
    bool hasTypedScores() const { return m_typed; }

    // What the buttons do.
    void record();
    void skipPlayer();
    void deleteRound();
    void viewMath();
    void EQadjust();
    // Timer1's tick: posts the round shown and moves on to the next player.
    void postShownRound();
    // Ends the pause after a posting: the next player's card.
    void continueAfterPause();

signals:
    // The entry is over (posted, skipped to the end, cancelled or deleted): the listing is rebuilt.
    void entryFinished();

protected:
    void finish() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPlaceRow();
    // The date and course a corrected round is posted with; nothing after telling the user why.
    std::optional<entry::RoundPlace> editedPlace();
    template <typename T>
    using HoleArray = std::array<T*, 19>;

    void buildCard(QGridLayout* card);
    void buildPauseRow();
    void buildStatisticsRows(QGridLayout* card);
    QWidget* buildBottom();
    void connectBoxes();
    void fillPars();
    void fillFromSlot();
    void clearCard();
    void showPlayer();
    int selectedTee() const;

    void FirstSelectedPlayer();
    void NextPlayer();
    void afterPlayer();

    void scoreChanged(int k);
    void parChanged(int k);
    void puttsChanged(int k);
    void countTicks(const HoleArray<QCheckBox>& ticks, QLineEdit* out, QLineEdit* in);
    void showScoreTotal();
    bool keyRefused(QLineEdit* box, QKeyEvent* key);

    entry::RoundEntry roundShown() const;
    bool confirmHighScores();
    bool confirmDateOrder(const entry::RoundEntry& round, const entry::RoundPlace& place);
    void pauseAfterPosting();
    void nextCard();
    void setListShown(bool shown);
    int listRoom() const;

    const bool m_statistics;
    entry::EntryRequest m_request;  // a correction's course follows its course box
    int m_player = 0;               // the player whose card is shown
    bool m_tall = false;            // roundsform: the calculation list is shown
    bool m_viewMath = false;        // roundsform2: the list is shown while each posting pauses
    bool m_saveOnClose = false;
    bool m_typed = false;   // the card holds keys typed since it was filled or posted
    bool m_ending = false;  // the window closes itself: nothing typed is left to lose
    bool m_paused = false;
    // The scores as typed before the hole limits lowered the boxes, and the boxes after.
    bool m_playedKnown = false;
    store::HoleValues m_played{};
    store::HoleValues m_limited{};
    QSize m_cardSize;  // the window in its short layout

    QLabel* m_playerName;
    QLabel* m_place;
    // A corrected round's date and course, shown only when a stored round is edited.
    QLineEdit* m_editDate = nullptr;
    QComboBox* m_editCourse = nullptr;
    HoleArray<QLineEdit> m_scores{};
    HoleArray<QLineEdit> m_pars{};
    QLineEdit* m_outScore;
    QLineEdit* m_inScore;
    QLabel* m_outPar;
    QLabel* m_inPar;
    QLabel* m_totalPar;
    QLabel* m_totalScore;

    HoleArray<QCheckBox> m_fairways{};
    HoleArray<QCheckBox> m_greens{};
    HoleArray<QLineEdit> m_putts{};
    QLineEdit* m_outFairways = nullptr;
    QLineEdit* m_inFairways = nullptr;
    QLineEdit* m_outGreens = nullptr;
    QLineEdit* m_inGreens = nullptr;
    QLineEdit* m_outPutts = nullptr;
    QLineEdit* m_inPutts = nullptr;
    QLabel* m_totalFairways = nullptr;
    QLabel* m_totalGreens = nullptr;
    QLabel* m_totalPutts = nullptr;

    QButtonGroup* m_tees;
    QLabel* m_eqLabel;
    QPushButton* m_skip;
    QPushButton* m_delete;
    QPushButton* m_viewMathButton;
    QListWidget* m_list;
    QWidget* m_cardArea;
    QWidget* m_pauseRow;
    QLabel* m_pauseNote;
    QPushButton* m_continue;
    QTimer* m_timer1;
};

}  // namespace quorval::gui
