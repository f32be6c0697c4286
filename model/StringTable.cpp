// Message texts of the string table, quoted exactly as the unit's users know them.
#include "model/StringTable.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

const StringEntry g_Strings[] = {
    {62000, "Invalid value. Last selection will be used."},
    {62001, "Parameters of the selected logical input does not match input reference (InpRef)."},
    {62002, "DynRef must be active before dynamic range can be used."},
    {62003, "Entered value is out of range. The nearest value will be used."},
    {62004, "Out of range. The min value is 0.3 second and max value is 918000 seconds (255 hours)."},
    {62005, "Invalid LED output. Last selection will be used."},
    {62006, "Invalid output. Last selection will be used."},
    {62007, "This alarm is disabled. Not able to change this parameter."},
    {62008, "DynRef is no longer valid. DynRef will be disabled."},
    {62009, "Block is disabled. Enable BLOCK in General pane for this parameter to take effect."},
    {62010, "This input channel is not active."},
    {62011, "This logical input is not active."},
    {62012, "Invalid value. Last value will be used."},
    {62013, "Invalid input. Turn off the current selected input."},
    {62014, "Parameters of the selected input are not match other selected inputs."},
    {62015, "Out off range. The closest match will be used."},
    {62016, "The channel is not active. Default value will be used."},
    {62017, "Invalid input type. Previous will be used."},
    {32771, "Upload data to Q4000 unit\nUpload data to Q4000"},
    {32772, "Download data from Q4000 unit\nDownload data from Q4000"},
    {57344, "Q4150 Programmer"},
};

}  // namespace

std::string LoadString(unsigned id)
{
    for (const auto& entry : g_Strings) {
        if (entry.id == id)
            return entry.text;
    }
    return std::string();
}
