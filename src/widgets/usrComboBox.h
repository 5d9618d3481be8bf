#pragma once

#include <QComboBox>
#include <QStyleOptionComboBox>
#include <optional>

// The pad's drop-down list. Entries: addItem(), clear(), count(), itemText().
//
// selected(index) is the one selection event: it fires when the user picks an
// entry (also the entry that is already selected) and every time code calls
// setSelectedIndex() with a valid index, also the index that is already
// selected. The pad relies on both: its updating flags swallow the event while
// it writes a device position into the list, and the keyboard functions that
// recall a memory or apply an observation mode by selecting an entry must act
// again when the same key is pressed twice.
//
// setSelectedIndex(-1) clears the selection without an event (no entry is
// chosen, so there is nothing to act on); an index past the end is ignored.
// clear() removes every entry without an event.
//
// The wheel does not change a closed list: a pointer passing over the pad must
// not turn a nosepiece.
//
// A closed list too narrow for its text ends it with "…"; its tooltip then
// shows the whole text, after the list's own tooltip.
class usrComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit usrComboBox(QWidget* parent = nullptr);

    int selectedIndex() const { return currentIndex(); }
    void setSelectedIndex(int index);

    // The text shown in the closed box: the selected entry's text unless
    // setText() put another one there. setText() changes neither the entries
    // nor the selection and raises nothing; selecting an entry replaces it.
    QString text() const;
    void setText(const QString& text);

    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

signals:
    void selected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Selection goes through setSelectedIndex() so that it raises selected().
    using QComboBox::setCurrentIndex;
    using QComboBox::setCurrentText;

    // The closed box's text as it fits into the box.
    QString ElidedText(const QStyleOptionComboBox& option) const;

    std::optional<QString> m_shownText;
};
