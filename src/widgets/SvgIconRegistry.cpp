#include "widgets/SvgIconRegistry.h"

#include "widgets/SvgIconEngine.h"

#include <memory>

QIcon SvgIconRegistry::Icon(const QString& path)
{
    auto kept = m_Icons.find(path);
    if (kept == m_Icons.end())
        kept = m_Icons.insert(path, QIcon(std::make_unique<SvgIconEngine>(path).release())); // the icon owns its engine
    return *kept;
}
