<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Coach</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entrenador</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Computer &amp;Players</source>
        <translation>&amp;Jugadores del ordenador</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Jugador &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Perfect</source>
        <translation>&amp;Perfecto</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>P&amp;rincipiante</translation>
    </message>
    <message>
        <source>P&amp;ace</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Revisar partida</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>Roll: %1 expected at the end.</source>
        <translation>Tira: %1 puntos esperados al final.</translation>
    </message>
    <message>
        <source>Score %1: %2 expected at the end.</source>
        <translation>Anota %1: %2 puntos esperados al final.</translation>
    </message>
    <message>
        <source>Roll all five dice: %1 expected at the end.</source>
        <translation>Tira los cinco dados: %1 puntos esperados al final.</translation>
    </message>
    <message>
        <source>Keep %1 and roll: %2 expected at the end.</source>
        <translation>Guarda %1 y tira: %2 puntos esperados al final.</translation>
    </message>
    <message>
        <source>Score %1 now: %2.</source>
        <translation>Anotar %1 ahora: %2.</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>El entrenador está pensando.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to eight players: roll five dice up to three times a turn
and fill a scorecard of thirteen categories.</source>
        <translation>Un juego de dados para uno a ocho jugadores: tira cinco dados hasta tres veces por turno
y rellena una hoja de puntuación de trece casillas.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>pipstack: %1 Try &apos;pipstack --help&apos;.</source>
        <extracomment>%1 says what is wrong; &quot;pipstack&quot; is the command typed, in every language.
