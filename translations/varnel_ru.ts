<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Form1</name>
    <message>
        <source>Menu picture no. 1</source>
        <translation>Картинка меню № 1</translation>
    </message>
    <message>
        <source>Menu picture no. 2</source>
        <translation>Картинка меню № 2</translation>
    </message>
    <message>
        <source>Menu picture no. 3</source>
        <translation>Картинка меню № 3</translation>
    </message>
    <message>
        <source>Menu picture no. 4</source>
        <translation>Картинка меню № 4</translation>
    </message>
    <message>
        <source>Menu picture no. 5</source>
        <translation>Картинка меню № 5</translation>
    </message>
    <message>
        <source>Menu picture no. 6</source>
        <translation>Картинка меню № 6</translation>
    </message>
    <message>
        <source>Menu picture no. 7</source>
        <translation>Картинка меню № 7</translation>
    </message>
    <message>
        <source>Menu picture no. 8</source>
        <translation>Картинка меню № 8</translation>
    </message>
    <message>
        <source>Menu picture no. 9</source>
        <translation>Картинка меню № 9</translation>
    </message>
    <message>
        <source>Menu picture no. 10</source>
        <translation>Картинка меню № 10</translation>
    </message>
    <message>
        <source>Menu picture no. 11</source>
        <translation>Картинка меню № 11</translation>
    </message>
    <message>
        <source>Menu picture no. 12</source>
        <translation>Картинка меню № 12</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Правый софт</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Стрелка вправо</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Файл патча</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Выбрать файл в системном диалоге</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel — картинки меню</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Патч ещё не создан. Нажмите &quot;Создать&quot;, а затем сохраните его.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Выбор изменился после создания патча. Нажмите &quot;Создать&quot; ещё раз, а затем сохраните патч.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Сохранить патч как</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Файлы патчей (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Необходимо выбрать клавишу</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Не выбрана картинка меню № %1</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>не указано имя файла</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>имя содержит недопустимые символы</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>это папка, а не файл. Добавьте имя файла в конец пути, например Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>это путь Windows, который не указывает ни на одну папку в этой системе</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>в Windows это имя зарезервировано для устройства. Выберите другое имя</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>имя длиннее, чем допускает система. Выберите более короткое имя или другую папку</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>папка &quot;%1&quot; не существует. Введите путь к существующей папке или выберите файл кнопкой в конце поля пути</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>у вас нет прав на запись в папку &quot;%1&quot;. Выберите свою папку, например папку Документы</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>файл доступен только для чтения. Выберите другое имя или снимите с файла защиту от записи</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>файл открыт в другой программе. Закройте его там и сохраните снова</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>диск заполнен. Освободите на нём место или выберите другой диск</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>это сокет, а не файл</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>это устройство, а не файл</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>не удаётся сохранить владельца или группу файла, и у кого-то появились бы права на него</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>не удаётся сохранить список управления доступом (ACL) файла</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>в папке файла не удаётся создать новый файл для его замены (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Не удалось сохранить патч в &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
