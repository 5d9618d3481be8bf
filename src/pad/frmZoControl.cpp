#include "pad/frmZoControl.h"

#include "core/NumberText.h"
#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectShutter.h"
#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsEXFilter.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "model/clsObjective.h"
#include "model/clsZo.h"
#include "model/StartupHost.h"
#include "model/mdlStartup.h"
#include "core/FlagScope.h"
#include "widgets/FrameThrottle.h"
#include "pad/LayoutEngine.h"
#include "pad/LayoutTables.h"
#include "pad/PadStatusLine.h"
#include "pad/clsPadMotion.h"
#include "pad/PadControlTable.h"
#include "pad/PadListTexts.h"
#include "core/DeviceValue.h"
#include "pad/PadPicture.h"
#include "pad/PadReadout.h"
#include "pad/PadScope.h"
#include "core/TrapErrors.h"
#include "pad/clsPadFunctions.h"
#include "pad/clsPadKeyboard.h"
#include "pad/clsPadMemories.h"
#include "pad/clsPadStepping.h"
#include "sdk/DeviceIndex.h"
#include "settings/frmSettingMain.h"
#include "widgets/ApplyFont.h"
#include "widgets/QText.h"
#include "widgets/RealValue.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"
#include "ZoVersion.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <limits>

using ZOSCOPELib::Scope;

namespace {

Scope& S()
{
    return func_PadScope();
}

bool Mounted(int index)
{
    return func_PadMounted(index);
}

void Progress(int value)
{
    if (g_UiServices)
        g_UiServices->SetProgress(value);
}

// "X: 1520.3 µm": what a position text box shows; while the axis travels,
// where it goes as well: "X: 1520.3 → 4000 µm".
QString ReadoutText(const char* caption, double value, std::optional<double> target)
{
    const QString shown = Q(RealValue::format(value));
    if (!target)
        return QString("%1: %2 µm").arg(QLatin1String(caption), shown);
    return QString("%1: %2 → %3 µm").arg(QLatin1String(caption), shown, Q(RealValue::format(*target)));
}

// A readout box shows the start of its text (where the axis is), the whole
// text with the target in its tooltip when the box is too narrow for it.
void ShowReadout(QLineEdit& box, const QString& text)
{
    box.setText(text);
    box.setCursorPosition(0);
    box.setToolTip(text);
}

} // namespace

ZOSCOPELib::AxisDevice& frmZoControl::AxisDeviceOf(Axis axis)
{
    switch (axis) {
    case AxisX:
        return S().XAxis();
    case AxisY:
        return S().YAxis();
    case AxisZ:
        return S().ZDrive();
    case AxisPiezo:
        return S().PiezoZ();
    case AxisTIRF:
        return S().TIRF();
    case AxisFKS:
    case AxisCount:
        break;
    }
    return S().FKSUnit().Offset();
}

// ============================================================== load

frmZoControl::frmZoControl(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmZoControl");
    m_Readouts = std::make_unique<FrameThrottle>([this] { ShowReadouts(); }, this);
    m_Commands = std::make_unique<PadCommandPath>(*this);
    m_Commands->OnChanged = [this] { sub_ShowStatus(); };
    CreateControls();
    CreatePanels();
    ConnectCommands();

    // The designed arrangement is the first layout with every control shown;
    // it is what the pad keeps when layouts are switched off.
    sub_FillLayoutTables();
    {
        PadLayoutSwitches designed(1);
        LayoutEngine design(*m_Surface, designed);
        design.sub_SetLayout();
        m_DesignedSize = size();
    }
    m_Layout = std::make_unique<LayoutEngine>(*m_Surface, m_Switches);

    // The first activation gives the pad its real place.
    ParkOffScreen();
    TimerErgo->stop();
    m_FirstActivation = true;
    m_DIALampResync = true;
    m_SettingsOpen = false;

    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
    // The keyboard hook for the program's own windows, then the memory lists.
    g_KeyboardHook = m_Keyboard->Install();
    sub_SetMemoryXY();
    sub_SetMemoryZ();
    sub_SetMemoryPiezo();
    sub_SetMemoryTIRF();
    BindMountedStates();

    g_LayoutPending = true;
    g_Zo->PadParameters = this;
}

frmZoControl::~frmZoControl()
{
    // No control may call into the pad while it is being taken apart.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    sub_ReleaseParameters();
    if (g_Zo.exists() && g_Zo->PadParameters == this)
        g_Zo->PadParameters = nullptr;
}

void frmZoControl::CreateControls()
{
    // The controls stand on a surface of their own, so that a recall can
    // hold them all while the status line with its Stop button stays usable.
    m_Panels = new QWidget(this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    m_StatusLine = new PadStatusLine(*m_Commands, m_Icons.Icon(":/pad/icons/stop.svg"), StatusBar1);
    StatusBar1->addWidget(m_StatusLine, 1);
    connect(m_StatusLine->btnStop, &usrPButton::clicked, this, [this] { func_StopAll(); });
    m_Surface = std::make_unique<PadLayoutSurface>(*this, *StatusBar1);
    m_Surface->OnAlignPictures = [this](int layoutType) { AlignPictures(layoutType); };
    m_Surface->OnMicroscopePicture = [this](bool visible) { imgMic->setVisible(visible); };

    for (const PadControlInfo& info : PadControls()) {
        QWidget* control =
            std::visit([this](auto member) -> QWidget* { return CreateControl(this->*member); }, info.Field);
        control->setObjectName(Q(info.Name));
        if (!info.Icon.empty())
            static_cast<QAbstractButton*>(control)->setIcon(m_Icons.Icon(":/pad/icons/" + Q(info.Icon) + ".svg"));
        control->resize(control->sizeHint().width(), PadLayoutSurface::ToPixels(info.Height));
        // Buttons and scroll bars leave a gutter to their right neighbour.
        const bool gutter = qobject_cast<usrPButton*>(control) || qobject_cast<usrXscrollZo*>(control);
        m_Surface->AddControl(*control, gutter, info.IsFrame(), GroupFrameIndex(info.Group));
    }
    imgMic = new PadPicture(":/pad/icons/microscope.svg", m_Panels);
    imgMic->setObjectName("imgMic");
    imgMic->hide();
    m_Surface->AddControl(*imgMic, false);
    StatusBar1->raise();

    TimerErgo = new QTimer(this);
    TimerErgo->setObjectName("TimerErgo");
    TimerErgo->setInterval(100);

    // A memory entry is read back at these captions: each holds one ":",
    // and the Y caption begins with "Y".
    spnStageXY->setXCaption("X:");
    spnStageXY->setYCaption("Y:");
    spnStageZ->setCaption("Z:");
    spnStagePiezo->setCaption("PZ:");
    sbTIRFAngle->setSmallStep(0.1);
    // The laser modulator has no device behind it on the pad: its controls
    // take part in the layouts and the display switches only.
    for (QWidget* control : {static_cast<QWidget*>(chkLaser), static_cast<QWidget*>(picAOM),
                             static_cast<QWidget*>(sbAOM1), static_cast<QWidget*>(sbAOM2),
                             static_cast<QWidget*>(sbAOM3), static_cast<QWidget*>(sbAOM4)})
        control->setEnabled(false);
}

template <class Control>
QWidget* frmZoControl::CreateControl(Control*& member)
{
    member = new Control(m_Panels);
    return member;
}

QWidget* frmZoControl::CreateControl(QGroupBox*& member)
{
    member = new QGroupBox(m_Panels);
    member->setAttribute(Qt::WA_TransparentForMouseEvents);
    return member;
}

QWidget* frmZoControl::CreateControl(QWidget*& member)
{
    member = new QWidget(m_Panels);
    imgTitle = new PadPicture(":/pad/icons/logo.svg", member);
    imgTitle->setObjectName("imgTitle");
    return member;
}

QWidget* frmZoControl::ControlOf(const PadControlInfo& info) const
{
    return std::visit([this](auto member) -> QWidget* { return this->*member; }, info.Field);
}

void frmZoControl::CreatePanels()
{
    m_Nosepiece = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipNosepisePos, *cboOBJ);
    m_LightPath = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipPathPos, *cboPath);
    m_Condenser = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipCon, *cboCON);
    m_FL1 = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipFL1, *cboFL1);
    m_FL2 = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipFL2, *cboFL2);
    m_EX = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipEX, *cboEX);
    m_BA = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipBA, *cboBA);
    m_IrluxND = std::make_unique<ListDeviceBinding>(*m_Commands, m_mipIrlux, *cboIrlux);

    m_DIAShutter = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipDIAShutter, *chkDIAShutter);
    m_EpiShutter = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipEpi, *chkEpi);
    m_AUXShutter = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipAUX, *chkAUX);
    m_Analyzer = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipAnlyz, *chkAnlyz);
    m_IrluxShutter = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipIrluxIsOn, *picIrlux);
    m_TIRFOn = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipTIRFIsOn, *chkTIRF);
    m_FKSOn = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipFKS, *chkFKS);
    m_DIALampOn = std::make_unique<ToggleDeviceBinding>(*m_Commands, m_mipDIALampIsOn, *chkDIALamp);

    m_Nosepiece->AfterSelect = [this] { sub_ObjectiveChanged(); };
    m_Nosepiece->AfterBuild = [this] {
        sub_RefreshSettingForm();
        sub_ObjectiveChanged();
    };
    m_DIALampOn->AfterValue = [this](bool on) { m_mipDIALampIsOn_OnValue(on); };
    m_FKSOn->AfterValue = [this](bool on) { m_mipFKS_OnValue(on); };

    m_Motion = std::make_unique<clsPadMotion>(*this, *m_Commands);
    m_Motion->OnChanged = [this] { sub_MotionChanged(); };
    m_ModeMatch.OnChanged = [this](int index) { sub_ShowMatchingMode(index); };
    m_Stepping = std::make_unique<clsPadStepping>(*this);
    m_Memories = std::make_unique<clsPadMemories>(*this);
    m_Functions = std::make_unique<clsPadFunctions>(*this, *m_Stepping,
                                                    [this](int16_t subPage) { sub_OpenKeySettings(subPage); });
    // Keys act while the pad is active and no recall holds it; Escape stops
    // what moves from any of the program's windows.
    m_Keyboard = std::make_unique<clsPadKeyboard>([this] { return m_HotKeyEnabled && !m_Motion->Held(); },
                                                  [this](int virtualKey) { HotKeyDownEvent(virtualKey); },
                                                  [this] { return func_StopAll(); });
}

