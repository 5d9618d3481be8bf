#include "frmSplash.h"

#include "SplashPicture.h"

#include "core/mdlLanguage.h"
#include "model/StartupHost.h"
#include "model/mdlStartup.h"
#include "widgets/ApplyFont.h"

#include <ZoVersion.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int Width = 520;
constexpr int PictureHeight = 292;
constexpr int BarHeight = 10;

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      imgSplash(new QLabel(this)), imgTitle(new QLabel(this)), lblVersion(new QLabel(this)),
      ProBar(new QProgressBar(this)), Timer1(new QTimer(this))
{
    setObjectName("frmSplash");
    imgSplash->setObjectName("imgSplash");
    imgTitle->setObjectName("imgTitle");
    lblVersion->setObjectName("lblVersion");
    ProBar->setObjectName("ProBar");
    Timer1->setObjectName("Timer1");

    setFixedSize(Width, PictureHeight + BarHeight);
    imgSplash->setGeometry(0, 0, Width, PictureHeight);
    imgTitle->setGeometry(26, 30, 250, 96);
    imgTitle->setAttribute(Qt::WA_TranslucentBackground);
    // The pictures are drawn as they are: a label of a disabled window (the
    // splash while it connects) would grey its picture at every repaint.
    imgSplash->setAttribute(Qt::WA_OpaquePaintEvent);
    imgSplash->installEventFilter(this);
    imgTitle->installEventFilter(this);

    lblVersion->setGeometry(30, 128, 240, 20);
    QPalette text = lblVersion->palette();
    text.setColor(QPalette::WindowText, SplashPicture::TextColour());
    lblVersion->setPalette(text);

    ProBar->setGeometry(0, PictureHeight, Width, BarHeight);
    ProBar->setRange(0, 100);
    ProBar->setValue(0);
    ProBar->setTextVisible(false);
    // Drawn here: a style sheet would bring the whole style-sheet machinery
    // into the start-up for one bar.
    ProBar->setAttribute(Qt::WA_OpaquePaintEvent);
    ProBar->installEventFilter(this);

    Timer1->setInterval(100);
    // The wait is there to get the splash painted; a coarse timer would
    // stretch it by up to 5 %.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmSplash::showEvent(QShowEvent* event)
{
    // The pictures are drawn when the splash first shows, which is while its
    // timer already runs: the drawing fills the wait instead of adding to it.
    if (imgSplash->pixmap().isNull()) {
        const qreal ratio = devicePixelRatioF();
        imgSplash->setPixmap(SplashPicture::Background(imgSplash->size(), ratio));
        imgTitle->setPixmap(SplashPicture::Title(imgTitle->size(), ratio));
    }
    QWidget::showEvent(event);
}

void frmSplash::hideEvent(QHideEvent* event)
{
    imgSplash->clear();
    imgTitle->clear();
    QWidget::hideEvent(event);
    // The window's paint buffer goes too (made again when it shows); not from
    // inside its own hide.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isHidden())
                destroy();
        },
        Qt::QueuedConnection);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return QWidget::eventFilter(watched, event);
    if (watched == imgSplash || watched == imgTitle) {
        auto* picture = static_cast<QLabel*>(watched);
        QPainter(picture).drawPixmap(0, 0, picture->pixmap());
        return true;
    }
    if (watched != ProBar)
        return QWidget::eventFilter(watched, event);
    QPainter painter(ProBar);
    const int span = ProBar->maximum() - ProBar->minimum();
    SplashPicture::PaintProgress(painter, ProBar->rect(),
                                 span > 0 ? double(ProBar->value() - ProBar->minimum()) / span : 0.0);
    return true;
}

void frmSplash::Form_Load()
{
    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
    Timer1->start();
}

void frmSplash::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.ControlMain));
    lblVersion->setText(QString::fromStdString(g_LangFrmZoControl.SimpleText) + " " +
                        QString::number(ZO_VERSION_MAJOR) + "." + QString::number(ZO_VERSION_MINOR) + "." +
                        QString::number(ZO_VERSION_REVISION));
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    sub_ConnectStep();
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    // The program unloads the splash by hiding it, never by closing it: a
    // close request is the user's.
    if (!func_ConfirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
    Timer1->stop();
    g_StartupHost->UnloadSplash();
    g_StartupHost->EndProcess(0);
}
