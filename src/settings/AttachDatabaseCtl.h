#pragma once

#include "settings/SettingPage.h"

#include <QVariant>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;

// A database page: one row per user entry of a model database, one column
// per field of the entry. Names and numbers are checked when the operator
// leaves their field (message 66); the lists and the check box take effect
// at once. The pages of the five databases differ only in their Setting.
class AttachDatabaseCtl : public SettingPage {
public:
    struct Field {
        enum Kind {
            Name,   // a user name; "" or a text of hyphens only store "" (a free entry)
            Number, // blank or 0 up to `limit`, stored as the number "0" followed by the text
            List,   // a choice of `items`, stored as its index
            Check,  // stored as a Boolean
        };
        Kind kind;
        const char* control; // object name; the entry number 0.. is appended
        const std::string* caption;
        double limit = 0; // Name: most characters stored (prefix included); Number: the largest value
        // Name: the stored name (QString); Number: double; List: index; Check: bool.
        std::function<QVariant(int entry)> get;
        std::function<void(int entry, const QVariant& value)> set;
        std::function<const std::vector<std::string>&()> items = nullptr; // List
        const char* prefix = "";                              // Name: put before what the operator types
    };
    struct Setting {
        const std::string* title;
        int entries;
        std::vector<Field> fields;
    };

    explicit AttachDatabaseCtl(Setting setting, QWidget* parent = nullptr);

    void sub_LoadData() override;
    // Names and numbers that were edited and are valid; a refused one was
    // never stored and stays as it was.
    void sub_SaveData() override;
    void sub_RefreshLanguage() override;

private:
    const Field& FieldAt(int column) const { return m_Setting.fields[static_cast<std::size_t>(column)]; }
    QWidget* Cell(int entry, int column) const;
    // Checks the text of a name or number field and stores it when it is valid.
    bool func_Store(int entry, int column);

    const Setting m_Setting;
    QLabel* lblTittle;
    std::vector<QLabel*> m_Headings;
    std::vector<QWidget*> m_Cells; // entry by entry, a row of columns each
};
