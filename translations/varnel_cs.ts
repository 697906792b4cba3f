<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation>Obrázek menu č. 1</translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation>Obrázek menu č. 2</translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation>Obrázek menu č. 3</translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation>Obrázek menu č. 4</translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation>Obrázek menu č. 5</translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation>Obrázek menu č. 6</translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation>Obrázek menu č. 7</translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation>Obrázek menu č. 8</translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation>Obrázek menu č. 9</translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation>Obrázek menu č. 10</translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation>Obrázek menu č. 11</translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation>Obrázek menu č. 12</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Pravá softklávesa</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Šipka vpravo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Soubor s patchem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Vybrat soubor</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Vybrat soubor pomocí systémového dialogu</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel – obrázky menu</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Patch ještě nebyl vytvořen. Stiskněte tlačítko &quot;Vytvořit&quot; a potom ho uložte.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Výběr se od vytvoření patche změnil. Stiskněte znovu tlačítko &quot;Vytvořit&quot; a potom patch uložte.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Uložit patch jako</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Soubory patchů (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Musíte vybrat klávesu</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Obrázek menu č. %1 není vybrán</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nebyl zadán název souboru</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>název obsahuje neplatné znaky</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>je to složka, ne soubor. Na konec cesty doplňte název souboru, například Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>je to cesta z Windows, která v tomto systému nevede do žádné složky</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>název je ve Windows vyhrazen pro zařízení. Zvolte jiný název</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>název je delší, než systém dovoluje. Zkraťte název nebo zvolte jinou složku</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>složka &quot;%1&quot; neexistuje. Zadejte cestu k existující složce nebo soubor vyberte tlačítkem na konci pole s cestou</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>do složky &quot;%1&quot; nemáte právo zapisovat. Zvolte vlastní složku, například složku Dokumenty</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>soubor je jen pro čtení. Zvolte jiný název nebo souboru zrušte atribut jen pro čtení</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>soubor má otevřený jiný program. Zavřete ho v něm a potom uložte znovu</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>disk je plný. Uvolněte na něm místo nebo zvolte jiný disk</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>je to pojmenovaná roura, ne soubor</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>je to socket, ne soubor</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>je to zařízení, ne soubor</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>vlastníka nebo skupinu souboru nelze zachovat a někdo by k němu získal práva</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>seznam řízení přístupu (ACL) souboru nelze zachovat</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>ve složce souboru nelze vytvořit nový soubor, který by ho nahradil (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Patch se nepodařilo uložit do &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
