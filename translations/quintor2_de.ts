<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FindBarTexts</name>
    <message>
        <source>Find an item</source>
        <translation>Eintrag suchen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Keine Einträge gefunden</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 Eintrag gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln Eintrag gefunden</numerusform>
            <numerusform>%Ln Einträge gefunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemLink</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>ItemLinkCheck</name>
    <message>
        <source>The command was not found: %1</source>
        <translation>Der Befehl wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The start-in folder does not exist: %1</source>
        <translation>Der Startordner existiert nicht: %1</translation>
    </message>
</context>
<context>
    <name>LinkHandler</name>
    <message>
        <source>Run Error</source>
        <translation>Ausführungsfehler</translation>
    </message>
    <message>
        <source>Unable to execute command &apos;%1&apos;.  Please open a file first.</source>
        <translation>Der Befehl „%1“ kann nicht ausgeführt werden.  Bitte öffnen Sie zuerst eine Datei.</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Startfehler</translation>
    </message>
    <message>
        <source>The command &apos;%1&apos; could not be executed.  Please check that the file exists</source>
        <translation>Der Befehl „%1“ konnte nicht ausgeführt werden.  Bitte prüfen Sie, ob die Datei existiert</translation>
    </message>
    <message>
        <source>The command &apos;%1&apos; could not be executed.  %2</source>
        <translation>Der Befehl „%1“ konnte nicht ausgeführt werden.  %2</translation>
    </message>
    <message>
        <source>Unable to run: %1 %2 - %3, %4</source>
        <translation>Ausführen nicht möglich: %1 %2 - %3, %4</translation>
    </message>
    <message>
        <source>An error occurred: %1, %2</source>
        <translation>Ein Fehler ist aufgetreten: %1, %2</translation>
    </message>
</context>
<context>
    <name>LiveReload</name>
    <message>
        <source>The page file is gone: shown as it was until it is back.</source>
        <translation>Die Seitendatei fehlt: Die Seite bleibt so angezeigt, bis die Datei wieder da ist.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Launcher page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Parameters added to every item you start</source>
        <translation>Parameter für jeden Eintrag, den Sie starten</translation>
    </message>
    <message>
        <source>What you type here is added to the parameters of every item you start from this page.</source>
        <translation>Was Sie hier eingeben, wird an die Parameter jedes Eintrags angehängt, den Sie von dieser Seite starten.</translation>
    </message>
    <message>
        <source>Extra parameters</source>
        <translation>Zusätzliche Parameter</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of these translations, as a page&apos;s lang attribute</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>Quintor shows a launcher page made with Quintor Editor and starts the programs, documents and links on it.</source>
        <translation>Quintor zeigt eine mit Quintor Editor erstellte Startseite und startet die Programme, Dokumente und Links darauf.</translation>
    </message>
    <message>
        <source>Open a launcher page…</source>
        <translation>Startseite öffnen…</translation>
    </message>
    <message>
        <source>Open a Quintor File</source>
        <translation>Quintor-Datei öffnen</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
</TS>
