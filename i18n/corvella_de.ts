<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudienceDisplay</name>
    <message>
        <source>Audience display: press F2 or Esc to close it</source>
        <translation>Publikumsanzeige: F2 oder Esc schließt sie</translation>
    </message>
    <message>
        <source>Corvella - audience</source>
        <translation>Corvella - Publikum</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>OVERTIME</source>
        <translation>VERLÄNGERUNG</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>ENDSTAND</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>AUSZEIT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>FOULSTRAFE</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SATZ</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FOULS</translation>
    </message>
</context>
<context>
    <name>ColorPage</name>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Heim:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Gast:</translation>
    </message>
    <message>
        <source>Section Color:</source>
        <translation>Abschnitt:</translation>
    </message>
    <message>
        <source>LED Time Color:</source>
        <translation>LED-Zeit:</translation>
    </message>
    <message>
        <source>LED Score Color:</source>
        <translation>LED-Punkte:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>LED-Grund:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Corvella: an electronic scoreboard with a game clock, scores and a buzzer.
See corvella(1) for the keys.</source>
        <translation>Corvella: eine elektronische Anzeigetafel mit Spieluhr, Punktständen und Hupe.
Die Tasten beschreibt corvella(1).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open the scoreboard full screen.</source>
        <translation>Die Anzeigetafel im Vollbild öffnen.</translation>
    </message>
    <message>
        <source>Open the scoreboard on screen &lt;N&gt;, counted from 1 (default: where it was last time, else the primary screen).</source>
        <translation>Die Anzeigetafel auf Bildschirm &lt;N&gt; öffnen, ab 1 gezählt (sonst: wo sie zuletzt war, oder der Hauptbildschirm).</translation>
    </message>
    <message>
        <source>Write the current game to &lt;FILE&gt; (.csv, .json or .pdf) and exit.</source>
        <translation>Das laufende Spiel in &lt;FILE&gt; schreiben (.csv, .json oder .pdf) und beenden.</translation>
    </message>
    <message>
        <source>With --export: the game log &lt;PATH&gt; instead.</source>
        <translation>Mit --export: stattdessen das Spielprotokoll &lt;PATH&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>corvella: --game is only for --export.
</source>
        <translation>corvella: --game gibt es nur mit --export.
</translation>
    </message>
    <message>
        <source>corvella: --screen takes a screen number from 1 up, not &apos;%1&apos;.
</source>
        <translation>corvella: --screen erwartet eine Bildschirmnummer ab 1, nicht &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>corvella: cannot open a display (%1); start it from a desktop session.</source>
        <translation>corvella: keine Anzeige zu öffnen (%1); aus einer Desktop-Sitzung starten.</translation>
    </message>
    <message>
        <source>With --export to .csv: separate with semicolons and begin with a UTF-8 mark, as spreadsheets in German and other languages with a decimal comma open it.</source>
        <translation>Mit --export nach .csv: mit Semikolons trennen und mit einer UTF-8-Marke beginnen, wie Tabellenkalkulationen auf Deutsch und in anderen Sprachen mit Dezimalkomma sie öffnen.</translation>
    </message>
    <message>
        <source>corvella: --csv-excel is only for --export.
</source>
        <translation>corvella: --csv-excel gilt nur mit --export.
</translation>
    </message>
    <message>
        <source>Keep the saved game and the game logs in &lt;DIR&gt; (default: $XDG_STATE_HOME/Corvella); a second board on one computer needs a folder of its own.</source>
        <translation>Das gesicherte Spiel und die Spielprotokolle in &lt;DIR&gt; ablegen (Standard: $XDG_STATE_HOME/Corvella); eine zweite Anzeigetafel auf einem Computer braucht einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>corvella: --state-dir needs a folder.
</source>
        <translation>corvella: --state-dir braucht einen Ordner.
</translation>
    </message>
    <message>
        <source>With --hall: serve on port &lt;N&gt; instead of the web server&apos;s.</source>
        <translation>Mit --hall: auf Port &lt;N&gt; statt auf dem des Webservers bereitstellen.</translation>
    </message>
    <message>
        <source>corvella: --hall and --export go separately.
</source>
        <translation>corvella: --hall und --export gehen nur getrennt.
</translation>
    </message>
    <message>
        <source>corvella: --port takes a port from 1 to 65535, with --hall.
</source>
        <translation>corvella: --port nimmt einen Port von 1 bis 65535, mit --hall.
</translation>
    </message>
    <message>
        <source>With --hall: the day&apos;s games from &lt;FILE.csv&gt;; each court&apos;s next game goes to it when its game reaches the final.</source>
        <translation>Mit --hall: die Spiele des Tages aus &lt;FILE.csv&gt;; das nächste Spiel jedes Feldes geht an es, wenn sein Spiel das Ende erreicht.</translation>
    </message>
    <message>
        <source>corvella: --schedule is only for --hall.
</source>
        <translation>corvella: --schedule gibt es nur mit --hall.
</translation>
    </message>
    <message>
        <source>With --hall, followed by GAME: count the result of court &lt;COURT&gt;&apos;s game GAME, which two of its lines disputed, once a person has checked it; a running hall counts it too.</source>
        <translation>Mit --hall, gefolgt von GAME: das Ergebnis des Spiels GAME auf Feld &lt;COURT&gt;, das zwei seiner Zeilen strittig gemacht haben, zählen, sobald ein Mensch es geprüft hat; eine laufende Halle zählt es ebenfalls.</translation>
    </message>
    <message>
        <source>corvella: --accept COURT GAME goes with --hall.
</source>
        <translation>corvella: --accept COURT GAME gehört zu --hall.
</translation>
    </message>
    <message>
        <source>Run the hall: every court from the hall&apos;s broker on the web pages /hall, /hall/results and /hall.json, in the hall&apos;s window (no board).</source>
        <translation>Die Halle betreiben: jedes Spielfeld vom Broker der Halle auf den Webseiten /hall, /hall/results und /hall.json, im Fenster der Halle (keine Anzeigetafel).</translation>
    </message>
    <message>
        <source>With --hall: no window, as a service (also without a display).</source>
        <translation>Mit --hall: ohne Fenster, als Dienst (auch ohne Bildschirm).</translation>
    </message>
    <message>
        <source>With --hall: print court &lt;COURT&gt;&apos;s join code for the hall&apos;s own broker, and exit.</source>
        <translation>Mit --hall: den Beitrittscode des Spielfelds &lt;COURT&gt; für den eigenen Broker der Halle ausgeben und beenden.</translation>
    </message>
    <message>
        <source>corvella: --headless and --print-join-code are only for --hall.
</source>
        <translation>corvella: --headless und --print-join-code gibt es nur mit --hall.
</translation>
    </message>
    <message>
        <source>corvella: --print-join-code needs a court.
</source>
        <translation>corvella: --print-join-code braucht ein Spielfeld.
</translation>
    </message>
    <message>
        <source>Print each change the hall&apos;s console sends, and each frame skipped with why, until Ctrl+C; no window.</source>
        <translation>Jede Änderung ausgeben, die die Konsole der Halle sendet, und jeden übersprungenen Rahmen mit Grund, bis Strg+C; kein Fenster.</translation>
    </message>
</context>
<context>
    <name>ConsoleLink</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 was lost: %2</source>
        <translation>%1 ging verloren: %2</translation>
    </message>
    <message>
        <source>Port %1 cannot be listened on: %2</source>
        <translation>Auf Port %1 kann nicht gelauscht werden: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleMirror</name>
    <message>
        <source>New game on the console</source>
        <translation>Neues Spiel an der Konsole</translation>
    </message>
    <message>
        <source>Period %1 on the console</source>
        <translation>Periode %1 an der Konsole</translation>
    </message>
    <message>
        <source>Home %1 on the console</source>
        <translation>Heim %1 an der Konsole</translation>
    </message>
    <message>
        <source>Guest %1 on the console</source>
        <translation>Gast %1 an der Konsole</translation>
    </message>
    <message>
        <source>Home team fouls %1 on the console</source>
        <translation>Teamfouls Heim %1 an der Konsole</translation>
    </message>
    <message>
        <source>Guest team fouls %1 on the console</source>
        <translation>Teamfouls Gast %1 an der Konsole</translation>
    </message>
    <message>
        <source>Home timeouts %1 on the console</source>
        <translation>Auszeiten Heim %1 an der Konsole</translation>
    </message>
    <message>
        <source>Guest timeouts %1 on the console</source>
        <translation>Auszeiten Gast %1 an der Konsole</translation>
    </message>
    <message>
        <source>Set %1 on the console</source>
        <translation>Satz %1 an der Konsole</translation>
    </message>
    <message>
        <source>Possession on the console</source>
        <translation>Ballbesitz an der Konsole</translation>
    </message>
    <message>
        <source>Shot clock %1 on the console</source>
        <translation>Angriffszeit %1 an der Konsole</translation>
    </message>
    <message>
        <source>Shot clock started on the console</source>
        <translation>Angriffszeit an der Konsole gestartet</translation>
    </message>
    <message>
        <source>Shot clock stopped on the console</source>
        <translation>Angriffszeit an der Konsole angehalten</translation>
    </message>
    <message>
        <source>Shot clock dark on the console</source>
        <translation>Angriffszeit an der Konsole dunkel</translation>
    </message>
    <message>
        <source>Clock started on the console at %1</source>
        <translation>Uhr an der Konsole bei %1 gestartet</translation>
    </message>
    <message>
        <source>Clock stopped on the console at %1</source>
        <translation>Uhr an der Konsole bei %1 angehalten</translation>
    </message>
    <message>
        <source>Clock set on the console to %1</source>
        <translation>Uhr an der Konsole auf %1 gestellt</translation>
    </message>
    <message>
        <source>Home penalty %1 on the console</source>
        <translation>Zeitstrafe Heim %1 an der Konsole</translation>
    </message>
    <message>
        <source>Guest penalty %1 on the console</source>
        <translation>Zeitstrafe Gast %1 an der Konsole</translation>
    </message>
    <message>
        <source>Home penalty over on the console</source>
        <translation>Zeitstrafe Heim an der Konsole beendet</translation>
    </message>
    <message>
        <source>Guest penalty over on the console</source>
        <translation>Zeitstrafe Gast an der Konsole beendet</translation>
    </message>
