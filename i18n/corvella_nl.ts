<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AudienceDisplay</name>
    <message>
        <source>Audience display: press F2 or Esc to close it</source>
        <translation>Publieksscherm: F2 of Esc sluit het</translation>
    </message>
    <message>
        <source>Corvella - audience</source>
        <translation>Corvella - publiek</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>OVERTIME</source>
        <translation>VERLENGING</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>EINDSTAND</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TIME-OUT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>STRAFWORPEN</translation>
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
        <translation>%1 FOUTEN</translation>
    </message>
</context>
<context>
    <name>ColorPage</name>
    <message>
        <source>Background:</source>
        <translation>Achtergrond:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Thuis:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Gasten:</translation>
    </message>
    <message>
        <source>Section Color:</source>
        <translation>Sectie:</translation>
    </message>
    <message>
        <source>LED Time Color:</source>
        <translation>LED-tijd:</translation>
    </message>
    <message>
        <source>LED Score Color:</source>
        <translation>LED-score:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>LED-vlak:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzig</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Kleuren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Corvella: an electronic scoreboard with a game clock, scores and a buzzer.
See corvella(1) for the keys.</source>
        <translation>Corvella: een elektronisch scorebord met wedstrijdklok, scores en zoemer.
Zie corvella(1) voor de toetsen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Open the scoreboard full screen.</source>
        <translation>Het scorebord schermvullend openen.</translation>
    </message>
    <message>
        <source>Open the scoreboard on screen &lt;N&gt;, counted from 1 (default: where it was last time, else the primary screen).</source>
        <translation>Het scorebord openen op scherm &lt;N&gt;, geteld vanaf 1 (standaard: waar het de vorige keer was, anders het hoofdscherm).</translation>
    </message>
    <message>
        <source>Write the current game to &lt;FILE&gt; (.csv, .json or .pdf) and exit.</source>
        <translation>De huidige wedstrijd naar &lt;FILE&gt; schrijven (.csv, .json of .pdf) en afsluiten.</translation>
    </message>
    <message>
        <source>With --export: the game log &lt;PATH&gt; instead.</source>
        <translation>Met --export: in plaats daarvan het wedstrijdlog &lt;PATH&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>corvella: --game is only for --export.
</source>
        <translation>corvella: --game is alleen voor --export.
</translation>
    </message>
    <message>
        <source>corvella: --screen takes a screen number from 1 up, not &apos;%1&apos;.
</source>
        <translation>corvella: --screen verwacht een schermnummer vanaf 1, niet &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>DISPLAY noch WAYLAND_DISPLAY is ingesteld</translation>
    </message>
    <message>
        <source>corvella: cannot open a display (%1); start it from a desktop session.</source>
        <translation>corvella: kan geen beeldscherm openen (%1); start het vanuit een bureaubladsessie.</translation>
    </message>
    <message>
        <source>With --export to .csv: separate with semicolons and begin with a UTF-8 mark, as spreadsheets in German and other languages with a decimal comma open it.</source>
        <translation>Met --export naar .csv: scheiden met puntkomma&apos;s en beginnen met een UTF-8-markering, zoals spreadsheets in het Duits en andere talen met een decimale komma het openen.</translation>
    </message>
    <message>
        <source>corvella: --csv-excel is only for --export.
</source>
        <translation>corvella: --csv-excel is alleen voor --export.
</translation>
    </message>
    <message>
        <source>Keep the saved game and the game logs in &lt;DIR&gt; (default: $XDG_STATE_HOME/Corvella); a second board on one computer needs a folder of its own.</source>
        <translation>Bewaar de opgeslagen wedstrijd en de wedstrijdlogboeken in &lt;DIR&gt; (standaard: $XDG_STATE_HOME/Corvella); een tweede scorebord op één computer heeft een eigen map nodig.</translation>
    </message>
    <message>
        <source>corvella: --state-dir needs a folder.
</source>
        <translation>corvella: --state-dir heeft een map nodig.
</translation>
    </message>
    <message>
        <source>With --hall: serve on port &lt;N&gt; instead of the web server&apos;s.</source>
        <translation>Met --hall: op poort &lt;N&gt; serveren in plaats van die van de webserver.</translation>
    </message>
    <message>
        <source>corvella: --hall and --export go separately.
</source>
        <translation>corvella: --hall en --export gaan apart.
</translation>
    </message>
    <message>
        <source>corvella: --port takes a port from 1 to 65535, with --hall.
</source>
        <translation>corvella: --port neemt een poort van 1 tot 65535, met --hall.
</translation>
    </message>
    <message>
        <source>With --hall: the day&apos;s games from &lt;FILE.csv&gt;; each court&apos;s next game goes to it when its game reaches the final.</source>
        <translation>Met --hall: de wedstrijden van de dag uit &lt;FILE.csv&gt;; de volgende wedstrijd van elk veld gaat ernaartoe als zijn wedstrijd is afgelopen.</translation>
    </message>
    <message>
        <source>corvella: --schedule is only for --hall.
</source>
        <translation>corvella: --schedule is alleen voor --hall.
</translation>
    </message>
    <message>
        <source>With --hall, followed by GAME: count the result of court &lt;COURT&gt;&apos;s game GAME, which two of its lines disputed, once a person has checked it; a running hall counts it too.</source>
        <translation>Met --hall, gevolgd door GAME: tel de uitslag van wedstrijd GAME op veld &lt;COURT&gt;, die twee van zijn regels betwistten, zodra iemand die heeft gecontroleerd; een draaiende hal telt hem ook.</translation>
    </message>
    <message>
        <source>corvella: --accept COURT GAME goes with --hall.
</source>
        <translation>corvella: --accept COURT GAME hoort bij --hall.
</translation>
    </message>
    <message>
        <source>Run the hall: every court from the hall&apos;s broker on the web pages /hall, /hall/results and /hall.json, in the hall&apos;s window (no board).</source>
        <translation>De hal draaien: elk veld van de broker van de hal op de webpagina&apos;s /hall, /hall/results en /hall.json, in het venster van de hal (geen scorebord).</translation>
    </message>
    <message>
        <source>With --hall: no window, as a service (also without a display).</source>
        <translation>Met --hall: zonder venster, als dienst (ook zonder beeldscherm).</translation>
    </message>
    <message>
        <source>With --hall: print court &lt;COURT&gt;&apos;s join code for the hall&apos;s own broker, and exit.</source>
        <translation>Met --hall: toon de koppelcode van veld &lt;COURT&gt; voor de eigen broker van de hal, en stop.</translation>
    </message>
    <message>
        <source>corvella: --headless and --print-join-code are only for --hall.
</source>
        <translation>corvella: --headless en --print-join-code horen alleen bij --hall.
</translation>
    </message>
    <message>
        <source>corvella: --print-join-code needs a court.
</source>
        <translation>corvella: --print-join-code heeft een veld nodig.
</translation>
    </message>
    <message>
        <source>Print each change the hall&apos;s console sends, and each frame skipped with why, until Ctrl+C; no window.</source>
        <translation>Elke wijziging tonen die de console van de zaal stuurt, en elk overgeslagen frame met de reden, tot Ctrl+C; geen venster.</translation>
    </message>
</context>
<context>
    <name>ConsoleLink</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 was lost: %2</source>
        <translation>%1 is verloren gegaan: %2</translation>
    </message>
    <message>
        <source>Port %1 cannot be listened on: %2</source>
        <translation>Op poort %1 kan niet worden geluisterd: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleMirror</name>
    <message>
        <source>New game on the console</source>
        <translation>Nieuwe wedstrijd op de console</translation>
    </message>
    <message>
        <source>Period %1 on the console</source>
        <translation>Periode %1 op de console</translation>
    </message>
    <message>
        <source>Home %1 on the console</source>
        <translation>Thuis %1 op de console</translation>
    </message>
    <message>
        <source>Guest %1 on the console</source>
        <translation>Gasten %1 op de console</translation>
    </message>
    <message>
        <source>Home team fouls %1 on the console</source>
        <translation>Teamfouten thuis %1 op de console</translation>
    </message>
    <message>
        <source>Guest team fouls %1 on the console</source>
        <translation>Teamfouten gasten %1 op de console</translation>
    </message>
    <message>
        <source>Home timeouts %1 on the console</source>
        <translation>Time-outs thuis %1 op de console</translation>
    </message>
    <message>
        <source>Guest timeouts %1 on the console</source>
        <translation>Time-outs gasten %1 op de console</translation>
    </message>
    <message>
        <source>Set %1 on the console</source>
        <translation>Set %1 op de console</translation>
    </message>
    <message>
        <source>Possession on the console</source>
        <translation>Balbezit op de console</translation>
    </message>
    <message>
        <source>Shot clock %1 on the console</source>
        <translation>Schotklok %1 op de console</translation>
    </message>
    <message>
        <source>Shot clock started on the console</source>
        <translation>Schotklok gestart op de console</translation>
    </message>
    <message>
        <source>Shot clock stopped on the console</source>
        <translation>Schotklok gestopt op de console</translation>
    </message>
    <message>
        <source>Shot clock dark on the console</source>
        <translation>Schotklok donker op de console</translation>
    </message>
    <message>
        <source>Clock started on the console at %1</source>
        <translation>Klok gestart op de console op %1</translation>
    </message>
    <message>
        <source>Clock stopped on the console at %1</source>
        <translation>Klok gestopt op de console op %1</translation>
    </message>
    <message>
        <source>Clock set on the console to %1</source>
        <translation>Klok op de console gezet op %1</translation>
    </message>
    <message>
        <source>Home penalty %1 on the console</source>
        <translation>Straftijd thuis %1 op de console</translation>
    </message>
    <message>
        <source>Guest penalty %1 on the console</source>
        <translation>Straftijd gasten %1 op de console</translation>
    </message>
    <message>
        <source>Home penalty over on the console</source>
        <translation>Straftijd thuis voorbij op de console</translation>
    </message>
    <message>
        <source>Guest penalty over on the console</source>
        <translation>Straftijd gasten voorbij op de console</translation>
    </message>
