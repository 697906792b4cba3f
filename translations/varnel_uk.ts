<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
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
        <translation>Створити</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Правий софт</translation>
    </message>
    <message>
        <source>Right arow</source>
        <translation>Стрілка вправо</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Patch file</source>
        <translation>Файл патчу</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Вибрати файл</translation>
    </message>
    <message>
        <source>Choose the file with the system&apos;s dialog</source>
        <translation>Вибрати файл у системному діалозі</translation>
    </message>
    <message>
        <source>Varnel menu pictures</source>
        <translation>Varnel — картинки меню</translation>
    </message>
    <message>
        <source>There is no patch yet. Press &quot;Make&quot; to make it, then save it.</source>
        <translation>Патч ще не створено. Натисніть &quot;Створити&quot;, а потім збережіть його.</translation>
    </message>
    <message>
        <source>The choices have changed since the patch was made. Press &quot;Make&quot; to make it again, then save it.</source>
        <translation>Вибір змінився після створення патчу. Натисніть &quot;Створити&quot; ще раз, а потім збережіть патч.</translation>
    </message>
    <message>
        <source>Save the patch as</source>
        <translation>Зберегти патч як</translation>
    </message>
    <message>
        <source>Patch files (*.vkp)</source>
        <translation>Файли патчів (*.vkp)</translation>
    </message>
</context>
<context>
    <name>patch</name>
    <message>
        <source>You must select key</source>
        <translation>Потрібно вибрати клавішу</translation>
    </message>
    <message>
        <source>Menu picture no.%1 is not selected</source>
        <translation>Не вибрано картинку меню № %1</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>не вказано назву файлу</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>назва містить неприпустимі символи</translation>
    </message>
    <message>
        <source>it is a folder, not a file. Put a file name at the end of the path, for example Varnel.vkp</source>
        <translation>це папка, а не файл. Додайте назву файлу в кінець шляху, наприклад Varnel.vkp</translation>
    </message>
    <message>
        <source>it is a Windows path, which names no folder on this system</source>
        <translation>це шлях Windows, який не вказує на жодну папку в цій системі</translation>
    </message>
    <message>
        <source>the name is reserved for a device on Windows. Choose another name</source>
        <translation>у Windows ця назва зарезервована для пристрою. Виберіть іншу назву</translation>
    </message>
    <message>
        <source>the name is longer than the system allows. Choose a shorter name or folder</source>
        <translation>назва довша, ніж дозволяє система. Виберіть коротшу назву або іншу папку</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist. Type the path of a folder that exists, or choose the file with the button at the end of the path field</source>
        <translation>папка &quot;%1&quot; не існує. Введіть шлях до наявної папки або виберіть файл кнопкою в кінці поля шляху</translation>
    </message>
    <message>
        <source>you may not write to the folder &quot;%1&quot;. Choose a folder of your own, for example your Documents folder</source>
        <translation>у вас немає прав на запис у папку &quot;%1&quot;. Виберіть свою папку, наприклад папку Документи</translation>
    </message>
    <message>
        <source>the file is read-only. Choose another name, or clear the file&apos;s read-only mark</source>
        <translation>файл доступний лише для читання. Виберіть іншу назву або зніміть із файлу захист від запису</translation>
    </message>
    <message>
        <source>another program has the file open. Close the file there, then save again</source>
        <translation>файл відкрито в іншій програмі. Закрийте його там і збережіть знову</translation>
    </message>
    <message>
        <source>the disk is full. Make room on it, or choose another disk</source>
        <translation>диск заповнений. Звільніть на ньому місце або виберіть інший диск</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>це іменований канал, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>це сокет, а не файл</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>це пристрій, а не файл</translation>
    </message>
    <message>
        <source>its owner or group cannot be kept, and someone would gain rights to it</source>
        <translation>не вдається зберегти власника або групу файлу, і хтось отримав би права на нього</translation>
    </message>
    <message>
        <source>its access control list cannot be kept</source>
        <translation>не вдається зберегти список керування доступом (ACL) файлу</translation>
    </message>
    <message>
        <source>no new file can be made in its folder to replace it (%1)</source>
        <translation>у папці файлу не вдається створити новий файл для його заміни (%1)</translation>
    </message>
    <message>
        <source>The patch could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Не вдалося зберегти патч у &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
