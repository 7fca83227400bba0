// The JSON Schema of the menu's JSON form, written from the settings table and the storage layouts.
#pragma once

#include <string>

// The schema as text: two-blank indentation, ending in a line break.
std::string MenuJsonSchema();
