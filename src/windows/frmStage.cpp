#include "windows/frmStage.h"

#include "core/mdlLanguage.h"

frmStage::frmStage(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmStage");
    // 4200 twips high with the maps hidden.
    resize(360, 280);
    sub_RefreshLanguage();
}

void frmStage::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.StageXYZ));
}

void frmStage::sub_SetMemoryXY() {}

void frmStage::sub_SetMemoryZ() {}

void frmStage::sub_SetMemoryPiezo() {}

void frmStage::sub_SetAxisPosition(int axis, int32_t position)
{
    if (axis >= 0 && axis < static_cast<int>(m_Position.size()))
        m_Position[static_cast<std::size_t>(axis)] = position;
}

int32_t frmStage::AxisPosition(int axis) const
{
    return axis >= 0 && axis < static_cast<int>(m_Position.size()) ? m_Position[static_cast<std::size_t>(axis)] : 0;
}
