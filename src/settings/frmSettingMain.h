#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QPushButton;
class QStackedLayout;
class SettingPage;
class SettingPageGroup;
class SettingsHost;
class frmZoomImage;

// Set while the pointer is over the settings dialog's Cancel button, so that
// a field holding an invalid value can be left by pressing Cancel.
extern bool g_MouseOverCancel;

// The settings dialog: six page groups behind the option buttons optMain0..5
// (Attach, Connect, Mode, Key, Observation, Other), and the buttons that
// commit or abandon the edits as a whole and load and save setup files. The
// pages edit the model's working copies; nothing reaches the microscope
// before Apply or OK, and Cancel restores what the microscope holds.
//
// The dialog is made on first use and hidden between uses, so its pages keep
// their state; each showing re-selects the remembered group ("DefaultGUI"
// "Function"). The close box unloads it: the next showing loads every page
// again.
class frmSettingMain : public QDialog {
    Q_OBJECT
public:
    enum PageIndex { Attach, Connect, Mode, Key, Observation, Others, PageCount };

    explicit frmSettingMain(SettingsHost* host = nullptr, QWidget* parent = nullptr);
    ~frmSettingMain() override;

    // While True, refresh requests from the pad are ignored.
    bool IsRefreshLocked() const { return m_IsRefreshLocked; }
    void SetIsRefreshLocked(bool locked) { m_IsRefreshLocked = locked; }
    // Asks question 69; Yes discards every edit, hides the dialog and gives
    // True; No gives False and changes nothing.
    bool CancelProcess();
    Q_INVOKABLE void sub_RefreshLanguage();
    // The pad reports a change of a device's mounted state or configuration:
    // the group shown follows it (unless locked).
    void sub_RefreshForm();

    // True while the operator may be editing the microscope's configuration
    // here: the dialog is shown, or its edits are being sent.
    bool IsEditing() const;

    SettingsHost* Host() const { return m_Host; }
    SettingPageGroup* Group(int index) const;
    // The group shown, -1 before the first showing.
    int CurrentPage() const { return m_Current; }

    // The window that shows an optic's picture enlarged, made on first use;
    // it goes with the dialog.
    frmZoomImage& ZoomImage();

    // Asks for the setup file to open (false) or to save (true); an empty
    // text means cancelled. The platform's file dialog unless replaced.
    std::function<QString(bool forSaving)> ChooseFile;

    // Escape (and whoever rejects the dialog): as Cancel, question 69 first.
    void reject() override;

    // The buttons.
    void optMain_Click(int index);
    void btnApply_Click();
    void btnOk_Click();
    void btnLoad_Click();
    void btnSave_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    // Steps shared by Apply and OK: every page into the model and the
    // settings variables, then the model to the microscope. Returns the
    // components' joined error texts ("" when all were written).
    std::string func_Commit();
    // Closes the dialog so that the next showing loads every page again.
    void sub_Unload();
    void ForEachPage(std::initializer_list<int> order, void (SettingPage::*operation)());
    QString ChooseFileWithDialog(bool forSaving);

    SettingsHost* m_Host;
    std::vector<SettingPageGroup*> m_Groups;
    std::unique_ptr<frmZoomImage> m_ZoomImage;
    std::array<QPushButton*, PageCount> optMain{};
    QButtonGroup* m_Menu = nullptr;
    QStackedLayout* m_Stack = nullptr;
    QWidget* picButtons = nullptr;
    QPushButton* btnLoad = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnApply = nullptr;

    int m_Current = -1;
    bool m_IsRefreshLocked = true;
    bool m_Activating = false;
    bool m_Committing = false;
    bool m_NeedsLoad = true;
};
