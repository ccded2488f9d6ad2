<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Разработчики Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>О программе Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: ответ не в формате WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: ответ не в формате WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: сервер не сообщает ни одного календаря</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>другая копия программы удерживает %1, но не отвечает</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>пароль читается со стандартного ввода, а не из командной строки</translation>
    </message>
    <message>
        <source>A to-do list in the system tray.

Commands:
  (none)          start the tray program, or show the panel of the one running
  toggle          show or hide the panel, as the global shortcut does
  add TITLE...    add an item; the words are joined by spaces
  list [--all]    print the items to do (or all, with [x] or [ ]), newest first
  count           print the number of items to do
  sync            sync with the calendar server now and print what changed
  sync --status   print how the last sync went
  sync --account URL USER [--allow-plain-http]
                  sync with the calendar at URL as USER from now on; the
                  password is read from standard input
  sync --off      forget the account and its password; the items stay

Exit status: 0 done, 1 failed, 2 bad words; for sync also 3 wrong password,
4 try again later, 5 refused or sync off.</source>
        <translation>Список дел в системном лотке.

Команды:
  (нет)           запустить программу в лотке или показать панель уже
                  запущенной
  toggle          показать или скрыть панель, как глобальная комбинация клавиш
  add TITLE...    добавить задачу; слова соединяются пробелами
  list [--all]    вывести невыполненные задачи (или все, с [x] или [ ]),
                  сначала новые
  count           вывести число невыполненных задач
  sync            синхронизировать с сервером календаря сейчас и вывести
                  изменения
  sync --status   вывести, как прошла последняя синхронизация
  sync --account URL USER [--allow-plain-http]
                  с этого момента синхронизировать с календарём по адресу URL
                  от имени USER; пароль читается со стандартного ввода
  sync --off      забыть учётную запись и её пароль; задачи остаются

