#include "settings/AttachDatabaseCtl.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "sdk/TextChars.h"
#include "settings/SettingCheckBox.h"
#include "settings/SettingField.h"
#include "widgets/QText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The one message of a refused database field.
constexpr int kInvalidEntry = 66;
// Room for the text of a row's lists, and the frame around a field's text.
constexpr int kListCharacters = 6;
constexpr int kTextMargin = 12;

int Characters(const QString& text)
{
    return static_cast<int>(func_CharCount(text.toStdString()));
}

} // namespace

AttachDatabaseCtl::AttachDatabaseCtl(Setting setting, QWidget* parent) : SettingPage(parent), m_Setting(std::move(setting))
{
    auto* layout = new QVBoxLayout(this);
    lblTittle = new QLabel(this);
    lblTittle->setObjectName("lblTittle");
    layout->addWidget(lblTittle);
    // The objectives' rows are wider than the dialog: they scroll.
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* rows = new QWidget(area);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    const int columns = static_cast<int>(m_Setting.fields.size());
    for (int column = 0; column < columns; ++column) {
        auto* heading = new QLabel(this);
        heading->setObjectName(QString("lbl%1").arg(QString(FieldAt(column).control).mid(3)));
        grid->addWidget(heading, 0, column + 1);
        m_Headings.push_back(heading);
    }
    for (int entry = 0; entry < m_Setting.entries; ++entry) {
        grid->addWidget(new QLabel(QString::number(entry + 1), this), entry + 1, 0, Qt::AlignRight);
        for (int column = 0; column < columns; ++column) {
            const Field& field = FieldAt(column);
            QWidget* cell = nullptr;
            switch (field.kind) {
            case Field::Name:
            case Field::Number: {
                auto* text = new QLineEdit(this);
                new SettingField(*this, *text, kInvalidEntry, [this, entry, column] { return func_Store(entry, column); });
                if (field.kind == Field::Number) {
                    text->setAlignment(Qt::AlignRight);
                    text->setFixedWidth(text->fontMetrics().horizontalAdvance("00.000") + kTextMargin);
                } else {
                    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * static_cast<int>(field.limit) +
                                          kTextMargin);
                    // Names are cut where they would no longer fit the database.
                    const int typed = static_cast<int>(field.limit) - Characters(field.prefix);
                    connect(text, &QLineEdit::textEdited, text, [text, typed](const QString& edited) {
                        if (Characters(edited) <= typed)
                            return;
                        const std::string whole = edited.toStdString();
                        text->setText(QString::fromStdString(std::string(func_CharLeft(whole, static_cast<std::size_t>(typed)))));
                        text->setModified(true);
                    });
                }
                cell = text;
                break;
            }
            case Field::List: {
                auto* list = new QComboBox(this);
                // Narrow in the row; the open list shows the whole texts.
                list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                list->setMinimumContentsLength(kListCharacters);
                connect(list, &QComboBox::activated, this,
                        [this, entry, column](int index) { FieldAt(column).set(entry, index); });
                cell = list;
                break;
            }
            case Field::Check: {
                auto* box = new SettingCheckBox(this);
                connect(box, &QCheckBox::clicked, this,
                        [this, entry, column, box] { FieldAt(column).set(entry, box->Value()); });
                cell = box;
                break;
            }
            }
            cell->setObjectName(QString("%1%2").arg(field.control).arg(entry));
            grid->addWidget(cell, entry + 1, column + 1);
            m_Cells.push_back(cell);
        }
    }
    grid->setColumnStretch(columns + 1, 1);
    grid->setRowStretch(m_Setting.entries + 1, 1);
    area->setWidget(rows);
    layout->addWidget(area, 1);
}

QWidget* AttachDatabaseCtl::Cell(int entry, int column) const
{
    return m_Cells[static_cast<std::size_t>(entry * static_cast<int>(m_Setting.fields.size()) + column)];
}

void AttachDatabaseCtl::sub_LoadData()
{
    for (int entry = 0; entry < m_Setting.entries; ++entry)
        for (int column = 0; column < static_cast<int>(m_Setting.fields.size()); ++column) {
            const Field& field = FieldAt(column);
            const QVariant value = field.get(entry);
            switch (field.kind) {
            case Field::Name: {
                QString name = value.toString();
                if (!name.isEmpty() && name.startsWith(field.prefix))
                    name = name.mid(static_cast<int>(qstrlen(field.prefix)));
                static_cast<QLineEdit*>(Cell(entry, column))->setText(name);
                break;
            }
            case Field::Number: {
                // A free entry's numbers are 0, which a blank field stores.
                const double number = value.toDouble();
                static_cast<QLineEdit*>(Cell(entry, column))->setText(number == 0 ? QString() : Q(zo::FormatDouble(number)));
                break;
            }
            case Field::List: {
                auto* list = static_cast<QComboBox*>(Cell(entry, column));
                list->clear();
                for (const std::string& item : field.items())
                    list->addItem(Q(item));
                list->setCurrentIndex(value.toInt() >= 0 && value.toInt() < list->count() ? value.toInt() : 0);
                break;
            }
            case Field::Check:
                static_cast<SettingCheckBox*>(Cell(entry, column))->SetValue(value.toBool());
                break;
            }
        }
}

bool AttachDatabaseCtl::func_Store(int entry, int column)
{
    const Field& field = FieldAt(column);
    auto* edit = static_cast<QLineEdit*>(Cell(entry, column));
    const QString text = edit->text();
    if (field.kind == Field::Name) {
        QString stored = text;
        while (stored.endsWith(' '))
            stored.chop(1);
        if (stored.isEmpty() || func_IsDashLine(stored.toStdString())) {
            stored.clear();
        } else {
            if (stored.startsWith(' ') || !func_IsValidName(stored.toStdString()))
                return false;
            stored.prepend(field.prefix);
            if (Characters(stored) > field.limit)
                return false;
        }
        field.set(entry, stored);
        edit->setText(stored.mid(stored.isEmpty() ? 0 : static_cast<int>(qstrlen(field.prefix))));
        return true;
    }
    const QString trimmed = text.trimmed();
    const std::optional<double> number = zo::ParseNumber("0" + trimmed.toStdString());
    if (trimmed.startsWith('-') || !number || *number < 0 || *number > field.limit)
        return false;
    field.set(entry, *number);
    edit->setText(trimmed);
    return true;
}

void AttachDatabaseCtl::sub_SaveData()
{
    for (int entry = 0; entry < m_Setting.entries; ++entry)
        for (int column = 0; column < static_cast<int>(m_Setting.fields.size()); ++column) {
            auto* edit = qobject_cast<QLineEdit*>(Cell(entry, column));
            if (edit && edit->isModified())
                func_Store(entry, column);
        }
}

void AttachDatabaseCtl::sub_RefreshLanguage()
{
    lblTittle->setText(Q(*m_Setting.title));
    for (std::size_t column = 0; column < m_Headings.size(); ++column)
        m_Headings[column]->setText(Q(*m_Setting.fields[column].caption));
}
