// The program's string table: message texts by ID.
#pragma once

#include <string>

// The text of a string-table ID, or an empty text for an ID the table does not hold.
std::string LoadString(unsigned id);
