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
</TS>