</context>
<context>
    <name>ConsoleMonitor</name>
    <message>
        <source>console heard</source>
        <translation>Konsole empfangen</translation>
    </message>
    <message>
        <source>console silent</source>
        <translation>Konsole stumm</translation>
    </message>
    <message>
        <source>skipped: %1 (garbage: swap A and B)</source>
        <translation>übersprungen: %1 (Datenmüll: A und B tauschen)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>corvella: no console is set (Settings, page Console).</source>
        <translation>corvella: keine Konsole eingestellt (Einstellungen, Seite Konsole).</translation>
    </message>
    <message>
        <source>Reading the %1 console; Ctrl+C ends.</source>
        <translation>Lese die Konsole %1; Strg+C beendet.</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>None: the operator keeps the game</source>
        <translation>Keine: der Bediener führt das Spiel</translation>
    </message>
    <message>
        <source>Bodet Scorepad (network)</source>
        <translation>Bodet Scorepad (Netzwerk)</translation>
    </message>
    <message>
        <source>Stramatel (RS-485)</source>
        <translation>Stramatel (RS-485)</translation>
    </message>
    <message>
        <source>Daktronics All Sport 5000 (serial)</source>
        <translation>Daktronics All Sport 5000 (seriell)</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Handball</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Eishockey</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>Console:</source>
        <translation>Konsole:</translation>
    </message>
    <message>
        <source>Sport:</source>
        <translation>Sportart:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Serielle Schnittstelle:</translation>
    </message>
    <message>
        <source>Speed (8N1):</source>
        <translation>Geschwindigkeit (8N1):</translation>
    </message>
    <message>
        <source>Listen on port:</source>
        <translation>Auf Port lauschen:</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>While a console is the source, its feed keeps the clock, the scores, the period, fouls, timeouts, the shot clock and penalties. Choosing it, or another sport, brings that sport&apos;s preset. Teams, captions and the final stay yours.</source>
        <translation>Solange eine Konsole die Quelle ist, führt sie die Uhr, die Spielstände, die Periode, Fouls, Auszeiten, die Angriffszeit und die Strafzeiten. Wer sie oder eine andere Sportart wählt, bekommt die Voreinstellung dieser Sportart. Teams, Beschriftungen und das Spielende bleiben bei Ihnen.</translation>
    </message>
</context>
<context>
    <name>ConsoleSource</name>
    <message>
        <source>console silent</source>
        <translation>Konsole stumm</translation>
    </message>
    <message>
        <source>console silent: %1</source>
        <translation>Konsole stumm: %1</translation>
    </message>
</context>
<context>
    <name>ControllerBindings</name>
    <message>
        <source>this is not a profile of controller bindings</source>
        <translation>das ist kein Profil mit Controller-Belegungen</translation>
    </message>
    <message>
        <source>the profile is of version %1; this program reads version %2</source>
        <translation>das Profil hat Version %1; dieses Programm liest Version %2</translation>
    </message>
    <message>
        <source>the bindings of device %1 are damaged</source>
        <translation>die Belegungen des Geräts %1 sind beschädigt</translation>
    </message>
    <message>
        <source>the file is too large for a profile</source>
        <translation>die Datei ist zu groß für ein Profil</translation>
    </message>
