<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Chop Usage</name>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Usage: mirelchop [options] &lt;file&gt; [..&lt;file&gt;] [&lt;dir&gt;]
</source>
        <translation>Aufruf: mirelchop [Optionen] &lt;Datei&gt; [..&lt;Datei&gt;] [&lt;Verz&gt;]
</translation>
    </message>
    <message>
        <source> &lt;file&gt;     : ada source file to split.
</source>
        <translation> &lt;Datei&gt;    : zu zerlegende Ada-Quelldatei.
</translation>
    </message>
    <message>
        <source> &lt;dir&gt;      : output directory (default: working directory).
</source>
        <translation> &lt;Verz&gt;     : Ausgabeverzeichnis (Standard: Arbeitsverzeichnis).
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source> -v,-version: print version informations.
</source>
        <translation> -v,-version: Versionsinformationen ausgeben.
</translation>
    </message>
    <message>
        <source> -l         : print on stdout generated file name only.
</source>
        <translation> -l         : nur die Namen der erzeugten Dateien ausgeben.
</translation>
    </message>
    <message>
        <source> -w         : allow file overwrite.
</source>
        <translation> -w         : Überschreiben von Dateien erlauben.
</translation>
    </message>
    <message>
        <source> -n &lt;naming&gt;: force naming convention (see below).
</source>
        <translation> -n &lt;Schema&gt;: Namenskonvention festlegen (siehe unten).
</translation>
    </message>
    <message>
        <source>Current %1 chop naming is &quot;%2&quot;
</source>
        <comment>%1 is &apos;default&apos; or &apos;MIRELCHOP&apos;, %2 is a string</comment>
        <translation>Aktuelle Namenskonvention (%1): &quot;%2&quot;
</translation>
    </message>
    <message>
        <source>You can use MIRELCHOP environment variable to change default naming convention.
</source>
        <translation>Die Umgebungsvariable MIRELCHOP ändert die voreingestellte Namenskonvention.
</translation>
    </message>
    <message>
        <source>Supported naming conventions are: &quot;GNAT&quot;, &quot;VESK&quot; 
</source>
        <comment>GNAT and VESK are ada compiler name</comment>
        <translation>Unterstützte Namenskonventionen: &quot;GNAT&quot;, &quot;VESK&quot; 
</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Warning: can&apos;t open log file &quot;%1&quot;, no log is written.
</source>
        <comment>%1 is a file name</comment>
        <translation>Warnung: Protokolldatei &quot;%1&quot; kann nicht geöffnet werden, es wird kein Protokoll geschrieben.
</translation>
    </message>
    <message>
        <source>Warning: the message catalogue &quot;%1&quot; is damaged, it is not used.
</source>
        <comment>%1 is a file name</comment>
        <translation>Warnung: der Meldungskatalog &quot;%1&quot; ist beschädigt und wird nicht verwendet.
</translation>
    </message>
    <message>
        <source>Error: missing parameter for option &quot;%1&quot;
</source>
        <comment>%1 is an option</comment>
        <translation>Fehler: Parameter für Option &quot;%1&quot; fehlt
</translation>
    </message>
    <message>
        <source>Error: missing source file.
</source>
        <translation>Fehler: keine Quelldatei angegeben.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t stat file &apos;%1&apos;</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: Datei &apos;%1&apos; kann nicht untersucht werden</translation>
    </message>
    <message>
        <source>Error : unknown naming convention (%1)
</source>
        <comment>%1 is a string</comment>
        <translation>Fehler: unbekannte Namenskonvention (%1)
</translation>
    </message>
    <message>
        <source>Error : unknown Ada revision (%1) in %2, use 95, 2005, 2012 or 2022
</source>
        <comment>%1 is the value given, %2 the environment variable&apos;s name</comment>
        <translation>Fehler: unbekannte Ada-Revision (%1) in %2, erlaubt sind 95, 2005, 2012 oder 2022
</translation>
    </message>
    <message>
        <source>Error : can&apos;t open file &quot;%1&quot;
</source>
        <comment>%1 is a afile name</comment>
        <translation>Fehler: Datei &quot;%1&quot; kann nicht geöffnet werden
</translation>
    </message>
    <message>
        <source>Error %1:%2: operator not allowed at library level
</source>
        <comment>%1 is a file name, %2 a line number</comment>
        <translation>Fehler %1:%2: Operator auf Bibliotheksebene nicht erlaubt
</translation>
    </message>
    <message>
        <source>%1:%2:%3: Syntax error while analysing, can&apos;t continue.
</source>
        <comment>%1 is a file name, %2 and %3 line and column numbers</comment>
        <translation>%1:%2:%3: Syntaxfehler bei der Analyse, Abbruch.
</translation>
    </message>
    <message>
        <source>Note: &quot;%1&quot; reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.
</source>
        <comment>%1 is a file name</comment>
        <translation>Hinweis: &quot;%1&quot; lässt sich als Ada 2022 lesen; mit MIRELCHOP_ADA=2022 wird es so zerlegt.
</translation>
    </message>
    <message>
        <source>%1:%2:%3: Construct nested too deeply, can&apos;t continue.
</source>
        <comment>%1 is a file name, %2 and %3 line and column numbers</comment>
        <translation>%1:%2:%3: Konstrukt zu tief verschachtelt, Abbruch.
