#include "pad/PadStatusLine.h"

#include "core/mdlLanguage.h"
#include "pad/PadCommandPath.h"
#include "widgets/QText.h"
#include "widgets/usrPButton.h"

#include <QHBoxLayout>
#include <QLabel>

PadStatusLine::PadStatusLine(const PadCommandPath& path, const QIcon& stop, QWidget* parent)
    : QWidget(parent), m_Path(path)
{
    setObjectName("PadStatusLine");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setMinimumWidth(0);
    lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(lblStatus, 1);
    btnStop = new usrPButton(this);
    btnStop->setObjectName("btnStop");
    btnStop->setIcon(stop);
    btnStop->setFixedSize(30, 18);
    btnStop->setEnabled(false);
    row->addWidget(btnStop);
}

QString PadStatusLine::Text() const
{
    return lblStatus->text();
}

void PadStatusLine::sub_Show(const QString& version)
{
    btnStop->setToolTip(Q(g_LangFrmZoControl.TipStop));
    const PadCommandPath::Failure* shown = m_Path.Shown();
    QString text = version;
    if (shown) {
        text = QStringLiteral("\u26A0 ") + Q(PadCommandPath::func_FailureText(shown->Device, shown->Number));
        if (m_Path.Standing() > 1)
            text += QStringLiteral("  (+%1)").arg(m_Path.Standing() - 1);
    }
    lblStatus->setText(text);
    // A failure is the one thing on the line that needs the eye.
    lblStatus->setStyleSheet(shown ? QStringLiteral("color: #b3261e;") : QString());
    QString tip;
    if (!m_Path.History().empty()) {
        tip = Q(g_LangFrmZoControl.TipFailures);
        for (const PadCommandPath::Failure& failure : m_Path.History())
            tip += "\n" + Q(failure.Time) + "  " + Q(PadCommandPath::func_FailureText(failure.Device, failure.Number));
    }
    lblStatus->setToolTip(tip);
}
