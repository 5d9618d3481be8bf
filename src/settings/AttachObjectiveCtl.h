#pragma once

#include "settings/AttachPortCtl.h"

#include <QPixmap>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SettingCheckBox;

// The objective page: the nosepiece positions, the escape box of the
// position selected (with a Z drive only), the objectives of the database
// narrowed by series, model and magnification (entry 0 of each: any) with
// their data as columns, and the picture of the objective chosen.
class AttachObjectiveCtl : public AttachPortCtl {
public:
    explicit AttachObjectiveCtl(QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;

    // Mounts the row's objective on the position selected and shows its pictures.
    void lvItem_Click(QTreeWidgetItem* row);
    void btnZoomImage_Click();

protected:
    void sub_ShowPosition() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sub_RebuildList();
    void sub_ShowPictures(int32_t code);
    void sub_ShowPortIcon(int position);

    QLabel* lblSeries;
    QLabel* lblModel;
    QLabel* lblMag;
    QComboBox* lstSeries;
    QComboBox* lstModel;
    QComboBox* lstMag;
    SettingCheckBox* chkESC;
    QTreeWidget* lvItem;
    QWidget* fraPicture;
    QLabel* imgObjective;
    QPushButton* btnZoomImage;
    QPixmap m_Large;
    bool m_Updating = false;
};
