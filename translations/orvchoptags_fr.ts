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
        <source>Error : unknown Ada revision (%1) in %2, use 95, 2005, 2012 or 2022
</source>
        <comment>%1 is the value given, %2 the environment variable&apos;s name</comment>
        <translation>Erreur : révision d&apos;Ada inconnue (%1) dans %2, utilisez 95, 2005, 2012 ou 2022
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
        <source>Note: &quot;%1&quot; reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.
</source>
        <comment>%1 is a file name</comment>
        <translation>Note : &quot;%1&quot; se lit comme de l&apos;Ada 2022 ; définissez MIRELCHOP_ADA=2022 pour le découper ainsi.
</translation>
    </message>
    <message>
        <source>%1:%2:%3: Construct nested too deeply, can&apos;t continue.
</source>
        <comment>%1 is a file name, %2 and %3 line and column numbers</comment>
        <translation>%1:%2:%3: construction imbriquée trop profondément, arrêt.
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
        <source>Note: &quot;%1&quot; was written by an earlier unit of this run: the source holds two units of that name.
</source>
        <comment>%1 is a file name</comment>
        <translation>Note : &quot;%1&quot; a été écrit par une unité précédente de cette exécution : le source contient deux unités de ce nom.
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
    <message>
        <source>Error: &quot;%1&quot; changed while it was being chopped, no unit file is written from it.
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : &quot;%1&quot; a changé pendant son découpage, aucun fichier d&apos;unité n&apos;en est écrit.
</translation>
    </message>
    <message>
        <source>Warning: the log file &quot;%1&quot; is a source or a unit file of this run, no log is written.
</source>
        <comment>%1 is a file name</comment>
        <translation>Attention : le fichier journal &quot;%1&quot; est une source ou un fichier d&apos;unité de cette exécution, aucun journal n&apos;est écrit.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t read source file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible de lire le fichier source &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>Error : can&apos;t write &quot;%1&quot;, cannot continue.
</source>
        <comment>%1 is a file name</comment>
        <translation>Erreur : impossible d&apos;écrire &quot;%1&quot;, arrêt.
</translation>
    </message>
    <message>
        <source>Error: the original text of &quot;%1&quot; is kept in &quot;%2&quot;.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Erreur : le texte d&apos;origine de &quot;%1&quot; est conservé dans &quot;%2&quot;.
</translation>
    </message>
    <message>
        <source>Warning: can&apos;t open log file &quot;%1&quot;, no log is written.
</source>
        <comment>%1 is a file name</comment>
        <translation>Attention : impossible d&apos;ouvrir le fichier journal &quot;%1&quot;, aucun journal n&apos;est écrit.
</translation>
    </message>
    <message>
        <source>Warning: the message catalogue &quot;%1&quot; is damaged, it is not used.
</source>
        <comment>%1 is a file name</comment>
        <translation>Avertissement : le catalogue de messages &quot;%1&quot; est endommagé, il n&apos;est pas utilisé.
</translation>
    </message>
    <message>
        <source>Error: the unit file &quot;%1&quot; would replace &quot;%2&quot;, a source still to be chopped; nothing is written there.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Erreur : le fichier d&apos;unité &quot;%1&quot; remplacerait &quot;%2&quot;, une source encore à découper ; rien n&apos;y est écrit.
</translation>
    </message>
    <message>
        <source>Error: the unit file &quot;%1&quot; would replace &quot;%2&quot;, the only text of a unit chopped from it; nothing is written there.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Erreur : le fichier d&apos;unité &quot;%1&quot; remplacerait &quot;%2&quot;, seul texte d&apos;une unité découpée de celui-ci ; rien n&apos;y est écrit.
</translation>
    </message>
    <message>
        <source>Warning: the unit file &quot;%1&quot; is written twice, the later unit replaces the earlier one.
</source>
        <comment>%1 is a file name</comment>
        <translation>Avertissement : le fichier d&apos;unité &quot;%1&quot; est écrit deux fois, la dernière unité remplace la précédente.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t write to standard output, its text is incomplete.
</source>
        <translation>Erreur : impossible d&apos;écrire sur la sortie standard, son texte est incomplet.
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
<context>
    <name>Chop Usage</name>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>Usage: mirelchop [options] &lt;file&gt; [..&lt;file&gt;] [&lt;dir&gt;]
</source>
        <translation>Usage : mirelchop [options] &lt;fichier&gt; [..&lt;fichier&gt;] [&lt;rép&gt;]
</translation>
    </message>
    <message>
        <source> &lt;file&gt;     : ada source file to split.
</source>
        <translation> &lt;fichier&gt;  : fichier source ada à découper.
</translation>
    </message>
    <message>
        <source> &lt;dir&gt;      : output directory (default: working directory).
</source>
        <translation> &lt;rép&gt;      : répertoire de sortie (par défaut : répertoire courant).
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options :
</translation>
    </message>
    <message>
        <source> -v,-version: print version informations.
</source>
        <translation> -v,-version: affiche les informations de version.
</translation>
    </message>
    <message>
        <source> -l         : print on stdout generated file name only.
</source>
        <translation> -l         : affiche seulement les noms des fichiers générés.
</translation>
    </message>
    <message>
        <source> -w         : allow file overwrite.
</source>
        <translation> -w         : autorise l&apos;écrasement des fichiers.
</translation>
    </message>
    <message>
        <source> -n &lt;naming&gt;: force naming convention (see below).
</source>
        <translation> -n &lt;nommage&gt;: impose la convention de nommage (voir ci-dessous).
</translation>
    </message>
    <message>
        <source>Current %1 chop naming is &quot;%2&quot;
</source>
        <comment>%1 is &apos;default&apos; or &apos;MIRELCHOP&apos;, %2 is a string</comment>
        <translation>Nommage %1 actuel : &quot;%2&quot;
</translation>
    </message>
    <message>
        <source>You can use MIRELCHOP environment variable to change default naming convention.
</source>
        <translation>La variable d&apos;environnement MIRELCHOP change la convention de nommage par défaut.
</translation>
    </message>
    <message>
        <source>Supported naming conventions are: &quot;GNAT&quot;, &quot;VESK&quot; 
</source>
        <comment>GNAT and VESK are ada compiler name</comment>
        <translation>Conventions de nommage reconnues : &quot;GNAT&quot;, &quot;VESK&quot; 
</translation>
    </message>
</context>
</TS>
