#include "settings/frmZoomImage.h"

#include "core/mdlLanguage.h"
#include "widgets/FitImage.h"

#include <QLabel>

#include <algorithm>

namespace {

// Room left free right of and below the picture area (100 and 300 twips).
constexpr int kRightMargin = 7;
constexpr int kBottomMargin = 20;

} // namespace

frmZoomImage::frmZoomImage(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmZoomImage");
    picZoomImage = new QWidget(this);
    picZoomImage->setObjectName("picZoomImage");
    imgTarget = new QLabel(picZoomImage);
    imgTarget->setObjectName("imgTarget");
    resize(480, 400);
    sub_RefreshLanguage();
}

void frmZoomImage::SetPicture(const QPixmap& picture)
{
    imgOrigin = picture;
    sub_Fit();
}

void frmZoomImage::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.ZoomImage));
}

void frmZoomImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    sub_Fit();
}

void frmZoomImage::sub_Fit()
{
    picZoomImage->setGeometry(0, 0, std::max(0, width() - kRightMargin), std::max(0, height() - kBottomMargin));
    sub_FitImage(*imgTarget, *picZoomImage, imgOrigin);
}
