<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AudienceDisplay</name>
    <message>
        <source>Audience display: press F2 or Esc to close it</source>
        <translation>Écran du public : F2 ou Échap pour le fermer</translation>
    </message>
    <message>
        <source>Corvella - audience</source>
        <translation>Corvella - public</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>OVERTIME</source>
        <translation>PROLONGATION</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PÉRIODE</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TEMPS MORT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>PÉNALITÉ</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FAUTES</translation>
    </message>
</context>
<context>
    <name>ColorPage</name>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Domicile :</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Visiteurs :</translation>
    </message>
    <message>
        <source>Section Color:</source>
        <translation>Section :</translation>
    </message>
    <message>
        <source>LED Time Color:</source>
        <translation>LED temps :</translation>
    </message>
    <message>
        <source>LED Score Color:</source>
        <translation>LED score :</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Fond LED :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Corvella: an electronic scoreboard with a game clock, scores and a buzzer.
See corvella(1) for the keys.</source>
        <translation>Corvella : un tableau de score électronique avec horloge de jeu, scores et sirène.
Voir corvella(1) pour les touches.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open the scoreboard full screen.</source>
        <translation>Ouvrir le tableau en plein écran.</translation>
    </message>
    <message>
        <source>Open the scoreboard on screen &lt;N&gt;, counted from 1 (default: where it was last time, else the primary screen).</source>
        <translation>Ouvrir le tableau sur l&apos;écran &lt;N&gt;, compté à partir de 1 (par défaut : là où il était la dernière fois, sinon l&apos;écran principal).</translation>
    </message>
    <message>
        <source>Write the current game to &lt;FILE&gt; (.csv, .json or .pdf) and exit.</source>
        <translation>Écrire le match en cours dans &lt;FILE&gt; (.csv, .json ou .pdf) et quitter.</translation>
    </message>
    <message>
        <source>With --export: the game log &lt;PATH&gt; instead.</source>
        <translation>Avec --export : le journal de match &lt;PATH&gt; à la place.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>corvella: --game is only for --export.
</source>
        <translation>corvella : --game ne sert qu&apos;avec --export.
</translation>
    </message>
    <message>
        <source>corvella: --screen takes a screen number from 1 up, not &apos;%1&apos;.
</source>
        <translation>corvella : --screen attend un numéro d&apos;écran à partir de 1, pas &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini</translation>
    </message>
    <message>
        <source>corvella: cannot open a display (%1); start it from a desktop session.</source>
        <translation>corvella : impossible d&apos;ouvrir un affichage (%1) ; lancez-le depuis une session de bureau.</translation>
    </message>
    <message>
        <source>With --export to .csv: separate with semicolons and begin with a UTF-8 mark, as spreadsheets in German and other languages with a decimal comma open it.</source>
        <translation>Avec --export vers .csv : séparer par des points-virgules et commencer par une marque UTF-8, comme l&apos;ouvrent les tableurs en allemand et dans d&apos;autres langues à virgule décimale.</translation>
    </message>
    <message>
        <source>corvella: --csv-excel is only for --export.
</source>
        <translation>corvella : --csv-excel ne sert qu&apos;avec --export.
</translation>
    </message>
    <message>
        <source>Keep the saved game and the game logs in &lt;DIR&gt; (default: $XDG_STATE_HOME/Corvella); a second board on one computer needs a folder of its own.</source>
        <translation>Garde la partie enregistrée et ses journaux dans &lt;DIR&gt; (par défaut : $XDG_STATE_HOME/Corvella) ; un second tableau sur le même ordinateur a besoin de son propre dossier.</translation>
    </message>
    <message>
        <source>corvella: --state-dir needs a folder.
</source>
        <translation>corvella : --state-dir demande un dossier.
</translation>
    </message>
    <message>
        <source>With --hall: serve on port &lt;N&gt; instead of the web server&apos;s.</source>
        <translation>Avec --hall : servir sur le port &lt;N&gt; au lieu de celui du serveur web.</translation>
    </message>
    <message>
        <source>corvella: --hall and --export go separately.
</source>
        <translation>corvella : --hall et --export s&apos;utilisent séparément.
</translation>
    </message>
    <message>
        <source>corvella: --port takes a port from 1 to 65535, with --hall.
</source>
        <translation>corvella : --port prend un port de 1 à 65535, avec --hall.
</translation>
    </message>
    <message>
        <source>With --hall: the day&apos;s games from &lt;FILE.csv&gt;; each court&apos;s next game goes to it when its game reaches the final.</source>
        <translation>Avec --hall : les matchs du jour depuis &lt;FILE.csv&gt; ; le match suivant de chaque terrain lui est envoyé quand son match arrive à la fin.</translation>
    </message>
    <message>
        <source>corvella: --schedule is only for --hall.
</source>
        <translation>corvella : --schedule ne va qu’avec --hall.
</translation>
    </message>
    <message>
        <source>With --hall, followed by GAME: count the result of court &lt;COURT&gt;&apos;s game GAME, which two of its lines disputed, once a person has checked it; a running hall counts it too.</source>
        <translation>Avec --hall, suivi de GAME : compter le résultat du match GAME du terrain &lt;COURT&gt;, que deux de ses lignes contestent, une fois qu’une personne l’a vérifié ; un hall en marche le compte aussi.</translation>
    </message>
    <message>
        <source>corvella: --accept COURT GAME goes with --hall.
</source>
        <translation>corvella : --accept COURT GAME va avec --hall.
</translation>
    </message>
    <message>
        <source>Run the hall: every court from the hall&apos;s broker on the web pages /hall, /hall/results and /hall.json, in the hall&apos;s window (no board).</source>
        <translation>Lancer la salle : chaque terrain du broker de la salle sur les pages web /hall, /hall/results et /hall.json, dans la fenêtre de la salle (sans tableau).</translation>
    </message>
    <message>
        <source>With --hall: no window, as a service (also without a display).</source>
        <translation>Avec --hall : sans fenêtre, comme service (aussi sans écran).</translation>
    </message>
    <message>
        <source>With --hall: print court &lt;COURT&gt;&apos;s join code for the hall&apos;s own broker, and exit.</source>
        <translation>Avec --hall : affiche le code d&apos;adhésion du terrain &lt;COURT&gt; pour le broker propre de la salle, puis quitte.</translation>
    </message>
    <message>
        <source>corvella: --headless and --print-join-code are only for --hall.
</source>
        <translation>corvella : --headless et --print-join-code vont seulement avec --hall.
</translation>
    </message>
    <message>
        <source>corvella: --print-join-code needs a court.
</source>
        <translation>corvella : --print-join-code demande un terrain.
</translation>
    </message>
    <message>
        <source>Print each change the hall&apos;s console sends, and each frame skipped with why, until Ctrl+C; no window.</source>
        <translation>Afficher chaque changement envoyé par la console de la salle, et chaque trame ignorée avec sa raison, jusqu&apos;à Ctrl+C ; sans fenêtre.</translation>
    </message>
</context>
<context>
    <name>ConsoleLink</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 was lost: %2</source>
        <translation>%1 a été perdu : %2</translation>
    </message>
    <message>
        <source>Port %1 cannot be listened on: %2</source>
        <translation>Impossible d&apos;écouter sur le port %1 : %2</translation>
    </message>
</context>
<context>
    <name>ConsoleMirror</name>
    <message>
        <source>New game on the console</source>
        <translation>Nouveau match sur la console</translation>
    </message>
    <message>
        <source>Period %1 on the console</source>
        <translation>Période %1 sur la console</translation>
    </message>
    <message>
        <source>Home %1 on the console</source>
        <translation>Domicile %1 sur la console</translation>
    </message>
    <message>
        <source>Guest %1 on the console</source>
        <translation>Visiteur %1 sur la console</translation>
    </message>
    <message>
        <source>Home team fouls %1 on the console</source>
        <translation>Fautes d&apos;équipe domicile %1 sur la console</translation>
    </message>
    <message>
        <source>Guest team fouls %1 on the console</source>
        <translation>Fautes d&apos;équipe visiteur %1 sur la console</translation>
    </message>
    <message>
        <source>Home timeouts %1 on the console</source>
        <translation>Temps morts domicile %1 sur la console</translation>
    </message>
    <message>
        <source>Guest timeouts %1 on the console</source>
        <translation>Temps morts visiteur %1 sur la console</translation>
    </message>
    <message>
        <source>Set %1 on the console</source>
        <translation>Set %1 sur la console</translation>
    </message>
    <message>
        <source>Possession on the console</source>
        <translation>Possession sur la console</translation>
    </message>
    <message>
        <source>Shot clock %1 on the console</source>
        <translation>Chronomètre des tirs %1 sur la console</translation>
    </message>
    <message>
        <source>Shot clock started on the console</source>
        <translation>Chronomètre des tirs lancé sur la console</translation>
    </message>
    <message>
        <source>Shot clock stopped on the console</source>
        <translation>Chronomètre des tirs arrêté sur la console</translation>
    </message>
    <message>
        <source>Shot clock dark on the console</source>
        <translation>Chronomètre des tirs éteint sur la console</translation>
    </message>
    <message>
        <source>Clock started on the console at %1</source>
        <translation>Chrono lancé sur la console à %1</translation>
    </message>
    <message>
        <source>Clock stopped on the console at %1</source>
        <translation>Chrono arrêté sur la console à %1</translation>
    </message>
    <message>
        <source>Clock set on the console to %1</source>
        <translation>Chrono réglé sur la console à %1</translation>
    </message>
    <message>
        <source>Home penalty %1 on the console</source>
        <translation>Pénalité domicile %1 sur la console</translation>
    </message>
    <message>
        <source>Guest penalty %1 on the console</source>
        <translation>Pénalité visiteur %1 sur la console</translation>
    </message>
    <message>
        <source>Home penalty over on the console</source>
        <translation>Pénalité domicile terminée sur la console</translation>
    </message>
    <message>
        <source>Guest penalty over on the console</source>
        <translation>Pénalité visiteur terminée sur la console</translation>
    </message>
