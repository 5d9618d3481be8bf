#include "settings/frmSettingMain.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "settings/SettingGroups.h"
#include "settings/SettingPageGroup.h"
#include "settings/SettingsHost.h"
#include "settings/frmSelFileItem.h"
#include "settings/frmZoomImage.h"
#include "widgets/ApplyFont.h"
#include "widgets/QText.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

bool g_MouseOverCancel = false;

namespace {

// The orders in which the dialog walks its pages.
constexpr std::initializer_list<int> kLoadOrder = {frmSettingMain::Attach, frmSettingMain::Connect,
                                                   frmSettingMain::Mode,   frmSettingMain::Key,
                                                   frmSettingMain::Observation, frmSettingMain::Others};
constexpr std::initializer_list<int> kSaveOrder = {frmSettingMain::Attach, frmSettingMain::Connect,
                                                   frmSettingMain::Key,    frmSettingMain::Mode,
                                                   frmSettingMain::Observation, frmSettingMain::Others};
constexpr std::initializer_list<int> kFileLoadOrder = {frmSettingMain::Attach, frmSettingMain::Connect,
                                                       frmSettingMain::Others, frmSettingMain::Mode,
                                                       frmSettingMain::Key,    frmSettingMain::Observation};

constexpr int kSaved = 63;
constexpr int kNotSaved = 64;
constexpr int kSetupFileNotWritten = 54;
constexpr int kDiscardEdits = 69;

} // namespace

frmSettingMain::frmSettingMain(SettingsHost* host, QWidget* parent) : QDialog(parent), m_Host(host)
{
    setObjectName("frmSettingMain");
    setModal(true);
    setSizeGripEnabled(true);
    // Every control of the dialog takes the language font: set on the window
    // before its controls exist, they inherit it without a change each.
    setFont(func_LanguageFont(font(), g_Font));
    ChooseFile = [this](bool forSaving) { return ChooseFileWithDialog(forSaving); };

    auto* menu = new QVBoxLayout;
    m_Menu = new QButtonGroup(this);
    for (int i = 0; i < PageCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString("optMain%1").arg(i));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumSize(128, 34);
        m_Menu->addButton(button, i);
        menu->addWidget(button);
        optMain[static_cast<std::size_t>(i)] = button;
    }
    menu->addStretch();
    connect(m_Menu, &QButtonGroup::idClicked, this, [this](int index) { optMain_Click(index); });

    auto* pages = new QWidget(this);
    m_Stack = new QStackedLayout(pages);
    m_Groups = CreateSettingGroups(pages);
    for (SettingPageGroup* group : m_Groups)
        m_Stack->addWidget(group);

    picButtons = new QWidget(this);
    picButtons->setObjectName("picButtons");
    auto* buttons = new QHBoxLayout(picButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto button = [this](const char* name) {
        auto* created = new QPushButton(picButtons);
        created->setObjectName(name);
        return created;
    };
    btnLoad = button("btnLoad");
    btnSave = button("btnSave");
    btnOk = button("btnOk");
    btnCancel = button("btnCancel");
    btnApply = button("btnApply");
    btnOk->setDefault(true);
    buttons->addWidget(btnLoad);
    buttons->addWidget(btnSave);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnApply);
    btnCancel->installEventFilter(this);
    connect(btnLoad, &QPushButton::clicked, this, &frmSettingMain::btnLoad_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmSettingMain::btnSave_Click);
    connect(btnOk, &QPushButton::clicked, this, &frmSettingMain::btnOk_Click);
    connect(btnCancel, &QPushButton::clicked, this, [this] { CancelProcess(); });
    connect(btnApply, &QPushButton::clicked, this, &frmSettingMain::btnApply_Click);

    auto* body = new QHBoxLayout;
    body->addLayout(menu);
    body->addWidget(pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(picButtons);
    resize(760, 520);
    // The texts come with the first showing (Form_Load).
    setWindowTitle(Q(g_LangGUITitle.SettingMain));
}

frmSettingMain::~frmSettingMain() = default;

SettingPageGroup* frmSettingMain::Group(int index) const
{
    return index >= 0 && index < PageCount ? m_Groups[static_cast<std::size_t>(index)] : nullptr;
}

frmZoomImage& frmSettingMain::ZoomImage()
{
    if (!m_ZoomImage)
        m_ZoomImage = std::make_unique<frmZoomImage>();
    return *m_ZoomImage;
}

bool frmSettingMain::IsEditing() const
{
    return isVisible() || m_Committing;
}

void frmSettingMain::ForEachPage(std::initializer_list<int> order, void (SettingPage::*operation)())
{
    for (int index : order)
        (Group(index)->*operation)();
}

void frmSettingMain::sub_RefreshLanguage()
{
    setFont(func_LanguageFont(font(), g_Font));
    setWindowTitle(Q(g_LangGUITitle.SettingMain));
    for (int i = 0; i < PageCount; ++i)
        optMain[static_cast<std::size_t>(i)]->setText(Q(g_LangFrmSetting.OptMenu[static_cast<std::size_t>(i)]));
    const auto& captions = g_LangFrmSetting.BtnMenu;
    btnLoad->setText(Q(captions[0]));
    btnSave->setText(Q(captions[1]));
    btnOk->setText(Q(captions[2]));
    btnCancel->setText(Q(captions[3]));
    btnApply->setText(Q(captions[4]));
    for (SettingPageGroup* group : m_Groups)
        group->sub_RefreshLanguage();
}

