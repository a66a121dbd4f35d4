<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BackupStore</name>
    <message>
        <source>There is no per-user data folder to keep backups in.</source>
        <translation>There is no per-user data folder to keep backups in.</translation>
    </message>
    <message>
        <source>Cannot write a backup in %1: %2.</source>
        <translation>Cannot write a backup in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write a backup in %1: every name of this second is taken.</source>
        <translation>Cannot write a backup in %1: every name of this second is taken.</translation>
    </message>
    <message>
        <source>There is no per-user data folder to keep backups in: %1.</source>
        <translation>There is no per-user data folder to keep backups in: %1.</translation>
    </message>
    <message>
        <source>Cannot create the backups folder %1: %2.</source>
        <translation>Cannot create the backups folder %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read: Permission denied</source>
        <translation>the folder %1 cannot be read: Permission denied</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;ontents</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>A transfer with the radio is still running.
Cancel the transfer and close the program?</source>
        <translation>A transfer with the radio is still running.
Cancel the transfer and close the program?</translation>
    </message>
</context>
<context>
    <name>CTreeControlBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>IE Control Bar</source>
        <translation>IE Control Bar</translation>
    </message>
</context>
<context>
    <name>CellValues</name>
    <message>
        <source>name %1 stored as %2</source>
        <translation>name %1 stored as %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone of the list (67.0 ... 254.1, D023N ... D754N, D023I ... D754I or None)</source>
        <translation>%1 %2 is not a tone of the list (67.0 ... 254.1, D023N ... D754N, D023I ... D754I or None)</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 is not one of %3</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>unknown column %1 in the header</source>
        <translation>unknown column %1 in the header</translation>
    </message>
    <message>
        <source>column %1 appears twice in the header</source>
        <translation>column %1 appears twice in the header</translation>
    </message>
    <message>
        <source>the header needs at least the columns %1 and %2</source>
        <translation>the header needs at least the columns %1 and %2</translation>
    </message>
    <message>
        <source>CH %1 is not Pr or 1-199</source>
        <translation>CH %1 is not Pr or 1-199</translation>
    </message>
    <message>
        <source>CH is missing</source>
        <translation>CH is missing</translation>
    </message>
    <message>
        <source>Rx Frequency is empty; leave the whole row empty to empty the channel</source>
        <translation>Rx Frequency is empty; leave the whole row empty to empty the channel</translation>
    </message>
    <message>
        <source>the row is empty: it has no channel to add</source>
        <translation>the row is empty: it has no channel to add</translation>
    </message>
    <message>
        <source>channel %1 is already set on line %2</source>
        <translation>channel %1 is already set on line %2</translation>
    </message>
    <message>
        <source>no empty channel is left from channel %1 on</source>
        <translation>no empty channel is left from channel %1 on</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header line</source>
        <translation>the file is empty: it needs a header line</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes; a list of 200 channels is far smaller</source>
        <translation>the file is larger than %1 bytes; a list of 200 channels is far smaller</translation>
    </message>
    <message>
        <source>more than 200 channel rows; the radio has 200 channels (Pr and 1-199)</source>
        <translation>more than 200 channel rows; the radio has 200 channels (Pr and 1-199)</translation>
    </message>
    <message>
        <source>no channels in the file; nothing changed</source>
        <translation>no channels in the file; nothing changed</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz (digits with a decimal point, as 146.525)</source>
        <translation>%1 %2 is not a frequency in MHz (digits with a decimal point, as 146.525)</translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <translation>%1 (%2 %3)</translation>
    </message>
    <message>
        <source>the line has %1 fields where the header has %2 columns; is it cut short?</source>
        <translation>the line has %1 fields where the header has %2 columns; is it cut short?</translation>
    </message>
    <message>
        <source>more fields than the header has columns (%1 where the header has %2); a value holding a comma must be in double quotes</source>
        <translation>more fields than the header has columns (%1 where the header has %2); a value holding a comma must be in double quotes</translation>
    </message>
    <message>
        <source>Location %1 is not 0-199 (0 is the priority channel Pr)</source>
        <translation>Location %1 is not 0-199 (0 is the priority channel Pr)</translation>
    </message>
    <message>
        <source>Offset %1 (the Tx frequency of a split channel) is not a number of MHz</source>
        <translation>Offset %1 (the Tx frequency of a split channel) is not a number of MHz</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 is not a number of MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not one of +, -, split, off or empty</source>
        <translation>Duplex %1 is not one of +, -, split, off or empty</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex %2</source>
        <translation>Offset %1 with Duplex %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2 gives the Tx frequency %3 MHz)</source>
        <translation>%1 (%2 gives the Tx frequency %3 MHz)</translation>
    </message>
    <message>
        <source>Power %1 is not a number of watts nor High, Middle, Low</source>
        <translation>Power %1 is not a number of watts nor High, Middle, Low</translation>
    </message>
    <message>
        <source>Mode %1: the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation>Mode %1: the radio has FM (Wide) and NFM (Narrow) only</translation>
    </message>
    <message>
        <source>the header has no Frequency column</source>
        <translation>the header has no Frequency column</translation>
    </message>
    <message>
        <source>DTCS code %1 is not a three-digit code</source>
        <translation>DTCS code %1 is not a three-digit code</translation>
    </message>
    <message>
        <source>DTCS polarity %1 is not N or R</source>
        <translation>DTCS polarity %1 is not N or R</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone in Hz with at most one decimal (as 88.5)</source>
        <translation>%1 %2 is not a tone in Hz with at most one decimal (as 88.5)</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not two letters</source>
        <translation>DtcsPolarity %1 is not two letters</translation>
    </message>
    <message>
        <source>tone mode %1 is not one of Tone, TSQL, DTCS, Cross</source>
        <translation>tone mode %1 is not one of Tone, TSQL, DTCS, Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not understood</source>
        <translation>CrossMode %1 is not understood</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>more than %1 records</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>a quoted field is not closed</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>text after the closing quote of a field</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>the file is not UTF-8 text</translation>
    </message>