</context>
<context>
    <name>ConsoleMonitor</name>
    <message>
        <source>console heard</source>
        <translation>console entendue</translation>
    </message>
    <message>
        <source>console silent</source>
        <translation>console muette</translation>
    </message>
    <message>
        <source>skipped: %1 (garbage: swap A and B)</source>
        <translation>ignoré : %1 (données illisibles : inversez A et B)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignoré : %1</translation>
    </message>
    <message>
        <source>corvella: no console is set (Settings, page Console).</source>
        <translation>corvella : aucune console n&apos;est réglée (Réglages, page Console).</translation>
    </message>
    <message>
        <source>Reading the %1 console; Ctrl+C ends.</source>
        <translation>Lecture de la console %1 ; Ctrl+C arrête.</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>None: the operator keeps the game</source>
        <translation>Aucune : l&apos;opérateur tient le match</translation>
    </message>
    <message>
        <source>Bodet Scorepad (network)</source>
        <translation>Bodet Scorepad (réseau)</translation>
    </message>
    <message>
        <source>Stramatel (RS-485)</source>
        <translation>Stramatel (RS-485)</translation>
    </message>
    <message>
        <source>Daktronics All Sport 5000 (serial)</source>
        <translation>Daktronics All Sport 5000 (série)</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket-ball</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Handball</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Hockey sur glace</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volley-ball</translation>
    </message>
    <message>
        <source>Console:</source>
        <translation>Console :</translation>
    </message>
    <message>
        <source>Sport:</source>
        <translation>Sport :</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Port série :</translation>
    </message>
    <message>
        <source>Speed (8N1):</source>
        <translation>Vitesse (8N1) :</translation>
    </message>
    <message>
        <source>Listen on port:</source>
        <translation>Écouter sur le port :</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>While a console is the source, its feed keeps the clock, the scores, the period, fouls, timeouts, the shot clock and penalties. Choosing it, or another sport, brings that sport&apos;s preset. Teams, captions and the final stay yours.</source>
        <translation>Tant qu&apos;une console est la source, elle tient le chrono, les scores, la période, les fautes, les temps morts, le chrono des tirs et les pénalités. La choisir, ou choisir un autre sport, applique le préréglage de ce sport. Les équipes, les libellés et la fin du match restent à vous.</translation>
    </message>
</context>
<context>
    <name>ConsoleSource</name>
    <message>
        <source>console silent</source>
        <translation>console muette</translation>
    </message>
    <message>
        <source>console silent: %1</source>
        <translation>console muette : %1</translation>
    </message>
</context>
<context>
    <name>ControllerBindings</name>
    <message>
        <source>this is not a profile of controller bindings</source>
        <translation>ce n&apos;est pas un profil d&apos;affectations de manettes</translation>
    </message>
    <message>
        <source>the profile is of version %1; this program reads version %2</source>
        <translation>le profil est de la version %1 ; ce programme lit la version %2</translation>
    </message>
    <message>
        <source>the bindings of device %1 are damaged</source>
        <translation>les affectations de l&apos;appareil %1 sont endommagées</translation>
    </message>
    <message>
        <source>the file is too large for a profile</source>
        <translation>le fichier est trop volumineux pour un profil</translation>
    </message>