void frmSettingMain::sub_RefreshForm()
{
    // The key and other groups show nothing of the devices' state.
    if (m_IsRefreshLocked || m_Current == Key || m_Current == Others)
        return;
    if (SettingPageGroup* group = Group(m_Current))
        group->sub_RefreshForm();
}

// ---------------------------------------------------------------- showing

void frmSettingMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_NeedsLoad)
        Form_Load();
    Form_Activate();
}

void frmSettingMain::Form_Load()
{
    m_NeedsLoad = false;
    sub_RefreshLanguage();
    ForEachPage(kLoadOrder, &SettingPage::sub_LoadData);
    g_MouseOverCancel = false;
}

void frmSettingMain::Form_Activate()
{
    m_Activating = true;
    const int remembered = g_DefaultGUIFunction;
    if (remembered >= 0 && remembered < PageCount) {
        optMain[static_cast<std::size_t>(remembered)]->setChecked(true);
        optMain_Click(remembered);
    }
    m_Activating = false;
}

void frmSettingMain::optMain_Click(int index)
{
    SettingPageGroup* group = Group(index);
    if (!group)
        return;
    const bool returning = index == g_DefaultGUIFunction;
    if (m_Current >= 0 && returning && !m_Activating && Group(m_Current)->isVisible())
        return;
    m_Current = index;
    optMain[static_cast<std::size_t>(index)]->setChecked(true);
    m_Stack->setCurrentWidget(group);
    group->sub_Enter(returning);
    g_DefaultGUIFunction = static_cast<int16_t>(index);
}

// ---------------------------------------------------------------- commit

std::string frmSettingMain::func_Commit()
{
    std::string result;
    m_Committing = true;
    {
        const BusyPointer hourglass;
        m_IsRefreshLocked = true;
        setEnabled(false);
        ForEachPage(kSaveOrder, &SettingPage::sub_SaveData);
        Group(Others)->sub_SaveINI();
        Group(Key)->sub_SaveINI();
        result = g_Zo->func_Send();
    }
    setEnabled(true);
    sub_FlushInput();
    m_IsRefreshLocked = false;
    m_Committing = false;
    return result;
}

void frmSettingMain::btnApply_Click()
{
    const std::string result = func_Commit();
    Group(Observation)->sub_RefreshUserName();
    Group(Key)->sub_RefreshUserName();
    if (m_Host)
        m_Host->sub_ReadStatus();
    if (result.empty())
        func_ShowMessage(kSaved, "", UiServices::MB_OK);
    else
        func_ShowMessage(kNotSaved, result, UiServices::MB_CRITICAL);
}

void frmSettingMain::btnOk_Click()
{
    const std::string result = func_Commit();
    if (m_Host)
        m_Host->sub_ReadStatus();
    if (result.empty()) {
        func_ShowMessage(kSaved, "", UiServices::MB_OK);
        done(Accepted);
        return;
    }
    constexpr int kYesNoCritical = 4 | UiServices::MB_CRITICAL;
    // Yes closes with the edits that failed kept in the model; No stays.
    if (func_ShowMessage(kNotSaved, result, kYesNoCritical) == UiServices::ID_YES)
        sub_Unload();
}

bool frmSettingMain::CancelProcess()
{
    if (func_ShowMessage(kDiscardEdits, "", UiServices::MB_YESNO_QUESTION) != UiServices::ID_YES)
        return false;
    Group(Others)->sub_FrmPosChanged();
    g_Zo->sub_RestData();
    // The next showing fills every page from the restored model, not only
    // the one it shows.
    m_NeedsLoad = true;
    done(Rejected);
    return true;
}

void frmSettingMain::reject()
{
    CancelProcess();
}

void frmSettingMain::closeEvent(QCloseEvent* event)
{
    // The close box (the program itself unloads the dialog without closing it).
    if (func_ShowMessage(kDiscardEdits, "", UiServices::MB_YESNO_QUESTION) != UiServices::ID_YES) {
        event->ignore();
        return;
    }
    Group(Others)->sub_FrmPosChanged();
    g_Zo->sub_RestData();
    event->accept();
    sub_Unload();
}

void frmSettingMain::sub_Unload()
{
    m_NeedsLoad = true;
    m_Current = -1;
    done(Rejected);
}

bool frmSettingMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCancel) {
        if (event->type() == QEvent::Enter)
            g_MouseOverCancel = true;
        else if (event->type() == QEvent::Leave)
            g_MouseOverCancel = false;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- setup files

QString frmSettingMain::ChooseFileWithDialog(bool forSaving)
{
    QFileDialog dialog(this);
    dialog.setNameFilter("XML File (*.xml)");
    dialog.setDefaultSuffix("xml");
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

void frmSettingMain::btnLoad_Click()
{
    const std::string path = ChooseFile(false).toStdString();
    if (path.empty() || !g_Zo->func_ReadXMLItems(path))
        return;
    frmSelFileItem select(this);
    select.exec();
    g_Zo->sub_ReadXML(path);
    // The loaded values wait in the working copies for Apply or OK.
    ForEachPage(kFileLoadOrder, &SettingPage::sub_LoadData);
    Form_Activate();
}

void frmSettingMain::btnSave_Click()
{
    ForEachPage(kSaveOrder, &SettingPage::sub_SaveData);
    const std::string path = ChooseFile(true).toStdString();
    if (path.empty())
        return;
    const std::string error = g_Zo->func_WriteXML(path);
    if (error.empty())
        return;
    // The text is message 54 and the reason below it; the box shows both.
    const std::size_t reason = error.find("\r\n");
    func_ShowMessage(kSetupFileNotWritten, reason == std::string::npos ? "" : error.substr(reason + 2),
                     UiServices::MB_CRITICAL);
}
