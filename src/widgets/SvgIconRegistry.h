#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// Hands out one icon per SVG file, so controls showing the same picture share
// its parsed drawing and its rendered sizes (see SvgIconEngine).
class SvgIconRegistry {
public:
    QIcon Icon(const QString& path);

private:
    QHash<QString, QIcon> m_Icons;
};