</context>
<context>
    <name>ConsoleMonitor</name>
    <message>
        <source>console heard</source>
        <translation>console ontvangen</translation>
    </message>
    <message>
        <source>console silent</source>
        <translation>console stil</translation>
    </message>
    <message>
        <source>skipped: %1 (garbage: swap A and B)</source>
        <translation>overgeslagen: %1 (onleesbaar: wissel A en B om)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>overgeslagen: %1</translation>
    </message>
    <message>
        <source>corvella: no console is set (Settings, page Console).</source>
        <translation>corvella: geen console ingesteld (Instellingen, pagina Console).</translation>
    </message>
    <message>
        <source>Reading the %1 console; Ctrl+C ends.</source>
        <translation>Console %1 wordt gelezen; Ctrl+C stopt.</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>None: the operator keeps the game</source>
        <translation>Geen: de bediener houdt de wedstrijd bij</translation>
    </message>
    <message>
        <source>Bodet Scorepad (network)</source>
        <translation>Bodet Scorepad (netwerk)</translation>
    </message>
    <message>
        <source>Stramatel (RS-485)</source>
        <translation>Stramatel (RS-485)</translation>
    </message>
    <message>
        <source>Daktronics All Sport 5000 (serial)</source>
        <translation>Daktronics All Sport 5000 (serieel)</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Handbal</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>IJshockey</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleybal</translation>
    </message>
    <message>
        <source>Console:</source>
        <translation>Console:</translation>
    </message>
    <message>
        <source>Sport:</source>
        <translation>Sport:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Seriële poort:</translation>
    </message>
    <message>
        <source>Speed (8N1):</source>
        <translation>Snelheid (8N1):</translation>
    </message>
    <message>
        <source>Listen on port:</source>
        <translation>Luisteren op poort:</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>While a console is the source, its feed keeps the clock, the scores, the period, fouls, timeouts, the shot clock and penalties. Choosing it, or another sport, brings that sport&apos;s preset. Teams, captions and the final stay yours.</source>
        <translation>Zolang een console de bron is, houdt die de klok, de standen, de periode, fouten, time-outs, de schotklok en de straftijden bij. Wie hem of een andere sport kiest, krijgt de voorinstelling van die sport. Teams, opschriften en het einde blijven van u.</translation>
    </message>
</context>
<context>
    <name>ConsoleSource</name>
    <message>
        <source>console silent</source>
        <translation>console stil</translation>
    </message>
    <message>
        <source>console silent: %1</source>
        <translation>console stil: %1</translation>
    </message>
</context>
<context>
    <name>ControllerBindings</name>
    <message>
        <source>this is not a profile of controller bindings</source>
        <translation>dit is geen profiel met controllertoewijzingen</translation>
    </message>
    <message>
        <source>the profile is of version %1; this program reads version %2</source>
        <translation>het profiel is van versie %1; dit programma leest versie %2</translation>
    </message>
    <message>
        <source>the bindings of device %1 are damaged</source>
        <translation>de toewijzingen van apparaat %1 zijn beschadigd</translation>
    </message>
    <message>
        <source>the file is too large for a profile</source>
        <translation>het bestand is te groot voor een profiel</translation>
    </message>
