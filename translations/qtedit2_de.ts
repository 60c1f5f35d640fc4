<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EditorActions</name>
    <message>
        <source>Add &amp;from applications...</source>
        <translation>Aus Anwendungen hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>Rückgän&amp;gig</translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation>Wieder&amp;holen</translation>
    </message>
</context>
<context>
    <name>ItemRows</name>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Page preview</source>
        <translation>Vorschau der Seite</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <source>Browse for the command</source>
        <translation>Befehl suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the command</source>
        <translation>Ordner für den Befehl wählen</translation>
    </message>
    <message>
        <source>Browse for a file for the parameters</source>
        <translation>Datei für die Parameter suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the parameters</source>
        <translation>Ordner für die Parameter wählen</translation>
    </message>
    <message>
        <source>Choose the start-in folder</source>
        <translation>Startordner wählen</translation>
    </message>
    <message>
        <source>Browse for the icon</source>
        <translation>Symbol suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the icon</source>
        <translation>Ordner für das Symbol wählen</translation>
    </message>
    <message>
        <source>Browse for a Quintor file to link to</source>
        <translation>Quintor-Datei für die Verknüpfung suchen</translation>
    </message>
</context>
<context>
    <name>frmApps</name>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Choose one or more; each one chosen becomes an item</source>
        <translation>Wählen Sie eine oder mehrere; jede gewählte wird ein Eintrag</translation>
    </message>
</context>
<context>
    <name>frmCheck</name>
    <message>
        <source>Items that will not work</source>
        <translation>Einträge, die nicht funktionieren</translation>
    </message>
    <message>
        <source>Press Enter to select the item in the list</source>
        <translation>Drücken Sie die Eingabetaste, um den Eintrag in der Liste auszuwählen</translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message>
        <source>Browse for the Quintor file</source>
        <translation>Quintor-Datei suchen</translation>
    </message>
</context>
<context>
    <name>frmPFile</name>
    <message>
        <source>Browse for the file</source>
        <translation>Datei suchen</translation>
    </message>
</context>
<context>
    <name>frmPMTB</name>
    <message>
        <source>Tab types a tab; Ctrl+Tab moves on to the buttons</source>
        <translation>Tab fügt einen Tabulator ein; Strg+Tab wechselt zu den Schaltflächen</translation>
    </message>
</context>
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>The items and sections of the launcher page, in page order</source>
        <translation>Die Einträge und Abschnitte der Startseite in der Reihenfolge der Seite</translation>
    </message>
    <message>
        <source>Page properties</source>
        <translation>Seiteneigenschaften</translation>
    </message>
    <message>
        <source>Press Enter to change the selected property</source>
        <translation>Drücken Sie die Eingabetaste, um die gewählte Eigenschaft zu ändern</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>HTML-Quelltext</translation>
    </message>
    <message>
        <source>The page as it would be built, for reading</source>
        <translation>Die Seite, wie sie erstellt würde, zum Lesen</translation>
    </message>
</context>
</TS>
