#include "DeviceMonitor.h"

#include <QHeaderView>

#include <array>

namespace {

// The SDK's object names, in presence-index order.
constexpr std::array<const char*, 24> DeviceNames = {
    "DiaLamp",     "Irlux",        "DiaShutter", "EpiShutter", "AuxShutter",    "BarrierWheel",
    "ExcitationWheel", "Condenser", "FilterTurret1", "FilterTurret2", "Nosepiece", "FKSUnit",
    "LightPath",   "TIRF",         "XAxis",      "YAxis",      "ZDrive",        "PiezoZ",
    "KMX1",        "KMX2",         "Analyzer",   "Device21",   "RemotePad",     "ErgoController"};

} // namespace

DeviceMonitor::DeviceMonitor(ZOSCOPELib::Scope& scope, QWidget* parent)
    : QTableWidget(static_cast<int>(DeviceNames.size()), 3, parent), m_scope(scope)
{
    setObjectName("DeviceMonitor");
    setHorizontalHeaderLabels({tr("Device"), tr("Mounted"), tr("Value")});
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);

    m_values.resize(DeviceNames.size());
    for (int row = 0; row < rowCount(); ++row) {
        setItem(row, 0, new QTableWidgetItem(DeviceNames[static_cast<std::size_t>(row)]));
        setItem(row, 1, new QTableWidgetItem);
        setItem(row, 2, new QTableWidgetItem);
        try {
            ZOSCOPELib::Device& device = m_scope.DeviceAt(row);
            const bool mounted = device.IsMounted()->Value() == 1;
            item(row, 1)->setText(mounted ? tr("yes") : tr("no"));
            if (mounted) {
                m_values[static_cast<std::size_t>(row)] = device.Value();
                m_subscriptions.push_back(
                    m_values[static_cast<std::size_t>(row)]->OnValueChanged.Subscribe([this, row] { Refresh(row); }));
            }
        } catch (const ZOSCOPELib::SdkError& e) {
            item(row, 1)->setText(tr("no answer (%1)").arg(e.Number()));
        }
        Refresh(row);
    }
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Nudge(row); });
    setWindowTitle(tr("ZoControl - devices"));
    resize(420, 640);
}

void DeviceMonitor::ReleaseParameters()
{
    m_subscriptions.clear();
    for (auto& value : m_values)
        value.reset();
}

void DeviceMonitor::Refresh(int row)
{
    const auto& value = m_values[static_cast<std::size_t>(row)];
    if (!value)
        return;
    try {
        item(row, 2)->setText(QString::fromStdString(value->ValueString()));
    } catch (const ZOSCOPELib::SdkError& e) {
        item(row, 2)->setText(tr("error %1").arg(e.Number()));
    }
}

void DeviceMonitor::Nudge(int row)
{
    if (!m_values[static_cast<std::size_t>(row)])
        return;
    try {
        ZOSCOPELib::Device& device = m_scope.DeviceAt(row);
        if (auto* turret = dynamic_cast<ZOSCOPELib::TurretDevice*>(&device)) {
            turret->StepForward();
        } else if (auto* axis = dynamic_cast<ZOSCOPELib::AxisDevice*>(&device)) {
            const int32_t span = axis->UpperLimit() - axis->LowerLimit();
            const int32_t target = axis->Position()->Value() + span / 10;
            axis->MoveAbsolute(target > axis->UpperLimit() ? axis->LowerLimit() : target);
        } else if (auto* shutter = dynamic_cast<ZOSCOPELib::ShutterDevice*>(&device)) {
            shutter->IsOpened()->Value() == 1 ? shutter->Close() : shutter->Open();
        } else if (auto* illuminator = dynamic_cast<ZOSCOPELib::IlluminatorDevice*>(&device)) {
            illuminator->NDStepForward();
        }
    } catch (const ZOSCOPELib::SdkError&) {
        // A refused nudge changes nothing; the row keeps showing the device's value.
    }
}
