<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Aperçu</translation>
    </message>
</context>
</TS>