void frmZoControl::ConnectCommands()
{
    connect(cboCHGMode, &usrComboBox::selected, this, &frmZoControl::cboCHGMode_Selected);
    // One value the user chose on a bar is one command: a click on an arrow
    // sends once, not again when the button is let go.
    const auto scrolls = [this](usrXscrollZo* bar, void (frmZoControl::*handler)(double)) {
        connect(bar, &usrXscrollZo::valueChosen, this, [this, handler](double value) { (this->*handler)(value); });
    };
    scrolls(sbDIALamp, &frmZoControl::sbDIALamp_Change);
    scrolls(sbTIRFAngle, &frmZoControl::sbTIRFAngle_Change);
    scrolls(sbFKS, &frmZoControl::sbFKS_Change);
    connect(picALF, &usrPButton::clicked, this, &frmZoControl::picALF_Click);
    connect(picCNTLDia, &usrPButton::clicked, this, &frmZoControl::picCNTLDia_Click);
    connect(picStatus, &usrPButton::clicked, this, &frmZoControl::picStatus_Click);
    connect(picStage, &usrPButton::clicked, this, &frmZoControl::picStage_Click);
    connect(picTIRFAngle, &usrPButton::clicked, this, &frmZoControl::picTIRFAngle_Click);
    connect(picSetting, &usrPButton::clicked, this, &frmZoControl::picSetting_Click);
    connect(picExit, &usrPButton::clicked, this, &frmZoControl::picExit_Click);
    connect(TimerErgo, &QTimer::timeout, this, [this] {
        TimerErgo->stop();
        picSetting_Click();
    });
    // The button that names a list device opens its list.
    const std::pair<usrPButton*, usrComboBox*> names[] = {
        {picOBJ, cboOBJ}, {picPath, cboPath}, {picCON, cboCON}, {picFL1, cboFL1},
        {picFL2, cboFL2}, {picEX, cboEX},     {picBA, cboBA},   {picCHGMode, cboCHGMode}};
    for (const auto& [button, list] : names)
        connect(button, &usrPButton::clicked, list, [list = list] {
            if (list->isVisible() && list->count() > 0)
                list->showPopup();
        });
}

void frmZoControl::BindMountedStates()
{
    using ZOSCOPELib::Device;
    const auto bind = [](ParameterBinding& member, Device& (*device)(Scope&), ParameterBinding::Handler onInfo) {
        TrapErrors([&] { member.Bind(device(S()).IsMounted(), {}, std::move(onInfo)); });
    };
    const auto shutters = [this] { m_mipShutterMounted_OnInfoChanged(); };
    bind(m_mipAUXMounted, [](Scope& s) -> Device& { return s.AuxShutter(); }, shutters);
    bind(m_mipDIAMounted, [](Scope& s) -> Device& { return s.DiaShutter(); }, shutters);
    bind(m_mipEPIMounted, [](Scope& s) -> Device& { return s.EpiShutter(); }, shutters);
    bind(m_mipKMX1Mounted, [](Scope& s) -> Device& { return s.KMX1(); }, [this] { m_mipKMXMounted_OnInfoChanged(1); });
    bind(m_mipKMX2Mounted, [](Scope& s) -> Device& { return s.KMX2(); }, [this] { m_mipKMXMounted_OnInfoChanged(2); });
}

void frmZoControl::ParkOffScreen()
{
    m_Surface->SetFormRect({-m_Surface->ScreenWidth(), -m_Surface->ScreenHeight(), 0, 0});
}

void frmZoControl::ShowDesigned()
{
    const int width = PadLayoutSurface::ToTwips(m_DesignedSize.width());
    const int height = PadLayoutSurface::ToTwips(m_DesignedSize.height()) + m_Surface->StatusBarHeight();
    m_Surface->SetFormRect(
        {(m_Surface->ScreenWidth() - width) / 2, (m_Surface->ScreenHeight() - height) / 2, width, height});
}

void frmZoControl::AlignPictures(int layoutType)
{
    imgTitle->setGeometry(picTittle->rect().adjusted(1, 1, -1, -1));
    if (layoutType == 2)
        PlaceMicroscopePicture();
}

