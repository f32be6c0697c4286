// The command table; its texts are translated in the context "Commands".
#include "ui/common/CommandTable.h"

#include <QtGlobal>

namespace {

const CommandInfo g_Commands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&New"), QT_TRANSLATE_NOOP("Commands", "Create a new document\nNew"), "Ctrl+N"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&Open..."), QT_TRANSLATE_NOOP("Commands", "Open an existing document\nOpen"), "Ctrl+O"},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&Save"), QT_TRANSLATE_NOOP("Commands", "Save the active document\nSave"), "Ctrl+S"},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save &As..."), QT_TRANSLATE_NOOP("Commands", "Save the active document with a new name\nSave As"), "Ctrl+A"},
    {ID_FILE_EXPORT_JSON, QT_TRANSLATE_NOOP("Commands", "Export as &JSON..."), QT_TRANSLATE_NOOP("Commands", "Write the whole set-up as JSON text, as the command line's export writes it\nExport as JSON"), "Ctrl+E"},
    {ID_FILE_EXPORT_CSV, QT_TRANSLATE_NOOP("Commands", "Export as &CSV..."), QT_TRANSLATE_NOOP("Commands", "Write the whole set-up as CSV text for spreadsheets, as the command line's export writes it\nExport as CSV"), "Ctrl+Shift+E"},
    {ID_FILE_IMPORT, QT_TRANSLATE_NOOP("Commands", "&Import..."), QT_TRANSLATE_NOOP("Commands", "Build a new set-up from a JSON or CSV text, naming the cells that do not take their text\nImport"), "Ctrl+I"},
    {ID_FILE_PRINT_ALL, QT_TRANSLATE_NOOP("Commands", "&Print..."), QT_TRANSLATE_NOOP("Commands", "Print all pages of the set-up\nPrint"), ""},
    {ID_FILE_PRINT_CURRENT, QT_TRANSLATE_NOOP("Commands", "Print Current Page"), QT_TRANSLATE_NOOP("Commands", "Print the active page\nPrint"), "Ctrl+P"},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Pre&view"), QT_TRANSLATE_NOOP("Commands", "Display full pages\nPrint Preview"), "Ctrl+W"},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."), QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options\nPrint Setup"), "Ctrl+U"},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Commands", "Recent File"), QT_TRANSLATE_NOOP("Commands", "Open this document"), ""},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "E&xit"), QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save documents\nExit"), ""},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Undo"), QT_TRANSLATE_NOOP("Commands", "Undo the last action\nUndo"), "Ctrl+Z;Alt+Backspace"},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "&Redo"), QT_TRANSLATE_NOOP("Commands", "Redo the previously undone action\nRedo"), "Ctrl+Y;Ctrl+Shift+Z"},
    {ID_EDIT_CUTEX, QT_TRANSLATE_NOOP("Commands", "Cu&t"), QT_TRANSLATE_NOOP("Commands", "Cut the selection and put it on the Clipboard\nCut"), "Ctrl+X"},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Commands", "&Copy"), QT_TRANSLATE_NOOP("Commands", "Copy the selection and put it on the Clipboard\nCopy"), "Ctrl+C;Ctrl+Ins"},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Commands", "&Paste"), QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents\nPaste"), "Ctrl+V;Shift+Ins"},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("Commands", "Cut"), QT_TRANSLATE_NOOP("Commands", "Cut the selection and put it on the Clipboard\nCut"), "Shift+Del"},
    {ID_EDIT_COPYEX, QT_TRANSLATE_NOOP("Commands", "Copy"), QT_TRANSLATE_NOOP("Commands", "Copy the selection and put it on the Clipboard\nCopy"), ""},
    {ID_EDIT_PASTEEX, QT_TRANSLATE_NOOP("Commands", "Paste"), QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents\nPaste"), ""},
    {ID_EDIT_SELECTALL, QT_TRANSLATE_NOOP("Commands", "Select All"), QT_TRANSLATE_NOOP("Commands", "Select the whole grid\nSelect All"), ""},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&Toolbar"), QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar\nToggle ToolBar"), ""},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&Status Bar"), QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar\nToggle StatusBar"), ""},
    {ID_UPLOAD, QT_TRANSLATE_NOOP("Commands", "&Upload"), nullptr, ""},
    {ID_DOWNLOAD, QT_TRANSLATE_NOOP("Commands", "&Download"), nullptr, ""},
    {ID_COMPARE_FILE, QT_TRANSLATE_NOOP("Commands", "Compare with &File..."), QT_TRANSLATE_NOOP("Commands", "Compare this set-up with a saved file, cell by cell\nCompare with File"), ""},
    {ID_COMPARE_UNIT, QT_TRANSLATE_NOOP("Commands", "Compare with U&nit"), QT_TRANSLATE_NOOP("Commands", "Read the unit and compare its set-up with this one, cell by cell\nCompare with Unit"), ""},
    {ID_VERIFY_UNIT, QT_TRANSLATE_NOOP("Commands", "&Verify Unit"), QT_TRANSLATE_NOOP("Commands", "Read the unit and check that it holds this set-up\nVerify Unit"), ""},
    {ID_COMMSETUP, QT_TRANSLATE_NOOP("Commands", "&COM Setup..."), QT_TRANSLATE_NOOP("Commands", "Choose and set up the serial port\nCOM Setup"), ""},
    {ID_BACKUP_SETTINGS, QT_TRANSLATE_NOOP("Commands", "&Backup Settings..."), QT_TRANSLATE_NOOP("Commands", "Choose whether and where the unit is backed up before each upload\nBackup Settings"), ""},
    {ID_LANGUAGE, QT_TRANSLATE_NOOP("Commands", "&Language..."), QT_TRANSLATE_NOOP("Commands", "Choose the language of the program\nLanguage"), ""},
    {ID_NEXT_TAB, QT_TRANSLATE_NOOP("Commands", "Next Sheet"), QT_TRANSLATE_NOOP("Commands", "Show the next sheet\nNext Sheet"), "Ctrl+Tab;Ctrl+PgDown"},
    {ID_PREV_TAB, QT_TRANSLATE_NOOP("Commands", "Previous Sheet"), QT_TRANSLATE_NOOP("Commands", "Show the previous sheet\nPrevious Sheet"), "Ctrl+Shift+Tab;Ctrl+PgUp"},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("Commands", "&Help Topics"), QT_TRANSLATE_NOOP("Commands", "Open the user's guide\nHelp Topics"), "F1"},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&About Q4150..."), QT_TRANSLATE_NOOP("Commands", "Display program information, version number and copyright\nAbout"), ""},
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
