#pragma once

#include <QWidget>

// The TIRF window with the TIRF position memories. For now an empty frame
// with its caption; the pad opens it from picTIRFAngle.
class frmTIRF : public QWidget {
    Q_OBJECT
public:
    explicit frmTIRF(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();
};