</context>
<context>
    <name>ChannelRowCommands</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Cop&amp;y</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Row</source>
        <translation>&amp;Insert Empty Row</translation>
    </message>
    <message>
        <source>Delete Ro&amp;w</source>
        <translation>Delete Ro&amp;w</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>Mo&amp;ve Up</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>Move Dow&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>&amp;Sort by Rx Frequency</translation>
    </message>
    <message>
        <source>Sort by Na&amp;me</source>
        <translation>Sort by Na&amp;me</translation>
    </message>
    <message>
        <source>Set %1 for Selected</source>
        <translation>Set %1 for Selected</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Fill Down</translation>
    </message>
    <message>
        <source>Set T&amp;x from Rx...</source>
        <translation>Set T&amp;x from Rx...</translation>
    </message>
    <message>
        <source>Shift Fre&amp;quencies...</source>
        <translation>Shift Fre&amp;quencies...</translation>
    </message>
    <message>
        <source>Insert Channel &amp;List...</source>
        <translation>Insert Channel &amp;List...</translation>
    </message>
</context>
<context>
    <name>ComPort</name>
    <message>
        <source>you may not use %1: add yourself to the group that owns it (%2): sudo usermod -aG %2 $USER, then log in again</source>
        <translation>you may not use %1: add yourself to the group that owns it (%2): sudo usermod -aG %2 $USER, then log in again</translation>
    </message>
    <message>
        <source>no port name was given</source>
        <translation>no port name was given</translation>
    </message>
    <message>
        <source>there is no device %1 (a port name without a folder is looked up in /dev)</source>
        <translation>there is no device %1 (a port name without a folder is looked up in /dev)</translation>
    </message>
    <message>
        <source>%1 is not a serial port (it is a file or a folder, not a device)</source>
        <translation>%1 is not a serial port (it is a file or a folder, not a device)</translation>
    </message>
