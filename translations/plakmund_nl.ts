<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CartridgeLoading</name>
    <message>
        <source>Cartridge File Size Notice!</source>
        <translation>Melding over de grootte van het cartridgebestand!</translation>
    </message>
    <message>
        <source>Warning: The cartridge file size is: %1.</source>
        <translation>Waarschuwing: het cartridgebestand is %1 bytes groot.</translation>
    </message>
    <message>
        <source>It should be 16,464(16K) or 8,272(8k) Bytes or less.</source>
        <translation>Het hoort 16.464 (16K) of 8.272 (8K) bytes of kleiner te zijn.</translation>
    </message>
    <message>
        <source>If the file is larger than 16,464 bytes the file will not be loaded.</source>
        <translation>Is het bestand groter dan 16.464 bytes, dan wordt het niet geladen.</translation>
    </message>
    <message>
        <source>Hit Cancel to load the cartridge file anyway.</source>
        <comment>Cancel: the message box&apos;s button</comment>
        <translation>Klik op Annuleren om het cartridgebestand toch te laden.</translation>
    </message>
    <message>
        <source>Does this cartridge have a header?</source>
        <translation>Heeft deze cartridge een header?</translation>
    </message>
    <message>
        <source>Cartridge file can not be larger than 16kb for use on Kestrix!</source>
        <comment>Kestrix: the cartridge board</comment>
        <translation>Een cartridgebestand mag voor de Kestrix niet groter zijn dan 16 KB!</translation>
    </message>
    <message>
        <source>Cartridge Rom(.crt, .bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Cartridge-ROM (.crt, .bin)</translation>
    </message>
    <message>
        <source>Please load a Cartridge file not a directory</source>
        <translation>Laad een cartridgebestand, geen map</translation>
    </message>
    <message>
        <source>This is not a Cartridge file (*.crt,*.bin)</source>
        <translation>Dit is geen cartridgebestand (*.crt, *.bin)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License MIT: &lt;https://opensource.org/licenses/MIT&gt;
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licentie MIT: &lt;https://opensource.org/licenses/MIT&gt;
Dit is vrije software: u mag haar wijzigen en verder verspreiden.
Er is GEEN GARANTIE, voor zover de wet dat toestaat.
</translation>
    </message>
    <message>
        <source>can not be written: %1</source>
        <translation>kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>can not be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot; is not in the image: %3 holds slots 0 to %4</source>
        <comment>%3: an EPROM size such as 1mb</comment>
        <translation>sleuf %1 &quot;%2&quot; valt buiten het image: een %3-image bevat de sleuven 0 tot en met %4</translation>
    </message>
    <message>
        <source>The EPROM size: %1 (default: %2).</source>
        <translation>De EPROM-grootte: %1 (standaard: %2).</translation>
    </message>
    <message>
        <source>The image file (default: SETFILE ending in .bin); its listing is IMAGE-list.txt beside it.</source>
        <comment>SETFILE, IMAGE: the arguments&apos; names, as the usage line shows them</comment>
        <translation>Het imagebestand (standaard: SETFILE met de extensie .bin); de lijst ervan komt ernaast als IMAGE-list.txt.</translation>
    </message>
    <message>
        <source>Load the set and report, but write nothing.</source>
        <translation>De set laden en verslag doen, maar niets schrijven.</translation>
    </message>
    <message>
        <source>The folder for the games and the set file (default: a new folder IMAGE-split beside the image, without its extension).</source>
        <translation>De map voor de spellen en het setbestand (standaard: een nieuwe map IMAGE-split naast het image, zonder de extensie ervan).</translation>
    </message>
    <message>
        <source>Display this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Output version information and exit.</source>
        <translation>Versie-informatie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Try &apos;plakmund-build %1--help&apos; for more information.</source>
        <comment>%1: the command, if any, and a space</comment>
        <translation>Probeer &apos;plakmund-build %1--help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>IMAGE must not be empty</source>
        <translation>IMAGE mag niet leeg zijn</translation>
    </message>
    <message>
        <source>%1-list.txt: not used for the names: %2</source>
        <translation>%1-list.txt: niet gebruikt voor de namen: %2</translation>
    </message>
    <message>
        <source>slot %1 is blank; it has a file all the same, so that the image builds again as it is</source>
        <translation>sleuf %1 is leeg; ze krijgt toch een bestand, zodat het image ongewijzigd opnieuw kan worden samengesteld</translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from nowhere (&quot;???&quot;), set file %3</source>
        <translation>%1-image: %2 spellen, zonder namen (&quot;???&quot;), setbestand %3</translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from %3, set file %4</source>
        <translation>%1-image: %2 spellen, namen uit %3, setbestand %4</translation>
    </message>
    <message>
        <source>the dump is %1 bytes, longer than the %2 image&apos;s %3: its first %3 bytes are compared</source>
        <translation>de dump is %1 bytes, langer dan de %3 bytes van een %2-image: de eerste %3 bytes worden vergeleken</translation>
    </message>
    <message>
        <source>the dump is %1 bytes, not the %2 image&apos;s %3: only the games it holds whole are compared</source>
        <translation>de dump is %1 bytes, niet de %3 bytes van een %2-image: alleen de spellen die hij helemaal bevat worden vergeleken</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same, blank</source>
        <translation>sleuf %1 &quot;%2&quot;: gelijk, leeg</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same</source>
        <translation>sleuf %1 &quot;%2&quot;: gelijk</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: blank in the dump, as an erased chip reads, but not in the image</source>
        <translation>sleuf %1 &quot;%2&quot;: leeg in de dump, zoals een gewiste chip leest, maar niet in het image</translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: differs in %3 of 16384 bytes, the first at offset %4 of the slot (0x%5 in the image)</source>
        <translation>sleuf %1 &quot;%2&quot;: verschilt in %3 van de 16384 bytes, het eerste op offset %4 van de sleuf (0x%5 in het image)</translation>
    </message>
    <message>
        <source>Build the EPROM image of the set file SETFILE and its listing, as the window&apos;s Load CRT Set and Save BIN File do after a fresh start. Relative cartridge locations in SETFILE are taken from its folder. The exit status is 0 when the image holds every game of the set (with --check: when the set loaded without a message and every game fits the size), 1 when a file could not be read or written or a game does not fit, and then nothing is written.</source>
        <translation>Het EPROM-image van het setbestand SETFILE en de lijst ervan samenstellen, zoals CRT-set laden en BIN-bestand opslaan in het venster dat na een nieuwe start doen. Relatieve cartridgelocaties in SETFILE gelden vanuit de map ervan. De afsluitstatus is 0 als het image elk spel van de set bevat (met --check: als de set zonder melding is geladen en elk spel in de grootte past), 1 als een bestand niet kon worden gelezen of geschreven of een spel niet past, en dan wordt er niets geschreven.</translation>
    </message>
    <message>
        <source>Cut the EPROM image IMAGE (%1) into its games: a 16 KB file for each and a set file that builds the same image again, with the names from the listing IMAGE-list.txt where it fits, &quot;???&quot; otherwise. Exit status 0 when every file was written, 1 otherwise.</source>
        <translation>Het EPROM-image IMAGE (%1) in zijn spellen opdelen: voor elk een bestand van 16 KB en een setbestand dat hetzelfde image opnieuw samenstelt, met de namen uit de lijst IMAGE-list.txt waar die past, anders &quot;???&quot;. Afsluitstatus 0 als elk bestand is geschreven, anders 1.</translation>
    </message>
    <message>
        <source>Compare DUMP, a chip read back by the programmer, with the image SETFILE gives, one line for each game. Exit status 0 only when every byte of the image is the same in the dump.</source>
        <translation>DUMP, een door de programmer teruggelezen chip, vergelijken met het image dat SETFILE geeft, een regel voor elk spel. Afsluitstatus 0 alleen als elke byte van het image in de dump gelijk is.</translation>
    </message>
    <message>
        <source>Usage: plakmund-build %1[options] %2</source>
        <comment>%1: the command, if any, and a space; %2: its arguments</comment>
        <translation>Gebruik: plakmund-build %1[opties] %2</translation>
    </message>
    <message>
        <source>Commands (plakmund-build COMMAND --help tells each):
  build   the image of a set file, as without a command
  split   an image&apos;s games as files and a set file
  verify  a chip read back against a set
</source>
        <comment>build, split, verify: the commands&apos; names, which stay as they are</comment>
        <translation>Opdrachten (plakmund-build OPDRACHT --help legt elke uit):
  build   het image van een setbestand, zoals zonder opdracht
  split   de spellen van een image als bestanden en een setbestand
  verify  een teruggelezen chip vergeleken met een set
</translation>
    </message>
    <message>
        <source>Report bugs to: %1</source>
        <translation>Fouten melden aan: %1</translation>
    </message>
    <message>
        <source>A set file (.plk).</source>
        <translation>Een setbestand (.plk).</translation>
    </message>
    <message>
        <source>An EPROM image (.bin).</source>
        <translation>Een EPROM-image (.bin).</translation>
    </message>
    <message>
        <source>A chip as the programmer read it back.</source>
        <translation>Een chip zoals de programmer hem heeft teruggelezen.</translation>
    </message>
    <message>
        <source>give exactly %1</source>
        <comment>%1: the arguments&apos; names, such as &apos;DUMP SETFILE&apos;</comment>
        <translation>geef precies %1 op</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not %2</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation>de grootte &quot;%1&quot; is niet %2</translation>
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
        <translation>EXROM gedetecteerd! Zet EXROM op de Kestrix op actief (aan)</translation>
    </message>
    <message>
        <source>Unknown Cartridge settings</source>
        <translation>Onbekende cartridge-instellingen</translation>
    </message>
    <message>
        <source>Unknown Cartridge details.</source>
        <translation>Onbekende cartridgegegevens.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it does not exist</source>
        <translation>het bestaat niet</translation>
    </message>
    <message>
        <source>you do not have permission to open it</source>
        <translation>u hebt geen toestemming om het te openen</translation>
    </message>
    <message>
        <source>its path runs in a loop of symbolic links</source>
        <translation>het pad loopt in een kringloop van symbolische koppelingen</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>de map ervan bestaat niet</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>een ander programma gebruikt het</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>its disk is write-protected</source>
        <translation>de schijf is tegen schrijven beveiligd</translation>
    </message>
    <message>
        <source>its name is not one Windows allows</source>
        <translation>Windows staat deze naam niet toe</translation>
    </message>
    <message>
        <source>its drive is not ready</source>
        <translation>het station is niet gereed</translation>
    </message>
    <message>
        <source>it is a device path, not a file</source>
        <translation>het is een apparaatpad, geen bestand</translation>
    </message>
    <message>
        <source>a colon in its name makes it a stream of another file</source>
        <translation>door een dubbele punt in de naam is het een stroom van een ander bestand</translation>
    </message>
    <message>
        <source>Windows keeps the name &quot;%1&quot; for a device in every folder</source>
        <translation>Windows reserveert de naam &quot;%1&quot; in elke map voor een apparaat</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>the set was read from it</source>
        <translation>de set is eruit gelezen</translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;, which the set was read from</source>
        <translation>het is hetzelfde bestand als &quot;%1&quot;, waaruit de set is gelezen</translation>
    </message>
    <message>
        <source>%1 goes there</source>
        <comment>%1: a file the same command writes, such as &apos;the image file &quot;a.bin&quot;&apos;</comment>
        <translation>daar komt al %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files: &apos;the image file &quot;a.bin&quot; and the listing file &quot;a.bin-list.txt&quot;&apos;</comment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>Only %1 was replaced.</source>
        <comment>%1: the files replaced, as in &apos;%1 and %2&apos;</comment>
        <translation>
            <numerusform>Alleen %1 is vervangen.</numerusform>
            <numerusform>Alleen %1 zijn vervangen.</numerusform>
        </translation>
    </message>
    <message>
        <source>it lies on a kernel file system, which holds devices and settings, not files</source>
        <translation>het ligt op een bestandssysteem van de kernel, dat apparaten en instellingen bevat, geen bestanden</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; lies in a shared folder and belongs to another user</source>
        <translation>de symbolische koppeling &quot;%1&quot; ligt in een gedeelde map en is van een andere gebruiker</translation>
    </message>
    <message>
        <source>you may not create files in its folder</source>
        <translation>u mag in de map ervan geen bestanden aanmaken</translation>
    </message>
    <message>
        <source>its folder is on a read-only file system</source>
        <translation>de map ervan ligt op een alleen-lezen bestandssysteem</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes fitted on the disk</source>
        <translation>slechts %1 van de %2 bytes pasten op de schijf</translation>
    </message>
    <message>
        <source>you may not replace it in its folder</source>
        <translation>u mag het in de map ervan niet vervangen</translation>
    </message>
    <message>
        <source>it exists already</source>
        <translation>het bestaat al</translation>
    </message>
    <message>
        <source>it lies in a shared folder and belongs to another user, who alone may replace it</source>
        <translation>het ligt in een gedeelde map en is van een andere gebruiker, die als enige het mag vervangen</translation>
    </message>
    <message>
        <source>another save into its folder has not finished</source>
        <translation>een andere opslagactie in de map ervan is nog niet klaar</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>het is alleen-lezen</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>The set file &quot;%1&quot; can not be read: %2.</source>
        <translation>Het setbestand &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; can not be written: %2.</source>
        <translation>Het setbestand &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the set file &quot;%1&quot;</source>
        <translation>het setbestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be read: %2.</source>
        <translation>Het cartridgebestand &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be written: %2.</source>
        <translation>Het cartridgebestand &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the cartridge file &quot;%1&quot;</source>
        <translation>het cartridgebestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be read: %2.</source>
        <translation>Het imagebestand &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be written: %2.</source>
        <translation>Het imagebestand &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the image file &quot;%1&quot;</source>
        <translation>het imagebestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be read: %2.</source>
        <translation>Het lijstbestand &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be written: %2.</source>
        <translation>Het lijstbestand &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the listing file &quot;%1&quot;</source>
        <translation>het lijstbestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be read: %2.</source>
        <translation>Het spelbestand &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be written: %2.</source>
        <translation>Het spelbestand &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the game file &quot;%1&quot;</source>
        <translation>het spelbestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be read: %2.</source>
        <translation>De map &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be written: %2.</source>
        <translation>De map &quot;%1&quot; kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot;</source>
        <translation>de map &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be read: %2.</source>
        <translation>De dump &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be written: %2.</source>
        <translation>De dump &quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the dump &quot;%1&quot;</source>
        <translation>de dump &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>The cartridge file for slot %1 &quot;%2&quot; can not be read: %3.</source>
        <translation>Het cartridgebestand &quot;%2&quot; voor sleuf %1 kan niet worden gelezen: %3.</translation>
    </message>
</context>
<context>
    <name>ImageCommands</name>
    <message>
        <source>Save BIN Image</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>BIN-image opslaan</translation>
    </message>
    <message>
        <source>Binary Cartridge Image(.bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Binair cartridge-image (.bin)</translation>
    </message>
</context>
<context>
    <name>ImageSplit</name>
    <message>
        <source>it lists a %1 image, not a %2 one</source>
        <comment>%1, %2: EPROM sizes such as 1mb</comment>
        <translation>het beschrijft een %1-image, geen %2-image</translation>
    </message>
    <message>
        <source>it is %1 bytes long, which is no %2 image</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation>het is %1 bytes lang en dus geen %2-image</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>it does not begin as a listing does</source>
        <translation>het begint niet zoals een lijst</translation>
    </message>
    <message>
        <source>it names no EPROM size</source>
        <translation>het noemt geen EPROM-grootte</translation>
    </message>
    <message>
        <source>it has %1 lines, not the %2 of a listing of %3 games</source>
        <translation>het heeft %1 regels, niet de %2 van een lijst van %3 spellen</translation>
    </message>
    <message>
        <source>a line of dashes belongs here</source>
        <translation>hier hoort een regel met streepjes</translation>
    </message>
    <message>
        <source>slot %1&apos;s line must begin with &quot;%2&quot;</source>
        <translation>de regel van sleuf %1 moet beginnen met &quot;%2&quot;</translation>
    </message>
    <message>
        <source>its last line is not the program&apos;s</source>
        <translation>de laatste regel is niet die van het programma</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>the line is blank</source>
        <translation>de regel is leeg</translation>
    </message>
    <message>
        <source>the line holds a stray carriage return</source>
        <translation>de regel bevat een losse regelterugloop</translation>
    </message>
    <message>
        <source>the name is not in double quotes</source>
        <translation>de naam staat niet tussen dubbele aanhalingstekens</translation>
    </message>
    <message>
        <source>the name has no closing double quote</source>
        <translation>de naam heeft geen sluitend dubbel aanhalingsteken</translation>
    </message>
    <message>
        <source>a comma must follow the name&apos;s closing double quote</source>
        <translation>na het sluitende dubbele aanhalingsteken van de naam moet een komma staan</translation>
    </message>
    <message>
        <source>the location is not in double quotes</source>
        <translation>de locatie staat niet tussen dubbele aanhalingstekens</translation>
    </message>
    <message>
        <source>the location has no closing double quote</source>
        <translation>de locatie heeft geen sluitend dubbel aanhalingsteken</translation>
    </message>
    <message>
        <source>text follows the location&apos;s closing double quote</source>
        <translation>na het sluitende dubbele aanhalingsteken van de locatie staat nog tekst</translation>
    </message>
    <message>
        <source>a set holds at most %1 records</source>
        <translation>een set bevat hoogstens %1 regels</translation>
    </message>
</context>
<context>
    <name>SetFileCommands</name>
    <message>
        <source>Plakmund File(.plk)</source>
        <comment>a file type in the file dialog</comment>
        <translation>Plakmund-bestand (.plk)</translation>
    </message>
    <message>
        <source>Save Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>Plakmund-bestand opslaan</translation>
    </message>
    <message>
        <source>the name of slot %1</source>
        <translation>de naam van sleuf %1</translation>
    </message>
    <message>
        <source>the location of slot %1</source>
        <translation>de locatie van sleuf %1</translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; was saved, but a set file can not hold double quotes or line breaks: in it they became apostrophes and spaces in %2. The window keeps them.</source>
        <comment>%2: a list such as &apos;the name of slot 3, the location of slot A&apos;</comment>
        <translation>Het setbestand &quot;%1&quot; is opgeslagen, maar een setbestand kan geen dubbele aanhalingstekens of regeleinden bevatten: daarin zijn ze apostroffen en spaties geworden in %2. Het venster behoudt ze.</translation>
    </message>
    <message>
        <source>Load Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation>Plakmund-bestand laden</translation>
    </message>
</context>
<context>
    <name>SetLoading</name>
    <message>
        <source>it is longer than 1 MiB, far too long for a set file</source>
        <translation>het is groter dan 1 MiB, veel te groot voor een setbestand</translation>
    </message>
    <message>
        <source>The Cartridge File %1 is missing!</source>
        <comment>%1: the slot&apos;s name</comment>
        <translation>Het cartridgebestand %1 ontbreekt!</translation>
    </message>
</context>
<context>
    <name>SizeMode</name>
    <message>
        <source>%1 or %2</source>
        <comment>a choice: &apos;512kb, 1mb&apos; or &apos;2mb&apos;</comment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 %2 | Size: %3</source>
        <comment>the window&apos;s caption: the program&apos;s name, its version and the EPROM size</comment>
        <translation>%1 %2 | Grootte: %3</translation>
    </message>
</context>
<context>
    <name>plakmund::MainWindow</name>
    <message>
        <source>Load cartridge into slot %1</source>
        <translation>Cartridge in sleuf %1 laden</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <translation>Naam van sleuf %1</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>the frame around the program&apos;s name</comment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The program&apos;s name</source>
        <translation>De naam van het programma</translation>
    </message>
    <message>
        <source>Cartridge board</source>
        <translation>Cartridgekaart</translation>
    </message>
    <message>
        <source>Photograph of the Kestrix board: its EPROM, switches, LEDs and edge connector</source>
        <translation>Foto van de Kestrix-kaart: de EPROM, schakelaars, leds en randconnector</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Load CRT Set</source>
        <comment>a command button</comment>
        <translation>CRT-set laden</translation>
    </message>
    <message>
        <source>Save CRT Set</source>
        <comment>a command button</comment>
        <translation>CRT-set opslaan</translation>
    </message>
    <message>
        <source>Save BIN File</source>
        <comment>a command button</comment>
        <translation>BIN opslaan</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>a command button: empties every slot</comment>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>a command button</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>a command button: ends the program</comment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a command&apos;s tooltip: its caption and its shortcut key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No cartridge</source>
        <translation>Geen cartridge</translation>
    </message>
    <message>
        <source>Slot %1 status: %2</source>
        <translation>Status van sleuf %1: %2</translation>
    </message>
    <message>
        <source>No Help available yet. Coming soon!</source>
        <translation>Nog geen hulp beschikbaar. Binnenkort!</translation>
    </message>
</context>
</TS>
