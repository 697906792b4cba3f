<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation>Obrazek menu nr 1</translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation>Obrazek menu nr 2</translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation>Obrazek menu nr 3</translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation>Obrazek menu nr 4</translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation>Obrazek menu nr 5</translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation>Obrazek menu nr 6</translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation>Obrazek menu nr 7</translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation>Obrazek menu nr 8</translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation>Obrazek menu nr 9</translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation>Obrazek menu nr 10</translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation>Obrazek menu nr 11</translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation>Obrazek menu nr 12</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Prawy softkey</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Prawa strzałka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Plik patcha</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Wybierz plik w oknie dialogowym systemu</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel – obrazki menu</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Patch nie został jeszcze utworzony. Kliknij &quot;Utwórz&quot;, a potem zapisz patch.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Wybór zmienił się od utworzenia patcha. Kliknij ponownie &quot;Utwórz&quot;, a potem zapisz patch.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Zapisz patch jako</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Pliki patchów (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Musisz wybrać klawisz</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Nie wybrano obrazka menu nr %1</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>nazwa zawiera nieprawidłowe znaki</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>to folder, a nie plik. Dopisz nazwę pliku na końcu ścieżki, na przykład Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>to ścieżka systemu Windows, która w tym systemie nie wskazuje żadnego folderu</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>ta nazwa jest w systemie Windows zarezerwowana dla urządzenia. Wybierz inną nazwę</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>nazwa jest dłuższa, niż pozwala system. Wybierz krótszą nazwę lub inny folder</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>folder &quot;%1&quot; nie istnieje. Wpisz ścieżkę istniejącego folderu lub wybierz plik przyciskiem na końcu pola ścieżki</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>nie masz uprawnień do zapisu w folderze &quot;%1&quot;. Wybierz własny folder, na przykład folder Dokumenty</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>plik jest tylko do odczytu. Wybierz inną nazwę lub zdejmij z pliku atrybut tylko do odczytu</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>plik jest otwarty w innym programie. Zamknij go tam, a potem zapisz ponownie</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>dysk jest pełny. Zwolnij na nim miejsce lub wybierz inny dysk</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>to potok nazwany, a nie plik</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>to gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>to urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>nie da się zachować właściciela lub grupy pliku, a ktoś uzyskałby do niego prawa</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>nie da się zachować listy kontroli dostępu (ACL) pliku</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>w folderze pliku nie można utworzyć nowego pliku, który by go zastąpił (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Nie udało się zapisać patcha jako &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
