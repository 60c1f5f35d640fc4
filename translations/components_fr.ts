<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
</context>
</TS>