</context>
<context>
    <name>ControllersPage</name>
    <message>
        <source>up</source>
        <translation>omhoog</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>down</source>
        <translation>omlaag</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Knop %1</translation>
    </message>
    <message>
        <source>Hat %1 %2</source>
        <translation>Kruis %1 %2</translation>
    </message>
    <message>
        <source>Axis %1 %2</source>
        <translation>As %1 %2</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Leren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Profiel exporteren…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Profiel importeren…</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Opdracht:</translation>
    </message>
    <message>
        <source>Choose a command and its parameters, press Learn, then the button, hat or stick on the controller that is to do it.</source>
        <translation>Kies een opdracht en de parameters, druk op Leren en dan op de knop, het kruis of de stick van de controller die haar moet uitvoeren.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>The controllers&apos; bindings could not be saved.</source>
        <translation>De toewijzingen van de controllers konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Unnamed controller</source>
        <translation>Naamloze controller</translation>
    </message>
    <message>
        <source>%1 – not connected</source>
        <translation>%1 – niet verbonden</translation>
    </message>
    <message>
        <source>Game controllers are not read in this window.</source>
        <translation>In dit venster worden geen controllers gelezen.</translation>
    </message>
    <message>
        <source>Game controllers cannot be read: %1</source>
        <translation>Controllers kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>No game controller is connected.</source>
        <translation>Er is geen controller verbonden.</translation>
    </message>
    <message numerus="yes">
        <source>%n controller(s) connected.</source>
        <translation>
            <numerusform>%n controller verbonden.</numerusform>
            <numerusform>%n controllers verbonden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press the button, push the hat or the stick on the controller that is to run %1.</source>
        <translation>Druk op de knop, het kruis of de stick van de controller die %1 moet uitvoeren.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 voert nu %2 uit.</translation>
    </message>
    <message>
        <source>Controller profiles (*.json)</source>
        <translation>Controllerprofielen (*.json)</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profiel exporteren</translation>
    </message>
    <message>
        <source>The profile could not be written: %1</source>
        <translation>Het profiel kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profiel importeren</translation>
    </message>
    <message>
        <source>The profile could not be read: %1</source>
        <translation>Het profiel kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>CorvellaApp</name>
    <message>
        <source>, Final</source>
        <translation>, Einde</translation>
    </message>
    <message>
        <source>, Break after period %1</source>
        <translation>, Pauze na periode %1</translation>
    </message>
    <message>
        <source>, Overtime %1</source>
        <translation>, Verlenging %1</translation>
    </message>
    <message>
        <source>, Period %1</source>
        <translation>, Periode %1</translation>
    </message>
    <message>
        <source>the game is not being saved (%1)</source>
        <translation>de wedstrijd wordt niet opgeslagen (%1)</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Er is nog geen wedstrijd vastgelegd.</translation>
    </message>
    <message>
        <source>Printable result (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)</source>
        <translation>Afdrukbare uitslag (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The game was not exported: %1</source>
        <translation>De wedstrijd is niet geëxporteerd: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Geëxporteerd naar %1</translation>
    </message>
    <message>
        <source>, timeouts taken %1 : %2</source>
        <translation>, genomen time-outs %1 : %2</translation>
    </message>
    <message>
        <source>The new token could not be stored; the old one stays.</source>
        <translation>Het nieuwe token kon niet worden opgeslagen; het oude blijft.</translation>
    </message>
    <message>
        <source>the game is not being saved: another Corvella keeps its game in %1 (start this one with --state-dir)</source>
        <translation>de wedstrijd wordt niet opgeslagen: een andere Corvella bewaart zijn wedstrijd in %1 (start deze met --state-dir)</translation>
    </message>
    <message>
        <source>the game is not being recorded (%1)</source>
        <translation>de wedstrijd wordt niet vastgelegd (%1)</translation>
    </message>
    <message>
        <source>Not loaded: the preset %1 is gone</source>
        <translation>Niet geladen: de voorinstelling %1 bestaat niet meer</translation>
    </message>
    <message>
        <source>The game is loaded, but its settings could not be stored</source>
        <translation>De wedstrijd is geladen, maar de instellingen konden niet worden bewaard</translation>
    </message>
    <message>
        <source>Resume the game in progress? Clock %1%2, %3</source>
        <translation>De lopende wedstrijd hervatten? Klok %1%2, %3</translation>
    </message>
    <message>
        <source>The console&apos;s sport is in force, but its settings could not be stored</source>
        <translation>De sport van de console geldt, maar de instellingen konden niet worden opgeslagen</translation>
    </message>
</context>
<context>
    <name>CourtLink</name>
    <message>
        <source>no answer from %1</source>
        <translation>geen antwoord van %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>de verbinding met %1 is verbroken</translation>
    </message>
    <message>
        <source>the hall link is down: %1</source>
        <translation>de verbinding met de hal is weg: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbonden met %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbinden met %1</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Niet verbonden: %1</translation>
    </message>
    <message>
        <source>ignored a next game from the hall that is not {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} with a known preset: %1</source>
        <translation>volgende wedstrijd van de hal genegeerd die geen {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} met een bekende voorinstelling is: %1</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Sectie 2</translation>
    </message>
    <message>
        <source>Score changes</source>
        <translation>Scorewijzigingen</translation>
    </message>
    <message>
        <source>Damaged lines of the log left out: %1</source>
        <translation>Weggelaten beschadigde regels van het log: %1</translation>
    </message>
    <message>
        <source>cannot tell the format of %1: name it .csv, .json or .pdf</source>
        <translation>het formaat van %1 is onduidelijk: noem het .csv, .json of .pdf</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>corvella: no game has been recorded in %1 yet</source>
        <translation>corvella: in %1 is nog geen wedstrijd opgenomen</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Time-outs</translation>
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
        <translation>%1, %2 (%3)</translation>
    </message>
    <message>
        <source>Final score</source>
        <translation>Eindstand</translation>
    </message>
    <message>
        <source>Score in period %1 at %2</source>
        <translation>Stand in periode %1 bij %2</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Team fouls</source>
        <translation>Teamfouten</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Eerste helft</translation>
    </message>
    <message>
        <source>Second half and overtime</source>
        <translation>Tweede helft en verlenging</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Wedstrijd</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Wedstrijdnummer</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Referees</source>
        <translation>Scheidsrechters</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Wedstrijdsecretaris</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Handtekening wedstrijdsecretaris</translation>
    </message>
    <message>
        <source>(%1 earlier changes not shown)</source>
        <translation>(%1 eerdere wijzigingen niet getoond)</translation>
    </message>
    <message>
        <source>Sets won</source>
        <translation>Gewonnen sets</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Punten per set</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Ptn</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouten</translation>
    </message>
    <message>
        <source>Pen.</source>
        <translation>Str.</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Scoreverloop</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; is geen veld van deze aanroep</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>&quot;%1&quot; ontbreekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a whole number</source>
        <translation>&quot;%1&quot; is een geheel getal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a text</source>
        <translation>&quot;%1&quot; is een tekst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is true or false</source>
        <translation>&quot;%1&quot; is true of false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is minutes.seconds, from &quot;0&quot; to &quot;99.59&quot;</source>
        <translation>&quot;%1&quot; is minuten.seconden, van &quot;0&quot; tot &quot;99.59&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number of one or two digits</source>
        <translation>&quot;%1&quot; is een nummer van een of twee cijfers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2</source>
        <translation>&quot;%1&quot; is %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>the break runs by itself</source>
        <translation>de pauze loopt vanzelf</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>de wedstrijd is voorbij</translation>
    </message>
    <message>
        <source>a timeout is running</source>
        <translation>er loopt een time-out</translation>
    </message>
    <message>
        <source>the clock is at zero; reset or set it</source>
        <translation>de klok staat op nul; reset of zet hem</translation>
    </message>
    <message>
        <source>the game has no timeouts</source>
        <translation>de wedstrijd heeft geen time-outs</translation>
    </message>
    <message>
        <source>no timeout in a break or after the game</source>
        <translation>geen time-out in een pauze of na de wedstrijd</translation>
    </message>
    <message>
        <source>the other team&apos;s timeout is running</source>
        <translation>de time-out van de andere ploeg loopt</translation>
    </message>
    <message>
        <source>%1 has no timeouts left</source>
        <translation>%1 heeft geen time-outs meer</translation>
    </message>
    <message>
        <source>the shot clock is off</source>
        <translation>de schotklok staat uit</translation>
    </message>
    <message>
        <source>the game is not played in sets</source>
        <translation>de wedstrijd wordt niet in sets gespeeld</translation>
    </message>
    <message>
        <source>a match in sets has no players&apos; fouls or penalties</source>
        <translation>een wedstrijd in sets heeft geen persoonlijke fouten of straffen</translation>
    </message>
    <message>
        <source>the players are off</source>
        <translation>de spelers staan uit</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>de wedstrijd is voorbij</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punt %1</translation>
    </message>
    <message>
        <source>the set has begun</source>
        <translation>de set is begonnen</translation>
    </message>
    <message>
        <source>Switch the first server</source>
        <translation>Eerste opslag wisselen</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 is langer dan %2 tekens</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuwe wedstrijd</translation>
    </message>
    <message>
        <source>Set score</source>
        <translation>Score gezet</translation>
    </message>
    <message>
        <source>Change score</source>
        <translation>Score gewijzigd</translation>
    </message>
    <message>
        <source>Start the clock</source>
        <translation>Klok starten</translation>
    </message>
    <message>
        <source>Stop the clock</source>
        <translation>Klok stoppen</translation>
    </message>
    <message>
        <source>Start or stop the clock</source>
        <translation>Klok starten of stoppen</translation>
    </message>
    <message>
        <source>Reset the clock</source>
        <translation>Klok resetten</translation>
    </message>
    <message>
        <source>give either &quot;value&quot; (minutes.seconds) or &quot;ms&quot;</source>
        <translation>geef &quot;value&quot; (minuten.seconden) of &quot;ms&quot;</translation>
    </message>
    <message>
        <source>&quot;ms&quot; is a whole number from 0 to %1</source>
        <translation>&quot;ms&quot; is een geheel getal van 0 tot %1</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Klok gezet</translation>
    </message>
    <message>
        <source>Clear all LEDs</source>
        <translation>Alle leds gewist</translation>
    </message>
    <message>
        <source>the game has no periods</source>
        <translation>de wedstrijd heeft geen perioden</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Volgende periode</translation>
    </message>
    <message>
        <source>this is the first period</source>
        <translation>dit is de eerste periode</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Vorige periode</translation>
    </message>
    <message>
        <source>there is no break to skip</source>
        <translation>er is geen pauze om over te slaan</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Pauze overslaan</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Time-out %1</translation>
    </message>
    <message>
        <source>no timeout of %1 is running</source>
        <translation>er loopt geen time-out van %1</translation>
    </message>
    <message>
        <source>End the timeout of %1</source>
        <translation>Time-out van %1 beëindigd</translation>
    </message>
    <message>
        <source>the shot clock has no short length</source>
        <translation>de schotklok heeft geen korte lengte</translation>
    </message>
    <message>
        <source>Short shot clock</source>
        <translation>Korte schotklok</translation>
    </message>
    <message>
        <source>Reset the shot clock</source>
        <translation>Schotklok terugzetten</translation>
    </message>
    <message>
        <source>Hold the shot clock</source>
        <translation>Schotklok vasthouden</translation>
    </message>
    <message>
        <source>Release the shot clock</source>
        <translation>Schotklok vrijgeven</translation>
    </message>
    <message>
        <source>Start the shot clock</source>
        <translation>Schotklok starten</translation>
    </message>
    <message>
        <source>Stop the shot clock</source>
        <translation>Schotklok stoppen</translation>
    </message>
    <message>
        <source>Hold or release the shot clock</source>
        <translation>Schotklok vasthouden of vrijgeven</translation>
    </message>
    <message>
        <source>Shot clock dark</source>
        <translation>Schotklok donker</translation>
    </message>
    <message>
        <source>Possession arrow to %1</source>
        <translation>Balbezitpijl naar %1</translation>
    </message>
    <message>
        <source>Switch the possession arrow</source>
        <translation>Balbezitpijl omzetten</translation>
    </message>
    <message>
        <source>Foul %1</source>
        <translation>Fout %1</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; is a whole number from 1 to %1</source>
        <translation>&quot;seconds&quot; is een geheel getal van 1 tot %1</translation>
    </message>
    <message>
        <source>Penalty %1</source>
        <translation>Straf %1</translation>
    </message>
    <message>
        <source>nothing to undo</source>
        <translation>niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>nothing to redo</source>
        <translation>niets om opnieuw te doen</translation>
    </message>
    <message>
        <source>the console keeps the score</source>
        <translation>de console houdt de stand bij</translation>
    </message>
    <message>
        <source>the console keeps it</source>
        <translation>de console houdt het</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>the disk may be full</source>
        <translation>de schijf is misschien vol</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a game log</source>
        <translation>%1 is te groot voor een wedstrijdlog</translation>
    </message>
    <message>
        <source>%1 is not a Corvella game log</source>
        <translation>%1 is geen wedstrijdlog van Corvella</translation>
    </message>
    <message>
        <source>%1 was written by a newer Corvella (log version %2; this one reads up to %3)</source>
        <translation>%1 is geschreven door een nieuwere Corvella (logversie %2; deze leest tot %3)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Period ended</source>
        <translation>Periode afgelopen</translation>
    </message>
    <message>
        <source>Break ended</source>
        <translation>Pauze afgelopen</translation>
    </message>
    <message>
        <source>Timeout ended</source>
        <translation>Time-out afgelopen</translation>
    </message>
    <message>
        <source>Clock ran out</source>
        <translation>Klok afgelopen</translation>
    </message>
    <message>
        <source>Clock stopped at its limit</source>
        <translation>Klok gestopt bij haar limiet</translation>
    </message>
    <message>
        <source>the game log could not be opened</source>
        <translation>het wedstrijdlogboek kon niet worden geopend</translation>
    </message>
    <message>
        <source>Shot clock ran out</source>
        <translation>Schotklok verlopen</translation>
    </message>
    <message>
        <source>Set %1 ended %2:%3</source>
        <translation>Set %1 afgelopen %2:%3</translation>
    </message>
</context>
<context>
    <name>GameModel</name>
    <message>
        <source>%1 is over %2</source>
        <translation>%1 is meer dan %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 is minder dan %2</translation>
    </message>
    <message>
        <source>%1 + %2 is over %3</source>
        <translation>%1 + %2 is meer dan %3</translation>
    </message>
    <message>
        <source>%1 - %2 is below %3</source>
        <translation>%1 - %2 is minder dan %3</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Game</source>
        <translation>Wedstrijd</translation>
    </message>
    <message>
        <source>Game Clock:</source>
        <translation>Wedstrijdklok:</translation>
    </message>
    <message>
        <source>Count down from</source>
        <translation>Aftellen vanaf</translation>
    </message>
    <message>
        <source>minutes.seconds</source>
        <translation>min.sec</translation>
    </message>
    <message>
        <source>Unticked, the clock counts up to 99:59.9. Counting down, it stops at 0:00.0 and sounds the buzzer.</source>
        <translation>Zonder vinkje telt de klok op tot 99:59.9. Aftellend stopt hij bij 0:00.0 en klinkt de zoemer.</translation>
    </message>
    <message>
        <source>Audience Display (F2):</source>
        <translation>Publieksscherm (F2):</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>on screen </source>
        <translation>op scherm </translation>
    </message>
    <message>
        <source>Periods:</source>
        <translation>Perioden:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
    <message>
        <source>no periods</source>
        <translation>geen perioden</translation>
    </message>
    <message>
        <source> periods</source>
        <translation> perioden</translation>
    </message>
    <message>
        <source>Breaks after them:</source>
        <translation>Pauzes erna:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Overtime when level:</source>
        <translation>Verlenging:</translation>
    </message>
    <message>
        <source>Timeouts and Fouls:</source>
        <translation>Time-outs en fouten:</translation>
    </message>
    <message>
        <source>Per game:</source>
        <translation>Per wedstr.:</translation>
    </message>
    <message>
        <source>2, 3</source>
        <translation>2, 3</translation>
    </message>
    <message>
        <source>Per half instead: the first half&apos;s, then the second&apos;s</source>
        <translation>Per helft in plaats daarvan: eerst die van de eerste, dan van de tweede</translation>
    </message>
    <message>
        <source>Per half:</source>
        <translation>Per helft:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duur:</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>scores</translation>
    </message>
    <message>
        <source>fouls</source>
        <translation>fouten</translation>
    </message>
    <message>
        <source>Section 2:</source>
        <translation>Rij 2:</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periode</translation>
    </message>
    <message>
        <source>half</source>
        <translation>helft</translation>
    </message>
    <message>
        <source>Fouls reset:</source>
        <translation>Fouten op 0:</translation>
    </message>
    <message>
        <source>Bonus at:</source>
        <translation>Bonus vanaf:</translation>
    </message>
    <message>
        <source>Score digits:</source>
        <translation>Cijfers:</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>The period length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>De periodeduur moet een tijd van 0.01 tot 99.59 zijn (minuten.seconden).</translation>
    </message>
    <message>
        <source>Each break must be a time up to 99.59 (minutes.seconds), the breaks separated by commas.</source>
        <translation>Elke pauze moet een tijd tot 99.59 zijn (minuten.seconden), de pauzes gescheiden door komma’s.</translation>
    </message>
    <message>
        <source>The overtime must be a time up to 99.59 (minutes.seconds), or empty for none.</source>
        <translation>De verlenging moet een tijd tot 99.59 zijn (minuten.seconden), of leeg voor geen.</translation>
    </message>
    <message>
        <source>Timeouts per half must be counts from 0 to %1, the first half&apos;s and the second&apos;s separated by a comma.</source>
        <translation>Time-outs per helft moeten aantallen van 0 tot %1 zijn, die van de eerste en de tweede helft gescheiden door een komma.</translation>
    </message>
    <message>
        <source>The timeout length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>De duur van een time-out moet een tijd van 0.01 tot 99.59 zijn (minuten.seconden).</translation>
    </message>
    <message>
        <source>Fouls reset at each period or each half.</source>
        <translation>Fouten worden per periode of per helft op nul gezet.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s length must be from 1 to %1 seconds.</source>
        <translation>De lengte van de schotklok moet 1 tot %1 seconden zijn.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s short length must be from 0 (none) to %1 seconds.</source>
        <translation>De korte lengte van de schotklok moet 0 (geen) tot %1 seconden zijn.</translation>
    </message>
    <message>
        <source>The sets to win must be from 1 to %1.</source>
        <translation>Het aantal winnende sets moet van 1 tot %1 zijn.</translation>
    </message>
    <message>
        <source>The points of a set must be from 1 to %1.</source>
        <translation>De punten van een set moeten van 1 tot %1 zijn.</translation>
    </message>
    <message>
        <source>A set is won by a lead of 1 to %1 points.</source>
        <translation>Een set wordt gewonnen met een voorsprong van 1 tot %1 punten.</translation>
    </message>
    <message>
        <source>The points that end a set must be from 0 (none) to %1.</source>
        <translation>De punten die een set beëindigen moeten van 0 (geen) tot %1 zijn.</translation>
    </message>
    <message>
        <source>The serve changes every 0 (the rally&apos;s winner serves) to %1 points.</source>
        <translation>De opslag wisselt elke 0 (de winnaar van de rally slaat op) tot %1 punten.</translation>
    </message>
    <message>
        <source>Timeouts per set must be from 0 to %1.</source>
        <translation>Time-outs per set moeten van 0 tot %1 zijn.</translation>
    </message>
    <message>
        <source>A hint must come at 0 (none) to %1 points.</source>
        <translation>Een hint moet komen bij 0 (geen) tot %1 punten.</translation>
    </message>
    <message>
        <source>The penalties&apos; lengths must be one to three times from 0.01 to 99.59 (minutes.seconds), separated by commas.</source>
        <translation>De straftijden moeten één tot drie tijden van 0.01 tot 99.59 (minuten.seconden) zijn, gescheiden door komma&apos;s.</translation>
    </message>
    <message>
        <source>Section 2 counts scores or fouls, or is not shown.</source>
        <translation>Rij 2 telt scores of fouten, of wordt niet getoond.</translation>
    </message>
    <message>
        <source>The points that end a set must be 0 (none) or at least the points of a set (%1) and of the deciding set (%2).</source>
        <translation>De punten die een set beëindigen moeten 0 (geen) zijn of ten minste de punten van een set (%1) en van de beslissende set (%2).</translation>
    </message>
</context>
<context>
    <name>GameStateFile</name>
    <message>
        <source>the disk may be full</source>
        <translation>de schijf is misschien vol</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Board Credit:</source>
        <translation>Vermelding:</translation>
    </message>
    <message>
        <source>none on the board</source>
        <translation>geen op het bord</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Takes effect when Corvella is next started.</source>
        <translation>Geldt vanaf de volgende start van Corvella.</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <translation>Als het bureaublad</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Zoemergeluid</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Dit bestand kan niet worden afgespeeld: </translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>connected to the broker %1</source>
        <translation>verbonden met de broker %1</translation>
    </message>
    <message>
        <source>not connected to the broker: %1</source>
        <translation>niet verbonden met de broker: %1</translation>
    </message>
    <message>
        <source>cannot serve the hall&apos;s pages on port %1: %2</source>
        <translation>de pagina&apos;s van de hal kunnen niet op poort %1 worden geserveerd: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json</source>
        <translation>de pagina’s van de hal staan op poort %1: /hall, /hall/results, /hall/schedule, /hall.json</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan de map %1 niet maken</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>cannot run openssl (%1): the hall&apos;s broker needs the package openssl</source>
        <translation>kan openssl niet starten (%1): de broker van de hal heeft het pakket openssl nodig</translation>
    </message>
    <message>
        <source>openssl could not make the hall&apos;s certificates: %1</source>
        <translation>openssl kon de certificaten van de hal niet maken: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>%1 does not read; move it away to make new passwords</source>
        <translation>%1 is onleesbaar; verplaats het om nieuwe wachtwoorden te maken</translation>
    </message>
    <message>
        <source>%1 is locked by another process</source>
        <translation>%1 is vergrendeld door een ander proces</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker listens on port %1</source>
        <translation>de eigen broker van de hal luistert op poort %1</translation>
    </message>
    <message>
        <source>HallServiceSettings/Broker is not host:port: %1</source>
        <translation>HallServiceSettings/Broker is geen host:poort: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own, port %1</source>
        <translation>de eigen broker van de hal, poort %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker is not running</source>
        <translation>de eigen broker van de hal draait niet</translation>
    </message>
    <message>
        <source>the hall uses the broker %1, whose users it does not keep</source>
        <translation>de hal gebruikt de broker %1, waarvan ze de gebruikers niet beheert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court: letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot; and spaces only</source>
        <translation>&quot;%1&quot; kan geen veld heten: alleen letters, cijfers, &quot;_&quot;, &quot;-&quot;, &quot;.&quot; en spaties</translation>
    </message>
    <message>
        <source>join codes are for the hall&apos;s own broker, and HallServiceSettings/Broker names another one (%1)</source>
        <translation>koppelcodes zijn voor de eigen broker van de hal, en HallServiceSettings/Broker noemt een andere (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court</source>
        <translation>&quot;%1&quot; kan geen veld heten</translation>
    </message>
    <message>
        <source>A join code begins with &quot;corvella-hall://&quot;; copy it whole from the hall&apos;s window.</source>
        <translation>Een koppelcode begint met &quot;corvella-hall://&quot;; kopieer hem helemaal uit het venster van de hal.</translation>
    </message>
    <message>
        <source>The join code names no court or no password.</source>
        <translation>De koppelcode noemt geen veld of geen wachtwoord.</translation>
    </message>
    <message>
        <source>The join code names no broker (host and port).</source>
        <translation>De koppelcode noemt geen broker (host en poort).</translation>
    </message>
    <message>
        <source>The join code names no venue.</source>
        <translation>De koppelcode noemt geen locatie.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;ca&quot; is not a SHA-256 fingerprint.</source>
        <translation>De &quot;ca&quot; van de koppelcode is geen SHA-256-vingerafdruk.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;web&quot; is not a port.</source>
        <translation>De &quot;web&quot; van de koppelcode is geen poort.</translation>
    </message>
    <message>
        <source>port %1 is taken (%2): set HallServiceSettings/OwnBrokerPort to another one</source>
        <translation>poort %1 is bezet (%2): zet HallServiceSettings/OwnBrokerPort op een andere</translation>
    </message>
    <message>
        <source>Mosquitto did not start within %1 s</source>
        <translation>Mosquitto is niet binnen %1 s gestart</translation>
    </message>
    <message>
        <source>cannot run mosquitto (%1): the hall&apos;s own broker needs the package mosquitto</source>
        <translation>kan mosquitto niet starten (%1): de eigen broker van de hal heeft het pakket mosquitto nodig</translation>
    </message>
    <message>
        <source>cannot write the broker&apos;s users into %1</source>
        <translation>kan de gebruikers van de broker niet in %1 schrijven</translation>
    </message>
    <message>
        <source>mosquitto_passwd could not write the broker&apos;s users: %1</source>
        <translation>mosquitto_passwd kon de gebruikers van de broker niet schrijven: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker: %1</source>
        <translation>de broker van de hal: %1</translation>
    </message>
    <message>
        <source>no word from it</source>
        <translation>zonder melding</translation>
    </message>
    <message>
        <source>Mosquitto would not start: %1</source>
        <translation>Mosquitto wil niet starten: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended %1 times within a minute (%2); it is not started again</source>
        <translation>de broker van de hal stopte %1 keer binnen een minuut (%2); hij wordt niet opnieuw gestart</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended (%1); starting it again (%2 of %3 this minute)</source>
        <translation>de broker van de hal stopte (%1); hij wordt opnieuw gestart (%2 van %3 deze minuut)</translation>
    </message>
</context>
<context>
    <name>HallDay</name>
    <message>
        <source>Results of the day</source>
        <translation>Uitslagen van de dag</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets en perioden</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Er is nog geen wedstrijd afgelopen.</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Doelpunten</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Setpunten</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
</context>
<context>
    <name>HallJoin</name>
    <message>
        <source>The hall at %1 cannot be reached: %2</source>
        <translation>De hal op %1 is niet bereikbaar: %2</translation>
    </message>
    <message>
        <source>The hall at %1 sent no certificate.</source>
        <translation>De hal op %1 stuurde geen certificaat.</translation>
    </message>
    <message>
        <source>The hall&apos;s certificate does not match the join code: this may not be the hall that gave it. Ask the hall for its code again.</source>
        <translation>Het certificaat van de hal past niet bij de koppelcode: dit is misschien niet de hal die hem gaf. Vraag de hal opnieuw om de code.</translation>
    </message>
    <message>
        <source>Cannot keep the hall&apos;s certificate in %1: %2</source>
        <translation>Kan het certificaat van de hal niet in %1 bewaren: %2</translation>
    </message>
</context>
<context>
    <name>HallLink</name>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>de verbinding met %1 is verbroken</translation>
    </message>
</context>
<context>
    <name>HallPage</name>
    <message>
        <source>host:port, empty for no link</source>
        <translation>host:poort, leeg voor geen verbinding</translation>
    </message>
    <message>
        <source>the court</source>
        <translation>het veld</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Hal:</translation>
    </message>
    <message>
        <source>Court:</source>
        <translation>Veld:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>CA certificate:</source>
        <translation>CA-certificaat:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Verbinding:</translation>
    </message>
    <message>
        <source>The board publishes its game to the hall&apos;s MQTT broker. With a CA certificate the link uses TLS.</source>
        <translation>Het bord publiceert zijn wedstrijd bij de MQTT-broker van de hal. Met een CA-certificaat gebruikt de verbinding TLS.</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>Hal</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:1883&quot;).</source>
        <translation>De broker is geen hostnaam en poort (&quot;hall.local:1883&quot;).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>De hal moet een naam zijn zonder &quot;/&quot;, &quot;+&quot; of &quot;#&quot;.</translation>
    </message>
    <message>
        <source>The court must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Het veld moet een naam zijn zonder &quot;/&quot;, &quot;+&quot; of &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Without a CA certificate the password would cross the network unencrypted. Give the broker&apos;s CA certificate, or use a broker on this computer.</source>
        <translation>Zonder CA-certificaat zou het wachtwoord onversleuteld over het netwerk gaan. Geef het CA-certificaat van de broker op, of gebruik een broker op deze computer.</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Geen verbinding</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Koppelen</translation>
    </message>
    <message>
        <source>corvella-hall://... from the hall&apos;s window</source>
        <translation>corvella-hall://... uit het venster van de hal</translation>
    </message>
    <message>
        <source>Press Join to use the join code, or clear it.</source>
        <translation>Druk op Koppelen om de code te gebruiken, of wis hem.</translation>
    </message>
    <message>
        <source>Joined: court %1 of %2 at %3. Ok keeps it.</source>
        <translation>Gekoppeld: veld %1 van %2 op %3. OK bewaart het.</translation>
    </message>
    <message>
        <source>Join code:</source>
        <translation>Koppelcode:</translation>
    </message>
    <message>
        <source>The board is still joining the hall; wait a moment.</source>
        <translation>Het scorebord koppelt nog met de hal; wacht even.</translation>
    </message>
    <message>
        <source>Asking the hall at %1…</source>
        <translation>De hal op %1 wordt gevraagd…</translation>
    </message>
</context>
<context>
    <name>HallPages</name>
    <message>
        <source>Corvella hall</source>
        <translation>Corvella-hal</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslagen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Court %1</source>
        <translation>Veld %1</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Eindstand</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pauze na periode %1</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Verlenging %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>Timeouts left: %1 - %2</source>
        <translation>Resterende time-outs: %1 - %2</translation>
    </message>
    <message>
        <source>No court has reported yet.</source>
        <translation>Er heeft zich nog geen veld gemeld.</translation>
    </message>
    <message>
        <source>Corvella hall: results</source>
        <translation>Corvella-hal: uitslagen</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Alle velden</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Printable result</source>
        <translation>Uitslag om af te drukken</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Er is nog geen wedstrijd afgelopen.</translation>
    </message>
    <message>
        <source>Disputed: counts once accepted</source>
        <translation>Betwist: telt pas na acceptatie</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets en perioden</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Speelschema</translation>
    </message>
    <message>
        <source>Results as CSV</source>
        <translation>Uitslagen als CSV</translation>
    </message>
    <message>
        <source>Day sheet (PDF)</source>
        <translation>Dagoverzicht (PDF)</translation>
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
        <translation>Geen signaal</translation>
    </message>
    <message>
        <source>Hall link down since %1</source>
        <translation>Verbinding van de hal weg sinds %1</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Time-out %1</translation>
    </message>
    <message>
        <source>Next games</source>
        <translation>Volgende wedstrijden</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
</context>
<context>
    <name>HallSettingsPage</name>
    <message>
        <source>empty: the hall&apos;s own broker</source>
        <translation>leeg: de eigen broker van de hal</translation>
    </message>
    <message>
        <source>empty: every address</source>
        <translation>leeg: elk adres</translation>
    </message>
    <message>
        <source>The browser&apos;s</source>
        <translation>Die van de browser</translation>
    </message>
    <message>
        <source>Save and restart the hall</source>
        <translation>Opslaan en de hal herstarten</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Own broker&apos;s port:</source>
        <translation>Poort eigen broker:</translation>
    </message>
    <message>
        <source>Own broker&apos;s address:</source>
        <translation>Adres eigen broker:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Locatie:</translation>
    </message>
    <message>
        <source>Pages&apos; port:</source>
        <translation>Poort van de pagina&apos;s:</translation>
    </message>
    <message>
        <source>Pages&apos; language:</source>
        <translation>Taal van de pagina&apos;s:</translation>
    </message>
    <message>
        <source>Points for a win, a draw, a loss:</source>
        <translation>Punten voor winst, gelijkspel, verlies:</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:8883&quot;).</source>
        <translation>De broker is geen hostnaam en poort (&quot;hall.local:8883&quot;).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>De locatie moet een naam zijn zonder &quot;/&quot;, &quot;+&quot; of &quot;#&quot;.</translation>
    </message>
    <message>
        <source>The own broker&apos;s address must be an address of this computer.</source>
        <translation>Het adres van de eigen broker moet een adres van deze computer zijn.</translation>
    </message>
    <message>
        <source>The points are three numbers: a win, a draw, a loss (&quot;2,1,0&quot;).</source>
        <translation>De punten zijn drie getallen: winst, gelijkspel, verlies (&quot;2,1,0&quot;).</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>Ended</source>
        <translation>Afgelopen</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Koppelcode</translation>
    </message>
    <message>
        <source>Corvella Hall</source>
        <translation>Corvella Hal</translation>
    </message>
    <message>
        <source>Courts</source>
        <translation>Velden</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Stand van de poules</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslagen</translation>
    </message>
    <message>
        <source>Lobby and join codes</source>
        <translation>Kantine en koppelcodes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Wedstrijd</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voorinstelling</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Import a schedule…</source>
        <translation>Programma importeren…</translation>
    </message>
    <message>
        <source>a court&apos;s name</source>
        <translation>naam van een veld</translation>
    </message>
    <message>
        <source>Add a court</source>
        <translation>Veld toevoegen</translation>
    </message>
    <message>
        <source>Join codes: paste a court&apos;s code on its board&apos;s Hall page</source>
        <translation>Koppelcodes: plak de code van een veld op de pagina Hal van zijn scorebord</translation>
    </message>
    <message>
        <source>The hall&apos;s pages are on port %1.</source>
        <translation>De pagina&apos;s van de hal staan op poort %1.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbonden</translation>
    </message>
    <message>
        <source>not connected: %1</source>
        <translation>niet verbonden: %1</translation>
    </message>
    <message>
        <source>connecting…</source>
        <translation>verbinden…</translation>
    </message>
    <message>
        <source>Venue %1 · Broker: %2 · Link: %3</source>
        <translation>Locatie %1 · Broker: %2 · Verbinding: %3</translation>
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
        <translation>volgende</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Poule %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>Conceded</source>
        <translation>Tegen</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source> (disputed)</source>
        <translation> (betwist)</translation>
    </message>
    <message>
        <source>The lobby page: %1
