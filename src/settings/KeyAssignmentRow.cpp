#include "settings/KeyAssignmentRow.h"

#include "core/NumberText.h"
#include "core/TextTable.h"
#include "widgets/QText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace {

constexpr std::size_t kCode = 0, kDevice = 1, kFunction = 2;

} // namespace

KeyAssignmentRow::KeyAssignmentRow(const TextTable& table, int key, QGridLayout& grid, int line,
                                   const QString& labelName, QWidget* parent)
    : QObject(parent), m_Table(table)
{
    label = new QLabel(parent);
    label->setObjectName(labelName);
    cboDevice = new QComboBox(parent);
    cboDevice->setObjectName(QString("cboDevice%1").arg(key));
    cboFunction = new QComboBox(parent);
    cboFunction->setObjectName(QString("cboFunction%1").arg(key));
    cboFunction->setMinimumContentsLength(16);
    label->setBuddy(cboDevice);
    grid.addWidget(label, line, 0);
    grid.addWidget(cboDevice, line, 1);
    grid.addWidget(cboFunction, line, 2);
    // activated: the operator's choice only, not a selection made by code.
    connect(cboDevice, qOverload<int>(&QComboBox::activated), this, [this] { cboDevice_Click(); });
    connect(cboFunction, qOverload<int>(&QComboBox::activated), this, [this] { cboFunction_Click(); });
    sub_FillDevices();
}

void KeyAssignmentRow::sub_AddHeadings(QGridLayout& grid, QWidget* parent, QLabel*& device, QLabel*& function)
{
    device = new QLabel(parent);
    function = new QLabel(parent);
    grid.addWidget(device, 0, 1);
    grid.addWidget(function, 0, 2);
    grid.setColumnStretch(2, 1);
}

void KeyAssignmentRow::sub_FillDevices()
{
    // One entry per run of rows of the same device group.
    QStringList devices;
    QString previous;
    for (std::size_t row = 0; row < m_Table.Rows(); ++row) {
        const QString device = Q(m_Table.Cell(row, kDevice));
        if (!device.isEmpty() && device != previous)
            devices.append(device);
        previous = device;
    }
    cboDevice->clear();
    cboDevice->addItems(devices);
    cboDevice->setCurrentIndex(-1);
}

void KeyAssignmentRow::sub_FillFunctions()
{
    QStringList functions;
    const std::string device = cboDevice->currentText().toStdString();
    for (std::size_t row = 0; row < m_Table.Rows() && cboDevice->currentIndex() >= 0; ++row)
        if (m_Table.Cell(row, kDevice) == device)
            functions.append(Q(m_Table.Cell(row, kFunction)));
    cboFunction->clear();
    cboFunction->addItems(functions);
}

void KeyAssignmentRow::sub_ShowRow(std::optional<std::size_t> row)
{
    cboDevice->setCurrentIndex(row ? cboDevice->findText(Q(m_Table.Cell(*row, kDevice))) : -1);
    sub_FillFunctions();
    cboFunction->setCurrentIndex(row ? cboFunction->findText(Q(m_Table.Cell(*row, kFunction))) : -1);
}

void KeyAssignmentRow::sub_Load(int32_t code)
{
    m_Loaded = code;
    const std::string text = std::to_string(code);
    m_Row.reset();
    for (std::size_t row = 0; row < m_Table.Rows() && !m_Row; ++row)
        if (m_Table.Cell(row, kCode) == text && !m_Table.Cell(row, kDevice).empty())
            m_Row = row;
    sub_ShowRow(m_Row);
}

std::optional<std::size_t> KeyAssignmentRow::RowOfLists() const
{
    if (cboDevice->currentIndex() < 0 || cboFunction->currentIndex() < 0)
        return std::nullopt;
    const std::string device = cboDevice->currentText().toStdString();
    const std::string function = cboFunction->currentText().toStdString();
    for (std::size_t row = 0; row < m_Table.Rows(); ++row)
        if (m_Table.Cell(row, kDevice) == device && m_Table.Cell(row, kFunction) == function)
            return row;
    return std::nullopt;
}

int32_t KeyAssignmentRow::CodeOf(std::size_t row) const
{
    const std::optional<double> code = zo::ParseNumber(m_Table.Cell(row, kCode));
    return code ? static_cast<int32_t>(*code) : -1;
}

int32_t KeyAssignmentRow::func_Code() const
{
    return m_Row ? CodeOf(*m_Row) : m_Loaded;
}

void KeyAssignmentRow::sub_Refill()
{
    sub_FillDevices();
    sub_ShowRow(m_Row);
}

void KeyAssignmentRow::setEnabled(bool enabled)
{
    cboDevice->setEnabled(enabled);
    cboFunction->setEnabled(enabled);
}

void KeyAssignmentRow::cboDevice_Click()
{
    sub_FillFunctions();
    if (cboFunction->count() > 0)
        cboFunction->setCurrentIndex(0);
    cboFunction_Click();
}

void KeyAssignmentRow::cboFunction_Click()
{
    m_Row = RowOfLists();
    if (m_Row && StoreCode)
        StoreCode(CodeOf(*m_Row));
}