</context>
<context>
    <name>ControllersPage</name>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>Hat %1 %2</source>
        <translation>Croix %1 %2</translation>
    </message>
    <message>
        <source>Axis %1 %2</source>
        <translation>Axe %1 %2</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Exporter le profil…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importer un profil…</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Commande :</translation>
    </message>
    <message>
        <source>Choose a command and its parameters, press Learn, then the button, hat or stick on the controller that is to do it.</source>
        <translation>Choisissez une commande et ses paramètres, appuyez sur Apprendre, puis sur le bouton, la croix ou le stick de la manette qui doit l’exécuter.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Manettes</translation>
    </message>
    <message>
        <source>The controllers&apos; bindings could not be saved.</source>
        <translation>Les affectations des manettes n’ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Unnamed controller</source>
        <translation>Manette sans nom</translation>
    </message>
    <message>
        <source>%1 – not connected</source>
        <translation>%1 – non connectée</translation>
    </message>
    <message>
        <source>Game controllers are not read in this window.</source>
        <translation>Les manettes ne sont pas lues dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Game controllers cannot be read: %1</source>
        <translation>Impossible de lire les manettes : %1</translation>
    </message>
    <message>
        <source>No game controller is connected.</source>
        <translation>Aucune manette n’est connectée.</translation>
    </message>
    <message numerus="yes">
        <source>%n controller(s) connected.</source>
        <translation>
            <numerusform>%n manette connectée.</numerusform>
            <numerusform>%n manettes connectées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press the button, push the hat or the stick on the controller that is to run %1.</source>
        <translation>Appuyez sur le bouton, la croix ou le stick de la manette qui doit exécuter %1.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 exécute maintenant %2.</translation>
    </message>
    <message>
        <source>Controller profiles (*.json)</source>
        <translation>Profils de manettes (*.json)</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exporter le profil</translation>
    </message>
    <message>
        <source>The profile could not be written: %1</source>
        <translation>Le profil n’a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>The profile could not be read: %1</source>
        <translation>Le profil n’a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>CorvellaApp</name>
    <message>
        <source>, Final</source>
        <translation>, Fin</translation>
    </message>
    <message>
        <source>, Break after period %1</source>
        <translation>, Pause après la période %1</translation>
    </message>
    <message>
        <source>, Overtime %1</source>
        <translation>, Prolongation %1</translation>
    </message>
    <message>
        <source>, Period %1</source>
        <translation>, Période %1</translation>
    </message>
    <message>
        <source>the game is not being saved (%1)</source>
        <translation>le match n&apos;est pas enregistré (%1)</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aucun match n&apos;a encore été enregistré.</translation>
    </message>
    <message>
        <source>Printable result (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)</source>
        <translation>Résultat imprimable (*.pdf);;Tableur (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The game was not exported: %1</source>
        <translation>Le match n&apos;a pas été exporté : %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>, timeouts taken %1 : %2</source>
        <translation>, temps morts pris %1 : %2</translation>
    </message>
    <message>
        <source>The new token could not be stored; the old one stays.</source>
        <translation>Le nouveau jeton n&apos;a pas pu être enregistré ; l&apos;ancien reste.</translation>
    </message>
    <message>
        <source>the game is not being saved: another Corvella keeps its game in %1 (start this one with --state-dir)</source>
        <translation>la partie n’est pas enregistrée : un autre Corvella garde la sienne dans %1 (démarrez celui-ci avec --state-dir)</translation>
    </message>
    <message>
        <source>the game is not being recorded (%1)</source>
        <translation>la partie n’est pas consignée (%1)</translation>
    </message>
    <message>
        <source>Not loaded: the preset %1 is gone</source>
        <translation>Non chargé : le préréglage %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>The game is loaded, but its settings could not be stored</source>
        <translation>Le match est chargé, mais ses réglages n&apos;ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>Resume the game in progress? Clock %1%2, %3</source>
        <translation>Reprendre le match en cours ? Horloge %1%2, %3</translation>
    </message>
    <message>
        <source>The console&apos;s sport is in force, but its settings could not be stored</source>
        <translation>Le sport de la console est en vigueur, mais ses réglages n&apos;ont pas pu être enregistrés</translation>
    </message>
</context>
<context>
    <name>CourtLink</name>
    <message>
        <source>no answer from %1</source>
        <translation>pas de réponse de %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>la connexion à %1 a été perdue</translation>
    </message>
    <message>
        <source>the hall link is down: %1</source>
        <translation>le lien avec la salle est coupé : %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Non connecté : %1</translation>
    </message>
    <message>
        <source>ignored a next game from the hall that is not {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} with a known preset: %1</source>
        <translation>prochain match de la salle ignoré, car il n&apos;est pas {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} avec un préréglage connu : %1</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Section 2</translation>
    </message>
    <message>
        <source>Score changes</source>
        <translation>Changements de score</translation>
    </message>
    <message>
        <source>Damaged lines of the log left out: %1</source>
        <translation>Lignes endommagées du journal omises : %1</translation>
    </message>
    <message>
        <source>cannot tell the format of %1: name it .csv, .json or .pdf</source>
        <translation>format de %1 inconnu : nommez-le .csv, .json ou .pdf</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>corvella: no game has been recorded in %1 yet</source>
        <translation>corvella : aucun match n&apos;a encore été enregistré dans %1</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Temps morts</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>Prol%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>%1, %2 (%3)</source>
        <translation>%1, %2 (%3)</translation>
    </message>
    <message>
        <source>Final score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <source>Score in period %1 at %2</source>
        <translation>Score en période %1 à %2</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Team fouls</source>
        <translation>Fautes d&apos;équipe</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Première mi-temps</translation>
    </message>
    <message>
        <source>Second half and overtime</source>
        <translation>Seconde mi-temps et prolongation</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro du match</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Referees</source>
        <translation>Arbitres</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Signature du marqueur</translation>
    </message>
    <message>
        <source>(%1 earlier changes not shown)</source>
        <translation>(%1 changements antérieurs non affichés)</translation>
    </message>
    <message>
        <source>Sets won</source>
        <translation>Sets gagnés</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Points par set</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fautes</translation>
    </message>
    <message>
        <source>Pen.</source>
        <translation>Pén.</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Évolution du score</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; n’est pas un champ de cet appel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>« %1 » manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a whole number</source>
        <translation>« %1 » est un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a text</source>
        <translation>« %1 » est un texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is true or false</source>
        <translation>« %1 » vaut true ou false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is minutes.seconds, from &quot;0&quot; to &quot;99.59&quot;</source>
        <translation>« %1 » est en minutes.secondes, de « 0 » à « 99.59 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number of one or two digits</source>
        <translation>« %1 » est un numéro d’un ou deux chiffres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2</source>
        <translation>« %1 » vaut %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>the break runs by itself</source>
        <translation>la pause s&apos;écoule seule</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>le match est terminé</translation>
    </message>
    <message>
        <source>a timeout is running</source>
        <translation>un temps mort est en cours</translation>
    </message>
    <message>
        <source>the clock is at zero; reset or set it</source>
        <translation>l&apos;horloge est à zéro ; remettez-la ou réglez-la</translation>
    </message>
    <message>
        <source>the game has no timeouts</source>
        <translation>le match n&apos;a pas de temps morts</translation>
    </message>
    <message>
        <source>no timeout in a break or after the game</source>
        <translation>pas de temps mort pendant une pause ou après le match</translation>
    </message>
    <message>
        <source>the other team&apos;s timeout is running</source>
        <translation>le temps mort de l&apos;autre équipe est en cours</translation>
    </message>
    <message>
        <source>%1 has no timeouts left</source>
        <translation>%1 n&apos;a plus de temps morts</translation>
    </message>
    <message>
        <source>the shot clock is off</source>
        <translation>le chronomètre des tirs est éteint</translation>
    </message>
    <message>
        <source>the game is not played in sets</source>
        <translation>le match ne se joue pas en sets</translation>
    </message>
    <message>
        <source>a match in sets has no players&apos; fouls or penalties</source>
        <translation>un match en sets n&apos;a ni fautes de joueurs ni pénalités</translation>
    </message>
    <message>
        <source>the players are off</source>
        <translation>les joueurs sont désactivés</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>le match est terminé</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>the set has begun</source>
        <translation>le set a commencé</translation>
    </message>
    <message>
        <source>Switch the first server</source>
        <translation>Changer le premier serveur</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Set score</source>
        <translation>Score fixé</translation>
    </message>
    <message>
        <source>Change score</source>
        <translation>Score changé</translation>
    </message>
    <message>
        <source>Start the clock</source>
        <translation>Démarrer le chrono</translation>
    </message>
    <message>
        <source>Stop the clock</source>
        <translation>Arrêter le chrono</translation>
    </message>
    <message>
        <source>Start or stop the clock</source>
        <translation>Démarrer ou arrêter l&apos;horloge</translation>
    </message>
    <message>
        <source>Reset the clock</source>
        <translation>Remettre l&apos;horloge à zéro</translation>
    </message>
    <message>
        <source>give either &quot;value&quot; (minutes.seconds) or &quot;ms&quot;</source>
        <translation>donnez &quot;value&quot; (minutes.secondes) ou &quot;ms&quot;</translation>
    </message>
    <message>
        <source>&quot;ms&quot; is a whole number from 0 to %1</source>
        <translation>&quot;ms&quot; est un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Horloge réglée</translation>
    </message>
    <message>
        <source>Clear all LEDs</source>
        <translation>LED effacées</translation>
    </message>
    <message>
        <source>the game has no periods</source>
        <translation>le match n&apos;a pas de périodes</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Période suivante</translation>
    </message>
    <message>
        <source>this is the first period</source>
        <translation>c&apos;est la première période</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Période précéd.</translation>
    </message>
    <message>
        <source>there is no break to skip</source>
        <translation>il n&apos;y a pas de pause à sauter</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Passer la pause</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Temps mort %1</translation>
    </message>
    <message>
        <source>no timeout of %1 is running</source>
        <translation>aucun temps mort de %1 n’est en cours</translation>
    </message>
    <message>
        <source>End the timeout of %1</source>
        <translation>Fin du temps mort de %1</translation>
    </message>
    <message>
        <source>the shot clock has no short length</source>
        <translation>le chronomètre des tirs n&apos;a pas de durée courte</translation>
    </message>
    <message>
        <source>Short shot clock</source>
        <translation>Chronomètre des tirs court</translation>
    </message>
    <message>
        <source>Reset the shot clock</source>
        <translation>Remettre le chronomètre des tirs</translation>
    </message>
    <message>
        <source>Hold the shot clock</source>
        <translation>Bloquer les 24 secondes</translation>
    </message>
    <message>
        <source>Release the shot clock</source>
        <translation>Libérer les 24 secondes</translation>
    </message>
    <message>
        <source>Start the shot clock</source>
        <translation>Démarrer les 24 secondes</translation>
    </message>
    <message>
        <source>Stop the shot clock</source>
        <translation>Arrêter les 24 secondes</translation>
    </message>
    <message>
        <source>Hold or release the shot clock</source>
        <translation>Retenir ou relâcher le chronomètre des tirs</translation>
    </message>
    <message>
        <source>Shot clock dark</source>
        <translation>Chronomètre des tirs éteint</translation>
    </message>
    <message>
        <source>Possession arrow to %1</source>
        <translation>Flèche de possession vers %1</translation>
    </message>
    <message>
        <source>Switch the possession arrow</source>
        <translation>Changer la flèche de possession</translation>
    </message>
    <message>
        <source>Foul %1</source>
        <translation>Faute %1</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; is a whole number from 1 to %1</source>
        <translation>&quot;seconds&quot; est un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>Penalty %1</source>
        <translation>Pénalité %1</translation>
    </message>
    <message>
        <source>nothing to undo</source>
        <translation>rien à annuler</translation>
    </message>
    <message>
        <source>nothing to redo</source>
        <translation>rien à rétablir</translation>
    </message>
    <message>
        <source>the console keeps the score</source>
        <translation>la console tient le score</translation>
    </message>
    <message>
        <source>the console keeps it</source>
        <translation>la console le garde</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is too large for a game log</source>
        <translation>%1 est trop grand pour un journal de match</translation>
    </message>
    <message>
        <source>%1 is not a Corvella game log</source>
        <translation>%1 n&apos;est pas un journal de match de Corvella</translation>
    </message>
    <message>
        <source>%1 was written by a newer Corvella (log version %2; this one reads up to %3)</source>
        <translation>%1 a été écrit par un Corvella plus récent (version de journal %2 ; celui-ci lit jusqu&apos;à %3)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>Period ended</source>
        <translation>Période terminée</translation>
    </message>
    <message>
        <source>Break ended</source>
        <translation>Pause terminée</translation>
    </message>
    <message>
        <source>Timeout ended</source>
        <translation>Temps mort terminé</translation>
    </message>
    <message>
        <source>Clock ran out</source>
        <translation>Chrono écoulé</translation>
    </message>
    <message>
        <source>Clock stopped at its limit</source>
        <translation>Chrono arrêté à sa limite</translation>
    </message>
    <message>
        <source>the game log could not be opened</source>
        <translation>le journal de la partie n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>Shot clock ran out</source>
        <translation>Chronomètre des tirs écoulé</translation>
    </message>
    <message>
        <source>Set %1 ended %2:%3</source>
        <translation>Set %1 terminé %2:%3</translation>
    </message>
</context>
<context>
    <name>GameModel</name>
    <message>
        <source>%1 is over %2</source>
        <translation>%1 dépasse %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 est sous %2</translation>
    </message>
    <message>
        <source>%1 + %2 is over %3</source>
        <translation>%1 + %2 dépasse %3</translation>
    </message>
    <message>
        <source>%1 - %2 is below %3</source>
        <translation>%1 - %2 est sous %3</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Game</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Game Clock:</source>
        <translation>Horloge de jeu :</translation>
    </message>
    <message>
        <source>Count down from</source>
        <translation>Décompte de</translation>
    </message>
    <message>
        <source>minutes.seconds</source>
        <translation>min.sec</translation>
    </message>
    <message>
        <source>Unticked, the clock counts up to 99:59.9. Counting down, it stops at 0:00.0 and sounds the buzzer.</source>
        <translation>Non coché, l&apos;horloge monte jusqu&apos;à 99:59.9. En décompte, elle s&apos;arrête à 0:00.0 et la sirène sonne.</translation>
    </message>
    <message>
        <source>Audience Display (F2):</source>
        <translation>Écran du public (F2) :</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>on screen </source>
        <translation>sur l&apos;écran </translation>
    </message>
    <message>
        <source>Periods:</source>
        <translation>Périodes :</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>no periods</source>
        <translation>sans périodes</translation>
    </message>
    <message>
        <source> periods</source>
        <translation> périodes</translation>
    </message>
    <message>
        <source>Breaks after them:</source>
        <translation>Pauses après :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Overtime when level:</source>
        <translation>Prolongation :</translation>
    </message>
    <message>
        <source>Timeouts and Fouls:</source>
        <translation>Temps morts et fautes :</translation>
    </message>
    <message>
        <source>Per game:</source>
        <translation>Par match :</translation>
    </message>
    <message>
        <source>2, 3</source>
        <translation>2, 3</translation>
    </message>
    <message>
        <source>Per half instead: the first half&apos;s, then the second&apos;s</source>
        <translation>Par mi-temps à la place : ceux de la première, puis de la seconde</translation>
    </message>
    <message>
        <source>Per half:</source>
        <translation>Par mi-t. :</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>points</translation>
    </message>
    <message>
        <source>fouls</source>
        <translation>fautes</translation>
    </message>
    <message>
        <source>Section 2:</source>
        <translation>Ligne 2 :</translation>
    </message>
    <message>
        <source>period</source>
        <translation>période</translation>
    </message>
    <message>
        <source>half</source>
        <translation>mi-temps</translation>
    </message>
    <message>
        <source>Fouls reset:</source>
        <translation>Fautes à 0 :</translation>
    </message>
    <message>
        <source>Bonus at:</source>
        <translation>Bonus dès :</translation>
    </message>
    <message>
        <source>Score digits:</source>
        <translation>Chiffres :</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>The period length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>La durée de la période doit être un temps de 0.01 à 99.59 (minutes.secondes).</translation>
    </message>
    <message>
        <source>Each break must be a time up to 99.59 (minutes.seconds), the breaks separated by commas.</source>
        <translation>Chaque pause doit être un temps jusqu’à 99.59 (minutes.secondes), les pauses séparées par des virgules.</translation>
    </message>
    <message>
        <source>The overtime must be a time up to 99.59 (minutes.seconds), or empty for none.</source>
        <translation>La prolongation doit être un temps jusqu’à 99.59 (minutes.secondes), ou vide pour aucune.</translation>
    </message>
    <message>
        <source>Timeouts per half must be counts from 0 to %1, the first half&apos;s and the second&apos;s separated by a comma.</source>
        <translation>Les temps morts par mi-temps doivent être des nombres de 0 à %1, ceux de la première et de la seconde séparés par une virgule.</translation>
    </message>
    <message>
        <source>The timeout length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>La durée du temps mort doit être un temps de 0.01 à 99.59 (minutes.secondes).</translation>
    </message>
    <message>
        <source>Fouls reset at each period or each half.</source>
        <translation>Les fautes repartent à zéro à chaque période ou à chaque mi-temps.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s length must be from 1 to %1 seconds.</source>
        <translation>La durée du chronomètre des tirs doit être de 1 à %1 secondes.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s short length must be from 0 (none) to %1 seconds.</source>
        <translation>La durée courte du chronomètre des tirs doit être de 0 (aucune) à %1 secondes.</translation>
    </message>
    <message>
        <source>The sets to win must be from 1 to %1.</source>
        <translation>Les sets gagnants doivent aller de 1 à %1.</translation>
    </message>
    <message>
        <source>The points of a set must be from 1 to %1.</source>
        <translation>Les points d&apos;un set doivent aller de 1 à %1.</translation>
    </message>
    <message>
        <source>A set is won by a lead of 1 to %1 points.</source>
        <translation>Un set se gagne avec un écart de 1 à %1 points.</translation>
    </message>
    <message>
        <source>The points that end a set must be from 0 (none) to %1.</source>
        <translation>Les points qui terminent un set doivent aller de 0 (aucun) à %1.</translation>
    </message>
    <message>
        <source>The serve changes every 0 (the rally&apos;s winner serves) to %1 points.</source>
        <translation>Le service change tous les 0 (le gagnant de l&apos;échange sert) à %1 points.</translation>
    </message>
    <message>
        <source>Timeouts per set must be from 0 to %1.</source>
        <translation>Les temps morts par set doivent aller de 0 à %1.</translation>
    </message>
    <message>
        <source>A hint must come at 0 (none) to %1 points.</source>
        <translation>Un rappel doit venir à 0 (aucun) à %1 points.</translation>
    </message>
    <message>
        <source>The penalties&apos; lengths must be one to three times from 0.01 to 99.59 (minutes.seconds), separated by commas.</source>
        <translation>Les durées des pénalités doivent être une à trois durées de 0.01 à 99.59 (minutes.secondes), séparées par des virgules.</translation>
    </message>
    <message>
        <source>Section 2 counts scores or fouls, or is not shown.</source>
        <translation>La ligne 2 compte les points ou les fautes, ou n&apos;est pas affichée.</translation>
    </message>
    <message>
        <source>The points that end a set must be 0 (none) or at least the points of a set (%1) and of the deciding set (%2).</source>
        <translation>Les points qui terminent un set doivent être 0 (aucun) ou au moins les points d&apos;un set (%1) et du set décisif (%2).</translation>
    </message>
</context>
<context>
    <name>GameStateFile</name>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Board Credit:</source>
        <translation>Mention :</translation>
    </message>
    <message>
        <source>none on the board</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Takes effect when Corvella is next started.</source>
        <translation>Prend effet au prochain démarrage de Corvella.</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <translation>Celle du bureau</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Son de la sirène</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Ce fichier ne peut pas être lu : </translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>connected to the broker %1</source>
        <translation>connecté au broker %1</translation>
    </message>
    <message>
        <source>not connected to the broker: %1</source>
        <translation>non connecté au broker : %1</translation>
    </message>
    <message>
        <source>cannot serve the hall&apos;s pages on port %1: %2</source>
        <translation>impossible de servir les pages de la salle sur le port %1 : %2</translation>
    </message>
    <message>
        <source>the hall&apos;s pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json</source>
        <translation>les pages de la salle sont sur le port %1 : /hall, /hall/results, /hall/schedule, /hall.json</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot run openssl (%1): the hall&apos;s broker needs the package openssl</source>
        <translation>impossible de lancer openssl (%1) : le broker de la salle a besoin du paquet openssl</translation>
    </message>
    <message>
        <source>openssl could not make the hall&apos;s certificates: %1</source>
        <translation>openssl n&apos;a pas pu créer les certificats de la salle : %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 does not read; move it away to make new passwords</source>
        <translation>%1 est illisible ; déplacez-le pour créer de nouveaux mots de passe</translation>
    </message>
    <message>
        <source>%1 is locked by another process</source>
        <translation>%1 est verrouillé par un autre processus</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker listens on port %1</source>
        <translation>le broker propre de la salle écoute sur le port %1</translation>
    </message>
    <message>
        <source>HallServiceSettings/Broker is not host:port: %1</source>
        <translation>HallServiceSettings/Broker n&apos;est pas hôte:port : %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own, port %1</source>
        <translation>celui de la salle, port %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker is not running</source>
        <translation>le broker propre de la salle ne tourne pas</translation>
    </message>
    <message>
        <source>the hall uses the broker %1, whose users it does not keep</source>
        <translation>la salle utilise le broker %1, dont elle ne gère pas les utilisateurs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court: letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot; and spaces only</source>
        <translation>« %1 » ne peut pas nommer un terrain : lettres, chiffres, « _ », « - », « . » et espaces seulement</translation>
    </message>
    <message>
        <source>join codes are for the hall&apos;s own broker, and HallServiceSettings/Broker names another one (%1)</source>
        <translation>les codes d&apos;adhésion sont pour le broker propre de la salle, et HallServiceSettings/Broker en indique un autre (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court</source>
        <translation>« %1 » ne peut pas nommer un terrain</translation>
    </message>
    <message>
        <source>A join code begins with &quot;corvella-hall://&quot;; copy it whole from the hall&apos;s window.</source>
        <translation>Un code d&apos;adhésion commence par « corvella-hall:// » ; copiez-le en entier depuis la fenêtre de la salle.</translation>
    </message>
    <message>
        <source>The join code names no court or no password.</source>
        <translation>Le code d&apos;adhésion n&apos;indique pas de terrain ou de mot de passe.</translation>
    </message>
    <message>
        <source>The join code names no broker (host and port).</source>
        <translation>Le code d&apos;adhésion n&apos;indique pas de broker (hôte et port).</translation>
    </message>
    <message>
        <source>The join code names no venue.</source>
        <translation>Le code d&apos;adhésion n&apos;indique pas de lieu.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;ca&quot; is not a SHA-256 fingerprint.</source>
        <translation>Le « ca » du code d&apos;adhésion n&apos;est pas une empreinte SHA-256.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;web&quot; is not a port.</source>
        <translation>Le « web » du code d&apos;adhésion n&apos;est pas un port.</translation>
    </message>
    <message>
        <source>port %1 is taken (%2): set HallServiceSettings/OwnBrokerPort to another one</source>
        <translation>le port %1 est pris (%2) : mettez-en un autre dans HallServiceSettings/OwnBrokerPort</translation>
    </message>
    <message>
        <source>Mosquitto did not start within %1 s</source>
        <translation>Mosquitto n&apos;a pas démarré en %1 s</translation>
    </message>
    <message>
        <source>cannot run mosquitto (%1): the hall&apos;s own broker needs the package mosquitto</source>
        <translation>impossible de lancer mosquitto (%1) : le broker propre de la salle a besoin du paquet mosquitto</translation>
    </message>
    <message>
        <source>cannot write the broker&apos;s users into %1</source>
        <translation>impossible d&apos;écrire les utilisateurs du broker dans %1</translation>
    </message>
    <message>
        <source>mosquitto_passwd could not write the broker&apos;s users: %1</source>
        <translation>mosquitto_passwd n&apos;a pas pu écrire les utilisateurs du broker : %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker: %1</source>
        <translation>le broker de la salle : %1</translation>
    </message>
    <message>
        <source>no word from it</source>
        <translation>sans un mot</translation>
    </message>
    <message>
        <source>Mosquitto would not start: %1</source>
        <translation>Mosquitto refuse de démarrer : %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended %1 times within a minute (%2); it is not started again</source>
        <translation>le broker de la salle s&apos;est arrêté %1 fois en une minute (%2) ; il n&apos;est pas relancé</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended (%1); starting it again (%2 of %3 this minute)</source>
        <translation>le broker de la salle s&apos;est arrêté (%1) ; il est relancé (%2 sur %3 cette minute)</translation>
    </message>
</context>
<context>
    <name>HallDay</name>
    <message>
        <source>Results of the day</source>
        <translation>Résultats du jour</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets et périodes</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Aucun match n&apos;est encore terminé.</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joués</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Buts</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Points de set</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>HallJoin</name>
    <message>
        <source>The hall at %1 cannot be reached: %2</source>
        <translation>La salle à %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>The hall at %1 sent no certificate.</source>
        <translation>La salle à %1 n&apos;a envoyé aucun certificat.</translation>
    </message>
    <message>
        <source>The hall&apos;s certificate does not match the join code: this may not be the hall that gave it. Ask the hall for its code again.</source>
        <translation>Le certificat de la salle ne correspond pas au code d&apos;adhésion : ce n&apos;est peut-être pas la salle qui l&apos;a donné. Redemandez le code à la salle.</translation>
    </message>
    <message>
        <source>Cannot keep the hall&apos;s certificate in %1: %2</source>
        <translation>Impossible de garder le certificat de la salle dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>HallLink</name>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>la connexion à %1 a été perdue</translation>
    </message>
</context>
<context>
    <name>HallPage</name>
    <message>
        <source>host:port, empty for no link</source>
        <translation>hôte:port, vide pour aucun lien</translation>
    </message>
    <message>
        <source>the court</source>
        <translation>le terrain</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker :</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Salle :</translation>
    </message>
    <message>
        <source>Court:</source>
        <translation>Terrain :</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>CA certificate:</source>
        <translation>Certificat de l&apos;AC :</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien :</translation>
    </message>
    <message>
        <source>The board publishes its game to the hall&apos;s MQTT broker. With a CA certificate the link uses TLS.</source>
        <translation>Le tableau publie son match sur le broker MQTT de la salle. Avec un certificat de l&apos;AC, le lien utilise TLS.</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>Salle</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:1883&quot;).</source>
        <translation>Le broker n&apos;est pas un nom d&apos;hôte et un port (« hall.local:1883 »).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>La salle doit être un nom sans « / », « + » ni « # ».</translation>
    </message>
    <message>
        <source>The court must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Le terrain doit être un nom sans « / », « + » ni « # ».</translation>
    </message>
    <message>
        <source>Without a CA certificate the password would cross the network unencrypted. Give the broker&apos;s CA certificate, or use a broker on this computer.</source>
        <translation>Sans certificat de l&apos;AC, le mot de passe traverserait le réseau en clair. Indiquez le certificat de l&apos;AC du broker, ou utilisez un broker sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Aucun lien</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>corvella-hall://... from the hall&apos;s window</source>
        <translation>corvella-hall://... depuis la fenêtre de la salle</translation>
    </message>
    <message>
        <source>Press Join to use the join code, or clear it.</source>
        <translation>Appuyez sur Rejoindre pour utiliser le code, ou effacez-le.</translation>
    </message>
    <message>
        <source>Joined: court %1 of %2 at %3. Ok keeps it.</source>
        <translation>Rejoint : terrain %1 de %2 à %3. OK le garde.</translation>
    </message>
    <message>
        <source>Join code:</source>
        <translation>Code d&apos;adhésion :</translation>
    </message>
    <message>
        <source>The board is still joining the hall; wait a moment.</source>
        <translation>Le tableau rejoint encore la salle ; attendez un instant.</translation>
    </message>
    <message>
        <source>Asking the hall at %1…</source>
        <translation>Demande à la salle à %1…</translation>
    </message>
</context>
<context>
    <name>HallPages</name>
    <message>
        <source>Corvella hall</source>
        <translation>Salle Corvella</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Court %1</source>
        <translation>Terrain %1</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Score final</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pause après la période %1</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Prolongation %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Période %1</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Temps mort</translation>
    </message>
    <message>
        <source>Timeouts left: %1 - %2</source>
        <translation>Temps morts restants : %1 - %2</translation>
    </message>
    <message>
        <source>No court has reported yet.</source>
        <translation>Aucun terrain ne s&apos;est encore annoncé.</translation>
    </message>
    <message>
        <source>Corvella hall: results</source>
        <translation>Salle Corvella : résultats</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Tous les terrains</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Printable result</source>
        <translation>Résultat à imprimer</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Aucun match n&apos;est encore terminé.</translation>
    </message>
    <message>
        <source>Disputed: counts once accepted</source>
        <translation>Contesté : compte une fois accepté</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets et périodes</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Results as CSV</source>
        <translation>Résultats en CSV</translation>
    </message>
    <message>
        <source>Day sheet (PDF)</source>
        <translation>Feuille du jour (PDF)</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Sets %1 - %2</source>
        <translation>Sets %1 - %2</translation>
    </message>
    <message>
        <source>No signal</source>
        <translation>Pas de signal</translation>
    </message>
    <message>
        <source>Hall link down since %1</source>
        <translation>Liaison de la salle coupée depuis %1</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Temps mort %1</translation>
    </message>
    <message>
        <source>Next games</source>
        <translation>Prochains matchs</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
</context>
<context>
    <name>HallSettingsPage</name>
    <message>
        <source>empty: the hall&apos;s own broker</source>
        <translation>vide : le broker propre de la salle</translation>
    </message>
    <message>
        <source>empty: every address</source>
        <translation>vide : toutes les adresses</translation>
    </message>
    <message>
        <source>The browser&apos;s</source>
        <translation>Celle du navigateur</translation>
    </message>
    <message>
        <source>Save and restart the hall</source>
        <translation>Enregistrer et relancer la salle</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker :</translation>
    </message>
    <message>
        <source>Own broker&apos;s port:</source>
        <translation>Port du broker propre :</translation>
    </message>
    <message>
        <source>Own broker&apos;s address:</source>
        <translation>Adresse du broker propre :</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Pages&apos; port:</source>
        <translation>Port des pages :</translation>
    </message>
    <message>
        <source>Pages&apos; language:</source>
        <translation>Langue des pages :</translation>
    </message>
    <message>
        <source>Points for a win, a draw, a loss:</source>
        <translation>Points pour victoire, nul, défaite :</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:8883&quot;).</source>
        <translation>Le broker n&apos;est pas un nom d&apos;hôte et un port (« hall.local:8883 »).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Le lieu doit être un nom sans « / », « + » ni « # ».</translation>
    </message>
    <message>
        <source>The own broker&apos;s address must be an address of this computer.</source>
        <translation>L&apos;adresse du broker propre doit être une adresse de cet ordinateur.</translation>
    </message>
    <message>
        <source>The points are three numbers: a win, a draw, a loss (&quot;2,1,0&quot;).</source>
        <translation>Les points sont trois nombres : victoire, nul, défaite (« 2,1,0 »).</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>Ended</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Code d&apos;adhésion</translation>
    </message>
    <message>
        <source>Corvella Hall</source>
        <translation>Corvella Salle</translation>
    </message>
    <message>
        <source>Courts</source>
        <translation>Terrains</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Lobby and join codes</source>
        <translation>Hall d&apos;accueil et codes d&apos;adhésion</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Import a schedule…</source>
        <translation>Importer un programme…</translation>
    </message>
    <message>
        <source>a court&apos;s name</source>
        <translation>nom d&apos;un terrain</translation>
    </message>
    <message>
        <source>Add a court</source>
        <translation>Ajouter un terrain</translation>
    </message>
    <message>
        <source>Join codes: paste a court&apos;s code on its board&apos;s Hall page</source>
        <translation>Codes d&apos;adhésion : collez le code d&apos;un terrain dans la page Salle de son tableau</translation>
    </message>
    <message>
        <source>The hall&apos;s pages are on port %1.</source>
        <translation>Les pages de la salle sont sur le port %1.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>not connected: %1</source>
        <translation>non connecté : %1</translation>
    </message>
    <message>
        <source>connecting…</source>
        <translation>connexion…</translation>
    </message>
    <message>
        <source>Venue %1 · Broker: %2 · Link: %3</source>
        <translation>Lieu %1 · Broker : %2 · Liaison : %3</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>next</source>
        <translation>suivant</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joués</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>Conceded</source>
        <translation>Encaissés</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source> (disputed)</source>
        <translation> (contesté)</translation>
    </message>
    <message>
        <source>The lobby page: %1
