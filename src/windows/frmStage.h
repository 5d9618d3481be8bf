#pragma once

#include <QWidget>

// The stage window with the position memory lists of the stage axes. For
// now an empty frame with its caption; the pad opens it from picStage.
class frmStage : public QWidget {
    Q_OBJECT
public:
    explicit frmStage(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();
};
