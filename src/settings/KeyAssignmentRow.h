#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class TextTable;
class QWidget;

// The assignment of one key, a line of a grid: the key's name (label), a
// device list cboDevice<k> and a function list cboFunction<k>, filled from a function table (column 0 the code, "" for a
// row without one; column 1 the device group; column 2 the function name).
// A row of the table is known by its device and function name. Choosing
// stores the chosen row's code through StoreCode: the code, or -1 for a row
// without one.
class KeyAssignmentRow : public QObject {
public:
    // Takes line `line` of `grid`; the label is named `label`.
    KeyAssignmentRow(const TextTable& table, int key, QGridLayout& grid, int line, const QString& label,
                     QWidget* parent);
    // The column headings above the rows, in line 0 of the grid.
    static void sub_AddHeadings(QGridLayout& grid, QWidget* parent, QLabel*& device, QLabel*& function);

    std::function<void(int32_t)> StoreCode;

    // Shows the first table row that carries `code`; no row, no selection.
    void sub_Load(int32_t code);
    // The code of the row chosen; the code loaded when nothing is chosen.
    int32_t func_Code() const;
    // The table's texts changed: both lists anew, the same row chosen.
    void sub_Refill();
    void setEnabled(bool enabled);

    QLabel* label;
    QComboBox* cboDevice;
    QComboBox* cboFunction;

private:
    void cboDevice_Click();
    void cboFunction_Click();
    void sub_FillDevices();
    void sub_FillFunctions();
    void sub_ShowRow(std::optional<std::size_t> row);
    // The row the two lists' texts name.
    std::optional<std::size_t> RowOfLists() const;
    int32_t CodeOf(std::size_t row) const;

    const TextTable& m_Table;
    int32_t m_Loaded = -1;
    // The table row chosen (kept by index, so a renamed row stays chosen).
    std::optional<std::size_t> m_Row;
};
