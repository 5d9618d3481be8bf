#pragma once

#include <pugixml.hpp>

#include <string>

class clsZo;

// What every part of the model offers clsZo. Results are error texts: ""
// means success, several failures are lines joined with func_JoinLines. A
// component that has nothing to do in one of the operations keeps the default.
class clsComponent {
public:
    virtual ~clsComponent() = default;

    // Fill the working copy from the SDK and copy it to the backup.
    virtual std::string func_ReadSdk() { return {}; }
    // Send the working copy to the SDK and copy it to the backup.
    virtual std::string func_WriteSdk() { return {}; }
    // Restore the working copy from the backup (cancel edits).
    virtual void sub_RestData() {}
    // Read one element of a setup file into the working copy.
    virtual std::string func_ReadDom(const pugi::xml_node& element)
    {
        (void)element;
        return {};
    }
    // Append this component's elements to a section element of a setup file.
    virtual void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
    {
        (void)document;
        (void)section;
    }

    // Back-reference, set once by clsZo right after creation.
    clsZo* Zo = nullptr;
};
