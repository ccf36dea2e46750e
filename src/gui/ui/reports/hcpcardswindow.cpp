#include "ui/reports/hcpcardswindow.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/printfont.hpp"
#include "reports/hcpcards.hpp"
#include "store/settingsfile.hpp"
#include "text/numbers.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

namespace {

QLineEdit* box(const QString& name, const QString& text, int width = 0) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    if (width > 0) edit->setMaximumWidth(width);
    return edit;
}

float numberIn(const QLineEdit* edit) {
    return static_cast<float>(text::leadingNumber(edit->text().toStdString()));
}

QString general(double value) {
    return QString::fromStdString(text::generalForm(value));
}

}  // namespace

QImage CardPicture() {
    // Drawn at about 230 dots per inch of the printed size, with the same aspect as the card's
    // picture rectangle, so it prints sharp and unstretched.
    QImage image(120, 176, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 48);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 139, 87));
    p.drawEllipse(QRectF(4, 136, 112, 36));
    p.setBrush(QColor(20, 60, 30));
    p.drawEllipse(QRectF(50, 148, 22, 8));
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(61, 152), QPointF(61, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(63, 10), QPointF(112, 30), QPointF(63, 50)}));
    p.setPen(QPen(QColor(120, 120, 130), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(92, 150), 6, 6);
    return image;
}

platform::Picture ToPicture(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    platform::Picture picture;
    picture.width = argb.width();
    picture.height = argb.height();
    picture.argb.reserve(static_cast<size_t>(picture.width) * picture.height);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        picture.argb.insert(picture.argb.end(), row, row + argb.width());
    }
    return picture;
}

HcpCardsWindow::HcpCardsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "HcpCards", "Handicap Card Printing") {
    store::Settings& settings = services.data.settings;
    if (settings.cardVerticalScaling == 0) settings.cardVerticalScaling = 1.0f;

    auto* selectAll = makeButton("selectallbutton", "Select All");
    auto* unmarkAll = makeButton("Command1", "Un-mark All");
    QVBoxLayout* left = buildPlayerColumn(selectAll, unmarkAll);

    auto* print = makeButton("PrintButton", "&Print Cards", "Print hcp cards for selected players");
    print->setDefault(true);
    auto* info = makeHelpButton("infobutton", "Card stock and print alignment");
    auto* doneButton = makeButton("donebutton", "&Done", "Close hcp card window");
    QVBoxLayout* right = buildCardColumn();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(doneButton);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    resize(660, 420);
    centreOnScreen();

    connect(m_players, &QListWidget::itemSelectionChanged, this, &HcpCardsWindow::showCardCount);
    showCardCount();

    connect(selectAll, &QPushButton::clicked, m_players, &QListWidget::selectAll);
    connect(unmarkAll, &QPushButton::clicked, m_players, &QListWidget::clearSelection);
    connect(print, &QPushButton::clicked, this, &HcpCardsWindow::printCards);
    connect(info, &QPushButton::clicked, this, &HcpCardsWindow::showInfo);
    connect(doneButton, &QPushButton::clicked, this, &HcpCardsWindow::done);
}

QVBoxLayout* HcpCardsWindow::buildPlayerColumn(QPushButton* selectAll, QPushButton* unmarkAll) {
    const store::LeagueData& data = m_services.data;
    m_players = new QListWidget;
    m_players->setObjectName("List1");
    m_players->setSelectionMode(QAbstractItemView::MultiSelection);
    FillPlayerNameList(m_players, data);
    m_count = makePanel("printcountlabel", "");

    auto* left = new QVBoxLayout;
    auto* listLabel = new QLabel("Click to Select the Players who need Handicap Cards");
    listLabel->setWordWrap(true);
    left->addWidget(listLabel);
    left->addWidget(m_players, 1);
    auto* marks = new QHBoxLayout;
    marks->addWidget(selectAll);
    marks->addWidget(unmarkAll);
    left->addLayout(marks);
    left->addWidget(m_count);
    return left;
}

