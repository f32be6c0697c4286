// The program's string table: every text the core puts before a person, by ID, with its kind.
#pragma once

#include <span>
#include <string>
#include <vector>

// What a text is for. The desktop program translates each kind in a context of its own; the
// command line shows the English texts as they are.
enum class TextKind { Message, Hint, Transfer, File };

struct StringEntry {
    unsigned id;
    TextKind kind;
    const char* text;  // English, Windows-1252; %1, %2, ... stand for what FormatString fills in
};

// IDs beyond the unit's own message numbers (62000 to 62017).
enum : unsigned {
    IDS_CONFIG_WARNING = 62100,
    IDS_CONF_GEN_WARNING,
    IDS_BLOCK_WARNING,
    IDS_HELD_OUTSIDE,
    IDS_HELD_OUTSIDE_OF,
    IDS_HELD_UNKNOWN_CODE,
    IDS_HELD_UNUSED_BYTES,

    IDS_HINT_POPUP = 62200,
    IDS_HINT_ONE_OF,
    IDS_HINT_ONE_OF_OR_NEW,
    IDS_HINT_ONE_OF_OR_NEW_LIMIT,
    IDS_HINT_NUMBER,
    IDS_HINT_WHOLE_NUMBER,
    IDS_HINT_TEXT,
    IDS_HINT_TEXT_LIMIT,
    IDS_HINT_WHOLE_NUMBER_RANGE,
    IDS_HINT_NUMBER_RANGE,
    IDS_HINT_DELAY,
    IDS_HINT_SETPOINT,
    IDS_HINT_SIGNAL_RANGE,
    IDS_HINT_DYNREF_NO_LOGICAL,

    IDS_DOWNLOADING = 62300,
    IDS_UPLOADING,
    IDS_DOWNLOAD_FAILED,
    IDS_UPLOAD_FAILED,
    IDS_PORT_OPEN_ERROR,
    IDS_PORT_OPEN_ERROR_ON,
    IDS_PORT_OPEN_ERROR_BECAUSE,
    IDS_PORT_STATE_ERROR,
    IDS_PORT_WENT_AWAY,
    IDS_PORT_IN_USE_BY,
    IDS_PORT_IN_USE_BY_PROGRAM,
    IDS_PORT_IN_USE,
    IDS_JOB_BACKUP_FAILED,
    IDS_JOB_BACKUP_FAILED_BECAUSE,
    IDS_JOB_UPLOAD_FAILED,
    IDS_JOB_UPLOAD_FAILED_BECAUSE,
    IDS_JOB_DOWNLOAD_FAILED,
    IDS_JOB_DOWNLOAD_FAILED_BECAUSE,
    IDS_JOB_READ_FAILED,
    IDS_JOB_READ_FAILED_BECAUSE,
    IDS_JOB_BACKUP_STOPPED,
    IDS_JOB_UPLOAD_STOPPED,
    IDS_JOB_READ_STOPPED,
    IDS_JOB_STOPPED_BEFORE,
    IDS_JOB_NOTHING_WRITTEN,
    IDS_JOB_PARTLY_WRITTEN,
    IDS_JOB_OTHER_DEVICE,
    IDS_JOB_NOT_HELD,
    IDS_JOB_BLOCKS_DIFFER,
    IDS_JOB_CONFIRMED_DEVICE,
    IDS_JOB_CONFIRMED_NOT_HELD,
    IDS_JOB_BACKUP_FOLDER,
    IDS_JOB_READ_BACK,
    IDS_JOB_FINDINGS,
    IDS_JOB_CONFIRMED_FINDINGS,
    IDS_JOB_NOT_HELD_AND_FINDINGS,
    IDS_JOB_NOT_SHOWN,
    IDS_STATE_NEVER_CHECKED,
    IDS_STATE_HOLDS,
    IDS_STATE_DIFFERS,
    IDS_STATE_DIFFERS_CELL,
    IDS_STATE_DIFFERS_CELLS,
    IDS_STATE_FILE_CHANGED,
    IDS_STATE_FILE_MISSING,
    IDS_STATE_PARTLY_WRITTEN,

    IDS_CANNOT_OPEN = 62400,
    IDS_CANNOT_READ,
    IDS_CANNOT_SAVE,
    IDS_CANNOT_WRITE,
    IDS_NOT_REGULAR,
    IDS_NOT_A_DOCUMENT,
    IDS_FAR_TOO_LARGE,
    IDS_RECORD_DAMAGED,
    IDS_END_OF_FILE,
    IDS_MISSING_CELL,
    IDS_NOT_THE_SHEET,
    IDS_INSIDE_ROW_LABEL,
    IDS_NO_SHEET,
    IDS_NO_ALARM_SHEET,
};

// The text of a string-table ID, or an empty text for an ID the table does not hold.
std::string LoadString(unsigned id);
// The text of id with %1, %2, ... replaced by args in turn (a placeholder without an argument
// stays as it is).
std::string FormatString(unsigned id, const std::vector<std::string>& args);
// pattern with %1 to %9 replaced by args in turn.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& args);
// The whole table, for the translators' tools.
std::span<const StringEntry> GetStringTable();
// The kind's name: "Messages", "Hints", "Transfer" or "Files".
const char* TextKindName(TextKind kind);
