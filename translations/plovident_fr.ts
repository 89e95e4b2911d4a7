<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
Tous droits réservés.</translation>
    </message>
</context>
</TS>
