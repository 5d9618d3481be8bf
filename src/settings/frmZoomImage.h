#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// A resizable window that shows an optic's picture enlarged: the picture
// area fills the window but for a small margin, and the picture is fitted
// into it with its proportions kept, centred.
class frmZoomImage : public QWidget {
    Q_OBJECT
public:
    explicit frmZoomImage(QWidget* parent = nullptr);

    // The picture to show (imgOrigin); it is fitted at once and on every resize.
    void SetPicture(const QPixmap& picture);
    Q_INVOKABLE void sub_RefreshLanguage();

    QWidget* picZoomImage;
    QLabel* imgTarget;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void sub_Fit();

    QPixmap imgOrigin;
};
