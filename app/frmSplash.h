#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

// The window shown while the program connects to the microscope. It stays
// loaded, hidden, for the whole run: its Timer1 runs the connect step, at
// start and again after a change of microscope. Its pictures and its window
// are made when it shows and dropped when it hides, so that they do not sit
// in memory beside the pad's.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();

    QLabel* imgSplash;
    QLabel* imgTitle;
    QLabel* lblVersion;
    QProgressBar* ProBar; // 0..100
    QTimer* Timer1;       // 100 ms, started by Form_Load

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
};