void frmZoControl::PlaceMicroscopePicture()
{
    // The microscope stands in the room between the controls on the left
    // (rows 1..28) and the column on the right (rows 46..68), above the
    // position readouts and the TIRF frame (rows 29..33).
    constexpr int kLayout = 2;
    constexpr int kMargin = 120;
    const auto visibleRect = [this](int row) -> std::optional<TwipRect> {
        const std::string& name = LayoutTable[kLayout][static_cast<std::size_t>(row)][kLayoutName];
        const auto index = m_Layout ? m_Layout->func_FindVisibleControl(name) : std::nullopt;
        if (!index)
            return std::nullopt;
        const TwipRect rect = m_Surface->ControlRect(*index);
        return rect.Width > 0 && rect.Height > 0 ? std::optional<TwipRect>(rect) : std::nullopt;
    };
    int left = kMargin;
    int right = std::numeric_limits<int>::max();
    int top = kMargin;
    int bottom = std::numeric_limits<int>::max();
    for (int row = 1; row <= 28; ++row)
        if (const auto rect = visibleRect(row))
            left = std::max(left, rect->Right() + kMargin);
    for (int row = 46; row <= kLayoutRows; ++row)
        if (const auto rect = visibleRect(row))
            right = std::min(right, rect->Left - kMargin);
    for (int row = 29; row <= 33; ++row)
        if (const auto rect = visibleRect(row))
            bottom = std::min(bottom, rect->Top - kMargin);
    if (right == std::numeric_limits<int>::max())
        right = left + 3000;
    if (bottom == std::numeric_limits<int>::max())
        bottom = top + 4500;
    const int index = m_Surface->IndexOf(*imgMic);
    m_Surface->SetControlRect(index, {left, top, std::max(0, right - left), std::max(0, bottom - top)});
}

int frmZoControl::GroupFrameIndex(PadGroup group) const
{
    const QWidget* frame = group == PadGroup::DIA            ? fraDIA
                           : group == PadGroup::Fluorescence ? fraFluorescence
                           : group == PadGroup::TIRF         ? fraTIRF
                                                             : nullptr;
    return frame ? m_Surface->IndexOf(*frame) : -1;
}

void frmZoControl::sub_ApplyLayoutChange()
{
    m_Layout->sub_CheckLayoutChange();
    m_Surface->TrimOverlaps();
}

bool frmZoControl::ChangeGui() const
{
    return m_Switches.ChangeGui();
}

int frmZoControl::EffectiveLayout() const
{
    // Without layout switching the pad keeps the first layout's arrangement.
    return ChangeGui() ? m_Switches.LayoutType() : 1;
}

// ============================================================== activation

bool frmZoControl::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::WindowDeactivate)
        Form_Deactivate();
    return QWidget::event(event);
}

void frmZoControl::Form_Activate()
{
    if (m_FirstActivation) {
        m_FirstActivation = false;
        ParkOffScreen();
        if (m_DIALampResync) {
            if (Mounted(DeviceIndex::DiaLamp))
                m_mipCNTLDIA_OnValueChanged();
            m_DIALampResync = false;
        }
        sub_SetVisible();
        if (!ChangeGui())
            ShowDesigned();
        else
            g_LayoutPending = true; // the first activation always places the pad
    }
    sub_ApplyLayoutChange();
    m_HotKeyEnabled = true;
}

void frmZoControl::Form_Deactivate()
{
    m_HotKeyEnabled = false;
}

// ============================================================== visibility

bool frmZoControl::IsShownDevice(int device) const
{
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    switch (device) {
    case kAlwaysMounted:
        return true;
    case kFirstFilterRow:
        return Mounted(exchanged ? DeviceIndex::FilterTurret2 : DeviceIndex::FilterTurret1);
    case kSecondFilterRow:
        return Mounted(exchanged ? DeviceIndex::FilterTurret1 : DeviceIndex::FilterTurret2);
    case kXYStage:
        return Mounted(DeviceIndex::XAxis) && Mounted(DeviceIndex::YAxis);
    case kNosepieceAndZ:
        return Mounted(DeviceIndex::Nosepiece) && Mounted(DeviceIndex::ZDrive);
    case kAnyStageAxis:
        return Mounted(DeviceIndex::XAxis) || Mounted(DeviceIndex::YAxis) || Mounted(DeviceIndex::ZDrive) ||
               Mounted(DeviceIndex::PiezoZ);
    default:
        return Mounted(device);
    }
}

void frmZoControl::sub_SetVisible()
{
    const auto switchOn = [](int entry) { return entry < 0 || ControlVisible[static_cast<std::size_t>(entry)]; };
    const int layout = EffectiveLayout();
    const bool grouped = layout == 2 || layout == 4 || layout == 6 || layout == 8;
    const auto frameShown = [&](PadGroup group) {
        switch (group) {
        case PadGroup::DIA:
            return switchOn(64);
        case PadGroup::Fluorescence:
            return switchOn(65);
        case PadGroup::TIRF:
            return switchOn(66);
        case PadGroup::None:
            break;
        }
        return true;
    };
    for (const PadControlInfo& info : PadControls()) {
        bool visible = switchOn(info.Entry);
        if (!info.IsFrame())
            visible = visible && IsShownDevice(info.Device) && (!grouped || frameShown(info.Group));
        ControlOf(info)->setVisible(visible);
    }
    m_Surface->TrimOverlaps();
}

// ============================================================== initialisation

void frmZoControl::sub_SetInitialStatus()
{
    const BusyPointer hourglass;
    sub_InitAnalyzer();
    sub_InitAuxShutter();
    sub_InitBAWheel();
    Progress(65);
    sub_InitObservationModes();
    sub_InitCondenser();
    Progress(70);
    sub_InitDIALamp();
    sub_InitDIAShutter();
    Progress(75);
    sub_InitEpiShutter();
    sub_InitEXWheel();
    sub_InitFLTurrets();
    sub_InitIlluminator();
    Progress(80);
    sub_InitNosepiece();
    Progress(85);
    sub_InitLightPath();
    sub_InitFKS();
    sub_InitPiezo();
    sub_InitTIRF();
    Progress(90);
    sub_InitXYStage();
    sub_InitZDrive();
    sub_InitErgo();
    sub_InitCameraPorts();
    m_ModeMatch.Watch(*this);
    Progress(100);
}

void frmZoControl::sub_ReadStatus()
{
    const BusyPointer hourglass;
    if (g_LayoutPending) {
        // Without layout switching nothing would bring the pad back.
        if (ChangeGui())
            ParkOffScreen();
        sub_SetVisible();
        sub_ApplyLayoutChange();
    }
    // Their use may have changed with the shutter connections.
    sub_InitAuxShutter();
    sub_InitEpiShutter();
    sub_InitDIAShutter();
    const std::pair<bool*, void (frmZoControl::*)()> refresh[] = {
        {&g_RefreshPiezoStage, &frmZoControl::sub_InitPiezo},
        {&g_RefreshBAFilter, &frmZoControl::sub_InitBAWheel},
        {&g_RefreshCondenser, &frmZoControl::sub_InitCondenser},
        {&g_RefreshEXFilter, &frmZoControl::sub_InitEXWheel},
        {&g_RefreshFilterBlock, &frmZoControl::sub_InitFLTurrets},
        {&g_RefreshObjective, &frmZoControl::sub_InitNosepiece},
        {&g_RefreshObservationMode, &frmZoControl::sub_InitObservationModes},
    };
    for (const auto& [flag, init] : refresh) {
        if (*flag) {
            (this->*init)();
            *flag = false;
        }
    }
    m_ModeMatch.Watch(*this);
}

void frmZoControl::SetLayoutCentring(bool centre)
{
    m_Layout->SetCentreFlag(centre);
}

template <class Device>
void frmZoControl::InitTogglePanel(ToggleDeviceBinding& panel, int mounted, Device& (Scope::*device)(),
                                   ZOSCOPELib::ParameterPtr (Device::*state)(), void (Device::*on)(),
                                   void (Device::*off)())
{
    TrapErrors([&] {
        if (!Mounted(mounted))
            return;
        panel.Bind(mounted, ((S().*device)().*state)(), [device, on, off](bool set) {
            Device& target = (S().*device)();
            (target.*(set ? on : off))();
        });
        panel.OnValueChanged();
    });
}

