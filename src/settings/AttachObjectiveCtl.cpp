#include "settings/AttachObjectiveCtl.h"

#include "core/FlagScope.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "model/clsDBObjective.h"
#include "model/clsObjective.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "settings/SettingCheckBox.h"
#include "settings/frmSettingMain.h"
#include "settings/frmZoomImage.h"
#include "widgets/FitImage.h"
#include "widgets/QText.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ColName, ColCode, ColMag, ColNA, ColWD, ColType, ColFKS, ColumnCount };

// The large picture is drawn at this multiple of its own size, so that the
// zoom window can show it enlarged without blur.
constexpr double kLargeScale = 3.0;
constexpr QSize kPortIconSize(14, 30);

using Record = ZOSCOPELib::ObjectiveRecord;

// The picture of an objective in one of the two folders: named after the
// model, a slash (which no file name can hold) written as "_".
QString PictureFile(const char* folder, const std::string& name)
{
    QString file = Q(name);
    file.replace('/', '_');
    return Q(g_AppPath) + "Picture/Objectives/" + folder + "/" + file + ".svg";
}

QPixmap DrawPicture(const QString& file, const QSize& size)
{
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        return {};
    const QSize drawn = size.isEmpty() ? renderer.defaultSize() * kLargeScale
                                       : renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    QPixmap picture(drawn);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

bool HasPictures(const std::string& name)
{
    return !name.empty() && QFileInfo::exists(PictureFile("minifontcolor", name)) &&
           QFileInfo::exists(PictureFile("sizefontcolor", name));
}

// The text of a list code; "" for a code the list does not have.
QString ListText(const std::vector<std::string>& list, int code)
{
    return code >= 0 && code < static_cast<int>(list.size()) ? Q(list[static_cast<std::size_t>(code)]) : QString();
}

void FillCombo(QComboBox& combo, const std::vector<std::string>& list)
{
    combo.clear();
    for (const std::string& text : list)
        combo.addItem(Q(text));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}

// Entry 0 of a narrowing list matches every code.
bool Matches(const QComboBox& combo, int code)
{
    return combo.currentIndex() <= 0 || combo.currentIndex() == code;
}

Record RecordOf(int32_t code)
{
    Record record;
    g_Zo->DBObjective->sub_GetDbNosepiece(code, record);
    return record;
}

} // namespace

AttachObjectiveCtl::AttachObjectiveCtl(QWidget* parent)
    : AttachPortCtl([] { return DeviceIndex::Nosepiece; }, []() -> clsPositionCodes& { return *g_Zo->Objective; }, parent)
{
    chkESC = new SettingCheckBox(this);
    chkESC->setObjectName("chkESC");
    PortRow()->addWidget(chkESC);
    connect(chkESC, &QCheckBox::clicked, this, [this] { g_Zo->Objective->SetEsc(Position(), chkESC->Value()); });

    auto* filters = new QGridLayout;
    auto combo = [this, filters](const char* label, const char* name, int column, QLabel*& caption) {
        caption = new QLabel(this);
        caption->setObjectName(label);
        auto* created = new QComboBox(this);
        created->setObjectName(name);
        created->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        caption->setBuddy(created);
        filters->addWidget(caption, 0, column);
        filters->addWidget(created, 1, column);
        connect(created, &QComboBox::activated, this, [this] { sub_RebuildList(); });
        return created;
    };
    lstModel = combo("lblModel", "lstModel", 0, lblModel);
    lstSeries = combo("lblSeries", "lstSeries", 1, lblSeries);
    lstMag = combo("lblMag", "lstMag", 2, lblMag);
    filters->setColumnStretch(3, 1);
    Body()->addLayout(filters);

    lvItem = new QTreeWidget(this);
    lvItem->setObjectName("lvItem");
    lvItem->setRootIsDecorated(false);
    lvItem->setColumnCount(ColumnCount);
    lvItem->setUniformRowHeights(true);
    lvItem->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvItem->header()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    lvItem->header()->setStretchLastSection(false);
    connect(lvItem, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        if (!m_Updating && row)
            lvItem_Click(row);
    });

    fraPicture = new QWidget(this);
    fraPicture->setObjectName("fraPicture");
    fraPicture->setMinimumWidth(110);
    fraPicture->installEventFilter(this);
    imgObjective = new QLabel(fraPicture);
    imgObjective->setObjectName("imgObjective");
    btnZoomImage = new QPushButton(this);
    btnZoomImage->setObjectName("btnZoomImage");
    btnZoomImage->setAutoDefault(false);
    connect(btnZoomImage, &QPushButton::clicked, this, &AttachObjectiveCtl::btnZoomImage_Click);

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(fraPicture, 1);
    pictures->addWidget(btnZoomImage);
    auto* row = new QHBoxLayout;
    row->addWidget(lvItem, 1);
    row->addLayout(pictures);
    Body()->addLayout(row, 1);
    for (int i = 0; i < clsObjective::Positions; ++i)
        Port(i)->setIconSize(kPortIconSize);
}

void AttachObjectiveCtl::sub_LoadData()
{
    const clsDBObjective& database = *g_Zo->DBObjective;
    {
        const FlagScope updating(m_Updating);
        FillCombo(*lstModel, database.Models());
        FillCombo(*lstMag, database.Mag());
        FillCombo(*lstSeries, database.Types());
    }
    for (int i = 0; i < clsObjective::Positions; ++i)
        sub_ShowPortIcon(i);
    sub_LoadPositions();
}

