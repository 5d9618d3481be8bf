#pragma once

#include <nlohmann/json.hpp>

class clsZo;

// The working copies of the model: one object per component member of clsZo,
// named as the member, holding the component's members by their names.
nlohmann::ordered_json func_ModelJson(clsZo& zo);
