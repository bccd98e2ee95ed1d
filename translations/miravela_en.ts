<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>BackupCopy</name>
    <message>
        <source>Nie można zapisać kolejności kopii zapasowych pliku %1 w folderze %2: %3</source>
        <translation>Cannot record the order of the backup copies of %1 in the folder %2: %3</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Folder z danymi „%1” jest używany przez program Miravela na komputerze „%2”.

Zakończ program na tamtym komputerze i uruchom go tutaj ponownie.</source>
        <translation>The data folder “%1” is in use by Miravela on the computer “%2”.

Close the program on that computer and start it here again.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Zapisano plik %1, ale nie można utrwalić zmiany w folderze %2: %3</source>
        <translation>Saved the file %1, but the change to the folder %2 could not be made permanent: %3</translation>
    </message>
</context>
</TS>
