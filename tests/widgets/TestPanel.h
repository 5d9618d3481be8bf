#pragma once

#include <QTest>
#include <QWidget>

#include <memory>

// A shown window holding the controls under test.
class TestPanel {
public:
    explicit TestPanel(QSize size)
        : m_window(std::make_unique<QWidget>())
    {
        m_window->resize(size);
    }

    template <class Kind>
    Kind* add(const char* name, QRect geometry)
    {
        auto* control = new Kind(m_window.get());
        control->setObjectName(name);
        control->setGeometry(geometry);
        return control;
    }

    bool show()
    {
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }

private:
    std::unique_ptr<QWidget> m_window;
};
