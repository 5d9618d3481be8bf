#pragma once

#include <QWidget>

class PadCommandPath;
class QIcon;
class QLabel;
class usrPButton;

// The line at the bottom of the pad: the latest failure of a command that
// still stands ("Filter Turret 1: did not answer"), or the version when none
// does, with the last failures and their times as its tooltip; and the Stop
// button, enabled only while something moves. It stays usable while a
// recall holds the rest of the pad.
class PadStatusLine : public QWidget {
    Q_OBJECT
public:
    PadStatusLine(const PadCommandPath& path, const QIcon& stop, QWidget* parent = nullptr);

    // The failures as they stand now, in the language loaded now; the
    // version text is shown when none stands.
    void sub_Show(const QString& version);
    QString Text() const;

    QLabel* lblStatus = nullptr;
    usrPButton* btnStop = nullptr;

private:
    const PadCommandPath& m_Path;
};
