<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Q4150</source>
        <translation>Über Q4150</translation>
    </message>
    <message>
        <source>Set-up programmer for the Norda Q4000-30 annunciator</source>
        <translation>Konfigurationsprogramm für den Meldetableau-Baustein Norda Q4000-30</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Q4150-30 Programmer Version %1.%2%3</source>
        <translation>Q4150-30 Programmer Version %1.%2%3</translation>
    </message>
</context>
<context>
    <name>CBackupSettingsDlg</name>
    <message>
        <source>&amp;Back up the unit before each upload</source>
        <translation>Gerät vor jeder Übertragung zum Gerät &amp;sichern</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Backup Settings</source>
        <translation>Sicherungseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>&amp;Write every block, also those the unit holds already</source>
        <translation>&amp;Jeden Block schreiben, auch die, die das Gerät schon enthält</translation>
    </message>
</context>
<context>
    <name>CCellListDlg</name>
    <message>
        <source>Named cells</source>
        <translation>Genannte Zellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 Wert</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>Download - %1 to check</source>
        <translation>Vom Gerät übertragen - %1 zu prüfen</translation>
    </message>
    <message>
        <source>The set-up shows these values otherwise than the unit holds them, or shows values the sheets refuse when typed. An upload writes what the sheets show. The cells are marked in the sheets; double-click one to show it.</source>
        <translation>Die Konfiguration zeigt diese Werte anders, als das Gerät sie enthält, oder zeigt Werte, die die Blätter bei der Eingabe ablehnen. Eine Übertragung zum Gerät schreibt, was die Blätter zeigen. Die Zellen sind in den Blättern markiert; ein Doppelklick zeigt eine davon.</translation>
    </message>
    <message>
        <source>The unit holds</source>
        <translation>Das Gerät enthält</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>%1 - %2 the unit cannot hold</source>
        <translation>%1 - %2, die das Gerät nicht speichern kann</translation>
    </message>
    <message>
        <source>The unit cannot hold these texts of the file as written: an upload leaves what the last text shows, and Verify Unit counts them as differences. The cells are marked in the sheets; double-click one to show it.</source>
        <translation>Das Gerät kann diese Texte der Datei nicht so speichern, wie sie geschrieben sind: nach einer Übertragung zum Gerät enthält es, was der letzte Text zeigt, und Gerät prüfen zählt sie als Unterschiede. Die Zellen sind in den Blättern markiert; ein Doppelklick zeigt eine davon.</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>The unit will hold</source>
        <translation>Das Gerät wird enthalten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Put the whole list on the clipboard</source>
        <translation>Die ganze Liste in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>%1 - imported, %2 refused or changed</source>
        <translation>%1 - importiert, %2 abgelehnt oder verändert</translation>
    </message>
    <message>
        <source>The set-up holds</source>
        <translation>Die Konfiguration enthält</translation>
    </message>
</context>
<context>
    <name>CCellListModel</name>
    <message>
        <source>Double-click to show the cell in its sheet</source>
        <translation>Doppelklick zeigt die Zelle in ihrem Blatt</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
</context>
<context>
    <name>CChangeReport</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Changes uploaded on %1 to the unit on %2: re-test every function listed</source>
        <translation>Änderungen, am %1 zum Gerät an %2 übertragen: jede aufgeführte Funktion erneut prüfen</translation>
    </message>
    <message>
        <source>1 channel changed.</source>
        <translation>1 Kanal geändert.</translation>
    </message>
    <message>
        <source>%1 channels changed.</source>
        <translation>%1 Kanäle geändert.</translation>
    </message>
    <message>
        <source>What the unit held before the upload is kept in %1.</source>
        <translation>Was das Gerät vor der Übertragung enthielt, ist in %1 gesichert.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>In the unit before</source>
        <translation>Bisher im Gerät</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Re-tested</source>
        <translation>Erneut geprüft</translation>
    </message>
    <message>
        <source>Change report</source>
        <translation>Änderungsbericht</translation>
    </message>
    <message>
        <source>Set-up uploaded: %1</source>
        <translation>Übertragene Konfiguration: %1</translation>
    </message>
</context>
<context>
    <name>CChangeReportDlg</name>
    <message>
        <source>Change Report</source>
        <translation>Änderungsbericht</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The change report could not be printed to %1.</source>
        <translation>Der Änderungsbericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Change report</source>
        <translation>Änderungsbericht</translation>
    </message>
</context>
<context>
    <name>CChecksModel</name>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Befund</translation>
    </message>
</context>
<context>
    <name>CChecksPanel</name>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Checks panel</source>
        <translation>Prüfungsübersicht</translation>
    </message>
    <message>
        <source>Findings of the set-up checks</source>
        <translation>Befunde der Konfigurationsprüfung</translation>
    </message>
    <message>
        <source>%1 (every set-up)</source>
        <translation>%1 (jede Konfiguration)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignoriert: %1</translation>
    </message>
    <message>
        <source>Ignore &quot;%1&quot; for %2</source>
        <translation>„%1“ für %2 ignorieren</translation>
    </message>
    <message>
        <source>Ignore &quot;%1&quot; in Every Set-up</source>
        <translation>„%1“ in jeder Konfiguration ignorieren</translation>
    </message>
    <message>
        <source>Help on &quot;%1&quot;</source>
        <translation>Hilfe zu „%1“</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>%1 in every set-up</source>
        <translation>%1 in jeder Konfiguration</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 für %2</translation>
    </message>
</context>
<context>
    <name>CChecksUi</name>
    <message>
        <source>Chec&amp;ks Panel</source>
        <translation>Prü&amp;fungsübersicht</translation>
    </message>
    <message>
        <source>Show the findings of the set-up checks and go to them</source>
        <translation>Die Befunde der Konfigurationsprüfung zeigen und zu ihnen gehen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CComPortDlg</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM-Schnittstelle einrichten</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Schnittstelle:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
</context>
<context>
    <name>CCompareController</name>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>1 block</source>
        <translation>1 Block</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <translation>%1 Blöcken</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>The set-up cannot be compared with %1: the file cannot be read.
%2</source>
        <translation>Die Konfiguration kann nicht mit %1 verglichen werden: die Datei ist nicht lesbar.
%2</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>The unit holds this set-up.</source>
        <translation>Das Gerät enthält diese Konfiguration.</translation>
    </message>
    <message>
        <source>The unit differs from this set-up in %1.</source>
        <translation>Das Gerät weicht in %1 von dieser Konfiguration ab.</translation>
    </message>
    <message>
        <source>The unit differs from this set-up in %1, though in no cell the sheets show.</source>
        <translation>Das Gerät weicht in %1 von dieser Konfiguration ab, jedoch in keiner Zelle, die die Blätter zeigen.</translation>
    </message>
    <message>
        <source>This set-up and %1 do not differ.</source>
        <translation>Diese Konfiguration und %1 unterscheiden sich nicht.</translation>
    </message>
    <message>
        <source>This set-up differs from %1 in %2.</source>
        <translation>Diese Konfiguration weicht in %2 von %1 ab.</translation>
    </message>
    <message>
        <source>The cells are marked in the sheets; double-click one to show it.</source>
        <translation>Die Zellen sind in den Blättern markiert; ein Doppelklick zeigt eine davon.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Take %1 from %2</source>
        <translation>%1 aus %2 übernehmen</translation>
    </message>
    <message>
        <source>%1 did not take the text of %2:</source>
        <translation>%1 übernahmen den Text von %2 nicht:</translation>
    </message>
    <message>
        <source>%1 %2 %3: &quot;%4&quot; not taken, holds &quot;%5&quot;</source>
        <translation>%1 %2 %3: „%4“ nicht übernommen, enthält „%5“</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Take &amp;Sheet from Other Side</source>
        <translation>&amp;Blatt von der Gegenseite übernehmen</translation>
    </message>
    <message>
        <source>Give the selected item&apos;s sheet the other side&apos;s texts (one step for Undo)</source>
        <translation>Das Blatt des gewählten Eintrags erhält die Texte der Gegenseite (ein Schritt für Rückgängig)</translation>
    </message>
    <message>
        <source>Take &amp;All from Other Side</source>
        <translation>&amp;Alles von der Gegenseite übernehmen</translation>
    </message>
    <message>
        <source>Give every sheet the other side&apos;s texts (one step for Undo)</source>
        <translation>Jedes Blatt erhält die Texte der Gegenseite (ein Schritt für Rückgängig)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>no differences</source>
        <translation>keine Unterschiede</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Compare with %1 - %2</source>
        <translation>Vergleich mit %1 - %2</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>This set-up</source>
        <translation>Diese Konfiguration</translation>
    </message>
    <message>
        <source>Double-click to show the cell in its sheet</source>
        <translation>Doppelklick zeigt die Zelle in ihrem Blatt</translation>
    </message>
    <message>
        <source>Differing cells</source>
        <translation>Abweichende Zellen</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Q4150 Files (*.q4g)</source>
        <translation>Q4150-Dateien (*.q4g)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1
