<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CartridgeLoading</name>
    <message>
        <source>Cartridge File Size Notice!</source>
        <translation>Hinweis zur Größe der Moduldatei!</translation>
    </message>
    <message>
        <source>Warning: The cartridge file size is: %1.</source>
        <translation>Warnung: Die Moduldatei ist %1 Byte groß.</translation>
    </message>
    <message>
        <source>It should be 16,464(16K) or 8,272(8k) Bytes or less.</source>
        <translation>Sie sollte 16.464 Byte (16K) oder 8.272 Byte (8K) groß oder kleiner sein.</translation>
    </message>
    <message>
        <source>If the file is larger than 16,464 bytes the file will not be loaded.</source>
        <translation>Ist die Datei größer als 16.464 Byte, wird sie nicht geladen.</translation>
    </message>
    <message>
        <source>Hit Cancel to load the cartridge file anyway.</source>
        <comment>Cancel: the message box&apos;s button</comment>
        <translation>Klicken Sie auf „Abbrechen“, um die Moduldatei trotzdem zu laden.</translation>
    </message>
    <message>
        <source>Does this cartridge have a header?</source>
        <translation>Hat diese Moduldatei einen Header?</translation>
    </message>
    <message>
        <source>Cartridge file can not be larger than 16kb for use on Kestrix!</source>
        <comment>Kestrix: the cartridge board</comment>
        <translation>Für den Kestrix darf eine Moduldatei nicht größer als 16 KB sein!</translation>
    </message>
    <message>
        <source>Cartridge Rom(.crt, .bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Modul-ROM (.crt, .bin)</translation>
    </message>
    <message>
        <source>Please load a Cartridge file not a directory</source>
        <translation>Bitte laden Sie eine Moduldatei und keinen Ordner</translation>
    </message>
    <message>
        <source>This is not a Cartridge file (*.crt,*.bin)</source>
        <translation>Dies ist keine Moduldatei (*.crt, *.bin)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License MIT: &lt;https://opensource.org/licenses/MIT&gt;
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz MIT: &lt;https://opensource.org/licenses/MIT&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.
</translation>
    </message>
    <message>
        <source>can not be written: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>can not be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot; is not in the image: %3 holds slots 0 to %4</source>
        <comment>%3: an EPROM size such as 1mb</comment>
        <translation>Slot %1 „%2“ liegt außerhalb des Abbilds: ein %3-Abbild fasst die Slots 0 bis %4</translation>
    </message>
    <message>
        <source>The EPROM size: %1 (default: %2).</source>
        <translation>Die EPROM-Größe: %1 (Standard: %2).</translation>
    </message>
    <message>
        <source>The image file (default: SETFILE ending in .bin); its listing is IMAGE-list.txt beside it.</source>
        <comment>SETFILE, IMAGE: the arguments&apos; names, as the usage line shows them</comment>
        <translation>Die Abbilddatei (Standard: SETFILE mit der Endung .bin); die Liste dazu wird daneben als IMAGE-list.txt gespeichert.</translation>
    </message>
    <message>
        <source>Load the set and report, but write nothing.</source>
        <translation>Lädt das Set und meldet das Ergebnis, schreibt aber nichts.</translation>
    </message>
    <message>
        <source>The folder for the games and the set file (default: a new folder IMAGE-split beside the image, without its extension).</source>
        <translation>Der Ordner für die Spiele und die Set-Datei (Standard: ein neuer Ordner IMAGE-split neben dem Abbild, wobei IMAGE ohne seine Endung steht).</translation>
    </message>
    <message>
        <source>Display this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Output version information and exit.</source>
        <translation>Gibt die Versionsinformationen aus und beendet das Programm.</translation>
    </message>
    <message>
        <source>Try &apos;plakmund-build %1--help&apos; for more information.</source>
        <comment>%1: the command, if any, and a space</comment>
        <translation>„plakmund-build %1--help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>IMAGE must not be empty</source>
        <translation>IMAGE darf nicht leer sein</translation>
    </message>
    <message>
        <source>%1-list.txt: not used for the names: %2</source>
        <translation>%1-list.txt: nicht für die Namen verwendet: %2</translation>
    </message>
    <message>
        <source>slot %1 is blank; it has a file all the same, so that the image builds again as it is</source>
        <translation>Slot %1 ist leer; er erhält trotzdem eine Datei, damit sich das Abbild unverändert wieder erstellen lässt</translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from nowhere (&quot;???&quot;), set file %3</source>
        <translation>%1-Abbild: %2 Spiele ohne Namen („???“), Set-Datei %3</translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from %3, set file %4</source>
        <translation>%1-Abbild: %2 Spiele, Namen aus %3, Set-Datei %4</translation>
    </message>
    <message>
        <source>the dump is %1 bytes, longer than the %2 image&apos;s %3: its first %3 bytes are compared</source>
        <translation>der Dump ist %1 Byte lang, länger als die %3 Byte eines %2-Abbilds: seine ersten %3 Byte werden verglichen</translation>
    </message>
    <message>
        <source>the dump is %1 bytes, not the %2 image&apos;s %3: only the games it holds whole are compared</source>
        <translation>der Dump ist %1 Byte lang statt %3 Byte wie ein %2-Abbild: nur die Spiele, die er vollständig enthält, werden verglichen</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same, blank</source>
        <translation>Slot %1 „%2“: identisch, leer</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same</source>
        <translation>Slot %1 „%2“: identisch</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: blank in the dump, as an erased chip reads, but not in the image</source>
        <translation>Slot %1 „%2“: im Dump leer wie bei einem gelöschten Chip, im Abbild aber nicht</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: differs in %3 of 16384 bytes, the first at offset %4 of the slot (0x%5 in the image)</source>
        <translation>Slot %1 „%2“: %3 von 16384 Byte weichen ab, das erste bei Offset %4 im Slot (0x%5 im Abbild)</translation>
    </message>
    <message>
        <source>Build the EPROM image of the set file SETFILE and its listing, as the window&apos;s Load CRT Set and Save BIN File do after a fresh start. Relative cartridge locations in SETFILE are taken from its folder. The exit status is 0 when the image holds every game of the set (with --check: when the set loaded without a message and every game fits the size), 1 when a file could not be read or written or a game does not fit, and then nothing is written.</source>
        <translation>Erstellt das EPROM-Abbild der Set-Datei SETFILE und die Liste dazu, wie es „CRT-Set laden“ und „BIN-Datei speichern“ im Fenster nach einem Neustart tun. Relative Speicherorte von Moduldateien in SETFILE gelten vom Ordner der Set-Datei aus. Der Exit-Status ist 0, wenn das Abbild jedes Spiel des Sets enthält (mit --check: wenn das Set ohne Meldung geladen wurde und jedes Spiel in die Größe passt), und 1, wenn eine Datei nicht gelesen oder geschrieben werden konnte oder ein Spiel nicht passt; dann wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cut the EPROM image IMAGE (%1) into its games: a 16 KB file for each and a set file that builds the same image again, with the names from the listing IMAGE-list.txt where it fits, &quot;???&quot; otherwise. Exit status 0 when every file was written, 1 otherwise.</source>
        <translation>Zerlegt das EPROM-Abbild IMAGE (%1) in seine Spiele: eine 16-KB-Datei für jedes und eine Set-Datei, die dasselbe Abbild wieder erstellt, mit den Namen aus der Liste IMAGE-list.txt, sofern sie passt, sonst „???“. Exit-Status 0, wenn jede Datei geschrieben wurde, sonst 1.</translation>
    </message>
    <message>
        <source>Compare DUMP, a chip read back by the programmer, with the image SETFILE gives, one line for each game. Exit status 0 only when every byte of the image is the same in the dump.</source>
        <translation>Vergleicht DUMP, einen vom Programmiergerät ausgelesenen Chip, mit dem Abbild, das SETFILE ergibt, in einer Zeile je Spiel. Exit-Status 0 nur, wenn jedes Byte des Abbilds im Dump gleich ist.</translation>
    </message>
    <message>
        <source>Usage: plakmund-build %1[options] %2</source>
        <comment>%1: the command, if any, and a space; %2: its arguments</comment>
        <translation>Aufruf: plakmund-build %1[Optionen] %2</translation>
    </message>
    <message>
        <source>Commands (plakmund-build COMMAND --help tells each):
  build   the image of a set file, as without a command
  split   an image&apos;s games as files and a set file
  verify  a chip read back against a set
</source>
        <comment>build, split, verify: the commands&apos; names, which stay as they are</comment>
        <translation>Befehle („plakmund-build BEFEHL --help“ erklärt jeden):
  build   erstellt das Abbild einer Set-Datei, wie ohne Befehl
  split   schreibt die Spiele eines Abbilds als Dateien und eine Set-Datei
  verify  prüft einen ausgelesenen Chip gegen ein Set
</translation>
    </message>
    <message>
        <source>Report bugs to: %1</source>
        <translation>Fehler melden an: %1</translation>
    </message>
    <message>
        <source>A set file (.plk).</source>
        <translation>Eine Set-Datei (.plk).</translation>
    </message>
    <message>
        <source>An EPROM image (.bin).</source>
        <translation>Ein EPROM-Abbild (.bin).</translation>
    </message>
    <message>
        <source>A chip as the programmer read it back.</source>
        <translation>Ein Chip, wie ihn das Programmiergerät ausgelesen hat.</translation>
    </message>
    <message>
        <source>give exactly %1</source>
        <comment>%1: the arguments&apos; names, such as &apos;DUMP SETFILE&apos;</comment>
        <translation>geben Sie genau %1 an</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not %2</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation>die Größe „%1“ ist keine von %2</translation>
    </message>
</context>
<context>
    <name>CrtSet</name>
    <message>
        <source>Ok</source>
        <comment>a slot&apos;s status: the cartridge is fine</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>EXROM Detected! Switch EXROM on Kestrix to Active(On)</source>
        <comment>EXROM: a switch on the Kestrix board</comment>
        <translation>EXROM erkannt! Stellen Sie den Schalter EXROM auf dem Kestrix auf aktiv (ein)</translation>
    </message>
    <message>
        <source>Unknown Cartridge settings</source>
        <translation>Unbekannte Moduleinstellungen</translation>
    </message>
    <message>
        <source>Unknown Cartridge details.</source>
        <translation>Unbekannte Angaben zum Modul.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it does not exist</source>
        <translation>der Pfad existiert nicht</translation>
    </message>
    <message>
        <source>you do not have permission to open it</source>
        <translation>Ihnen fehlt die Berechtigung zum Öffnen</translation>
    </message>
    <message>
        <source>its path runs in a loop of symbolic links</source>
        <translation>der Pfad führt in eine Schleife aus symbolischen Links</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es handelt sich um einen Ordner, nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es handelt sich nicht um eine reguläre Datei</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ein Ordner im Pfad existiert nicht</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>ein anderes Programm greift gerade darauf zu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>its disk is write-protected</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its name is not one Windows allows</source>
        <translation>Windows lässt diesen Namen nicht zu</translation>
    </message>
    <message>
        <source>its drive is not ready</source>
        <translation>das Laufwerk ist nicht bereit</translation>
    </message>
    <message>
        <source>it is a device path, not a file</source>
        <translation>es handelt sich um einen Gerätepfad, nicht um eine Datei</translation>
    </message>
    <message>
        <source>a colon in its name makes it a stream of another file</source>
        <translation>durch den Doppelpunkt im Namen wäre es ein Datenstrom einer anderen Datei</translation>
    </message>
    <message>
        <source>Windows keeps the name &quot;%1&quot; for a device in every folder</source>
        <translation>Windows reserviert den Namen „%1“ in jedem Ordner für ein Gerät</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the set was read from it</source>
        <translation>das Set wurde aus dieser Datei gelesen</translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;, which the set was read from</source>
        <translation>es ist dieselbe Datei wie „%1“, aus der das Set gelesen wurde</translation>
    </message>
    <message>
        <source>%1 goes there</source>
        <comment>%1: a file the same command writes, such as &apos;the image file &quot;a.bin&quot;&apos;</comment>
        <translation>dorthin wird bereits %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files: &apos;the image file &quot;a.bin&quot; and the listing file &quot;a.bin-list.txt&quot;&apos;</comment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>Only %1 was replaced.</source>
        <comment>%1: the files replaced, as in &apos;%1 and %2&apos;</comment>
        <translation>
            <numerusform>Nur %1 wurde ersetzt.</numerusform>
            <numerusform>Nur %1 wurden ersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>it lies on a kernel file system, which holds devices and settings, not files</source>
        <translation>der Pfad liegt auf einem Kernel-Dateisystem, das Geräte und Einstellungen enthält, keine Dateien</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; lies in a shared folder and belongs to another user</source>
        <translation>der symbolische Link „%1“ liegt in einem gemeinsam genutzten Ordner und gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>you may not create files in its folder</source>
        <translation>Sie dürfen im Zielordner keine Dateien anlegen</translation>
    </message>
    <message>
        <source>its folder is on a read-only file system</source>
        <translation>der Zielordner liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes fitted on the disk</source>
        <translation>nur %1 von %2 Byte passten auf den Datenträger</translation>
    </message>
    <message>
        <source>you may not replace it in its folder</source>
        <translation>Sie dürfen die Datei im Zielordner nicht ersetzen</translation>
    </message>
    <message>
        <source>it exists already</source>
        <translation>der Pfad existiert bereits</translation>
    </message>
    <message>
        <source>it lies in a shared folder and belongs to another user, who alone may replace it</source>
        <translation>die Datei liegt in einem gemeinsam genutzten Ordner und gehört einem anderen Benutzer, der sie als Einziger ersetzen darf</translation>
    </message>
    <message>
        <source>another save into its folder has not finished</source>
        <translation>ein anderer Speichervorgang im Zielordner ist noch nicht abgeschlossen</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>The set file &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Set-Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Set-Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the set file &quot;%1&quot;</source>
        <translation>die Set-Datei „%1“</translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Moduldatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Moduldatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the cartridge file &quot;%1&quot;</source>
        <translation>die Moduldatei „%1“</translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Abbilddatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Abbilddatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the image file &quot;%1&quot;</source>
        <translation>die Abbilddatei „%1“</translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Listendatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Listendatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the listing file &quot;%1&quot;</source>
        <translation>die Listendatei „%1“</translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Spieldatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Spieldatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the game file &quot;%1&quot;</source>
        <translation>die Spieldatei „%1“</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be read: %2.</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be written: %2.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot;</source>
        <translation>der Ordner „%1“</translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be read: %2.</source>
        <translation>Die Dump-Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be written: %2.</source>
        <translation>Die Dump-Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the dump &quot;%1&quot;</source>
        <translation>die Dump-Datei „%1“</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The cartridge file for slot %1 &quot;%2&quot; can not be read: %3.</source>
        <translation>Die Moduldatei „%2“ für Slot %1 kann nicht gelesen werden: %3.</translation>
    </message>
</context>
<context>
    <name>ImageCommands</name>
    <message>
        <source>Save BIN Image</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>BIN-Abbild speichern</translation>
    </message>
    <message>
        <source>Binary Cartridge Image(.bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Binäres Modulabbild (.bin)</translation>
    </message>
</context>
<context>
    <name>ImageSplit</name>
    <message>
        <source>it lists a %1 image, not a %2 one</source>
        <comment>%1, %2: EPROM sizes such as 1mb</comment>
        <translation>sie beschreibt ein %1-Abbild, kein %2-Abbild</translation>
    </message>
    <message>
        <source>it is %1 bytes long, which is no %2 image</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation>sie ist %1 Byte lang und damit kein Abbild von %2</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>it does not begin as a listing does</source>
        <translation>sie beginnt nicht wie eine Liste</translation>
    </message>
    <message>
        <source>it names no EPROM size</source>
        <translation>sie nennt keine EPROM-Größe</translation>
    </message>
    <message>
        <source>it has %1 lines, not the %2 of a listing of %3 games</source>
        <translation>sie hat %1 Zeilen statt der %2 einer Liste mit %3 Spielen</translation>
    </message>
    <message>
        <source>a line of dashes belongs here</source>
        <translation>hier gehört eine Zeile aus Bindestrichen hin</translation>
    </message>
    <message>
        <source>slot %1&apos;s line must begin with &quot;%2&quot;</source>
        <translation>die Zeile von Slot %1 muss mit „%2“ beginnen</translation>
    </message>
    <message>
        <source>its last line is not the program&apos;s</source>
        <translation>ihre letzte Zeile stammt nicht von diesem Programm</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>the line is blank</source>
        <translation>die Zeile ist leer</translation>
    </message>
    <message>
        <source>the line holds a stray carriage return</source>
        <translation>die Zeile enthält ein überzähliges Wagenrücklaufzeichen</translation>
    </message>
    <message>
        <source>the name is not in double quotes</source>
        <translation>der Name steht nicht in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>the name has no closing double quote</source>
        <translation>beim Namen fehlt das schließende doppelte Anführungszeichen</translation>
    </message>
    <message>
        <source>a comma must follow the name&apos;s closing double quote</source>
        <translation>auf das schließende doppelte Anführungszeichen des Namens muss ein Komma folgen</translation>
    </message>
    <message>
        <source>the location is not in double quotes</source>
        <translation>der Speicherort steht nicht in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>the location has no closing double quote</source>
        <translation>beim Speicherort fehlt das schließende doppelte Anführungszeichen</translation>
    </message>
    <message>
        <source>text follows the location&apos;s closing double quote</source>
        <translation>auf das schließende doppelte Anführungszeichen des Speicherorts folgt noch Text</translation>
    </message>
    <message>
        <source>a set holds at most %1 records</source>
        <translation>ein Set enthält höchstens %1 Einträge</translation>
    </message>
</context>
<context>
    <name>SetFileCommands</name>
    <message>
        <source>Plakmund File(.plk)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Plakmund-Datei (.plk)</translation>
    </message>
    <message>
        <source>Save Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>Plakmund-Datei speichern</translation>
    </message>
    <message>
        <source>the name of slot %1</source>
        <translation>im Namen von Slot %1</translation>
    </message>
    <message>
        <source>the location of slot %1</source>
        <translation>im Speicherort von Slot %1</translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; was saved, but a set file can not hold double quotes or line breaks: in it they became apostrophes and spaces in %2. The window keeps them.</source>
        <comment>%2: a list such as &apos;the name of slot 3, the location of slot A&apos;</comment>
        <translation>Die Set-Datei „%1“ wurde gespeichert, aber eine Set-Datei kann keine doppelten Anführungszeichen und keine Zeilenumbrüche enthalten: Darin wurden sie durch Apostrophe und Leerzeichen ersetzt, und zwar %2. Im Fenster bleiben sie erhalten.</translation>
    </message>
    <message>
        <source>Load Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>Plakmund-Datei laden</translation>
    </message>
</context>
<context>
    <name>SetLoading</name>
    <message>
        <source>it is longer than 1 MiB, far too long for a set file</source>
        <translation>die Datei ist größer als 1 MiB und damit viel zu groß für eine Set-Datei</translation>
    </message>
    <message>
        <source>The Cartridge File %1 is missing!</source>
        <comment>%1: the slot&apos;s name</comment>
        <translation>Die Moduldatei %1 fehlt!</translation>
    </message>
</context>
<context>
    <name>SizeMode</name>
    <message>
        <source>%1 or %2</source>
        <comment>a choice: &apos;512kb, 1mb&apos; or &apos;2mb&apos;</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 %2 | Size: %3</source>
        <comment>the window&apos;s caption: the program&apos;s name, its version and the EPROM size</comment>
        <translation>%1 %2 | Größe: %3</translation>
    </message>
</context>
<context>
    <name>plakmund::MainWindow</name>
    <message>
        <source>Load cartridge into slot %1</source>
        <translation>Modul in Slot %1 laden</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <translation>Name von Slot %1</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>the frame around the program&apos;s name</comment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The program&apos;s name</source>
        <translation>Der Name des Programms</translation>
    </message>
    <message>
        <source>Cartridge board</source>
        <translation>Modulplatine</translation>
    </message>
    <message>
        <source>Photograph of the Kestrix board: its EPROM, switches, LEDs and edge connector</source>
        <translation>Foto der Kestrix-Platine mit ihrem EPROM, den Schaltern, den LEDs und der Kontaktleiste</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Load CRT Set</source>
        <comment>a command button</comment>
        <translation>CRT-Set laden</translation>
    </message>
    <message>
        <source>Save CRT Set</source>
        <comment>a command button</comment>
        <translation>CRT-Set speichern</translation>
    </message>
    <message>
        <source>Save BIN File</source>
        <comment>a command button</comment>
        <translation>BIN-Datei speichern</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>a command button: empties every slot</comment>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>a command button</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>a command button: ends the program</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a command&apos;s tooltip: its caption and its shortcut key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No cartridge</source>
        <translation>Kein Modul</translation>
    </message>
    <message>
        <source>Slot %1 status: %2</source>
        <translation>Status von Slot %1: %2</translation>
    </message>
    <message>
        <source>No Help available yet. Coming soon!</source>
        <translation>Es gibt noch keine Hilfe. Sie folgt in Kürze!</translation>
    </message>
</context>
</TS>
