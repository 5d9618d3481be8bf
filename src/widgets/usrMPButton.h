#pragma once

#include <QIcon>
#include <QMap>

#include "widgets/usrPButton.h"

// A button with numbered states 1..stateCount() (two-state buttons use 1 and 2,
// 1 meaning on, open or in).
//
// A click (mouse, Space, or click() from code) first advances the state, after
// the last state back to 1, and then emits clicked(), so a handler reads the
// new state. setState() from code emits nothing; code that wants the handler
// to run calls it itself.
//
// At a glance: a two-state button in state 1 looks pressed and its lamp strip
// is lit; in state 2 it is raised and the strip is dark. A button with three
// or more states shows one pip per state with the current one lit.
class usrMPButton : public usrPButton {
    Q_OBJECT
public:
    explicit usrMPButton(QWidget* parent = nullptr);

    int state() const { return m_state; }
    // A state outside 1..stateCount() is ignored.
    void setState(int state);

    int stateCount() const { return m_stateCount; }
    // At least 2; the current state is pulled back into range.
    void setStateCount(int count);

    // Optional caption and icon per state; a state without its own shows
    // text() and icon().
    void setStateText(int state, const QString& text);
    QString stateText(int state) const;
    void setStateIcon(int state, const QIcon& icon);
    QIcon stateIcon(int state) const;

protected:
    void nextCheckState() override;
    QString shownText() const override;
    QIcon shownIcon() const override;
    bool looksPressed() const override;
    double indicatorHeight() const override;
    void paintIndicator(QPainter& painter, const QRectF& strip) const override;

private:
    int m_state = 1;
    int m_stateCount = 2;
    QMap<int, QString> m_stateTexts;
    QMap<int, QIcon> m_stateIcons;
};