(or %2 on a network without local names)
Results: /hall/results · Schedule: /hall/schedule</source>
        <translation>De kantinepagina: %1
(of %2 op een netwerk zonder lokale namen)
Uitslagen: /hall/results · Programma: /hall/schedule</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n game(s)</source>
        <translation>
            <numerusform>%1: %n wedstrijd</numerusform>
            <numerusform>%1: %n wedstrijden</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the day&apos;s schedule</source>
        <translation>Het programma van de dag importeren</translation>
    </message>
    <message>
        <source>Schedules (*.csv *.txt);;All files (*)</source>
        <translation>Programma&apos;s (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings file is locked or cannot be written.</source>
        <translation>De instellingen konden niet worden opgeslagen: het instellingenbestand is vergrendeld of niet schrijfbaar.</translation>
    </message>
    <message>
        <source>Settings saved; the hall starts again with them.</source>
        <translation>Instellingen opgeslagen; de hal start er opnieuw mee.</translation>
    </message>
    <message>
        <source>Save the results for the league (CSV)…</source>
        <translation>Uitslagen voor de bond opslaan (CSV)…</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet (PDF)…</source>
        <translation>Dagoverzicht opslaan (PDF)…</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Setpunten</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet</source>
        <translation>Dagoverzicht opslaan</translation>
    </message>
    <message>
        <source>Save the day&apos;s results</source>
        <translation>Uitslagen van de dag opslaan</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV voor spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>there is no such file</source>
        <translation>dat bestand bestaat niet</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>het is groter dan 8 MB</translation>
    </message>
    <message>
        <source>it is not a PNG, JPEG or SVG image</source>
        <translation>het is geen PNG-, JPEG- of SVG-afbeelding</translation>
    </message>
    <message>
        <source>it is larger than 4096 x 4096 pixels</source>
        <translation>het is groter dan 4096 x 4096 pixels</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the SVG declares entities</source>
        <translation>de SVG declareert entiteiten</translation>
    </message>
    <message>
        <source>the SVG refers to a file outside itself</source>
        <translation>de SVG verwijst naar een bestand buiten zichzelf</translation>
    </message>
    <message>
        <source>it is not a readable SVG file</source>
        <translation>het is geen leesbaar SVG-bestand</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source> - To start or stop the clock press &apos;%1&apos;.</source>
        <translation> - Druk op &apos;%1&apos; om de klok te starten of te stoppen.</translation>
    </message>
    <message>
        <source>  - To reset the clock press &apos;%1&apos;.</source>
        <translation>  - Druk op &apos;%1&apos; om de klok te resetten.</translation>
    </message>
    <message>
        <source>  - To change the scores, click on the score, type a single digit number, and press &apos;enter&apos;.</source>
        <translation>  - Om een score te wijzigen: klik op de score, typ één cijfer en druk op &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>  - To increase or decrease one of the scores, click on the score, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>  - Om een score te verhogen of te verlagen: klik op de score, druk op &apos;+&apos; of &apos;-&apos; en typ het cijfer dat erbij of eraf gaat.</translation>
    </message>
    <message>
        <source>  - To sound the buzzer press &apos;%1&apos; .</source>
        <translation>  - Druk op &apos;%1&apos; om de zoemer te laten klinken.</translation>
    </message>
    <message>
        <source>  - If you have mistyped a number and need to start over press </source>
        <translation>  - Als u een getal verkeerd hebt getypt en opnieuw wilt beginnen, druk dan op </translation>
    </message>
    <message>
        <source>&apos;SPACE&apos; .</source>
        <translation>&apos;SPATIE&apos; .</translation>
    </message>
    <message>
        <source>  - To return to this screen from the program press &apos;Esc&apos;.</source>
        <translation>  - Druk in het programma op &apos;Esc&apos; om naar dit scherm terug te gaan.</translation>
    </message>
    <message>
        <source>  - To see the board&apos;s network addresses and PIN press &apos;F4&apos;.</source>
        <translation>  - Druk op &apos;F4&apos; voor de netwerkadressen en de pincode van het bord.</translation>
    </message>
    <message>
        <source>  - To go to the options from the program press &apos;o&apos;.</source>
        <translation>  - Druk in het programma op &apos;o&apos; om naar de opties te gaan.</translation>
    </message>
    <message>
        <source>  - To go to the next period press &apos;%1&apos;, to go back one press &apos;%2&apos;.</source>
        <translation>  - Druk op &apos;%1&apos; om naar de volgende periode te gaan, op &apos;%2&apos; om er een terug te gaan.</translation>
    </message>
    <message>
        <source>  - To skip the rest of a break press &apos;%1&apos;.</source>
        <translation>  - Druk op &apos;%1&apos; om de rest van een pauze over te slaan.</translation>
    </message>
    <message>
        <source>  - To start a new game press &apos;%1&apos;.</source>
        <translation>  - Druk op &apos;%1&apos; om een nieuwe wedstrijd te beginnen.</translation>
    </message>
    <message>
        <source>  - To start or end a timeout press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team.</source>
        <translation>  - Druk op &apos;%1&apos; voor de thuisploeg of &apos;%2&apos; voor de gastploeg om een time-out te starten of te beëindigen.</translation>
    </message>
    <message>
        <source>  - To give a point press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team; &apos;Ctrl+Z&apos; takes it back.</source>
        <translation>  - Druk voor een punt op &apos;%1&apos; voor de thuisploeg, &apos;%2&apos; voor de gasten; &apos;Ctrl+Z&apos; neemt het terug.</translation>
    </message>
    <message>
        <source>  - Before a set&apos;s first point press &apos;%1&apos; to switch the first server.</source>
        <translation>  - Druk vóór het eerste punt van een set op &apos;%1&apos; om de eerste opslag te wisselen.</translation>
    </message>
</context>
<context>
    <name>KeyChooser</name>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Druk op de toets om %1.</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Deze toets is al in gebruik, kies een andere.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Toets kiezen</translation>
    </message>
</context>
<context>
    <name>KeyboardPage</name>
    <message>
        <source>Reset Keys</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Start/stop:</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Klok resetten:</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Zoemer:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzig</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Zoemergeluid</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>de klok te starten of te stoppen</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>de klok te resetten</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>de zoemer te laten klinken</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Geen bestand gekozen]</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <translation>Geluiden *.wav (*.wav)</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Dit bestand kan niet worden afgespeeld: </translation>
    </message>
