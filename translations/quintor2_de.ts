<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>LinkHandler</name>
    <message>
        <source>Run Error</source>
        <translation>Ausführungsfehler</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Extra parameters</source>
        <translation>Zusätzliche Parameter</translation>
    </message>
</context>
</TS>
