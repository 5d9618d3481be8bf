#pragma once

#include <QWidget>

// The TIRF window with the TIRF position memories. For now an empty frame
// with its caption; the pad opens it from picTIRFAngle.
class frmTIRF : public QWidget {
    Q_OBJECT
public:
    explicit frmTIRF(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();

    // The pad changed the TIRF memory table: the window rebuilds its list.
    // The list comes with the window's memories; until then there is none.
    void sub_SetMemory();
};