template <class Device>
void frmZoControl::InitTurretPanel(ListDeviceBinding& panel, int mounted, Device& (Scope::*device)(),
                                   clsPositionCodes& codes, const clsCodeNames& names, clsComponent* database,
                                   bool refreshSettings)
{
    TrapErrors([&] {
        if (!Mounted(mounted))
            return;
        if (database)
            database->func_ReadSdk();
        panel.Bind(
            mounted, (S().*device)().Position(), [device](int32_t position) { (S().*device)().SetPosition(position); },
            [&codes, &names](usrComboBox& list) { BuildNameList(list, codes, names); });
        panel.AfterBuild = refreshSettings ? std::function<void()>([this] { sub_RefreshSettingForm(); }) : nullptr;
        panel.OnInfoChanged();
        panel.OnValueChanged();
    });
}

void frmZoControl::sub_InitAnalyzer()
{
    using ZOSCOPELib::AnalyzerDevice;
    InitTogglePanel(*m_Analyzer, DeviceIndex::Analyzer, &Scope::Analyzer, &AnalyzerDevice::IsInserted,
                    &AnalyzerDevice::In, &AnalyzerDevice::Out);
}

void frmZoControl::sub_InitAuxShutter()
{
    using ZOSCOPELib::ShutterDevice;
    InitTogglePanel(*m_AUXShutter, DeviceIndex::AuxShutter, &Scope::AuxShutter, &ShutterDevice::IsOpened,
                    &ShutterDevice::Open, &ShutterDevice::Close);
}

void frmZoControl::sub_InitDIAShutter()
{
    using ZOSCOPELib::ShutterDevice;
    InitTogglePanel(*m_DIAShutter, DeviceIndex::DiaShutter, &Scope::DiaShutter, &ShutterDevice::IsOpened,
                    &ShutterDevice::Open, &ShutterDevice::Close);
}

void frmZoControl::sub_InitEpiShutter()
{
    using ZOSCOPELib::ShutterDevice;
    InitTogglePanel(*m_EpiShutter, DeviceIndex::EpiShutter, &Scope::EpiShutter, &ShutterDevice::IsOpened,
                    &ShutterDevice::Open, &ShutterDevice::Close);
}

void frmZoControl::sub_InitBAWheel()
{
    InitTurretPanel(*m_BA, DeviceIndex::BAWheel, &Scope::BarrierWheel, *g_Zo->BAFilter, *g_Zo->DBBAFilter,
                    g_Zo->DBBAFilter.get(), true);
}

void frmZoControl::sub_InitEXWheel()
{
    InitTurretPanel(*m_EX, DeviceIndex::EXWheel, &Scope::ExcitationWheel, *g_Zo->EXFilter, *g_Zo->DbEXFilter,
                    g_Zo->DbEXFilter.get(), true);
}

void frmZoControl::sub_InitCondenser()
{
    InitTurretPanel(*m_Condenser, DeviceIndex::Condenser, &Scope::Condenser, *g_Zo->Condenser, *g_Zo->DbCondenser,
                    g_Zo->DbCondenser.get(), true);
}

void frmZoControl::sub_InitFLTurrets()
{
    // cboFL1 shows the turret at the first level of the mount: turret 2 when
    // the turrets are exchanged.
    struct Turret {
        int device;
        ZOSCOPELib::FilterTurretDevice& (Scope::*object)();
        clsPositionCodes& codes;
    };
    const Turret turret1{DeviceIndex::FilterTurret1, &Scope::FilterTurret1, *g_Zo->Filter1};
    const Turret turret2{DeviceIndex::FilterTurret2, &Scope::FilterTurret2, *g_Zo->Filter2};
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    const Turret& first = exchanged ? turret2 : turret1;
    const Turret& second = exchanged ? turret1 : turret2;
    TrapErrors([] { g_Zo->DbFilter->func_ReadSdk(); });
    InitTurretPanel(*m_FL1, first.device, first.object, first.codes, *g_Zo->DbFilter, nullptr, false);
    InitTurretPanel(*m_FL2, second.device, second.object, second.codes, *g_Zo->DbFilter, nullptr, false);
    sub_ShowFilterTips();
}

void frmZoControl::sub_ShowFilterTips()
{
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    const auto& names = g_LangDeviceName.DeviceNames;
    const QString tip = Q(g_LangPadTips.FilterTurret);
    const QString first =
        PanelStyle::fillTip(tip, Q(names[exchanged ? DeviceIndex::FilterTurret2 : DeviceIndex::FilterTurret1]));
    const QString second =
        PanelStyle::fillTip(tip, Q(names[exchanged ? DeviceIndex::FilterTurret1 : DeviceIndex::FilterTurret2]));
    picFL1->setToolTip(first);
    cboFL1->setToolTip(first);
    picFL2->setToolTip(second);
    cboFL2->setToolTip(second);
}

void frmZoControl::sub_InitNosepiece()
{
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::Nosepiece))
            return;
        m_Nosepiece->Bind(
            DeviceIndex::Nosepiece, S().Nosepiece().Position(), [](int32_t position) { S().Nosepiece().SetPosition(position); },
            [this](usrComboBox& list) { BuildObjectiveList(list); });
        m_Nosepiece->OnInfoChanged();
        m_Nosepiece->OnValueChanged();
    });
}

void frmZoControl::sub_InitLightPath()
{
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::LightPath))
            return;
        m_LightPath->Bind(DeviceIndex::LightPath, S().LightPath().Position(),
                          [](int32_t position) { S().LightPath().SetPosition(position); });
        m_LightPath->WhileUpdating([this] { BuildPathList(); });
        m_LightPath->OnValueChanged();
    });
}

void frmZoControl::sub_InitIlluminator()
{
    using ZOSCOPELib::IlluminatorDevice;
    InitTogglePanel(*m_IrluxShutter, DeviceIndex::Illuminator, &Scope::Irlux, &IlluminatorDevice::IsOpened,
                    &IlluminatorDevice::Open, &IlluminatorDevice::Close);
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::Illuminator))
            return;
        m_IrluxND->Bind(DeviceIndex::Illuminator, S().Irlux().NDPosition(),
                        [](int32_t position) { S().Irlux().SetNDPosition(position); });
        m_IrluxND->WhileUpdating([this] { BuildNDList(); });
        m_IrluxND->OnValueChanged();
    });
}

void frmZoControl::sub_InitObservationModes()
{
    TrapErrors([&] {
        const FlagScope updating(m_ModeUpdating);
        cboCHGMode->clear();
        ZOSCOPELib::ObservationModeList& modes = S().ObservationModes();
        const int32_t count = modes.Count();
        std::vector<ZOSCOPELib::ModeRecord> records;
        for (int32_t n = 1; n <= count; ++n) {
            const std::string name = modes.ModeName(n);
            cboCHGMode->addItem(QString::number(n) + ":" + Q(name));
            ZOSCOPELib::ModeRecord record;
            record.fill(ZOSCOPELib::NotSet);
            TrapErrors([&] { record = modes.GetMode(name); });
            records.push_back(record);
        }
        cboCHGMode->setSelectedIndex(-1);
        // The list shows the mode the instrument is in, none when it is in none.
        m_ModeMatch.SetModes(std::move(records));
        sub_ShowMatchingMode(m_ModeMatch.Matching());
    });
}

void frmZoControl::sub_InitDIALamp()
{
    using ZOSCOPELib::LampDevice;
    InitTogglePanel(*m_DIALampOn, DeviceIndex::DiaLamp, &Scope::DiaLamp, &LampDevice::IsOn, &LampDevice::On,
                    &LampDevice::Off);
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::DiaLamp))
            return;
        LampDevice& lamp = S().DiaLamp();
        m_mipDIALampPos.Bind(lamp.Value(), [this] { m_mipDIALampPos_OnValueChanged(); });
        m_mipCNTLDIA.Bind(lamp.ControlSwitch(), [this] { m_mipCNTLDIA_OnValueChanged(); });
        // The bar shows half the lamp value.
        sbDIALamp->setMinimum(lamp.LowerLimit() / 2.0);
        sbDIALamp->setMaximum(lamp.UpperLimit() / 2.0);
        sbDIALamp->setSmallStep(0.5);
        m_mipDIALampPos_OnValueChanged();
        m_mipCNTLDIA_OnValueChanged();
    });
}

