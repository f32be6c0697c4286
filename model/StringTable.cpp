// Texts of the string table, the unit's message texts quoted exactly as its users know them.
#include "model/StringTable.h"

namespace {

const StringEntry g_Strings[] = {
    {62000, TextKind::Message, "Invalid value. Last selection will be used."},
    {62001, TextKind::Message, "Parameters of the selected logical input does not match input reference (InpRef)."},
    {62002, TextKind::Message, "DynRef must be active before dynamic range can be used."},
    {62003, TextKind::Message, "Entered value is out of range. The nearest value will be used."},
    {62004, TextKind::Message, "Out of range. The min value is 0.3 second and max value is 918000 seconds (255 hours)."},
    {62005, TextKind::Message, "Invalid LED output. Last selection will be used."},
    {62006, TextKind::Message, "Invalid output. Last selection will be used."},
    {62007, TextKind::Message, "This alarm is disabled. Not able to change this parameter."},
    {62008, TextKind::Message, "DynRef is no longer valid. DynRef will be disabled."},
    {62009, TextKind::Message, "Block is disabled. Enable BLOCK in General pane for this parameter to take effect."},
    {62010, TextKind::Message, "This input channel is not active."},
    {62011, TextKind::Message, "This logical input is not active."},
    {62012, TextKind::Message, "Invalid value. Last value will be used."},
    {62013, TextKind::Message, "Invalid input. Turn off the current selected input."},
    {62014, TextKind::Message, "Parameters of the selected input are not match other selected inputs."},
    {62015, TextKind::Message, "Out off range. The closest match will be used."},
    {62016, TextKind::Message, "The channel is not active. Default value will be used."},
    {62017, TextKind::Message, "Invalid input type. Previous will be used."},
    {32771, TextKind::Message, "Upload data to Q4000 unit\nUpload data to Q4000"},
    {32772, TextKind::Message, "Download data from Q4000 unit\nDownload data from Q4000"},
    {57344, TextKind::Message, "Q4150 Programmer"},

    // The unit breaks the lines of its warnings with "\n\r".
    {IDS_CONFIG_WARNING, TextKind::Message,
     "Warning: This will restore default configuration of all parameters in the Q4000 on next power up.\n\r"
     "Press OK to continue or Cancel"},
    {IDS_CONF_GEN_WARNING, TextKind::Message,
     "Warning: This will restore default configuration of all parameters \n\r"
     "and general constants in the Q4000 on next power up.\n\r"
     "Press OK to continue or Cancel"},
    {IDS_BLOCK_WARNING, TextKind::Message,
     "Warning: Block flag is detected. To enable this, please enable block flag in General Pane"},

    // Why a download names a value it shows: the unit holds what the sheets refuse as typed,
    // or what they cannot show.
    {IDS_HELD_OUTSIDE, TextKind::Message, "outside %1 to %2: the sheets refuse it as typed"},
    {IDS_HELD_OUTSIDE_OF, TextKind::Message, "outside the range of %3, %1 to %2: the sheets refuse it as typed"},
    {IDS_HELD_UNKNOWN_CODE, TextKind::Message, "a code the program does not know"},
    {IDS_HELD_UNUSED_BYTES, TextKind::Message, "bytes the program does not use; an upload writes zeros"},

    {IDS_HINT_POPUP, TextKind::Hint, "Enter or a double click opens the settings of this cell"},
    {IDS_HINT_ONE_OF, TextKind::Hint, "One of: %1"},
    {IDS_HINT_ONE_OF_OR_NEW, TextKind::Hint, "One of: %1; or type a new one"},
    {IDS_HINT_ONE_OF_OR_NEW_LIMIT, TextKind::Hint, "One of: %1; or type a new one (up to %2 characters)"},
    {IDS_HINT_NUMBER, TextKind::Hint, "A number (a comma is taken as the decimal point)"},
    {IDS_HINT_WHOLE_NUMBER, TextKind::Hint, "A whole number"},
    {IDS_HINT_TEXT, TextKind::Hint, "Text"},
    {IDS_HINT_TEXT_LIMIT, TextKind::Hint, "Text (up to %1 characters)"},
    {IDS_HINT_WHOLE_NUMBER_RANGE, TextKind::Hint, "A whole number from %1 to %2"},
    {IDS_HINT_NUMBER_RANGE, TextKind::Hint, "A number from %1 to %2 (a comma is taken as the decimal point)"},
    {IDS_HINT_DELAY, TextKind::Hint, "Seconds from %1 to %2 (255 hours)"},
    {IDS_HINT_SETPOINT, TextKind::Hint, "A number from %1 to %2, the range of %3"},
    {IDS_HINT_SIGNAL_RANGE, TextKind::Hint, "A number from %1 to %2 %3, the range of the input type %4"},
    {IDS_HINT_DYNREF_NO_LOGICAL, TextKind::Hint, "Available once a logical input is in use: choose its first input (I1) on %1"},

    {IDS_DOWNLOADING, TextKind::Transfer, "Downloading %1 data ..."},
    {IDS_UPLOADING, TextKind::Transfer, "Uploading %1 data ..."},
    {IDS_DOWNLOAD_FAILED, TextKind::Transfer, "Error to download %1 data"},
    {IDS_UPLOAD_FAILED, TextKind::Transfer, "Error to upload %1 data"},
    {IDS_PORT_OPEN_ERROR, TextKind::Transfer, "Error to open com port."},
    {IDS_PORT_OPEN_ERROR_ON, TextKind::Transfer, "Error to open com port.\n%1"},
    {IDS_PORT_OPEN_ERROR_BECAUSE, TextKind::Transfer, "Error to open com port.\n%1: %2"},
    {IDS_PORT_STATE_ERROR, TextKind::Transfer, "Error to Set communication state"},
    {IDS_PORT_WENT_AWAY, TextKind::Transfer, "the port went away: %1"},
    {IDS_PORT_IN_USE_BY, TextKind::Transfer, "the port is in use by process %1"},
    {IDS_PORT_IN_USE_BY_PROGRAM, TextKind::Transfer, "the port is in use by %1 (process %2)"},
    {IDS_PORT_IN_USE, TextKind::Transfer, "the port is in use by another program"},
    {IDS_JOB_BACKUP_FAILED, TextKind::Transfer, "the backup failed"},
    {IDS_JOB_BACKUP_FAILED_BECAUSE, TextKind::Transfer, "the backup failed: %1"},
    {IDS_JOB_UPLOAD_FAILED, TextKind::Transfer, "the upload failed"},
    {IDS_JOB_UPLOAD_FAILED_BECAUSE, TextKind::Transfer, "the upload failed: %1"},
    {IDS_JOB_DOWNLOAD_FAILED, TextKind::Transfer, "the download failed"},
    {IDS_JOB_DOWNLOAD_FAILED_BECAUSE, TextKind::Transfer, "the download failed: %1"},
    {IDS_JOB_READ_FAILED, TextKind::Transfer, "the read of the unit failed"},
    {IDS_JOB_READ_FAILED_BECAUSE, TextKind::Transfer, "the read of the unit failed: %1"},
    {IDS_JOB_BACKUP_STOPPED, TextKind::Transfer, "the backup was stopped after %1 of %2 blocks read"},
    {IDS_JOB_UPLOAD_STOPPED, TextKind::Transfer, "the upload was stopped after %1 of %2 blocks"},
    {IDS_JOB_READ_STOPPED, TextKind::Transfer, "the read of the unit was stopped after %1 of %2 blocks"},
    {IDS_JOB_STOPPED_BEFORE, TextKind::Transfer, "stopped before anything was read"},
    {IDS_JOB_NOTHING_WRITTEN, TextKind::Transfer, "%1; nothing was written to the unit"},
    {IDS_JOB_PARTLY_WRITTEN, TextKind::Transfer, "%1; the unit now holds a partly written set-up (%2 of %3 blocks written)"},
    {IDS_JOB_OTHER_DEVICE, TextKind::Transfer, "the unit is device %1, the set-up is for device %2"},
    {IDS_JOB_NOT_HELD, TextKind::Transfer, "the unit cannot hold %1 of the set-up's cells as written"},
    {IDS_JOB_BLOCKS_DIFFER, TextKind::Transfer, "%1 blocks differ"},
    {IDS_JOB_CONFIRMED_DEVICE, TextKind::Transfer, "uploaded although the unit is device %1 and the set-up is for device %2"},
    {IDS_JOB_CONFIRMED_NOT_HELD, TextKind::Transfer, "uploaded although the unit cannot hold %1 of the set-up's cells as written"},
    {IDS_JOB_BACKUP_FOLDER, TextKind::Transfer, "cannot make the backup folder %1: %2"},
    {IDS_JOB_READ_BACK, TextKind::Transfer, "by the upload's read-back"},
    {IDS_JOB_FINDINGS, TextKind::Transfer, "the checks find %1 errors and %2 warnings in the set-up"},
    {IDS_JOB_CONFIRMED_FINDINGS, TextKind::Transfer, "uploaded although the checks find %1 errors and %2 warnings in the set-up"},
    {IDS_JOB_NOT_HELD_AND_FINDINGS, TextKind::Transfer,
     "the unit cannot hold %1 of the set-up's cells as written, and the checks find %2 errors and %3 warnings in the set-up"},
    {IDS_JOB_NOT_SHOWN, TextKind::Transfer, "the set-up cannot show %1 of the unit's values as the unit holds them; %2 was not written"},
    {IDS_STATE_NEVER_CHECKED, TextKind::Transfer, "never checked"},
    {IDS_STATE_HOLDS, TextKind::Transfer, "holds its file"},
    {IDS_STATE_DIFFERS, TextKind::Transfer, "differs"},
    {IDS_STATE_DIFFERS_CELL, TextKind::Transfer, "differs in %1 cell"},
    {IDS_STATE_DIFFERS_CELLS, TextKind::Transfer, "differs in %1 cells"},
    {IDS_STATE_FILE_CHANGED, TextKind::Transfer, "file changed"},
    {IDS_STATE_FILE_MISSING, TextKind::Transfer, "file missing"},
    {IDS_STATE_PARTLY_WRITTEN, TextKind::Transfer, "partly written (%1 of %2 blocks)"},

    {IDS_CANNOT_OPEN, TextKind::File, "cannot open %1: %2"},
    {IDS_CANNOT_READ, TextKind::File, "cannot read %1: %2"},
    {IDS_CANNOT_SAVE, TextKind::File, "cannot save %1: %2"},
    {IDS_CANNOT_WRITE, TextKind::File, "cannot write %1: %2"},
    {IDS_NOT_REGULAR, TextKind::File, "it is not a regular file (a pipe, a device or a socket)"},
    {IDS_NOT_A_DOCUMENT, TextKind::File, "%1 is not a valid Q4150 file: %2"},
    {IDS_FAR_TOO_LARGE, TextKind::File, "it is far too large"},
    {IDS_RECORD_DAMAGED, TextKind::File, "the %1 record is damaged: %2"},
    {IDS_END_OF_FILE, TextKind::File, "unexpected end of file"},
    {IDS_MISSING_CELL, TextKind::File, "the sheet has a missing cell"},
    {IDS_NOT_THE_SHEET, TextKind::File, "the file does not match the sheet"},
    {IDS_INSIDE_ROW_LABEL, TextKind::File, "the file ends inside a row label"},
    {IDS_NO_SHEET, TextKind::File, "the set-up has no sheet to read into"},
    {IDS_NO_ALARM_SHEET, TextKind::File, "the alarms have no sheet to read into"},
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

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        size_t n = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < 9 && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string FormatString(unsigned id, const std::vector<std::string>& args)
{
    return FillPlaceholders(LoadString(id), args);
}

std::span<const StringEntry> GetStringTable()
{
    return g_Strings;
}

const char* TextKindName(TextKind kind)
{
    switch (kind) {
    case TextKind::Message:
        return "Messages";
    case TextKind::Hint:
        return "Hints";
    case TextKind::Transfer:
        return "Transfer";
    case TextKind::File:
        return "Files";
    }
    return "Messages";
}
