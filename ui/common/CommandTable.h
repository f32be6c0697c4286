// The program's commands: identifiers, menu texts, prompts (status text, then tooltip after a
// line break) and accelerators, shared by the menus, the toolbar and the context menu.
#pragma once

enum CommandId {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT_CURRENT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_EXIT = 57665,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_HELP_FINDER = 57670,
    ID_APP_ABOUT = 57664,
    ID_FILE_PRINT_ALL = 32781,
    ID_EDIT_CUTEX = 32783,
    ID_EDIT_COPYEX = 32788,
    ID_EDIT_PASTEEX = 32787,
    ID_EDIT_SELECTALL = 32789,
    ID_UPLOAD = 32771,
    ID_DOWNLOAD = 32772,
    ID_COMMSETUP = 32773,
    ID_NEXT_TAB = 32790,
    ID_PREV_TAB = 32791,
    ID_BACKUP_SETTINGS = 32795,
    ID_COMPARE_FILE = 32792,
    ID_COMPARE_UNIT = 32793,
    ID_VERIFY_UNIT = 32794,
    ID_LANGUAGE = 32796,
    ID_FILE_EXPORT_JSON = 32797,
    ID_FILE_EXPORT_CSV = 32799,
    ID_FILE_IMPORT = 32798,
};

struct CommandInfo {
    int nId;
    const char* pszText;       // menu text; "\t" and what follows is the shortcut shown
    const char* pszPrompt;     // status text "\n" tooltip; null: the string table's (both English,
                               // translated where shown)
    const char* pszShortcuts;  // accelerators, ";" between them
};

// The entry of a command, or null.
const CommandInfo* FindCommand(int id);
int GetCommandCount();
const CommandInfo& GetCommand(int index);
