#pragma once

#include <QDialog>

// The settings dialog. For now an empty frame with its caption and the two
// members the pad uses: the refresh lock and the refresh request.
class frmSettingMain : public QDialog {
    Q_OBJECT
public:
    explicit frmSettingMain(QWidget* parent = nullptr);

    // While True, refresh requests from the pad are ignored.
    bool IsRefreshLocked() const { return m_IsRefreshLocked; }
    void SetIsRefreshLocked(bool locked) { m_IsRefreshLocked = locked; }

    Q_INVOKABLE void sub_RefreshLanguage();
    // The pad reports a change of a device's mounted state or configuration.
    void sub_RefreshForm();
    // Refresh requests that got through the lock (the pages follow later).
    int RefreshCount() const { return m_Refreshes; }

private:
    bool m_IsRefreshLocked = true;
    int m_Refreshes = 0;
};
