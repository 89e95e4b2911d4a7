<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Fatal Error</name>
    <message>
        <source>
Fatal Error: cannot allocate %1 bytes
</source>
        <comment>%1 is the unallocatable size (a number)</comment>
        <translation>
Erreur fatale : impossible d&apos;allouer %1 octets
</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error : can&apos;t open file &quot;%1&quot;
</source>
        <comment>%1 is a afile name</comment>
        <translation>Erreur : impossible d&apos;ouvrir le fichier &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>Error: missing parameter for option &quot;%1&quot;
</source>
        <comment>%1 is an option</comment>
        <translation>Erreur : paramètre manquant pour l&apos;option &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>Error: missing source file.
</source>
        <translation>Erreur : fichier source manquant.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t stat file &apos;%1&apos;</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;examiner le fichier &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Error : unknown naming convention (%1)
</source>
        <comment>%1 is a string</comment>
        <translation>Erreur : convention de nommage inconnue (%1)
</translation>
    </message>
    <message>
        <source>%1:%2:%3: Syntax error while analysing, can&apos;t continue.
</source>
        <comment>%1 is a file name, %2 and %3 line and column numbers</comment>
        <translation>%1:%2:%3: erreur de syntaxe pendant l&apos;analyse, arrêt.
</translation>
    </message>
    <message>
        <source>Error %1:%2: operator not allowed at library level
</source>
        <comment>%1 is a file name, %2 a line number</comment>
        <translation>Erreur %1:%2 : opérateur interdit au niveau bibliothèque
</translation>
    </message>
    <message>
        <source>Error : can&apos;t open file &quot;%1&quot; for chopping.
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;ouvrir le fichier &quot;%1&quot; pour le découpage.
</translation>
    </message>
    <message>
        <source>Error:&quot;%1&quot; already exist, use -w to overwrite.
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : &quot;%1&quot; existe déjà, utilisez -w pour l&apos;écraser.
</translation>
    </message>
    <message>
        <source>Error : Can&apos;t open &quot;%1&quot; for writting, cannot continue.
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;ouvrir &quot;%1&quot; en écriture, arrêt.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t remove temporary file.
</source>
        <translation>Erreur : impossible de supprimer le fichier temporaire.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t open source file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;ouvrir le fichier source &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>Error: can&apos;t open temporary file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;ouvrir le fichier temporaire &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>Error: writing temporary file.
</source>
        <translation>Erreur : écriture du fichier temporaire.
</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Chopped %1 files.
</source>
        <comment>%1 is a number</comment>
        <translation>%1 fichiers découpés.
</translation>
    </message>
    <message>
        <source>Writting %1
</source>
        <comment>%1 is a file name</comment>
        <translation>Écriture de %1
</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Build Number: </source>
        <translation>Numéro de build : </translation>
    </message>
    <message>
        <source>   Date : %1 %2
</source>
        <comment>%1 is an ISO date string, %2 an ISO hour</comment>
        <translation>   Date : %1 %2
</translation>
    </message>
    <message>
        <source>     OS : %1
</source>
        <comment>%1 is an operating system name</comment>
        <translation>     SE : %1
</translation>
    </message>
</context>
<context>
    <name>Internal Error</name>
    <message>
        <source>Internal Error : unit %1 have no end position.
</source>
        <comment>%1 is an ada unit name</comment>
        <translation>Erreur interne : l&apos;unité %1 n&apos;a pas de position de fin.
</translation>
    </message>
</context>
</TS>