</context>
<context>
    <name>ControllersPage</name>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Hat %1 %2</source>
        <translation>Kreuz %1 %2</translation>
    </message>
    <message>
        <source>Axis %1 %2</source>
        <translation>Achse %1 %2</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Profil exportieren…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Profil importieren…</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
    <message>
        <source>Choose a command and its parameters, press Learn, then the button, hat or stick on the controller that is to do it.</source>
        <translation>Befehl und Parameter wählen, Lernen drücken, dann die Taste, das Kreuz oder den Stick am Controller, der ihn ausführen soll.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>The controllers&apos; bindings could not be saved.</source>
        <translation>Die Belegungen der Controller konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unnamed controller</source>
        <translation>Controller ohne Namen</translation>
    </message>
    <message>
        <source>%1 – not connected</source>
        <translation>%1 – nicht verbunden</translation>
    </message>
    <message>
        <source>Game controllers are not read in this window.</source>
        <translation>In diesem Fenster werden keine Controller gelesen.</translation>
    </message>
    <message>
        <source>Game controllers cannot be read: %1</source>
        <translation>Controller können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No game controller is connected.</source>
        <translation>Kein Controller ist verbunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n controller(s) connected.</source>
        <translation>
            <numerusform>%n Controller verbunden.</numerusform>
            <numerusform>%n Controller verbunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press the button, push the hat or the stick on the controller that is to run %1.</source>
        <translation>Die Taste, das Kreuz oder den Stick am Controller drücken, der %1 ausführen soll.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 führt jetzt %2 aus.</translation>
    </message>
    <message>
        <source>Controller profiles (*.json)</source>
        <translation>Controller-Profile (*.json)</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>The profile could not be written: %1</source>
        <translation>Das Profil konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>The profile could not be read: %1</source>
        <translation>Das Profil konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CorvellaApp</name>
    <message>
        <source>, Final</source>
        <translation>, Ende</translation>
    </message>
    <message>
        <source>, Break after period %1</source>
        <translation>, Pause nach Periode %1</translation>
    </message>
    <message>
        <source>, Overtime %1</source>
        <translation>, Verlängerung %1</translation>
    </message>
    <message>
        <source>, Period %1</source>
        <translation>, Periode %1</translation>
    </message>
    <message>
        <source>the game is not being saved (%1)</source>
        <translation>das Spiel wird nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Es wurde noch kein Spiel aufgezeichnet.</translation>
    </message>
    <message>
        <source>Printable result (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)</source>
        <translation>Druckbares Ergebnis (*.pdf);;Tabelle (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The game was not exported: %1</source>
        <translation>Das Spiel wurde nicht exportiert: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>, timeouts taken %1 : %2</source>
        <translation>, genommene Auszeiten %1 : %2</translation>
    </message>
    <message>
        <source>The new token could not be stored; the old one stays.</source>
        <translation>Das neue Token konnte nicht gespeichert werden; das alte bleibt.</translation>
    </message>
    <message>
        <source>the game is not being saved: another Corvella keeps its game in %1 (start this one with --state-dir)</source>
        <translation>das Spiel wird nicht gesichert: ein anderes Corvella führt sein Spiel in %1 (dieses mit --state-dir starten)</translation>
    </message>
    <message>
        <source>the game is not being recorded (%1)</source>
        <translation>das Spiel wird nicht protokolliert (%1)</translation>
    </message>
    <message>
        <source>Not loaded: the preset %1 is gone</source>
        <translation>Nicht geladen: das Preset %1 gibt es nicht mehr</translation>
    </message>
    <message>
        <source>The game is loaded, but its settings could not be stored</source>
        <translation>Das Spiel ist geladen, aber seine Einstellungen ließen sich nicht speichern</translation>
    </message>
    <message>
        <source>Resume the game in progress? Clock %1%2, %3</source>
        <translation>Das laufende Spiel fortsetzen? Uhr %1%2, %3</translation>
    </message>
    <message>
        <source>The console&apos;s sport is in force, but its settings could not be stored</source>
        <translation>Die Sportart der Konsole gilt, aber ihre Einstellungen konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>CourtLink</name>
    <message>
        <source>no answer from %1</source>
        <translation>keine Antwort von %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>die Verbindung zu %1 ist abgebrochen</translation>
    </message>
    <message>
        <source>the hall link is down: %1</source>
        <translation>die Verbindung zur Halle ist getrennt: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbinde mit %1</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Nicht verbunden: %1</translation>
    </message>
    <message>
        <source>ignored a next game from the hall that is not {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} with a known preset: %1</source>
        <translation>nächstes Spiel von der Halle ignoriert, das nicht {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} mit einem bekannten Preset ist: %1</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Abschnitt 2</translation>
    </message>
    <message>
        <source>Score changes</source>
        <translation>Änderungen des Punktstands</translation>
    </message>
    <message>
        <source>Damaged lines of the log left out: %1</source>
        <translation>Ausgelassene beschädigte Zeilen des Protokolls: %1</translation>
    </message>
    <message>
        <source>cannot tell the format of %1: name it .csv, .json or .pdf</source>
        <translation>das Format von %1 ist unklar: die Datei .csv, .json oder .pdf nennen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>corvella: no game has been recorded in %1 yet</source>
        <translation>corvella: in %1 wurde noch kein Spiel aufgezeichnet</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Auszeiten</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>V%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>%1, %2 (%3)</source>
        <translation>%1, %2 Uhr (%3)</translation>
    </message>
    <message>
        <source>Final score</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Score in period %1 at %2</source>
        <translation>Stand in Periode %1 bei %2</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Team fouls</source>
        <translation>Mannschaftsfouls</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Erste Halbzeit</translation>
    </message>
    <message>
        <source>Second half and overtime</source>
        <translation>Zweite Halbzeit und Verlängerung</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Spielort</translation>
    </message>
    <message>
        <source>Referees</source>
        <translation>Schiedsrichter</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Anschreiber</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Unterschrift des Anschreibers</translation>
    </message>
    <message>
        <source>(%1 earlier changes not shown)</source>
        <translation>(%1 frühere Änderungen nicht gezeigt)</translation>
    </message>
    <message>
        <source>Sets won</source>
        <translation>Gewonnene Sätze</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Punkte je Satz</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouls</translation>
    </message>
    <message>
        <source>Pen.</source>
        <translation>Str.</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Spielverlauf</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; ist kein Feld dieses Aufrufs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a whole number</source>
        <translation>„%1“ ist eine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a text</source>
        <translation>„%1“ ist ein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is true or false</source>
        <translation>„%1“ ist true oder false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is minutes.seconds, from &quot;0&quot; to &quot;99.59&quot;</source>
        <translation>„%1“ ist Minuten.Sekunden, von „0“ bis „99.59“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number of one or two digits</source>
        <translation>„%1“ ist eine Nummer mit einer oder zwei Ziffern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2</source>
        <translation>„%1“ ist %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>the break runs by itself</source>
        <translation>die Pause läuft von selbst</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>das Spiel ist vorbei</translation>
    </message>
    <message>
        <source>a timeout is running</source>
        <translation>eine Auszeit läuft</translation>
    </message>
    <message>
        <source>the clock is at zero; reset or set it</source>
        <translation>die Uhr steht auf null; zurücksetzen oder stellen</translation>
    </message>
    <message>
        <source>the game has no timeouts</source>
        <translation>das Spiel hat keine Auszeiten</translation>
    </message>
    <message>
        <source>no timeout in a break or after the game</source>
        <translation>keine Auszeit in einer Pause oder nach dem Spiel</translation>
    </message>
    <message>
        <source>the other team&apos;s timeout is running</source>
        <translation>die Auszeit der anderen Mannschaft läuft</translation>
    </message>
    <message>
        <source>%1 has no timeouts left</source>
        <translation>%1 hat keine Auszeiten mehr</translation>
    </message>
    <message>
        <source>the shot clock is off</source>
        <translation>die Angriffszeit ist aus</translation>
    </message>
    <message>
        <source>the game is not played in sets</source>
        <translation>das Spiel wird nicht in Sätzen gespielt</translation>
    </message>
    <message>
        <source>a match in sets has no players&apos; fouls or penalties</source>
        <translation>ein Spiel in Sätzen hat keine Spielerfouls und keine Strafen</translation>
    </message>
    <message>
        <source>the players are off</source>
        <translation>die Spieler sind aus</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>das Match ist vorbei</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>the set has begun</source>
        <translation>der Satz hat begonnen</translation>
    </message>
    <message>
        <source>Switch the first server</source>
        <translation>Ersten Aufschlag wechseln</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Set score</source>
        <translation>Punktstand gesetzt</translation>
    </message>
    <message>
        <source>Change score</source>
        <translation>Punktstand geändert</translation>
    </message>
    <message>
        <source>Start the clock</source>
        <translation>Uhr starten</translation>
    </message>
    <message>
        <source>Stop the clock</source>
        <translation>Uhr anhalten</translation>
    </message>
    <message>
        <source>Start or stop the clock</source>
        <translation>Uhr starten oder stoppen</translation>
    </message>
    <message>
        <source>Reset the clock</source>
        <translation>Uhr zurücksetzen</translation>
    </message>
    <message>
        <source>give either &quot;value&quot; (minutes.seconds) or &quot;ms&quot;</source>
        <translation>entweder &quot;value&quot; (Minuten.Sekunden) oder &quot;ms&quot; angeben</translation>
    </message>
    <message>
        <source>&quot;ms&quot; is a whole number from 0 to %1</source>
        <translation>&quot;ms&quot; ist eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>Clear all LEDs</source>
        <translation>Alle LEDs gelöscht</translation>
    </message>
    <message>
        <source>the game has no periods</source>
        <translation>das Spiel hat keine Perioden</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Nächste Periode</translation>
    </message>
    <message>
        <source>this is the first period</source>
        <translation>dies ist die erste Periode</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Vorige Periode</translation>
    </message>
    <message>
        <source>there is no break to skip</source>
        <translation>es gibt keine Pause zum Überspringen</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Pause überspringen</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Auszeit %1</translation>
    </message>
    <message>
        <source>no timeout of %1 is running</source>
        <translation>keine Auszeit von %1 läuft</translation>
    </message>
    <message>
        <source>End the timeout of %1</source>
        <translation>Auszeit von %1 beendet</translation>
    </message>
    <message>
        <source>the shot clock has no short length</source>
        <translation>die Angriffszeit hat keine kurze Länge</translation>
    </message>
    <message>
        <source>Short shot clock</source>
        <translation>Kurze Angriffszeit</translation>
    </message>
    <message>
        <source>Reset the shot clock</source>
        <translation>Angriffszeit zurücksetzen</translation>
    </message>
    <message>
        <source>Hold the shot clock</source>
        <translation>Angriffsuhr anhalten</translation>
    </message>
    <message>
        <source>Release the shot clock</source>
        <translation>Angriffsuhr freigeben</translation>
    </message>
    <message>
        <source>Start the shot clock</source>
        <translation>Angriffsuhr starten</translation>
    </message>
    <message>
        <source>Stop the shot clock</source>
        <translation>Angriffsuhr anhalten</translation>
    </message>
    <message>
        <source>Hold or release the shot clock</source>
        <translation>Angriffszeit anhalten oder freigeben</translation>
    </message>
    <message>
        <source>Shot clock dark</source>
        <translation>Angriffszeit dunkel</translation>
    </message>
    <message>
        <source>Possession arrow to %1</source>
        <translation>Ballbesitzpfeil zu %1</translation>
    </message>
    <message>
        <source>Switch the possession arrow</source>
        <translation>Ballbesitzpfeil umschalten</translation>
    </message>
    <message>
        <source>Foul %1</source>
        <translation>Foul %1</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; is a whole number from 1 to %1</source>
        <translation>&quot;seconds&quot; ist eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>Penalty %1</source>
        <translation>Strafe %1</translation>
    </message>
    <message>
        <source>nothing to undo</source>
        <translation>nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>nothing to redo</source>
        <translation>nichts zu wiederholen</translation>
    </message>
    <message>
        <source>the console keeps the score</source>
        <translation>die Konsole führt den Spielstand</translation>
    </message>
    <message>
        <source>the console keeps it</source>
        <translation>die Konsole behält ihn</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>the disk may be full</source>
        <translation>die Festplatte ist vielleicht voll</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a game log</source>
        <translation>%1 ist zu groß für ein Spielprotokoll</translation>
    </message>
    <message>
        <source>%1 is not a Corvella game log</source>
        <translation>%1 ist kein Spielprotokoll von Corvella</translation>
    </message>
    <message>
        <source>%1 was written by a newer Corvella (log version %2; this one reads up to %3)</source>
        <translation>%1 stammt von einem neueren Corvella (Protokollversion %2; dieses liest bis %3)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Period ended</source>
        <translation>Periode beendet</translation>
    </message>
    <message>
        <source>Break ended</source>
        <translation>Pause beendet</translation>
    </message>
    <message>
        <source>Timeout ended</source>
        <translation>Auszeit beendet</translation>
    </message>
    <message>
        <source>Clock ran out</source>
        <translation>Uhr abgelaufen</translation>
    </message>
    <message>
        <source>Clock stopped at its limit</source>
        <translation>Uhr an ihrer Grenze angehalten</translation>
    </message>
    <message>
        <source>the game log could not be opened</source>
        <translation>das Spielprotokoll ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>Shot clock ran out</source>
        <translation>Angriffszeit abgelaufen</translation>
    </message>
    <message>
        <source>Set %1 ended %2:%3</source>
        <translation>Satz %1 beendet %2:%3</translation>
    </message>
</context>
<context>
    <name>GameModel</name>
    <message>
        <source>%1 is over %2</source>
        <translation>%1 ist über %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 ist unter %2</translation>
    </message>
    <message>
        <source>%1 + %2 is over %3</source>
        <translation>%1 + %2 ist über %3</translation>
    </message>
    <message>
        <source>%1 - %2 is below %3</source>
        <translation>%1 - %2 ist unter %3</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Game Clock:</source>
        <translation>Spieluhr:</translation>
    </message>
    <message>
        <source>Count down from</source>
        <translation>Abwärts ab</translation>
    </message>
    <message>
        <source>minutes.seconds</source>
        <translation>Min.Sek.</translation>
    </message>
    <message>
        <source>Unticked, the clock counts up to 99:59.9. Counting down, it stops at 0:00.0 and sounds the buzzer.</source>
        <translation>Ohne Haken zählt die Uhr bis 99:59.9 hoch. Abwärts hält sie bei 0:00.0, und die Hupe ertönt.</translation>
    </message>
    <message>
        <source>Audience Display (F2):</source>
        <translation>Publikumsanzeige (F2):</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on screen </source>
        <translation>auf Bildschirm </translation>
    </message>
    <message>
        <source>Periods:</source>
        <translation>Perioden:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>no periods</source>
        <translation>keine Perioden</translation>
    </message>
    <message>
        <source> periods</source>
        <translation> Perioden</translation>
    </message>
    <message>
        <source>Breaks after them:</source>
        <translation>Pausen danach:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Overtime when level:</source>
        <translation>Verlängerung:</translation>
    </message>
    <message>
        <source>Timeouts and Fouls:</source>
        <translation>Auszeiten und Fouls:</translation>
    </message>
    <message>
        <source>Per game:</source>
        <translation>Pro Spiel:</translation>
    </message>
    <message>
        <source>2, 3</source>
        <translation>2, 3</translation>
    </message>
    <message>
        <source>Per half instead: the first half&apos;s, then the second&apos;s</source>
        <translation>Stattdessen pro Halbzeit: erst die der ersten, dann die der zweiten</translation>
    </message>
    <message>
        <source>Per half:</source>
        <translation>Pro Hälfte:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>fouls</source>
        <translation>Fouls</translation>
    </message>
    <message>
        <source>Section 2:</source>
        <translation>Abschnitt 2:</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>half</source>
        <translation>Hälfte</translation>
    </message>
    <message>
        <source>Fouls reset:</source>
        <translation>Fouls auf 0:</translation>
    </message>
    <message>
        <source>Bonus at:</source>
        <translation>Bonus ab:</translation>
    </message>
    <message>
        <source>Score digits:</source>
        <translation>Ziffern:</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>The period length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>Die Periodenlänge muss eine Zeit von 0.01 bis 99.59 sein (Minuten.Sekunden).</translation>
    </message>
    <message>
        <source>Each break must be a time up to 99.59 (minutes.seconds), the breaks separated by commas.</source>
        <translation>Jede Pause muss eine Zeit bis 99.59 sein (Minuten.Sekunden), die Pausen durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>The overtime must be a time up to 99.59 (minutes.seconds), or empty for none.</source>
        <translation>Die Verlängerung muss eine Zeit bis 99.59 sein (Minuten.Sekunden), oder leer für keine.</translation>
    </message>
    <message>
        <source>Timeouts per half must be counts from 0 to %1, the first half&apos;s and the second&apos;s separated by a comma.</source>
        <translation>Auszeiten je Hälfte müssen Anzahlen von 0 bis %1 sein, die der ersten und der zweiten Hälfte durch ein Komma getrennt.</translation>
    </message>
    <message>
        <source>The timeout length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>Die Auszeitdauer muss eine Zeit von 0.01 bis 99.59 sein (Minuten.Sekunden).</translation>
    </message>
    <message>
        <source>Fouls reset at each period or each half.</source>
        <translation>Fouls werden je Periode oder je Hälfte zurückgesetzt.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s length must be from 1 to %1 seconds.</source>
        <translation>Die Angriffszeit muss 1 bis %1 Sekunden betragen.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s short length must be from 0 (none) to %1 seconds.</source>
        <translation>Die kurze Angriffszeit muss 0 (keine) bis %1 Sekunden betragen.</translation>
    </message>
    <message>
        <source>The sets to win must be from 1 to %1.</source>
        <translation>Die Gewinnsätze müssen zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The points of a set must be from 1 to %1.</source>
        <translation>Die Punkte eines Satzes müssen zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>A set is won by a lead of 1 to %1 points.</source>
        <translation>Ein Satz wird mit 1 bis %1 Punkten Vorsprung gewonnen.</translation>
    </message>
    <message>
        <source>The points that end a set must be from 0 (none) to %1.</source>
        <translation>Die Punkte, die einen Satz beenden, müssen zwischen 0 (keine) und %1 liegen.</translation>
    </message>
    <message>
        <source>The serve changes every 0 (the rally&apos;s winner serves) to %1 points.</source>
        <translation>Der Aufschlag wechselt alle 0 (der Gewinner des Ballwechsels schlägt auf) bis %1 Punkte.</translation>
    </message>
    <message>
        <source>Timeouts per set must be from 0 to %1.</source>
        <translation>Auszeiten je Satz müssen zwischen 0 und %1 liegen.</translation>
    </message>
    <message>
        <source>A hint must come at 0 (none) to %1 points.</source>
        <translation>Ein Hinweis muss bei 0 (keiner) bis %1 Punkten kommen.</translation>
    </message>
    <message>
        <source>The penalties&apos; lengths must be one to three times from 0.01 to 99.59 (minutes.seconds), separated by commas.</source>
        <translation>Die Strafzeiten müssen ein bis drei Zeiten von 0.01 bis 99.59 (Minuten.Sekunden) sein, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Section 2 counts scores or fouls, or is not shown.</source>
        <translation>Abschnitt 2 zählt Punkte oder Fouls oder wird nicht gezeigt.</translation>
    </message>
    <message>
        <source>The points that end a set must be 0 (none) or at least the points of a set (%1) and of the deciding set (%2).</source>
        <translation>Die Punkte, die einen Satz beenden, müssen 0 (keine) sein oder mindestens die Punkte eines Satzes (%1) und des Entscheidungssatzes (%2).</translation>
    </message>
</context>
<context>
    <name>GameStateFile</name>
    <message>
        <source>the disk may be full</source>
        <translation>die Festplatte ist vielleicht voll</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Board Credit:</source>
        <translation>Vermerk:</translation>
    </message>
    <message>
        <source>none on the board</source>
        <translation>keiner auf der Tafel</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Takes effect when Corvella is next started.</source>
        <translation>Gilt ab dem nächsten Start von Corvella.</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Hupenton</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Diese Datei kann nicht abgespielt werden: </translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>connected to the broker %1</source>
        <translation>mit dem Broker %1 verbunden</translation>
    </message>
    <message>
        <source>not connected to the broker: %1</source>
        <translation>nicht mit dem Broker verbunden: %1</translation>
    </message>
    <message>
        <source>cannot serve the hall&apos;s pages on port %1: %2</source>
        <translation>die Seiten der Halle können nicht auf Port %1 bereitgestellt werden: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json</source>
        <translation>die Seiten der Halle sind auf Port %1: /hall, /hall/results, /hall/schedule, /hall.json</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kann den Ordner %1 nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>cannot run openssl (%1): the hall&apos;s broker needs the package openssl</source>
        <translation>kann openssl nicht ausführen (%1): der Broker der Halle braucht das Paket openssl</translation>
    </message>
    <message>
        <source>openssl could not make the hall&apos;s certificates: %1</source>
        <translation>openssl konnte die Zertifikate der Halle nicht erstellen: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 does not read; move it away to make new passwords</source>
        <translation>%1 ist nicht lesbar; verschieben Sie die Datei, um neue Passwörter zu erstellen</translation>
    </message>
    <message>
        <source>%1 is locked by another process</source>
        <translation>%1 ist von einem anderen Prozess gesperrt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker listens on port %1</source>
        <translation>der eigene Broker der Halle lauscht auf Port %1</translation>
    </message>
    <message>
        <source>HallServiceSettings/Broker is not host:port: %1</source>
        <translation>HallServiceSettings/Broker ist nicht Host:Port: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own, port %1</source>
        <translation>der eigene der Halle, Port %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker is not running</source>
        <translation>der eigene Broker der Halle läuft nicht</translation>
    </message>
    <message>
        <source>the hall uses the broker %1, whose users it does not keep</source>
        <translation>die Halle nutzt den Broker %1, dessen Benutzer sie nicht verwaltet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court: letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot; and spaces only</source>
        <translation>„%1“ kann kein Spielfeld benennen: nur Buchstaben, Ziffern, „_“, „-“, „.“ und Leerzeichen</translation>
    </message>
    <message>
        <source>join codes are for the hall&apos;s own broker, and HallServiceSettings/Broker names another one (%1)</source>
        <translation>Beitrittscodes gibt es für den eigenen Broker der Halle, und HallServiceSettings/Broker nennt einen anderen (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court</source>
        <translation>„%1“ kann kein Spielfeld benennen</translation>
    </message>
    <message>
        <source>A join code begins with &quot;corvella-hall://&quot;; copy it whole from the hall&apos;s window.</source>
        <translation>Ein Beitrittscode beginnt mit „corvella-hall://“; kopieren Sie ihn vollständig aus dem Fenster der Halle.</translation>
    </message>
    <message>
        <source>The join code names no court or no password.</source>
        <translation>Der Beitrittscode nennt kein Spielfeld oder kein Passwort.</translation>
    </message>
    <message>
        <source>The join code names no broker (host and port).</source>
        <translation>Der Beitrittscode nennt keinen Broker (Host und Port).</translation>
    </message>
    <message>
        <source>The join code names no venue.</source>
        <translation>Der Beitrittscode nennt keinen Austragungsort.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;ca&quot; is not a SHA-256 fingerprint.</source>
        <translation>Das „ca“ des Beitrittscodes ist kein SHA-256-Fingerabdruck.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;web&quot; is not a port.</source>
        <translation>Das „web“ des Beitrittscodes ist kein Port.</translation>
    </message>
    <message>
        <source>port %1 is taken (%2): set HallServiceSettings/OwnBrokerPort to another one</source>
        <translation>Port %1 ist belegt (%2): stellen Sie HallServiceSettings/OwnBrokerPort auf einen anderen</translation>
    </message>
    <message>
        <source>Mosquitto did not start within %1 s</source>
        <translation>Mosquitto ist nicht innerhalb von %1 s gestartet</translation>
    </message>
    <message>
        <source>cannot run mosquitto (%1): the hall&apos;s own broker needs the package mosquitto</source>
        <translation>kann mosquitto nicht ausführen (%1): der eigene Broker der Halle braucht das Paket mosquitto</translation>
    </message>
    <message>
        <source>cannot write the broker&apos;s users into %1</source>
        <translation>kann die Benutzer des Brokers nicht in %1 schreiben</translation>
    </message>
    <message>
        <source>mosquitto_passwd could not write the broker&apos;s users: %1</source>
        <translation>mosquitto_passwd konnte die Benutzer des Brokers nicht schreiben: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker: %1</source>
        <translation>der Broker der Halle: %1</translation>
    </message>
    <message>
        <source>no word from it</source>
        <translation>ohne eine Meldung</translation>
    </message>
    <message>
        <source>Mosquitto would not start: %1</source>
        <translation>Mosquitto startet nicht: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended %1 times within a minute (%2); it is not started again</source>
        <translation>der Broker der Halle hat sich %1-mal innerhalb einer Minute beendet (%2); er wird nicht erneut gestartet</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended (%1); starting it again (%2 of %3 this minute)</source>
        <translation>der Broker der Halle hat sich beendet (%1); er wird neu gestartet (%2 von %3 in dieser Minute)</translation>
    </message>
</context>
<context>
    <name>HallDay</name>
    <message>
        <source>Results of the day</source>
        <translation>Ergebnisse des Tages</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sätze und Perioden</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Noch ist kein Spiel zu Ende.</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Satzpunkte</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>HallJoin</name>
    <message>
        <source>The hall at %1 cannot be reached: %2</source>
        <translation>Die Halle unter %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The hall at %1 sent no certificate.</source>
        <translation>Die Halle unter %1 hat kein Zertifikat gesendet.</translation>
    </message>
    <message>
        <source>The hall&apos;s certificate does not match the join code: this may not be the hall that gave it. Ask the hall for its code again.</source>
        <translation>Das Zertifikat der Halle passt nicht zum Beitrittscode: Das ist vielleicht nicht die Halle, die ihn ausgegeben hat. Fragen Sie die Halle erneut nach dem Code.</translation>
    </message>
    <message>
        <source>Cannot keep the hall&apos;s certificate in %1: %2</source>
        <translation>Kann das Zertifikat der Halle nicht in %1 ablegen: %2</translation>
    </message>
</context>
<context>
    <name>HallLink</name>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>die Verbindung zu %1 ist abgebrochen</translation>
    </message>
</context>
<context>
    <name>HallPage</name>
    <message>
        <source>host:port, empty for no link</source>
        <translation>Host:Port, leer für keine Verbindung</translation>
    </message>
    <message>
        <source>the court</source>
        <translation>das Spielfeld</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Spielstätte:</translation>
    </message>
    <message>
        <source>Court:</source>
        <translation>Spielfeld:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>CA certificate:</source>
        <translation>CA-Zertifikat:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>The board publishes its game to the hall&apos;s MQTT broker. With a CA certificate the link uses TLS.</source>
        <translation>Die Anzeige veröffentlicht ihr Spiel beim MQTT-Broker der Halle. Mit einem CA-Zertifikat läuft die Verbindung über TLS.</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>Halle</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:1883&quot;).</source>
        <translation>Der Broker ist kein Hostname mit Port („hall.local:1883“).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Die Halle muss ein Name ohne „/“, „+“ oder „#“ sein.</translation>
    </message>
    <message>
        <source>The court must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Das Spielfeld muss ein Name ohne „/“, „+“ oder „#“ sein.</translation>
    </message>
    <message>
        <source>Without a CA certificate the password would cross the network unencrypted. Give the broker&apos;s CA certificate, or use a broker on this computer.</source>
        <translation>Ohne CA-Zertifikat ginge das Passwort unverschlüsselt über das Netz. Geben Sie das CA-Zertifikat des Brokers an oder nutzen Sie einen Broker auf diesem Computer.</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>corvella-hall://... from the hall&apos;s window</source>
        <translation>corvella-hall://... aus dem Fenster der Halle</translation>
    </message>
    <message>
        <source>Press Join to use the join code, or clear it.</source>
        <translation>Drücken Sie „Beitreten“, um den Code zu verwenden, oder leeren Sie das Feld.</translation>
    </message>
    <message>
        <source>Joined: court %1 of %2 at %3. Ok keeps it.</source>
        <translation>Beigetreten: Spielfeld %1 von %2 unter %3. OK übernimmt es.</translation>
    </message>
    <message>
        <source>Join code:</source>
        <translation>Beitrittscode:</translation>
    </message>
    <message>
        <source>The board is still joining the hall; wait a moment.</source>
        <translation>Die Anzeigetafel tritt der Halle noch bei; warten Sie einen Moment.</translation>
    </message>
    <message>
        <source>Asking the hall at %1…</source>
        <translation>Frage die Halle unter %1 …</translation>
    </message>
</context>
<context>
    <name>HallPages</name>
    <message>
        <source>Corvella hall</source>
        <translation>Corvella-Halle</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Court %1</source>
        <translation>Spielfeld %1</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pause nach Periode %1</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Verlängerung %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Auszeit</translation>
    </message>
    <message>
        <source>Timeouts left: %1 - %2</source>
        <translation>Auszeiten übrig: %1 - %2</translation>
    </message>
    <message>
        <source>No court has reported yet.</source>
        <translation>Noch hat sich kein Spielfeld gemeldet.</translation>
    </message>
    <message>
        <source>Corvella hall: results</source>
        <translation>Corvella-Halle: Ergebnisse</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Alle Spielfelder</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Printable result</source>
        <translation>Ergebnis zum Drucken</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Noch ist kein Spiel zu Ende.</translation>
    </message>
    <message>
        <source>Disputed: counts once accepted</source>
        <translation>Strittig: zählt erst nach Bestätigung</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sätze und Perioden</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>Results as CSV</source>
        <translation>Ergebnisse als CSV</translation>
    </message>
    <message>
        <source>Day sheet (PDF)</source>
        <translation>Tagesübersicht (PDF)</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>Sets %1 - %2</source>
        <translation>Sätze %1 - %2</translation>
    </message>
    <message>
        <source>No signal</source>
        <translation>Kein Signal</translation>
    </message>
    <message>
        <source>Hall link down since %1</source>
        <translation>Verbindung der Halle getrennt seit %1</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Auszeit %1</translation>
    </message>
    <message>
        <source>Next games</source>
        <translation>Nächste Spiele</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
</context>
<context>
    <name>HallSettingsPage</name>
    <message>
        <source>empty: the hall&apos;s own broker</source>
        <translation>leer: der eigene Broker der Halle</translation>
    </message>
    <message>
        <source>empty: every address</source>
        <translation>leer: jede Adresse</translation>
    </message>
    <message>
        <source>The browser&apos;s</source>
        <translation>Die des Browsers</translation>
    </message>
    <message>
        <source>Save and restart the hall</source>
        <translation>Speichern und die Halle neu starten</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Own broker&apos;s port:</source>
        <translation>Port des eigenen Brokers:</translation>
    </message>
    <message>
        <source>Own broker&apos;s address:</source>
        <translation>Adresse des eigenen Brokers:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Austragungsort:</translation>
    </message>
    <message>
        <source>Pages&apos; port:</source>
        <translation>Port der Seiten:</translation>
    </message>
    <message>
        <source>Pages&apos; language:</source>
        <translation>Sprache der Seiten:</translation>
    </message>
    <message>
        <source>Points for a win, a draw, a loss:</source>
        <translation>Punkte für Sieg, Unentschieden, Niederlage:</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:8883&quot;).</source>
        <translation>Der Broker ist kein Hostname mit Port („hall.local:8883“).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Der Austragungsort muss ein Name ohne „/“, „+“ oder „#“ sein.</translation>
    </message>
    <message>
        <source>The own broker&apos;s address must be an address of this computer.</source>
        <translation>Die Adresse des eigenen Brokers muss eine Adresse dieses Computers sein.</translation>
    </message>
    <message>
        <source>The points are three numbers: a win, a draw, a loss (&quot;2,1,0&quot;).</source>
        <translation>Die Punkte sind drei Zahlen: Sieg, Unentschieden, Niederlage („2,1,0“).</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Beitrittscode</translation>
    </message>
    <message>
        <source>Corvella Hall</source>
        <translation>Corvella Halle</translation>
    </message>
    <message>
        <source>Courts</source>
        <translation>Spielfelder</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Lobby and join codes</source>
        <translation>Foyer und Beitrittscodes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Import a schedule…</source>
        <translation>Spielplan importieren …</translation>
    </message>
    <message>
        <source>a court&apos;s name</source>
        <translation>Name eines Spielfelds</translation>
    </message>
    <message>
        <source>Add a court</source>
        <translation>Spielfeld hinzufügen</translation>
    </message>
    <message>
        <source>Join codes: paste a court&apos;s code on its board&apos;s Hall page</source>
        <translation>Beitrittscodes: den Code eines Spielfelds auf der Seite „Halle“ seiner Anzeigetafel einfügen</translation>
    </message>
    <message>
        <source>The hall&apos;s pages are on port %1.</source>
        <translation>Die Seiten der Halle sind auf Port %1.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>not connected: %1</source>
        <translation>nicht verbunden: %1</translation>
    </message>
    <message>
        <source>connecting…</source>
        <translation>verbinde …</translation>
    </message>
    <message>
        <source>Venue %1 · Broker: %2 · Link: %3</source>
        <translation>Austragungsort %1 · Broker: %2 · Verbindung: %3</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>next</source>
        <translation>als Nächstes</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Erzielt</translation>
    </message>
    <message>
        <source>Conceded</source>
        <translation>Kassiert</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source> (disputed)</source>
        <translation> (strittig)</translation>
    </message>
    <message>
        <source>The lobby page: %1
