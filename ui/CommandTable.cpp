// The command table.
#include "ui/CommandTable.h"

namespace {

const CommandInfo g_Commands[] = {
    {ID_FILE_NEW, "&New\tCtrl+N", "Create a new document\nNew", "Ctrl+N"},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O"},
    {ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document\nSave", "Ctrl+S"},
    {ID_FILE_SAVE_AS, "Save &As...\tCtrl+A", "Save the active document with a new name\nSave As", "Ctrl+A"},
    {ID_FILE_PRINT_ALL, "&Print...\tCtrl+P", "Print all pages of the set-up\nPrint", ""},
    {ID_FILE_PRINT_CURRENT, "Print Current Page", "Print the active page\nPrint", "Ctrl+P"},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view\tCtrl+W", "Display full pages\nPrint Preview", "Ctrl+W"},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...\tCtrl+U", "Change the printer and printing options\nPrint Setup", "Ctrl+U"},
    {ID_FILE_MRU_FILE1, "Recent File", "Open this document", ""},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents\nExit", ""},
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action\nUndo", "Ctrl+Z;Alt+Backspace"},
    {ID_EDIT_REDO, "&Redo\tCtrl+Y", "Redo the previously undone action\nRedo", "Ctrl+Y;Ctrl+Shift+Z"},
    {ID_EDIT_CUTEX, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut", "Ctrl+X"},
    {ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard\nCopy", "Ctrl+C;Ctrl+Ins"},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste", ""},
    {ID_EDIT_CUT, "Cut", "Cut the selection and put it on the Clipboard\nCut", "Shift+Del"},
    {ID_EDIT_COPYEX, "Copy", "Copy the selection and put it on the Clipboard\nCopy", ""},
    {ID_EDIT_PASTEEX, "Paste", "Insert Clipboard contents\nPaste", "Ctrl+V;Shift+Ins"},
    {ID_EDIT_SELECTALL, "Select All", "Select the whole grid\nSelect All", ""},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", ""},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", ""},
    {ID_UPLOAD, "&Upload", nullptr, ""},
    {ID_DOWNLOAD, "&Download", nullptr, ""},
    {ID_COMPARE_FILE, "Compare with &File...", "Compare this set-up with a saved file, cell by cell\nCompare with File", ""},
    {ID_COMPARE_UNIT, "Compare with U&nit", "Read the unit and compare its set-up with this one, cell by cell\nCompare with Unit", ""},
    {ID_VERIFY_UNIT, "&Verify Unit", "Read the unit and check that it holds this set-up\nVerify Unit", ""},
    {ID_COMMSETUP, "&COM Setup...", "Choose and set up the serial port\nCOM Setup", ""},
    {ID_BACKUP_SETTINGS, "&Backup Settings...", "Choose whether and where the unit is backed up before each upload\nBackup Settings", ""},
    {ID_NEXT_TAB, "Next Sheet\tCtrl+Tab", "Show the next sheet\nNext Sheet", "Ctrl+Tab;Ctrl+PgDown"},
    {ID_PREV_TAB, "Previous Sheet\tCtrl+Shift+Tab", "Show the previous sheet\nPrevious Sheet", "Ctrl+Shift+Tab;Ctrl+PgUp"},
    {ID_HELP_FINDER, "&Help Topics", "Open the user's guide\nHelp Topics", "F1"},
    {ID_APP_ABOUT, "&About Q4150...", "Display program information, version number and copyright\nAbout", ""},
};

}  // namespace

const CommandInfo* FindCommand(int id)
{
    for (const auto& command : g_Commands) {
        if (command.nId == id)
            return &command;
    }
    return nullptr;
}

int GetCommandCount()
{
    return static_cast<int>(sizeof(g_Commands) / sizeof(g_Commands[0]));
}

const CommandInfo& GetCommand(int index)
{
    return g_Commands[index];
}