(or %2 on a network without local names)
Results: /hall/results · Schedule: /hall/schedule</source>
        <translation>La page du hall d&apos;accueil : %1
(ou %2 sur un réseau sans noms locaux)
Résultats : /hall/results · Programme : /hall/schedule</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n game(s)</source>
        <translation>
            <numerusform>%1 : %n match</numerusform>
            <numerusform>%1 : %n matchs</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the day&apos;s schedule</source>
        <translation>Importer le programme du jour</translation>
    </message>
    <message>
        <source>Schedules (*.csv *.txt);;All files (*)</source>
        <translation>Programmes (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings file is locked or cannot be written.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés : le fichier de réglages est verrouillé ou impossible à écrire.</translation>
    </message>
    <message>
        <source>Settings saved; the hall starts again with them.</source>
        <translation>Réglages enregistrés ; la salle redémarre avec eux.</translation>
    </message>
    <message>
        <source>Save the results for the league (CSV)…</source>
        <translation>Enregistrer les résultats pour la ligue (CSV)…</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet (PDF)…</source>
        <translation>Enregistrer la feuille du jour (PDF)…</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Points des sets</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet</source>
        <translation>Enregistrer la feuille du jour</translation>
    </message>
    <message>
        <source>Save the day&apos;s results</source>
        <translation>Enregistrer les résultats du jour</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>il dépasse 8 Mo</translation>
    </message>
    <message>
        <source>it is not a PNG, JPEG or SVG image</source>
        <translation>ce n’est pas une image PNG, JPEG ou SVG</translation>
    </message>
    <message>
        <source>it is larger than 4096 x 4096 pixels</source>
        <translation>elle dépasse 4096 x 4096 pixels</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>the SVG declares entities</source>
        <translation>le SVG déclare des entités</translation>
    </message>
    <message>
        <source>the SVG refers to a file outside itself</source>
        <translation>le SVG renvoie à un fichier hors de lui-même</translation>
    </message>
    <message>
        <source>it is not a readable SVG file</source>
        <translation>ce n’est pas un fichier SVG lisible</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source> - To start or stop the clock press &apos;%1&apos;.</source>
        <translation> - Pour démarrer ou arrêter l&apos;horloge, appuyez sur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To reset the clock press &apos;%1&apos;.</source>
        <translation>  - Pour remettre l&apos;horloge à zéro, appuyez sur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To change the scores, click on the score, type a single digit number, and press &apos;enter&apos;.</source>
        <translation>  - Pour changer un score, cliquez dessus, tapez un seul chiffre et appuyez sur &apos;Entrée&apos;.</translation>
    </message>
    <message>
        <source>  - To increase or decrease one of the scores, click on the score, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>  - Pour augmenter ou diminuer un score, cliquez dessus, appuyez sur &apos;+&apos; ou &apos;-&apos; et tapez le chiffre à ajouter ou à retirer.</translation>
    </message>
    <message>
        <source>  - To sound the buzzer press &apos;%1&apos; .</source>
        <translation>  - Pour faire retentir la sirène, appuyez sur &apos;%1&apos; .</translation>
    </message>
    <message>
        <source>  - If you have mistyped a number and need to start over press </source>
        <translation>  - Si vous vous êtes trompé de chiffre et voulez recommencer, appuyez sur </translation>
    </message>
    <message>
        <source>&apos;SPACE&apos; .</source>
        <translation>&apos;ESPACE&apos; .</translation>
    </message>
    <message>
        <source>  - To return to this screen from the program press &apos;Esc&apos;.</source>
        <translation>  - Pour revenir à cet écran depuis le programme, appuyez sur &apos;Échap&apos;.</translation>
    </message>
    <message>
        <source>  - To see the board&apos;s network addresses and PIN press &apos;F4&apos;.</source>
        <translation>  - Pour voir les adresses réseau et le code PIN du tableau, appuyez sur &apos;F4&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the options from the program press &apos;o&apos;.</source>
        <translation>  - Pour ouvrir les options depuis le programme, appuyez sur &apos;o&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the next period press &apos;%1&apos;, to go back one press &apos;%2&apos;.</source>
        <translation>  - Pour passer à la période suivante, appuyez sur &apos;%1&apos;, pour revenir d&apos;une période, sur &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>  - To skip the rest of a break press &apos;%1&apos;.</source>
        <translation>  - Pour passer le reste d&apos;une pause, appuyez sur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start a new game press &apos;%1&apos;.</source>
        <translation>  - Pour commencer un nouveau match, appuyez sur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start or end a timeout press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team.</source>
        <translation>  - Pour lancer ou terminer un temps mort, appuyez sur &apos;%1&apos; pour l&apos;équipe à domicile, &apos;%2&apos; pour l&apos;équipe visiteuse.</translation>
    </message>
    <message>
        <source>  - To give a point press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team; &apos;Ctrl+Z&apos; takes it back.</source>
        <translation>  - Pour donner un point, appuyez sur &apos;%1&apos; pour l&apos;équipe locale, &apos;%2&apos; pour les visiteurs ; &apos;Ctrl+Z&apos; l&apos;annule.</translation>
    </message>
    <message>
        <source>  - Before a set&apos;s first point press &apos;%1&apos; to switch the first server.</source>
        <translation>  - Avant le premier point d&apos;un set, appuyez sur &apos;%1&apos; pour changer le premier serveur.</translation>
    </message>
</context>
<context>
    <name>KeyChooser</name>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Appuyez sur la touche pour %1.</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Touche déjà prise, choisissez-en une autre.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Choisir une touche</translation>
    </message>
</context>
<context>
    <name>KeyboardPage</name>
    <message>
        <source>Reset Keys</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Marche/arrêt :</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Remise à zéro :</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Sirène :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Son de la sirène</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>démarrer ou arrêter l&apos;horloge</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>remettre l&apos;horloge à zéro</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>faire retentir la sirène</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Aucun fichier choisi]</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <translation>Sons *.wav (*.wav)</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Ce fichier ne peut pas être lu : </translation>
    </message>
