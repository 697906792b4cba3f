<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation>Menübild Nr. 1</translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation>Menübild Nr. 2</translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation>Menübild Nr. 3</translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation>Menübild Nr. 4</translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation>Menübild Nr. 5</translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation>Menübild Nr. 6</translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation>Menübild Nr. 7</translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation>Menübild Nr. 8</translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation>Menübild Nr. 9</translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation>Menübild Nr. 10</translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation>Menübild Nr. 11</translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation>Menübild Nr. 12</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Softkey rechts</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Patch-Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Datei mit dem Dateidialog des Systems auswählen</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel – Menübilder</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Es gibt noch keinen Patch. Klicken Sie auf &quot;Erstellen&quot; und speichern Sie ihn dann.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Die Auswahl hat sich seit dem Erstellen des Patches geändert. Klicken Sie erneut auf &quot;Erstellen&quot; und speichern Sie den Patch dann.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Patch speichern unter</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Patch-Dateien (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Sie müssen eine Taste auswählen</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Menübild Nr. %1 ist nicht ausgewählt</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>ungültige Zeichen im Namen</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>Ziel ist ein Ordner, keine Datei. Hängen Sie einen Dateinamen an den Pfad an, zum Beispiel Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>Windows-Pfad, der auf diesem System keinen Ordner bezeichnet</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>Name ist unter Windows für ein Gerät reserviert. Wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>Name ist länger, als das System erlaubt. Wählen Sie einen kürzeren Namen oder einen anderen Ordner</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>Ordner &quot;%1&quot; existiert nicht. Geben Sie den Pfad eines vorhandenen Ordners ein oder wählen Sie die Datei mit der Schaltfläche am Ende des Pfadfelds</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>keine Schreibrechte für den Ordner &quot;%1&quot;. Wählen Sie einen eigenen Ordner, zum Beispiel Ihren Ordner Dokumente</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>Datei ist schreibgeschützt. Wählen Sie einen anderen Namen oder heben Sie den Schreibschutz der Datei auf</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>Datei ist in einem anderen Programm geöffnet. Schließen Sie sie dort und speichern Sie dann erneut</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>Datenträger ist voll. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Datenträger</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>Ziel ist eine Named Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>Ziel ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>Ziel ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>Eigentümer oder Gruppe der Datei können nicht beibehalten werden, und jemand würde Rechte daran erhalten</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>Zugriffssteuerungsliste (ACL) der Datei kann nicht beibehalten werden</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>Ersatzdatei kann im Ordner der Datei nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Der Patch konnte nicht unter &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
</context>
</TS>
