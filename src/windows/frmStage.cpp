#include "windows/frmStage.h"

#include "core/TrapErrors.h"
#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"
#include "widgets/ApplyFont.h"
#include "widgets/QText.h"
#include "widgets/Twips.h"
#include "widgets/usrPButton.h"
#include "windows/MapPiezoCtl.h"
#include "windows/MapXYCtl.h"
#include "windows/MapZCtl.h"
#include "windows/StagePiezoCtl.h"
#include "windows/StageXYCtl.h"
#include "windows/StageZCtl.h"

#include <QCheckBox>
#include <QFrame>

namespace {

constexpr int kMarginPx = 8;
constexpr int kTopRowPx = 32;
constexpr int kInsetPx = 2;

QFrame* Frame(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return frame;
}

} // namespace

frmStage::frmStage(PadMemoryHost& host, QWidget* parent) : QWidget(parent, Qt::Window), m_Host(host)
{
    setObjectName("frmStage");
    chkLink = new QCheckBox(this);
    chkLink->setObjectName("chkLink");
    picMapDown = new usrPButton(this);
    picMapDown->setObjectName("picMapDown");
    fraStage = Frame("fraStage", this);
    fraMap = Frame("fraMap", this);
    StageXYCtl1 = new StageXYCtl(host, m_Icons, fraStage);
    StageZCtl1 = new StageZCtl(host, m_Icons, fraStage);
    StagePiezoCtl1 = new StagePiezoCtl(host, m_Icons, fraStage);
    MapXYCtl1 = new MapXYCtl(host, m_Icons, fraMap);
    MapZCtl1 = new MapZCtl(host, m_Icons, fraMap);
    MapPiezoCtl1 = new MapPiezoCtl(host, m_Icons, fraMap);
    const char* columnNames[] = {"StageXYCtl1", "StageZCtl1", "StagePiezoCtl1"};
    const char* mapNames[] = {"MapXYCtl1", "MapZCtl1", "MapPiezoCtl1"};
    for (int source = SourceXY; source <= SourcePiezo; ++source) {
        MemoryListCtl* column = Columns()[static_cast<std::size_t>(source)];
        column->setObjectName(columnNames[source]);
        Maps()[static_cast<std::size_t>(source)]->setObjectName(mapNames[source]);
        connect(column, &MemoryListCtl::listClicked, this, [this, source](int slot) { sub_SetPos(source, slot); });
        connect(column, &MemoryListCtl::moveClicked, this, [this, source] { sub_ColumnMove(source); });
    }
    connect(chkLink, &QCheckBox::clicked, this, &frmStage::chkLink_Click);
    connect(picMapDown, &usrPButton::clicked, this, &frmStage::picMapDown_Click);
    Form_Load();
}

frmStage::~frmStage() = default;

std::array<MemoryListCtl*, 3> frmStage::Columns() const
{
    return {StageXYCtl1, StageZCtl1, StagePiezoCtl1};
}

std::array<MapCtl*, 3> frmStage::Maps() const
{
    return {MapXYCtl1, MapZCtl1, MapPiezoCtl1};
}

void frmStage::Form_Load()
{
    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();

    // The frames grow by each mounted group's column, less the border the
    // columns share.
    const int frameHeight = Twips::ToPixels(kHeightTwips) - kTopRowPx - 6;
    int widthTwips = kFrameDesignTwips;
    for (std::size_t i = 0; i < Columns().size(); ++i) {
        MemoryListCtl* column = Columns()[i];
        MapCtl* map = Maps()[i];
        bool mounted = true;
        for (int device : column->Layout().Devices)
            mounted = mounted && g_Zo->IsMounted(device) == 1;
        column->setVisible(mounted);
        map->setVisible(mounted);
        if (!mounted)
            continue;
        const int left = Twips::ToPixels(kFrameDesignTwips / 2 + widthTwips - kFrameDesignTwips);
        column->setGeometry(left, kInsetPx, column->width(), frameHeight - 2 * kInsetPx);
        map->move(left, kInsetPx);
        // The map starts where the axes stand; the pad's reports move it on.
        for (const MemoryListLayout::Part& part : column->Layout().Parts)
            TrapErrors([&] { sub_SetAxisPosition(part.Axis, m_Host.func_AxisDevice(part.Axis).Position()->Value()); });
        widthTwips += column->Layout().WidthTwips - kColumnOverlapTwips;
    }
    const int frameWidth = Twips::ToPixels(widthTwips);
    const int windowWidth = frameWidth + 2 * kMarginPx;
    fraStage->setGeometry(kMarginPx, kTopRowPx, frameWidth, frameHeight);
    const int mapTop = Twips::ToPixels(kHeightTwips);
    fraMap->setGeometry(kMarginPx, mapTop, frameWidth, Twips::ToPixels(kHeightWithMapTwips) - mapTop - 4);
    chkLink->setGeometry(kMarginPx, 6, frameWidth - 40, 20);
    picMapDown->setGeometry(windowWidth - kMarginPx - 30, 4, 30, 24);
    setFixedWidth(windowWidth);

    m_MapShown = false;
    sub_ApplyMapShown();
}

