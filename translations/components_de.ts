<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
</context>
</TS>
