<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Os desenvolvedores do Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Sobre o Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: não é uma resposta WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: não é uma resposta WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: o servidor não indica nenhuma agenda</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>outra cópia detém %1, mas não responde</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>a senha é lida da entrada padrão, nunca da linha de comando</translation>
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
        <translation>Uma lista de tarefas na bandeja do sistema.

Comandos:
  (nenhum)        inicia o programa da bandeja ou mostra o painel do que já
                  está em execução
  toggle          mostra ou oculta o painel, como o atalho global
  add TITLE...    adiciona um item; as palavras são unidas com espaços
  list [--all]    exibe os itens pendentes (ou todos, com [x] ou [ ]), os mais
                  novos primeiro
  count           exibe o número de itens pendentes
  sync            sincroniza agora com o servidor de agendas e exibe o que mudou
  sync --status   exibe como foi a última sincronização
  sync --account URL USER [--allow-plain-http]
                  de agora em diante sincroniza com a agenda em URL como USER;
                  a senha é lida da entrada padrão
  sync --off      esquece a conta e a senha; os itens ficam

Status de saída: 0 concluído, 1 falhou, 2 palavras erradas; para sync também
3 senha errada, 4 tente mais tarde, 5 recusado ou sincronização desativada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>“%1” não é um endereço web, como https://example.org/dav/</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>não é um comando: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>o argumento %1 não é UTF-8 válido</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Com list: todos os itens, inclusive os marcados.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Mostrar a lista em um popover em vez do painel.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Com sync: como foi a última sincronização.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Com sync: esquecer a conta e a senha.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Com sync: sincronizar como USER com o servidor de agendas em URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Com sync --account: um endereço http:// sem criptografia para outra máquina.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Informar o que o programa faz, não só os problemas.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count ou sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Com add: o título do item; com sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Uso: %1 [opções] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (um título que começa com “-” vai depois de --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>comando “%1” desconhecido; os comandos são toggle, add, list, count e sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all só vale com list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 só vale com sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync aceita um de --status, --off e --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http só vale com sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account precisa do endereço do servidor e de um nome de usuário, como em: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add precisa de um título, como em: redizado add comprar leite</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 não aceita mais palavras (recebeu “%2”)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>não é possível carregar a biblioteca do próprio programa:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Senha de %1 em %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>a cópia em execução não terminou em %n minuto; talvez ainda esteja sincronizando (veja redizado sync --status)</numerusform>
            <numerusform>a cópia em execução não terminou em %n minutos; talvez ainda esteja sincronizando (veja redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>outra cópia detém %1, mas não responde</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: a conexão segura falhou</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: sem resposta (erro de rede %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>não é um endereço web</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>HTTP sem criptografia enviaria a senha às claras; é preciso HTTPS</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>não é o servidor da conta, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: redirecionamentos demais</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add precisa de um título</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>o item foi adicionado, mas não pôde ser salvo; veja o motivo no log</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>não é um comando de itens</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Marcar ou desmarcar (Espaço na lista)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Remover (Delete na lista)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Remover item sem título</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Título do item sem título</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Título de %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>“%1”</translation>
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
            <numerusform>%1, %n item</numerusform>
            <numerusform>%1, %n itens</numerusform>
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
        <translation>Sem modificador</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
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
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Seta para cima</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificador</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Segundo modificador</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Mostrar ou ocultar o Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Sobre o Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Sair do Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n pendente</numerusform>
            <numerusform>Redizado, %n pendentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Adicionado: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Marcado: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Removido: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Concluir a edição</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>A sincronização não está disponível: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronização desativada</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Enter adiciona o item, Seta para baixo vai para a lista, Esc fecha o painel</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 A fazer, %2 Todos, %3 o outro</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>Na lista: F2 renomeia, Delete remove</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Ajustes (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Setas, Home, End, Page Up e Page Down movem; Espaço marca; F2 ou Enter renomeia; Delete remove; %1 desfaz, %2 refaz</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Itens pendentes</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Todos os itens</translation>
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
        <translation>Teclas:
Enter adiciona o item digitado, Seta para baixo vai para a lista, Esc fecha o painel.
Seta para cima, Seta para baixo, Home, End, Page Up e Page Down movem pela lista.
Espaço marca ou desmarca, F2 ou Enter renomeia, Delete remove.
%1, %2 e %3: A fazer, Todos, o outro.
%4: ajustes. %5 e %6: desfazer e refazer.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Itens pendentes, %n</numerusform>
            <numerusform>Itens pendentes, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Todos os itens, %n</numerusform>
            <numerusform>Todos os itens, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 o traz de volta</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 está de volta</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 removido</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 marcado</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>%1 desmarcado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>renomeado para %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>não foi possível ler a senha da entrada padrão: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>a linha na entrada padrão é longa demais para ser uma senha</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>a senha lida da entrada padrão está vazia</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>a senha lida da entrada padrão não é UTF-8 válido</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>O que há para fazer?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>A fazer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renomear e remover itens</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ocultar após adicionar</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Fechar a lista ao adicionar um item</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Mostrar ou ocultar o painel do Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>uma cópia do programa está iniciando; tente novamente</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>a sincronização não terminou</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Tente “redizado --help”.</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>O que há para fazer?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>A fazer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renomear e remover itens</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Mostrar o número de pendentes</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Ícone alternativo</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ocultar após adicionar</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Fechar o painel ao adicionar um item</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Atalho global</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Abrir o painel de qualquer lugar com uma combinação de teclas</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modificador:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificador</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Segundo modificador:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Segundo modificador</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>Sincronização:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Manter os itens sincronizados com um servidor de agendas (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronização desativada</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Nenhum chaveiro (Secret Service) neste ambiente: a sincronização continua desativada</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>O endereço do servidor ou de uma agenda</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Guardada no chaveiro do ambiente; Enter ativa a sincronização</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Sobre o Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 de %n</numerusform>
            <numerusform>%1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Item sem título</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>O Redizado não consegue salvar</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>A pasta de %1 é somente leitura. Seus itens são mantidos enquanto o Redizado estiver aberto, mas não são salvos.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Não foi possível salvar seus itens em %1 (%2). Eles são mantidos enquanto o Redizado estiver aberto, e o salvamento é tentado de novo a cada alteração.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Associe “redizado toggle” a uma combinação nas configurações de teclado do ambiente.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Este ambiente não permite que programas associem teclas.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Nenhum programa pode associar teclas aqui. Adicione esta linha a %1:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Ao ativar, o atalho é adicionado aos atalhos de teclado do GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Esta combinação não pode ser um atalho: escolha outra tecla.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 já está em uso por outro programa: escolha outra combinação.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 não pode ser um atalho aqui: escolha outra tecla.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>Não é possível associar teclas nesta tela.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 mostra ou oculta o painel a partir de qualquer programa.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>O ambiente associou o atalho a %1. Altere-o nas configurações de teclado do ambiente.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Pedindo ao ambiente que associe %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>O ambiente não associou o atalho.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Nos atalhos de teclado do GNOME, %1 executa “redizado toggle” (Configurações ▸ Teclado ▸ Atalhos personalizados).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Não é possível acessar as configurações de teclado do GNOME.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Linha para a configuração do compositor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>não está pronta</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n pendente</numerusform>
            <numerusform>%1: %n pendentes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n adicionado aqui</numerusform>
            <numerusform>%n adicionados aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n alterado aqui</numerusform>
            <numerusform>%n alterados aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n removido aqui</numerusform>
            <numerusform>%n removidos aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n adicionado no servidor</numerusform>
            <numerusform>%n adicionados no servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n alterado no servidor</numerusform>
            <numerusform>%n alterados no servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n removido no servidor</numerusform>
            <numerusform>%n removidos no servidor</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Nada a fazer</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>a sincronização não está disponível na cópia em execução</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>o servidor recusou %n item, que fica aqui e será tentado de novo na próxima sincronização: %1</numerusform>
            <numerusform>o servidor recusou %n itens, que ficam aqui e serão tentados de novo na próxima sincronização; o primeiro: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>algumas respostas do servidor não puderam ser lidas e foram deixadas de lado%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>o servidor recusou o nome de usuário ou a senha%1; defina-os de novo com: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>não foi possível acessar o servidor ou ele estava ocupado%1; tente mais tarde</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>o servidor recusou a sincronização%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>a sincronização está desativada; ative-a com: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Sincronização desativada; os itens ficam como estão</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>não foi possível desativar a sincronização</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>nenhum chaveiro (Secret Service) responde neste ambiente para guardar a senha; a sincronização continua desativada</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>a conta não foi aceita</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Sincronizando com %1 como %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>as tarefas não paravam de mudar no servidor</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>não foi possível ler %n tarefa no servidor; o item ficou como estava</numerusform>
            <numerusform>não foi possível ler %n tarefas no servidor; os itens ficaram como estavam</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 não é um endereço web</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Não coloque a senha no endereço: digite-a no campo de senha</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>HTTP sem criptografia enviaria a senha a %1 às claras: use um endereço https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nome de usuário ou senha incorretos para %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>Não é possível acessar %1: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 não responde como servidor de agendas: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 recusou: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Nenhum chaveiro neste ambiente: sincronização desativada</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronização desativada</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>O chaveiro não quis guardar a senha: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>A conta de sincronização mudou</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Sincronização ativada com %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>A sincronização foi desativada</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Sincronização desativada; nenhum chaveiro respondeu para esquecer a senha</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Sincronização desativada, mas o chaveiro não quis esquecer a senha: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>nenhuma senha guardada</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; nova tentativa: %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nenhuma senha guardada para %1: informe a conta novamente</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>O chaveiro não forneceu a senha de %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Sem conexão: sincronizará com %1 quando a conexão voltar</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; o servidor recusou %n item: %1</numerusform>
            <numerusform>; o servidor recusou %n itens, o primeiro %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Sincronizado: %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (nova tentativa: %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>nome de usuário ou senha incorretos para %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>não é possível acessar %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (nova tentativa depois)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>não foi possível ler algumas tarefas em %1%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>%1 recusou a sincronização</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 recusou a sincronização: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Última sincronização bem-sucedida: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Nenhuma sincronização deu certo ainda.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>A última sincronização%1 falhou: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Verificando a conta com o servidor…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Sincronizar sem criptografia?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>O endereço %1 começa com http://, não com https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Sua senha e seus itens iriam sem criptografia até %1: qualquer um no caminho poderia lê-los. Sincronizar por HTTP sem criptografia mesmo assim?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Usar HTTP sem criptografia</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Ativar</translation>
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
            <numerusform>%1 — %n pendente</numerusform>
            <numerusform>%1 — %n pendentes</numerusform>
        </translation>
    </message>
</context>
</TS>
