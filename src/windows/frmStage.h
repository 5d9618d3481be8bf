#pragma once

#include "widgets/SvgIconRegistry.h"
#include "windows/PadMemoryHost.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class MapCtl;
class MapPiezoCtl;
class MapXYCtl;
class MapZCtl;
class MemoryListCtl;
class QCheckBox;
class QFrame;
class StagePiezoCtl;
class StageXYCtl;
class StageZCtl;
class usrPButton;

// The stage window: one column of position memories per mounted axis group
// (XY, Z, piezo Z, side by side in that order) and below them, when shown,
// a position map of each group. With "All Link" the columns keep the same
// slot selected and a move button moves every group to it, XY first.
class frmStage : public QWidget {
    Q_OBJECT
public:
    // Window heights with the maps shown and hidden, and the frames' width
    // before the columns of the mounted groups widen them.
    static constexpr int kHeightWithMapTwips = 7000;
    static constexpr int kHeightTwips = 4200;
    static constexpr int kFrameDesignTwips = 90;
    // The columns overlap by a border.
    static constexpr int kColumnOverlapTwips = 15;
    // Sources of sub_SetPos: the three columns, and the link box.
    enum Source { SourceXY, SourceZ, SourcePiezo, SourceLink };

    explicit frmStage(PadMemoryHost& host, QWidget* parent = nullptr);
    ~frmStage() override;

    // Moves every shown axis group to its selected slot, XY, Z, piezo.
    void sub_MovePos();
    // With "All Link" on (or from the link box), selects the slot in the
    // columns other than the source.
    void sub_SetPos(int source, int slot);
    Q_INVOKABLE void sub_RefreshLanguage();

    // New axis positions (device units) for the maps.
    void sub_MoveXYPosG(int32_t x, int32_t y);
    void sub_MoveZPosG(int32_t z);
    void sub_MovePiezoPosG(int32_t piezo);
    // The pad reports every axis position here (X, Y, Z, piezo).
    void sub_SetAxisPosition(PadMemoryHost::Axis axis, int32_t position);
    // The last position reported (0 before any).
    int32_t AxisPosition(PadMemoryHost::Axis axis) const;

    // The pad changed a memory table: that column rebuilds its list.
    void sub_SetMemoryXY();
    void sub_SetMemoryZ();
    void sub_SetMemoryPiezo();

    // A move of a group was sent to these device positions: its map shows
    // the target until the axes arrive. sub_EndTarget: the move is over
    // (arrived, stopped or failed).
    void sub_ShowTarget(PadMemoryHost::Kind kind, const std::vector<int32_t>& target);
    void sub_EndTarget(PadMemoryHost::Kind kind);

    // Show or hide the maps (the picMapDown button), and whether they are shown.
    void picMapDown_Click();
    bool MapShown() const { return m_MapShown; }
    // The link box was clicked.
    void chkLink_Click();

    // The columns and maps; a group that is not mounted keeps them hidden.
    StageXYCtl* StageXYCtl1 = nullptr;
    StageZCtl* StageZCtl1 = nullptr;
    StagePiezoCtl* StagePiezoCtl1 = nullptr;
    MapXYCtl* MapXYCtl1 = nullptr;
    MapZCtl* MapZCtl1 = nullptr;
    MapPiezoCtl* MapPiezoCtl1 = nullptr;
    QCheckBox* chkLink = nullptr;
    usrPButton* picMapDown = nullptr;
    QFrame* fraStage = nullptr;
    QFrame* fraMap = nullptr;

private:
    void Form_Load();
    void sub_ApplyMapShown();
    std::array<MemoryListCtl*, 3> Columns() const;
    std::array<MapCtl*, 3> Maps() const;
    // The column's move button: every group when linked, else its own.
    void sub_ColumnMove(int source);

    PadMemoryHost& m_Host;
    SvgIconRegistry m_Icons;
    bool m_MapShown = false;
    std::array<int32_t, 4> m_Position{};
};