</translation>
    </message>
    <message>
        <source>Error: the original text of &quot;%1&quot; is kept in &quot;%2&quot;.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Fehler: der ursprüngliche Text von &quot;%1&quot; bleibt in &quot;%2&quot; erhalten.
</translation>
    </message>
    <message>
        <source>Error : can&apos;t write &quot;%1&quot;, cannot continue.
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: &quot;%1&quot; kann nicht geschrieben werden, Abbruch.
</translation>
    </message>
    <message>
        <source>Error: &quot;%1&quot; changed while it was being chopped, no unit file is written from it.
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: &quot;%1&quot; wurde während des Zerlegens geändert, es wird keine Unit-Datei daraus geschrieben.
</translation>
    </message>
    <message>
        <source>Warning: the log file &quot;%1&quot; is a source or a unit file of this run, no log is written.
</source>
        <comment>%1 is a file name</comment>
        <translation>Warnung: Protokolldatei &quot;%1&quot; ist eine Quelle oder eine Unit-Datei dieses Laufs, es wird kein Protokoll geschrieben.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t read source file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: Quelldatei &quot;%1&quot; kann nicht gelesen werden
</translation>
    </message>
    <message>
        <source>Error:&quot;%1&quot; already exist, use -w to overwrite.
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: &quot;%1&quot; existiert bereits, zum Überschreiben -w angeben.
</translation>
    </message>
    <message>
        <source>Note: &quot;%1&quot; was written by an earlier unit of this run: the source holds two units of that name.
</source>
        <comment>%1 is a file name</comment>
        <translation>Hinweis: &quot;%1&quot; wurde in diesem Lauf von einer früheren Einheit geschrieben: die Quelle enthält zwei Einheiten dieses Namens.
</translation>
    </message>
    <message>
        <source>Error : Can&apos;t open &quot;%1&quot; for writting, cannot continue.
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: &quot;%1&quot; kann nicht zum Schreiben geöffnet werden, Abbruch.
</translation>
    </message>
    <message>
        <source>Error : can&apos;t open file &quot;%1&quot; for chopping.
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: Datei &quot;%1&quot; kann zum Zerlegen nicht geöffnet werden.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t open source file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: Quelldatei &quot;%1&quot; kann nicht geöffnet werden
</translation>
    </message>
    <message>
        <source>Error: can&apos;t open temporary file &quot;%1&quot;
</source>
        <comment>%1 is a file name</comment>
        <translation>Fehler: temporäre Datei &quot;%1&quot; kann nicht geöffnet werden
</translation>
    </message>
    <message>
        <source>Error: writing temporary file.
</source>
        <translation>Fehler beim Schreiben der temporären Datei.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t remove temporary file.
</source>
        <translation>Fehler: temporäre Datei kann nicht entfernt werden.
</translation>
    </message>
    <message>
        <source>Error: the unit file &quot;%1&quot; would replace &quot;%2&quot;, a source still to be chopped; nothing is written there.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Fehler: die Unit-Datei &quot;%1&quot; würde &quot;%2&quot; ersetzen, eine noch zu zerlegende Quelle; dort wird nichts geschrieben.
</translation>
    </message>
    <message>
        <source>Error: the unit file &quot;%1&quot; would replace &quot;%2&quot;, the only text of a unit chopped from it; nothing is written there.
</source>
        <comment>%1 and %2 are file names</comment>
        <translation>Fehler: die Unit-Datei &quot;%1&quot; würde &quot;%2&quot; ersetzen, den einzigen Text einer daraus zerlegten Unit; dort wird nichts geschrieben.
</translation>
    </message>
    <message>
        <source>Warning: the unit file &quot;%1&quot; is written twice, the later unit replaces the earlier one.
</source>
        <comment>%1 is a file name</comment>
        <translation>Warnung: die Unit-Datei &quot;%1&quot; wird zweimal geschrieben, die spätere Unit ersetzt die frühere.
</translation>
    </message>
    <message>
        <source>Error: can&apos;t write to standard output, its text is incomplete.
</source>
        <translation>Fehler: die Standardausgabe kann nicht geschrieben werden, ihr Text ist unvollständig.
</translation>
    </message>
</context>
<context>
    <name>Fatal Error</name>
    <message>
        <source>
Fatal Error: cannot allocate %1 bytes
</source>
        <comment>%1 is the unallocatable size (a number)</comment>
        <translation>
Schwerer Fehler: %1 Bytes können nicht belegt werden
</translation>
    </message>
</context>
<context>
    <name>Internal Error</name>
    <message>
        <source>Internal Error : unit %1 have no end position.
</source>
        <comment>%1 is an ada unit name</comment>
        <translation>Interner Fehler: Einheit %1 hat keine Endposition.
</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Chopped %1 files.
</source>
        <comment>%1 is a number</comment>
        <translation>%1 Dateien zerlegt.
</translation>
    </message>
    <message>
        <source>Writting %1
</source>
        <comment>%1 is a file name</comment>
        <translation>Schreibe %1
</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Build Number: </source>
        <translation>Build-Nummer: </translation>
    </message>
    <message>
        <source>   Date : %1 %2
</source>
        <comment>%1 is an ISO date string, %2 an ISO hour</comment>
        <translation>  Datum : %1 %2
</translation>
    </message>
    <message>
        <source>     OS : %1
</source>
        <comment>%1 is an operating system name</comment>
        <translation> System : %1
</translation>
    </message>
</context>
</TS>
