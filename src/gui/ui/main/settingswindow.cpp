#include "ui/main/settingswindow.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "handicap/rules.hpp"
#include "store/settingsfile.hpp"
#include "text/numbers.hpp"
#include "ui/main/leagueplaybox.hpp"
#include "ui/main/leaguerulesbox.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

// A label that acts when clicked.
class ClickPanel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (onClick) onClick();
    }
};

QLabel* panel(QLabel* label, const QString& name) {
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(6, 3, 6, 3);
    return label;
}

QCheckBox* check(const QString& name, const QString& caption, bool ticked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(ticked);
    return box;
}

}  // namespace

SettingsWindow::SettingsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Setfont", "Quorval Settings") {
    QPushButton* ok = makeButton("okbutton", "&OK", "Accept choices");
    ok->setDefault(true);
    QPushButton* cancel = makeButton("cancelbutton", "&Cancel", "Close without changing the settings");
    QPushButton* info = makeHelpButton("infobutton", "Help with QVL settings");

    QVBoxLayout* right = buildOptions();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(info);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buildFontColumn(), 1);
    layout->addLayout(right, 1);
    resize(760, 460);
    centreOnScreen();

    connect(m_fonts, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseFont(item->text()); });
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &SettingsWindow::close);
    setHelpTopic("Fonts");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Fonts"); });
}

// The printer's fonts with the chosen one shown in its own face, and a note on monospacing.
QVBoxLayout* SettingsWindow::buildFontColumn() {
    QString font = QString::fromStdString(m_services.data.settings.printFont);
    m_fonts = new QListWidget;
    m_fonts->setObjectName("List1");
    for (const std::string& name : m_services.printer.fontNames()) m_fonts->addItem(QString::fromStdString(name));
    auto matches = m_fonts->findItems(font, Qt::MatchExactly);
    if (!matches.isEmpty()) m_fonts->setCurrentItem(matches.first());

    auto* fontFrame = new QGroupBox("Current font");
    fontFrame->setObjectName("Frame3D1");
    m_fontLabel = new QLabel;
    m_fontLabel->setObjectName("fontlabel");
    auto* fontLayout = new QVBoxLayout(fontFrame);
    fontLayout->addWidget(m_fontLabel);
    chooseFont(font);

    QLabel* notes = makePanel("Panel3D1",
                              "Courier New is the recommended Font\n"
                              "MonoSpaced fonts are required for straight columns.\n"
                              "Click on the info button regarding this option");
    auto* left = new QVBoxLayout;
    left->addWidget(m_fonts, 1);
    left->addWidget(fontFrame);
    left->addWidget(notes);
    return left;
}

QGroupBox* SettingsWindow::buildNineHoleFrame() {
    auto* nineFrame = new QGroupBox("Nine Hole Round Processing");
    nineFrame->setObjectName("Frame3D2");
    auto* nineLayout = new QVBoxLayout(nineFrame);
    const char* const captions[] = {"Double Nine hole scores", "Divide Rating by 2", "Use adjusted (9 hole) ratings"};
    for (int i = 1; i <= 3; ++i) {
        m_nineHole[i] = new QRadioButton(captions[i - 1]);
        m_nineHole[i]->setObjectName(QString("Nineholeoption%1").arg(i));
        m_nineHole[i]->setChecked(m_services.data.settings.nineHoleOption == i);
        nineLayout->addWidget(m_nineHole[i]);
    }
    auto* nineHelp = new ClickPanel("Important!\nregarding nine hole rounds.\nClick here for Help");
    panel(nineHelp, "Panel3D2");
    nineHelp->setCursor(Qt::PointingHandCursor);
    nineHelp->onClick = [this] { m_services.help.showTopic("Nine Hole Rounds"); };
    nineLayout->addWidget(nineHelp);
    return nineFrame;
}