</context>
<context>
    <name>KeysPage</name>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Game Keys:</source>
        <translation>Spelknoppen:</translation>
    </message>
    <message>
        <source>Home timeout</source>
        <translation>Time-out thuis</translation>
    </message>
    <message>
        <source>Guest timeout</source>
        <translation>Time-out gast</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Volgende periode</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Vorige periode</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Pauze overslaan</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuwe wedstrijd</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Typing:</source>
        <translation>Typen:</translation>
    </message>
    <message>
        <source>Type whole scores: digits, then Enter</source>
        <translation>Hele scores typen: cijfers, dan Enter</translation>
    </message>
    <message>
        <source>Operator&apos;s hints:</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <source>with the audience display</source>
        <translation>met publieksscherm</translation>
    </message>
    <message>
        <source>always</source>
        <translation>altijd</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source>start the home team&apos;s timeout</source>
        <translation>de time-out van de thuisploeg te starten</translation>
    </message>
    <message>
        <source>start the guest team&apos;s timeout</source>
        <translation>de time-out van de gastploeg te starten</translation>
    </message>
    <message>
        <source>go to the next period</source>
        <translation>naar de volgende periode te gaan</translation>
    </message>
    <message>
        <source>go back a period</source>
        <translation>een periode terug te gaan</translation>
    </message>
    <message>
        <source>skip the break</source>
        <translation>de pauze over te slaan</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>een nieuwe wedstrijd te beginnen</translation>
    </message>
    <message>
        <source>Sound off/on</source>
        <translation>Geluid uit/aan</translation>
    </message>
    <message>
        <source>turn the sound off or on</source>
        <translation>het geluid uit of weer aan te zetten</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Korte zoemer</translation>
    </message>
    <message>
        <source>sound a short horn</source>
        <translation>de zoemer kort te laten klinken</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Show the board in browsers on the network</source>
        <translation>Het bord tonen in browsers op het netwerk</translation>
    </message>
    <message>
        <source>Let show-control software and scripts drive the game (HTTP API)</source>
        <translation>Showsoftware en scripts de wedstrijd laten sturen (HTTP-API)</translation>
    </message>
    <message>
        <source>New token</source>
        <translation>Nieuw token</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Alle adressen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Listen on:</source>
        <translation>Luisteren op:</translation>
    </message>
    <message>
        <source>Displays and the stream overlay only show the board. The phone remote asks for the PIN shown on this computer.</source>
        <translation>Schermen en de stream-overlay tonen alleen het bord. De telefoonbediening vraagt om de pincode die deze computer toont.</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>API-token:</translation>
    </message>
    <message>
        <source>Requests to /api/v1/ carry the header &quot;Authorization: Bearer&quot; and this token. See the README for the calls.</source>
        <translation>Verzoeken aan /api/v1/ hebben de header &quot;Authorization: Bearer&quot; met dit token. Zie de README voor de aanroepen.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
