#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

// The stage window with the position memory lists of the stage axes. For
// now an empty frame with its caption; the pad opens it from picStage.
class frmStage : public QWidget {
    Q_OBJECT
public:
    explicit frmStage(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();

    // The pad changed a memory table: the column of that axis group rebuilds
    // its list. The columns come with the window's memory lists; until then
    // there is no list to rebuild.
    void sub_SetMemoryXY();
    void sub_SetMemoryZ();
    void sub_SetMemoryPiezo();

    // The pad hands every reported axis position (device units; axis 0 X,
    // 1 Y, 2 Z, 3 piezo) to the window, whose readouts and maps follow it.
    void sub_SetAxisPosition(int axis, int32_t position);
    // The last position handed over (0 before any).
    int32_t AxisPosition(int axis) const;

private:
    std::array<int32_t, 4> m_Position{};
};