</context>
<context>
    <name>KeysPage</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Game Keys:</source>
        <translation>Touches du jeu :</translation>
    </message>
    <message>
        <source>Home timeout</source>
        <translation>Temps mort dom.</translation>
    </message>
    <message>
        <source>Guest timeout</source>
        <translation>Temps mort vis.</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Période suivante</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Période précéd.</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Passer la pause</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Typing:</source>
        <translation>Saisie :</translation>
    </message>
    <message>
        <source>Type whole scores: digits, then Enter</source>
        <translation>Taper des scores entiers : chiffres, puis Entrée</translation>
    </message>
    <message>
        <source>Operator&apos;s hints:</source>
        <translation>Aides :</translation>
    </message>
    <message>
        <source>with the audience display</source>
        <translation>avec l&apos;écran public</translation>
    </message>
    <message>
        <source>always</source>
        <translation>toujours</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>start the home team&apos;s timeout</source>
        <translation>lancer le temps mort de l&apos;équipe à domicile</translation>
    </message>
    <message>
        <source>start the guest team&apos;s timeout</source>
        <translation>lancer le temps mort de l&apos;équipe visiteuse</translation>
    </message>
    <message>
        <source>go to the next period</source>
        <translation>passer à la période suivante</translation>
    </message>
    <message>
        <source>go back a period</source>
        <translation>revenir à la période précédente</translation>
    </message>
    <message>
        <source>skip the break</source>
        <translation>passer la pause</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>commencer un nouveau match</translation>
    </message>
    <message>
        <source>Sound off/on</source>
        <translation>Son coupé/actif</translation>
    </message>
    <message>
        <source>turn the sound off or on</source>
        <translation>couper ou remettre le son</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Sirène brève</translation>
    </message>
    <message>
        <source>sound a short horn</source>
        <translation>faire retentir brièvement la sirène</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Show the board in browsers on the network</source>
        <translation>Afficher le tableau dans les navigateurs du réseau</translation>
    </message>
    <message>
        <source>Let show-control software and scripts drive the game (HTTP API)</source>
        <translation>Laisser logiciels de spectacle et scripts piloter le match (API HTTP)</translation>
    </message>
    <message>
        <source>New token</source>
        <translation>Nouveau jeton</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Toutes les adresses</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Listen on:</source>
        <translation>Écouter sur :</translation>
    </message>
    <message>
        <source>Displays and the stream overlay only show the board. The phone remote asks for the PIN shown on this computer.</source>
        <translation>Les écrans et l&apos;incrustation du direct ne font qu&apos;afficher le tableau. La télécommande du téléphone demande le code PIN affiché sur cet ordinateur.</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>Jeton de l&apos;API :</translation>
    </message>
    <message>
        <source>Requests to /api/v1/ carry the header &quot;Authorization: Bearer&quot; and this token. See the README for the calls.</source>
        <translation>Les requêtes vers /api/v1/ portent l&apos;en-tête &quot;Authorization: Bearer&quot; et ce jeton. Voir le README pour les appels.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
