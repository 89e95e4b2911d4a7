<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PLOVIdent</name>
    <message>
        <source>Kovar</source>
        <translation>Kovar</translation>
    </message>
    <message>
        <source>Copyright (C) 2013 Kovar.
All rights reserved.</source>
        <translation>Copyright (C) 2013 Kovar.
Alle Rechte vorbehalten.</translation>
    </message>
</context>
</TS>