The file is read-only. Save the set-up under another name?</source>
        <translation>%1
Die Datei ist schreibgeschützt. Die Konfiguration unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>CFindingsPrinter</name>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Keine Befunde</translation>
    </message>
</context>
<context>
    <name>CGridCellDelegate</name>
    <message>
        <source>Refused: this cell holds at most %1 characters</source>
        <translation>Abgelehnt: diese Zelle fasst höchstens %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>CGridPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Q4150 Programmer Help</source>
        <translation>Hilfe zum Q4150 Programmer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Enter or F3 finds the next place, Shift+F3 the one before</source>
        <translation>Enter oder F3 findet die nächste Stelle, Umschalt+F3 die vorige</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>User&apos;s guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>CJobQuestions</name>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>The unit cannot hold %1 as this set-up shows them (marked in the sheets); after the upload it holds:</source>
        <translation>Das Gerät kann %1 nicht so speichern, wie diese Konfiguration sie zeigt (in den Blättern markiert); nach der Übertragung enthält es:</translation>
    </message>
    <message>
        <source>%1 %2: &quot;%3&quot; as &quot;%4&quot;</source>
        <translation>%1 %2: „%3“ als „%4“</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Upload anyway?</source>
        <translation>Trotzdem zum Gerät übertragen?</translation>
    </message>
    <message>
        <source>The unit on %1 is device %2; the file of %3 is for device %4. Upload anyway?</source>
        <translation>Das Gerät an %1 ist Gerät %2; die Datei von %3 ist für Gerät %4. Trotzdem zum Gerät übertragen?</translation>
    </message>
    <message>
        <source>The unit on %1 is device %2; %3 is for device %4. Upload anyway?</source>
        <translation>Das Gerät an %1 ist Gerät %2; %3 ist für Gerät %4. Trotzdem zum Gerät übertragen?</translation>
    </message>
    <message>
        <source>The checks find %1 in this set-up (marked in the sheets):</source>
        <translation>Die Prüfungen finden in dieser Konfiguration %1 (in den Blättern markiert):</translation>
    </message>
</context>
<context>
    <name>CLanguage</name>
    <message>
        <source>en</source>
        <comment>the code of the language of this translation: the guide of that language opens from Help</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from its next start on.</source>
        <translation>Das Programm verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>CLineSettingsDlg</name>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Bits per second:</source>
        <translation>Bits pro Sekunde:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Flow control:</source>
        <translation>Flusssteuerung:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Norda Q4150 Programmer</source>
        <translation>Norda Q4150 Programmer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>%1 also changed %2 (Undo takes it back)</source>
        <translation>%1 änderte auch %2 (Rückgängig nimmt es zurück)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>A transfer is running. Stop it and close the program?</source>
        <translation>Eine Übertragung läuft. Sie abbrechen und das Programm schließen?</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>CNumberValidator</name>
    <message>
        <source>Refused: a number takes digits, a sign, one decimal point and an exponent (1.5e3)</source>
        <translation>Abgelehnt: eine Zahl besteht aus Ziffern, einem Vorzeichen, einem Dezimalpunkt und einem Exponenten (1.5e3)</translation>
    </message>
    <message>
        <source>Refused: a whole number takes digits and a sign only</source>
        <translation>Abgelehnt: eine ganze Zahl besteht nur aus Ziffern und einem Vorzeichen</translation>
    </message>
</context>
<context>
    <name>CPlantModel</name>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>refused: another unit</source>
        <translation>abgelehnt: anderes Gerät</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>named</source>
        <translation>erkannt</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>mehrdeutig</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Last upload: %1 (%2)</source>
        <translation>Letzte Übertragung zum Gerät: %1 (%2)</translation>
    </message>
    <message>
        <source>Last verify: %1 (%2)</source>
        <translation>Letzte Prüfung: %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 are both device %2</source>
        <translation>%1 sind beide Gerät %2</translation>
    </message>
    <message>
        <source>%1 are all device %2</source>
        <translation>%1 sind alle Gerät %2</translation>
    </message>
    <message>
        <source>Since: %1</source>
        <translation>Seit: %1</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>CPlantPanel</name>
    <message>
        <source>Plant</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Plant panel</source>
        <translation>Anlagenübersicht</translation>
    </message>
    <message>
        <source>Tag, location, device or file</source>
        <translation>Kennung, Ort, Gerät oder Datei</translation>
    </message>
    <message>
        <source>Filter the units</source>
        <translation>Geräte filtern</translation>
    </message>
    <message>
        <source>Units of the plant</source>
        <translation>Geräte der Anlage</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>&amp;Filter:</translation>
    </message>
</context>
<context>
    <name>CPlantReport</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Plant report: %1</source>
        <translation>Anlagenbericht: %1</translation>
    </message>
    <message>
        <source>Plant file: %1</source>
        <translation>Anlagendatei: %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Last upload</source>
        <translation>Letzte Übertragung zum Gerät</translation>
    </message>
    <message>
        <source>Last verify</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <source>%1: changed by the upload of %2</source>
        <translation>%1: geändert durch die Übertragung zum Gerät vom %2</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>%1: differences found by the verify of %2</source>
        <translation>%1: Abweichungen der Prüfung vom %2</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
</context>
<context>
    <name>CPlantReportDlg</name>
    <message>
        <source>Plant Report</source>
        <translation>Anlagenbericht</translation>
    </message>
    <message>
        <source>Plant report</source>
        <translation>Anlagenbericht</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>The plant report could not be printed.</source>
        <translation>Der Anlagenbericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The plant report could not be saved as %1.</source>
        <translation>Der Anlagenbericht konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CPlantTransferController</name>
    <message>
        <source>Emulator %1</source>
        <translation>Emulator %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Zum Gerät</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>The emulated unit cannot be started: no pseudo-terminal is available.</source>
        <translation>Das emulierte Gerät kann nicht gestartet werden: kein Pseudo-Terminal verfügbar.</translation>
    </message>
    <message>
        <source>No port chosen</source>
        <translation>Kein Anschluss gewählt</translation>
    </message>
    <message>
        <source>Holds its file</source>
        <translation>Enthält seine Datei</translation>
    </message>
    <message>
        <source>Differs in %1 cells</source>
        <translation>Weicht in %1 Zellen ab</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>(not in the log: %1)</source>
        <translation>(nicht im Protokoll: %1)</translation>
    </message>
    <message>
        <source>Uploaded: %1 blocks written, %2 held already, %3 cells changed</source>
        <translation>Übertragen: %1 Blöcke geschrieben, %2 schon enthalten, %3 Zellen geändert</translation>
    </message>
    <message>
        <source>Differs in 1 cell</source>
        <translation>Weicht in 1 Zelle ab</translation>
    </message>
    <message>
        <source>Not uploaded: %1</source>
        <translation>Nicht übertragen: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>The plant log could not be written: %1. The action of %2 is not in the commissioning record.</source>
        <translation>Das Anlagenprotokoll konnte nicht geschrieben werden: %1. Der Vorgang von %2 fehlt im Inbetriebnahmeprotokoll.</translation>
    </message>
    <message>
        <source>Uploaded: %1 blocks written, %2 held already, 1 cell changed</source>
        <translation>Übertragen: %1 Blöcke geschrieben, %2 schon enthalten, 1 Zelle geändert</translation>
    </message>
</context>
<context>
    <name>CPlantTransferDlg</name>
    <message>
        <source>Plant Transfers</source>
        <translation>Anlagen-Übertragungen</translation>
    </message>
    <message>
        <source>Tick the units (Space), choose each one&apos;s port (F2), then verify or upload them side by side.</source>
        <translation>Geräte ankreuzen (Leertaste), für jedes den Anschluss wählen (F2), dann nebeneinander prüfen oder zum Gerät übertragen.</translation>
    </message>
    <message>
        <source>Units to transfer</source>
        <translation>Zu übertragende Geräte</translation>
    </message>
    <message>
        <source>&amp;Verify Checked</source>
        <translation>Angekreuzte &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Upload Checked</source>
        <translation>Angekreuzte zum Gerät &amp;übertragen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
