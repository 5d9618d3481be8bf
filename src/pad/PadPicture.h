#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A drawing of the program (the title mark, the microscope) that scales to
// the widget with its proportions kept and stays centred.
class PadPicture : public QWidget {
    Q_OBJECT
public:
    explicit PadPicture(const QString& resource, QWidget* parent = nullptr);

    bool IsValid() const { return m_Renderer.isValid(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_Renderer;
};