</context>
<context>
    <name>OperatorHints</name>
    <message>
        <source>The clock&apos;s panel takes no keys: click a clock digit</source>
        <translation>Het klokpaneel neemt geen toetsen aan: klik op een cijfer van de klok</translation>
    </message>
    <message>
        <source>Click a score or a clock digit to type</source>
        <translation>Klik op een score of een cijfer van de klok om te typen</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Getypt: %1</translation>
    </message>
    <message>
        <source>Caps Lock is on: command keys are lower-case</source>
        <translation>Caps Lock staat aan: commandotoetsen zijn kleine letters</translation>
    </message>
</context>
<context>
    <name>OperatorPanel</name>
    <message>
        <source>Board on the network</source>
        <translation>Bord op het netwerk</translation>
    </message>
    <message>
        <source>The board is not on the network: %1</source>
        <translation>Het bord is niet op het netwerk: %1</translation>
    </message>
    <message>
        <source>Board: %1display</source>
        <translation>Bord: %1display</translation>
    </message>
    <message>
        <source>Stream overlay: %1overlay</source>
        <translation>Stream-overlay: %1overlay</translation>
    </message>
    <message>
        <source>Phone remote: %1remote</source>
        <translation>Telefoonbediening: %1remote</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>Pincode bediening:</translation>
    </message>
    <message>
        <source>Connected pages: %1, remotes: %2</source>
        <translation>Verbonden pagina&apos;s: %1, bedieningen: %2</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>API-token:</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Shot clock: %1shotclock</source>
        <translation>Schotklok: %1shotclock</translation>
    </message>
    <message>
        <source>Hall: %1</source>
        <translation>Hal: %1</translation>
    </message>
    <message>
        <source>No next game from the hall</source>
        <translation>Geen volgende wedstrijd van de hal</translation>
    </message>
    <message>
        <source>Next game: %1 (F7 on the board loads it)</source>
        <translation>Volgende wedstrijd: %1 (F7 op het bord laadt hem)</translation>
    </message>
    <message>
        <source>The web server is off</source>
        <translation>De webserver staat uit</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Announcer: %1announcer</source>
        <translation>Speaker: %1announcer</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them on the Keyboard tab or in the settings.</source>
        <translation>Twee opdrachten delen de toets %1. Kies voor een van beide een andere toets, op het tabblad Toetsenbord of in de instellingen.</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The settings could not be saved. They apply until Corvella is closed, but will be lost then.</source>
        <translation>De instellingen konden niet worden opgeslagen. Ze gelden tot Corvella wordt afgesloten en gaan dan verloren.</translation>
    </message>
</context>
<context>
    <name>PlayerEntry</name>
    <message>
        <source>Foul</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Straf</translation>
    </message>
    <message>
        <source>%1: which team? %2 or %3 (Space drops it)</source>
        <translation>%1: welk team? %2 of %3 (spatie laat het vallen)</translation>
    </message>
    <message>
        <source>%1 %2: #%3, then Enter</source>
        <translation>%1 %2: #%3, dan Enter</translation>
    </message>
    <message>
        <source>%1 %2 #%3: length? %4</source>
        <translation>%1 %2 #%3: welke duur? %4</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>The board follows the players</source>
        <translation>Het bord volgt de spelers</translation>
    </message>
    <message>
        <source>A goal conceded ends the oldest 2:00 penalty</source>
        <translation>Een tegendoelpunt beëindigt de oudste straf van 2:00</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Fouls that put a player out:</source>
        <translation>Fouten waarna een speler eruit moet:</translation>
    </message>
    <message>
        <source>Penalty lengths (minutes.seconds):</source>
        <translation>Straftijden (minuten.seconden):</translation>
    </message>
    <message>
        <source>Penalties that disqualify:</source>
        <translation>Straffen die diskwalificeren:</translation>
    </message>
    <message>
        <source>Player&apos;s foul key:</source>
        <translation>Toets spelersfout:</translation>
    </message>
    <message>
        <source>Penalty key:</source>
        <translation>Toets straf:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>enter a player&apos;s foul</source>
        <translation>een spelersfout invoeren</translation>
    </message>
    <message>
        <source>enter a penalty</source>
        <translation>een straf invoeren</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Handbal</translation>
    </message>
    <message>
        <source>Futsal</source>
        <translation>Zaalvoetbal</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>IJshockey</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Water polo</source>
        <translation>Waterpolo</translation>
    </message>
    <message>
        <source>Korfball</source>
        <translation>Korfbal</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleybal</translation>
    </message>
    <message>
        <source>Beach volleyball</source>
        <translation>Beachvolleybal</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tafeltennis</translation>
    </message>
