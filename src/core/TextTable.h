#pragma once
// A fixed-size table of texts (rows x columns), as the language file's
// function tables and the language list hold them.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class TextTable {
public:
    TextTable(size_t rows, size_t columns) : rows_(rows), columns_(columns), cells_(rows * columns) {}

    size_t Rows() const { return rows_; }
    size_t Columns() const { return columns_; }

    // Row r, column c (0-based); throws std::out_of_range outside the table.
    const std::string& Cell(size_t row, size_t column) const { return cells_.at(Index(row, column)); }
    std::string& Cell(size_t row, size_t column) { return cells_.at(Index(row, column)); }

    std::span<std::string> Row(size_t row) { return std::span<std::string>(cells_).subspan(Index(row, 0), columns_); }
    std::span<const std::string> Row(size_t row) const
    {
        return std::span<const std::string>(cells_).subspan(Index(row, 0), columns_);
    }

    void Clear()
    {
        for (std::string& cell : cells_)
            cell.clear();
    }

private:
    size_t Index(size_t row, size_t column) const
    {
        return (row < rows_ && column < columns_) ? row * columns_ + column : cells_.size();
    }

    size_t rows_;
    size_t columns_;
    std::vector<std::string> cells_;
};