void frmZoControl::sub_InitTIRF()
{
    using ZOSCOPELib::TIRFDevice;
    InitTogglePanel(*m_TIRFOn, DeviceIndex::TIRF, &Scope::TIRF, &TIRFDevice::IsOn, &TIRFDevice::On, &TIRFDevice::Off);
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::TIRF))
            return;
        TIRFDevice& tirf = S().TIRF();
        m_mipTIRFPos.Bind(tirf.Position(), [this] { m_mipTIRFPos_OnValueChanged(); });
        m_mipTIRFERG.Bind(tirf.ERG(), [this] { m_mipTIRFERG_OnValueChanged(); });
        m_Factor[AxisTIRF] = 0.1;
        sbTIRFAngle->setMaximum(tirf.UpperLimit() * m_Factor[AxisTIRF]);
        sbTIRFAngle->setMinimum(tirf.LowerLimit() * m_Factor[AxisTIRF]);
        sbTIRFAngle->setSmallStep(0.1);
        m_mipTIRFPos_OnValueChanged();
        m_mipTIRFERG_OnValueChanged();
    });
}

void frmZoControl::sub_InitFKS()
{
    using ZOSCOPELib::FKSDevice;
    InitTogglePanel(*m_FKSOn, DeviceIndex::FKS, &Scope::FKSUnit, &FKSDevice::Status, &FKSDevice::On, &FKSDevice::Off);
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::FKS))
            return;
        FKSDevice& fks = S().FKSUnit();
        m_mipFKSOffset.Bind(fks.Offset().Position(), [this] { m_mipFKSOffset_OnValueChanged(); });
        sbFKS->setMinimum(fks.Offset().LowerLimit());
        sbFKS->setMaximum(fks.Offset().UpperLimit());
        m_mipFKSOffset_OnValueChanged();
    });
}

void frmZoControl::InitAxis(Axis axis, int mounted, ParameterBinding& member, void (frmZoControl::*handler)())
{
    TrapErrors([&] {
        if (!Mounted(mounted))
            return;
        ZOSCOPELib::AxisDevice& device = AxisDeviceOf(axis);
        const double factor = device.Resolution() / 1000.0;
        m_Factor[axis] = factor;
        const double lower = device.LowerLimit() * factor;
        const double upper = device.UpperLimit() * factor;
        if (const auto [spin, part] = SpinOf(axis); spin) {
            spin->setMinimum(part, lower);
            spin->setMaximum(part, upper);
        }
        member.Bind(device.Position(), [this, handler] { (this->*handler)(); });
        (this->*handler)();
        m_Stepping->sub_AxisInitialised(axis);
    });
}

void frmZoControl::sub_InitXYStage()
{
    InitAxis(AxisX, DeviceIndex::XAxis, m_mipXPos, &frmZoControl::m_mipXPos_OnValueChanged);
    InitAxis(AxisY, DeviceIndex::YAxis, m_mipYPos, &frmZoControl::m_mipYPos_OnValueChanged);
}

void frmZoControl::sub_InitZDrive()
{
    InitAxis(AxisZ, DeviceIndex::ZDrive, m_mipZPos, &frmZoControl::m_mipZPos_OnValueChanged);
}

void frmZoControl::sub_InitPiezo()
{
    InitAxis(AxisPiezo, DeviceIndex::PiezoZ, m_mipPiezoPos, &frmZoControl::m_mipPiezoPos_OnValueChanged);
}

void frmZoControl::sub_InitErgo()
{
    TrapErrors([&] {
        if (!Mounted(DeviceIndex::ErgoController))
            return;
        m_mipErgoSwitch.Bind(S().ErgoController().Switch(), [this] { m_mipErgoSwitch_OnValueChanged(); });
        m_ErgoPrevious = m_mipErgoSwitch.Value();
    });
}

void frmZoControl::sub_InitCameraPorts()
{
    sub_InitCameraPort(1);
    sub_InitCameraPort(2);
}

void frmZoControl::sub_InitCameraPort(int port)
{
    TrapErrors([&] {
        if (!Mounted(port == 1 ? DeviceIndex::KMX1 : DeviceIndex::KMX2))
            return;
        ParameterBinding& member = port == 1 ? m_mipKMX1 : m_mipKMX2;
        ZOSCOPELib::CameraPortDevice& device = port == 1 ? S().KMX1() : S().KMX2();
        const auto handler = port == 1 ? &frmZoControl::m_mipKMX1_OnValueChanged : &frmZoControl::m_mipKMX2_OnValueChanged;
        member.Bind(device.Value(), [this, handler] { (this->*handler)(); });
        (this->*handler)();
    });
}

// ============================================================== list builders

void frmZoControl::BuildNameList(usrComboBox& list, clsPositionCodes& codes, const clsCodeNames& names)
{
    codes.func_ReadSdk();
    const int selected = list.selectedIndex();
    list.clear();
    for (int i = 0; i < codes.PositionCount(); ++i)
        list.addItem(Q(func_PositionEntry(i + 1, names.Name(codes.code(i)))));
    list.setSelectedIndex(selected);
}

void frmZoControl::BuildObjectiveList(usrComboBox& list)
{
    clsObjective& objectives = *g_Zo->Objective;
    objectives.func_ReadSdk();
    const int selected = list.selectedIndex();
    list.clear();
    for (int i = 0; i < clsObjective::Positions; ++i) {
        const ObjectiveEntry entry = func_ObjectiveEntry(i + 1, objectives.code(i), *g_Zo->DBObjective);
        list.addItem(Q(entry.Text));
        m_ObjectiveMag[static_cast<std::size_t>(i)] = entry.Magnification;
        m_ObjectiveNA[static_cast<std::size_t>(i)] = entry.NA;
    }
    list.setSelectedIndex(selected);
    g_Zo->ModeALF->func_ReadSdk();
    g_Zo->ModeRotation->func_ReadSdk();
    sub_ShowRotationStopper();
}

void frmZoControl::BuildPathList()
{
    const int selected = cboPath->selectedIndex();
    cboPath->clear();
    const auto& ports = g_LangFrmZoControl.CboPath;
    for (int32_t position = 1; position <= 4; ++position) {
        int32_t kind = -1;
        TrapErrors([&] { kind = S().LightPath().PortKind(position); });
        cboPath->addItem(kind >= 0 && kind < static_cast<int32_t>(ports.size())
                             ? Q(ports[static_cast<std::size_t>(kind)])
                             : QString());
    }
    cboPath->setSelectedIndex(selected);
}

void frmZoControl::BuildNDList()
{
    const auto& names = g_LangFrmZoControl.CboIrlxu;
    int count = 0;
    const std::string_view first = names[0];
    std::from_chars(first.data(), first.data() + first.size(), count);
    count = std::clamp(count, 0, static_cast<int>(names.size()) - 1);
    const int selected = cboIrlux->selectedIndex();
    cboIrlux->clear();
    for (int i = 1; i <= count; ++i)
        cboIrlux->addItem(Q(names[static_cast<std::size_t>(i)]));
    cboIrlux->setSelectedIndex(selected);
}

// ============================================================== value handlers

void frmZoControl::SetReadout(Axis axis, double displayValue)
{
    m_PendingReadout[axis] = displayValue;
    m_Readouts->Request();
}

void frmZoControl::FlushReadouts()
{
    m_Readouts->Flush();
}

