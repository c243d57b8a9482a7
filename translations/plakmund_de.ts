<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CartridgeLoading</name>
    <message>
        <source>Cartridge File Size Notice!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: The cartridge file size is: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It should be 16,464(16K) or 8,272(8k) Bytes or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the file is larger than 16,464 bytes the file will not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit Cancel to load the cartridge file anyway.</source>
        <comment>Cancel: the message box&apos;s button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does this cartridge have a header?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartridge file can not be larger than 16kb for use on Kestrix!</source>
        <comment>Kestrix: the cartridge board</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartridge Rom(.crt, .bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please load a Cartridge file not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Cartridge file (*.crt,*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License MIT: &lt;https://opensource.org/licenses/MIT&gt;
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot; is not in the image: %3 holds slots 0 to %4</source>
        <comment>%3: an EPROM size such as 1mb</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EPROM size: %1 (default: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file (default: SETFILE ending in .bin); its listing is IMAGE-list.txt beside it.</source>
        <comment>SETFILE, IMAGE: the arguments&apos; names, as the usage line shows them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the set and report, but write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder for the games and the set file (default: a new folder IMAGE-split beside the image, without its extension).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output version information and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;plakmund-build %1--help&apos; for more information.</source>
        <comment>%1: the command, if any, and a space</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMAGE must not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-list.txt: not used for the names: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 is blank; it has a file all the same, so that the image builds again as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from nowhere (&quot;???&quot;), set file %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 image: %2 games, names from %3, set file %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dump is %1 bytes, longer than the %2 image&apos;s %3: its first %3 bytes are compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dump is %1 bytes, not the %2 image&apos;s %3: only the games it holds whole are compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same, blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: blank in the dump, as an erased chip reads, but not in the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 &quot;%2&quot;: differs in %3 of 16384 bytes, the first at offset %4 of the slot (0x%5 in the image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the EPROM image of the set file SETFILE and its listing, as the window&apos;s Load CRT Set and Save BIN File do after a fresh start. Relative cartridge locations in SETFILE are taken from its folder. The exit status is 0 when the image holds every game of the set (with --check: when the set loaded without a message and every game fits the size), 1 when a file could not be read or written or a game does not fit, and then nothing is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the EPROM image IMAGE (%1) into its games: a 16 KB file for each and a set file that builds the same image again, with the names from the listing IMAGE-list.txt where it fits, &quot;???&quot; otherwise. Exit status 0 when every file was written, 1 otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare DUMP, a chip read back by the programmer, with the image SETFILE gives, one line for each game. Exit status 0 only when every byte of the image is the same in the dump.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: plakmund-build %1[options] %2</source>
        <comment>%1: the command, if any, and a space; %2: its arguments</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands (plakmund-build COMMAND --help tells each):
  build   the image of a set file, as without a command
  split   an image&apos;s games as files and a set file
  verify  a chip read back against a set
</source>
        <comment>build, split, verify: the commands&apos; names, which stay as they are</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report bugs to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A set file (.plk).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An EPROM image (.bin).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chip as the programmer read it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly %1</source>
        <comment>%1: the arguments&apos; names, such as &apos;DUMP SETFILE&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not %2</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CrtSet</name>
    <message>
        <source>Ok</source>
        <comment>a slot&apos;s status: the cartridge is fine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXROM Detected! Switch EXROM on Kestrix to Active(On)</source>
        <comment>EXROM: a switch on the Kestrix board</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Cartridge settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Cartridge details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you do not have permission to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its path runs in a loop of symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its disk is write-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not one Windows allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its drive is not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device path, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a colon in its name makes it a stream of another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows keeps the name &quot;%1&quot; for a device in every folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the set was read from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;, which the set was read from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes there</source>
        <comment>%1: a file the same command writes, such as &apos;the image file &quot;a.bin&quot;&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files: &apos;the image file &quot;a.bin&quot; and the listing file &quot;a.bin-list.txt&quot;&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Only %1 was replaced.</source>
        <comment>%1: the files replaced, as in &apos;%1 and %2&apos;</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>it lies on a kernel file system, which holds devices and settings, not files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; lies in a shared folder and belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you may not create files in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder is on a read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only %1 of %2 bytes fitted on the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you may not replace it in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lies in a shared folder and belongs to another user, who alone may replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another save into its folder has not finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>The set file &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the set file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cartridge file &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cartridge file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The listing file &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the listing file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dump &quot;%1&quot; can not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dump &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cartridge file for slot %1 &quot;%2&quot; can not be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageCommands</name>
    <message>
        <source>Save BIN Image</source>
        <comment>the file dialog&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary Cartridge Image(.bin)</source>
        <comment>a file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageSplit</name>
    <message>
        <source>it lists a %1 image, not a %2 one</source>
        <comment>%1, %2: EPROM sizes such as 1mb</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 bytes long, which is no %2 image</source>
        <comment>%2: the EPROM sizes, such as &apos;512kb, 1mb or 2mb&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>it does not begin as a listing does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no EPROM size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 lines, not the %2 of a listing of %3 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line of dashes belongs here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1&apos;s line must begin with &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its last line is not the program&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>the line is blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line holds a stray carriage return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is not in double quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name has no closing double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comma must follow the name&apos;s closing double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the location is not in double quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the location has no closing double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows the location&apos;s closing double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a set holds at most %1 records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFileCommands</name>
    <message>
        <source>Plakmund File(.plk)</source>
        <comment>a file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the location of slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set file &quot;%1&quot; was saved, but a set file can not hold double quotes or line breaks: in it they became apostrophes and spaces in %2. The window keeps them.</source>
        <comment>%2: a list such as &apos;the name of slot 3, the location of slot A&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Plakmund File</source>
        <comment>the file dialog&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetLoading</name>
    <message>
        <source>it is longer than 1 MiB, far too long for a set file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Cartridge File %1 is missing!</source>
        <comment>%1: the slot&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeMode</name>
    <message>
        <source>%1 or %2</source>
        <comment>a choice: &apos;512kb, 1mb&apos; or &apos;2mb&apos;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 | Size: %3</source>
        <comment>the window&apos;s caption: the program&apos;s name, its version and the EPROM size</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plakmund::MainWindow</name>
    <message>
        <source>Load cartridge into slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <comment>the frame around the program&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartridge board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photograph of the Kestrix board: its EPROM, switches, LEDs and edge connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load CRT Set</source>
        <comment>a command button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CRT Set</source>
        <comment>a command button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save BIN File</source>
        <comment>a command button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>a command button: empties every slot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <comment>a command button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>a command button: ends the program</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a command&apos;s tooltip: its caption and its shortcut key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cartridge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 status: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Help available yet. Coming soon!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
