#include "model/clsConnectMicroscope.h"

#include "model/clsZo.h"

namespace {

// Every word with its first letter in upper case and the rest in lower case.
std::string ProperCase(std::string text)
{
    bool wordStart = true;
    for (char& c : text) {
        if (c == ' ' || c == '\t') {
            wordStart = true;
            continue;
        }
        if (wordStart && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!wordStart && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        wordStart = false;
    }
    return text;
}

} // namespace

std::string clsConnectMicroscope::func_MicroscopeName(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_Names.size()))
        return {};
    return m_Names[static_cast<std::size_t>(index)];
}

bool clsConnectMicroscope::func_IsAvailable(int index) const
{
    return index >= 0 && index < static_cast<int>(m_Available.size()) && m_Available[static_cast<std::size_t>(index)];
}

int clsConnectMicroscope::func_MicroscopeCount() const
{
    return static_cast<int>(m_Names.size()) - 1;
}

std::string clsConnectMicroscope::func_ReadSdk()
{
    m_Names.clear();
    m_Available.clear();
    if (!Zo || !Zo->Scope)
        return {};
    ZOSCOPELib::MicroscopeList& list = Zo->Scope->Microscopes();
    int32_t count = 0;
    try {
        count = list.Count();
    } catch (const std::exception&) {
        // No list to offer: the page shows no microscope to choose.
        return {};
    }
    for (int32_t i = 0; i < count; ++i) {
        std::string name = "Not Available";
        bool available = false;
        try {
            ZOSCOPELib::MicroscopeEntry& entry = list.Item(i);
            if (entry.IsAvailable()) {
                name = ProperCase(entry.Name());
                if (name.empty())
                    name = "NoName";
                available = true;
            }
        } catch (const std::exception&) {
            // An entry that cannot be asked cannot be used either.
        }
        m_Names.push_back(std::move(name));
        m_Available.push_back(available);
    }
    return {};
}
