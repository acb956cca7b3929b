<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AudienceDisplay</name>
    <message>
        <source>Audience display: press F2 or Esc to close it</source>
        <translation>Pantalla del público: F2 o Esc la cierra</translation>
    </message>
    <message>
        <source>Corvella - audience</source>
        <translation>Corvella - público</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>OVERTIME</source>
        <translation>PRÓRROGA</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODO</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>DESCANSO</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINAL</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TIEMPO MUERTO</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>PENALIZACIÓN</translation>
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
        <translation>%1 FALTAS</translation>
    </message>
</context>
<context>
    <name>ColorPage</name>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Visitante:</translation>
    </message>
    <message>
        <source>Section Color:</source>
        <translation>Sección:</translation>
    </message>
    <message>
        <source>LED Time Color:</source>
        <translation>LED tiempo:</translation>
    </message>
    <message>
        <source>LED Score Color:</source>
        <translation>LED tanteo:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Fondo LED:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Colores</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Corvella: an electronic scoreboard with a game clock, scores and a buzzer.
See corvella(1) for the keys.</source>
        <translation>Corvella: un marcador electrónico con reloj de juego, tanteo y bocina.
Las teclas están en corvella(1).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open the scoreboard full screen.</source>
        <translation>Abrir el marcador a pantalla completa.</translation>
    </message>
    <message>
        <source>Open the scoreboard on screen &lt;N&gt;, counted from 1 (default: where it was last time, else the primary screen).</source>
        <translation>Abrir el marcador en la pantalla &lt;N&gt;, contando desde 1 (por omisión: donde estuvo la última vez, o la pantalla principal).</translation>
    </message>
    <message>
        <source>Write the current game to &lt;FILE&gt; (.csv, .json or .pdf) and exit.</source>
        <translation>Escribir el partido actual en &lt;FILE&gt; (.csv, .json o .pdf) y salir.</translation>
    </message>
    <message>
        <source>With --export: the game log &lt;PATH&gt; instead.</source>
        <translation>Con --export: el registro de partido &lt;PATH&gt; en su lugar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>corvella: --game is only for --export.
</source>
        <translation>corvella: --game es solo para --export.
</translation>
    </message>
    <message>
        <source>corvella: --screen takes a screen number from 1 up, not &apos;%1&apos;.
</source>
        <translation>corvella: --screen espera un número de pantalla desde 1, no &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>corvella: cannot open a display (%1); start it from a desktop session.</source>
        <translation>corvella: no se puede abrir una pantalla (%1); inícielo desde una sesión de escritorio.</translation>
    </message>
    <message>
        <source>With --export to .csv: separate with semicolons and begin with a UTF-8 mark, as spreadsheets in German and other languages with a decimal comma open it.</source>
        <translation>Con --export a .csv: separar con punto y coma y empezar con una marca UTF-8, como la abren las hojas de cálculo en alemán y otros idiomas con coma decimal.</translation>
    </message>
    <message>
        <source>corvella: --csv-excel is only for --export.
</source>
        <translation>corvella: --csv-excel solo vale con --export.
</translation>
    </message>
    <message>
        <source>Keep the saved game and the game logs in &lt;DIR&gt; (default: $XDG_STATE_HOME/Corvella); a second board on one computer needs a folder of its own.</source>
        <translation>Guarda la partida y sus registros en &lt;DIR&gt; (por omisión: $XDG_STATE_HOME/Corvella); un segundo marcador en el mismo ordenador necesita su propia carpeta.</translation>
    </message>
    <message>
        <source>corvella: --state-dir needs a folder.
</source>
        <translation>corvella: --state-dir necesita una carpeta.
</translation>
    </message>
    <message>
        <source>With --hall: serve on port &lt;N&gt; instead of the web server&apos;s.</source>
        <translation>Con --hall: servir en el puerto &lt;N&gt; en lugar del del servidor web.</translation>
    </message>
    <message>
        <source>corvella: --hall and --export go separately.
</source>
        <translation>corvella: --hall y --export van por separado.
</translation>
    </message>
    <message>
        <source>corvella: --port takes a port from 1 to 65535, with --hall.
</source>
        <translation>corvella: --port acepta un puerto de 1 a 65535, con --hall.
</translation>
    </message>
    <message>
        <source>With --hall: the day&apos;s games from &lt;FILE.csv&gt;; each court&apos;s next game goes to it when its game reaches the final.</source>
        <translation>Con --hall: los partidos del día de &lt;FILE.csv&gt;; el siguiente partido de cada pista se le envía cuando su partido llega al final.</translation>
    </message>
    <message>
        <source>corvella: --schedule is only for --hall.
</source>
        <translation>corvella: --schedule solo es para --hall.
</translation>
    </message>
    <message>
        <source>With --hall, followed by GAME: count the result of court &lt;COURT&gt;&apos;s game GAME, which two of its lines disputed, once a person has checked it; a running hall counts it too.</source>
        <translation>Con --hall, seguido de GAME: contar el resultado del partido GAME de la pista &lt;COURT&gt;, que dos de sus líneas pusieron en duda, cuando una persona lo haya comprobado; un pabellón en marcha también lo cuenta.</translation>
    </message>
    <message>
        <source>corvella: --accept COURT GAME goes with --hall.
</source>
        <translation>corvella: --accept COURT GAME va con --hall.
</translation>
    </message>
    <message>
        <source>Run the hall: every court from the hall&apos;s broker on the web pages /hall, /hall/results and /hall.json, in the hall&apos;s window (no board).</source>
        <translation>Ejecutar el pabellón: cada pista del bróker del pabellón en las páginas web /hall, /hall/results y /hall.json, en la ventana del pabellón (sin marcador).</translation>
    </message>
    <message>
        <source>With --hall: no window, as a service (also without a display).</source>
        <translation>Con --hall: sin ventana, como servicio (también sin pantalla).</translation>
    </message>
    <message>
        <source>With --hall: print court &lt;COURT&gt;&apos;s join code for the hall&apos;s own broker, and exit.</source>
        <translation>Con --hall: imprime el código de unión de la pista &lt;COURT&gt; para el bróker propio del pabellón y termina.</translation>
    </message>
    <message>
        <source>corvella: --headless and --print-join-code are only for --hall.
</source>
        <translation>corvella: --headless y --print-join-code son solo para --hall.
</translation>
    </message>
    <message>
        <source>corvella: --print-join-code needs a court.
</source>
        <translation>corvella: --print-join-code necesita una pista.
</translation>
    </message>
    <message>
        <source>Print each change the hall&apos;s console sends, and each frame skipped with why, until Ctrl+C; no window.</source>
        <translation>Mostrar cada cambio que envía la consola del pabellón, y cada trama omitida con el motivo, hasta Ctrl+C; sin ventana.</translation>
    </message>
</context>
<context>
    <name>ConsoleLink</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>%1 was lost: %2</source>
        <translation>%1 se perdió: %2</translation>
    </message>
    <message>
        <source>Port %1 cannot be listened on: %2</source>
        <translation>No se puede escuchar en el puerto %1: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleMirror</name>
    <message>
        <source>New game on the console</source>
        <translation>Nuevo partido en la consola</translation>
    </message>
    <message>
        <source>Period %1 on the console</source>
        <translation>Periodo %1 en la consola</translation>
    </message>
    <message>
        <source>Home %1 on the console</source>
        <translation>Local %1 en la consola</translation>
    </message>
    <message>
        <source>Guest %1 on the console</source>
        <translation>Visitante %1 en la consola</translation>
    </message>
    <message>
        <source>Home team fouls %1 on the console</source>
        <translation>Faltas de equipo local %1 en la consola</translation>
    </message>
    <message>
        <source>Guest team fouls %1 on the console</source>
        <translation>Faltas de equipo visitante %1 en la consola</translation>
    </message>
    <message>
        <source>Home timeouts %1 on the console</source>
        <translation>Tiempos muertos local %1 en la consola</translation>
    </message>
    <message>
        <source>Guest timeouts %1 on the console</source>
        <translation>Tiempos muertos visitante %1 en la consola</translation>
    </message>
    <message>
        <source>Set %1 on the console</source>
        <translation>Set %1 en la consola</translation>
    </message>
    <message>
        <source>Possession on the console</source>
        <translation>Posesión en la consola</translation>
    </message>
    <message>
        <source>Shot clock %1 on the console</source>
        <translation>Reloj de posesión %1 en la consola</translation>
    </message>
    <message>
        <source>Shot clock started on the console</source>
        <translation>Reloj de posesión iniciado en la consola</translation>
    </message>
    <message>
        <source>Shot clock stopped on the console</source>
        <translation>Reloj de posesión detenido en la consola</translation>
    </message>
    <message>
        <source>Shot clock dark on the console</source>
        <translation>Reloj de posesión apagado en la consola</translation>
    </message>
    <message>
        <source>Clock started on the console at %1</source>
        <translation>Reloj iniciado en la consola en %1</translation>
    </message>
    <message>
        <source>Clock stopped on the console at %1</source>
        <translation>Reloj detenido en la consola en %1</translation>
    </message>
    <message>
        <source>Clock set on the console to %1</source>
        <translation>Reloj puesto en la consola a %1</translation>
    </message>
    <message>
        <source>Home penalty %1 on the console</source>
        <translation>Exclusión local %1 en la consola</translation>
    </message>
    <message>
        <source>Guest penalty %1 on the console</source>
        <translation>Exclusión visitante %1 en la consola</translation>
    </message>
    <message>
        <source>Home penalty over on the console</source>
        <translation>Exclusión local terminada en la consola</translation>
    </message>
    <message>
        <source>Guest penalty over on the console</source>
        <translation>Exclusión visitante terminada en la consola</translation>
    </message>