</context>
<context>
    <name>RemoteApi</name>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>too many wrong tokens; try again later</source>
        <translation>te veel verkeerde tokens; probeer het later opnieuw</translation>
    </message>
    <message>
        <source>a valid bearer token is needed</source>
        <translation>een geldig bearer-token is nodig</translation>
    </message>
    <message>
        <source>use GET</source>
        <translation>gebruik GET</translation>
    </message>
    <message>
        <source>use POST</source>
        <translation>gebruik POST</translation>
    </message>
    <message>
        <source>the body is not a JSON object</source>
        <translation>de body is geen JSON-object</translation>
    </message>
    <message>
        <source>give either &quot;add&quot; or &quot;set&quot;</source>
        <translation>geef &quot;add&quot; of &quot;set&quot;</translation>
    </message>
    <message>
        <source>too many calls; slow down</source>
        <translation>te veel aanroepen; doe het rustiger aan</translation>
    </message>
    <message>
        <source>the operator has not yet said whether to resume the saved game</source>
        <translation>de bediener heeft nog niet gezegd of de opgeslagen wedstrijd wordt hervat</translation>
    </message>
    <message>
        <source>&quot;team&quot; is &quot;home&quot; or &quot;guest&quot;</source>
        <translation>&quot;team&quot; is &quot;home&quot; of &quot;guest&quot;</translation>
    </message>
    <message>
        <source>a player goes with &quot;add&quot;</source>
        <translation>een speler hoort bij &quot;add&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; is geen veld van deze aanroep</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Corvella: the game</source>
        <translation>Corvella: de wedstrijd</translation>
    </message>
    <message>
        <source>Final:</source>
        <translation>Eindstand:</translation>
    </message>
    <message>
        <source>Period %1: %2</source>
        <translation>Periode %1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Standen</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Er is nog geen wedstrijd vastgelegd.</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet (;)</source>
        <translation>CSV voor spreadsheet (;)</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Wedstrijdklok</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kan niet gelezen worden (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a schedule</source>
        <translation>%1: te groot voor een speelschema</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>a quote is not closed where the field ends</source>
        <translation>een aanhalingsteken is niet gesloten waar het veld eindigt</translation>
    </message>
    <message>
        <source>the court &quot;%1&quot; cannot be a court&apos;s name (empty, or with /, + or #)</source>
        <translation>&quot;%1&quot; kan geen veldnaam zijn (leeg, of met /, + of #)</translation>
    </message>
    <message>
        <source>both teams must be named</source>
        <translation>beide ploegen moeten een naam hebben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot play itself</source>
        <translation>&quot;%1&quot; kan niet tegen zichzelf spelen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a preset (known: %2)</source>
        <translation>&quot;%1&quot; is geen voorinstelling (bekend: %2)</translation>
    </message>
    <message>
        <source>court %1 already plays at %2 (line %3)</source>
        <translation>veld %1 speelt al om %2 (regel %3)</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header line</source>
        <translation>het bestand is leeg; het heeft een kopregel nodig</translation>
    </message>
    <message>
        <source>a team&apos;s name may have at most %1 characters, and no control characters</source>
        <translation>de naam van een team mag hoogstens %1 tekens hebben, en geen stuurtekens</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>the header does not read (separator found: %1): %2</source>
        <translation>de kopregel is niet leesbaar (scheidingsteken gevonden: %1): %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected nothing after the group</source>
        <translation>kolom %1 is &quot;%2&quot;, na de groep wordt niets verwacht</translation>
    </message>
    <message>
        <source>column %1 is missing, expected one of: %2</source>
        <translation>kolom %1 ontbreekt, verwacht een van: %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected one of: %3</source>
        <translation>kolom %1 is &quot;%2&quot;, verwacht een van: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>missing: the header has %1 columns separated by %2</source>
        <translation>ontbreekt: de kopregel heeft %1 kolommen, gescheiden door %2</translation>
    </message>
    <message>
        <source>one more than the header&apos;s %1 columns: a field holding %2 needs double quotes</source>
        <translation>één meer dan de %1 kolommen van de kopregel: een veld met %2 erin moet tussen dubbele aanhalingstekens</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; expected HH:MM, like 09:30</source>
        <translation>&quot;%1&quot; is geen tijd; verwacht UU:MM, zoals 09:30</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>to play</source>
        <translation>te spelen</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Ploeg</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Doelpunten</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Corvella: the day&apos;s games</source>
        <translation>Corvella: de wedstrijden van vandaag</translation>
    </message>
    <message>
        <source>The day&apos;s games</source>
        <translation>De wedstrijden van vandaag</translation>
    </message>
    <message>
        <source>No games are scheduled.</source>
        <translation>Er zijn geen wedstrijden gepland.</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Setpunten</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Alle velden</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslagen</translation>
    </message>
</context>
<context>
    <name>ScoreBoardWindow</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Niet aangenomen: %1</translation>
    </message>
    <message>
        <source>Not taken: %1 is not a time from 0.00 to 99.59</source>
        <translation>Niet aangenomen: %1 is geen tijd van 0.00 tot 99.59</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Weet u zeker dat u een nieuwe wedstrijd wilt beginnen?</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>Nieuwe wedstrijd?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all LEDs?</source>
        <translation>Weet u zeker dat u alle leds wilt wissen?</translation>
    </message>
    <message>
        <source>%1 dropped: no key for a while</source>
        <translation>%1 vervallen: een tijd geen toets</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>clock runs from %1</source>
        <translation>klok loopt vanaf %1</translation>
    </message>
    <message>
        <source>clock stopped at %1</source>
        <translation>klok gestopt op %1</translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>klok %1</translation>
    </message>
    <message>
        <source>Ctrl+Z again starts the clock from %1</source>
        <translation>Nogmaals Ctrl+Z start de klok vanaf %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>Undone from the network: %1</source>
        <translation>Ongedaan gemaakt via het netwerk: %1</translation>
    </message>
    <message>
        <source>Redone from the network: %1</source>
        <translation>Opnieuw gedaan via het netwerk: %1</translation>
    </message>
    <message>
        <source>Clear all LEDs?</source>
        <translation>Alle leds wissen?</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niets om opnieuw te doen</translation>
    </message>
    <message>
        <source>Skipped (the period they timed is over): %1</source>
        <translation>Overgeslagen (de periode die ze klokten is voorbij): %1</translation>
    </message>
    <message>
        <source>No next game has come from the hall</source>
        <translation>Er is geen volgende wedstrijd van de hal gekomen</translation>
    </message>
    <message>
        <source>Start a new game: %1?</source>
        <translation>Een nieuwe wedstrijd beginnen: %1?</translation>
    </message>
    <message>
        <source>Next: %1, F7 loads it</source>
        <translation>Volgende: %1, F7 laadt hem</translation>
    </message>
    <message>
        <source>Sponsors on the audience display</source>
        <translation>Sponsors op het publieksscherm</translation>
    </message>
    <message>
        <source>Switch sides</source>
        <translation>Van kant wisselen</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>%1st foul</source>
        <translation>%1e fout</translation>
    </message>
    <message>
        <source>%1nd foul</source>
        <translation>%1e fout</translation>
    </message>
    <message>
        <source>%1rd foul</source>
        <translation>%1e fout</translation>
    </message>
    <message>
        <source>%1th foul</source>
        <translation>%1e fout</translation>
    </message>
    <message>
        <source>Penalty over: %1 (%2)</source>
        <translation>Straf voorbij: %1 (%2)</translation>
    </message>
    <message>
        <source>Entry dropped</source>
        <translation>Invoer vervallen</translation>
    </message>
    <message>
        <source>Next: %1, F7</source>
        <translation>Volgende: %1, F7</translation>
    </message>
    <message>
        <source>Not loaded: %1 is still being played</source>
        <translation>Niet geladen: %1 wordt nog gespeeld</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 skips it)</source>
        <translation>Niet aangenomen: %1 (%2 slaat hem over)</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 starts a new one)</source>
        <translation>Niet aangenomen: %1 (%2 begint een nieuwe)</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>%1: a score takes one digit and Enter</source>
        <translation>%1: een score neemt één cijfer en Enter</translation>
    </message>
    <message>
        <source>%1: a sign, then one digit</source>
        <translation>%1: een teken, dan één cijfer</translation>
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
        <translation>V%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Scoreverloop</translation>
    </message>
    <message>
        <source>Score flow, set %1</source>
        <translation>Scoreverloop, set %1</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Leidingswissels</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Gelijke standen</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Grootste voorsprong</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Tijd aan de leiding</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 voor</translation>
    </message>
    <message>
        <source>Lead change</source>
        <translation>Leidingswissel</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Gespeelde tijd</translation>
    </message>
    <message>
        <source>Points played</source>
        <translation>Gespeelde punten</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>A scoreboard is on show</source>
        <translation>Er wordt een scorebord getoond</translation>
    </message>
</context>
<context>
    <name>SectionCaptions</name>
    <message>
        <source>Section 1</source>
        <translation>Sectie 1</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Sectie 2</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouten</translation>
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
        <translation>De wedstrijd wordt in sets gespeeld</translation>
    </message>
    <message>
        <source>The game clock shows the match time</source>
        <translation>De klok toont de speeltijd van de wedstrijd</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Winnende sets:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punten per set:</translation>
    </message>
    <message>
        <source>Points of the deciding set:</source>
        <translation>Punten van de beslissende set:</translation>
    </message>
    <message>
        <source>Won by a lead of:</source>
        <translation>Gewonnen met een voorsprong van:</translation>
    </message>
    <message>
        <source>A set ends at most at:</source>
        <translation>Een set eindigt uiterlijk bij:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>The serve changes every:</source>
        <translation>De opslag wisselt elke:</translation>
    </message>
    <message>
        <source>rally&apos;s winner serves</source>
        <translation>winnaar slaat op</translation>
    </message>
    <message>
        <source>Timeouts per team and set:</source>
        <translation>Time-outs per team en set:</translation>
    </message>
    <message>
        <source>Switch sides every:</source>
        <translation>Van kant wisselen elke:</translation>
    </message>
    <message>
        <source>no hint</source>
        <translation>geen hint</translation>
    </message>
    <message>
        <source>In the deciding set every:</source>
        <translation>In de beslissende set elke:</translation>
    </message>
    <message>
        <source>Interval at:</source>
        <translation>Pauze bij:</translation>
    </message>
    <message>
        <source>Point home key:</source>
        <translation>Toets punt thuis:</translation>
    </message>
    <message>
        <source>Point guest key:</source>
        <translation>Toets punt gasten:</translation>
    </message>
    <message>
        <source>First server key:</source>
        <translation>Toets eerste opslag:</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>give the home team a point</source>
        <translation>het thuisteam een punt geven</translation>
    </message>
    <message>
        <source>give the guest team a point</source>
        <translation>het gastteam een punt geven</translation>
    </message>
    <message>
        <source>switch the first server</source>
        <translation>de eerste opslag wisselen</translation>
    </message>
</context>
<context>
    <name>SettingRows</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings - Corvella</source>
        <translation>Instellingen - Corvella</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them here or on the Keyboard tab of the options.</source>
        <translation>Twee opdrachten delen de toets %1. Kies voor een van beide een andere toets, hier of op het tabblad Toetsenbord van de opties.</translation>
    </message>
</context>
<context>
    <name>ShotClockPage</name>
    <message>
        <source>The board has a shot clock</source>
        <translation>Het bord heeft een schotklok</translation>
    </message>
    <message>
        <source>It runs only while the game clock runs</source>
        <translation>Hij loopt alleen terwijl de wedstrijdklok loopt</translation>
    </message>
    <message>
        <source>The game clock stops when it runs out</source>
        <translation>De wedstrijdklok stopt als hij afloopt</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>the built-in horn</source>
        <translation>de ingebouwde hoorn</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duur:</translation>
    </message>
    <message>
        <source>Short length:</source>
        <translation>Korte lengte:</translation>
    </message>
    <message>
        <source>Horn (sound file):</source>
        <translation>Hoorn (geluidsbestand):</translation>
    </message>
    <message>
        <source>Reset key:</source>
        <translation>Toets terugzetten:</translation>
    </message>
    <message>
        <source>Short reset key:</source>
        <translation>Toets kort terugzetten:</translation>
    </message>
    <message>
        <source>Hold / release key:</source>
        <translation>Toets vasthouden / vrijgeven:</translation>
    </message>
    <message>
        <source>Dark key:</source>
        <translation>Toets donker:</translation>
    </message>
    <message>
        <source>Possession arrow key:</source>
        <translation>Toets balbezitpijl:</translation>
    </message>
    <message>
        <source>Shot Clock</source>
        <translation>Schotklok</translation>
    </message>
    <message>
        <source>reset the shot clock</source>
        <translation>de schotklok terug te zetten</translation>
    </message>
    <message>
        <source>reset the shot clock short</source>
        <translation>de schotklok kort terug te zetten</translation>
    </message>
    <message>
        <source>hold or release the shot clock</source>
        <translation>de schotklok vast te houden of vrij te geven</translation>
    </message>
    <message>
        <source>make the shot clock dark</source>
        <translation>de schotklok donker te maken</translation>
    </message>
    <message>
        <source>switch the possession arrow</source>
        <translation>de balbezitpijl om te zetten</translation>
    </message>
    <message>
        <source>A goal resets it</source>
        <translation>Een doelpunt zet hem terug</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is not a sound file</source>
        <translation>het is geen geluidsbestand</translation>
    </message>
    <message>
        <source>its sound is compressed in a way Corvella cannot play</source>
        <translation>het geluid is gecomprimeerd op een manier die Corvella niet kan afspelen</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>its header is damaged (too many parts)</source>
        <translation>de header is beschadigd (te veel delen)</translation>
    </message>
    <message>
        <source>it has %1 channels, more than Corvella can play</source>
        <translation>het heeft %1 kanalen, meer dan Corvella kan afspelen</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>de samplefrequentie van %1 Hz wordt niet ondersteund</translation>
    </message>
    <message>
        <source>the sound is longer than 10 minutes</source>
        <translation>het geluid duurt langer dan 10 minuten</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>het bevat geen geluid</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>it is larger than 32 MB</source>
        <translation>het is groter dan 32 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Corvella&apos;s sound support is not installed</source>
        <translation>De geluidsondersteuning van Corvella is niet geïnstalleerd</translation>
    </message>
</context>
<context>
    <name>SponsorsPage</name>
    <message>
        <source>Show the sponsors on the audience display</source>
        <translation>Sponsors op het publieksscherm tonen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pauzes</translation>
    </message>
    <message>
        <source>Breaks and timeouts</source>
        <translation>Pauzes en time-outs</translation>
    </message>
    <message>
        <source>Breaks, timeouts and before the game</source>
        <translation>Pauzes, time-outs en voor de wedstrijd</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>List again</source>
        <translation>Opnieuw tonen</translation>
    </message>
    <message>
        <source>Each slide stays:</source>
        <translation>Elke dia blijft:</translation>
    </message>
    <message>
        <source>Shown during:</source>
        <translation>Getoond tijdens:</translation>
    </message>
    <message>
        <source>Pictures (PNG, JPEG, SVG) in %1:</source>
        <translation>Afbeeldingen (PNG, JPEG, SVG) in %1:</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>Sponsors</translation>
    </message>
    <message>
        <source>No pictures yet</source>
        <translation>Nog geen afbeeldingen</translation>
    </message>
    <message>
        <source>%1: not shown, %2</source>
        <translation>%1: niet getoond, %2</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Klik om verder te gaan.</translation>
    </message>
    <message>
        <source>Custom Created by Brannick</source>
        <translation>Gemaakt door Brannick</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructies</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
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
        <translation>Thuis:</translation>
    </message>
    <message>
        <source>Guest:</source>
        <translation>Gasten:</translation>
    </message>
</context>
<context>
    <name>TeamLibrary</name>
    <message>
        <source>%1: not a small regular file</source>
        <translation>%1: geen klein gewoon bestand</translation>
    </message>
    <message>
        <source>%1: a line cannot be read</source>
        <translation>%1: een regel kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: it has no [Team] Name=</source>
        <translation>%1: het heeft geen [Team] Name=</translation>
    </message>
    <message>
        <source>%1: the short name &quot;%2&quot; is cut to %3 characters</source>
        <translation>%1: de korte naam ‘%2’ wordt ingekort tot %3 tekens</translation>
    </message>
    <message>
        <source>%1: another file already holds the team %2</source>
        <translation>%1: een ander bestand bevat het team %2 al</translation>
    </message>
    <message>
        <source>A team needs a name.</source>
        <translation>Een team heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The team cannot be written to %1.</source>
        <translation>Het team kan niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>The logo cannot be used: %1.</source>
        <translation>Het logo kan niet worden gebruikt: %1.</translation>
    </message>
    <message>
        <source>The logo cannot be read.</source>
        <translation>Het logo kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The logo cannot be written to %1.</source>
        <translation>Het logo kan niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>The roster %1 cannot be read.</source>
        <translation>De spelerslijst %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a player&apos;s number</source>
        <translation>Regel %1: ‘%2’ is geen rugnummer</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not a colour written #rrggbb; the team is shown without it</source>
        <translation>%1: %2 ‘%3’ is geen kleur in de vorm #rrggbb; het team wordt zonder getoond</translation>
    </message>
    <message>
        <source>%1: the logo must be a file in the teams folder, not &quot;%2&quot;</source>
        <translation>%1: het logo moet een bestand in de teammap zijn, niet ‘%2’</translation>
    </message>
    <message>
        <source>%1: the logo %2 cannot be shown: %3</source>
        <translation>%1: het logo %2 kan niet worden getoond: %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00)</source>
        <translation>%1: ‘%2’ is geen rugnummer (0 tot 99, of 00)</translation>
    </message>
    <message>
        <source>%1: names longer than %2 characters are cut</source>
        <translation>%1: namen langer dan %2 tekens worden ingekort</translation>
    </message>
    <message>
        <source>Names longer than %1 characters are cut.</source>
        <translation>Namen langer dan %1 tekens worden ingekort.</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Add player</source>
        <translation>Speler toevoegen</translation>
    </message>
    <message>
        <source>Remove player</source>
        <translation>Speler verwijderen</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importeren...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Short name:</source>
        <translation>Korte naam:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spelers:</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nieuw team</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>This logo cannot be used: %1.</source>
        <translation>Dit logo kan niet worden gebruikt: %1.</translation>
    </message>
    <message>
        <source>Rosters (*.csv *.txt)</source>
        <translation>Spelerslijsten (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Board&apos;s</source>
        <translation>Van het bord</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Geen logo</translation>
    </message>
    <message>
        <source>Every team needs a name.</source>
        <translation>Elk team heeft een naam nodig.</translation>
    </message>
    <message>
        <source>There are two teams named %1.</source>
        <translation>Er zijn twee teams met de naam %1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00).</source>
        <translation>%1: ‘%2’ is geen rugnummer (0 tot 99, of 00).</translation>
    </message>
    <message>
        <source>%1: two players have the number %2.</source>
        <translation>%1: twee spelers hebben nummer %2.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <source>Text Controls</source>
        <translation>Teksten</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Naam thuisploeg:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Naam bezoekers:</translation>
    </message>
    <message>
        <source>Section 1 Name:</source>
        <translation>Naam sectie 1:</translation>
    </message>
    <message>
        <source>Section 2 Name:</source>
        <translation>Naam sectie 2:</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Not connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Stream overlay</source>
        <translation>Stream-overlay</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Bediening</translation>
    </message>
    <message>
        <source>PIN shown on the scoreboard&apos;s computer</source>
        <translation>Pincode op de computer van het scorebord</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendelen</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Start / stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zoemer</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Pauze na periode %1</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Eindstand</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Verlenging %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Wait a while, or scan the QR code.</source>
        <translation>Te veel verkeerde pincodes. Wacht even of scan de QR-code.</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Verkeerde pincode.</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>EINDSTAND</translation>
    </message>
    <message>
        <source>OVERTIME</source>
        <translation>VERLENGING</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Klok zetten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>The clock is minutes.seconds, like 12.30.</source>
        <translation>De klok is minuten.seconden, zoals 12.30.</translation>
    </message>
    <message>
        <source>Undo again to start the clock again.</source>
        <translation>Nog eens ongedaan maken om de klok weer te starten.</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TIME-OUT</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>STRAFWORPEN</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Time-out %1</translation>
    </message>
    <message>
        <source>(%1 timeouts)</source>
        <translation>(%1 time-outs)</translation>
    </message>
    <message>
        <source>Clock, minutes.seconds</source>
        <translation>Klok, minuten.seconden</translation>
    </message>
    <message>
        <source>Corvella board</source>
        <translation>Corvella-bord</translation>
    </message>
    <message>
        <source>Corvella overlay</source>
        <translation>Corvella-overlay</translation>
    </message>
    <message>
        <source>Corvella remote</source>
        <translation>Corvella-afstandsbediening</translation>
    </message>
    <message>
        <source>Shot clock</source>
        <translation>Schotklok</translation>
    </message>
    <message>
        <source>Corvella shot clock</source>
        <translation>Corvella-schotklok</translation>
    </message>
    <message>
        <source>Shot clock reset</source>
        <translation>Schotklok terugzetten</translation>
    </message>
    <message>
        <source>Short reset</source>
        <translation>Kort terugzetten</translation>
    </message>
    <message>
        <source>Hold / Release</source>
        <translation>Vasthouden / Vrijgeven</translation>
    </message>
    <message>
        <source>Switch possession</source>
        <translation>Balbezit wisselen</translation>
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
        <translation>Punt</translation>
    </message>
    <message>
        <source>First server</source>
        <translation>Eerste opslag</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FOUTEN</translation>
    </message>
    <message>
        <source>Type the number of the player first.</source>
        <translation>Typ eerst het nummer van de speler.</translation>
    </message>
    <message>
        <source>Player number</source>
        <translation>Spelersnummer</translation>
    </message>
    <message>
        <source>Foul home</source>
        <translation>Fout thuis</translation>
    </message>
    <message>
        <source>Foul guest</source>
        <translation>Fout gasten</translation>
    </message>
    <message>
        <source>Penalty length</source>
        <translation>Strafduur</translation>
    </message>
    <message>
        <source>Penalty home</source>
        <translation>Straf thuis</translation>
    </message>
    <message>
        <source>Penalty guest</source>
        <translation>Straf gasten</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Korte zoemer</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Geluid aan/uit</translation>
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
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Straffen</translation>
    </message>
    <message>
        <source>Last steps</source>
        <translation>Laatste stappen</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>De wedstrijd tot nu toe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan: %1</translation>
    </message>
    <message>
        <source>Timeouts left: %1</source>
        <translation>Time-outs over: %1</translation>
    </message>
    <message>
        <source>Team fouls: %1</source>
        <translation>Teamfouten: %1</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Ptn</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Fouten</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Leidingswissels</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Gelijke standen</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Grootste voorsprong</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Tijd aan de leiding</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Punten per set</translation>
    </message>
    <message>
        <source>Points per period</source>
        <translation>Punten per periode</translation>
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
        <translation>&quot;%1&quot; is geen adres van deze computer</translation>
    </message>
</context>
</TS>
