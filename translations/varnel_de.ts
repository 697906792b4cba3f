<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