(or %2 on a network without local names)
Results: /hall/results · Schedule: /hall/schedule</source>
        <translation>Die Foyer-Seite: %1
(oder %2 in einem Netz ohne lokale Namen)
Ergebnisse: /hall/results · Spielplan: /hall/schedule</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n game(s)</source>
        <translation>
            <numerusform>%1: %n Spiel</numerusform>
            <numerusform>%1: %n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the day&apos;s schedule</source>
        <translation>Den Spielplan des Tages importieren</translation>
    </message>
    <message>
        <source>Schedules (*.csv *.txt);;All files (*)</source>
        <translation>Spielpläne (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings file is locked or cannot be written.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: die Einstellungsdatei ist gesperrt oder nicht schreibbar.</translation>
    </message>
    <message>
        <source>Settings saved; the hall starts again with them.</source>
        <translation>Einstellungen gespeichert; die Halle startet damit neu.</translation>
    </message>
    <message>
        <source>Save the results for the league (CSV)…</source>
        <translation>Ergebnisse für den Verband speichern (CSV) …</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet (PDF)…</source>
        <translation>Tagesblatt speichern (PDF) …</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Satzpunkte</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet</source>
        <translation>Tagesblatt speichern</translation>
    </message>
    <message>
        <source>Save the day&apos;s results</source>
        <translation>Ergebnisse des Tages speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>there is no such file</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>sie ist größer als 8 MB</translation>
    </message>
    <message>
        <source>it is not a PNG, JPEG or SVG image</source>
        <translation>sie ist kein PNG-, JPEG- oder SVG-Bild</translation>
    </message>
    <message>
        <source>it is larger than 4096 x 4096 pixels</source>
        <translation>sie ist größer als 4096 x 4096 Pixel</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the SVG declares entities</source>
        <translation>das SVG deklariert Entitäten</translation>
    </message>
    <message>
        <source>the SVG refers to a file outside itself</source>
        <translation>das SVG verweist auf eine Datei außerhalb seiner selbst</translation>
    </message>
    <message>
        <source>it is not a readable SVG file</source>
        <translation>sie ist keine lesbare SVG-Datei</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source> - To start or stop the clock press &apos;%1&apos;.</source>
        <translation> - Um die Uhr zu starten oder zu stoppen, drücken Sie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To reset the clock press &apos;%1&apos;.</source>
        <translation>  - Um die Uhr zurückzusetzen, drücken Sie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To change the scores, click on the score, type a single digit number, and press &apos;enter&apos;.</source>
        <translation>  - Um einen Punktstand zu ändern, klicken Sie ihn an, tippen eine Ziffer und drücken &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>  - To increase or decrease one of the scores, click on the score, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>  - Um einen Punktstand zu erhöhen oder zu verringern, klicken Sie ihn an, drücken &apos;+&apos; oder &apos;-&apos; und tippen die Ziffer, die dazu- oder abgezählt wird.</translation>
    </message>
    <message>
        <source>  - To sound the buzzer press &apos;%1&apos; .</source>
        <translation>  - Um die Hupe ertönen zu lassen, drücken Sie &apos;%1&apos; .</translation>
    </message>
    <message>
        <source>  - If you have mistyped a number and need to start over press </source>
        <translation>  - Wenn Sie sich vertippt haben und neu beginnen wollen, drücken Sie </translation>
    </message>
    <message>
        <source>&apos;SPACE&apos; .</source>
        <translation>&apos;LEERTASTE&apos; .</translation>
    </message>
    <message>
        <source>  - To return to this screen from the program press &apos;Esc&apos;.</source>
        <translation>  - Um aus dem Programm zu diesem Fenster zurückzukehren, drücken Sie &apos;Esc&apos;.</translation>
    </message>
    <message>
        <source>  - To see the board&apos;s network addresses and PIN press &apos;F4&apos;.</source>
        <translation>  - Die Netzwerkadressen und die PIN der Tafel zeigt &apos;F4&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the options from the program press &apos;o&apos;.</source>
        <translation>  - Um aus dem Programm zu den Optionen zu gelangen, drücken Sie &apos;o&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the next period press &apos;%1&apos;, to go back one press &apos;%2&apos;.</source>
        <translation>  - Um zur nächsten Periode zu gehen, drücken Sie &apos;%1&apos;, um eine zurückzugehen, &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>  - To skip the rest of a break press &apos;%1&apos;.</source>
        <translation>  - Um den Rest einer Pause zu überspringen, drücken Sie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start a new game press &apos;%1&apos;.</source>
        <translation>  - Um ein neues Spiel zu beginnen, drücken Sie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start or end a timeout press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team.</source>
        <translation>  - Um eine Auszeit zu beginnen oder zu beenden, drücken Sie &apos;%1&apos; für die Heimmannschaft, &apos;%2&apos; für die Gastmannschaft.</translation>
    </message>
    <message>
        <source>  - To give a point press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team; &apos;Ctrl+Z&apos; takes it back.</source>
        <translation>  - Für einen Punkt drücken Sie &apos;%1&apos; für die Heimmannschaft, &apos;%2&apos; für die Gäste; &apos;Strg+Z&apos; nimmt ihn zurück.</translation>
    </message>
    <message>
        <source>  - Before a set&apos;s first point press &apos;%1&apos; to switch the first server.</source>
        <translation>  - Vor dem ersten Punkt eines Satzes wechselt &apos;%1&apos; den ersten Aufschlag.</translation>
    </message>
</context>
<context>
    <name>KeyChooser</name>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Drücken Sie die Taste, um %1.</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Taste schon belegt, bitte eine andere wählen.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Taste wählen</translation>
    </message>
</context>
<context>
    <name>KeyboardPage</name>
    <message>
        <source>Reset Keys</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Start/Stopp:</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Uhr auf null:</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Hupe:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Hupenton</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>die Uhr zu starten/stoppen</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>die Uhr zurückzusetzen</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>die Hupe ertönen zu lassen</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Keine Datei gewählt]</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <translation>Klänge *.wav (*.wav)</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Diese Datei kann nicht abgespielt werden: </translation>
    </message>