</context>
<context>
    <name>DatFile</name>
    <message>
        <source>%1 is a folder, not a .dat file.</source>
        <translation>%1 is a folder, not a .dat file.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Check that you may read it.</source>
        <translation>Cannot read %1: %2. Check that you may read it.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2. Check the file name.</source>
        <translation>Cannot open %1: %2. Check the file name.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a radio image (.dat) has %3. The file is not a complete image and was not opened.</source>
        <translation>%1 holds %2 bytes; a radio image (.dat) has %3. The file is not a complete image and was not opened.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Choose another folder or file name.</source>
        <translation>Cannot save %1: %2. Choose another folder or file name.</translation>
    </message>
    <message>
        <source>Saving %1 failed: %2. The previous file is unchanged.</source>
        <translation>Saving %1 failed: %2. The previous file is unchanged.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; a radio image (.dat) is a file.</source>
        <translation>%1 is not a regular file; a radio image (.dat) is a file.</translation>
    </message>
    <message>
        <source>Saving %1 failed: %2. No file was made.</source>
        <translation>Saving %1 failed: %2. No file was made.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, not an %3-byte image; nothing was changed. Choose another file name.</source>
        <translation>%1 is %2 bytes, not an %3-byte image; nothing was changed. Choose another file name.</translation>
    </message>
    <message>
        <source>Cannot open %1: the file&apos;s name is not valid UTF-8 and cannot be handled. Rename the file.</source>
        <translation>Cannot open %1: the file&apos;s name is not valid UTF-8 and cannot be handled. Rename the file.</translation>
    </message>
</context>
<context>
    <name>DataPaths</name>
    <message>
        <source>your home folder is not known (HOME is not set)</source>
        <translation>your home folder is not known (HOME is not set)</translation>
    </message>
    <message>
        <source>your home folder %1 does not exist; set HOME (or %2) to a folder that does</source>
        <translation>your home folder %1 does not exist; set HOME (or %2) to a folder that does</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>Program Document (*.dat)</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; has changes that were not saved.
Save them now?</source>
        <translation>The document &quot;%1&quot; has changes that were not saved.
Save them now?</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or a pipe; it was not opened.</source>
        <translation>%1 is not a file but a device or a pipe; it was not opened.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, not an %3-byte image. Replace it with the %3 bytes of this document? Its other bytes will be lost.</source>
        <translation>%1 is %2 bytes, not an %3-byte image. Replace it with the %3 bytes of this document? Its other bytes will be lost.</translation>
    </message>
    <message>
        <source>%1 is in use by another process (%2).
The document is open to read, but it cannot be saved under its name while that process holds it; Save offers Save As instead.</source>
        <translation>%1 is in use by another process (%2).
The document is open to read, but it cannot be saved under its name while that process holds it; Save offers Save As instead.</translation>
    </message>
    <message>
        <source>%1
Save the document under another name?</source>
        <translation>%1
Save the document under another name?</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Undo %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Redo %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>a folder, not a file</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>cannot be made</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>Cannot lock %1: %2 is %3.</source>
        <translation>Cannot lock %1: %2 is %3.</translation>
    </message>
    <message>
        <source>%1 is in use by another process (%2); nothing was changed. Try again when it has finished.</source>
        <translation>%1 is in use by another process (%2); nothing was changed. Try again when it has finished.</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2.</source>
        <translation>Cannot lock %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetNames</name>
    <message>
        <source>line %1: &quot;%2&quot; cannot be a power-on name (at most 6 characters: 0-9, A-Z, - and _)</source>
        <translation>line %1: &quot;%2&quot; cannot be a power-on name (at most 6 characters: 0-9, A-Z, - and _)</translation>
    </message>
    <message>
        <source>the list holds no power-on name</source>
        <translation>the list holds no power-on name</translation>
    </message>
