#include "ui/reports/sidegamepage.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

SideGamePage::SideGamePage(platform::Services& services, const results::PlayDate& date, play::SideGame game)
    : m_services(services), m_date(date), m_game(game) {
    const bool skins = game == play::SideGame::Skins;
    const store::LeagueData& data = services.data;
    setObjectName(skins ? "skinspage" : "stablefordpage");
    auto* form = new QFormLayout;
    m_course = new QComboBox;
    m_course->setObjectName("sidecourse");
    for (int c : play::CoursesPlayedOn(data, date))
        m_course->addItem(QString::fromStdString(data.courses[c][store::course_field::kName]));
    form->addRow("Course:", m_course);
    m_allowance = new QSpinBox;
    m_allowance->setObjectName("sideallowance");
    m_allowance->setRange(1, 100);
    m_allowance->setSuffix(" %");
    m_allowance->setValue(skins ? 100 : play::DefaultStablefordAllowance(data));
    m_allowance->setToolTip("Percent of each player's course handicap played off");
    form->addRow("Allowance:", m_allowance);
    if (skins) {
        m_gross = new QCheckBox("Gross scores (no strokes)");
        m_gross->setObjectName("sidegross");
        form->addRow("", m_gross);
        m_ties = new QComboBox;
        m_ties->setObjectName("sideties");
        m_ties->addItems({"nobody wins the hole", "the skin carries to the next hole"});
        m_ties->setCurrentIndex(data.options.skinsCarry ? 1 : 0);
        form->addRow("On a tie:", m_ties);
        m_buyIn = new QLineEdit(QString::fromStdString(play::AmountText(data.options.skinsBuyIn)));
        m_buyIn->setObjectName("sidebuyin");
        m_buyIn->setToolTip("What each player of the field puts in the pot");
        form->addRow("Buy-in:", m_buyIn);
        m_pot = new QLineEdit;
        m_pot->setObjectName("sidepot");
        m_pot->setPlaceholderText("buy-in x players");
        m_pot->setToolTip("A fixed pot instead of the buy-ins; leave it empty to use the buy-in");
        form->addRow("Fixed pot:", m_pot);
    }
    m_text = new QPlainTextEdit;
    m_text->setObjectName("sidetext");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(fixedPitchFont(10));
    // Wide enough for the Stableford table's last count-back column without scrolling.
    m_text->setMinimumSize(QFontMetrics(m_text->font()).horizontalAdvance(QString(84, 'x')), 300);
    m_print = makeButton("sideprint", "&Print", skins ? "Print the skins of this day" : "Print the Stableford table");
    auto* info = makeHelpButton("sidehelp", skins ? "Help on skins" : "Help on Stableford");
    connect(info, &QPushButton::clicked, this,
            [this, skins] { m_services.help.showTopic(skins ? "Skins" : "Stableford"); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(m_course, &QComboBox::currentIndexChanged, this, &SideGamePage::refresh);
    connect(m_allowance, &QSpinBox::valueChanged, this, &SideGamePage::refresh);
    if (skins) {
        connect(m_gross, &QCheckBox::toggled, this, &SideGamePage::refresh);
        connect(m_gross, &QCheckBox::toggled, m_allowance, [this](bool gross) { m_allowance->setEnabled(!gross); });
        connect(m_ties, &QComboBox::currentIndexChanged, this, &SideGamePage::refresh);
        connect(m_buyIn, &QLineEdit::textChanged, this, &SideGamePage::refresh);
        connect(m_pot, &QLineEdit::textChanged, this, &SideGamePage::refresh);
    }
    connect(m_print, &QPushButton::clicked, this, &SideGamePage::print);
    refresh();
}

QString SideGamePage::text() const {
    return m_text->toPlainText();
}

bool SideGamePage::request(play::SideGamePrint& what, std::string& error) const {
    what.game = m_game;
    what.request.date = m_date;
    what.request.course = m_course->currentText().toStdString();
    what.request.allowance = m_allowance->value();
    if (m_game != play::SideGame::Skins) return true;
    what.request.net = !m_gross->isChecked();
    what.skins.ties = m_ties->currentIndex() == 1 ? play::Ties::Carry : play::Ties::None;
    std::optional<play::Cents> buyIn = play::ParseAmount(m_buyIn->text().trimmed().toStdString());
    if (!buyIn) {
        error = "The buy-in must be an amount of 0 or more, like 5 or 2.50.";
        return false;
    }
    what.skins.buyIn = *buyIn;
    const std::string pot = m_pot->text().trimmed().toStdString();
    if (!pot.empty()) {
        what.skins.pot = play::ParseAmount(pot);
        if (!what.skins.pot) {
            error = "The pot must be an amount of 0 or more, like 60 or 62.50.";
            return false;
        }
    }
    return true;
}

void SideGamePage::refresh() {
    play::SideGamePrint what;
    std::string error;
    std::vector<std::string> lines;
    if (request(what, error)) {
        play::FieldResult result = play::FieldOfDate(m_services.data, what.request);
        if (result.field) {
            const store::LeagueData& data = m_services.data;
            lines =
                m_game == play::SideGame::Skins
                    ? play::SkinsLines(data, *result.field, play::ComputeSkins(data, *result.field, what.skins),
                                       what.skins)
                    : play::StablefordLines(data, *result.field,
                                            play::RankStableford(data, *result.field, data.options.stablefordPoints));
        } else {
            error = result.error;
        }
    }
    QStringList shown;
    for (const std::string& line : lines) shown << QString::fromStdString(line);
    m_text->setPlainText(lines.empty() ? QString::fromStdString(error) : shown.join('\n'));
    m_print->setEnabled(!lines.empty());
}

void SideGamePage::print() {
    play::SideGamePrint what;
    std::string error;
    if (!request(what, error)) return;
    m_services.dialogs.beginBusy("");
    play::PrintSideGame(m_services.printer, m_services.data, what, error);
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
