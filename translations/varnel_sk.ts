<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation>Obrázok menu č. 1</translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation>Obrázok menu č. 2</translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation>Obrázok menu č. 3</translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation>Obrázok menu č. 4</translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation>Obrázok menu č. 5</translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation>Obrázok menu č. 6</translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation>Obrázok menu č. 7</translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation>Obrázok menu č. 8</translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation>Obrázok menu č. 9</translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation>Obrázok menu č. 10</translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation>Obrázok menu č. 11</translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation>Obrázok menu č. 12</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Vytvoriť</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Pravý softkey</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Šípka doprava</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Súbor s patchom</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Vybrať súbor</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Vybrať súbor pomocou systémového dialógu</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel – obrázky menu</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Patch ešte nebol vytvorený. Stlačte tlačidlo &quot;Vytvoriť&quot; a potom ho uložte.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Výber sa od vytvorenia patchu zmenil. Stlačte znova tlačidlo &quot;Vytvoriť&quot; a potom patch uložte.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Uložiť patch ako</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Súbory patchov (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Musíte vybrať tlačidlo</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Obrázok menu č. %1 nie je vybraný</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nebol zadaný názov súboru</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>názov obsahuje neplatné znaky</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>je to priečinok, nie súbor. Na koniec cesty doplňte názov súboru, napríklad Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>je to cesta z Windows, ktorá v tomto systéme nevedie do žiadneho priečinka</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>názov je vo Windows vyhradený pre zariadenie. Zvoľte iný názov</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>názov je dlhší, ako systém dovoľuje. Skráťte názov alebo zvoľte iný priečinok</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>priečinok &quot;%1&quot; neexistuje. Zadajte cestu k existujúcemu priečinku alebo vyberte súbor tlačidlom na konci poľa s cestou</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>do priečinka &quot;%1&quot; nemáte právo zapisovať. Zvoľte vlastný priečinok, napríklad priečinok Dokumenty</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>súbor je iba na čítanie. Zvoľte iný názov alebo súboru zrušte atribút iba na čítanie</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>súbor má otvorený iný program. Zatvorte ho v ňom a potom uložte znova</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>disk je plný. Uvoľnite na ňom miesto alebo zvoľte iný disk</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>je to pomenovaná rúra, nie súbor</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>je to socket, nie súbor</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>je to zariadenie, nie súbor</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>vlastníka alebo skupinu súboru nemožno zachovať a niekto by k nemu získal práva</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>zoznam riadenia prístupu (ACL) súboru nemožno zachovať</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>v priečinku súboru nemožno vytvoriť nový súbor, ktorý by ho nahradil (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Patch sa nepodarilo uložiť do &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