</context>
<context>
    <name>KeysPage</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Game Keys:</source>
        <translation>Spieltasten:</translation>
    </message>
    <message>
        <source>Home timeout</source>
        <translation>Auszeit Heim</translation>
    </message>
    <message>
        <source>Guest timeout</source>
        <translation>Auszeit Gast</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Nächste Periode</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Vorige Periode</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Pause überspringen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Typing:</source>
        <translation>Tippen:</translation>
    </message>
    <message>
        <source>Type whole scores: digits, then Enter</source>
        <translation>Ganze Punktstände tippen: Ziffern, dann Enter</translation>
    </message>
    <message>
        <source>Operator&apos;s hints:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>with the audience display</source>
        <translation>mit Publikumsanzeige</translation>
    </message>
    <message>
        <source>always</source>
        <translation>immer</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>start the home team&apos;s timeout</source>
        <translation>die Auszeit der Heimmannschaft zu beginnen</translation>
    </message>
    <message>
        <source>start the guest team&apos;s timeout</source>
        <translation>die Auszeit der Gastmannschaft zu beginnen</translation>
    </message>
    <message>
        <source>go to the next period</source>
        <translation>zur nächsten Periode zu gehen</translation>
    </message>
    <message>
        <source>go back a period</source>
        <translation>eine Periode zurückzugehen</translation>
    </message>
    <message>
        <source>skip the break</source>
        <translation>die Pause zu überspringen</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>ein neues Spiel zu beginnen</translation>
    </message>
    <message>
        <source>Sound off/on</source>
        <translation>Ton aus/an</translation>
    </message>
    <message>
        <source>turn the sound off or on</source>
        <translation>den Ton aus- oder wieder einzuschalten</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Kurze Hupe</translation>
    </message>
    <message>
        <source>sound a short horn</source>
        <translation>kurz die Hupe ertönen zu lassen</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Show the board in browsers on the network</source>
        <translation>Die Tafel in Browsern im Netzwerk zeigen</translation>
    </message>
    <message>
        <source>Let show-control software and scripts drive the game (HTTP API)</source>
        <translation>Steuerung durch Show-Software und Skripte erlauben (HTTP-API)</translation>
    </message>
    <message>
        <source>New token</source>
        <translation>Neues Token</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Alle Adressen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Listen on:</source>
        <translation>Lauschen auf:</translation>
    </message>
    <message>
        <source>Displays and the stream overlay only show the board. The phone remote asks for the PIN shown on this computer.</source>
        <translation>Anzeigen und das Stream-Overlay zeigen nur die Tafel. Die Telefon-Fernbedienung fragt nach der PIN, die dieser Computer zeigt.</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>API-Token:</translation>
    </message>
    <message>
        <source>Requests to /api/v1/ carry the header &quot;Authorization: Bearer&quot; and this token. See the README for the calls.</source>
        <translation>Anfragen an /api/v1/ tragen den Header &quot;Authorization: Bearer&quot; und dieses Token. Die Aufrufe beschreibt die README.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
