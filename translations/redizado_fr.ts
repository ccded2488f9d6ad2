<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Les développeurs de Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>À propos de Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1&#xa0;: ce n’est pas une réponse WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1&#xa0;: ce n’est pas une réponse WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1&#xa0;: le serveur n’indique aucun calendrier</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>une autre instance détient %1 mais ne répond pas</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>le mot de passe est lu sur l’entrée standard, jamais sur la ligne de commande</translation>
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
        <translation>Une liste de tâches dans la zone de notification.

Commandes&#xa0;:
  (aucune)        lancer le programme dans la zone de notification, ou afficher
                  le panneau de celui qui tourne déjà
  toggle          afficher ou masquer le panneau, comme le raccourci global
  add TITLE...    ajouter un élément&#xa0;; les mots sont joints par des espaces
  list [--all]    afficher les éléments à faire (ou tous, avec [x] ou [ ]),
                  du plus récent au plus ancien
  count           afficher le nombre d’éléments à faire
  sync            synchroniser maintenant avec le serveur de calendrier et
                  afficher ce qui a changé
  sync --status   afficher le résultat de la dernière synchronisation
  sync --account URL USER [--allow-plain-http]
                  se synchroniser désormais avec le calendrier à l’adresse URL
                  en tant que USER&#xa0;; le mot de passe est lu sur l’entrée
                  standard
  sync --off      oublier le compte et son mot de passe&#xa0;; les éléments restent