----------
%1 is Qt&apos;s own message; &quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: %1 Pruebe «pipstack --help».</translation>
    </message>
    <message>
        <source>pipstack: unexpected argument &apos;%1&apos;. Try &apos;pipstack --help&apos;.</source>
        <extracomment>&quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: argumento inesperado «%1». Pruebe «pipstack --help».</translation>
    </message>
    <message>
        <source>unknown category &apos;%1&apos; in --used; the categories are %2, or none.</source>
        <extracomment>--used: %1 is the word given, %2 the list of the names it takes.</extracomment>
        <translation>casilla desconocida «%1» en --used; las casillas son %2, o none.</translation>
    </message>
    <message>
        <source>category &apos;%1&apos; is named twice in --used.</source>
        <translation>la casilla «%1» aparece dos veces en --used.</translation>
    </message>
    <message>
        <source>--dice must be five digits from 1 to 6, not &apos;%1&apos;.</source>
        <translation>--dice debe ser cinco cifras del 1 al 6, no «%1».</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se indica más de una vez.</translation>
    </message>
    <message>
        <source>score %1</source>
        <extracomment>Read by scripts: keep &quot;score&quot;; %1 is a category&apos;s name as --used takes it.</extracomment>
        <translation>score %1</translation>
    </message>
    <message>
        <source>keep nothing</source>
        <extracomment>Read by scripts: keep these words.</extracomment>
        <translation>keep nothing</translation>
    </message>
    <message>
        <source>keep %1</source>
        <extracomment>Read by scripts: keep &quot;keep&quot;; %1 is the faces kept, ascending, with spaces.</extracomment>
        <translation>keep %1</translation>
    </message>
    <message>
        <source>--%1 needs --advise.</source>
        <translation>--%1 requiere --advise.</translation>
    </message>
    <message>
        <source>--upper must be a whole number from 0 to 105, not &apos;%1&apos;.</source>
        <translation>--upper debe ser un número entero del 0 al 105, no «%1».</translation>
    </message>
    <message>
        <source>the upper categories in --used cannot add up to %1 points.</source>
        <translation>las casillas superiores de --used no pueden sumar %1 puntos.</translation>
    </message>
    <message>
        <source>--rolls-left needs --dice.</source>
        <translation>--rolls-left requiere --dice.</translation>
    </message>
    <message>
        <source>--dice needs --rolls-left.</source>
        <translation>--dice requiere --rolls-left.</translation>
    </message>
    <message>
        <source>--rolls-left must be 0, 1 or 2, not &apos;%1&apos;.</source>
        <translation>--rolls-left debe ser 0, 1 o 2, no «%1».</translation>
    </message>
    <message>
        <source>every category is used in --used: there is nothing left to score.</source>
        <translation>todas las casillas de --used están usadas: no queda nada que anotar.</translation>
    </message>
    <message>
        <source>Prints perfect play&apos;s expected points still to come (this turn&apos;s, later turns&apos; and the upper bonus), with no window; with --dice, every action, best first.</source>
        <translation>Muestra, sin ventana, los puntos que el juego perfecto aún espera (los de este turno, los de los turnos siguientes y el bono superior); con --dice, cada acción, la mejor primero.</translation>
    </message>
    <message>
        <source>The categories already used, comma-separated: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).</source>
        <translation>Las casillas ya usadas, separadas por comas: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, o none (por defecto).</translation>
    </message>
    <message>
        <source>The upper section&apos;s points already scored, 0 to 105.</source>
        <translation>Los puntos ya anotados en la sección superior, de 0 a 105.</translation>
    </message>
    <message>
        <source>The five dice in hand, as five digits 1 to 6; needs --rolls-left.</source>
        <translation>Los cinco dados en la mano, como cinco cifras del 1 al 6; requiere --rolls-left.</translation>
    </message>
    <message>
        <source>The rolls still allowed after this one: 0, 1 or 2; needs --dice.</source>
        <translation>Las tiradas que quedan después de esta: 0, 1 o 2; requiere --dice.</translation>
    </message>
    <message>
        <source>CATS</source>
        <translation>CASILLAS</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>DDDDD</source>
        <translation>DDDDD</translation>
    </message>
    <message>
        <source>R</source>
        <translation>T</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>no permission</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>%1 could not be written: the folder %2 is not writable.</source>
        <translation>No se pudo escribir %1: la carpeta %2 no admite escritura.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 does not exist.</source>
        <translation>No se pudo escribir %1: su carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk reported an error.</source>
        <translation>No se pudo escribir %1: el disco informó de un error.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is read-only.</source>
        <translation>No se pudo escribir %1: el disco es de solo lectura.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>No se pudo escribir %1: el disco está lleno.</translation>
    </message>
    <message>
        <source>%1 could not be written: Windows denied access to it or to its folder.</source>
        <translation>No se pudo escribir %1: Windows denegó el acceso al archivo o a su carpeta.</translation>
    </message>
    <message>
        <source>%1 is read-only, so it was left as it is.</source>
        <translation>%1 es de solo lectura, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>otro programa lo está usando</translation>
    </message>
    <message>
        <source>%1 could not be written: another program is using it.</source>
        <translation>No se pudo escribir %1: otro programa lo está usando.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>%1 could not be written (system error %2).</source>
        <translation>No se pudo escribir %1 (error del sistema %2).</translation>
    </message>
    <message>
        <source>Windows error %1</source>
        <translation>error de Windows %1</translation>
    </message>
    <message>
        <source>%1 could not be written (Windows error %2).</source>
        <translation>No se pudo escribir %1 (error de Windows %2).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it.</source>
        <translation>No se pudo escribir %1: no se pudo crear un archivo de bloqueo junto a él.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it (%2).</source>
        <translation>No se pudo escribir %1: no se pudo crear un archivo de bloqueo junto a él (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read, so it was left as it is.</source>
        <translation>No se pudo leer %1, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it was left as it is.</source>
        <translation>No se pudo leer %1 (%2), así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is being saved by another game, which has not finished.</source>
        <translation>Otra partida está guardando %1 y aún no ha terminado.</translation>
    </message>
    <message>
        <source>%1 could not be written: its lock file %2 is a folder.</source>
        <translation>No se pudo escribir %1: su archivo de bloqueo %2 es una carpeta.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed.</source>
        <translation>Los récords se guardaron, pero no se pudo eliminar su archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed (%2).</source>
        <translation>Los récords se guardaron, pero no se pudo eliminar su archivo de bloqueo %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.</source>
        <translation>%1 no es un archivo normal (puede ser una tubería o un dispositivo), así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.</source>
        <translation>Los récords se guardaron. %1 tenía líneas que el juego no entendió, así que el archivo tal como estaba se conserva como %2.</translation>
    </message>
</context>
<context>
    <name>TextWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>cardwords</name>
    <message>
        <source>Next &amp;Turn</source>
        <translation>Pasar &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Roll %1</source>
        <translation>&amp;Tirada %1</translation>
    </message>
    <message>
        <source>Turn %1.</source>
        <translation>Turno %1.</translation>
    </message>
    <message>
        <source>Click for</source>
        <translation>Pulsa para</translation>
    </message>
    <message>
        <source>roll #1.</source>
        <translation>la tirada 1.</translation>
    </message>
    <message>
        <source>Ready for</source>
        <translation>Listo para</translation>
    </message>
    <message>
        <source>roll #%1.</source>
        <translation>la tirada %1.</translation>
    </message>
    <message>
        <source>No more rolls. Please score your rolls.</source>
        <translation>No quedan tiradas. Anota tu jugada.</translation>
    </message>
    <message>
        <source>You earned</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 puntos.</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsa</translation>
    </message>
    <message>
        <source>Next Turn.</source>
        <translation>Pasar turno.</translation>
    </message>
    <message>
        <source>%1: scored %2</source>
        <translation>%1: %2 anotados</translation>
    </message>
    <message>
        <source>%1: %2 if scored</source>
        <translation>%1: %2 si lo anotas</translation>
    </message>
    <message>
        <source>%1: open</source>
        <translation>%1: libre</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Dado %1: sin tirar</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>No more rolls; score a box.</source>
        <translation>No quedan tiradas; anota una casilla.</translation>
    </message>
    <message>
        <source>Ready for roll %1.</source>
        <translation>Listo para la tirada %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>You earned %1 point. </source>
        <translation>Has ganado %1 punto. </translation>
    </message>
    <message>
        <source>You earned %1 points. </source>
        <translation>Has ganado %1 puntos. </translation>
    </message>
    <message>
        <source>Grand total %1. Next Turn.</source>
        <translation>Total final %1. Pasar turno.</translation>
    </message>
    <message>
        <source>Totals come after the last turn. Scored so far: %1.</source>
        <translation>Los totales llegan tras el último turno. Anotado hasta ahora: %1.</translation>
    </message>
    <message>
        <source>Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.</source>
        <translation>Subtotal %1, bono %2, total 1 %3, total 2 %4, total final %5.</translation>
    </message>
</context>
<context>
    <name>frmQuintix</name>
    <message>
        <source>Ones:</source>
        <translation>Unos:</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Doses:</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Treses:</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Cuatros:</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Cincos:</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Seises:</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>3 of a kind:</source>
        <translation>Trío:</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>4 of a kind:</source>
        <translation>Póker:</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera menor</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Escalera mayor:</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera mayor</translation>
    </message>
    <message>
        <source>Pipstack:</source>
        <translation>Pipstack:</translation>
    </message>
    <message>
        <source>Pipstack</source>
        <translation>Pipstack</translation>
    </message>
    <message>
        <source>Chance:</source>
        <translation>Azar:</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Azar</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <comment>row caption</comment>
        <translation>Escalera menor:</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Subtotal:</translation>
    </message>
    <message>
        <source>Bouns:</source>
        <translation>Bono:</translation>
    </message>
    <message>
        <source>Total 1:</source>
        <translation>Total 1:</translation>
    </message>
    <message>
        <source>Total 2:</source>
        <translation>Total 2:</translation>
    </message>
    <message>
        <source>Grand Total:</source>
        <translation>Total final:</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, guardado</translation>
    </message>
    <message>
        <source>%1, let go</source>
        <translation>%1, soltado</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>perfect play scores %1</source>
        <translation>el juego perfecto anota %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>anotó %1</translation>
    </message>
    <message>
        <source>perfect play rolls all five dice</source>
        <translation>el juego perfecto tira los cinco dados</translation>
    </message>
    <message>
        <source>rolled all five dice</source>
        <translation>tiró los cinco dados</translation>
    </message>
    <message>
        <source>perfect play keeps %1</source>
        <translation>el juego perfecto guarda %1</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>guardó %1</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Revisión de la partida</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>Revisión de la partida</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>El entrenador está pensando.</translation>
    </message>
    <message>
        <source>There is no game to review.</source>
        <translation>No hay ninguna partida que revisar.</translation>
    </message>
    <message>
        <source>Player %1: %2 expected points lost in all.</source>
        <translation>Jugador %1: %2 puntos esperados perdidos en total.</translation>
    </message>
    <message>
        <source>Player %1: no decision cost half a point or more.</source>
        <translation>Jugador %1: ninguna decisión costó medio punto o más.</translation>
    </message>
    <message>
        <source>Player %1, turn %2, roll %3: %4; %5; %6 points lost.</source>
        <translation>Jugador %1, turno %2, tirada %3: %4; %5; %6 puntos perdidos.</translation>
    </message>
    <message>
        <source>The computer plays every player: there is no one to review.</source>
        <translation>El ordenador juega por todos los jugadores: no hay nadie a quien revisar.</translation>
    </message>
</context>
<context>
    <name>frmScores</name>
    <message>
        <source>Waiting for another game to finish saving the high scores…</source>
        <translation>Esperando a que otra partida termine de guardar los récords…</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(ilegible)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>Do you really want to reset the scores?</source>
        <translation>¿Seguro que quieres borrar los récords?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1</source>
        <translation>No se pudieron guardar los récords.

%1</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1

Try again?</source>
        <translation>No se pudieron guardar los récords.

%1

¿Volver a intentarlo?</translation>
    </message>
</context>
<context>
    <name>frmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Summary Of Scores</source>
        <translation>Resumen de puntuaciones</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>¡Récord!</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Ver récords</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Player %1: </source>
        <translation>Jugador %1: </translation>
    </message>
    <message>
        <source>, a high score</source>
        <translation>, un récord</translation>
    </message>
    <message>
        <source>Player %1, you scored a High Score!  Input your name:</source>
        <translation>Jugador %1, ¡has conseguido un récord!  Escribe tu nombre:</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>(computer)</source>
        <translation>(ordenador)</translation>
    </message>
    <message>
        <source>, played by the computer</source>
        <translation>, jugado por el ordenador</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Next Turn &amp;Warning</source>
        <translation>&amp;Aviso de siguiente turno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Ver récords</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Next Turn Warning now off.</source>
        <translation>Aviso de siguiente turno desactivado.</translation>
    </message>
    <message>
        <source>Next Turn Warning now on.</source>
        <translation>Aviso de siguiente turno activado.</translation>
    </message>
    <message>
        <source>How many players (1-8)?</source>
        <translation>¿Cuántos jugadores (1-8)?</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Player %1, it is your turn.</source>
        <translation>Jugador %1, te toca.</translation>
    </message>
</context>
<context>
    <name>platform::FocusButton</name>
    <message>
        <source>%1 push button.</source>
        <translation>Botón %1.</translation>
    </message>
    <message>
        <source>%1 push button. %2</source>
        <translation>Botón %1. %2</translation>
    </message>
</context>
</TS>