</context>
<context>
    <name>ConsoleMonitor</name>
    <message>
        <source>console heard</source>
        <translation>consola recibida</translation>
    </message>
    <message>
        <source>console silent</source>
        <translation>consola en silencio</translation>
    </message>
    <message>
        <source>skipped: %1 (garbage: swap A and B)</source>
        <translation>omitido: %1 (basura: intercambie A y B)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>omitido: %1</translation>
    </message>
    <message>
        <source>corvella: no console is set (Settings, page Console).</source>
        <translation>corvella: no hay consola configurada (Ajustes, página Consola).</translation>
    </message>
    <message>
        <source>Reading the %1 console; Ctrl+C ends.</source>
        <translation>Leyendo la consola %1; Ctrl+C termina.</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>None: the operator keeps the game</source>
        <translation>Ninguna: el operador lleva el partido</translation>
    </message>
    <message>
        <source>Bodet Scorepad (network)</source>
        <translation>Bodet Scorepad (red)</translation>
    </message>
    <message>
        <source>Stramatel (RS-485)</source>
        <translation>Stramatel (RS-485)</translation>
    </message>
    <message>
        <source>Daktronics All Sport 5000 (serial)</source>
        <translation>Daktronics All Sport 5000 (serie)</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Baloncesto</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Balonmano</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Hockey sobre hielo</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Voleibol</translation>
    </message>
    <message>
        <source>Console:</source>
        <translation>Consola:</translation>
    </message>
    <message>
        <source>Sport:</source>
        <translation>Deporte:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Puerto serie:</translation>
    </message>
    <message>
        <source>Speed (8N1):</source>
        <translation>Velocidad (8N1):</translation>
    </message>
    <message>
        <source>Listen on port:</source>
        <translation>Escuchar en el puerto:</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Consola</translation>
    </message>
    <message>
        <source>While a console is the source, its feed keeps the clock, the scores, the period, fouls, timeouts, the shot clock and penalties. Choosing it, or another sport, brings that sport&apos;s preset. Teams, captions and the final stay yours.</source>
        <translation>Mientras una consola sea la fuente, su señal lleva el reloj, los marcadores, el periodo, las faltas, los tiempos muertos, el reloj de posesión y las exclusiones. Al elegirla, o elegir otro deporte, se aplica el preajuste de ese deporte. Los equipos, los rótulos y el final siguen siendo suyos.</translation>
    </message>
</context>
<context>
    <name>ConsoleSource</name>
    <message>
        <source>console silent</source>
        <translation>consola en silencio</translation>
    </message>
    <message>
        <source>console silent: %1</source>
        <translation>consola en silencio: %1</translation>
    </message>
</context>
<context>
    <name>ControllerBindings</name>
    <message>
        <source>this is not a profile of controller bindings</source>
        <translation>esto no es un perfil de asignaciones de mandos</translation>
    </message>
    <message>
        <source>the profile is of version %1; this program reads version %2</source>
        <translation>el perfil es de la versión %1; este programa lee la versión %2</translation>
    </message>
    <message>
        <source>the bindings of device %1 are damaged</source>
        <translation>las asignaciones del dispositivo %1 están dañadas</translation>
    </message>
    <message>
        <source>the file is too large for a profile</source>
        <translation>el archivo es demasiado grande para un perfil</translation>
    </message>
</context>
<context>
    <name>ControllersPage</name>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
    <message>
        <source>Hat %1 %2</source>
        <translation>Cruceta %1 %2</translation>
    </message>
    <message>
        <source>Axis %1 %2</source>
        <translation>Eje %1 %2</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Exportar perfil…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importar perfil…</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <source>Choose a command and its parameters, press Learn, then the button, hat or stick on the controller that is to do it.</source>
        <translation>Elija una orden y sus parámetros, pulse Aprender y luego el botón, la cruceta o la palanca del mando que la hará.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Mandos</translation>
    </message>
    <message>
        <source>The controllers&apos; bindings could not be saved.</source>
        <translation>No se pudieron guardar las asignaciones de los mandos.</translation>
    </message>
    <message>
        <source>Unnamed controller</source>
        <translation>Mando sin nombre</translation>
    </message>
    <message>
        <source>%1 – not connected</source>
        <translation>%1 – no conectado</translation>
    </message>
    <message>
        <source>Game controllers are not read in this window.</source>
        <translation>En esta ventana no se leen los mandos.</translation>
    </message>
    <message>
        <source>Game controllers cannot be read: %1</source>
        <translation>No se pueden leer los mandos: %1</translation>
    </message>
    <message>
        <source>No game controller is connected.</source>
        <translation>No hay ningún mando conectado.</translation>
    </message>
    <message numerus="yes">
        <source>%n controller(s) connected.</source>
        <translation>
            <numerusform>%n mando conectado.</numerusform>
            <numerusform>%n mandos conectados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press the button, push the hat or the stick on the controller that is to run %1.</source>
        <translation>Pulse el botón, la cruceta o la palanca del mando que ha de hacer %1.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 hace ahora %2.</translation>
    </message>
    <message>
        <source>Controller profiles (*.json)</source>
        <translation>Perfiles de mandos (*.json)</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exportar perfil</translation>
    </message>
    <message>
        <source>The profile could not be written: %1</source>
        <translation>No se pudo escribir el perfil: %1</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importar perfil</translation>
    </message>
    <message>
        <source>The profile could not be read: %1</source>
        <translation>No se pudo leer el perfil: %1</translation>
    </message>