void frmZoControl::ShowReadouts()
{
    for (int axis = 0; axis < AxisCount; ++axis) {
        std::optional<double>& pending = m_PendingReadout[static_cast<std::size_t>(axis)];
        if (!pending)
            continue;
        const double value = *pending;
        pending.reset();
        m_ShownReadout[static_cast<std::size_t>(axis)] = value;
        std::optional<double> target;
        if (const std::optional<int32_t> device = m_Motion->Target(static_cast<Axis>(axis)))
            target = *device * m_Factor[static_cast<std::size_t>(axis)];
        if (const auto [spin, part] = SpinOf(static_cast<Axis>(axis)); spin)
            spin->setPosition(part, value);
        switch (axis) {
        case AxisX:
            ShowReadout(*txtX, ReadoutText("X", value, target));
            break;
        case AxisY:
            ShowReadout(*txtY, ReadoutText("Y", value, target));
            break;
        case AxisZ:
            ShowReadout(*txtZ, ReadoutText("Z", value, target));
            break;
        case AxisPiezo:
            ShowReadout(*txtPiezo, ReadoutText("PZ", value, target));
            break;
        case AxisTIRF:
            sbTIRFAngle->setValue(value);
            break;
        case AxisFKS:
            sbFKS->setValue(value);
            break;
        default:
            break;
        }
    }
}

std::pair<SpinControl*, int> frmZoControl::SpinOf(Axis axis) const
{
    switch (axis) {
    case AxisX:
        return {spnStageXY, usrXYspin::AxisX};
    case AxisY:
        return {spnStageXY, usrXYspin::AxisY};
    case AxisZ:
        return {spnStageZ, 0};
    case AxisPiezo:
        return {spnStagePiezo, 0};
    default:
        return {nullptr, 0};
    }
}

void frmZoControl::sub_StagePositionChanged(Axis axis, const ParameterBinding& member)
{
    TrapErrors([&] {
        const int32_t value = member.Value();
        // Whether the move is over before the readout shows it.
        m_Motion->sub_Reported(axis);
        SetReadout(axis, value * m_Factor[axis]);
        // The stage window's readouts and maps follow the raw position.
        if (m_Stage)
            m_Stage->sub_SetAxisPosition(axis, value);
    });
}

void frmZoControl::m_mipXPos_OnValueChanged()
{
    sub_StagePositionChanged(AxisX, m_mipXPos);
}

void frmZoControl::m_mipYPos_OnValueChanged()
{
    sub_StagePositionChanged(AxisY, m_mipYPos);
}

void frmZoControl::m_mipZPos_OnValueChanged()
{
    sub_StagePositionChanged(AxisZ, m_mipZPos);
}

void frmZoControl::m_mipPiezoPos_OnValueChanged()
{
    sub_StagePositionChanged(AxisPiezo, m_mipPiezoPos);
}

void frmZoControl::m_mipTIRFPos_OnValueChanged()
{
    m_Motion->sub_Reported(AxisTIRF);
    SetReadout(AxisTIRF, m_mipTIRFPos.Value() * m_Factor[AxisTIRF]);
}

void frmZoControl::m_mipFKSOffset_OnValueChanged()
{
    m_Motion->sub_Reported(AxisFKS);
    if (const std::optional<double> offset = zo::ParseNumber(m_mipFKSOffset->ValueString()))
        SetReadout(AxisFKS, *offset);
}

void frmZoControl::sub_ReadAxis(Axis axis)
{
    using Handler = void (frmZoControl::*)();
    constexpr std::array<Handler, AxisCount> handlers{
        &frmZoControl::m_mipXPos_OnValueChanged,     &frmZoControl::m_mipYPos_OnValueChanged,
        &frmZoControl::m_mipZPos_OnValueChanged,     &frmZoControl::m_mipPiezoPos_OnValueChanged,
        &frmZoControl::m_mipTIRFPos_OnValueChanged,  &frmZoControl::m_mipFKSOffset_OnValueChanged};
    TrapErrors([&] { (this->*handlers[static_cast<std::size_t>(axis)])(); });
}

void frmZoControl::m_mipTIRFERG_OnValueChanged()
{
    // The TIRF window is made when first opened and then takes the state.
    if (!m_TIRF)
        return;
    const int state = m_mipTIRFERG.Value() == 1 ? 1 : 2;
    if (auto* erg = m_TIRF->findChild<usrMPButton*>("chkERGX"))
        erg->setState(state);
}

void frmZoControl::m_mipDIALampIsOn_OnValue(bool on)
{
    const bool program = !m_mipCNTLDIA || m_mipCNTLDIA.Value() == 1;
    sbDIALamp->setEnabled(on && program);
}

void frmZoControl::m_mipDIALampPos_OnValueChanged()
{
    if (!m_DIALampMoving)
        sbDIALamp->setValue(m_mipDIALampPos.Value() / 2.0);
}

void frmZoControl::m_mipCNTLDIA_OnValueChanged()
{
    TrapErrors([&] {
        // Switch 1: the program controls the lamp; 0: the microscope's own knob.
        const bool program = m_mipCNTLDIA.Value() == 1;
        const bool on = m_mipDIALampIsOn && m_mipDIALampIsOn.Value() == 1;
        chkDIALamp->setEnabled(program);
        sbDIALamp->setEnabled(program && on);
    });
}

void frmZoControl::m_mipFKS_OnValue(bool on)
{
    sbFKS->setEnabled(on);
}

void frmZoControl::m_mipErgoSwitch_OnValueChanged()
{
    // Only pressing the switch opens the dialog; holding or letting go does not.
    const int32_t value = m_mipErgoSwitch.Value();
    if (value == 1 && m_ErgoPrevious == 0)
        sub_OpenKeySettings(0);
    m_ErgoPrevious = value;
}

void frmZoControl::sub_OpenKeySettings(int16_t subPage)
{
    if (m_SettingsOpen)
        return;
    constexpr int16_t kKeyPage = 3;
    g_DefaultGUIFunction = kKeyPage;
    g_DefaultGUIPage[kKeyPage] = subPage;
    // The dialog opens after the event that asked for it has returned.
    TimerErgo->start();
}

// ============================================================== keyboard

void frmZoControl::HotKeyDownEvent(int virtualKey)
{
    const int index = clsPadKeyboard::func_ShortcutIndex(virtualKey);
    if (index >= 0)
        sub_RunFunction(g_ShortcutKey[static_cast<std::size_t>(index)]);
}

void frmZoControl::sub_RunFunction(int code)
{
    m_Functions->sub_RunFunction(code);
}

void frmZoControl::sub_RemoveKeyboardHook()
{
    m_Keyboard->Remove();
    g_KeyboardHook = 0;
}

// ============================================================== memories

void frmZoControl::sub_SetMemoryXY()
{
    m_Memories->sub_SetMemory(clsPadMemories::MemXY);
}

void frmZoControl::sub_SetMemoryZ()
{
    m_Memories->sub_SetMemory(clsPadMemories::MemZ);
}

void frmZoControl::sub_SetMemoryPiezo()
{
    m_Memories->sub_SetMemory(clsPadMemories::MemPiezo);
}

void frmZoControl::sub_SetMemoryTIRF()
{
    m_Memories->sub_SetMemory(clsPadMemories::MemTIRF);
}

void frmZoControl::picMEMXY_Click()
{
    m_Memories->sub_Store(clsPadMemories::MemXY);
}

void frmZoControl::picMEMZ_Click()
{
    m_Memories->sub_Store(clsPadMemories::MemZ);
}

void frmZoControl::picMEMPiezo_Click()
{
    m_Memories->sub_Store(clsPadMemories::MemPiezo);
}

bool frmZoControl::func_StoreMemory(Kind kind, int slot)
{
    return m_Memories->func_StoreSlot(kind, slot);
}

