<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Q4150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set-up programmer for the Norda Q4000-30 annunciator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q4150-30 Programmer Version %1.%2%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBackupSettingsDlg</name>
    <message>
        <source>&amp;Back up the unit before each upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChangeReport</name>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes uploaded on %1 to the unit on %2: re-test every function listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the unit held before the upload is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the unit before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChangeReportDlg</name>
    <message>
        <source>Change Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change report could not be printed to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CComPortDlg</name>
    <message>
        <source>COM Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCompareController</name>
    <message>
        <source>1 cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up cannot be compared with %1: the file cannot be read.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit holds this set-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit differs from this set-up in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit differs from this set-up in %1, though in no cell the sheets show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set-up and %1 do not differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set-up differs from %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells are marked in the sheets; double-click one to show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not take the text of %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3: &quot;%4&quot; not taken, holds &quot;%5&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Take &amp;Sheet from Other Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the selected item&apos;s sheet the other side&apos;s texts (one step for Undo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take &amp;All from Other Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give every sheet the other side&apos;s texts (one step for Undo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to show the cell in its sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Q4150 Files (*.q4g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The file is read-only. Save the set-up under another name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGridCellDelegate</name>
    <message>
        <source>Refused: this cell holds at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGridPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLineSettingsDlg</name>
    <message>
        <source>%1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow control:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Norda Q4150 Programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 also changed %2 (Undo takes it back)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer is running. Stop it and close the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNumberValidator</name>
    <message>
        <source>Refused: a number takes digits, a sign, one decimal point and an exponent (1.5e3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: a whole number takes digits and a sign only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropertyDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQ4150Doc</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected file format.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save document.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQ4150View</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erroneous values have been detected. Appropriate values will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQtComSetupUi</name>
    <message>
        <source>The emulated unit cannot be started: no pseudo-terminal is available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQtTransfer</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the upload after the block in flight?
The unit then holds a partly written set-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping the download ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping the upload ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransferController</name>
    <message>
        <source>The reading of the unit was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nothing was written to the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload did not complete: the unit now holds a partly written set-up (%1 of %2 blocks). Upload the whole set-up before the unit is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload did not complete (%3): the unit now holds a partly written set-up (%1 of %2 blocks). Upload the whole set-up before the unit is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it held before is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload did not complete: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download did not complete: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload is complete. The unit held this set-up already; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpDown</name>
    <message>
        <source>Upload/Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUploadBackup</name>
    <message>
        <source>The backup of the unit was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s set-up could not be read for the backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s set-up could not be read for the backup: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup cannot be written in %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload did not start: nothing was written to the unit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUploadGuard</name>
    <message>
        <source>1 cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit cannot hold %1 as this set-up shows them (marked in the sheets); after the upload it holds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: &quot;%3&quot; as &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit on %1 is device %2; %3 is for device %4. Upload anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all pages of the set-up
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Current Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active page
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view	Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...	Ctrl+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the whole grid
Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare this set-up with a saved file, cell by cell
Compare with File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with U&amp;nit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the unit and compare its set-up with this one, cell by cell
Compare with Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the unit and check that it holds this set-up
Verify Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;COM Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose and set up the serial port
COM Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose whether and where the unit is backed up before each upload
Backup Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Sheet	Ctrl+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the next sheet
Next Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Sheet	Ctrl+Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the previous sheet
Previous Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Q4150...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid Q4150 file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 record is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet has a missing cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not match the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside a row label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the set-up has no sheet to read into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the alarms have no sheet to read into</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Constants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS 485 Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS 232 Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote LED Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Follows Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Out Inverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Alarm Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hysteresis in %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InpTp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InpLo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCDLo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InpUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCDUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logical Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InpRef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DynRef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&gt;±</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetPoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hysteresis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Enter or a double click opens the settings of this cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of: %1; or type a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of: %1; or type a new one (up to %2 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number (a comma is taken as the decimal point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (up to %1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number from %1 to %2 (a comma is taken as the decimal point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds from %1 to %2 (255 hours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number from %1 to %2, the range of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid value. Last selection will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters of the selected logical input does not match input reference (InpRef).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DynRef must be active before dynamic range can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered value is out of range. The nearest value will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of range. The min value is 0.3 second and max value is 918000 seconds (255 hours).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid LED output. Last selection will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid output. Last selection will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This alarm is disabled. Not able to change this parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DynRef is no longer valid. DynRef will be disabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block is disabled. Enable BLOCK in General pane for this parameter to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This input channel is not active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This logical input is not active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value. Last value will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input. Turn off the current selected input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters of the selected input are not match other selected inputs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out off range. The closest match will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is not active. Default value will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input type. Previous will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload data to Q4000 unit
Upload data to Q4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download data from Q4000 unit
Download data from Q4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q4150 Programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This will restore default configuration of all parameters in the Q4000 on next power up.
Press OK to continue or Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This will restore default configuration of all parameters 
and general constants in the Q4000 on next power up.
Press OK to continue or Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Block flag is detected. To enable this, please enable block flag in General Pane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logical Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Downloading %1 data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1 data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to download %1 data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to upload %1 data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to open com port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to open com port.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to open com port.
%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error to Set communication state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port went away: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is in use by process %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