// The card's picture, the date or comment printed on it, and the alignment boxes.
QVBoxLayout* HcpCardsWindow::buildCardColumn() {
    const store::Settings& settings = m_services.data.settings;
    const QImage flag = CardPicture();
    m_picture = ToPicture(flag);
    auto* picture = new QLabel;
    picture->setObjectName("Picture1");
    picture->setPixmap(QPixmap::fromImage(flag).scaledToHeight(88, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);

    platform::Date today = m_services.clock.today();
    m_comment = box("Text1", QString::fromStdString(print::PrintDate(today, m_services.data.settings.dateOrder)));
    m_comment->setToolTip("Date which will appear on printed cards");
    auto* commentLabel = new QLabel("Date or optional comment that will appear on printed cards");
    commentLabel->setWordWrap(true);

    m_horizontal = box("WDOffSetText", general(settings.cardHorizontalOffset), 80);
    m_vertical = box("hoffsettext", general(settings.cardVerticalOffset), 80);
    m_scaling = box("pscalingtext", "", 80);
    connect(m_scaling, &QLineEdit::textChanged, this,
            [this] { m_services.data.settings.cardVerticalScaling = numberIn(m_scaling); });
    m_scaling->setText(QString::fromStdString(text::formatPattern(settings.cardVerticalScaling, "#0.000")));

    auto* alignment = new QGroupBox("Print alignment");
    auto* grid = new QGridLayout(alignment);
    grid->addWidget(new QLabel("Width Offset"), 0, 0);
    grid->addWidget(m_horizontal, 0, 1);
    grid->addWidget(new QLabel("Starting height Offset"), 1, 0);
    grid->addWidget(m_vertical, 1, 1);
    grid->addWidget(new QLabel("Vertical Scaling factor"), 2, 0);
    grid->addWidget(m_scaling, 2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(picture);
    right->addWidget(commentLabel);
    right->addWidget(m_comment);
    right->addWidget(alignment);
    right->addStretch(1);
    return right;
}

void HcpCardsWindow::showCardCount() {
    // The count as Str gives it: a blank where a minus sign would go.
    m_count->setText(QString("Cards to Print :  %1").arg(m_players->selectedItems().size()));
}

void HcpCardsWindow::showInfo() {
    const std::string text = platform::joinLines({
        "Use Standard business card stock (10 per page) for",
        "Hcp card printing.  Test alignment on a",
        "regular sheet of paper first.",
        "",
        "If necessary, the starting offsets can be",
        "changed to position the printing correcly.",
        "Positive values will move the print to the right",
        "or downward, negative values will move the print",
        "to the left or higher on the page.",
        "",
        "The Vertical Scaling factor will make each",
        "row of cards print slightly taller or shorter",
        "so all rows can be aligned correctly",
    });
    m_services.dialogs.message({text, "Quorval", platform::Buttons::Ok, platform::Icon::None});
}

void HcpCardsWindow::takeSettingsFromBoxes() {
    store::Settings& settings = m_services.data.settings;
    settings.cardVerticalOffset = numberIn(m_vertical);
    settings.cardHorizontalOffset = numberIn(m_horizontal);
    settings.cardVerticalScaling = numberIn(m_scaling);
}

void HcpCardsWindow::printCards() {
    store::LeagueData& data = m_services.data;
    platform::Dialogs& dialogs = m_services.dialogs;
    const std::string question =
        "Ready to print handicap cards?\r\n\r\n"
        "Note: With some printers it may work\r\n"
        "best to select 10 players at a time and\r\n"
        "print each sheet of 10 cards individually.";
    if (dialogs.message({question, "Quorval", platform::Buttons::OkCancel, platform::Icon::None}) ==
        platform::Answer::Cancel) {
        return;
    }
    dialogs.beginBusy("");
    int picked = MarkSelectedPlayers(data, m_players);
    if (picked == 0) {
        dialogs.endBusy();
        dialogs.message(
            {"No Players selected, cannot continue.", "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    // The scaling box is rewritten with the number it holds, so the user sees what was used.
    takeSettingsFromBoxes();
    m_scaling->setText(general(data.settings.cardVerticalScaling));
    reports::PrintHandicapCards(m_services.printer, data, {m_comment->text().toStdString(), m_picture});
    dialogs.endBusy();
}

void HcpCardsWindow::done() {
    close();
}

void HcpCardsWindow::finish() {
    takeSettingsFromBoxes();
    store::SaveSettingsFile(m_services.data, m_services.dialogs);
}

}  // namespace quorval::gui