</context>
<context>
    <name>FrameActions</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Display full pages</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>&amp;Channel Information</translation>
    </message>
    <message>
        <source>Show the channel table</source>
        <translation>Show the channel table</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>&amp;Optional Features</translation>
    </message>
    <message>
        <source>Edit the optional features of the radio</source>
        <translation>Edit the optional features of the radio</translation>
    </message>
    <message>
        <source>Sql Adjust</source>
        <translation>Sql Adjust</translation>
    </message>
    <message>
        <source>Adjust the squelch levels</source>
        <translation>Adjust the squelch levels</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>Choose the radio type and frequency range</source>
        <translation>Choose the radio type and frequency range</translation>
    </message>
    <message>
        <source>&amp;Read    Ctrl+R</source>
        <translation>&amp;Read    Ctrl+R</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Read all data from the radio</source>
        <translation>Read all data from the radio</translation>
    </message>
    <message>
        <source>&amp;Write   Ctrl+W</source>
        <translation>&amp;Write   Ctrl+W</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Write all data to the radio</source>
        <translation>Write all data to the radio</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>&amp;Control Bar</translation>
    </message>
    <message>
        <source>Show or hide the control bar</source>
        <translation>Show or hide the control bar</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>&amp;Com Setup</translation>
    </message>
    <message>
        <source>Choose the serial port of the cable</source>
        <translation>Choose the serial port of the cable</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Choose the interface language</source>
        <translation>Choose the interface language</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Show the help topics</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <source>&amp;About QX_617...</source>
        <translation>&amp;About QX_617...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation>&amp;About Program...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Redo the change undone last</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard and clear them</source>
        <translation>Copy the selected channels to the clipboard and clear them</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard</source>
        <translation>Copy the selected channels to the clipboard</translation>
    </message>
    <message>
        <source>Paste channels from the clipboard, from the first selected row on</source>
        <translation>Paste channels from the clipboard, from the first selected row on</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>Clear the selected channels</translation>
    </message>
    <message>
        <source>Insert an empty row; the rows below move down</source>
        <translation>Insert an empty row; the rows below move down</translation>
    </message>
    <message>
        <source>Delete the selected rows; the rows below move up</source>
        <translation>Delete the selected rows; the rows below move up</translation>
    </message>
    <message>
        <source>Move the selected rows up by one</source>
        <translation>Move the selected rows up by one</translation>
    </message>
    <message>
        <source>Move the selected rows down by one</source>
        <translation>Move the selected rows down by one</translation>
    </message>
    <message>
        <source>Sort the selected channels by receive frequency</source>
        <translation>Sort the selected channels by receive frequency</translation>
    </message>
    <message>
        <source>Sort the selected channels by name</source>
        <translation>Sort the selected channels by name</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation>Show the contents of the help</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Open &amp;Backup...</translation>
    </message>
    <message>
        <source>Open a copy kept of an image read from or written to the radio</source>
        <translation>Open a copy kept of an image read from or written to the radio</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mpare With...</translation>
    </message>
    <message>
        <source>Compare the active document with a file or a backup copy</source>
        <translation>Compare the active document with a file or a backup copy</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Import CSV...</translation>
    </message>
    <message>
        <source>Import channels from a CSV file into the active document</source>
        <translation>Import channels from a CSV file into the active document</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>Export the channel table of the active document to a CSV file</source>
        <translation>Export the channel table of the active document to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Find...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find a name, frequency or tone in the channel table</source>
        <translation>Find a name, frequency or tone in the channel table</translation>
    </message>
    <message>
        <source>Check Channel &amp;Plan</source>
        <translation>Check Channel &amp;Plan</translation>
    </message>
    <message>
        <source>List the channels the radio refuses, repeated channels and names used twice</source>
        <translation>List the channels the radio refuses, repeated channels and names used twice</translation>
    </message>
    <message>
        <source>&amp;Hide Empty Channels</source>
        <translation>&amp;Hide Empty Channels</translation>
    </message>
    <message>
        <source>Show only the channels in use</source>
        <translation>Show only the channels in use</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Write to &amp;Several Radios...</translation>
    </message>
    <message>
        <source>Write the document to one radio after another, each verified</source>
        <translation>Write the document to one radio after another, each verified</translation>
    </message>
    <message>
        <source>Save &amp;Link Log...</source>
        <translation>Save &amp;Link Log...</translation>
    </message>
    <message>
        <source>Save every byte of the latest transfer with the radio, to attach to a bug report</source>
        <translation>Save every byte of the latest transfer with the radio, to attach to a bug report</translation>
    </message>
    <message>
        <source>Copy the top cell of the selection into the cells below</source>
        <translation>Copy the top cell of the selection into the cells below</translation>
    </message>
    <message>
        <source>Set the Tx frequency of the selected channels from their Rx frequency and an offset</source>
        <translation>Set the Tx frequency of the selected channels from their Rx frequency and an offset</translation>
    </message>
    <message>
        <source>Move the Rx and Tx frequencies of the selected channels by an amount</source>
        <translation>Move the Rx and Tx frequencies of the selected channels by an amount</translation>
    </message>
    <message>
        <source>Add a ready-made channel list into the free channels from the current row on</source>
        <translation>Add a ready-made channel list into the free channels from the current row on</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Use the colours of the system</source>
        <translation>Use the colours of the system</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Light</translation>
    </message>
    <message>
        <source>Use light colours</source>
        <translation>Use light colours</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dark</translation>
    </message>
    <message>
        <source>Use dark colours</source>
        <translation>Use dark colours</translation>
    </message>
    <message>
        <source>Th&amp;eme</source>
        <translation>Th&amp;eme</translation>
    </message>