bool frmZoControl::func_StoreMemory(Kind kind, int slot, std::string& refusal)
{
    return m_Memories->func_StoreSlot(kind, slot, &refusal);
}

bool frmZoControl::func_MoveMemories(const std::vector<Recall>& recalls)
{
    return m_Memories->func_Move(recalls);
}

bool frmZoControl::func_Reachable(Kind kind, const std::vector<int32_t>& deviceValues)
{
    return m_Memories->func_Reachable(deviceValues, kind);
}

bool frmZoControl::func_Send(int device, const std::function<void()>& call, const std::function<void()>& reread)
{
    return m_Commands->Send(device, call, reread).Ok();
}

void frmZoControl::sub_SetMemory(Kind kind)
{
    m_Memories->sub_SetMemory(kind);
}

void frmZoControl::m_mipKMX1_OnValueChanged()
{
    g_Zo->SetIsMounted(DeviceIndex::KMX1, m_mipKMX1.Value());
    sub_CheckCameras();
}

void frmZoControl::m_mipKMX2_OnValueChanged()
{
    g_Zo->SetIsMounted(DeviceIndex::KMX2, m_mipKMX2.Value());
    sub_CheckCameras();
}

void frmZoControl::m_mipKMXMounted_OnInfoChanged(int port)
{
    // A controller plugged in or out: the port is followed only while a
    // controller is there, so the model learns of the change here first.
    const int device = port == 1 ? DeviceIndex::KMX1 : DeviceIndex::KMX2;
    ParameterBinding& member = port == 1 ? m_mipKMX1 : m_mipKMX2;
    TrapErrors([&] {
        const ParameterBinding& mounted = port == 1 ? m_mipKMX1Mounted : m_mipKMX2Mounted;
        g_Zo->SetIsMounted(device, mounted.Value() == 1 ? 1 : 0);
    });
    if (Mounted(device) && !member) {
        sub_InitCameraPort(port); // its value handler checks the cameras
        return;
    }
    if (!Mounted(device))
        member.Release();
    sub_CheckCameras();
}

void frmZoControl::sub_CheckCameras()
{
    if (m_CheckingCameras)
        return;
    const FlagScope checking(m_CheckingCameras);
    const std::string text = g_Zo->ConnectKMX->func_ReadSdk();
    sub_RefreshSettingForm();
    if (!text.empty())
        func_ShowMessage(37, text, UiServices::MB_OK);
}

void frmZoControl::m_mipShutterMounted_OnInfoChanged()
{
    if (m_CheckingShutters)
        return;
    const FlagScope checking(m_CheckingShutters);
    const std::string text = g_Zo->ConnectShutter->func_ReadSdk();
    sub_RefreshSettingForm();
    if (!text.empty())
        func_ShowMessage(12, text, UiServices::MB_OK);
    sub_ReadStatus();
}

void frmZoControl::sub_RefreshSettingForm()
{
    if (m_Setting)
        m_Setting->sub_RefreshForm();
}

void frmZoControl::sub_ShowRotationStopper()
{
    const bool on = g_Zo->ModeRotation->IsRotationOn() == 1;
    btnRotation->setDown(on);
}

void frmZoControl::sub_ObjectiveChanged()
{
    m_Stepping->sub_RecomputeStepFactors();
}

// ============================================================== user commands

void frmZoControl::cboCHGMode_Selected(int index)
{
    if (m_ModeUpdating || index < 0)
        return;
    const QString entry = cboCHGMode->itemText(index);
    const QString name = entry.mid(entry.indexOf(':') + 1);
    m_Commands->Guarded(PadCommandPath::kModeList,
                        [&] { S().ObservationModes().ApplyMode(name.toStdString()); });
    // A mode change raises no events of these two.
    sub_InitIlluminator();
    sub_InitAnalyzer();
    m_ModeMatch.Watch(*this);
    // The list shows the mode once the instrument is in it, not the choice.
    sub_ShowMatchingMode(m_ModeMatch.Matching());
}

void frmZoControl::sub_ShowMatchingMode(int index)
{
    const FlagScope updating(m_ModeUpdating);
    cboCHGMode->setSelectedIndex(index < cboCHGMode->count() ? index : -1);
}

void frmZoControl::sbDIALamp_Change(double value)
{
    // A drag sends many changes; the pad stays enabled so that the drag goes on.
    const FlagScope moving(m_DIALampMoving);
    m_Commands->Send(DeviceIndex::DiaLamp, [&] { S().DiaLamp().SetValue(value * 2.0); }, [this] {
        m_DIALampMoving = false;
        m_mipDIALampPos_OnValueChanged();
    });
}

void frmZoControl::sbTIRFAngle_Change(double value)
{
    m_Motion->func_Move({{AxisTIRF, func_DeviceValue(value, m_Factor[AxisTIRF])}}, false);
}

void frmZoControl::sbFKS_Change(double value)
{
    m_Motion->func_Move({{AxisFKS, func_DeviceValue(value, 1.0)}}, false);
}

void frmZoControl::picALF_Click()
{
    m_Commands->Guarded(DeviceIndex::Nosepiece, [] { S().Nosepiece().ExecuteALF(); });
}

void frmZoControl::picCNTLDia_Click()
{
    m_Commands->Guarded(
        DeviceIndex::DiaLamp,
        [] {
            ZOSCOPELib::LampDevice& lamp = S().DiaLamp();
            lamp.SetControlSwitch(lamp.ControlSwitch()->Value() == 1 ? 0 : 1);
        },
        [this] { m_mipCNTLDIA_OnValueChanged(); });
}

// ============================================================== commands from elsewhere

PadCommandResult frmZoControl::func_Command(Item item, int32_t value)
{
    if (m_Motion->Held())
        return {PadCommandResult::Busy, {}};
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    ListDeviceBinding* list = nullptr;
    ToggleDeviceBinding* toggle = nullptr;
    switch (item) {
    case NosepiecePos:
        list = m_Nosepiece.get();
        break;
    case Con:
        list = m_Condenser.get();
        break;
    case PathPos:
        list = m_LightPath.get();
        break;
    case FL1:
        list = (exchanged ? m_FL2 : m_FL1).get();
        break;
    case FL2:
        list = (exchanged ? m_FL1 : m_FL2).get();
        break;
    case EX:
        list = m_EX.get();
        break;
    case BA:
        list = m_BA.get();
        break;
    case Irlux:
        list = m_IrluxND.get();
        break;
    case Anlyz:
        toggle = m_Analyzer.get();
        break;
    case TIRFIsOn:
        toggle = m_TIRFOn.get();
        break;
    case IrluxIsOn:
        toggle = m_IrluxShutter.get();
        break;
    case DIALampIsOn:
        toggle = m_DIALampOn.get();
        break;
    case Epi:
        toggle = m_EpiShutter.get();
        break;
    case DIAShutter:
        toggle = m_DIAShutter.get();
        break;
    case AUX:
        toggle = m_AUXShutter.get();
        break;
    case FKS:
        toggle = m_FKSOn.get();
        break;
    case DIALampPos:
        return m_Commands->Send(DeviceIndex::DiaLamp, [&] { S().DiaLamp().SetValue(value); },
                                [this] { m_mipDIALampPos_OnValueChanged(); });
    case FKSOffset:
        return m_Motion->func_Move({{AxisFKS, value}}, false);
    }
    if (list)
        return list->func_Command(value);
    return toggle->func_Command(value == 1);
}

PadCommandResult frmZoControl::func_MoveAxes(const std::vector<std::pair<Axis, int32_t>>& targets, bool hold)
{
    return m_Motion->func_Move(targets, hold);
}

bool frmZoControl::func_StopAll()
{
    return m_Motion->func_StopAll();
}