// The handicap options: nine-hole handling, the ticks, the factor and the league's rules.
QVBoxLayout* SettingsWindow::buildOptions() {
    const store::Settings& s = m_services.data.settings;
    m_limit = check("hcplimitcheck", "Limit Hcp. Indexes to 36.4 men && 40.4 women", s.hcpLimitCheck == 1);
    m_dateRemind = check("dateremindcheck", "Double check dates when entering Rounds", s.dateRemindCheck == 1);
    m_equitable = check("Equitablecheck", "Use Equitable Stroke Control Limits on hole scores",
                        s.equitableCheck == store::kEscOn);
    m_average = check("Averagecheck", "Average all rounds played when a player", s.averageCheck == 1);
    auto* averageNote = new QLabel("has less than 9 rounds recorded (default is off)");
    averageNote->setIndent(24);
    m_openLast = check("openlastcheck", "Open the last league used when the program starts", s.openLastLeague == 1);

    m_factor = new QLineEdit(QString::fromStdString(text::formatPattern(s.hcpFactor, "#.00")));
    m_factor->setObjectName("hcptext");
    m_factor->setMaximumWidth(70);
    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(new QLabel("Handicap Factor"));
    factorRow->addWidget(m_factor);
    factorRow->addWidget(new QLabel("Default factor is .96"));
    factorRow->addStretch(1);

    // Every date shown or typed follows it from the moment the settings are accepted.
    m_dateOrder = new QComboBox;
    m_dateOrder->setObjectName("dateordercombo");
    m_dateOrder->setToolTip("How dates are shown and typed in every window, printout and page");
    for (store::DateOrder order :
         {store::DateOrder::kMonthDayYear, store::DateOrder::kDayMonthYear, store::DateOrder::kYearMonthDay}) {
        std::string caption = dates::OrderWords(order) + "  (" + dates::ShortDate(order, 10, 27, 26) + ")";
        m_dateOrder->addItem(QString::fromStdString(caption), static_cast<int>(order));
    }
    m_dateOrder->setCurrentIndex(m_dateOrder->findData(static_cast<int>(s.dateOrder)));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel("Date order"));
    dateRow->addWidget(m_dateOrder);
    dateRow->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildNineHoleFrame());
    right->addWidget(m_limit);
    right->addWidget(m_dateRemind);
    right->addWidget(m_equitable);
    right->addWidget(m_average);
    right->addWidget(averageNote);
    right->addWidget(m_openLast);
    right->addLayout(factorRow);
    right->addLayout(dateRow);
    right->addWidget(leagueRules());
    m_playBox = new LeaguePlayBox(m_services);
    right->addWidget(m_playBox);
    right->addStretch(1);
    return right;
}

// The open league's rules; the classic options stand greyed out while the league does not use them.
QWidget* SettingsWindow::leagueRules() {
    m_rulesBox = new LeagueRulesBox(m_services);
    m_unusedNote = new QLabel("Not used by this league's handicap rules:\nfactor, index limit and averaging.");
    m_unusedNote->setObjectName("unusednote");
    auto showUse = [this](bool used) {
        for (QWidget* w :
             {static_cast<QWidget*>(m_limit), static_cast<QWidget*>(m_average), static_cast<QWidget*>(m_factor)}) {
            w->setEnabled(used);
        }
        m_unusedNote->setVisible(!used);
    };
    connect(m_rulesBox, &LeagueRulesBox::classicOptionsUsed, this, showUse);
    showUse(handicap::RulesOf(m_services.data).usesFactorLimitAndAveraging());
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_unusedNote);
    layout->addWidget(m_rulesBox);
    return box;
}

void SettingsWindow::chooseFont(const QString& family) {
    m_fontLabel->setText(family);
    QFont font(family, 11);
    m_fontLabel->setFont(font);
}

void SettingsWindow::accept() {
    store::LeagueData& data = m_services.data;
    store::Settings& s = data.settings;
    s.printFont = m_fontLabel->text().toStdString();
    for (int i = 1; i <= 3; ++i)
        if (m_nineHole[i]->isChecked()) s.nineHoleOption = static_cast<int16_t>(i);
    s.hcpLimitCheck = m_limit->isChecked() ? 1 : 0;
    s.dateRemindCheck = m_dateRemind->isChecked() ? 1 : 0;
    s.equitableCheck = m_equitable->isChecked() ? store::kEscOn : 0;
    s.averageCheck = m_average->isChecked() ? 1 : 0;
    s.openLastLeague = m_openLast->isChecked() ? 1 : 0;
    s.dateOrder = static_cast<store::DateOrder>(m_dateOrder->currentData().toInt());
    s.hcpFactor = store::ValidHcpFactor(static_cast<float>(text::leadingNumber(m_factor->text().toStdString())));
    m_rulesBox->apply();
    m_playBox->apply();
    close();
    if (s.printFont.empty()) s.printFont = "Courier New";
    store::SaveLeagueRegistry(data, m_services.dialogs);
    store::SaveSettingsFile(data, m_services.dialogs);
    if (s.averageCheck == 1) {
        m_services.dialogs.message(
            {platform::joinLines(
                 {"You have selected the option to average using", "a higher number of rounds than the normal system.",
                  "", "This can be useful for getting started or for groups", "that don't play a high number of rounds",
                  "", "Please be aware that the handicap values will vary",
                  "from the most widely accepted system until 9 or more", "rounds have been played."}),
             "Quorval", platform::Buttons::Ok, platform::Icon::None});
    }
}

}  // namespace quorval::gui