void AttachObjectiveCtl::sub_ShowPosition()
{
    const int position = Position();
    const bool escape =
        g_Zo->IsMounted(DeviceIndex::ZDrive) == 1 && g_Zo->IsMounted(DeviceIndex::Nosepiece) == 1;
    chkESC->setVisible(escape);
    chkESC->SetValue(g_Zo->Objective->Esc(position));

    const Record record = RecordOf(g_Zo->Objective->code(position));
    const bool none = record.Name.empty() || func_IsDashLine(record.Name);
    {
        const FlagScope updating(m_Updating);
        auto select = [none](QComboBox& combo, int code) {
            combo.setCurrentIndex(none || code < 0 || code >= combo.count() ? 0 : code);
        };
        select(*lstSeries, record.TypesCode);
        select(*lstModel, record.ModelCode);
        select(*lstMag, record.MagCode);
    }
    sub_RebuildList();
}

void AttachObjectiveCtl::sub_RebuildList()
{
    const clsDBObjective& database = *g_Zo->DBObjective;
    const int32_t mounted = g_Zo->Objective->code(Position());
    QTreeWidgetItem* selected = nullptr;
    {
        const FlagScope updating(m_Updating);
        lvItem->clear();
        auto add = [&](int32_t code, const QStringList& columns) {
            auto* row = new QTreeWidgetItem(lvItem, columns);
            row->setData(ColName, Qt::UserRole, code);
            for (int column = ColCode; column < ColumnCount; ++column)
                row->setTextAlignment(column, column == ColType || column == ColFKS ? Qt::AlignLeft : Qt::AlignRight);
            if (code == mounted)
                selected = row;
        };
        if (lstSeries->currentIndex() <= 0 && lstModel->currentIndex() <= 0 && lstMag->currentIndex() <= 0)
            add(0, {NoModelText(), "0"});
        auto addCode = [&](int32_t code) {
            const Record r = RecordOf(code);
            if (r.Name.empty() || !Matches(*lstModel, r.ModelCode) || !Matches(*lstMag, r.MagCode) ||
                !Matches(*lstSeries, r.TypesCode))
                return;
            add(code, {Q(r.Name), QString::number(code), ListText(database.Mag(), r.MagCode),
                       QString::number(r.NA, 'f', 2), QString::number(r.WDSeriesCode, 'f', 2),
                       ListText(database.Types(), r.TypesCode), ListText(database.FKS(), r.FKSCode)});
        };
        for (int32_t code = 1; code <= database.DatabasePresetCount(); ++code)
            addCode(code);
        for (int32_t code = clsDBObjective::FirstUser; code <= clsDBObjective::LastCode; ++code)
            addCode(code);
        lvItem->setCurrentItem(selected);
    }
    if (selected) {
        lvItem->scrollToItem(selected);
        lvItem_Click(selected);
    } else {
        sub_ShowPictures(0);
    }
}

void AttachObjectiveCtl::lvItem_Click(QTreeWidgetItem* row)
{
    const int32_t code = row->data(ColName, Qt::UserRole).toInt();
    g_Zo->Objective->SetCode(Position(), code);
    sub_ShowPortIcon(Position());
    sub_ShowPictures(code);
}

void AttachObjectiveCtl::sub_ShowPictures(int32_t code)
{
    const std::string name = RecordOf(code).Name;
    m_Large = HasPictures(name) ? DrawPicture(PictureFile("sizefontcolor", name), {}) : QPixmap();
    fraPicture->setVisible(!m_Large.isNull());
    btnZoomImage->setEnabled(!m_Large.isNull());
    sub_FitImage(*imgObjective, *fraPicture, m_Large);
}

void AttachObjectiveCtl::sub_ShowPortIcon(int position)
{
    const std::string name = RecordOf(g_Zo->Objective->code(position)).Name;
    const QPixmap small = HasPictures(name) ? DrawPicture(PictureFile("minifontcolor", name), kPortIconSize) : QPixmap();
    Port(position)->setIcon(small.isNull() ? QIcon() : QIcon(small));
}

void AttachObjectiveCtl::btnZoomImage_Click()
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    if (!dialog || m_Large.isNull())
        return;
    frmZoomImage& zoom = dialog->ZoomImage();
    zoom.SetPicture(m_Large);
    zoom.show();
    zoom.raise();
    zoom.activateWindow();
}

bool AttachObjectiveCtl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fraPicture && event->type() == QEvent::Resize)
        sub_FitImage(*imgObjective, *fraPicture, m_Large);
    return AttachPortCtl::eventFilter(watched, event);
}

void AttachObjectiveCtl::sub_RefreshLanguage()
{
    AttachPortCtl::sub_RefreshLanguage();
    const auto& texts = g_LangAttachObjectiveLensCtl;
    chkESC->setText(Q(texts.LblESC));
    lblSeries->setText(Q(texts.LblSeries));
    lblModel->setText(Q(texts.LblModel));
    lblMag->setText(Q(texts.LblMag));
    btnZoomImage->setText(Q(texts.BtnZoom));
    lvItem->setHeaderLabels({Q(texts.LblName), Q(texts.LblCode), Q(texts.LblMag), Q(texts.LblNA), Q(texts.LblWD),
                             Q(texts.LblSeries), Q(texts.LblFKS)});
}