void frmZoControl::sub_MotionChanged()
{
    m_StatusLine->btnStop->setEnabled(m_Motion->Moving());
    // The readouts show where a moving axis goes, and no more once it is there.
    for (int axis = AxisX; axis <= AxisPiezo; ++axis) {
        const auto a = static_cast<std::size_t>(axis);
        if (m_ShownReadout[a] && !m_PendingReadout[a])
            SetReadout(static_cast<Axis>(axis), *m_ShownReadout[a]);
    }
}

void frmZoControl::sub_ShowStatus()
{
    m_StatusLine->sub_Show(Q(g_LangFrmZoControl.SimpleText) + " " + ZO_VERSION_TEXT);
}

void frmZoControl::picStatus_Click()
{
    sub_SetInitialStatus();
}

void frmZoControl::picStage_Click()
{
    if (!m_Stage)
        m_Stage = std::make_unique<frmStage>(*this);
    m_Stage->show();
    m_Stage->raise();
}

void frmZoControl::picTIRFAngle_Click()
{
    if (!m_TIRF) {
        m_TIRF = std::make_unique<frmTIRF>(*this);
        if (m_mipTIRFERG)
            TrapErrors([this] { m_mipTIRFERG_OnValueChanged(); });
    }
    m_TIRF->show();
    m_TIRF->raise();
}

void frmZoControl::picSetting_Click()
{
    const BusyPointer hourglass;
    if (!m_Setting) {
        m_Setting = std::make_unique<frmSettingMain>(this);
        connect(m_Setting.get(), &QDialog::finished, this, [this] {
            m_SettingsOpen = false;
            m_Setting->SetIsRefreshLocked(true);
        });
    }
    if (!m_SettingsPrepared) {
        m_SettingsPrepared = true;
        g_Zo->func_Receive();
    }
    // The dialog opens where the pad stands.
    m_Setting->move(pos());
    m_SettingsOpen = true;
    m_Setting->SetIsRefreshLocked(false);
    m_Setting->open();
}

void frmZoControl::picExit_Click()
{
    if (!func_ConfirmClose())
        return;
    m_CloseConfirmed = true;
    close();
}

// ============================================================== closing

void frmZoControl::closeEvent(QCloseEvent* event)
{
    // A close the program did not ask for is the user's (the close box):
    // it asks first. Unloading from code, or after picExit asked, does not.
    if (!m_UnloadingFromCode && !m_CloseConfirmed && !func_ConfirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void frmZoControl::sub_Unload()
{
    m_UnloadingFromCode = true;
    close();
    m_UnloadingFromCode = false;
}

void frmZoControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The first showing activates the pad even where no window manager
    // reports an activation; that is what gives the pad its place.
    if (m_FirstActivation)
        Form_Activate();
}

void frmZoControl::Form_Unload()
{
    if (m_Unloaded)
        return;
    m_Unloaded = true;
    if (g_StartupHost) {
        sub_Shutdown();
        return;
    }
    // A pad shown without the program around it (a tool) only lets go of
    // what it holds.
    sub_RemoveKeyboardHook();
    sub_UnloadOtherWindows();
    sub_ReleaseParameters();
}

void frmZoControl::sub_UnloadOtherWindows()
{
    m_Stage.reset();
    m_TIRF.reset();
    m_Setting.reset();
}

void frmZoControl::sub_ReleaseParameters()
{
    for (ParameterBinding* member :
         {&m_mipNosepisePos, &m_mipIrluxIsOn, &m_mipIrlux,       &m_mipTIRFIsOn,    &m_mipDIALampPos,  &m_mipTIRFERG,
          &m_mipEpi,         &m_mipFL2,      &m_mipCNTLDIA,      &m_mipDIAShutter,  &m_mipPathPos,     &m_mipAUX,
          &m_mipCon,         &m_mipEX,       &m_mipFKS,          &m_mipAnlyz,       &m_mipXPos,        &m_mipYPos,
          &m_mipZPos,        &m_mipPiezoPos, &m_mipDIALampIsOn,  &m_mipFKSOffset,   &m_mipFL1,         &m_mipBA,
          &m_mipTIRFPos,     &m_mipDIAMounted, &m_mipEPIMounted, &m_mipAUXMounted,  &m_mipKMX1Mounted, &m_mipKMX2Mounted,
          &m_mipKMX1,        &m_mipKMX2,     &m_mipErgoSwitch})
        member->Release();
}

void frmZoControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_Panels->setGeometry(rect());
    StatusBar1->setGeometry(0, height() - PadLayoutSurface::kStatusBarHeightPx, width(),
                            PadLayoutSurface::kStatusBarHeightPx);
}

// ============================================================== texts

void frmZoControl::sub_RefreshLanguage()
{
    setWindowTitle(Q(g_LangGUITitle.ControlMain));
    picStatus->setText(Q(g_LangFrmZoControl.BtnStatus));
    picSetting->setText(Q(g_LangFrmZoControl.BtnSetting));
    picExit->setText(Q(g_LangFrmZoControl.BtnExit));
    fraDIA->setTitle(Q(g_LangFrmZoControl.FraDIA));
    fraFluorescence->setTitle(Q(g_LangFrmZoControl.FraFluorescence));
    fraTIRF->setTitle(Q(g_LangFrmZoControl.FraTIRF));
    sub_ShowStatus();

    for (const PadControlInfo& info : PadControls())
        ControlOf(info)->setToolTip(info.Tip ? Q(g_LangPadTips.*info.Tip) : QString());

    // Then the control texts that come from the language file.
    TrapErrors([&] {
        if (m_mipPathPos)
            m_LightPath->WhileUpdating([this] { BuildPathList(); });
        if (m_mipIrlux)
            m_IrluxND->WhileUpdating([this] { BuildNDList(); });
    });
    sub_ShowFilterTips();
    m_Stepping->sub_ShowStepTips();
}

// ============================================================== lookups

ZOSCOPELib::ParameterPtr frmZoControl::func_PadParameter(Item item)
{
    // The model's filter items stand for turret 1 and turret 2; cboFL1's
    // member follows the turret at the first level of the mount.
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    switch (item) {
    case NosepiecePos:
        return m_mipNosepisePos.Parameter();
    case Con:
        return m_mipCon.Parameter();
    case PathPos:
        return m_mipPathPos.Parameter();
    case FL1:
        return (exchanged ? m_mipFL2 : m_mipFL1).Parameter();
    case FL2:
        return (exchanged ? m_mipFL1 : m_mipFL2).Parameter();
    case Anlyz:
        return m_mipAnlyz.Parameter();
    case EX:
        return m_mipEX.Parameter();
    case BA:
        return m_mipBA.Parameter();
    case TIRFIsOn:
        return m_mipTIRFIsOn.Parameter();
    case IrluxIsOn:
        return m_mipIrluxIsOn.Parameter();
    case Irlux:
        return m_mipIrlux.Parameter();
    case DIALampIsOn:
        return m_mipDIALampIsOn.Parameter();
    case DIALampPos:
        return m_mipDIALampPos.Parameter();
    case Epi:
        return m_mipEpi.Parameter();
    case DIAShutter:
        return m_mipDIAShutter.Parameter();
    case AUX:
        return m_mipAUX.Parameter();
    case FKS:
        return m_mipFKS.Parameter();
    case FKSOffset:
        return m_mipFKSOffset.Parameter();
    }
    return nullptr;
}

int16_t frmZoControl::ObjectiveMagnification(int position) const
{
    return position >= 1 && position <= 6 ? m_ObjectiveMag[static_cast<std::size_t>(position - 1)] : 0;
}

double frmZoControl::ObjectiveNA(int position) const
{
    return position >= 1 && position <= 6 ? m_ObjectiveNA[static_cast<std::size_t>(position - 1)] : 0.0;
}
