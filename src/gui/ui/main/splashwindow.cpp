#include "ui/main/splashwindow.hpp"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "store/datafile.hpp"
#include "ui/main/mainwindow.hpp"
#include "ui/main/toolicons.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

const char* const kMessages[] = {"Click or press a key to begin", ""};

}  // namespace

SplashWindow::SplashWindow(platform::Services& services, MainWindow& main)
    : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint), m_services(services), m_main(main) {
    setObjectName("Form1");
    setWindowTitle("Quorval");
    m_image = new QLabel;
    m_image->setObjectName("Image1");
    m_image->installEventFilter(this);
    m_message = new QLabel(kMessages[0]);
    m_message->setObjectName("splashmessage");
    m_message->setAlignment(Qt::AlignCenter);
    QFont font = m_message->font();
    font.setPointSize(11);
    m_message->setFont(font);
    m_version = new QLabel(QString("Version %1").arg(QUORVAL_VERSION));
    m_version->setObjectName("versionlabel");
    m_version->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_image);
    layout->addWidget(m_message);
    layout->addWidget(m_version);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(800);
    connect(m_timer1, &QTimer::timeout, this, &SplashWindow::cycleMessage);
}

void SplashWindow::Load() {
    int depth = m_services.screen.bitsPerPixel();
    m_main.Load();
    QPixmap picture = splashPicture();
    if (depth > 8) {
        QPixmap fromFile(QString::fromStdString(quorval::store::findDataFile("Dovivo2.bmp").string()));
        if (fromFile.isNull()) {
            m_services.dialogs.beep();
        } else {
            picture = fromFile;
        }
    }
    m_image->setPixmap(picture);
    m_image->setFixedSize(picture.size());
    int height = static_cast<int>(picture.height() * 1.08);
    m_message->setFixedHeight(std::max(height - picture.height(), m_message->sizeHint().height()));
    setFixedSize(picture.width(), picture.height() + m_message->height() + m_version->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center() + QPoint(0, 200 / kTwipsPerPixel));
    }
    showAsAbout();
}

void SplashWindow::showAsAbout() {
    m_tick = 0;
    m_message->setText(kMessages[0]);
    m_timer1->start();
    show();
    raise();
}

void SplashWindow::cycleMessage() {
    ++m_tick;
    m_message->setText(kMessages[m_tick % 2]);
}

void SplashWindow::handOver() {
    m_timer1->stop();
    m_main.setEnabled(true);
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
    hide();
    // Only the start-up splash goes on to the league; the About window just closes.
    if (!m_started) {
        m_started = true;
        m_main.openLastLeague();
    }
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    handOver();
}

// Any key, as the message under the picture says; a modifier alone is not a key press yet.
void SplashWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            QWidget::keyPressEvent(event);
            return;
        default:
            handOver();
    }
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_image && event->type() == QEvent::MouseButtonPress) {
        handOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorval::gui