</context>
<context>
    <name>OperatorHints</name>
    <message>
        <source>The clock&apos;s panel takes no keys: click a clock digit</source>
        <translation>Le cadre de l&apos;horloge ne prend pas de touches : cliquez sur un chiffre</translation>
    </message>
    <message>
        <source>Click a score or a clock digit to type</source>
        <translation>Cliquez sur un score ou un chiffre de l&apos;horloge pour taper</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Tapé : %1</translation>
    </message>
    <message>
        <source>Caps Lock is on: command keys are lower-case</source>
        <translation>Verr. Maj activé : les touches de commande sont en minuscules</translation>
    </message>
</context>
<context>
    <name>OperatorPanel</name>
    <message>
        <source>Board on the network</source>
        <translation>Tableau sur le réseau</translation>
    </message>
    <message>
        <source>The board is not on the network: %1</source>
        <translation>Le tableau n&apos;est pas sur le réseau : %1</translation>
    </message>
    <message>
        <source>Board: %1display</source>
        <translation>Tableau : %1display</translation>
    </message>
    <message>
        <source>Stream overlay: %1overlay</source>
        <translation>Incrustation : %1overlay</translation>
    </message>
    <message>
        <source>Phone remote: %1remote</source>
        <translation>Télécommande : %1remote</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>Code PIN :</translation>
    </message>
    <message>
        <source>Connected pages: %1, remotes: %2</source>
        <translation>Pages connectées : %1, télécommandes : %2</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>Jeton de l&apos;API :</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Renouveler</translation>
    </message>
    <message>
        <source>Shot clock: %1shotclock</source>
        <translation>Chronomètre des tirs : %1shotclock</translation>
    </message>
    <message>
        <source>Hall: %1</source>
        <translation>Salle : %1</translation>
    </message>
    <message>
        <source>No next game from the hall</source>
        <translation>Aucun prochain match de la salle</translation>
    </message>
    <message>
        <source>Next game: %1 (F7 on the board loads it)</source>
        <translation>Prochain match : %1 (F7 sur le tableau le charge)</translation>
    </message>
    <message>
        <source>The web server is off</source>
        <translation>Le serveur web est arrêté</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Announcer: %1announcer</source>
        <translation>Speaker : %1announcer</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them on the Keyboard tab or in the settings.</source>
        <translation>Deux commandes partagent la touche %1. Choisissez une autre touche pour l&apos;une d&apos;elles dans l&apos;onglet Clavier ou dans les réglages.</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The settings could not be saved. They apply until Corvella is closed, but will be lost then.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés. Ils valent jusqu&apos;à la fermeture de Corvella, puis seront perdus.</translation>
    </message>
</context>
<context>
    <name>PlayerEntry</name>
    <message>
        <source>Foul</source>
        <translation>Faute</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>%1: which team? %2 or %3 (Space drops it)</source>
        <translation>%1 : quelle équipe ? %2 ou %3 (Espace l&apos;abandonne)</translation>
    </message>
    <message>
        <source>%1 %2: #%3, then Enter</source>
        <translation>%1 %2 : #%3, puis Entrée</translation>
    </message>
    <message>
        <source>%1 %2 #%3: length? %4</source>
        <translation>%1 %2 #%3 : quelle durée ? %4</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>The board follows the players</source>
        <translation>Le tableau suit les joueurs</translation>
    </message>
    <message>
        <source>A goal conceded ends the oldest 2:00 penalty</source>
        <translation>Un but encaissé termine la plus ancienne pénalité de 2:00</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Fouls that put a player out:</source>
        <translation>Fautes qui excluent un joueur :</translation>
    </message>
    <message>
        <source>Penalty lengths (minutes.seconds):</source>
        <translation>Durées des pénalités (minutes.secondes) :</translation>
    </message>
    <message>
        <source>Penalties that disqualify:</source>
        <translation>Pénalités qui disqualifient :</translation>
    </message>
    <message>
        <source>Player&apos;s foul key:</source>
        <translation>Touche faute de joueur :</translation>
    </message>
    <message>
        <source>Penalty key:</source>
        <translation>Touche pénalité :</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>enter a player&apos;s foul</source>
        <translation>saisir une faute de joueur</translation>
    </message>
    <message>
        <source>enter a penalty</source>
        <translation>saisir une pénalité</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket-ball</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Handball</translation>
    </message>
    <message>
        <source>Futsal</source>
        <translation>Futsal</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Hockey sur glace</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Football</translation>
    </message>
    <message>
        <source>Water polo</source>
        <translation>Water-polo</translation>
    </message>
    <message>
        <source>Korfball</source>
        <translation>Korfbal</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volley-ball</translation>
    </message>
    <message>
        <source>Beach volleyball</source>
        <translation>Beach-volley</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tennis de table</translation>
    </message>
