#pragma once

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;

// Lets the operator choose which parts of a setup file to load: one ticked
// row per part the file holds (clsZo::FileItem). Unticking a row clears that
// part's flag; OK keeps the flags, Cancel (and Escape, and the close box)
// clears all fifteen, so nothing is loaded.
class frmSelFileItem : public QDialog {
    Q_OBJECT
public:
    explicit frmSelFileItem(QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();

protected:
    void reject() override;

private:
    void lstFile_ItemCheck(int row);

    QListWidget* lstFile;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    // The file item that each row of lstFile shows.
    std::vector<int> m_RowItem;
};