</context>
<context>
    <name>CPlantUi</name>
    <message>
        <source>Plants (*.q4plant)</source>
        <translation>Anlagen (*.q4plant)</translation>
    </message>
    <message>
        <source>New P&amp;lant...</source>
        <translation>Neue &amp;Anlage...</translation>
    </message>
    <message>
        <source>Make a new plant file</source>
        <translation>Eine neue Anlagendatei anlegen</translation>
    </message>
    <message>
        <source>Open a plant file and show its units</source>
        <translation>Eine Anlagendatei öffnen und ihre Geräte zeigen</translation>
    </message>
    <message>
        <source>A&amp;dd This Set-up to Plant...</source>
        <translation>Diese Konfiguration zur Anlage &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add the set-up&apos;s file to the plant as a unit of its own</source>
        <translation>Die Datei der Konfiguration als eigenes Gerät zur Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Plant &amp;Panel</source>
        <translation>Anlagen&amp;übersicht</translation>
    </message>
    <message>
        <source>Show the plant&apos;s units and go to them</source>
        <translation>Die Geräte der Anlage zeigen und zu ihnen gehen</translation>
    </message>
    <message>
        <source>Plant &amp;Transfers...</source>
        <translation>Anlagen-Über&amp;tragungen...</translation>
    </message>
    <message>
        <source>Verify or upload several units of the plant side by side</source>
        <translation>Mehrere Geräte der Anlage nebeneinander prüfen oder zum Gerät übertragen</translation>
    </message>
    <message>
        <source>&amp;Identify Unit</source>
        <translation>Gerät &amp;identifizieren</translation>
    </message>
    <message>
        <source>Read the unit on the port and tell which unit it is</source>
        <translation>Das Gerät am Anschluss lesen und sagen, welches Gerät es ist</translation>
    </message>
    <message>
        <source>Plant &amp;Report...</source>
        <translation>Anlagen&amp;bericht...</translation>
    </message>
    <message>
        <source>Every unit&apos;s last upload and verify and their changes, to print or save as PDF</source>
        <translation>Letzte Übertragung und Prüfung jedes Geräts mit ihren Änderungen, zum Drucken oder als PDF</translation>
    </message>
    <message>
        <source>Open this plant</source>
        <translation>Diese Anlage öffnen</translation>
    </message>
    <message>
        <source>New Plant</source>
        <translation>Neue Anlage</translation>
    </message>
    <message>
        <source>The plant file %1 could not be written: %2</source>
        <translation>Die Anlagendatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Open Plant</source>
        <translation>Anlage öffnen</translation>
    </message>
    <message>
        <source>Plant transfers are running: another plant can be opened once they have ended.</source>
        <translation>Anlagen-Übertragungen laufen: eine andere Anlage kann geöffnet werden, sobald sie beendet sind.</translation>
    </message>
    <message>
        <source>The plant %1 could not be opened: %2</source>
        <translation>Die Anlage %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Plant: %1</source>
        <translation>Anlage: %1</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>The set-up must be saved as a .q4g file first. Save it now?</source>
        <translation>Die Konfiguration muss zuerst als .q4g-Datei gespeichert werden. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Add This Set-up to Plant</source>
        <translation>Diese Konfiguration zur Anlage hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Tag:</source>
        <translation>&amp;Kennung:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>e.g. AN-101</source>
        <translation>z. B. AN-101</translation>
    </message>
    <message>
        <source>%1 added to the plant</source>
        <translation>%1 zur Anlage hinzugefügt</translation>
    </message>
    <message>
        <source>This set-up&apos;s unit is being uploaded: it cannot be changed until the upload ends.</source>
        <translation>Diese Konfiguration wird gerade zu ihrem Gerät übertragen: sie kann bis zum Ende der Übertragung nicht geändert werden.</translation>
    </message>
    <message>
        <source>Plant transfers are running. Stop them and close the program?</source>
        <translation>Anlagen-Übertragungen laufen. Anhalten und das Programm schließen?</translation>
    </message>
    <message>
        <source>The unit on %1 is device %2.</source>
        <translation>Das Gerät an %1 ist Gerät %2.</translation>
    </message>
    <message>
        <source>It is %1 of the plant.</source>
        <translation>Es ist %1 der Anlage.</translation>
    </message>
    <message>
        <source>Several units have that number; %1.</source>
        <translation>Mehrere Geräte haben diese Nummer; %1.</translation>
    </message>
    <message>
        <source>Several units have that number and none is closer than the others (%1).</source>
        <translation>Mehrere Geräte haben diese Nummer, und keines kommt näher als die anderen (%1).</translation>
    </message>
    <message>
        <source>No unit of the plant has that number; %1.</source>
        <translation>Kein Gerät der Anlage hat diese Nummer; %1.</translation>
    </message>
    <message>
        <source>Open the set-up of %1?</source>
        <translation>Die Konfiguration von %1 öffnen?</translation>
    </message>
    <message>
        <source>Open Plan&amp;t...</source>
        <translation>An&amp;lage öffnen...</translation>
    </message>
    <message>
        <source>R&amp;ecent Plants</source>
        <translation>Zuletzt geöffnete Anla&amp;gen</translation>
    </message>
    <message>
        <source>The unit could not be identified: %1.</source>
        <translation>Das Gerät konnte nicht identifiziert werden: %1.</translation>
    </message>
    <message>
        <source>The plant log could not be written: %1. The identification is not in the commissioning record.</source>
        <translation>Das Anlagenprotokoll konnte nicht geschrieben werden: %1. Die Identifizierung fehlt im Inbetriebnahmeprotokoll.</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CPropertyDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CQ4150Doc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Unexpected file format.
%1</source>
        <translation>Unerwartetes Dateiformat.
%1</translation>
    </message>
    <message>
        <source>Failed to save document.
%1</source>
        <translation>Das Dokument konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragung vom Gerät</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>CQ4150View</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Erroneous values have been detected. Appropriate values will be used.</source>
        <translation>Fehlerhafte Werte wurden erkannt. Passende Werte werden verwendet.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Paste refused 1 cell: %1.</source>
        <translation>Einfügen hat 1 Zelle abgelehnt: %1.</translation>
    </message>
    <message>
        <source>Paste refused %1 cells: %2.</source>
        <translation>Einfügen hat %1 Zellen abgelehnt: %2.</translation>
    </message>
    <message>
        <source>Skipped 1 cell that is not active: %1.</source>
        <translation>1 nicht aktive Zelle übersprungen: %1.</translation>
    </message>
    <message>
        <source>Skipped %1 cells that are not active: %2.</source>
        <translation>%1 nicht aktive Zellen übersprungen: %2.</translation>
    </message>
</context>
<context>
    <name>CQtComSetupUi</name>
    <message>
        <source>The emulated unit cannot be started: no pseudo-terminal is available.</source>
        <translation>Das emulierte Gerät kann nicht gestartet werden: kein Pseudo-Terminal verfügbar.</translation>
    </message>
</context>
<context>
    <name>CQtJob</name>
    <message>
        <source>Upload, step 2 of 2</source>
        <translation>Übertragung zum Gerät, Schritt 2 von 2</translation>
    </message>
    <message>
        <source>Upload, step 1 of 2</source>
        <translation>Übertragung zum Gerät, Schritt 1 von 2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragung vom Gerät</translation>
    </message>
    <message>
        <source>Identify Unit</source>
        <translation>Gerät identifizieren</translation>
    </message>
    <message>
        <source>Reading the unit</source>
        <translation>Gerät wird gelesen</translation>
    </message>
    <message>
        <source>Reading the unit for the backup; the upload follows.</source>
        <translation>Das Gerät wird für die Sicherung gelesen; die Übertragung zum Gerät folgt.</translation>
    </message>
    <message>
        <source>Reading which unit this is; the upload follows.</source>
        <translation>Es wird gelesen, welches Gerät das ist; die Übertragung zum Gerät folgt.</translation>
    </message>
    <message>
        <source>Writing the set-up into the unit.</source>
        <translation>Die Konfiguration wird in das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>Reading the set-up from the unit.</source>
        <translation>Die Konfiguration wird aus dem Gerät gelesen.</translation>
    </message>
    <message>
        <source>Reading which unit this is.</source>
        <translation>Es wird gelesen, welches Gerät das ist.</translation>
    </message>
    <message>
        <source>Reading the unit to compare it with the set-up shown.</source>
        <translation>Das Gerät wird gelesen, um es mit der angezeigten Konfiguration zu vergleichen.</translation>
    </message>
    <message>
        <source>%1 blocks written, %2 held already</source>
        <translation>%1 Blöcke geschrieben, %2 schon enthalten</translation>
    </message>
    <message>
        <source>Stop the upload after the block in flight?