</context>
<context>
    <name>CorvellaApp</name>
    <message>
        <source>, Final</source>
        <translation>, Final</translation>
    </message>
    <message>
        <source>, Break after period %1</source>
        <translation>, Descanso tras el periodo %1</translation>
    </message>
    <message>
        <source>, Overtime %1</source>
        <translation>, Prórroga %1</translation>
    </message>
    <message>
        <source>, Period %1</source>
        <translation>, Periodo %1</translation>
    </message>
    <message>
        <source>the game is not being saved (%1)</source>
        <translation>el partido no se está guardando (%1)</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aún no se ha registrado ningún partido.</translation>
    </message>
    <message>
        <source>Printable result (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)</source>
        <translation>Resultado imprimible (*.pdf);;Hoja de cálculo (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The game was not exported: %1</source>
        <translation>El partido no se exportó: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>, timeouts taken %1 : %2</source>
        <translation>, tiempos muertos pedidos %1 : %2</translation>
    </message>
    <message>
        <source>The new token could not be stored; the old one stays.</source>
        <translation>No se pudo guardar el token nuevo; se mantiene el anterior.</translation>
    </message>
    <message>
        <source>the game is not being saved: another Corvella keeps its game in %1 (start this one with --state-dir)</source>
        <translation>la partida no se guarda: otro Corvella guarda la suya en %1 (inicie este con --state-dir)</translation>
    </message>
    <message>
        <source>the game is not being recorded (%1)</source>
        <translation>la partida no se está registrando (%1)</translation>
    </message>
    <message>
        <source>Not loaded: the preset %1 is gone</source>
        <translation>No cargado: el preajuste %1 ya no existe</translation>
    </message>
    <message>
        <source>The game is loaded, but its settings could not be stored</source>
        <translation>El partido está cargado, pero sus ajustes no se pudieron guardar</translation>
    </message>
    <message>
        <source>Resume the game in progress? Clock %1%2, %3</source>
        <translation>¿Reanudar el partido en curso? Reloj %1%2, %3</translation>
    </message>
    <message>
        <source>The console&apos;s sport is in force, but its settings could not be stored</source>
        <translation>El deporte de la consola está en vigor, pero sus ajustes no se pudieron guardar</translation>
    </message>
</context>
<context>
    <name>CourtLink</name>
    <message>
        <source>no answer from %1</source>
        <translation>sin respuesta de %1</translation>
    </message>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>se perdió la conexión con %1</translation>
    </message>
    <message>
        <source>the hall link is down: %1</source>
        <translation>el enlace con el pabellón está caído: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Conectando a %1</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>No conectado: %1</translation>
    </message>
    <message>
        <source>ignored a next game from the hall that is not {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} with a known preset: %1</source>
        <translation>se ignoró un próximo partido del pabellón que no es {&quot;time&quot;, &quot;home&quot;, &quot;guest&quot;, &quot;preset&quot;} con un preajuste conocido: %1</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Sección 2</translation>
    </message>
    <message>
        <source>Score changes</source>
        <translation>Cambios de tanteo</translation>
    </message>
    <message>
        <source>Damaged lines of the log left out: %1</source>
        <translation>Líneas dañadas del registro omitidas: %1</translation>
    </message>
    <message>
        <source>cannot tell the format of %1: name it .csv, .json or .pdf</source>
        <translation>no se sabe el formato de %1: llámelo .csv, .json o .pdf</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>corvella: no game has been recorded in %1 yet</source>
        <translation>corvella: aún no se ha registrado ningún partido en %1</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Tiempos muertos</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>Pr%1</translation>
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
        <translation>Resultado final</translation>
    </message>
    <message>
        <source>Score in period %1 at %2</source>
        <translation>Tanteo en el periodo %1 a %2</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Team fouls</source>
        <translation>Faltas de equipo</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primera parte</translation>
    </message>
    <message>
        <source>Second half and overtime</source>
        <translation>Segunda parte y prórroga</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partido</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Referees</source>
        <translation>Árbitros</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Anotador</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Firma del anotador</translation>
    </message>
    <message>
        <source>(%1 earlier changes not shown)</source>
        <translation>(%1 cambios anteriores no mostrados)</translation>
    </message>
    <message>
        <source>Sets won</source>
        <translation>Sets ganados</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Puntos por set</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Faltas</translation>
    </message>
    <message>
        <source>Pen.</source>
        <translation>Sanc.</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Evolución del marcador</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; no es un campo de esta llamada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a whole number</source>
        <translation>«%1» es un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a text</source>
        <translation>«%1» es un texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is true or false</source>
        <translation>«%1» es true o false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is minutes.seconds, from &quot;0&quot; to &quot;99.59&quot;</source>
        <translation>«%1» es minutos.segundos, de «0» a «99.59»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number of one or two digits</source>
        <translation>«%1» es un número de una o dos cifras</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2</source>
        <translation>«%1» es %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>the break runs by itself</source>
        <translation>el descanso corre solo</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>el partido ha terminado</translation>
    </message>
    <message>
        <source>a timeout is running</source>
        <translation>hay un tiempo muerto en curso</translation>
    </message>
    <message>
        <source>the clock is at zero; reset or set it</source>
        <translation>el reloj está a cero; póngalo a cero o ajústelo</translation>
    </message>
    <message>
        <source>the game has no timeouts</source>
        <translation>el partido no tiene tiempos muertos</translation>
    </message>
    <message>
        <source>no timeout in a break or after the game</source>
        <translation>no hay tiempo muerto en un descanso ni tras el partido</translation>
    </message>
    <message>
        <source>the other team&apos;s timeout is running</source>
        <translation>está en curso el tiempo muerto del otro equipo</translation>
    </message>
    <message>
        <source>%1 has no timeouts left</source>
        <translation>a %1 no le quedan tiempos muertos</translation>
    </message>
    <message>
        <source>the shot clock is off</source>
        <translation>el reloj de posesión está apagado</translation>
    </message>
    <message>
        <source>the game is not played in sets</source>
        <translation>el partido no se juega por sets</translation>
    </message>
    <message>
        <source>a match in sets has no players&apos; fouls or penalties</source>
        <translation>un partido por sets no tiene faltas personales ni exclusiones</translation>
    </message>
    <message>
        <source>the players are off</source>
        <translation>los jugadores están desactivados</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>el partido ha terminado</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punto %1</translation>
    </message>
    <message>
        <source>the set has begun</source>
        <translation>el set ha empezado</translation>
    </message>
    <message>
        <source>Switch the first server</source>
        <translation>Cambiar el primer saque</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partido nuevo</translation>
    </message>
    <message>
        <source>Set score</source>
        <translation>Tanteo fijado</translation>
    </message>
    <message>
        <source>Change score</source>
        <translation>Tanteo cambiado</translation>
    </message>
    <message>
        <source>Start the clock</source>
        <translation>Poner en marcha el reloj</translation>
    </message>
    <message>
        <source>Stop the clock</source>
        <translation>Parar el reloj</translation>
    </message>
    <message>
        <source>Start or stop the clock</source>
        <translation>Iniciar o parar el reloj</translation>
    </message>
    <message>
        <source>Reset the clock</source>
        <translation>Poner el reloj a cero</translation>
    </message>
    <message>
        <source>give either &quot;value&quot; (minutes.seconds) or &quot;ms&quot;</source>
        <translation>indique &quot;value&quot; (minutos.segundos) o &quot;ms&quot;</translation>
    </message>
    <message>
        <source>&quot;ms&quot; is a whole number from 0 to %1</source>
        <translation>&quot;ms&quot; es un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Reloj ajustado</translation>
    </message>
    <message>
        <source>Clear all LEDs</source>
        <translation>LED borrados</translation>
    </message>
    <message>
        <source>the game has no periods</source>
        <translation>el partido no tiene periodos</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Periodo siguiente</translation>
    </message>
    <message>
        <source>this is the first period</source>
        <translation>este es el primer periodo</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Periodo anterior</translation>
    </message>
    <message>
        <source>there is no break to skip</source>
        <translation>no hay descanso que saltar</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Saltar descanso</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Tiempo muerto %1</translation>
    </message>
    <message>
        <source>no timeout of %1 is running</source>
        <translation>no corre ningún tiempo muerto de %1</translation>
    </message>
    <message>
        <source>End the timeout of %1</source>
        <translation>Fin del tiempo muerto de %1</translation>
    </message>
    <message>
        <source>the shot clock has no short length</source>
        <translation>el reloj de posesión no tiene duración corta</translation>
    </message>
    <message>
        <source>Short shot clock</source>
        <translation>Reloj de posesión corto</translation>
    </message>
    <message>
        <source>Reset the shot clock</source>
        <translation>Reiniciar el reloj de posesión</translation>
    </message>
    <message>
        <source>Hold the shot clock</source>
        <translation>Detener el reloj de posesión</translation>
    </message>
    <message>
        <source>Release the shot clock</source>
        <translation>Liberar el reloj de posesión</translation>
    </message>
    <message>
        <source>Start the shot clock</source>
        <translation>Poner en marcha el reloj de posesión</translation>
    </message>
    <message>
        <source>Stop the shot clock</source>
        <translation>Parar el reloj de posesión</translation>
    </message>
    <message>
        <source>Hold or release the shot clock</source>
        <translation>Retener o soltar el reloj de posesión</translation>
    </message>
    <message>
        <source>Shot clock dark</source>
        <translation>Reloj de posesión apagado</translation>
    </message>
    <message>
        <source>Possession arrow to %1</source>
        <translation>Flecha de posesión hacia %1</translation>
    </message>
    <message>
        <source>Switch the possession arrow</source>
        <translation>Cambiar la flecha de posesión</translation>
    </message>
    <message>
        <source>Foul %1</source>
        <translation>Falta %1</translation>
    </message>
    <message>
        <source>&quot;seconds&quot; is a whole number from 1 to %1</source>
        <translation>&quot;seconds&quot; es un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>Penalty %1</source>
        <translation>Sanción %1</translation>
    </message>
    <message>
        <source>nothing to undo</source>
        <translation>nada que deshacer</translation>
    </message>
    <message>
        <source>nothing to redo</source>
        <translation>nada que rehacer</translation>
    </message>
    <message>
        <source>the console keeps the score</source>
        <translation>la consola lleva el marcador</translation>
    </message>
    <message>
        <source>the console keeps it</source>
        <translation>la consola lo mantiene</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a game log</source>
        <translation>%1 es demasiado grande para un registro de partido</translation>
    </message>
    <message>
        <source>%1 is not a Corvella game log</source>
        <translation>%1 no es un registro de partido de Corvella</translation>
    </message>
    <message>
        <source>%1 was written by a newer Corvella (log version %2; this one reads up to %3)</source>
        <translation>%1 lo escribió un Corvella más reciente (versión de registro %2; este lee hasta la %3)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>Period ended</source>
        <translation>Periodo terminado</translation>
    </message>
    <message>
        <source>Break ended</source>
        <translation>Descanso terminado</translation>
    </message>
    <message>
        <source>Timeout ended</source>
        <translation>Tiempo muerto terminado</translation>
    </message>
    <message>
        <source>Clock ran out</source>
        <translation>Reloj a cero</translation>
    </message>
    <message>
        <source>Clock stopped at its limit</source>
        <translation>Reloj detenido en su límite</translation>
    </message>
    <message>
        <source>the game log could not be opened</source>
        <translation>no se pudo abrir el registro de la partida</translation>
    </message>
    <message>
        <source>Shot clock ran out</source>
        <translation>Se agotó el reloj de posesión</translation>
    </message>
    <message>
        <source>Set %1 ended %2:%3</source>
        <translation>Set %1 terminado %2:%3</translation>
    </message>
</context>
<context>
    <name>GameModel</name>
    <message>
        <source>%1 is over %2</source>
        <translation>%1 pasa de %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 es menor que %2</translation>
    </message>
    <message>
        <source>%1 + %2 is over %3</source>
        <translation>%1 + %2 pasa de %3</translation>
    </message>
    <message>
        <source>%1 - %2 is below %3</source>
        <translation>%1 - %2 es menor que %3</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Game Clock:</source>
        <translation>Reloj de juego:</translation>
    </message>
    <message>
        <source>Count down from</source>
        <translation>Atrás desde</translation>
    </message>
    <message>
        <source>minutes.seconds</source>
        <translation>min.seg</translation>
    </message>
    <message>
        <source>Unticked, the clock counts up to 99:59.9. Counting down, it stops at 0:00.0 and sounds the buzzer.</source>
        <translation>Sin marcar, el reloj sube hasta 99:59.9. Hacia atrás, se para en 0:00.0 y suena la bocina.</translation>
    </message>
    <message>
        <source>Audience Display (F2):</source>
        <translation>Pantalla del público (F2):</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>on screen </source>
        <translation>en pantalla </translation>
    </message>
    <message>
        <source>Periods:</source>
        <translation>Periodos:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>no periods</source>
        <translation>sin periodos</translation>
    </message>
    <message>
        <source> periods</source>
        <translation> periodos</translation>
    </message>
    <message>
        <source>Breaks after them:</source>
        <translation>Descansos tras ellos:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Overtime when level:</source>
        <translation>Prórroga si empate:</translation>
    </message>
    <message>
        <source>Timeouts and Fouls:</source>
        <translation>Tiempos y faltas:</translation>
    </message>
    <message>
        <source>Per game:</source>
        <translation>Por partido:</translation>
    </message>
    <message>
        <source>2, 3</source>
        <translation>2, 3</translation>
    </message>
    <message>
        <source>Per half instead: the first half&apos;s, then the second&apos;s</source>
        <translation>Por tiempo en su lugar: primero los del primero, luego los del segundo</translation>
    </message>
    <message>
        <source>Per half:</source>
        <translation>Por tiempo:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>tantos</translation>
    </message>
    <message>
        <source>fouls</source>
        <translation>faltas</translation>
    </message>
    <message>
        <source>Section 2:</source>
        <translation>Fila 2:</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periodo</translation>
    </message>
    <message>
        <source>half</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Fouls reset:</source>
        <translation>Faltas a 0:</translation>
    </message>
    <message>
        <source>Bonus at:</source>
        <translation>Bonus desde:</translation>
    </message>
    <message>
        <source>Score digits:</source>
        <translation>Dígitos:</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>The period length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>La duración del periodo debe ser un tiempo de 0.01 a 99.59 (minutos.segundos).</translation>
    </message>
    <message>
        <source>Each break must be a time up to 99.59 (minutes.seconds), the breaks separated by commas.</source>
        <translation>Cada descanso debe ser un tiempo de hasta 99.59 (minutos.segundos), los descansos separados por comas.</translation>
    </message>
    <message>
        <source>The overtime must be a time up to 99.59 (minutes.seconds), or empty for none.</source>
        <translation>La prórroga debe ser un tiempo de hasta 99.59 (minutos.segundos), o vacía si no hay.</translation>
    </message>
    <message>
        <source>Timeouts per half must be counts from 0 to %1, the first half&apos;s and the second&apos;s separated by a comma.</source>
        <translation>Los tiempos muertos por tiempo deben ser números de 0 a %1, los del primer tiempo y los del segundo separados por una coma.</translation>
    </message>
    <message>
        <source>The timeout length must be a time from 0.01 to 99.59 (minutes.seconds).</source>
        <translation>La duración del tiempo muerto debe ser un tiempo de 0.01 a 99.59 (minutos.segundos).</translation>
    </message>
    <message>
        <source>Fouls reset at each period or each half.</source>
        <translation>Las faltas se reinician en cada periodo o en cada tiempo.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s length must be from 1 to %1 seconds.</source>
        <translation>La duración del reloj de posesión debe ser de 1 a %1 segundos.</translation>
    </message>
    <message>
        <source>The shot clock&apos;s short length must be from 0 (none) to %1 seconds.</source>
        <translation>La duración corta del reloj de posesión debe ser de 0 (ninguna) a %1 segundos.</translation>
    </message>
    <message>
        <source>The sets to win must be from 1 to %1.</source>
        <translation>Los sets para ganar deben ser de 1 a %1.</translation>
    </message>
    <message>
        <source>The points of a set must be from 1 to %1.</source>
        <translation>Los puntos de un set deben ser de 1 a %1.</translation>
    </message>
    <message>
        <source>A set is won by a lead of 1 to %1 points.</source>
        <translation>Un set se gana con una ventaja de 1 a %1 puntos.</translation>
    </message>
    <message>
        <source>The points that end a set must be from 0 (none) to %1.</source>
        <translation>Los puntos que terminan un set deben ser de 0 (ninguno) a %1.</translation>
    </message>
    <message>
        <source>The serve changes every 0 (the rally&apos;s winner serves) to %1 points.</source>
        <translation>El saque cambia cada 0 (saca quien gana el punto) a %1 puntos.</translation>
    </message>
    <message>
        <source>Timeouts per set must be from 0 to %1.</source>
        <translation>Los tiempos muertos por set deben ser de 0 a %1.</translation>
    </message>
    <message>
        <source>A hint must come at 0 (none) to %1 points.</source>
        <translation>Un aviso debe llegar a los 0 (ninguno) a %1 puntos.</translation>
    </message>
    <message>
        <source>The penalties&apos; lengths must be one to three times from 0.01 to 99.59 (minutes.seconds), separated by commas.</source>
        <translation>Las duraciones de las sanciones deben ser de uno a tres tiempos de 0.01 a 99.59 (minutos.segundos), separados por comas.</translation>
    </message>
    <message>
        <source>Section 2 counts scores or fouls, or is not shown.</source>
        <translation>La fila 2 cuenta tantos o faltas, o no se muestra.</translation>
    </message>
    <message>
        <source>The points that end a set must be 0 (none) or at least the points of a set (%1) and of the deciding set (%2).</source>
        <translation>Los puntos que terminan un set deben ser 0 (ninguno) o al menos los puntos de un set (%1) y del set decisivo (%2).</translation>
    </message>
</context>
<context>
    <name>GameStateFile</name>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Board Credit:</source>
        <translation>Crédito:</translation>
    </message>
    <message>
        <source>none on the board</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Takes effect when Corvella is next started.</source>
        <translation>Se aplica al volver a iniciar Corvella.</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <translation>La del escritorio</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Sonido de la bocina</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Este archivo no se puede reproducir: </translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>connected to the broker %1</source>
        <translation>conectado al bróker %1</translation>
    </message>
    <message>
        <source>not connected to the broker: %1</source>
        <translation>sin conexión con el bróker: %1</translation>
    </message>
    <message>
        <source>cannot serve the hall&apos;s pages on port %1: %2</source>
        <translation>no se pueden servir las páginas del pabellón en el puerto %1: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s pages are on port %1: /hall, /hall/results, /hall/schedule, /hall.json</source>
        <translation>las páginas del pabellón están en el puerto %1: /hall, /hall/results, /hall/schedule, /hall.json</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot run openssl (%1): the hall&apos;s broker needs the package openssl</source>
        <translation>no se puede ejecutar openssl (%1): el bróker del pabellón necesita el paquete openssl</translation>
    </message>
    <message>
        <source>openssl could not make the hall&apos;s certificates: %1</source>
        <translation>openssl no pudo crear los certificados del pabellón: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 does not read; move it away to make new passwords</source>
        <translation>%1 no se puede leer; muévalo para crear contraseñas nuevas</translation>
    </message>
    <message>
        <source>%1 is locked by another process</source>
        <translation>%1 está bloqueado por otro proceso</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker listens on port %1</source>
        <translation>el bróker propio del pabellón escucha en el puerto %1</translation>
    </message>
    <message>
        <source>HallServiceSettings/Broker is not host:port: %1</source>
        <translation>HallServiceSettings/Broker no es host:puerto: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own, port %1</source>
        <translation>el propio del pabellón, puerto %1</translation>
    </message>
    <message>
        <source>the hall&apos;s own broker is not running</source>
        <translation>el bróker propio del pabellón no está en marcha</translation>
    </message>
    <message>
        <source>the hall uses the broker %1, whose users it does not keep</source>
        <translation>el pabellón usa el bróker %1, cuyos usuarios no gestiona</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court: letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot; and spaces only</source>
        <translation>«%1» no puede nombrar una pista: solo letras, cifras, «_», «-», «.» y espacios</translation>
    </message>
    <message>
        <source>join codes are for the hall&apos;s own broker, and HallServiceSettings/Broker names another one (%1)</source>
        <translation>los códigos de unión son para el bróker propio del pabellón, y HallServiceSettings/Broker indica otro (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a court</source>
        <translation>«%1» no puede nombrar una pista</translation>
    </message>
    <message>
        <source>A join code begins with &quot;corvella-hall://&quot;; copy it whole from the hall&apos;s window.</source>
        <translation>Un código de unión empieza por «corvella-hall://»; cópielo entero de la ventana del pabellón.</translation>
    </message>
    <message>
        <source>The join code names no court or no password.</source>
        <translation>El código de unión no indica pista o contraseña.</translation>
    </message>
    <message>
        <source>The join code names no broker (host and port).</source>
        <translation>El código de unión no indica bróker (host y puerto).</translation>
    </message>
    <message>
        <source>The join code names no venue.</source>
        <translation>El código de unión no indica recinto.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;ca&quot; is not a SHA-256 fingerprint.</source>
        <translation>El «ca» del código de unión no es una huella SHA-256.</translation>
    </message>
    <message>
        <source>The join code&apos;s &quot;web&quot; is not a port.</source>
        <translation>El «web» del código de unión no es un puerto.</translation>
    </message>
    <message>
        <source>port %1 is taken (%2): set HallServiceSettings/OwnBrokerPort to another one</source>
        <translation>el puerto %1 está ocupado (%2): ponga otro en HallServiceSettings/OwnBrokerPort</translation>
    </message>
    <message>
        <source>Mosquitto did not start within %1 s</source>
        <translation>Mosquitto no arrancó en %1 s</translation>
    </message>
    <message>
        <source>cannot run mosquitto (%1): the hall&apos;s own broker needs the package mosquitto</source>
        <translation>no se puede ejecutar mosquitto (%1): el bróker propio del pabellón necesita el paquete mosquitto</translation>
    </message>
    <message>
        <source>cannot write the broker&apos;s users into %1</source>
        <translation>no se pueden escribir los usuarios del bróker en %1</translation>
    </message>
    <message>
        <source>mosquitto_passwd could not write the broker&apos;s users: %1</source>
        <translation>mosquitto_passwd no pudo escribir los usuarios del bróker: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker: %1</source>
        <translation>el bróker del pabellón: %1</translation>
    </message>
    <message>
        <source>no word from it</source>
        <translation>sin ningún mensaje</translation>
    </message>
    <message>
        <source>Mosquitto would not start: %1</source>
        <translation>Mosquitto no quiso arrancar: %1</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended %1 times within a minute (%2); it is not started again</source>
        <translation>el bróker del pabellón terminó %1 veces en un minuto (%2); no se vuelve a arrancar</translation>
    </message>
    <message>
        <source>the hall&apos;s broker ended (%1); starting it again (%2 of %3 this minute)</source>
        <translation>el bróker del pabellón terminó (%1); se vuelve a arrancar (%2 de %3 este minuto)</translation>
    </message>
</context>
<context>
    <name>HallDay</name>
    <message>
        <source>Results of the day</source>
        <translation>Resultados del día</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets y periodos</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Todavía no ha terminado ningún partido.</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugados</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganados</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empatados</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Puntos de set</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>HallJoin</name>
    <message>
        <source>The hall at %1 cannot be reached: %2</source>
        <translation>No se puede llegar al pabellón en %1: %2</translation>
    </message>
    <message>
        <source>The hall at %1 sent no certificate.</source>
        <translation>El pabellón en %1 no envió ningún certificado.</translation>
    </message>
    <message>
        <source>The hall&apos;s certificate does not match the join code: this may not be the hall that gave it. Ask the hall for its code again.</source>
        <translation>El certificado del pabellón no coincide con el código de unión: puede que no sea el pabellón que lo dio. Pida el código al pabellón de nuevo.</translation>
    </message>
    <message>
        <source>Cannot keep the hall&apos;s certificate in %1: %2</source>
        <translation>No se puede guardar el certificado del pabellón en %1: %2</translation>
    </message>
</context>
<context>
    <name>HallLink</name>
    <message>
        <source>the connection to %1 was lost</source>
        <translation>se perdió la conexión con %1</translation>
    </message>
</context>
<context>
    <name>HallPage</name>
    <message>
        <source>host:port, empty for no link</source>
        <translation>host:puerto, vacío para ningún enlace</translation>
    </message>
    <message>
        <source>the court</source>
        <translation>la pista</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Pabellón:</translation>
    </message>
    <message>
        <source>Court:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>CA certificate:</source>
        <translation>Certificado de la CA:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>The board publishes its game to the hall&apos;s MQTT broker. With a CA certificate the link uses TLS.</source>
        <translation>El marcador publica su partido en el broker MQTT del pabellón. Con un certificado de la CA el enlace usa TLS.</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>Pabellón</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:1883&quot;).</source>
        <translation>El broker no es un nombre de host y un puerto (&quot;hall.local:1883&quot;).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>El pabellón debe ser un nombre sin &quot;/&quot;, &quot;+&quot; ni &quot;#&quot;.</translation>
    </message>
    <message>
        <source>The court must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>La pista debe ser un nombre sin &quot;/&quot;, &quot;+&quot; ni &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Without a CA certificate the password would cross the network unencrypted. Give the broker&apos;s CA certificate, or use a broker on this computer.</source>
        <translation>Sin un certificado de la CA la contraseña cruzaría la red sin cifrar. Indique el certificado de la CA del broker o use un broker en este ordenador.</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>corvella-hall://... from the hall&apos;s window</source>
        <translation>corvella-hall://... de la ventana del pabellón</translation>
    </message>
    <message>
        <source>Press Join to use the join code, or clear it.</source>
        <translation>Pulse Unirse para usar el código, o bórrelo.</translation>
    </message>
    <message>
        <source>Joined: court %1 of %2 at %3. Ok keeps it.</source>
        <translation>Unido: pista %1 de %2 en %3. Aceptar lo guarda.</translation>
    </message>
    <message>
        <source>Join code:</source>
        <translation>Código de unión:</translation>
    </message>
    <message>
        <source>The board is still joining the hall; wait a moment.</source>
        <translation>El marcador aún se está uniendo al pabellón; espere un momento.</translation>
    </message>
    <message>
        <source>Asking the hall at %1…</source>
        <translation>Preguntando al pabellón en %1…</translation>
    </message>
</context>
<context>
    <name>HallPages</name>
    <message>
        <source>Corvella hall</source>
        <translation>Pabellón Corvella</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Court %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Desconectada</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Descanso tras el periodo %1</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Prórroga %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo muerto</translation>
    </message>
    <message>
        <source>Timeouts left: %1 - %2</source>
        <translation>Tiempos muertos restantes: %1 - %2</translation>
    </message>
    <message>
        <source>No court has reported yet.</source>
        <translation>Todavía no ha informado ninguna pista.</translation>
    </message>
    <message>
        <source>Corvella hall: results</source>
        <translation>Pabellón Corvella: resultados</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Todas las pistas</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Printable result</source>
        <translation>Resultado para imprimir</translation>
    </message>
    <message>
        <source>No game has finished yet.</source>
        <translation>Todavía no ha terminado ningún partido.</translation>
    </message>
    <message>
        <source>Disputed: counts once accepted</source>
        <translation>En disputa: cuenta cuando se acepte</translation>
    </message>
    <message>
        <source>Sets and periods</source>
        <translation>Sets y periodos</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Results as CSV</source>
        <translation>Resultados en CSV</translation>
    </message>
    <message>
        <source>Day sheet (PDF)</source>
        <translation>Hoja del día (PDF)</translation>
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
        <translation>Sin señal</translation>
    </message>
    <message>
        <source>Hall link down since %1</source>
        <translation>Enlace del pabellón caído desde las %1</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Tiempo muerto %1</translation>
    </message>
    <message>
        <source>Next games</source>
        <translation>Próximos partidos</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
</context>
<context>
    <name>HallSettingsPage</name>
    <message>
        <source>empty: the hall&apos;s own broker</source>
        <translation>vacío: el bróker propio del pabellón</translation>
    </message>
    <message>
        <source>empty: every address</source>
        <translation>vacío: todas las direcciones</translation>
    </message>
    <message>
        <source>The browser&apos;s</source>
        <translation>El del navegador</translation>
    </message>
    <message>
        <source>Save and restart the hall</source>
        <translation>Guardar y reiniciar el pabellón</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Bróker:</translation>
    </message>
    <message>
        <source>Own broker&apos;s port:</source>
        <translation>Puerto del bróker propio:</translation>
    </message>
    <message>
        <source>Own broker&apos;s address:</source>
        <translation>Dirección del bróker propio:</translation>
    </message>
    <message>
        <source>Venue:</source>
        <translation>Recinto:</translation>
    </message>
    <message>
        <source>Pages&apos; port:</source>
        <translation>Puerto de las páginas:</translation>
    </message>
    <message>
        <source>Pages&apos; language:</source>
        <translation>Idioma de las páginas:</translation>
    </message>
    <message>
        <source>Points for a win, a draw, a loss:</source>
        <translation>Puntos por victoria, empate, derrota:</translation>
    </message>
    <message>
        <source>The broker is not a host name and port (&quot;hall.local:8883&quot;).</source>
        <translation>El bróker no es un nombre de host y puerto («hall.local:8883»).</translation>
    </message>
    <message>
        <source>The venue must be a name without &quot;/&quot;, &quot;+&quot; or &quot;#&quot;.</source>
        <translation>El recinto debe ser un nombre sin «/», «+» ni «#».</translation>
    </message>
    <message>
        <source>The own broker&apos;s address must be an address of this computer.</source>
        <translation>La dirección del bróker propio debe ser una dirección de este ordenador.</translation>
    </message>
    <message>
        <source>The points are three numbers: a win, a draw, a loss (&quot;2,1,0&quot;).</source>
        <translation>Los puntos son tres números: victoria, empate, derrota («2,1,0»).</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>Ended</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de unión</translation>
    </message>
    <message>
        <source>Corvella Hall</source>
        <translation>Corvella Pabellón</translation>
    </message>
    <message>
        <source>Courts</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Lobby and join codes</source>
        <translation>Vestíbulo y códigos de unión</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Import a schedule…</source>
        <translation>Importar un calendario…</translation>
    </message>
    <message>
        <source>a court&apos;s name</source>
        <translation>nombre de una pista</translation>
    </message>
    <message>
        <source>Add a court</source>
        <translation>Añadir una pista</translation>
    </message>
    <message>
        <source>Join codes: paste a court&apos;s code on its board&apos;s Hall page</source>
        <translation>Códigos de unión: pegue el código de una pista en la página Pabellón de su marcador</translation>
    </message>
    <message>
        <source>The hall&apos;s pages are on port %1.</source>
        <translation>Las páginas del pabellón están en el puerto %1.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>not connected: %1</source>
        <translation>sin conexión: %1</translation>
    </message>
    <message>
        <source>connecting…</source>
        <translation>conectando…</translation>
    </message>
    <message>
        <source>Venue %1 · Broker: %2 · Link: %3</source>
        <translation>Recinto %1 · Bróker: %2 · Enlace: %3</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En línea</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>next</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugados</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganados</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empatados</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>A favor</translation>
    </message>
    <message>
        <source>Conceded</source>
        <translation>En contra</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source> (disputed)</source>
        <translation> (en disputa)</translation>
    </message>
    <message>
        <source>The lobby page: %1
(or %2 on a network without local names)
Results: /hall/results · Schedule: /hall/schedule</source>
        <translation>La página del vestíbulo: %1
(o %2 en una red sin nombres locales)
Resultados: /hall/results · Calendario: /hall/schedule</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n game(s)</source>
        <translation>
            <numerusform>%1: %n partido</numerusform>
            <numerusform>%1: %n partidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the day&apos;s schedule</source>
        <translation>Importar el calendario del día</translation>
    </message>
    <message>
        <source>Schedules (*.csv *.txt);;All files (*)</source>
        <translation>Calendarios (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings file is locked or cannot be written.</source>
        <translation>No se pudieron guardar los ajustes: el archivo de ajustes está bloqueado o no se puede escribir.</translation>
    </message>
    <message>
        <source>Settings saved; the hall starts again with them.</source>
        <translation>Ajustes guardados; el pabellón vuelve a arrancar con ellos.</translation>
    </message>
    <message>
        <source>Save the results for the league (CSV)…</source>
        <translation>Guardar los resultados para la liga (CSV)…</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet (PDF)…</source>
        <translation>Guardar la hoja del día (PDF)…</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Puntos de set</translation>
    </message>
    <message>
        <source>Save the day&apos;s sheet</source>
        <translation>Guardar la hoja del día</translation>
    </message>
    <message>
        <source>Save the day&apos;s results</source>
        <translation>Guardar los resultados del día</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Guardado %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>there is no such file</source>
        <translation>no existe tal archivo</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>ocupa más de 8 MB</translation>
    </message>
    <message>
        <source>it is not a PNG, JPEG or SVG image</source>
        <translation>no es una imagen PNG, JPEG ni SVG</translation>
    </message>
    <message>
        <source>it is larger than 4096 x 4096 pixels</source>
        <translation>es mayor de 4096 x 4096 píxeles</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>the SVG declares entities</source>
        <translation>el SVG declara entidades</translation>
    </message>
    <message>
        <source>the SVG refers to a file outside itself</source>
        <translation>el SVG remite a un archivo fuera de sí mismo</translation>
    </message>
    <message>
        <source>it is not a readable SVG file</source>
        <translation>no es un archivo SVG legible</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source> - To start or stop the clock press &apos;%1&apos;.</source>
        <translation> - Para iniciar o parar el reloj pulse &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To reset the clock press &apos;%1&apos;.</source>
        <translation>  - Para poner el reloj a cero pulse &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To change the scores, click on the score, type a single digit number, and press &apos;enter&apos;.</source>
        <translation>  - Para cambiar un tanteo, haga clic en él, escriba un solo dígito y pulse &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>  - To increase or decrease one of the scores, click on the score, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>  - Para sumar o restar a un tanteo, haga clic en él, pulse &apos;+&apos; o &apos;-&apos; y escriba el dígito que se suma o se resta.</translation>
    </message>
    <message>
        <source>  - To sound the buzzer press &apos;%1&apos; .</source>
        <translation>  - Para hacer sonar la bocina pulse &apos;%1&apos; .</translation>
    </message>
    <message>
        <source>  - If you have mistyped a number and need to start over press </source>
        <translation>  - Si se ha equivocado al escribir un número y quiere empezar de nuevo, pulse </translation>
    </message>
    <message>
        <source>&apos;SPACE&apos; .</source>
        <translation>&apos;ESPACIO&apos; .</translation>
    </message>
    <message>
        <source>  - To return to this screen from the program press &apos;Esc&apos;.</source>
        <translation>  - Para volver a esta pantalla desde el programa pulse &apos;Esc&apos;.</translation>
    </message>
    <message>
        <source>  - To see the board&apos;s network addresses and PIN press &apos;F4&apos;.</source>
        <translation>  - Para ver las direcciones de red y el PIN del marcador pulse &apos;F4&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the options from the program press &apos;o&apos;.</source>
        <translation>  - Para ir a las opciones desde el programa pulse &apos;o&apos;.</translation>
    </message>
    <message>
        <source>  - To go to the next period press &apos;%1&apos;, to go back one press &apos;%2&apos;.</source>
        <translation>  - Para pasar al periodo siguiente pulse &apos;%1&apos;; para volver uno atrás, &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>  - To skip the rest of a break press &apos;%1&apos;.</source>
        <translation>  - Para saltar el resto de un descanso pulse &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start a new game press &apos;%1&apos;.</source>
        <translation>  - Para empezar un partido nuevo pulse &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  - To start or end a timeout press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team.</source>
        <translation>  - Para pedir o terminar un tiempo muerto pulse &apos;%1&apos; para el local, &apos;%2&apos; para el visitante.</translation>
    </message>
    <message>
        <source>  - To give a point press &apos;%1&apos; for the home team, &apos;%2&apos; for the guest team; &apos;Ctrl+Z&apos; takes it back.</source>
        <translation>  - Para dar un punto pulse &apos;%1&apos; para el equipo local, &apos;%2&apos; para el visitante; &apos;Ctrl+Z&apos; lo anula.</translation>
    </message>
    <message>
        <source>  - Before a set&apos;s first point press &apos;%1&apos; to switch the first server.</source>
        <translation>  - Antes del primer punto de un set pulse &apos;%1&apos; para cambiar el primer saque.</translation>
    </message>
</context>
<context>
    <name>KeyChooser</name>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Pulse la tecla para %1.</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Esta tecla ya está en uso, elija otra.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Elegir tecla</translation>
    </message>
</context>
<context>
    <name>KeyboardPage</name>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Iniciar/parar:</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Reloj a cero:</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Bocina:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Sonido de la bocina</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>poner en marcha o parar el reloj</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>poner el reloj a cero</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>hacer sonar la bocina</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Ningún archivo elegido]</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <translation>Sonidos *.wav (*.wav)</translation>
    </message>
    <message>
        <source>This file cannot be played: </source>
        <translation>Este archivo no se puede reproducir: </translation>
    </message>
</context>
<context>
    <name>KeysPage</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Game Keys:</source>
        <translation>Teclas de juego:</translation>
    </message>
    <message>
        <source>Home timeout</source>
        <translation>Tiempo local</translation>
    </message>
    <message>
        <source>Guest timeout</source>
        <translation>Tiempo visitante</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Periodo siguiente</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Periodo anterior</translation>
    </message>
    <message>
        <source>Skip the break</source>
        <translation>Saltar descanso</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partido nuevo</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Typing:</source>
        <translation>Escritura:</translation>
    </message>
    <message>
        <source>Type whole scores: digits, then Enter</source>
        <translation>Escribir tanteos enteros: dígitos y luego Intro</translation>
    </message>
    <message>
        <source>Operator&apos;s hints:</source>
        <translation>Ayudas:</translation>
    </message>
    <message>
        <source>with the audience display</source>
        <translation>con pantalla de público</translation>
    </message>
    <message>
        <source>always</source>
        <translation>siempre</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>start the home team&apos;s timeout</source>
        <translation>pedir el tiempo muerto del local</translation>
    </message>
    <message>
        <source>start the guest team&apos;s timeout</source>
        <translation>pedir el tiempo muerto del visitante</translation>
    </message>
    <message>
        <source>go to the next period</source>
        <translation>pasar al periodo siguiente</translation>
    </message>
    <message>
        <source>go back a period</source>
        <translation>volver un periodo atrás</translation>
    </message>
    <message>
        <source>skip the break</source>
        <translation>saltar el descanso</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>empezar un partido nuevo</translation>
    </message>
    <message>
        <source>Sound off/on</source>
        <translation>Sonido sí/no</translation>
    </message>
    <message>
        <source>turn the sound off or on</source>
        <translation>apagar o encender el sonido</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Bocina corta</translation>
    </message>
    <message>
        <source>sound a short horn</source>
        <translation>hacer sonar la bocina un momento</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Show the board in browsers on the network</source>
        <translation>Mostrar el marcador en navegadores de la red</translation>
    </message>
    <message>
        <source>Let show-control software and scripts drive the game (HTTP API)</source>
        <translation>Dejar que software de espectáculos y scripts manejen el partido (API HTTP)</translation>
    </message>
    <message>
        <source>New token</source>
        <translation>Nuevo token</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Todas las direcciones</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Listen on:</source>
        <translation>Escuchar en:</translation>
    </message>
    <message>
        <source>Displays and the stream overlay only show the board. The phone remote asks for the PIN shown on this computer.</source>
        <translation>Las pantallas y la superposición del directo solo muestran el marcador. El mando del teléfono pide el PIN que muestra este ordenador.</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>Token de la API:</translation>
    </message>
    <message>
        <source>Requests to /api/v1/ carry the header &quot;Authorization: Bearer&quot; and this token. See the README for the calls.</source>
        <translation>Las peticiones a /api/v1/ llevan la cabecera &quot;Authorization: Bearer&quot; y este token. Las llamadas están en el README.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
</context>
<context>
    <name>OperatorHints</name>
    <message>
        <source>The clock&apos;s panel takes no keys: click a clock digit</source>
        <translation>El panel del reloj no admite teclas: haga clic en un dígito del reloj</translation>
    </message>
    <message>
        <source>Click a score or a clock digit to type</source>
        <translation>Haga clic en un tanteo o un dígito del reloj para escribir</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Caps Lock is on: command keys are lower-case</source>
        <translation>Bloq Mayús activado: las teclas de orden son minúsculas</translation>
    </message>
</context>
<context>
    <name>OperatorPanel</name>
    <message>
        <source>Board on the network</source>
        <translation>Marcador en la red</translation>
    </message>
    <message>
        <source>The board is not on the network: %1</source>
        <translation>El marcador no está en la red: %1</translation>
    </message>
    <message>
        <source>Board: %1display</source>
        <translation>Marcador: %1display</translation>
    </message>
    <message>
        <source>Stream overlay: %1overlay</source>
        <translation>Superposición: %1overlay</translation>
    </message>
    <message>
        <source>Phone remote: %1remote</source>
        <translation>Mando del teléfono: %1remote</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN del mando:</translation>
    </message>
    <message>
        <source>Connected pages: %1, remotes: %2</source>
        <translation>Páginas conectadas: %1, mandos: %2</translation>
    </message>
    <message>
        <source>API token:</source>
        <translation>Token de la API:</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Renovar</translation>
    </message>
    <message>
        <source>Shot clock: %1shotclock</source>
        <translation>Reloj de posesión: %1shotclock</translation>
    </message>
    <message>
        <source>Hall: %1</source>
        <translation>Pabellón: %1</translation>
    </message>
    <message>
        <source>No next game from the hall</source>
        <translation>Ningún próximo partido del pabellón</translation>
    </message>
    <message>
        <source>Next game: %1 (F7 on the board loads it)</source>
        <translation>Próximo partido: %1 (F7 en el marcador lo carga)</translation>
    </message>
    <message>
        <source>The web server is off</source>
        <translation>El servidor web está apagado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Announcer: %1announcer</source>
        <translation>Locutor: %1announcer</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them on the Keyboard tab or in the settings.</source>
        <translation>Dos órdenes comparten la tecla %1. Elija otra tecla para una de ellas en la pestaña Teclado o en los ajustes.</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The settings could not be saved. They apply until Corvella is closed, but will be lost then.</source>
        <translation>No se pudo guardar la configuración. Vale hasta que se cierre Corvella, pero entonces se perderá.</translation>
    </message>
</context>
<context>
    <name>PlayerEntry</name>
    <message>
        <source>Foul</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Sanción</translation>
    </message>
    <message>
        <source>%1: which team? %2 or %3 (Space drops it)</source>
        <translation>%1: ¿qué equipo? %2 o %3 (Espacio lo descarta)</translation>
    </message>
    <message>
        <source>%1 %2: #%3, then Enter</source>
        <translation>%1 %2: #%3, luego Intro</translation>
    </message>
    <message>
        <source>%1 %2 #%3: length? %4</source>
        <translation>%1 %2 #%3: ¿duración? %4</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>The board follows the players</source>
        <translation>El marcador sigue a los jugadores</translation>
    </message>
    <message>
        <source>A goal conceded ends the oldest 2:00 penalty</source>
        <translation>Un gol encajado termina la sanción de 2:00 más antigua</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Fouls that put a player out:</source>
        <translation>Faltas que eliminan a un jugador:</translation>
    </message>
    <message>
        <source>Penalty lengths (minutes.seconds):</source>
        <translation>Duraciones de sanción (minutos.segundos):</translation>
    </message>
    <message>
        <source>Penalties that disqualify:</source>
        <translation>Sanciones que descalifican:</translation>
    </message>
    <message>
        <source>Player&apos;s foul key:</source>
        <translation>Tecla de falta de jugador:</translation>
    </message>
    <message>
        <source>Penalty key:</source>
        <translation>Tecla de sanción:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>enter a player&apos;s foul</source>
        <translation>introducir una falta de jugador</translation>
    </message>
    <message>
        <source>enter a penalty</source>
        <translation>introducir una sanción</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Baloncesto</translation>
    </message>
    <message>
        <source>Handball</source>
        <translation>Balonmano</translation>
    </message>
    <message>
        <source>Futsal</source>
        <translation>Fútbol sala</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Hockey sobre hielo</translation>
    </message>
    <message>
        <source>Floorball</source>
        <translation>Floorball</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fútbol</translation>
    </message>
    <message>
        <source>Water polo</source>
        <translation>Waterpolo</translation>
    </message>
    <message>
        <source>Korfball</source>
        <translation>Korfball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Voleibol</translation>
    </message>
    <message>
        <source>Beach volleyball</source>
        <translation>Vóley playa</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Bádminton</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tenis de mesa</translation>
    </message>
</context>
<context>
    <name>RemoteApi</name>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>too many wrong tokens; try again later</source>
        <translation>demasiados tokens erróneos; inténtelo más tarde</translation>
    </message>
    <message>
        <source>a valid bearer token is needed</source>
        <translation>se necesita un token bearer válido</translation>
    </message>
    <message>
        <source>use GET</source>
        <translation>use GET</translation>
    </message>
    <message>
        <source>use POST</source>
        <translation>use POST</translation>
    </message>
    <message>
        <source>the body is not a JSON object</source>
        <translation>el cuerpo no es un objeto JSON</translation>
    </message>
    <message>
        <source>give either &quot;add&quot; or &quot;set&quot;</source>
        <translation>indique &quot;add&quot; o &quot;set&quot;</translation>
    </message>
    <message>
        <source>too many calls; slow down</source>
        <translation>demasiadas llamadas; más despacio</translation>
    </message>
    <message>
        <source>the operator has not yet said whether to resume the saved game</source>
        <translation>el operador aún no ha dicho si se reanuda la partida guardada</translation>
    </message>
    <message>
        <source>&quot;team&quot; is &quot;home&quot; or &quot;guest&quot;</source>
        <translation>&quot;team&quot; es &quot;home&quot; o &quot;guest&quot;</translation>
    </message>
    <message>
        <source>a player goes with &quot;add&quot;</source>
        <translation>un jugador va con &quot;add&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field of this call</source>
        <translation>&quot;%1&quot; no es un campo de esta llamada</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Corvella: the game</source>
        <translation>Corvella: el partido</translation>
    </message>
    <message>
        <source>Final:</source>
        <translation>Resultado final:</translation>
    </message>
    <message>
        <source>Period %1: %2</source>
        <translation>Periodo %1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aún no se ha registrado ningún partido.</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet (;)</source>
        <translation>CSV para hoja de cálculo (;)</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Reloj de juego</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a schedule</source>
        <translation>%1: demasiado grande para un calendario</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a quote is not closed where the field ends</source>
        <translation>unas comillas no se cierran donde acaba el campo</translation>
    </message>
    <message>
        <source>the court &quot;%1&quot; cannot be a court&apos;s name (empty, or with /, + or #)</source>
        <translation>&quot;%1&quot; no puede ser el nombre de una pista (vacío, o con /, + o #)</translation>
    </message>
    <message>
        <source>both teams must be named</source>
        <translation>hay que nombrar a ambos equipos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot play itself</source>
        <translation>&quot;%1&quot; no puede jugar contra sí mismo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a preset (known: %2)</source>
        <translation>&quot;%1&quot; no es un preajuste (conocidos: %2)</translation>
    </message>
    <message>
        <source>court %1 already plays at %2 (line %3)</source>
        <translation>la pista %1 ya juega a las %2 (línea %3)</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header line</source>
        <translation>el archivo está vacío; necesita una línea de cabecera</translation>
    </message>
    <message>
        <source>a team&apos;s name may have at most %1 characters, and no control characters</source>
        <translation>el nombre de un equipo puede tener como máximo %1 caracteres y ningún carácter de control</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>the header does not read (separator found: %1): %2</source>
        <translation>la cabecera no se puede leer (separador encontrado: %1): %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected nothing after the group</source>
        <translation>la columna %1 es &quot;%2&quot;; después del grupo no se espera nada</translation>
    </message>
    <message>
        <source>column %1 is missing, expected one of: %2</source>
        <translation>falta la columna %1; se espera una de: %2</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;, expected one of: %3</source>
        <translation>la columna %1 es &quot;%2&quot;; se espera una de: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>missing: the header has %1 columns separated by %2</source>
        <translation>falta: la cabecera tiene %1 columnas separadas por %2</translation>
    </message>
    <message>
        <source>one more than the header&apos;s %1 columns: a field holding %2 needs double quotes</source>
        <translation>una más que las %1 columnas de la cabecera: un campo que contenga %2 necesita comillas dobles</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; expected HH:MM, like 09:30</source>
        <translation>&quot;%1&quot; no es una hora; se espera HH:MM, como 09:30</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Court</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Deporte</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>to play</source>
        <translation>por jugar</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugados</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganados</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empatados</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Tantos</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Corvella: the day&apos;s games</source>
        <translation>Corvella: los partidos del día</translation>
    </message>
    <message>
        <source>The day&apos;s games</source>
        <translation>Los partidos del día</translation>
    </message>
    <message>
        <source>No games are scheduled.</source>
        <translation>No hay partidos programados.</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Set points</source>
        <translation>Puntos de set</translation>
    </message>
    <message>
        <source>All courts</source>
        <translation>Todas las pistas</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>ScoreBoardWindow</name>
    <message>
        <source>Not taken: %1</source>
        <translation>No aceptado: %1</translation>
    </message>
    <message>
        <source>Not taken: %1 is not a time from 0.00 to 99.59</source>
        <translation>No aceptado: %1 no es un tiempo de 0.00 a 99.59</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>¿Seguro que quiere empezar un partido nuevo?</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>¿Partido nuevo?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all LEDs?</source>
        <translation>¿Seguro que quiere borrar todos los LED?</translation>
    </message>
    <message>
        <source>%1 dropped: no key for a while</source>
        <translation>%1 descartado: un rato sin teclas</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>clock runs from %1</source>
        <translation>el reloj corre desde %1</translation>
    </message>
    <message>
        <source>clock stopped at %1</source>
        <translation>reloj parado en %1</translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>reloj %1</translation>
    </message>
    <message>
        <source>Ctrl+Z again starts the clock from %1</source>
        <translation>Otra vez Ctrl+Z inicia el reloj desde %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Undone from the network: %1</source>
        <translation>Deshecho desde la red: %1</translation>
    </message>
    <message>
        <source>Redone from the network: %1</source>
        <translation>Rehecho desde la red: %1</translation>
    </message>
    <message>
        <source>Clear all LEDs?</source>
        <translation>¿Borrar todos los LED?</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
    <message>
        <source>Skipped (the period they timed is over): %1</source>
        <translation>Omitido (el periodo que cronometraban ha terminado): %1</translation>
    </message>
    <message>
        <source>No next game has come from the hall</source>
        <translation>No ha llegado ningún próximo partido del pabellón</translation>
    </message>
    <message>
        <source>Start a new game: %1?</source>
        <translation>¿Empezar un partido nuevo: %1?</translation>
    </message>
    <message>
        <source>Next: %1, F7 loads it</source>
        <translation>Siguiente: %1, F7 lo carga</translation>
    </message>
    <message>
        <source>Sponsors on the audience display</source>
        <translation>Patrocinadores en la pantalla del público</translation>
    </message>
    <message>
        <source>Switch sides</source>
        <translation>Cambio de lado</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>%1st foul</source>
        <translation>%1.ª falta</translation>
    </message>
    <message>
        <source>%1nd foul</source>
        <translation>%1.ª falta</translation>
    </message>
    <message>
        <source>%1rd foul</source>
        <translation>%1.ª falta</translation>
    </message>
    <message>
        <source>%1th foul</source>
        <translation>%1.ª falta</translation>
    </message>
    <message>
        <source>Penalty over: %1 (%2)</source>
        <translation>Sanción terminada: %1 (%2)</translation>
    </message>
    <message>
        <source>Entry dropped</source>
        <translation>Entrada descartada</translation>
    </message>
    <message>
        <source>Next: %1, F7</source>
        <translation>Siguiente: %1, F7</translation>
    </message>
    <message>
        <source>Not loaded: %1 is still being played</source>
        <translation>No cargado: %1 todavía se está jugando</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 skips it)</source>
        <translation>No aceptado: %1 (%2 lo salta)</translation>
    </message>
    <message>
        <source>Not taken: %1 (%2 starts a new one)</source>
        <translation>No aceptado: %1 (%2 empieza otro)</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sin sonido</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>%1: a score takes one digit and Enter</source>
        <translation>%1: un tanteo lleva un dígito e Intro</translation>
    </message>
    <message>
        <source>%1: a sign, then one digit</source>
        <translation>%1: un signo y luego un dígito</translation>
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
        <translation>Pr%1</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>Score flow</source>
        <translation>Evolución del marcador</translation>
    </message>
    <message>
        <source>Score flow, set %1</source>
        <translation>Evolución del marcador, set %1</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Cambios de líder</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Mayor ventaja</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Mayor racha</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Tiempo por delante</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 por delante</translation>
    </message>
    <message>
        <source>Lead change</source>
        <translation>Cambio de líder</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo jugado</translation>
    </message>
    <message>
        <source>Points played</source>
        <translation>Puntos jugados</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>A scoreboard is on show</source>
        <translation>Se está mostrando un marcador</translation>
    </message>
</context>
<context>
    <name>SectionCaptions</name>
    <message>
        <source>Section 1</source>
        <translation>Sección 1</translation>
    </message>
    <message>
        <source>Section 2</source>
        <translation>Sección 2</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Faltas</translation>
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
        <translation>El partido se juega por sets</translation>
    </message>
    <message>
        <source>The game clock shows the match time</source>
        <translation>El reloj muestra el tiempo del partido</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sets para ganar:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Puntos por set:</translation>
    </message>
    <message>
        <source>Points of the deciding set:</source>
        <translation>Puntos del set decisivo:</translation>
    </message>
    <message>
        <source>Won by a lead of:</source>
        <translation>Ganado con una ventaja de:</translation>
    </message>
    <message>
        <source>A set ends at most at:</source>
        <translation>Un set termina como mucho a:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>The serve changes every:</source>
        <translation>El saque cambia cada:</translation>
    </message>
    <message>
        <source>rally&apos;s winner serves</source>
        <translation>saca quien gana</translation>
    </message>
    <message>
        <source>Timeouts per team and set:</source>
        <translation>Tiempos muertos por equipo y set:</translation>
    </message>
    <message>
        <source>Switch sides every:</source>
        <translation>Cambio de lado cada:</translation>
    </message>
    <message>
        <source>no hint</source>
        <translation>sin aviso</translation>
    </message>
    <message>
        <source>In the deciding set every:</source>
        <translation>En el set decisivo cada:</translation>
    </message>
    <message>
        <source>Interval at:</source>
        <translation>Descanso a:</translation>
    </message>
    <message>
        <source>Point home key:</source>
        <translation>Tecla punto local:</translation>
    </message>
    <message>
        <source>Point guest key:</source>
        <translation>Tecla punto visitante:</translation>
    </message>
    <message>
        <source>First server key:</source>
        <translation>Tecla primer saque:</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>give the home team a point</source>
        <translation>dar un punto al equipo local</translation>
    </message>
    <message>
        <source>give the guest team a point</source>
        <translation>dar un punto al equipo visitante</translation>
    </message>
    <message>
        <source>switch the first server</source>
        <translation>cambiar el primer saque</translation>
    </message>
</context>
<context>
    <name>SettingRows</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings - Corvella</source>
        <translation>Ajustes - Corvella</translation>
    </message>
    <message>
        <source>Two commands share the key %1. Choose another key for one of them here or on the Keyboard tab of the options.</source>
        <translation>Dos órdenes comparten la tecla %1. Elija otra tecla para una de ellas aquí o en la pestaña Teclado de las opciones.</translation>
    </message>
</context>
<context>
    <name>ShotClockPage</name>
    <message>
        <source>The board has a shot clock</source>
        <translation>El marcador tiene reloj de posesión</translation>
    </message>
    <message>
        <source>It runs only while the game clock runs</source>
        <translation>Solo corre mientras corre el reloj de juego</translation>
    </message>
    <message>
        <source>The game clock stops when it runs out</source>
        <translation>El reloj de juego se detiene cuando se agota</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>the built-in horn</source>
        <translation>la bocina incorporada</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Short length:</source>
        <translation>Duración corta:</translation>
    </message>
    <message>
        <source>Horn (sound file):</source>
        <translation>Bocina (archivo de sonido):</translation>
    </message>
    <message>
        <source>Reset key:</source>
        <translation>Tecla de reinicio:</translation>
    </message>
    <message>
        <source>Short reset key:</source>
        <translation>Tecla de reinicio corto:</translation>
    </message>
    <message>
        <source>Hold / release key:</source>
        <translation>Tecla de retener / soltar:</translation>
    </message>
    <message>
        <source>Dark key:</source>
        <translation>Tecla de apagar:</translation>
    </message>
    <message>
        <source>Possession arrow key:</source>
        <translation>Tecla de flecha de posesión:</translation>
    </message>
    <message>
        <source>Shot Clock</source>
        <translation>Reloj de posesión</translation>
    </message>
    <message>
        <source>reset the shot clock</source>
        <translation>reiniciar el reloj de posesión</translation>
    </message>
    <message>
        <source>reset the shot clock short</source>
        <translation>reiniciar corto el reloj de posesión</translation>
    </message>
    <message>
        <source>hold or release the shot clock</source>
        <translation>retener o soltar el reloj de posesión</translation>
    </message>
    <message>
        <source>make the shot clock dark</source>
        <translation>apagar el reloj de posesión</translation>
    </message>
    <message>
        <source>switch the possession arrow</source>
        <translation>cambiar la flecha de posesión</translation>
    </message>
    <message>
        <source>A goal resets it</source>
        <translation>Un gol lo reinicia</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is not a sound file</source>
        <translation>no es un archivo de sonido</translation>
    </message>
    <message>
        <source>its sound is compressed in a way Corvella cannot play</source>
        <translation>su sonido está comprimido de un modo que Corvella no puede reproducir</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>its header is damaged (too many parts)</source>
        <translation>su cabecera está dañada (demasiadas partes)</translation>
    </message>
    <message>
        <source>it has %1 channels, more than Corvella can play</source>
        <translation>tiene %1 canales, más de los que Corvella puede reproducir</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>su frecuencia de muestreo de %1 Hz no es compatible</translation>
    </message>
    <message>
        <source>the sound is longer than 10 minutes</source>
        <translation>el sonido dura más de 10 minutos</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is larger than 32 MB</source>
        <translation>ocupa más de 32 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>Corvella&apos;s sound support is not installed</source>
        <translation>El soporte de sonido de Corvella no está instalado</translation>
    </message>
</context>
<context>
    <name>SponsorsPage</name>
    <message>
        <source>Show the sponsors on the audience display</source>
        <translation>Mostrar los patrocinadores en la pantalla del público</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Descansos</translation>
    </message>
    <message>
        <source>Breaks and timeouts</source>
        <translation>Descansos y tiempos muertos</translation>
    </message>
    <message>
        <source>Breaks, timeouts and before the game</source>
        <translation>Descansos, tiempos muertos y antes del partido</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Abrir la carpeta</translation>
    </message>
    <message>
        <source>List again</source>
        <translation>Volver a listar</translation>
    </message>
    <message>
        <source>Each slide stays:</source>
        <translation>Cada imagen dura:</translation>
    </message>
    <message>
        <source>Shown during:</source>
        <translation>Se muestran durante:</translation>
    </message>
    <message>
        <source>Pictures (PNG, JPEG, SVG) in %1:</source>
        <translation>Imágenes (PNG, JPEG, SVG) en %1:</translation>
    </message>
    <message>
        <source>Sponsors</source>
        <translation>Patrocinadores</translation>
    </message>
    <message>
        <source>No pictures yet</source>
        <translation>Todavía no hay imágenes</translation>
    </message>
    <message>
        <source>%1: not shown, %2</source>
        <translation>%1: no se muestra, %2</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Haga clic para seguir.</translation>
    </message>
    <message>
        <source>Custom Created by Brannick</source>
        <translation>Creado por Brannick</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
</context>
<context>
    <name>TeamChooser</name>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Home:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Guest:</source>
        <translation>Visitante:</translation>
    </message>
</context>
<context>
    <name>TeamLibrary</name>
    <message>
        <source>%1: not a small regular file</source>
        <translation>%1: no es un archivo normal pequeño</translation>
    </message>
    <message>
        <source>%1: a line cannot be read</source>
        <translation>%1: no se puede leer una línea</translation>
    </message>
    <message>
        <source>%1: it has no [Team] Name=</source>
        <translation>%1: no tiene [Team] Name=</translation>
    </message>
    <message>
        <source>%1: the short name &quot;%2&quot; is cut to %3 characters</source>
        <translation>%1: el nombre corto «%2» se corta a %3 caracteres</translation>
    </message>
    <message>
        <source>%1: another file already holds the team %2</source>
        <translation>%1: otro archivo ya contiene el equipo %2</translation>
    </message>
    <message>
        <source>A team needs a name.</source>
        <translation>Un equipo necesita un nombre.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The team cannot be written to %1.</source>
        <translation>No se puede escribir el equipo en %1.</translation>
    </message>
    <message>
        <source>The logo cannot be used: %1.</source>
        <translation>No se puede usar el logotipo: %1.</translation>
    </message>
    <message>
        <source>The logo cannot be read.</source>
        <translation>No se puede leer el logotipo.</translation>
    </message>
    <message>
        <source>The logo cannot be written to %1.</source>
        <translation>No se puede escribir el logotipo en %1.</translation>
    </message>
    <message>
        <source>The roster %1 cannot be read.</source>
        <translation>No se puede leer la plantilla %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a player&apos;s number</source>
        <translation>Línea %1: «%2» no es un número de jugador</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is not a colour written #rrggbb; the team is shown without it</source>
        <translation>%1: %2 «%3» no es un color escrito #rrggbb; el equipo se muestra sin él</translation>
    </message>
    <message>
        <source>%1: the logo must be a file in the teams folder, not &quot;%2&quot;</source>
        <translation>%1: el logotipo debe ser un archivo de la carpeta de equipos, no «%2»</translation>
    </message>
    <message>
        <source>%1: the logo %2 cannot be shown: %3</source>
        <translation>%1: no se puede mostrar el logotipo %2: %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00)</source>
        <translation>%1: «%2» no es un número de jugador (0 a 99, o 00)</translation>
    </message>
    <message>
        <source>%1: names longer than %2 characters are cut</source>
        <translation>%1: los nombres de más de %2 caracteres se acortan</translation>
    </message>
    <message>
        <source>Names longer than %1 characters are cut.</source>
        <translation>Los nombres de más de %1 caracteres se acortan.</translation>
    </message>
</context>
<context>
    <name>TeamsPage</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Add player</source>
        <translation>Añadir jugador</translation>
    </message>
    <message>
        <source>Remove player</source>
        <translation>Quitar jugador</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Short name:</source>
        <translation>Nombre corto:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logotipo:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Equipo nuevo</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>This logo cannot be used: %1.</source>
        <translation>Este logotipo no se puede usar: %1.</translation>
    </message>
    <message>
        <source>Rosters (*.csv *.txt)</source>
        <translation>Plantillas (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Board&apos;s</source>
        <translation>Del marcador</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Sin logotipo</translation>
    </message>
    <message>
        <source>Every team needs a name.</source>
        <translation>Cada equipo necesita un nombre.</translation>
    </message>
    <message>
        <source>There are two teams named %1.</source>
        <translation>Hay dos equipos llamados %1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a player&apos;s number (0 to 99, or 00).</source>
        <translation>%1: «%2» no es un número de jugador (0 a 99, o 00).</translation>
    </message>
    <message>
        <source>%1: two players have the number %2.</source>
        <translation>%1: dos jugadores tienen el número %2.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>No se pudo quitar %1.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <source>Text Controls</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Nombre del equipo local:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nombre del equipo visitante:</translation>
    </message>
    <message>
        <source>Section 1 Name:</source>
        <translation>Nombre de la sección 1:</translation>
    </message>
    <message>
        <source>Section 2 Name:</source>
        <translation>Nombre de la sección 2:</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Stream overlay</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>PIN shown on the scoreboard&apos;s computer</source>
        <translation>PIN mostrado en el ordenador del marcador</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Iniciar / parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Break after period %1</source>
        <translation>Descanso tras el periodo %1</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Overtime %1</source>
        <translation>Prórroga %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Wait a while, or scan the QR code.</source>
        <translation>Demasiados PIN erróneos. Espere un rato o escanee el código QR.</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>PIN erróneo.</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>DESCANSO</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINAL</translation>
    </message>
    <message>
        <source>OVERTIME</source>
        <translation>PRÓRROGA</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PERIODO</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Poner reloj</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>The clock is minutes.seconds, like 12.30.</source>
        <translation>El reloj es minutos.segundos, como 12.30.</translation>
    </message>
    <message>
        <source>Undo again to start the clock again.</source>
        <translation>Deshaga otra vez para volver a poner el reloj en marcha.</translation>
    </message>
    <message>
        <source>TIMEOUT</source>
        <translation>TIEMPO MUERTO</translation>
    </message>
    <message>
        <source>BONUS</source>
        <translation>PENALIZACIÓN</translation>
    </message>
    <message>
        <source>Timeout %1</source>
        <translation>Tiempo muerto %1</translation>
    </message>
    <message>
        <source>(%1 timeouts)</source>
        <translation>(%1 tiempos muertos)</translation>
    </message>
    <message>
        <source>Clock, minutes.seconds</source>
        <translation>Reloj, minutos.segundos</translation>
    </message>
    <message>
        <source>Corvella board</source>
        <translation>Marcador Corvella</translation>
    </message>
    <message>
        <source>Corvella overlay</source>
        <translation>Superposición Corvella</translation>
    </message>
    <message>
        <source>Corvella remote</source>
        <translation>Mando Corvella</translation>
    </message>
    <message>
        <source>Shot clock</source>
        <translation>Reloj de posesión</translation>
    </message>
    <message>
        <source>Corvella shot clock</source>
        <translation>Reloj de posesión Corvella</translation>
    </message>
    <message>
        <source>Shot clock reset</source>
        <translation>Reiniciar reloj de posesión</translation>
    </message>
    <message>
        <source>Short reset</source>
        <translation>Reinicio corto</translation>
    </message>
    <message>
        <source>Hold / Release</source>
        <translation>Retener / Soltar</translation>
    </message>
    <message>
        <source>Switch possession</source>
        <translation>Cambiar posesión</translation>
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
        <translation>Punto</translation>
    </message>
    <message>
        <source>First server</source>
        <translation>Primer saque</translation>
    </message>
    <message>
        <source>%1 FOULS</source>
        <translation>%1 FALTAS</translation>
    </message>
    <message>
        <source>Type the number of the player first.</source>
        <translation>Escriba primero el número del jugador.</translation>
    </message>
    <message>
        <source>Player number</source>
        <translation>Número de jugador</translation>
    </message>
    <message>
        <source>Foul home</source>
        <translation>Falta local</translation>
    </message>
    <message>
        <source>Foul guest</source>
        <translation>Falta visitante</translation>
    </message>
    <message>
        <source>Penalty length</source>
        <translation>Duración de la sanción</translation>
    </message>
    <message>
        <source>Penalty home</source>
        <translation>Sanción local</translation>
    </message>
    <message>
        <source>Penalty guest</source>
        <translation>Sanción visitante</translation>
    </message>
    <message>
        <source>Short horn</source>
        <translation>Bocina corta</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Sonido sí/no</translation>
    </message>
    <message>
        <source>Announcer</source>
        <translation>Locutor</translation>
    </message>
    <message>
        <source>Corvella announcer</source>
        <translation>Corvella locutor</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Sanciones</translation>
    </message>
    <message>
        <source>Last steps</source>
        <translation>Últimos pasos</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>El partido hasta ahora</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Timeouts left: %1</source>
        <translation>Tiempos muertos restantes: %1</translation>
    </message>
    <message>
        <source>Team fouls: %1</source>
        <translation>Faltas de equipo: %1</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Fouls</source>
        <translation>Faltas</translation>
    </message>
    <message>
        <source>Lead changes</source>
        <translation>Cambios de líder</translation>
    </message>
    <message>
        <source>Times tied</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Largest lead</source>
        <translation>Mayor ventaja</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Mayor racha</translation>
    </message>
    <message>
        <source>Time leading</source>
        <translation>Tiempo por delante</translation>
    </message>
    <message>
        <source>Points per set</source>
        <translation>Puntos por set</translation>
    </message>
    <message>
        <source>Points per period</source>
        <translation>Puntos por periodo</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>OT%1</source>
        <translation>Pr%1</translation>
    </message>
</context>
<context>
    <name>WebService</name>
    <message>
        <source>&quot;%1&quot; is not an address of this computer</source>
        <translation>&quot;%1&quot; no es una dirección de este ordenador</translation>
    </message>
</context>
</TS>
