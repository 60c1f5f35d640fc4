<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>LinkHandler</name>
    <message>
        <source>Run Error</source>
        <translation>Erreur d’exécution</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Extra parameters</source>
        <translation>Paramètres supplémentaires</translation>
    </message>
</context>
</TS>