// ============================================================== maps shown

void frmStage::picMapDown_Click()
{
    m_MapShown = !m_MapShown;
    sub_ApplyMapShown();
}

void frmStage::sub_ApplyMapShown()
{
    fraMap->setVisible(m_MapShown);
    setFixedHeight(Twips::ToPixels(m_MapShown ? kHeightWithMapTwips : kHeightTwips));
    picMapDown->setIcon(m_Icons.Icon(m_MapShown ? ":/windows/icons/map-up.svg" : ":/windows/icons/map-down.svg"));
    if (m_MapShown)
        for (MapCtl* map : Maps())
            map->FlushView();
}

// ============================================================== link and move

void frmStage::sub_SetPos(int source, int slot)
{
    if (source != SourceLink && !chkLink->isChecked())
        return;
    for (int i = SourceXY; i <= SourcePiezo; ++i) {
        MemoryListCtl* column = Columns()[static_cast<std::size_t>(i)];
        if (i != source && !column->isHidden())
            column->SetListPosition(slot);
    }
}

void frmStage::chkLink_Click()
{
    if (!chkLink->isChecked())
        return;
    for (MemoryListCtl* column : Columns())
        if (!column->isHidden() && column->ListPosition() >= 0) {
            sub_SetPos(SourceLink, column->ListPosition());
            return;
        }
}

void frmStage::sub_ColumnMove(int source)
{
    MemoryListCtl* column = Columns()[static_cast<std::size_t>(source)];
    if (!chkLink->isChecked()) {
        column->func_MovePos();
        return;
    }
    if (column->ListPosition() >= 0)
        sub_SetPos(source, column->ListPosition());
    sub_MovePos();
}

void frmStage::sub_MovePos()
{
    // The linked columns are one recall: XY, then Z, then the piezo.
    std::vector<PadMemoryHost::Recall> recalls;
    for (MemoryListCtl* column : Columns())
        if (!column->isHidden())
            if (std::optional<std::vector<int32_t>> target = column->func_SelectedTarget())
                recalls.emplace_back(column->Layout().Kind, std::move(*target));
    if (!recalls.empty())
        m_Host.func_MoveMemories(recalls);
}

// ============================================================== positions and targets

void frmStage::sub_MoveXYPosG(int32_t x, int32_t y)
{
    MapXYCtl1->SetXPosition(x);
    MapXYCtl1->SetYPosition(y);
}

void frmStage::sub_MoveZPosG(int32_t z)
{
    MapZCtl1->SetPosition(z);
}

void frmStage::sub_MovePiezoPosG(int32_t piezo)
{
    MapPiezoCtl1->SetPosition(piezo);
}

void frmStage::sub_SetAxisPosition(PadMemoryHost::Axis axis, int32_t position)
{
    if (axis < PadMemoryHost::AxisX || axis > PadMemoryHost::AxisPiezo)
        return;
    m_Position[static_cast<std::size_t>(axis)] = position;
    switch (axis) {
    case PadMemoryHost::AxisX:
    case PadMemoryHost::AxisY:
        sub_MoveXYPosG(m_Position[PadMemoryHost::AxisX], m_Position[PadMemoryHost::AxisY]);
        break;
    case PadMemoryHost::AxisZ:
        sub_MoveZPosG(position);
        break;
    default:
        sub_MovePiezoPosG(position);
        break;
    }
}

int32_t frmStage::AxisPosition(PadMemoryHost::Axis axis) const
{
    return axis >= PadMemoryHost::AxisX && axis <= PadMemoryHost::AxisPiezo ? m_Position[static_cast<std::size_t>(axis)]
                                                                            : 0;
}

void frmStage::sub_ShowTarget(PadMemoryHost::Kind kind, const std::vector<int32_t>& target)
{
    if (kind >= PadMemoryHost::MemXY && kind <= PadMemoryHost::MemPiezo)
        Maps()[static_cast<std::size_t>(kind)]->SetTarget(target);
}

void frmStage::sub_EndTarget(PadMemoryHost::Kind kind)
{
    if (kind < PadMemoryHost::MemXY || kind > PadMemoryHost::MemPiezo)
        return;
    MapCtl* map = Maps()[static_cast<std::size_t>(kind)];
    map->FlashEnable(false);
    map->PointGreenVisbile(false);
}

// ============================================================== memories and texts

void frmStage::sub_SetMemoryXY()
{
    StageXYCtl1->sub_SetMemory();
}

void frmStage::sub_SetMemoryZ()
{
    StageZCtl1->sub_SetMemory();
}

void frmStage::sub_SetMemoryPiezo()
{
    StagePiezoCtl1->sub_SetMemory();
}

void frmStage::sub_RefreshLanguage()
{
    setWindowTitle(Q(g_LangGUITitle.StageXYZ));
    chkLink->setText(Q(g_LangFrmStage.ChkAllLink));
    picMapDown->setToolTip(Q(g_LangFrmStage.TipMap));
    for (MemoryListCtl* column : Columns())
        column->sub_RefreshLanguage();
    for (MapCtl* map : Maps())
        map->sub_RefreshLanguage();
}