Код возврата: 0 — готово, 1 — ошибка, 2 — неверные аргументы; для sync также
3 — неверный пароль, 4 — повторите позже, 5 — отказ или синхронизация
выключена.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>«%1» не является веб-адресом (пример: https://example.org/dav/)</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>не является командой: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>аргумент %1 не является корректным текстом UTF-8</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>С list: все задачи, включая отмеченные.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Показать список во всплывающем окне вместо панели.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>С sync: как прошла последняя синхронизация.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>С sync: забыть учётную запись и её пароль.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>С sync: синхронизировать от имени USER с сервером календаря по адресу URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>С sync --account: разрешить нешифрованный адрес http:// другого компьютера.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Сообщать, что делает программа, а не только о проблемах.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count или sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>С add: название задачи; с sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Использование: %1 [параметры] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (название, начинающееся с «-», указывается после --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>неизвестная команда «%1»; команды: toggle, add, list, count и sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all используется только с list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 используется только с sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync принимает один из параметров: --status, --off или --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http используется только с sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>для sync --account нужны адрес сервера и имя пользователя, например: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>для add нужно название, например: redizado add купить молоко</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 не принимает других слов (получено: «%2»)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>не удалось загрузить библиотеку программы:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Пароль для %1 на %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>запущенная копия программы не закончила работу за %n минуту; возможно, синхронизация ещё идёт (см. redizado sync --status)</numerusform>
            <numerusform>запущенная копия программы не закончила работу за %n минуты; возможно, синхронизация ещё идёт (см. redizado sync --status)</numerusform>
            <numerusform>запущенная копия программы не закончила работу за %n минут; возможно, синхронизация ещё идёт (см. redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>другая копия программы удерживает %1, но не отвечает</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: не удалось установить защищённое соединение</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: нет ответа (сетевая ошибка %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>это не веб-адрес</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>по обычному HTTP пароль ушёл бы открытым текстом; нужен HTTPS</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>это не сервер учётной записи %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: слишком много перенаправлений</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>для add нужно название</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>задача добавлена, но не сохранена; причина указана в журнале</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>это не команда для задач</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Отметить или снять отметку (Пробел в списке)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Удалить (Delete в списке)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Удалить задачу без названия</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Удалить %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Название задачи без названия</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Название задачи %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>JLSegmentedControl</name>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <extracomment>%1 is the segment&apos;s label, such as &quot;To Do&quot;</extracomment>
        <translation>
            <numerusform>%1, %n задача</numerusform>
            <numerusform>%1, %n задачи</numerusform>
            <numerusform>%1, %n задач</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLShortcutSelector</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Без модификатора</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Стрелка влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Стрелка вправо</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Стрелка вниз</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Стрелка вверх</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Модификатор</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Второй модификатор</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Показать или скрыть Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>О программе Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Выйти из Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n невыполненная задача</numerusform>
            <numerusform>Redizado, %n невыполненные задачи</numerusform>
            <numerusform>Redizado, %n невыполненных задач</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Добавлено: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Отмечено: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Удалено: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Завершить редактирование</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>Синхронизация недоступна: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Синхронизация выключена</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Enter добавляет задачу, стрелка вниз переходит к списку, Esc закрывает панель</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 Дела, %2 Все, %3 переключение</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>В списке: F2 переименовывает, Delete удаляет</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Настройки (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Стрелки, Home, End, Page Up и Page Down перемещают; Пробел отмечает; F2 или Enter переименовывает; Delete удаляет; %1 отменяет, %2 повторяет</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Текущие дела</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Все задачи</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Keys:
Return adds the typed item, Down goes to the list, Esc closes the panel.
Up, Down, Home, End, Page Up and Page Down move on the list.
Space checks or unchecks, F2 or Return renames, Delete removes.
%1, %2 and %3: To Do, All, the other one.
%4: settings. %5 and %6: undo and redo.</source>
        <extracomment>%1 to %6 are key combinations, such as Ctrl+1</extracomment>
        <translation>Клавиши:
Enter добавляет введённую задачу, стрелка вниз переходит к списку, Esc закрывает панель.
Стрелки вверх и вниз, Home, End, Page Up и Page Down перемещают по списку.
Пробел отмечает или снимает отметку, F2 или Enter переименовывает, Delete удаляет.
%1, %2 и %3: Дела, Все, переключение.
%4: настройки. %5 и %6: отменить и повторить.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Дела: %n задача</numerusform>
            <numerusform>Дела: %n задачи</numerusform>
            <numerusform>Дела: %n задач</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Все, %n задача</numerusform>
            <numerusform>Все, %n задачи</numerusform>
            <numerusform>Все, %n задач</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 отменит удаление</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Повторено: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>задача «%1» возвращена</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>задача «%1» удалена</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Отметить</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Снять отметку</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>задача «%1» отмечена</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>с задачи «%1» снята отметка</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>задача переименована в «%1»</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>не удалось прочитать пароль со стандартного ввода: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>строка на стандартном вводе слишком длинная для пароля</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>пароль, прочитанный со стандартного ввода, пуст</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>пароль, прочитанный со стандартного ввода, не является корректным текстом UTF-8</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Что нужно сделать?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Дела</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Переименование и удаление задач</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Скрывать после ввода</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Закрывать список после добавления задачи</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Показать или скрыть панель Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>копия программы запускается; повторите попытку</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>синхронизация не завершилась</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Подробнее: redizado --help</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Что нужно сделать?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Дела</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Переименование и удаление задач</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Показывать число задач</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Другой значок</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Скрывать после ввода</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Закрывать панель после добавления задачи</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Глобальная комбинация клавиш</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Открывать панель откуда угодно комбинацией клавиш</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Модификатор:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Модификатор</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Второй модификатор:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Второй модификатор</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Клавиша:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>CalDAV:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Задачи синхронизируются с сервером календаря (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Синхронизация выключена</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Нет связки ключей (Secret Service): синхронизация недоступна</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>Адрес сервера или календаря</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Хранится в связке ключей рабочей среды; Enter включает синхронизацию</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>О программе Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Задача без названия</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado не может сохранить данные</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>Папка файла %1 доступна только для чтения. Задачи останутся, пока Redizado работает, но не будут сохранены.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Не удалось сохранить задачи в %1 (%2). Они останутся, пока Redizado работает, а сохранение будет повторяться при каждом изменении.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Назначьте команде «redizado toggle» комбинацию клавиш в параметрах клавиатуры рабочей среды.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Эта рабочая среда не позволяет программам назначать клавиши.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Здесь программы не могут назначать клавиши. Добавьте эту строку в файл %1:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>При включении комбинация будет добавлена в комбинации клавиш GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Эту комбинацию нельзя использовать: выберите другую клавишу.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Комбинация %1 занята другой программой: выберите другую.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Комбинацию %1 здесь нельзя использовать: выберите другую клавишу.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>В этом графическом сеансе нельзя назначать клавиши.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 показывает или скрывает панель из любой программы.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Рабочая среда назначила комбинацию %1. Изменить её можно в параметрах клавиатуры рабочей среды.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Запрос к рабочей среде на назначение %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>Рабочая среда не назначила комбинацию клавиш.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>В комбинациях клавиш GNOME %1 запускает «redizado toggle» (Параметры ▸ Клавиатура ▸ Дополнительные комбинации клавиш).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Нет доступа к параметрам клавиатуры GNOME.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Строка для конфигурации композитора</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>программа ещё не готова</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n невыполненная задача</numerusform>
            <numerusform>%1: %n невыполненные задачи</numerusform>
            <numerusform>%1: %n невыполненных задач</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n задача добавлена локально</numerusform>
            <numerusform>%n задачи добавлены локально</numerusform>
            <numerusform>%n задач добавлено локально</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n задача изменена локально</numerusform>
            <numerusform>%n задачи изменены локально</numerusform>
            <numerusform>%n задач изменено локально</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n задача удалена локально</numerusform>
            <numerusform>%n задачи удалены локально</numerusform>
            <numerusform>%n задач удалено локально</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n задача добавлена на сервере</numerusform>
            <numerusform>%n задачи добавлены на сервере</numerusform>
            <numerusform>%n задач добавлено на сервере</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n задача изменена на сервере</numerusform>
            <numerusform>%n задачи изменены на сервере</numerusform>
            <numerusform>%n задач изменено на сервере</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n задача удалена на сервере</numerusform>
            <numerusform>%n задачи удалены на сервере</numerusform>
            <numerusform>%n задач удалено на сервере</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Изменений нет</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>синхронизация недоступна в запущенной копии программы</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>сервер отклонил %n задачу; отклонённые задачи остаются здесь и будут отправлены снова при следующей синхронизации; первая: %1</numerusform>
            <numerusform>сервер отклонил %n задачи; отклонённые задачи остаются здесь и будут отправлены снова при следующей синхронизации; первая: %1</numerusform>
            <numerusform>сервер отклонил %n задач; отклонённые задачи остаются здесь и будут отправлены снова при следующей синхронизации; первая: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>некоторые ответы сервера не удалось прочитать, они пропущены%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>сервер отклонил имя пользователя или пароль%1; задайте их снова командой: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>сервер недоступен или занят%1; повторите попытку позже</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>сервер отклонил синхронизацию%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>синхронизация выключена; включите её командой: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Синхронизация выключена; задачи остаются как есть</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>не удалось выключить синхронизацию</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>в этой рабочей среде нет связки ключей (Secret Service) для хранения пароля; синхронизация остаётся выключенной</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>учётная запись не принята</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Синхронизация с %1 от имени %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>задачи на сервере продолжали меняться</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>не удалось прочитать %n задачу на сервере; соответствующие записи здесь оставлены без изменений</numerusform>
            <numerusform>не удалось прочитать %n задачи на сервере; соответствующие записи здесь оставлены без изменений</numerusform>
            <numerusform>не удалось прочитать %n задач на сервере; соответствующие записи здесь оставлены без изменений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 не является веб-адресом</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Не указывайте пароль в адресе: введите его в поле пароля</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>По обычному HTTP пароль ушёл бы на %1 открытым текстом: используйте адрес https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Неверное имя пользователя или пароль для %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>Нет связи с %1: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 не отвечает как сервер календаря: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>Сервер %1 отказал: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Нет связки ключей: синхронизация выключена</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Синхронизация выключена</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Связка ключей не сохранила пароль: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>Учётная запись синхронизации изменилась</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Синхронизация включена: %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>Синхронизация отключена</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Синхронизация выключена; связка ключей не ответила, пароль не удалён</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Синхронизация выключена, но связка ключей не удалила пароль: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>пароль не сохранён</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Синхронизация…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; повторная попытка: %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Нет сохранённого пароля для %1: введите учётную запись заново</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>Связка ключей не выдала пароль для %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Нет сети: синхронизация с %1 после восстановления связи</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Синхронизировано: %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; сервер отклонил %n задачу, первая: %1</numerusform>
            <numerusform>; сервер отклонил %n задачи, первая: %1</numerusform>
            <numerusform>; сервер отклонил %n задач, первая: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Синхронизировано: %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (повторная попытка: %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>неверное имя пользователя или пароль для %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>нет связи с %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (повторная попытка позже)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>некоторые задачи на %1 не удалось прочитать%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>сервер %1 отклонил синхронизацию</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>сервер %1 отклонил синхронизацию: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Последняя успешная синхронизация: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Успешных синхронизаций ещё не было.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>Последняя синхронизация%1 не удалась: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Проверка учётной записи на сервере…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Синхронизировать без шифрования?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>Адрес %1 начинается с http://, а не с https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Пароль и задачи будут переданы на %1 без шифрования: их сможет прочитать любой по пути. Всё равно синхронизировать по обычному HTTP?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Использовать HTTP</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>TrayProgram</name>
    <message>
        <source>Redizado: %1</source>
        <extracomment>%1 is how the last sync went, such as &quot;The server did not answer&quot;</extracomment>
        <translation>Redizado: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatusItem</name>
    <message numerus="yes">
        <source>%1 — %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1 — %n невыполненная задача</numerusform>
            <numerusform>%1 — %n невыполненные задачи</numerusform>
            <numerusform>%1 — %n невыполненных задач</numerusform>
        </translation>
    </message>
</context>
</TS>