</context>
<context>
    <name>OperatorHints</name>
    <message>
        <source>The clock&apos;s panel takes no keys: click a clock digit</source>
        <translation>Das Uhrfeld nimmt keine Tasten an: eine Ziffer der Uhr anklicken</translation>
    </message>
    <message>
        <source>Click a score or a clock digit to type</source>
        <translation>Zum Tippen einen Punktstand oder eine Ziffer der Uhr anklicken</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Getippt: %1</translation>
    </message>
    <message>
        <source>Caps Lock is on: command keys are lower-case</source>
        <translation>Feststelltaste ist an: Befehlstasten sind Kleinbuchstaben</translation>
    </message>
</context>
<context>
    <name>OperatorPanel</name>
    <message>
        <source>Board on the network</source>
        <translation>Tafel im Netzwerk</translation>
    </message>
    <message>
        <source>The board is not on the network: %1</source>
        <translation>Die Tafel ist nicht im Netzwerk: %1</translation>
    </message>
    <message>
        <source>Board: %1display</source>
        <translation>Tafel: %1display</translation>
    </message>
    <message>
        <source>Stream overlay: %1overlay</source>
        <translation>Stream-Overlay: %1overlay</translation>
    </message>
    <message>
        <source>Phone remote: %1remote</source>
        <translation>Telefon-Fernbedienung: %1remote</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN der Fernbedienung:</translation>
    </message>
    <message>
        <source>Connected pages: %1, remotes: %2</source>
        <translation>Verbundene Seiten: %1, Fernbedienungen: %2</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>API-Token:</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Erneuern</translation>
    </message>
    <message>
        <source>Shot clock: %1shotclock</source>
        <translation>Angriffszeit: %1shotclock</translation>
    </message>
    <message>
        <source>Hall: %1</source>
        <translation>Halle: %1</translation>
    </message>
    <message>
        <source>No next game from the hall</source>
        <translation>Kein nächstes Spiel von der Halle</translation>
    </message>
    <message>
        <source>Next game: %1 (F7 on the board loads it)</source>
        <translation>Nächstes Spiel: %1 (F7 auf der Anzeigetafel lädt es)</translation>
    </message>
    <message>
        <source>The web server is off</source>
        <translation>Der Webserver ist aus</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Announcer: %1announcer</source>
        <translation>Sprecher: %1announcer</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them on the Keyboard tab or in the settings.</source>
        <translation>Zwei Befehle haben dieselbe Taste %1. Wählen Sie für einen davon eine andere Taste, auf der Registerkarte Tastatur oder in den Einstellungen.</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The settings could not be saved. They apply until Corvella is closed, but will be lost then.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Sie gelten, bis Corvella beendet wird, und gehen dann verloren.</translation>
    </message>
</context>
<context>
    <name>PlayerEntry</name>
    <message>
        <source>Foul</source>
        <translation>Foul</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>%1: which team? %2 or %3 (Space drops it)</source>
        <translation>%1: welches Team? %2 oder %3 (Leertaste verwirft)</translation>
    </message>
    <message>
        <source>%1 %2: #%3, then Enter</source>
        <translation>%1 %2: #%3, dann Enter</translation>
    </message>
    <message>
        <source>%1 %2 #%3: length? %4</source>
        <translation>%1 %2 #%3: welche Dauer? %4</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>The board follows the players</source>
        <translation>Die Anzeige verfolgt die Spieler</translation>
    </message>
    <message>
        <source>A goal conceded ends the oldest 2:00 penalty</source>
        <translation>Ein Gegentor beendet die älteste 2:00-Strafe</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Fouls that put a player out:</source>
        <translation>Fouls bis zum Ausschluss:</translation>
    </message>
    <message>
        <source>Penalty lengths (minutes.seconds):</source>
        <translation>Strafzeiten (Minuten.Sekunden):</translation>
    </message>
    <message>
        <source>Penalties that disqualify:</source>
        <translation>Strafen bis zur Disqualifikation:</translation>
    </message>
    <message>
        <source>Player&apos;s foul key:</source>
        <translation>Taste Spielerfoul:</translation>
    </message>
    <message>
        <source>Penalty key:</source>
        <translation>Taste Strafe:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>enter a player&apos;s foul</source>
        <translation>ein Spielerfoul eingeben</translation>
    </message>
    <message>
        <source>enter a penalty</source>
        <translation>eine Strafe eingeben</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketball</translation>
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
        <translation>Eishockey</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Water polo</source>
        <translation>Wasserball</translation>
    </message>
    <message>
        <source>Korfball</source>
        <translation>Korfball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>Beach volleyball</source>
        <translation>Beachvolleyball</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tischtennis</translation>
    </message>