The unit then holds a partly written set-up.</source>
        <translation>Die Übertragung zum Gerät nach dem laufenden Block abbrechen?
Das Gerät enthält dann eine teilweise geschriebene Konfiguration.</translation>
    </message>
    <message>
        <source>Stopping the upload ...</source>
        <translation>Übertragung zum Gerät wird abgebrochen ...</translation>
    </message>
    <message>
        <source>Stopping the download ...</source>
        <translation>Übertragung vom Gerät wird abgebrochen ...</translation>
    </message>
</context>
<context>
    <name>CSetupTextFiles</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Set-up texts (*.json *.csv)</source>
        <translation>Konfigurationstexte (*.json *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Export as JSON</source>
        <translation>Als JSON exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 is no set-up exported as JSON or CSV:
%2</source>
        <translation>%1 ist keine als JSON oder CSV exportierte Konfiguration:
%2</translation>
    </message>
    <message>
        <source>Every cell took its text.</source>
        <translation>Jede Zelle hat ihren Text übernommen.</translation>
    </message>
    <message>
        <source>1 cell did not take the text of the file: refused by a rule of the set-up, or changed. The cell is marked in its sheet; double-click it to show it.</source>
        <translation>1 Zelle hat den Text der Datei nicht übernommen: von einer Regel der Konfiguration abgelehnt oder verändert. Die Zelle ist in ihrem Blatt markiert; ein Doppelklick zeigt sie.</translation>
    </message>
    <message>
        <source>%1 cells did not take the text of the file: refused by a rule of the set-up, or changed. The cells are marked in the sheets; double-click one to show it.</source>
        <translation>%1 Zellen haben den Text der Datei nicht übernommen: von einer Regel der Konfiguration abgelehnt oder verändert. Die Zellen sind in den Blättern markiert; ein Doppelklick zeigt eine davon.</translation>
    </message>
    <message>
        <source>The file holds no cells of %1, which keep their defaults.</source>
        <translation>Die Datei enthält keine Zellen von %1; sie behalten ihre Vorgaben.</translation>
    </message>
    <message>
        <source>Said while the text was typed (answered OK): %1</source>
        <translation>Gemeldet, während der Text eingegeben wurde (mit OK beantwortet): %1</translation>
    </message>
</context>
<context>
    <name>CSheetModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Not active: set %1 of %2 first.</source>
        <translation>Nicht aktiv: zuerst %1 von %2 einstellen.</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>The set-up cannot be changed while its unit is being uploaded.</source>
        <translation>Die Konfiguration kann nicht geändert werden, solange sie zu ihrem Gerät übertragen wird.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <translation>Schreibgeschützt: %1</translation>
    </message>
</context>
<context>
    <name>CTransferController</name>
    <message>
        <source>What it held before is kept in %1.</source>
        <translation>Was es vorher enthielt, ist in %1 gesichert.</translation>
    </message>
    <message>
        <source>The upload is complete. The unit held this set-up already; nothing changed.</source>
        <translation>Die Übertragung zum Gerät ist abgeschlossen. Das Gerät enthielt diese Konfiguration bereits; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1, with changes not saved</source>
        <translation>%1, mit nicht gespeicherten Änderungen</translation>
    </message>
    <message>
        <source>The plant log could not be written: %1.</source>
        <translation>Das Anlagenprotokoll konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Upload the whole set-up before the unit is used.</source>
        <translation>Vor dem Betrieb des Geräts die ganze Konfiguration zum Gerät übertragen.</translation>
    </message>
</context>
<context>
    <name>CUpDown</name>
    <message>
        <source>Upload/Download</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Keine Befunde</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>%1 watches %2 for a value %3 %4, at or beyond the end of its display range (%5 to %6): it cannot trip while %2 reads within its range.</source>
        <translation>%1 überwacht %2 auf einen Wert %3 %4, am Ende seines Anzeigebereichs (%5 bis %6) oder darüber hinaus: Er kann nicht auslösen, solange %2 innerhalb seines Bereichs misst.</translation>
    </message>
    <message>
        <source>An alarm with the sign &quot;&lt;&quot; trips when its input reads below the set point, one with &quot;&gt;&quot; when it reads above it. A set point at or below LCDLo (for &quot;&lt;&quot;) or at or above LCDUp (for &quot;&gt;&quot;) is one that no reading within the input&apos;s display range passes, so the alarm never comes.</source>
        <translation>Ein Alarmkanal mit dem Vorzeichen „&lt;“ löst aus, wenn sein Eingang unter dem Sollwert misst, einer mit „&gt;“, wenn er darüber misst. Einen Sollwert auf oder unter LCDLo (bei „&lt;“) oder auf oder über LCDUp (bei „&gt;“) überschreitet kein Messwert innerhalb des Anzeigebereichs des Eingangs, also kommt der Alarm nie.</translation>
    </message>
    <message>
        <source>%1 watches %2 for a value %3 %4, at or beyond the far end of its display range (%5 to %6): it is in alarm whenever %2 reads within its range.</source>
        <translation>%1 überwacht %2 auf einen Wert %3 %4, am anderen Ende seines Anzeigebereichs (%5 bis %6) oder darüber hinaus: Er steht in Alarm, sobald %2 innerhalb seines Bereichs misst.</translation>
    </message>
    <message>
        <source>A &quot;&lt;&quot; alarm whose set point is at or above LCDUp, or a &quot;&gt;&quot; alarm whose set point is at or below LCDLo, is passed by every reading within the input&apos;s display range: the alarm stands from the start and tells nothing.</source>
        <translation>Einen „&lt;“-Alarmkanal mit einem Sollwert auf oder über LCDUp oder einen „&gt;“-Alarmkanal mit einem Sollwert auf oder unter LCDLo löst jeder Messwert innerhalb des Anzeigebereichs des Eingangs aus: Der Alarm steht von Anfang an und sagt nichts.</translation>
    </message>
    <message>
        <source>%1 has the set point %2, outside the display range of %3 (%4 to %5).</source>
        <translation>%1 hat den Sollwert %2, außerhalb des Anzeigebereichs von %3 (%4 bis %5).</translation>
    </message>
    <message>
        <source>The alarm sheet keeps a typed set point within the display range (LCDLo to LCDUp) of the alarm&apos;s input. A set point outside it came from a file or a download, or stayed when the input&apos;s range was narrowed after it was typed; typed again, it would be moved to the end of the range.</source>
        <translation>Das Alarmblatt hält einen eingegebenen Sollwert innerhalb des Anzeigebereichs (LCDLo bis LCDUp) des Eingangs. Ein Sollwert außerhalb kam aus einer Datei oder vom Gerät, oder er blieb stehen, als der Bereich des Eingangs nach seiner Eingabe verkleinert wurde; neu eingegeben, würde er an das Ende des Bereichs gesetzt.</translation>
    </message>
    <message>
        <source>%1, %2: the unit cannot hold &quot;%3&quot; as it reads and would hold &quot;%4&quot;.</source>
        <translation>%1, %2: Das Gerät kann „%3“ nicht so speichern und würde „%4“ speichern.</translation>
    </message>
    <message>
        <source>The unit keeps every setting in a format of its own. A text that is no number, has more decimals than the unit keeps, or lies beyond what it can store is held as another value. The upload names the same cells before it writes.</source>
        <translation>Das Gerät speichert jede Einstellung in einem eigenen Format. Ein Text, der keine Zahl ist, mehr Nachkommastellen hat, als das Gerät speichert, oder außerhalb dessen liegt, was es speichern kann, wird als anderer Wert gespeichert. Die Übertragung zum Gerät nennt dieselben Zellen, bevor sie schreibt.</translation>
    </message>
    <message>
        <source>%1 compares %2 with itself (InpRef and DynRef): the deviation is always 0, so it cannot trip.</source>
        <translation>%1 vergleicht %2 mit sich selbst (InpRef und DynRef): Die Abweichung ist immer 0, daher kann er nicht auslösen.</translation>
    </message>
    <message>
        <source>A &quot;±&quot; alarm trips when its input (InpRef) deviates from its dynamic reference (DynRef) by more than its set point. With the same logical input on both sides there is never a deviation.</source>
        <translation>Ein „±“-Alarmkanal löst aus, wenn sein Eingang (InpRef) um mehr als seinen Sollwert von seiner dynamischen Referenz (DynRef) abweicht. Mit demselben logischen Eingang auf beiden Seiten gibt es nie eine Abweichung.</translation>
    </message>
    <message>
        <source>%1 watches %2 for a deviation from %3 beyond %4, but both read within %5 to %6, at most %7 apart: it cannot trip.</source>
        <translation>%1 überwacht %2 auf eine Abweichung von %3 über %4, doch beide messen innerhalb von %5 bis %6, höchstens %7 auseinander: Er kann nicht auslösen.</translation>
    </message>
    <message>
        <source>InpRef and DynRef of a &quot;±&quot; alarm have the same display range. Two readings within it are never further apart than its span (LCDUp less LCDLo), so a set point at or above the span is never passed.</source>
        <translation>InpRef und DynRef eines „±“-Alarmkanals haben denselben Anzeigebereich. Zwei Messwerte darin liegen nie weiter auseinander als seine Spanne (LCDUp minus LCDLo), also wird ein Sollwert auf oder über der Spanne nie überschritten.</translation>
    </message>
    <message>
        <source>%1 watches %2 for a deviation from %3 beyond %4, a set point below 0: it is in alarm whatever the inputs read.</source>
        <translation>%1 überwacht %2 auf eine Abweichung von %3 über %4, einen Sollwert unter 0: Er steht in Alarm, was die Eingänge auch messen.</translation>
    </message>
    <message>
        <source>A deviation is never below 0, so every deviation, none included, passes the negative set point of a &quot;±&quot; alarm: the alarm stands from the start.</source>
        <translation>Eine Abweichung ist nie kleiner als 0, also überschreitet jede Abweichung, auch keine, den negativen Sollwert eines „±“-Alarmkanals: Der Alarm steht von Anfang an.</translation>
    </message>
    <message>
        <source>%1 has LED and Output both OFF: nothing lights or switches when it trips.</source>
        <translation>%1 hat LED und Ausgang beide auf OFF: Nichts leuchtet oder schaltet, wenn er auslöst.</translation>
    </message>
    <message>
        <source>An alarm that lights no LED and switches no output is seen, if at all, only on the unit&apos;s display. Give it an LED or an output, or turn it off.</source>
        <translation>Ein Alarmkanal, der keine LED leuchten lässt und keinen Ausgang schaltet, ist höchstens auf der Anzeige des Geräts zu sehen. Geben Sie ihm eine LED oder einen Ausgang, oder schalten Sie ihn ab.</translation>
    </message>
    <message>
        <source>%1 has no LCD Text: the unit&apos;s display cannot say which alarm it is.</source>
        <translation>%1 hat keinen LCD-Text: Die Anzeige des Geräts kann nicht sagen, welcher Alarm es ist.</translation>
    </message>
    <message>
        <source>The LCD Text is what the unit&apos;s display shows of an alarm that trips. Without it nobody at the unit can tell which alarm came.</source>
        <translation>Der LCD-Text ist, was die Anzeige des Geräts von einem auslösenden Alarmkanal zeigt. Ohne ihn kann niemand am Gerät erkennen, welcher Alarm kam.</translation>
    </message>
    <message>
        <source>%1 repeats %2: both watch %3 with DynRef %4, sign %5 and set point %6.</source>
        <translation>%1 wiederholt %2: Beide überwachen %3 mit DynRef %4, Vorzeichen %5 und Sollwert %6.</translation>
    </message>
    <message>
        <source>Two alarms with the same input, dynamic reference, sign and set point trip together. One of them was most likely meant for another input or set point.</source>
        <translation>Zwei Alarmkanäle mit demselben Eingang, derselben dynamischen Referenz, demselben Vorzeichen und Sollwert lösen zusammen aus. Einer von ihnen war wohl für einen anderen Eingang oder Sollwert gedacht.</translation>
    </message>
    <message>
        <source>%1 watches %2 for any deviation from %3: its set point is 0.</source>
        <translation>%1 überwacht %2 auf jede Abweichung von %3: Sein Sollwert ist 0.</translation>
    </message>
    <message>
        <source>A &quot;±&quot; alarm with the set point 0 trips on the smallest deviation between its two inputs, which two real signals almost always have.</source>
        <translation>Ein „±“-Alarmkanal mit dem Sollwert 0 löst bei der kleinsten Abweichung zwischen seinen beiden Eingängen aus, die zwei echte Signale fast immer haben.</translation>
    </message>
    <message>
        <source>%1 has %2 and %3 both at %4: its scale has no span.</source>
        <translation>%1 hat %2 und %3 beide auf %4: Seine Skala hat keine Spanne.</translation>
    </message>
    <message>
        <source>The signal range (InpLo to InpUp) and the display range (LCDLo to LCDUp) are the two ends of an input&apos;s scale. Where the two ends of one are equal, every signal shows as the same value, and the alarms of the input have no range to set a set point in.</source>
        <translation>Der Signalbereich (InpLo bis InpUp) und der Anzeigebereich (LCDLo bis LCDUp) sind die beiden Enden der Skala eines Eingangs. Wo beide Enden eines Bereichs gleich sind, zeigt jedes Signal denselben Wert, und die Alarmkanäle des Eingangs haben keinen Bereich für einen Sollwert.</translation>
    </message>
    <message>
        <source>%1 has LCDLo %2 above LCDUp %3: its alarms&apos; set points cannot be kept within its display range.</source>
        <translation>%1 hat LCDLo %2 über LCDUp %3: Die Sollwerte seiner Alarmkanäle können nicht innerhalb seines Anzeigebereichs bleiben.</translation>
    </message>
    <message>
        <source>The alarm sheet keeps a set point between LCDLo and LCDUp of the alarm&apos;s input. With LCDLo above LCDUp no value lies between them, and every set point typed for an alarm of this input is moved to one end.</source>
        <translation>Das Alarmblatt hält einen Sollwert zwischen LCDLo und LCDUp des Eingangs. Liegt LCDLo über LCDUp, liegt kein Wert dazwischen, und jeder für einen Alarmkanal dieses Eingangs eingegebene Sollwert wird an ein Ende gesetzt.</translation>
    </message>
    <message>
        <source>%1 has its Block flag set while the General Block setting is OFF: the flag has no effect.</source>
        <translation>%1 hat sein Block-Flag gesetzt, während die allgemeine Einstellung Block auf OFF steht: Das Flag wirkt nicht.</translation>
    </message>
    <message>
        <source>An alarm&apos;s Block flag lets the reference chosen in the General Block setting block the alarm. While that setting is OFF, the unit blocks no alarm, whatever its flag says.</source>
        <translation>Das Block-Flag eines Alarmkanals lässt ihn durch die in der allgemeinen Einstellung Block gewählte Referenz sperren. Solange diese Einstellung auf OFF steht, sperrt das Gerät keinen Alarm, was das Flag auch sagt.</translation>
    </message>
    <message>
        <source>Initialization is %1: the unit returns to its defaults when it is next switched on.</source>
        <translation>Initialisierung steht auf %1: Das Gerät kehrt beim nächsten Einschalten zu seinen Vorgaben zurück.</translation>
    </message>
    <message>
        <source>Initialization tells the unit to restore its default configuration (CONFIG), or that and its general constants (CONF + GEN), at its next power-up: the set-up uploaded now is lost then. It is meant for a unit that is to be set up anew.</source>
        <translation>Die Initialisierung lässt das Gerät beim nächsten Einschalten seine Standardkonfiguration (CONFIG) oder diese und seine allgemeinen Konstanten (CONF + GEN) wiederherstellen: Die jetzt übertragene Konfiguration geht dann verloren. Sie ist für ein Gerät gedacht, das neu eingerichtet werden soll.</translation>
    </message>
    <message>
        <source>No alarm watches %1.</source>
        <translation>Kein Alarmkanal überwacht %1.</translation>
    </message>
    <message>
        <source>An input in use that no alarm watches, as InpRef or DynRef or through a logical input it feeds, is measured and shown but never raises an alarm. That may be meant: an input for the display only.</source>
        <translation>Ein Eingang in Gebrauch, den kein Alarmkanal überwacht, weder als InpRef oder DynRef noch über einen logischen Eingang, den er speist, wird gemessen und angezeigt, löst aber nie einen Alarm aus. Das kann gewollt sein: ein Eingang nur für die Anzeige.</translation>
    </message>
    <message>
        <source>LED %1 is lit by alarms of different inputs (%2): it does not tell which of them is in alarm.</source>
        <translation>LED %1 wird von Alarmkanälen verschiedener Eingänge (%2) geschaltet: Sie zeigt nicht, welcher davon in Alarm steht.</translation>
    </message>
    <message>
        <source>An LED lit by the alarms of one input tells that this input is in alarm. Lit by alarms of several inputs, it leaves the display to tell which.</source>
        <translation>Eine LED, die von den Alarmkanälen eines Eingangs geschaltet wird, zeigt, dass dieser Eingang in Alarm steht. Schalten sie Alarmkanäle mehrerer Eingänge, muss die Anzeige sagen, welcher.</translation>
    </message>
    <message>
        <source>%1 waits %2 s before it trips, more than an hour.</source>
        <translation>%1 wartet %2 s, bevor er auslöst, mehr als eine Stunde.</translation>
    </message>
    <message>
        <source>An alarm&apos;s delay holds it back while its condition lasts shorter. A delay above one hour (3600 s) is unusual: the alarm comes long after the fault began.</source>
        <translation>Die Verzögerung eines Alarmkanals hält ihn zurück, solange seine Bedingung kürzer anhält. Eine Verzögerung über einer Stunde (3600 s) ist ungewöhnlich: Der Alarm kommt lange nach Beginn der Störung.</translation>
    </message>
    <message>
        <source>Function Test is ON: the unit is set up for its function test.</source>
        <translation>Funktionstest steht auf ON: Das Gerät ist für seinen Funktionstest eingestellt.</translation>
    </message>
    <message>
        <source>The function test is for commissioning and service. A unit in normal operation has it OFF.</source>
        <translation>Der Funktionstest dient der Inbetriebnahme und dem Service. Ein Gerät im normalen Betrieb hat ihn auf OFF.</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarmkanal %1</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>Alarmkanal</translation>
    </message>
    <message>
        <source>input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>sign</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>set point</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>LCDLo</source>
        <translation>LCDLo</translation>
    </message>
    <message>
        <source>LCDUp</source>
        <translation>LCDUp</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gespeicherter Wert</translation>
    </message>
    <message>
        <source>dynamic reference</source>
        <translation>dynamische Referenz</translation>
    </message>
    <message>
        <source>span</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>alarm it repeats</source>
        <translation>wiederholter Alarmkanal</translation>
    </message>
    <message>
        <source>lower end</source>
        <translation>unteres Ende</translation>
    </message>
    <message>
        <source>upper end</source>
        <translation>oberes Ende</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Verzögerung</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Print all pages of the set-up
Print</source>
        <translation>Alle Seiten der Konfiguration drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Current Page</source>
        <translation>Aktuelle Seite drucken</translation>
    </message>
    <message>
        <source>Print the active page
Print</source>
        <translation>Die aktive Seite drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Select the whole grid
Select All</source>
        <translation>Die ganze Tabelle auswählen
Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste zeigen oder verbergen
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste zeigen oder verbergen
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Zum Gerät übertragen</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Vom Gerät übertragen</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Mit &amp;Datei vergleichen...</translation>
    </message>
    <message>
        <source>Compare this set-up with a saved file, cell by cell
Compare with File</source>
        <translation>Diese Konfiguration Zelle für Zelle mit einer gespeicherten Datei vergleichen
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Compare with U&amp;nit</source>
        <translation>Mit &amp;Gerät vergleichen</translation>
    </message>
    <message>
        <source>Read the unit and compare its set-up with this one, cell by cell
Compare with Unit</source>
        <translation>Das Gerät lesen und seine Konfiguration Zelle für Zelle mit dieser vergleichen
Mit Gerät vergleichen</translation>
    </message>
    <message>
        <source>&amp;Verify Unit</source>
        <translation>Gerät &amp;prüfen</translation>
    </message>
    <message>
        <source>Read the unit and check that it holds this set-up
Verify Unit</source>
        <translation>Das Gerät lesen und prüfen, ob es diese Konfiguration enthält
Gerät prüfen</translation>
    </message>
    <message>
        <source>&amp;COM Setup...</source>
        <translation>&amp;COM-Einstellungen...</translation>
    </message>
    <message>
        <source>Choose and set up the serial port
COM Setup</source>
        <translation>Die serielle Schnittstelle wählen und einrichten
COM-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Backup Settings...</source>
        <translation>&amp;Sicherungseinstellungen...</translation>
    </message>
    <message>
        <source>Choose whether and where the unit is backed up before each upload
Backup Settings</source>
        <translation>Wählen, ob und wohin das Gerät vor jeder Übertragung zum Gerät gesichert wird
Sicherungseinstellungen</translation>
    </message>
    <message>
        <source>Show the next sheet
Next Sheet</source>
        <translation>Das nächste Blatt zeigen
Nächstes Blatt</translation>
    </message>
    <message>
        <source>Show the previous sheet
Previous Sheet</source>
        <translation>Das vorherige Blatt zeigen
Vorheriges Blatt</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Q4150...</source>
        <translation>&amp;Über Q4150...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Urheberrecht anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>Spr&amp;ache...</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Die Sprache des Programms wählen
Sprache</translation>
    </message>
    <message>
        <source>Open the user&apos;s guide
Help Topics</source>
        <translation>Das Benutzerhandbuch öffnen
Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Next Sheet</source>
        <translation>Nächstes Blatt</translation>
    </message>
    <message>
        <source>Previous Sheet</source>
        <translation>Vorheriges Blatt</translation>
    </message>
    <message>
        <source>Export as &amp;JSON...</source>
        <translation>Als &amp;JSON exportieren...</translation>
    </message>
    <message>
        <source>Write the whole set-up as JSON text, as the command line&apos;s export writes it
Export as JSON</source>
        <translation>Die ganze Konfiguration als JSON-Text schreiben, wie ihn der Export der Kommandozeile schreibt
Als JSON exportieren</translation>
    </message>
    <message>
        <source>Export as &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Write the whole set-up as CSV text for spreadsheets, as the command line&apos;s export writes it
Export as CSV</source>
        <translation>Die ganze Konfiguration als CSV-Text für Tabellenkalkulationen schreiben, wie ihn der Export der Kommandozeile schreibt
Als CSV exportieren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Build a new set-up from a JSON or CSV text, naming the cells that do not take their text
Import</source>
        <translation>Eine neue Konfiguration aus einem JSON- oder CSV-Text bauen und die Zellen nennen, die ihren Text nicht übernehmen
Importieren</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>es ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>%1 is not a valid Q4150 file: %2</source>
        <translation>%1 ist keine gültige Q4150-Datei: %2</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>sie ist viel zu groß</translation>
    </message>
    <message>
        <source>the %1 record is damaged: %2</source>
        <translation>der Datensatz %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>unerwartetes Dateiende</translation>
    </message>
    <message>
        <source>the sheet has a missing cell</source>
        <translation>dem Blatt fehlt eine Zelle</translation>
    </message>
    <message>
        <source>the file does not match the sheet</source>
        <translation>die Datei passt nicht zum Blatt</translation>
    </message>
    <message>
        <source>the file ends inside a row label</source>
        <translation>die Datei endet mitten in einer Zeilenbeschriftung</translation>
    </message>
    <message>
        <source>the set-up has no sheet to read into</source>
        <translation>die Konfiguration hat kein Blatt zum Einlesen</translation>
    </message>
    <message>
        <source>the alarms have no sheet to read into</source>
        <translation>die Alarme haben kein Blatt zum Einlesen</translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Function Test</source>
        <translation>Funktionstest</translation>
    </message>
    <message>
        <source>Device Number</source>
        <translation>Gerätenummer</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>RS 485 Baud Rate</source>
        <translation>RS-485-Baudrate</translation>
    </message>
    <message>
        <source>RS 232 Baud Rate</source>
        <translation>RS-232-Baudrate</translation>
    </message>
    <message>
        <source>Remote LED Test</source>
        <translation>LED-Test über Fernsignal</translation>
    </message>
    <message>
        <source>Remote Reset</source>
        <translation>Rückstellung über Fernsignal</translation>
    </message>
    <message>
        <source>Reset Function</source>
        <translation>Rückstellfunktion</translation>
    </message>
    <message>
        <source>Output Follows Alarm</source>
        <translation>Ausgang folgt Alarm</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blockierung</translation>
    </message>
    <message>
        <source>Alarm Out Inverted</source>
        <translation>Alarmausgang invertiert</translation>
    </message>
    <message>
        <source>Second Alarm Pulse</source>
        <translation>Zweiter Alarmimpuls</translation>
    </message>
    <message>
        <source>Hysteresis in %</source>
        <translation>Hysterese in %</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>InpTp</source>
        <translation>InpTp</translation>
    </message>
    <message>
        <source>LCDU</source>
        <translation>LCDU</translation>
    </message>
    <message>
        <source>InpLo</source>
        <translation>InpLo</translation>
    </message>
    <message>
        <source>LCDLo</source>
        <translation>LCDLo</translation>
    </message>
    <message>
        <source>InpUp</source>
        <translation>InpUp</translation>
    </message>
    <message>
        <source>LCDUp</source>
        <translation>LCDUp</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Sonst.</translation>
    </message>
    <message>
        <source>Logical Input</source>
        <translation>Logischer Eingang</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>I4</source>
        <translation>I4</translation>
    </message>
    <message>
        <source>I5</source>
        <translation>I5</translation>
    </message>
    <message>
        <source>I6</source>
        <translation>I6</translation>
    </message>
    <message>
        <source>I7</source>
        <translation>I7</translation>
    </message>
    <message>
        <source>I8</source>
        <translation>I8</translation>
    </message>
    <message>
        <source>I9</source>
        <translation>I9</translation>
    </message>
    <message>
        <source>I10</source>
        <translation>I10</translation>
    </message>
    <message>
        <source>I11</source>
        <translation>I11</translation>
    </message>
    <message>
        <source>I12</source>
        <translation>I12</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmkanäle</translation>
    </message>
    <message>
        <source>InpRef</source>
        <translation>InpRef</translation>
    </message>
    <message>
        <source>DynRef</source>
        <translation>DynRef</translation>
    </message>
    <message>
        <source>&lt;&gt;±</source>
        <translation>&lt;&gt;±</translation>
    </message>
    <message>
        <source>SetPoint</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>LCD Text</source>
        <translation>LCD-Text</translation>
    </message>
    <message>
        <source>Delay (s)</source>
        <translation>Verzögerung (s)</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Hysteresis</source>
        <translation>Hysterese</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Enter or a double click opens the settings of this cell</source>
        <translation>Eingabetaste oder Doppelklick öffnet die Einstellungen dieser Zelle</translation>
    </message>
    <message>
        <source>One of: %1</source>
        <translation>Eine Auswahl aus: %1</translation>
    </message>
    <message>
        <source>One of: %1; or type a new one</source>
        <translation>Eine Auswahl aus: %1; oder einen neuen Wert eingeben</translation>
    </message>
    <message>
        <source>One of: %1; or type a new one (up to %2 characters)</source>
        <translation>Eine Auswahl aus: %1; oder einen neuen Wert eingeben (bis zu %2 Zeichen)</translation>
    </message>
    <message>
        <source>A number (a comma is taken as the decimal point)</source>
        <translation>Eine Zahl (ein Komma gilt als Dezimalpunkt)</translation>
    </message>
    <message>
        <source>A whole number</source>
        <translation>Eine ganze Zahl</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text (up to %1 characters)</source>
        <translation>Text (bis zu %1 Zeichen)</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2</source>
        <translation>Eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>A number from %1 to %2 (a comma is taken as the decimal point)</source>
        <translation>Eine Zahl von %1 bis %2 (ein Komma gilt als Dezimalpunkt)</translation>
    </message>
    <message>
        <source>Seconds from %1 to %2 (255 hours)</source>
        <translation>Sekunden von %1 bis %2 (255 Stunden)</translation>
    </message>
    <message>
        <source>A number from %1 to %2, the range of %3</source>
        <translation>Eine Zahl von %1 bis %2, der Bereich von %3</translation>
    </message>
    <message>
        <source>A number from %1 to %2 %3, the range of the input type %4</source>
        <translation>Eine Zahl von %1 bis %2 %3, der Bereich des Eingangstyps %4</translation>
    </message>
    <message>
        <source>Available once a logical input is in use: choose its first input (I1) on %1</source>
        <translation>Verfügbar, sobald ein logischer Eingang in Gebrauch ist: seinen ersten Eingang (I1) auf %1 wählen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid value. Last selection will be used.</source>
        <translation>Ungültiger Wert. Die letzte Auswahl wird verwendet.</translation>
    </message>
    <message>
        <source>Parameters of the selected logical input does not match input reference (InpRef).</source>
        <translation>Die Parameter des gewählten logischen Eingangs passen nicht zur Eingangsreferenz (InpRef).</translation>
    </message>
    <message>
        <source>DynRef must be active before dynamic range can be used.</source>
        <translation>DynRef muss aktiv sein, bevor der dynamische Bereich verwendet werden kann.</translation>
    </message>
    <message>
        <source>Entered value is out of range. The nearest value will be used.</source>
        <translation>Der eingegebene Wert liegt außerhalb des Bereichs. Der nächstgelegene Wert wird verwendet.</translation>
    </message>
    <message>
        <source>Out of range. The min value is 0.3 second and max value is 918000 seconds (255 hours).</source>
        <translation>Außerhalb des Bereichs. Der kleinste Wert ist 0.3 Sekunden, der größte 918000 Sekunden (255 Stunden).</translation>
    </message>
    <message>
        <source>Invalid LED output. Last selection will be used.</source>
        <translation>Ungültiger LED-Ausgang. Die letzte Auswahl wird verwendet.</translation>
    </message>
    <message>
        <source>Invalid output. Last selection will be used.</source>
        <translation>Ungültiger Ausgang. Die letzte Auswahl wird verwendet.</translation>
    </message>
    <message>
        <source>This alarm is disabled. Not able to change this parameter.</source>
        <translation>Dieser Alarmkanal ist ausgeschaltet. Dieser Parameter kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>DynRef is no longer valid. DynRef will be disabled.</source>
        <translation>DynRef ist nicht mehr gültig. DynRef wird ausgeschaltet.</translation>
    </message>
    <message>
        <source>Block is disabled. Enable BLOCK in General pane for this parameter to take effect.</source>
        <translation>Blockierung ist ausgeschaltet. Blockierung im Blatt Allgemein einschalten, damit dieser Parameter wirkt.</translation>
    </message>
    <message>
        <source>This input channel is not active.</source>
        <translation>Dieser Eingangskanal ist nicht aktiv.</translation>
    </message>
    <message>
        <source>This logical input is not active.</source>
        <translation>Dieser logische Eingang ist nicht aktiv.</translation>
    </message>
    <message>
        <source>Invalid value. Last value will be used.</source>
        <translation>Ungültiger Wert. Der letzte Wert wird verwendet.</translation>
    </message>
    <message>
        <source>Invalid input. Turn off the current selected input.</source>
        <translation>Ungültiger Eingang. Den gewählten Eingang ausschalten.</translation>
    </message>
    <message>
        <source>Parameters of the selected input are not match other selected inputs.</source>
        <translation>Die Parameter des gewählten Eingangs passen nicht zu den anderen gewählten Eingängen.</translation>
    </message>
    <message>
        <source>Out off range. The closest match will be used.</source>
        <translation>Außerhalb des Bereichs. Der nächstgelegene Wert wird verwendet.</translation>
    </message>
    <message>
        <source>The channel is not active. Default value will be used.</source>
        <translation>Der Kanal ist nicht aktiv. Der Vorgabewert wird verwendet.</translation>
    </message>
    <message>
        <source>Invalid input type. Previous will be used.</source>
        <translation>Ungültiger Eingangstyp. Der vorherige wird verwendet.</translation>
    </message>
    <message>
        <source>Upload data to Q4000 unit
Upload data to Q4000</source>
        <translation>Daten zum Q4000-Gerät übertragen
Zum Q4000 übertragen</translation>
    </message>
    <message>
        <source>Download data from Q4000 unit
Download data from Q4000</source>
        <translation>Daten vom Q4000-Gerät übertragen
Vom Q4000 übertragen</translation>
    </message>
    <message>
        <source>Q4150 Programmer</source>
        <translation>Q4150 Programmer</translation>
    </message>
    <message>
        <source>Warning: This will restore default configuration of all parameters in the Q4000 on next power up.
Press OK to continue or Cancel</source>
        <translation>Warnung: Damit stellt der Q4000 beim nächsten Einschalten die Vorgabewerte aller Parameter wieder her.
OK zum Fortfahren oder Abbrechen</translation>
    </message>
    <message>
        <source>Warning: This will restore default configuration of all parameters 
and general constants in the Q4000 on next power up.
Press OK to continue or Cancel</source>
        <translation>Warnung: Damit stellt der Q4000 beim nächsten Einschalten die Vorgabewerte aller Parameter
und der allgemeinen Konstanten wieder her.
OK zum Fortfahren oder Abbrechen</translation>
    </message>
    <message>
        <source>Warning: Block flag is detected. To enable this, please enable block flag in General Pane</source>
        <translation>Warnung: Die Option Blockierung ist gesetzt. Damit sie wirkt, Blockierung im Blatt Allgemein einschalten</translation>
    </message>
    <message>
        <source>outside %1 to %2: the sheets refuse it as typed</source>
        <translation>außerhalb von %1 bis %2: die Blätter lehnen ihn bei der Eingabe ab</translation>
    </message>
    <message>
        <source>outside the range of %3, %1 to %2: the sheets refuse it as typed</source>
        <translation>außerhalb des Bereichs von %3, %1 bis %2: die Blätter lehnen ihn bei der Eingabe ab</translation>
    </message>
    <message>
        <source>a code the program does not know</source>
        <translation>ein Code, den das Programm nicht kennt</translation>
    </message>
    <message>
        <source>bytes the program does not use; an upload writes zeros</source>
        <translation>Bytes, die das Programm nicht verwendet; eine Übertragung zum Gerät schreibt Nullen</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Physical Input</source>
        <translation>Physikalische Eingänge</translation>
    </message>
    <message>
        <source>Logical Input</source>
        <translation>Logische Eingänge</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarmkanäle</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Downloading %1 data ...</source>
        <translation>Daten „%1“ werden vom Gerät übertragen ...</translation>
    </message>
    <message>
        <source>Uploading %1 data ...</source>
        <translation>Daten „%1“ werden zum Gerät übertragen ...</translation>
    </message>
    <message>
        <source>Error to download %1 data</source>
        <translation>Fehler beim Übertragen der Daten „%1“ vom Gerät</translation>
    </message>
    <message>
        <source>Error to upload %1 data</source>
        <translation>Fehler beim Übertragen der Daten „%1“ zum Gerät</translation>
    </message>
    <message>
        <source>Error to open com port.</source>
        <translation>Fehler beim Öffnen der COM-Schnittstelle.</translation>
    </message>
    <message>
        <source>Error to open com port.
%1</source>
        <translation>Fehler beim Öffnen der COM-Schnittstelle.
%1</translation>
    </message>
    <message>
        <source>Error to open com port.
%1: %2</source>
        <translation>Fehler beim Öffnen der COM-Schnittstelle.
%1: %2</translation>
    </message>
    <message>
        <source>Error to Set communication state</source>
        <translation>Fehler beim Einstellen der Übertragungsparameter</translation>
    </message>
    <message>
        <source>the port went away: %1</source>
        <translation>die Schnittstelle ist verschwunden: %1</translation>
    </message>
    <message>
        <source>the port is in use by process %1</source>
        <translation>die Schnittstelle wird von Prozess %1 verwendet</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>die Schnittstelle wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>the port is in use by %1 (process %2)</source>
        <translation>die Schnittstelle wird von %1 verwendet (Prozess %2)</translation>
    </message>
    <message>
        <source>the backup failed</source>
        <translation>die Sicherung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the backup failed: %1</source>
        <translation>die Sicherung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the upload failed</source>
        <translation>die Übertragung zum Gerät ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the upload failed: %1</source>
        <translation>die Übertragung zum Gerät ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the download failed</source>
        <translation>die Übertragung vom Gerät ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the download failed: %1</source>
        <translation>die Übertragung vom Gerät ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the read of the unit failed</source>
        <translation>das Lesen des Geräts ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the read of the unit failed: %1</source>
        <translation>das Lesen des Geräts ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the backup was stopped after %1 of %2 blocks read</source>
        <translation>die Sicherung wurde nach %1 von %2 gelesenen Blöcken abgebrochen</translation>
    </message>
    <message>
        <source>the upload was stopped after %1 of %2 blocks</source>
        <translation>die Übertragung zum Gerät wurde nach %1 von %2 Blöcken abgebrochen</translation>
    </message>
    <message>
        <source>the read of the unit was stopped after %1 of %2 blocks</source>
        <translation>das Lesen des Geräts wurde nach %1 von %2 Blöcken abgebrochen</translation>
    </message>
    <message>
        <source>stopped before anything was read</source>
        <translation>abgebrochen, bevor etwas gelesen wurde</translation>
    </message>
    <message>
        <source>%1; nothing was written to the unit</source>
        <translation>%1; in das Gerät wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1; the unit now holds a partly written set-up (%2 of %3 blocks written)</source>
        <translation>%1; das Gerät enthält jetzt eine teilweise geschriebene Konfiguration (%2 von %3 Blöcken geschrieben)</translation>
    </message>
    <message>
        <source>the unit is device %1, the set-up is for device %2</source>
        <translation>das Gerät ist Gerät %1, die Konfiguration ist für Gerät %2</translation>
    </message>
    <message>
        <source>the unit cannot hold %1 of the set-up&apos;s cells as written</source>
        <translation>das Gerät kann %1 Zellen der Konfiguration nicht so speichern, wie sie geschrieben sind</translation>
    </message>
    <message>
        <source>%1 blocks differ</source>
        <translation>%1 Blöcke weichen ab</translation>
    </message>
    <message>
        <source>uploaded although the unit is device %1 and the set-up is for device %2</source>
        <translation>übertragen, obwohl das Gerät Gerät %1 ist und die Konfiguration für Gerät %2</translation>
    </message>
    <message>
        <source>uploaded although the unit cannot hold %1 of the set-up&apos;s cells as written</source>
        <translation>übertragen, obwohl das Gerät %1 Zellen der Konfiguration nicht so speichern kann, wie sie geschrieben sind</translation>
    </message>
    <message>
        <source>cannot make the backup folder %1: %2</source>
        <translation>der Sicherungsordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>by the upload&apos;s read-back</source>
        <translation>durch das Rücklesen der Übertragung zum Gerät</translation>
    </message>
    <message>
        <source>never checked</source>
        <translation>nie geprüft</translation>
    </message>
    <message>
        <source>holds its file</source>
        <translation>enthält seine Datei</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>differs in %1 cell</source>
        <translation>weicht in %1 Zelle ab</translation>
    </message>
    <message>
        <source>differs in %1 cells</source>
        <translation>weicht in %1 Zellen ab</translation>
    </message>
    <message>
        <source>file changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>Datei fehlt</translation>
    </message>
    <message>
        <source>partly written (%1 of %2 blocks)</source>
        <translation>teilweise geschrieben (%1 von %2 Blöcken)</translation>
    </message>
    <message>
        <source>the set-up cannot show %1 of the unit&apos;s values as the unit holds them; %2 was not written</source>
        <translation>die Konfiguration kann %1 Werte des Geräts nicht so zeigen, wie das Gerät sie enthält; %2 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>the checks find %1 errors and %2 warnings in the set-up</source>
        <translation>die Prüfungen finden in der Konfiguration %1 Fehler und %2 Warnungen</translation>
    </message>
    <message>
        <source>uploaded although the checks find %1 errors and %2 warnings in the set-up</source>
        <translation>übertragen, obwohl die Prüfungen in der Konfiguration %1 Fehler und %2 Warnungen finden</translation>
    </message>
    <message>
        <source>the unit cannot hold %1 of the set-up&apos;s cells as written, and the checks find %2 errors and %3 warnings in the set-up</source>
        <translation>das Gerät kann %1 Zellen der Konfiguration nicht so speichern, wie sie geschrieben sind, und die Prüfungen finden in der Konfiguration %2 Fehler und %3 Warnungen</translation>
    </message>
</context>
</TS>