</context>
<context>
    <name>RemoteApi</name>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>too many wrong tokens; try again later</source>
        <translation>trop de jetons erronés ; réessayez plus tard</translation>
    </message>
    <message>
        <source>a valid bearer token is needed</source>
        <translation>un jeton bearer valide est requis</translation>
    </message>
    <message>
        <source>use GET</source>
        <translation>utilisez GET</translation>
    </message>
    <message>
        <source>use POST</source>
        <translation>utilisez POST</translation>
    </message>
    <message>
        <source>the body is not a JSON object</source>
        <translation>le corps n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>give either &quot;add&quot; or &quot;set&quot;</source>
        <translation>donnez &quot;add&quot; ou &quot;set&quot;</translation>
    </message>
    <message>
        <source>too many calls; slow down</source>
        <translation>trop d&apos;appels ; ralentissez</translation>
    </message>
    <message>
        <source>the operator has not yet said whether to resume the saved game</source>
        <translation>l’opérateur n’a pas encore dit s’il reprend la partie enregistrée</translation>
    </message>
    <message>
        <source>&quot;team&quot; is &quot;home&quot; or &quot;guest&quot;</source>
        <translation>&quot;team&quot; vaut &quot;home&quot; ou &quot;guest&quot;</translation>
    </message>
    <message>
        <source>a player goes with &quot;add&quot;</source>
        <translation>un joueur va avec &quot;add&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; n’est pas un champ de cet appel</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Corvella: the game</source>
        <translation>Corvella : le match</translation>
    </message>
    <message>
        <source>Final:</source>
        <translation>Score final :</translation>
    </message>
    <message>
        <source>Period %1: %2</source>
        <translation>Période %1 : %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aucun match n&apos;a encore été enregistré.</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet (;)</source>
        <translation>CSV pour tableur (;)</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Chronomètre</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 : illisible (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a schedule</source>
        <translation>%1 : trop grand pour un programme</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>a quote is not closed where the field ends</source>
        <translation>un guillemet n&apos;est pas fermé à la fin du champ</translation>
    </message>
    <message>
        <source>the court &quot;%1&quot; cannot be a court&apos;s name (empty, or with /, + or #)</source>
        <translation>&quot;%1&quot; ne peut pas être le nom d&apos;un terrain (vide, ou avec /, + ou #)</translation>
    </message>
    <message>
        <source>both teams must be named</source>
        <translation>les deux équipes doivent être nommées</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot play itself</source>
        <translation>&quot;%1&quot; ne peut pas jouer contre elle-même</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a preset (known: %2)</source>
        <translation>&quot;%1&quot; n&apos;est pas un préréglage (connus : %2)</translation>
    </message>
    <message>
        <source>court %1 already plays at %2 (line %3)</source>
        <translation>le terrain %1 joue déjà à %2 (ligne %3)</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header line</source>
        <translation>le fichier est vide ; il lui faut une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>a team&apos;s name may have at most %1 characters, and no control characters</source>
        <translation>le nom d’une équipe peut avoir au plus %1 caractères, et aucun caractère de contrôle</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>the header does not read (separator found: %1): %2</source>
        <translation>l&apos;en-tête est illisible (séparateur trouvé : %1) : %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected nothing after the group</source>
        <translation>la colonne %1 est &quot;%2&quot;, rien n&apos;est attendu après le groupe</translation>
    </message>
    <message>
        <source>column %1 is missing, expected one of: %2</source>
        <translation>la colonne %1 manque, attendu l&apos;un de : %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected one of: %3</source>
        <translation>la colonne %1 est &quot;%2&quot;, attendu l&apos;un de : %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>missing: the header has %1 columns separated by %2</source>
        <translation>manquant : l&apos;en-tête a %1 colonnes séparées par %2</translation>
    </message>
    <message>
        <source>one more than the header&apos;s %1 columns: a field holding %2 needs double quotes</source>
        <translation>une de plus que les %1 colonnes de l&apos;en-tête : un champ contenant %2 doit être entre guillemets doubles</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; expected HH:MM, like 09:30</source>
        <translation>&quot;%1&quot; n&apos;est pas une heure ; attendu HH:MM, par exemple 09:30</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteur</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>to play</source>
        <translation>à jouer</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joués</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Corvella: the day&apos;s games</source>
        <translation>Corvella : les matchs du jour</translation>
    </message>
    <message>
        <source>The day&apos;s games</source>
        <translation>Les matchs du jour</translation>
    </message>
    <message>
        <source>No games are scheduled.</source>
        <translation>Aucun match n&apos;est prévu.</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Points de set</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Tous les terrains</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
</context>
<context>
    <name>ScoreBoardWindow</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Refusé : %1</translation>
    </message>
    <message>
        <source>Not taken: %1 is not a time from 0.00 to 99.59</source>
        <translation>Refusé : %1 n&apos;est pas un temps de 0.00 à 99.59</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Voulez-vous vraiment commencer un nouveau match ?</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>Nouveau match ?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all LEDs?</source>
        <translation>Voulez-vous vraiment effacer toutes les LED ?</translation>
    </message>
    <message>
        <source>%1 dropped: no key for a while</source>
        <translation>%1 abandonné : aucune touche depuis un moment</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>clock runs from %1</source>
        <translation>l&apos;horloge tourne depuis %1</translation>
    </message>
    <message>
        <source>clock stopped at %1</source>
        <translation>horloge arrêtée à %1</translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>horloge %1</translation>
    </message>
    <message>
        <source>Ctrl+Z again starts the clock from %1</source>
        <translation>Ctrl+Z encore démarre l&apos;horloge à %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>Undone from the network: %1</source>
        <translation>Annulé depuis le réseau : %1</translation>
    </message>
    <message>
        <source>Redone from the network: %1</source>
        <translation>Rétabli depuis le réseau : %1</translation>
    </message>
    <message>
        <source>Clear all LEDs?</source>
        <translation>Effacer toutes les LED ?</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <source>Skipped (the period they timed is over): %1</source>
        <translation>Ignoré (la période qu’ils chronométraient est terminée) : %1</translation>
    </message>
    <message>
        <source>No next game has come from the hall</source>
        <translation>Aucun prochain match n&apos;est venu de la salle</translation>
    </message>
    <message>
        <source>Start a new game: %1?</source>
        <translation>Commencer un nouveau match : %1 ?</translation>
    </message>
    <message>
        <source>Next: %1, F7 loads it</source>
        <translation>Ensuite : %1, F7 le charge</translation>
    </message>
    <message>
        <source>Sponsors on the audience display</source>
        <translation>Sponsors sur l’affichage public</translation>
    </message>
    <message>
        <source>Switch sides</source>
        <translation>Changement de côté</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1st foul</source>
        <translation>%1re faute</translation>
    </message>
    <message>
        <source>%1nd foul</source>
        <translation>%1e faute</translation>
    </message>
    <message>
        <source>%1rd foul</source>
        <translation>%1e faute</translation>
    </message>
    <message>
        <source>%1th foul</source>
        <translation>%1e faute</translation>
    </message>
    <message>
        <source>Penalty over: %1 (%2)</source>
        <translation>Pénalité terminée : %1 (%2)</translation>
    </message>
    <message>
        <source>Entry dropped</source>
        <translation>Saisie abandonnée</translation>
    </message>
    <message>
        <source>Next: %1, F7</source>
        <translation>Ensuite : %1, F7</translation>
    </message>
    <message>
        <source>Not loaded: %1 is still being played</source>
        <translation>Non chargé : %1 est encore en cours</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 skips it)</source>
        <translation>Refusé : %1 (%2 la saute)</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 starts a new one)</source>
        <translation>Refusé : %1 (%2 en commence un nouveau)</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>%1: a score takes one digit and Enter</source>
        <translation>%1 : un score prend un chiffre et Entrée</translation>
    </message>
    <message>
        <source>%1: a sign, then one digit</source>
        <translation>%1 : un signe, puis un chiffre</translation>
    </message>
</context>
<context>
    <name>ScoreFlowChart</name>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>Prol%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Évolution du score</translation>
    </message>
    <message>
        <source>Score flow, set %1</source>
        <translation>Évolution du score, set %1</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Changements de leader</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Égalités</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Plus grand écart</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Temps en tête</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 en tête</translation>
    </message>
    <message>
        <source>Lead change</source>
        <translation>Changement de leader</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps joué</translation>
    </message>
    <message>
        <source>Points played</source>
        <translation>Points joués</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>A scoreboard is on show</source>
        <translation>Un tableau de score est affiché</translation>
    </message>
</context>
<context>
    <name>SectionCaptions</name>
    <message>
        <source>Section 1</source>
        <translation>Section 1</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Section 2</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fautes</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
</context>
<context>
    <name>SetsPage</name>
    <message>
        <source>The game is played in sets</source>
        <translation>Le match se joue en sets</translation>
    </message>
    <message>
        <source>The game clock shows the match time</source>
        <translation>L&apos;horloge montre la durée du match</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sets gagnants :</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Points par set :</translation>
    </message>
    <message>
        <source>Points of the deciding set:</source>
        <translation>Points du set décisif :</translation>
    </message>
    <message>
        <source>Won by a lead of:</source>
        <translation>Gagné avec un écart de :</translation>
    </message>
    <message>
        <source>A set ends at most at:</source>
        <translation>Un set se termine au plus à :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The serve changes every:</source>
        <translation>Le service change tous les :</translation>
    </message>
    <message>
        <source>rally&apos;s winner serves</source>
        <translation>le gagnant sert</translation>
    </message>
    <message>
        <source>Timeouts per team and set:</source>
        <translation>Temps morts par équipe et set :</translation>
    </message>
    <message>
        <source>Switch sides every:</source>
        <translation>Changement de côté tous les :</translation>
    </message>
    <message>
        <source>no hint</source>
        <translation>aucun rappel</translation>
    </message>
    <message>
        <source>In the deciding set every:</source>
        <translation>Dans le set décisif tous les :</translation>
    </message>
    <message>
        <source>Interval at:</source>
        <translation>Pause à :</translation>
    </message>
    <message>
        <source>Point home key:</source>
        <translation>Touche point domicile :</translation>
    </message>
    <message>
        <source>Point guest key:</source>
        <translation>Touche point visiteur :</translation>
    </message>
    <message>
        <source>First server key:</source>
        <translation>Touche premier serveur :</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>give the home team a point</source>
        <translation>donner un point à l&apos;équipe à domicile</translation>
    </message>
    <message>
        <source>give the guest team a point</source>
        <translation>donner un point à l&apos;équipe visiteuse</translation>
    </message>
    <message>
        <source>switch the first server</source>
        <translation>changer le premier serveur</translation>
    </message>
</context>
<context>
    <name>SettingRows</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings - Corvella</source>
        <translation>Réglages - Corvella</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them here or on the Keyboard tab of the options.</source>
        <translation>Deux commandes partagent la touche %1. Choisissez une autre touche pour l&apos;une d&apos;elles ici ou dans l&apos;onglet Clavier des options.</translation>
    </message>
</context>
<context>
    <name>ShotClockPage</name>
    <message>
        <source>The board has a shot clock</source>
        <translation>Le tableau a un chronomètre des tirs</translation>
    </message>
    <message>
        <source>It runs only while the game clock runs</source>
        <translation>Il ne tourne que pendant que le chronomètre du jeu tourne</translation>
    </message>
    <message>
        <source>The game clock stops when it runs out</source>
        <translation>Le chronomètre du jeu s&apos;arrête quand il arrive à zéro</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>the built-in horn</source>
        <translation>la sirène intégrée</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Short length:</source>
        <translation>Durée courte :</translation>
    </message>
    <message>
        <source>Horn (sound file):</source>
        <translation>Sirène (fichier son) :</translation>
    </message>
    <message>
        <source>Reset key:</source>
        <translation>Touche de remise :</translation>
    </message>
    <message>
        <source>Short reset key:</source>
        <translation>Touche de remise courte :</translation>
    </message>
    <message>
        <source>Hold / release key:</source>
        <translation>Touche retenir / relâcher :</translation>
    </message>
    <message>
        <source>Dark key:</source>
        <translation>Touche éteindre :</translation>
    </message>
    <message>
        <source>Possession arrow key:</source>
        <translation>Touche flèche de possession :</translation>
    </message>
    <message>
        <source>Shot Clock</source>
        <translation>Chronomètre des tirs</translation>
    </message>
    <message>
        <source>reset the shot clock</source>
        <translation>remettre le chronomètre des tirs</translation>
    </message>
    <message>
        <source>reset the shot clock short</source>
        <translation>remettre le chronomètre des tirs en court</translation>
    </message>
    <message>
        <source>hold or release the shot clock</source>
        <translation>retenir ou relâcher le chronomètre des tirs</translation>
    </message>
    <message>
        <source>make the shot clock dark</source>
        <translation>éteindre le chronomètre des tirs</translation>
    </message>
    <message>
        <source>switch the possession arrow</source>
        <translation>changer la flèche de possession</translation>
    </message>
    <message>
        <source>A goal resets it</source>
        <translation>Un but le remet à zéro</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is not a sound file</source>
        <translation>ce n&apos;est pas un fichier son</translation>
    </message>
    <message>
        <source>its sound is compressed in a way Corvella cannot play</source>
        <translation>son son est compressé d&apos;une façon que Corvella ne sait pas lire</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>its header is damaged (too many parts)</source>
        <translation>son en-tête est endommagé (trop de parties)</translation>
    </message>
    <message>
        <source>it has %1 channels, more than Corvella can play</source>
        <translation>il a %1 canaux, plus que Corvella ne sait lire</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>sa fréquence d&apos;échantillonnage de %1 Hz n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>the sound is longer than 10 minutes</source>
        <translation>le son dure plus de 10 minutes</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than 32 MB</source>
        <translation>il dépasse 32 Mo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>Corvella&apos;s sound support is not installed</source>
        <translation>La prise en charge du son de Corvella n&apos;est pas installée</translation>
    </message>
</context>
<context>
    <name>SponsorsPage</name>
    <message>
        <source>Show the sponsors on the audience display</source>
        <translation>Montrer les sponsors sur l’affichage public</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Breaks and timeouts</source>
        <translation>Pauses et temps morts</translation>
    </message>
    <message>
        <source>Breaks, timeouts and before the game</source>
        <translation>Pauses, temps morts et avant le match</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>List again</source>
        <translation>Actualiser la liste</translation>
    </message>
    <message>
        <source>Each slide stays:</source>
        <translation>Durée de chaque image :</translation>
    </message>
    <message>
        <source>Shown during:</source>
        <translation>Montrés pendant :</translation>
    </message>
    <message>
        <source>Pictures (PNG, JPEG, SVG) in %1:</source>
        <translation>Images (PNG, JPEG, SVG) dans %1 :</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>Sponsors</translation>
    </message>
    <message>
        <source>No pictures yet</source>
        <translation>Pas encore d’images</translation>
    </message>
    <message>
        <source>%1: not shown, %2</source>
        <translation>%1 : non affichée, %2</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Cliquez pour continuer.</translation>
    </message>
    <message>
        <source>Custom Created by Brannick</source>
        <translation>Créé par Brannick</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
</context>
<context>
    <name>TeamChooser</name>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>Home:</source>
        <translation>Domicile :</translation>
    </message>
    <message>
        <source>Guest:</source>
        <translation>Visiteurs :</translation>
    </message>
</context>
<context>
    <name>TeamLibrary</name>
    <message>
        <source>%1: not a small regular file</source>
        <translation>%1 : pas un petit fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: a line cannot be read</source>
        <translation>%1 : une ligne ne peut pas être lue</translation>
    </message>
    <message>
        <source>%1: it has no [Team] Name=</source>
        <translation>%1 : il n’a pas de [Team] Name=</translation>
    </message>
    <message>
        <source>%1: the short name &quot;%2&quot; is cut to %3 characters</source>
        <translation>%1 : le nom court « %2 » est coupé à %3 caractères</translation>
    </message>
    <message>
        <source>%1: another file already holds the team %2</source>
        <translation>%1 : un autre fichier contient déjà l’équipe %2</translation>
    </message>
    <message>
        <source>A team needs a name.</source>
        <translation>Une équipe a besoin d’un nom.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The team cannot be written to %1.</source>
        <translation>L’équipe ne peut pas être écrite dans %1.</translation>
    </message>
    <message>
        <source>The logo cannot be used: %1.</source>
        <translation>Le logo ne peut pas être utilisé : %1.</translation>
    </message>
    <message>
        <source>The logo cannot be read.</source>
        <translation>Le logo ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The logo cannot be written to %1.</source>
        <translation>Le logo ne peut pas être écrit dans %1.</translation>
    </message>
    <message>
        <source>The roster %1 cannot be read.</source>
        <translation>L’effectif %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a player&apos;s number</source>
        <translation>Ligne %1 : « %2 » n’est pas un numéro de joueur</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not a colour written #rrggbb; the team is shown without it</source>
        <translation>%1 : %2 « %3 » n’est pas une couleur écrite #rrggbb ; l’équipe est montrée sans elle</translation>
    </message>
    <message>
        <source>%1: the logo must be a file in the teams folder, not &quot;%2&quot;</source>
        <translation>%1 : le logo doit être un fichier du dossier des équipes, pas « %2 »</translation>
    </message>
    <message>
        <source>%1: the logo %2 cannot be shown: %3</source>
        <translation>%1 : le logo %2 ne peut pas être affiché : %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00)</source>
        <translation>%1 : « %2 » n’est pas un numéro de joueur (0 à 99, ou 00)</translation>
    </message>
    <message>
        <source>%1: names longer than %2 characters are cut</source>
        <translation>%1 : les noms de plus de %2 caractères sont coupés</translation>
    </message>
    <message>
        <source>Names longer than %1 characters are cut.</source>
        <translation>Les noms de plus de %1 caractères sont coupés.</translation>
    </message>