</context>
<context>
    <name>RemoteApi</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>too many wrong tokens; try again later</source>
        <translation>zu viele falsche Token; später erneut versuchen</translation>
    </message>
    <message>
        <source>a valid bearer token is needed</source>
        <translation>ein gültiges Bearer-Token ist nötig</translation>
    </message>
    <message>
        <source>use GET</source>
        <translation>GET verwenden</translation>
    </message>
    <message>
        <source>use POST</source>
        <translation>POST verwenden</translation>
    </message>
    <message>
        <source>the body is not a JSON object</source>
        <translation>der Rumpf ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>give either &quot;add&quot; or &quot;set&quot;</source>
        <translation>entweder &quot;add&quot; oder &quot;set&quot; angeben</translation>
    </message>
    <message>
        <source>too many calls; slow down</source>
        <translation>zu viele Aufrufe; bitte langsamer</translation>
    </message>
    <message>
        <source>the operator has not yet said whether to resume the saved game</source>
        <translation>der Bediener hat noch nicht entschieden, ob das gesicherte Spiel fortgesetzt wird</translation>
    </message>
    <message>
        <source>&quot;team&quot; is &quot;home&quot; or &quot;guest&quot;</source>
        <translation>&quot;team&quot; ist &quot;home&quot; oder &quot;guest&quot;</translation>
    </message>
    <message>
        <source>a player goes with &quot;add&quot;</source>
        <translation>ein Spieler geht nur mit &quot;add&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; ist kein Feld dieses Aufrufs</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Corvella: the game</source>
        <translation>Corvella: das Spiel</translation>
    </message>
    <message>
        <source>Final:</source>
        <translation>Endstand:</translation>
    </message>
    <message>
        <source>Period %1: %2</source>
        <translation>Periode %1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Stände</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Es wurde noch kein Spiel aufgezeichnet.</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet (;)</source>
        <translation>CSV für Tabellenkalkulation (;)</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Spieluhr</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a schedule</source>
        <translation>%1: zu groß für einen Spielplan</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a quote is not closed where the field ends</source>
        <translation>ein Anführungszeichen ist am Ende des Feldes nicht geschlossen</translation>
    </message>
    <message>
        <source>the court &quot;%1&quot; cannot be a court&apos;s name (empty, or with /, + or #)</source>
        <translation>&quot;%1&quot; kann kein Spielfeldname sein (leer, oder mit /, + oder #)</translation>
    </message>
    <message>
        <source>both teams must be named</source>
        <translation>beide Mannschaften müssen genannt sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot play itself</source>
        <translation>&quot;%1&quot; kann nicht gegen sich selbst spielen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a preset (known: %2)</source>
        <translation>&quot;%1&quot; ist kein Preset (bekannt: %2)</translation>
    </message>
    <message>
        <source>court %1 already plays at %2 (line %3)</source>
        <translation>Spielfeld %1 spielt um %2 schon (Zeile %3)</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header line</source>
        <translation>die Datei ist leer; sie braucht eine Kopfzeile</translation>
    </message>
    <message>
        <source>a team&apos;s name may have at most %1 characters, and no control characters</source>
        <translation>der Name einer Mannschaft darf höchstens %1 Zeichen und keine Steuerzeichen haben</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>the header does not read (separator found: %1): %2</source>
        <translation>die Kopfzeile ist nicht lesbar (Trennzeichen gefunden: %1): %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected nothing after the group</source>
        <translation>Spalte %1 ist &quot;%2&quot;, nach der Gruppe wird nichts erwartet</translation>
    </message>
    <message>
        <source>column %1 is missing, expected one of: %2</source>
        <translation>Spalte %1 fehlt, erwartet wird eines von: %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected one of: %3</source>
        <translation>Spalte %1 ist &quot;%2&quot;, erwartet wird eines von: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>missing: the header has %1 columns separated by %2</source>
        <translation>fehlt: die Kopfzeile hat %1 Spalten, getrennt durch %2</translation>
    </message>
    <message>
        <source>one more than the header&apos;s %1 columns: a field holding %2 needs double quotes</source>
        <translation>eine mehr als die %1 Spalten der Kopfzeile: ein Feld mit %2 darin braucht doppelte Anführungszeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; expected HH:MM, like 09:30</source>
        <translation>&quot;%1&quot; ist keine Uhrzeit; erwartet wird HH:MM, etwa 09:30</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sportart</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>to play</source>
        <translation>zu spielen</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Corvella: the day&apos;s games</source>
        <translation>Corvella: die Spiele des Tages</translation>
    </message>
    <message>
        <source>The day&apos;s games</source>
        <translation>Die Spiele des Tages</translation>
    </message>
    <message>
        <source>No games are scheduled.</source>
        <translation>Es sind keine Spiele geplant.</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Satzpunkte</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Alle Spielfelder</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ScoreBoardWindow</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Not taken: %1 is not a time from 0.00 to 99.59</source>
        <translation>Nicht übernommen: %1 ist keine Zeit von 0.00 bis 99.59</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>Neues Spiel?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all LEDs?</source>
        <translation>Wirklich alle LEDs löschen?</translation>
    </message>
    <message>
        <source>%1 dropped: no key for a while</source>
        <translation>%1 verworfen: eine Weile keine Taste</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>clock runs from %1</source>
        <translation>Uhr läuft ab %1</translation>
    </message>
    <message>
        <source>clock stopped at %1</source>
        <translation>Uhr angehalten bei %1</translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>Uhr %1</translation>
    </message>
    <message>
        <source>Ctrl+Z again starts the clock from %1</source>
        <translation>Noch einmal Strg+Z startet die Uhr ab %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Undone from the network: %1</source>
        <translation>Über das Netz rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone from the network: %1</source>
        <translation>Über das Netz wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Clear all LEDs?</source>
        <translation>Alle LEDs löschen?</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts wiederherzustellen</translation>
    </message>
    <message>
        <source>Skipped (the period they timed is over): %1</source>
        <translation>Übersprungen (die Periode, die sie gestoppt haben, ist vorbei): %1</translation>
    </message>
    <message>
        <source>No next game has come from the hall</source>
        <translation>Von der Halle ist kein nächstes Spiel gekommen</translation>
    </message>
    <message>
        <source>Start a new game: %1?</source>
        <translation>Ein neues Spiel beginnen: %1?</translation>
    </message>
    <message>
        <source>Next: %1, F7 loads it</source>
        <translation>Als Nächstes: %1, F7 lädt es</translation>
    </message>
    <message>
        <source>Sponsors on the audience display</source>
        <translation>Sponsoren auf der Publikumsanzeige</translation>
    </message>
    <message>
        <source>Switch sides</source>
        <translation>Seitenwechsel</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1st foul</source>
        <translation>%1. Foul</translation>
    </message>
    <message>
        <source>%1nd foul</source>
        <translation>%1. Foul</translation>
    </message>
    <message>
        <source>%1rd foul</source>
        <translation>%1. Foul</translation>
    </message>
    <message>
        <source>%1th foul</source>
        <translation>%1. Foul</translation>
    </message>
    <message>
        <source>Penalty over: %1 (%2)</source>
        <translation>Strafe vorbei: %1 (%2)</translation>
    </message>
    <message>
        <source>Entry dropped</source>
        <translation>Eingabe verworfen</translation>
    </message>
    <message>
        <source>Next: %1, F7</source>
        <translation>Als Nächstes: %1, F7</translation>
    </message>
    <message>
        <source>Not loaded: %1 is still being played</source>
        <translation>Nicht geladen: %1 wird noch gespielt</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 skips it)</source>
        <translation>Nicht übernommen: %1 (%2 überspringt sie)</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 starts a new one)</source>
        <translation>Nicht übernommen: %1 (%2 beginnt ein neues)</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>%1: a score takes one digit and Enter</source>
        <translation>%1: ein Punktstand nimmt eine Ziffer und Enter</translation>
    </message>
    <message>
        <source>%1: a sign, then one digit</source>
        <translation>%1: ein Vorzeichen, dann eine Ziffer</translation>
    </message>
</context>
<context>
    <name>ScoreFlowChart</name>
    <message>
        <source>Set %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>V%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Score flow, set %1</source>
        <translation>Spielverlauf, Satz %1</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Führungswechsel</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Gleichstände</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Größte Führung</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Zeit in Führung</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 vorn</translation>
    </message>
    <message>
        <source>Lead change</source>
        <translation>Führungswechsel</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Gespielte Zeit</translation>
    </message>
    <message>
        <source>Points played</source>
        <translation>Gespielte Punkte</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>A scoreboard is on show</source>
        <translation>Eine Anzeigetafel wird gezeigt</translation>
    </message>
</context>
<context>
    <name>SectionCaptions</name>
    <message>
        <source>Section 1</source>
        <translation>Abschnitt 1</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Abschnitt 2</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouls</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
</context>
<context>
    <name>SetsPage</name>
    <message>
        <source>The game is played in sets</source>
        <translation>Das Spiel wird in Sätzen gespielt</translation>
    </message>
    <message>
        <source>The game clock shows the match time</source>
        <translation>Die Spieluhr zeigt die Matchzeit</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Gewinnsätze:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punkte je Satz:</translation>
    </message>
    <message>
        <source>Points of the deciding set:</source>
        <translation>Punkte im Entscheidungssatz:</translation>
    </message>
    <message>
        <source>Won by a lead of:</source>
        <translation>Gewonnen mit Vorsprung von:</translation>
    </message>
    <message>
        <source>A set ends at most at:</source>
        <translation>Ein Satz endet spätestens bei:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The serve changes every:</source>
        <translation>Der Aufschlag wechselt alle:</translation>
    </message>
    <message>
        <source>rally&apos;s winner serves</source>
        <translation>Gewinner schlägt auf</translation>
    </message>
    <message>
        <source>Timeouts per team and set:</source>
        <translation>Auszeiten je Team und Satz:</translation>
    </message>
    <message>
        <source>Switch sides every:</source>
        <translation>Seitenwechsel alle:</translation>
    </message>
    <message>
        <source>no hint</source>
        <translation>kein Hinweis</translation>
    </message>
    <message>
        <source>In the deciding set every:</source>
        <translation>Im Entscheidungssatz alle:</translation>
    </message>
    <message>
        <source>Interval at:</source>
        <translation>Pause bei:</translation>
    </message>
    <message>
        <source>Point home key:</source>
        <translation>Taste Punkt Heim:</translation>
    </message>
    <message>
        <source>Point guest key:</source>
        <translation>Taste Punkt Gast:</translation>
    </message>
    <message>
        <source>First server key:</source>
        <translation>Taste erster Aufschlag:</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>give the home team a point</source>
        <translation>der Heimmannschaft einen Punkt geben</translation>
    </message>
    <message>
        <source>give the guest team a point</source>
        <translation>der Gastmannschaft einen Punkt geben</translation>
    </message>
    <message>
        <source>switch the first server</source>
        <translation>den ersten Aufschlag wechseln</translation>
    </message>
</context>
<context>
    <name>SettingRows</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings - Corvella</source>
        <translation>Einstellungen - Corvella</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them here or on the Keyboard tab of the options.</source>
        <translation>Zwei Befehle haben dieselbe Taste %1. Wählen Sie für einen davon eine andere Taste, hier oder auf der Registerkarte Tastatur der Optionen.</translation>
    </message>