</context>
<context>
    <name>ImageFileCommands</name>
    <message>
        <source>Channel table CSV (*.csv)</source>
        <translation>Channel table CSV (*.csv)</translation>
    </message>
    <message>
        <source>Community CSV (*.csv)</source>
        <translation>Community CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 is not a file that can be imported. Choose a CSV file.</source>
        <translation>%1 is not a file that can be imported. Choose a CSV file.</translation>
    </message>
    <message>
        <source>%1 is too large for a list of channels (%2 bytes). Choose a CSV file of at most 200 channels.</source>
        <translation>%1 is too large for a list of channels (%2 bytes). Choose a CSV file of at most 200 channels.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>Link logs (*.log)</source>
        <translation>Link logs (*.log)</translation>
    </message>
    <message>
        <source>There is no link log yet: no transfer with the radio has run since the program started. Read or write the radio, then save the log of that transfer.</source>
        <translation>There is no link log yet: no transfer with the radio has run since the program started. Read or write the radio, then save the log of that transfer.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Cannot create %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not read: it is larger than %2 bytes, the most a settings file may have.</source>
        <translation>%1 was not read: it is larger than %2 bytes, the most a settings file may have.</translation>
    </message>
</context>
<context>
    <name>OpenRadioPort</name>
    <message>
        <source>the simulated radio is in use by another process (%1, process %2)</source>
        <translation>the simulated radio is in use by another process (%1, process %2)</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
</context>
<context>
    <name>PortHolders</name>
    <message>
        <source>ModemManager tries every new serial device as a modem and lets go after a few seconds: try again, or stop it while you program (sudo systemctl stop ModemManager).</source>
        <translation>ModemManager tries every new serial device as a modem and lets go after a few seconds: try again, or stop it while you program (sudo systemctl stop ModemManager).</translation>
    </message>
    <message>
        <source>brltty takes some USB serial cables for a braille display: unless you use one, remove it (sudo apt remove brltty) and plug the cable in again.</source>
        <translation>brltty takes some USB serial cables for a braille display: unless you use one, remove it (sudo apt remove brltty) and plug the cable in again.</translation>
    </message>
    <message>
        <source>Another transfer with the radio is running: wait until it ends, or close that program.</source>
        <translation>Another transfer with the radio is running: wait until it ends, or close that program.</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>Close that program and try again.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (process %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 is in use by %2.</translation>
    </message>
</context>
<context>
    <name>ProgramIni</name>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>cannot copy %1 to %2: %3</translation>
    </message>
    <message>
        <source>no Program.ini was loaded</source>
        <translation>no Program.ini was loaded</translation>
    </message>
    <message>
        <source>there is no folder for the user&apos;s settings (is HOME set?)</source>
        <translation>there is no folder for the user&apos;s settings (is HOME set?)</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 could not be written</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>The file &quot;%1&quot; no longer exists.
It was taken off the list of recent files.</source>
        <translation>The file &quot;%1&quot; no longer exists.
It was taken off the list of recent files.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>Out of range,please input again.</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>Communication Error,Please check all the connections and the radio power</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>All data will be Cleared!</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Could not Open the Port,Please check whether the Port are occupied or the device are ok</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>Program Interrupt, Please reset the radio and try again</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>Not a frequency: type the MHz with digits and a decimal point, as 146.525. The cell keeps what it held.</source>
        <translation>Not a frequency: type the MHz with digits and a decimal point, as 146.525. The cell keeps what it held.</translation>
    </message>
</context>
</TS>