</context>
<context>
    <name>TeamsPage</name>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Add player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Remove player</source>
        <translation>Retirer le joueur</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer un CSV...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Short name:</source>
        <translation>Nom court :</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo :</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Joueurs :</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nouvelle équipe</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>This logo cannot be used: %1.</source>
        <translation>Ce logo ne peut pas être utilisé : %1.</translation>
    </message>
    <message>
        <source>Rosters (*.csv *.txt)</source>
        <translation>Effectifs (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Board&apos;s</source>
        <translation>Du tableau</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Pas de logo</translation>
    </message>
    <message>
        <source>Every team needs a name.</source>
        <translation>Chaque équipe a besoin d’un nom.</translation>
    </message>
    <message>
        <source>There are two teams named %1.</source>
        <translation>Il y a deux équipes nommées %1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00).</source>
        <translation>%1 : « %2 » n’est pas un numéro de joueur (0 à 99, ou 00).</translation>
    </message>
    <message>
        <source>%1: two players have the number %2.</source>
        <translation>%1 : deux joueurs ont le numéro %2.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 n’a pas pu être retiré.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <source>Text Controls</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Nom de l&apos;équipe à domicile :</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nom de l&apos;équipe visiteuse :</translation>
    </message>
    <message>
        <source>Section 1 Name:</source>
        <translation>Nom de la section 1 :</translation>
    </message>
    <message>
        <source>Section 2 Name:</source>
        <translation>Nom de la section 2 :</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Stream overlay</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>PIN shown on the scoreboard&apos;s computer</source>
        <translation>Code PIN affiché sur l&apos;ordinateur du tableau</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Marche / arrêt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pause après la période %1</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Prolongation %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Période %1</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Wait a while, or scan the QR code.</source>
        <translation>Trop de codes PIN erronés. Patientez un moment ou scannez le code QR.</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Code PIN erroné.</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>OVERTIME</source>
        <translation>PROLONGATION</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PÉRIODE</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Régler l&apos;horloge</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The clock is minutes.seconds, like 12.30.</source>
        <translation>L&apos;horloge est en minutes.secondes, comme 12.30.</translation>
    </message>
    <message>
        <source>Undo again to start the clock again.</source>
        <translation>Annulez encore pour relancer l&apos;horloge.</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TEMPS MORT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>PÉNALITÉ</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Temps mort %1</translation>
    </message>
    <message>
        <source>(%1 timeouts)</source>
        <translation>(%1 temps morts)</translation>
    </message>
    <message>
        <source>Clock, minutes.seconds</source>
        <translation>Horloge, minutes.secondes</translation>
    </message>
    <message>
        <source>Corvella board</source>
        <translation>Tableau Corvella</translation>
    </message>
    <message>
        <source>Corvella overlay</source>
        <translation>Incrustation Corvella</translation>
    </message>
    <message>
        <source>Corvella remote</source>
        <translation>Télécommande Corvella</translation>
    </message>
    <message>
        <source>Shot clock</source>
        <translation>Chronomètre des tirs</translation>
    </message>
    <message>
        <source>Corvella shot clock</source>
        <translation>Chronomètre des tirs Corvella</translation>
    </message>
    <message>
        <source>Shot clock reset</source>
        <translation>Remettre le chrono des tirs</translation>
    </message>
    <message>
        <source>Short reset</source>
        <translation>Remise courte</translation>
    </message>
    <message>
        <source>Hold / Release</source>
        <translation>Retenir / Relâcher</translation>
    </message>
    <message>
        <source>Switch possession</source>
        <translation>Changer la possession</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>First server</source>
        <translation>Premier serveur</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FAUTES</translation>
    </message>
    <message>
        <source>Type the number of the player first.</source>
        <translation>Tapez d&apos;abord le numéro du joueur.</translation>
    </message>
    <message>
        <source>Player number</source>
        <translation>Numéro du joueur</translation>
    </message>
    <message>
        <source>Foul home</source>
        <translation>Faute domicile</translation>
    </message>
    <message>
        <source>Foul guest</source>
        <translation>Faute visiteur</translation>
    </message>
    <message>
        <source>Penalty length</source>
        <translation>Durée de la pénalité</translation>
    </message>
    <message>
        <source>Penalty home</source>
        <translation>Pénalité domicile</translation>
    </message>
    <message>
        <source>Penalty guest</source>
        <translation>Pénalité visiteur</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Sirène courte</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Son oui/non</translation>
    </message>
    <message>
        <source>Announcer</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>Corvella announcer</source>
        <translation>Corvella speaker</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pénalités</translation>
    </message>
    <message>
        <source>Last steps</source>
        <translation>Dernières actions</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Le match jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Timeouts left: %1</source>
        <translation>Temps morts restants : %1</translation>
    </message>
    <message>
        <source>Team fouls: %1</source>
        <translation>Fautes d&apos;équipe : %1</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fautes</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Changements de leader</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Égalités</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Plus grand écart</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Temps en tête</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Points par set</translation>
    </message>
    <message>
        <source>Points per period</source>
        <translation>Points par période</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>Prol%1</translation>
    </message>
</context>
<context>
    <name>WebService</name>
    <message>
        <source>&quot;%1&quot; is not an address of this computer</source>
        <translation>&quot;%1&quot; n&apos;est pas une adresse de cet ordinateur</translation>
    </message>
</context>
</TS>