</context>
<context>
    <name>ShotClockPage</name>
    <message>
        <source>The board has a shot clock</source>
        <translation>Die Anzeige hat eine Angriffszeituhr</translation>
    </message>
    <message>
        <source>It runs only while the game clock runs</source>
        <translation>Sie läuft nur, während die Spieluhr läuft</translation>
    </message>
    <message>
        <source>The game clock stops when it runs out</source>
        <translation>Die Spieluhr hält an, wenn sie abläuft</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>the built-in horn</source>
        <translation>die eingebaute Hupe</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Short length:</source>
        <translation>Kurze Länge:</translation>
    </message>
    <message>
        <source>Horn (sound file):</source>
        <translation>Hupe (Klangdatei):</translation>
    </message>
    <message>
        <source>Reset key:</source>
        <translation>Taste Zurücksetzen:</translation>
    </message>
    <message>
        <source>Short reset key:</source>
        <translation>Taste kurz zurücksetzen:</translation>
    </message>
    <message>
        <source>Hold / release key:</source>
        <translation>Taste Anhalten / Freigeben:</translation>
    </message>
    <message>
        <source>Dark key:</source>
        <translation>Taste Dunkel:</translation>
    </message>
    <message>
        <source>Possession arrow key:</source>
        <translation>Taste Ballbesitzpfeil:</translation>
    </message>
    <message>
        <source>Shot Clock</source>
        <translation>Angriffszeit</translation>
    </message>
    <message>
        <source>reset the shot clock</source>
        <translation>die Angriffszeit zurückzusetzen</translation>
    </message>
    <message>
        <source>reset the shot clock short</source>
        <translation>die Angriffszeit kurz zurückzusetzen</translation>
    </message>
    <message>
        <source>hold or release the shot clock</source>
        <translation>die Angriffszeit anzuhalten oder freizugeben</translation>
    </message>
    <message>
        <source>make the shot clock dark</source>
        <translation>die Angriffszeit dunkel zu schalten</translation>
    </message>
    <message>
        <source>switch the possession arrow</source>
        <translation>den Ballbesitzpfeil umzuschalten</translation>
    </message>
    <message>
        <source>A goal resets it</source>
        <translation>Ein Tor setzt sie zurück</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is not a sound file</source>
        <translation>es ist keine Tondatei</translation>
    </message>
    <message>
        <source>its sound is compressed in a way Corvella cannot play</source>
        <translation>ihr Ton ist so komprimiert, dass Corvella ihn nicht abspielen kann</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>its header is damaged (too many parts)</source>
        <translation>ihr Kopf ist beschädigt (zu viele Teile)</translation>
    </message>
    <message>
        <source>it has %1 channels, more than Corvella can play</source>
        <translation>sie hat %1 Kanäle, mehr als Corvella abspielen kann</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>ihre Abtastrate von %1 Hz wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the sound is longer than 10 minutes</source>
        <translation>der Ton ist länger als 10 Minuten</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than 32 MB</source>
        <translation>sie ist größer als 32 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Corvella&apos;s sound support is not installed</source>
        <translation>Die Tonunterstützung von Corvella ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>SponsorsPage</name>
    <message>
        <source>Show the sponsors on the audience display</source>
        <translation>Sponsoren auf der Publikumsanzeige zeigen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Breaks and timeouts</source>
        <translation>Pausen und Auszeiten</translation>
    </message>
    <message>
        <source>Breaks, timeouts and before the game</source>
        <translation>Pausen, Auszeiten und vor dem Spiel</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>List again</source>
        <translation>Neu auflisten</translation>
    </message>
    <message>
        <source>Each slide stays:</source>
        <translation>Jedes Bild bleibt:</translation>
    </message>
    <message>
        <source>Shown during:</source>
        <translation>Gezeigt während:</translation>
    </message>
    <message>
        <source>Pictures (PNG, JPEG, SVG) in %1:</source>
        <translation>Bilder (PNG, JPEG, SVG) in %1:</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>Sponsoren</translation>
    </message>
    <message>
        <source>No pictures yet</source>
        <translation>Noch keine Bilder</translation>
    </message>
    <message>
        <source>%1: not shown, %2</source>
        <translation>%1: nicht gezeigt, %2</translation>
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
        <translation>Weiter mit Klick.</translation>
    </message>
    <message>
        <source>Custom Created by Brannick</source>
        <translation>Erstellt von Brannick</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
</context>
<context>
    <name>TeamChooser</name>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Home:</source>
        <translation>Heim:</translation>
    </message>
    <message>
        <source>Guest:</source>
        <translation>Gast:</translation>
    </message>
</context>
<context>
    <name>TeamLibrary</name>
    <message>
        <source>%1: not a small regular file</source>
        <translation>%1: keine kleine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1: a line cannot be read</source>
        <translation>%1: eine Zeile kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: it has no [Team] Name=</source>
        <translation>%1: sie hat kein [Team] Name=</translation>
    </message>
    <message>
        <source>%1: the short name &quot;%2&quot; is cut to %3 characters</source>
        <translation>%1: der Kurzname „%2“ wird auf %3 Zeichen gekürzt</translation>
    </message>
    <message>
        <source>%1: another file already holds the team %2</source>
        <translation>%1: eine andere Datei enthält das Team %2 schon</translation>
    </message>
    <message>
        <source>A team needs a name.</source>
        <translation>Ein Team braucht einen Namen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The team cannot be written to %1.</source>
        <translation>Das Team kann nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The logo cannot be used: %1.</source>
        <translation>Das Logo kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>The logo cannot be read.</source>
        <translation>Das Logo kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The logo cannot be written to %1.</source>
        <translation>Das Logo kann nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The roster %1 cannot be read.</source>
        <translation>Die Spielerliste %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a player&apos;s number</source>
        <translation>Zeile %1: „%2“ ist keine Spielernummer</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not a colour written #rrggbb; the team is shown without it</source>
        <translation>%1: %2 „%3“ ist keine als #rrggbb geschriebene Farbe; das Team wird ohne sie gezeigt</translation>
    </message>
    <message>
        <source>%1: the logo must be a file in the teams folder, not &quot;%2&quot;</source>
        <translation>%1: das Logo muss eine Datei im Team-Ordner sein, nicht „%2“</translation>
    </message>
    <message>
        <source>%1: the logo %2 cannot be shown: %3</source>
        <translation>%1: das Logo %2 kann nicht gezeigt werden: %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00)</source>
        <translation>%1: „%2“ ist keine Spielernummer (0 bis 99 oder 00)</translation>
    </message>
    <message>
        <source>%1: names longer than %2 characters are cut</source>
        <translation>%1: Namen über %2 Zeichen werden gekürzt</translation>
    </message>
    <message>
        <source>Names longer than %1 characters are cut.</source>
        <translation>Namen über %1 Zeichen werden gekürzt.</translation>
    </message>
</context>
<context>
    <name>TeamsPage</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Add player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Remove player</source>
        <translation>Spieler entfernen</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Short name:</source>
        <translation>Kurzname:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Neues Team</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>This logo cannot be used: %1.</source>
        <translation>Dieses Logo kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>Rosters (*.csv *.txt)</source>
        <translation>Spielerlisten (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Board&apos;s</source>
        <translation>Wie Tafel</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Kein Logo</translation>
    </message>
    <message>
        <source>Every team needs a name.</source>
        <translation>Jedes Team braucht einen Namen.</translation>
    </message>
    <message>
        <source>There are two teams named %1.</source>
        <translation>Es gibt zwei Teams namens %1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00).</source>
        <translation>%1: „%2“ ist keine Spielernummer (0 bis 99 oder 00).</translation>
    </message>
    <message>
        <source>%1: two players have the number %2.</source>
        <translation>%1: zwei Spieler haben die Nummer %2.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <source>Text Controls</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Name der Heimmannschaft:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Name der Gastmannschaft:</translation>
    </message>
    <message>
        <source>Section 1 Name:</source>
        <translation>Name Abschnitt 1:</translation>
    </message>
    <message>
        <source>Section 2 Name:</source>
        <translation>Name Abschnitt 2:</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Stream overlay</source>
        <translation>Stream-Overlay</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>PIN shown on the scoreboard&apos;s computer</source>
        <translation>PIN auf dem Computer der Anzeigetafel</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Start / Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pause nach Periode %1</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Verlängerung %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Wait a while, or scan the QR code.</source>
        <translation>Zu viele falsche PINs. Eine Weile warten oder den QR-Code scannen.</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Falsche PIN.</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>ENDSTAND</translation>
    </message>
    <message>
        <source>OVERTIME</source>
        <translation>VERLÄNGERUNG</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>The clock is minutes.seconds, like 12.30.</source>
        <translation>Die Uhr ist Minuten.Sekunden, etwa 12.30.</translation>
    </message>
    <message>
        <source>Undo again to start the clock again.</source>
        <translation>Noch einmal rückgängig, um die Uhr wieder zu starten.</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>AUSZEIT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>FOULSTRAFE</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Auszeit %1</translation>
    </message>
    <message>
        <source>(%1 timeouts)</source>
        <translation>(%1 Auszeiten)</translation>
    </message>
    <message>
        <source>Clock, minutes.seconds</source>
        <translation>Uhr, Minuten.Sekunden</translation>
    </message>
    <message>
        <source>Corvella board</source>
        <translation>Corvella-Tafel</translation>
    </message>
    <message>
        <source>Corvella overlay</source>
        <translation>Corvella-Overlay</translation>
    </message>
    <message>
        <source>Corvella remote</source>
        <translation>Corvella-Fernbedienung</translation>
    </message>
    <message>
        <source>Shot clock</source>
        <translation>Angriffszeit</translation>
    </message>
    <message>
        <source>Corvella shot clock</source>
        <translation>Corvella-Angriffszeit</translation>
    </message>
    <message>
        <source>Shot clock reset</source>
        <translation>Angriffszeit zurücksetzen</translation>
    </message>
    <message>
        <source>Short reset</source>
        <translation>Kurz zurücksetzen</translation>
    </message>
    <message>
        <source>Hold / Release</source>
        <translation>Anhalten / Freigeben</translation>
    </message>
    <message>
        <source>Switch possession</source>
        <translation>Ballbesitz wechseln</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SATZ</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>First server</source>
        <translation>Erster Aufschlag</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FOULS</translation>
    </message>
    <message>
        <source>Type the number of the player first.</source>
        <translation>Zuerst die Nummer des Spielers eingeben.</translation>
    </message>
    <message>
        <source>Player number</source>
        <translation>Spielernummer</translation>
    </message>
    <message>
        <source>Foul home</source>
        <translation>Foul Heim</translation>
    </message>
    <message>
        <source>Foul guest</source>
        <translation>Foul Gast</translation>
    </message>
    <message>
        <source>Penalty length</source>
        <translation>Strafdauer</translation>
    </message>
    <message>
        <source>Penalty home</source>
        <translation>Strafe Heim</translation>
    </message>
    <message>
        <source>Penalty guest</source>
        <translation>Strafe Gast</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Kurze Hupe</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Ton an/aus</translation>
    </message>
    <message>
        <source>Announcer</source>
        <translation>Sprecher</translation>
    </message>
    <message>
        <source>Corvella announcer</source>
        <translation>Corvella Sprecher</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafen</translation>
    </message>
    <message>
        <source>Last steps</source>
        <translation>Letzte Schritte</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Das Spiel bisher</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <source>Timeouts left: %1</source>
        <translation>Auszeiten übrig: %1</translation>
    </message>
    <message>
        <source>Team fouls: %1</source>
        <translation>Teamfouls: %1</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouls</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Führungswechsel</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Gleichstände</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Größte Führung</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Zeit in Führung</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Punkte je Satz</translation>
    </message>
    <message>
        <source>Points per period</source>
        <translation>Punkte je Abschnitt</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>V%1</translation>
    </message>
</context>
<context>
    <name>WebService</name>
    <message>
        <source>&quot;%1&quot; is not an address of this computer</source>
        <translation>&quot;%1&quot; ist keine Adresse dieses Computers</translation>
    </message>
</context>
</TS>