Code de retour&#xa0;: 0 réussi, 1 échec, 2 arguments incorrects&#xa0;; pour sync aussi
3 mot de passe incorrect, 4 réessayer plus tard, 5 refus ou synchronisation
désactivée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse web (par exemple https://example.org/dav/)</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>ce n’est pas une commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>l’argument %1 n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Avec list&#xa0;: tous les éléments, cochés compris.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Afficher la liste dans une fenêtre contextuelle plutôt que dans le panneau.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Avec sync&#xa0;: le résultat de la dernière synchronisation.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Avec sync&#xa0;: oublier le compte et son mot de passe.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Avec sync&#xa0;: se synchroniser en tant que USER avec le serveur de calendrier à l’adresse URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Avec sync --account&#xa0;: une adresse http:// non chiffrée vers une autre machine.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Dire ce que fait le programme, pas seulement ses problèmes.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count ou sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Avec add&#xa0;: le titre de l’élément&#xa0;; avec sync --account&#xa0;: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Utilisation&#xa0;: %1 [options] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (un titre qui commence par «&#xa0;-&#xa0;» se place après --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»&#xa0;; les commandes sont toggle, add, list, count et sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all ne s’utilise qu’avec list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 ne s’utilise qu’avec sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync n’accepte qu’une option parmi --status, --off et --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http ne s’utilise qu’avec sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account demande l’adresse du serveur et un nom d’utilisateur, par exemple&#xa0;: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add demande un titre, par exemple&#xa0;: redizado add acheter du lait</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 n’accepte pas d’autre argument (reçu&#xa0;: «&#xa0;%2&#xa0;»)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>la bibliothèque du programme ne peut pas être chargée&#xa0;:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Mot de passe de %1 sur %2&#xa0;: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>l’instance en cours n’a pas terminé en %n minute&#xa0;; elle est peut-être encore en train de synchroniser (voir redizado sync --status)</numerusform>
            <numerusform>l’instance en cours n’a pas terminé en %n minutes&#xa0;; elle est peut-être encore en train de synchroniser (voir redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>une autre instance détient %1 mais ne répond pas</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1&#xa0;: échec de la connexion sécurisée</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1&#xa0;: aucune réponse (erreur réseau %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>ce n’est pas une adresse web</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>HTTP simple enverrait le mot de passe en clair&#xa0;; HTTPS est nécessaire</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>hors du serveur du compte, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1&#xa0;: trop de redirections</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add demande un titre</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>l’élément a été ajouté mais n’a pas pu être enregistré&#xa0;; la raison est dans le journal</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>ce n’est pas une commande d’élément</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Cocher ou décocher (Espace sur la liste)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Supprimer (Suppr sur la liste)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Supprimer l’élément sans titre</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Titre de l’élément sans titre</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Titre de %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
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
            <numerusform>%1, %n élément</numerusform>
            <numerusform>%1, %n éléments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLShortcutSelector</name>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
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
        <translation>Majuscule</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Aucun modificateur</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verrouillage majuscule</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificateur</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Second modificateur</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Afficher ou masquer Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>À propos de Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Quitter Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n à faire</numerusform>
            <numerusform>Redizado, %n à faire</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Coché&#xa0;: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Supprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Terminer la modification</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>Synchronisation indisponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronisation désactivée</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Entrée ajoute l’élément, Bas va à la liste, Échap ferme le panneau</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 À faire, %2 Tous, %3 l’autre</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>Sur la liste&#xa0;: F2 renomme, Suppr supprime</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Réglages (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Flèches, Début, Fin et les touches de page déplacent&#xa0;; Espace coche&#xa0;; F2 ou Entrée renomme&#xa0;; Suppr supprime&#xa0;; %1 annule, %2 rétablit</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Éléments à faire</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Tous les éléments</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Keys:
Return adds the typed item, Down goes to the list, Esc closes the panel.
Up, Down, Home, End, Page Up and Page Down move on the list.
Space checks or unchecks, F2 or Return renames, Delete removes.
%1, %2 and %3: To Do, All, the other one.
%4: settings. %5 and %6: undo and redo.</source>
        <extracomment>%1 to %6 are key combinations, such as Ctrl+1</extracomment>
        <translation>Touches&#xa0;:
Entrée ajoute l’élément saisi, Bas va à la liste, Échap ferme le panneau.
Haut, Bas, Début, Fin, Page haut et Page bas se déplacent dans la liste.
Espace coche ou décoche, F2 ou Entrée renomme, Suppr supprime.
%1, %2 et %3&#xa0;: À faire, Tous, l’autre.
%4&#xa0;: réglages. %5 et %6&#xa0;: annuler et rétablir.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Éléments à faire, %n</numerusform>
            <numerusform>Éléments à faire, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Tous les éléments, %n</numerusform>
            <numerusform>Tous les éléments, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 le restaure</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 est de retour</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cocher</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Décocher</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 coché</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>%1 décoché</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>renommé en %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>le mot de passe n’a pas pu être lu sur l’entrée standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>la ligne lue sur l’entrée standard est trop longue pour être un mot de passe</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>le mot de passe lu sur l’entrée standard est vide</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>le mot de passe lu sur l’entrée standard n’est pas de l’UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Qu’y a-t-il à faire&#xa0;?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renommer et supprimer des éléments</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Masquer après la saisie</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Fermer la liste dès qu’un élément est ajouté</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Afficher ou masquer le panneau de Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>une instance du programme est en train de démarrer&#xa0;; réessayer</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>la synchronisation ne s’est pas terminée</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Essayer «&#xa0;redizado --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Qu’y a-t-il à faire&#xa0;?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renommer et supprimer des éléments</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Afficher le nombre d’éléments à faire</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Icône alternative</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Masquer après la saisie</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Fermer le panneau dès qu’un élément est ajouté</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Raccourci global</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Ouvrir le panneau de partout avec une combinaison de touches</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modificateur&#xa0;:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificateur</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Modificateur 2&#xa0;:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Second modificateur</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Touche&#xa0;:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>Synchro&#xa0;:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Les éléments tenus à jour avec un serveur de calendrier (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronisation désactivée</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Aucun trousseau de clés (Secret Service) sur ce bureau&#xa0;: la synchronisation reste désactivée</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>L’adresse du serveur ou d’un calendrier</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Conservé dans le trousseau de clés du bureau&#xa0;; Entrée active la synchronisation</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>À propos de Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 sur %n</numerusform>
            <numerusform>%1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Élément sans titre</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>Le dossier de %1 est en lecture seule. Vos éléments sont conservés tant que Redizado fonctionne, mais ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Vos éléments n’ont pas pu être enregistrés dans %1 (%2). Ils sont conservés tant que Redizado fonctionne, et l’enregistrement est retenté à chaque modification.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Associer «&#xa0;redizado toggle&#xa0;» à une combinaison dans les paramètres du clavier du bureau.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Ce bureau ne permet à aucun programme d’associer des touches.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Aucun programme ne peut associer de touches ici. Ajouter cette ligne à %1&#xa0;:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Une fois activé, le raccourci est ajouté aux raccourcis clavier de GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Cette combinaison ne peut pas servir de raccourci&#xa0;: choisir une autre touche.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 est déjà pris par un autre programme&#xa0;: choisir une autre combinaison.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 ne peut pas servir de raccourci ici&#xa0;: choisir une autre touche.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>Aucune touche ne peut être associée sur cet affichage.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 affiche ou masque le panneau depuis n’importe quel programme.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Le bureau a associé le raccourci à %1. Il se change dans les paramètres du clavier du bureau.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Demande au bureau d’associer %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>Le bureau n’a pas associé le raccourci.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Dans les raccourcis clavier de GNOME, %1 lance «&#xa0;redizado toggle&#xa0;» (Paramètres ▸ Clavier ▸ Raccourcis personnalisés).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Les paramètres du clavier de GNOME sont inaccessibles.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Ligne pour la configuration du compositeur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>pas prêt</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n à faire</numerusform>
            <numerusform>%1&#xa0;: %n à faire</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n ajouté ici</numerusform>
            <numerusform>%n ajoutés ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n modifié ici</numerusform>
            <numerusform>%n modifiés ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n supprimé ici</numerusform>
            <numerusform>%n supprimés ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n ajouté sur le serveur</numerusform>
            <numerusform>%n ajoutés sur le serveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n modifié sur le serveur</numerusform>
            <numerusform>%n modifiés sur le serveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n supprimé sur le serveur</numerusform>
            <numerusform>%n supprimés sur le serveur</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Rien à synchroniser</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>la synchronisation n’est pas disponible dans l’instance en cours</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>le serveur a refusé %n élément, qui reste ici et sera réessayé à la prochaine synchronisation&#xa0;: %1</numerusform>
            <numerusform>le serveur a refusé %n éléments, qui restent ici et seront réessayés à la prochaine synchronisation&#xa0;; le premier&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>certaines réponses du serveur n’ont pas pu être lues et ont été laissées de côté%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>le serveur a refusé le nom d’utilisateur ou le mot de passe%1&#xa0;; les saisir à nouveau avec&#xa0;: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>le serveur était injoignable ou occupé%1&#xa0;; réessayer plus tard</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>le serveur a refusé la synchronisation%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>la synchronisation est désactivée&#xa0;; l’activer avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Synchronisation désactivée&#xa0;; les éléments restent tels quels</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>la synchronisation n’a pas pu être désactivée</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>aucun trousseau de clés (Secret Service) ne répond sur ce bureau pour conserver le mot de passe&#xa0;; la synchronisation reste désactivée</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>le compte n’a pas été accepté</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Synchronisation avec %1 en tant que %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>les tâches n’ont cessé de changer sur le serveur</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>%n tâche du serveur n’a pas pu être lue&#xa0;; son élément est resté tel quel</numerusform>
            <numerusform>%n tâches du serveur n’ont pas pu être lues&#xa0;; leurs éléments sont restés tels quels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 n’est pas une adresse web</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Ne pas mettre le mot de passe dans l’adresse&#xa0;: le saisir dans le champ du mot de passe</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>HTTP simple enverrait le mot de passe en clair à %1&#xa0;: utiliser une adresse https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nom d’utilisateur ou mot de passe incorrect pour %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>Impossible de joindre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 ne répond pas comme un serveur de calendrier&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 a refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Aucun trousseau de clés sur ce bureau&#xa0;: synchronisation désactivée</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronisation désactivée</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Le trousseau de clés n’a pas conservé le mot de passe&#xa0;: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>Le compte de synchronisation a changé</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Synchronisation activée avec %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>La synchronisation a été désactivée</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Synchronisation désactivée&#xa0;; aucun trousseau de clés n’a répondu pour oublier le mot de passe</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Synchronisation désactivée, mais le trousseau de clés n’a pas oublié le mot de passe&#xa0;: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>aucun mot de passe conservé</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Synchronisation…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>&#xa0;; nouvel essai à %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Aucun mot de passe conservé pour %1&#xa0;: saisir à nouveau le compte</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>Le trousseau de clés n’a pas fourni le mot de passe de %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Hors ligne&#xa0;: synchronisation avec %1 au retour de la connexion</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Synchronisé à %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>&#xa0;; le serveur a refusé %n élément&#xa0;: %1</numerusform>
            <numerusform>&#xa0;; le serveur a refusé %n éléments, le premier&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Synchronisé à %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (nouvel essai à %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>nom d’utilisateur ou mot de passe incorrect pour %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>impossible de joindre %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (nouvel essai plus tard)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>certaines tâches de %1 n’ont pas pu être lues%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>%1 a refusé la synchronisation</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 a refusé la synchronisation&#xa0;: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Dernière synchronisation réussie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Aucune synchronisation n’a encore réussi.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>Échec de la dernière synchronisation%1&#xa0;: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Vérification du compte auprès du serveur…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Synchroniser sans chiffrement&#xa0;?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>L’adresse %1 commence par http:// et non https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Votre mot de passe et vos éléments circuleraient sans chiffrement jusqu’à %1&#xa0;: n’importe qui sur le trajet pourrait les lire. Synchroniser quand même en HTTP simple&#xa0;?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Utiliser HTTP simple</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
</context>
<context>
    <name>TrayProgram</name>
    <message>
        <source>Redizado: %1</source>
        <extracomment>%1 is how the last sync went, such as &quot;The server did not answer&quot;</extracomment>
        <translation>Redizado&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatusItem</name>
    <message numerus="yes">
        <source>%1 — %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1 — %n à faire</numerusform>
            <numerusform>%1 — %n à faire</numerusform>
        </translation>
    </message>
</context>
</TS>
