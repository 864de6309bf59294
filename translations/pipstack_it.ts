<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Coach</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Computer &amp;Players</source>
        <translation>&amp;Giocatori computer</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Giocatore &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;Perfect</source>
        <translation>&amp;Perfetto</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>P&amp;rincipiante</translation>
    </message>
    <message>
        <source>P&amp;ace</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>V&amp;eloce</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Rivedi partita</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>Roll: %1 expected at the end.</source>
        <translation>Lancia: %1 punti attesi alla fine.</translation>
    </message>
    <message>
        <source>Score %1: %2 expected at the end.</source>
        <translation>Segna %1: %2 punti attesi alla fine.</translation>
    </message>
    <message>
        <source>Roll all five dice: %1 expected at the end.</source>
        <translation>Lancia tutti e cinque i dadi: %1 punti attesi alla fine.</translation>
    </message>
    <message>
        <source>Keep %1 and roll: %2 expected at the end.</source>
        <translation>Tieni %1 e lancia: %2 punti attesi alla fine.</translation>
    </message>
    <message>
        <source>Score %1 now: %2.</source>
        <translation>Segnando %1 ora: %2.</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>L&apos;allenatore sta pensando.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to eight players: roll five dice up to three times a turn
and fill a scorecard of thirteen categories.</source>
        <translation>Un gioco di dadi da uno a otto giocatori: lancia cinque dadi fino a tre volte per turno
e riempi un segnapunti di tredici caselle.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>pipstack: %1 Try &apos;pipstack --help&apos;.</source>
        <extracomment>%1 says what is wrong; &quot;pipstack&quot; is the command typed, in every language.
----------
%1 is Qt&apos;s own message; &quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: %1 Prova «pipstack --help».</translation>
    </message>
    <message>
        <source>pipstack: unexpected argument &apos;%1&apos;. Try &apos;pipstack --help&apos;.</source>
        <extracomment>&quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: argomento inatteso «%1». Prova «pipstack --help».</translation>
    </message>
    <message>
        <source>unknown category &apos;%1&apos; in --used; the categories are %2, or none.</source>
        <extracomment>--used: %1 is the word given, %2 the list of the names it takes.</extracomment>
        <translation>casella sconosciuta «%1» in --used; le caselle sono %2, oppure none.</translation>
    </message>
    <message>
        <source>category &apos;%1&apos; is named twice in --used.</source>
        <translation>la casella «%1» è indicata due volte in --used.</translation>
    </message>
    <message>
        <source>--dice must be five digits from 1 to 6, not &apos;%1&apos;.</source>
        <translation>--dice deve essere di cinque cifre da 1 a 6, non «%1».</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 è indicato più di una volta.</translation>
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
        <translation>--%1 richiede --advise.</translation>
    </message>
    <message>
        <source>--upper must be a whole number from 0 to 105, not &apos;%1&apos;.</source>
        <translation>--upper deve essere un numero intero da 0 a 105, non «%1».</translation>
    </message>
    <message>
        <source>the upper categories in --used cannot add up to %1 points.</source>
        <translation>le caselle superiori in --used non possono sommare %1 punti.</translation>
    </message>
    <message>
        <source>--rolls-left needs --dice.</source>
        <translation>--rolls-left richiede --dice.</translation>
    </message>
    <message>
        <source>--dice needs --rolls-left.</source>
        <translation>--dice richiede --rolls-left.</translation>
    </message>
    <message>
        <source>--rolls-left must be 0, 1 or 2, not &apos;%1&apos;.</source>
        <translation>--rolls-left deve essere 0, 1 o 2, non «%1».</translation>
    </message>
    <message>
        <source>every category is used in --used: there is nothing left to score.</source>
        <translation>tutte le caselle in --used sono usate: non resta niente da segnare.</translation>
    </message>
    <message>
        <source>Prints perfect play&apos;s expected points still to come (this turn&apos;s, later turns&apos; and the upper bonus), with no window; with --dice, every action, best first.</source>
        <translation>Stampa, senza finestra, i punti che il gioco perfetto si attende ancora (di questo turno, dei turni successivi e del bonus superiore); con --dice, ogni azione, la migliore per prima.</translation>
    </message>
    <message>
        <source>The categories already used, comma-separated: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).</source>
        <translation>Le caselle già usate, separate da virgole: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, oppure none (predefinito).</translation>
    </message>
    <message>
        <source>The upper section&apos;s points already scored, 0 to 105.</source>
        <translation>I punti già segnati nella sezione superiore, da 0 a 105.</translation>
    </message>
    <message>
        <source>The five dice in hand, as five digits 1 to 6; needs --rolls-left.</source>
        <translation>I cinque dadi in mano, come cinque cifre da 1 a 6; richiede --rolls-left.</translation>
    </message>
    <message>
        <source>The rolls still allowed after this one: 0, 1 or 2; needs --dice.</source>
        <translation>I lanci ancora consentiti dopo questo: 0, 1 o 2; richiede --dice.</translation>
    </message>
    <message>
        <source>CATS</source>
        <translation>CASELLE</translation>
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
        <translation>L</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>no permission</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>%1 could not be written: the folder %2 is not writable.</source>
        <translation>Impossibile scrivere %1: la cartella %2 non è scrivibile.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 does not exist.</source>
        <translation>Impossibile scrivere %1: la sua cartella %2 non esiste.</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>il disco ha segnalato un errore</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk reported an error.</source>
        <translation>Impossibile scrivere %1: il disco ha segnalato un errore.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is read-only.</source>
        <translation>Impossibile scrivere %1: il disco è di sola lettura.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>Impossibile scrivere %1: il disco è pieno.</translation>
    </message>
    <message>
        <source>%1 could not be written: Windows denied access to it or to its folder.</source>
        <translation>Impossibile scrivere %1: Windows ha negato l&apos;accesso al file o alla sua cartella.</translation>
    </message>
    <message>
        <source>%1 is read-only, so it was left as it is.</source>
        <translation>%1 è di sola lettura, quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>un altro programma lo sta usando</translation>
    </message>
    <message>
        <source>%1 could not be written: another program is using it.</source>
        <translation>Impossibile scrivere %1: un altro programma lo sta usando.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>errore di sistema %1</translation>
    </message>
    <message>
        <source>%1 could not be written (system error %2).</source>
        <translation>Impossibile scrivere %1 (errore di sistema %2).</translation>
    </message>
    <message>
        <source>Windows error %1</source>
        <translation>errore di Windows %1</translation>
    </message>
    <message>
        <source>%1 could not be written (Windows error %2).</source>
        <translation>Impossibile scrivere %1 (errore di Windows %2).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it.</source>
        <translation>Impossibile scrivere %1: non è stato possibile creare un file di blocco accanto.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it (%2).</source>
        <translation>Impossibile scrivere %1: non è stato possibile creare un file di blocco accanto (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read, so it was left as it is.</source>
        <translation>Impossibile leggere %1, quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it was left as it is.</source>
        <translation>Impossibile leggere %1 (%2), quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1 is being saved by another game, which has not finished.</source>
        <translation>Un&apos;altra partita sta salvando %1 e non ha ancora finito.</translation>
    </message>
    <message>
        <source>%1 could not be written: its lock file %2 is a folder.</source>
        <translation>Impossibile scrivere %1: il suo file di blocco %2 è una cartella.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed.</source>
        <translation>I record sono stati salvati, ma non è stato possibile rimuovere il loro file di blocco %1.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed (%2).</source>
        <translation>I record sono stati salvati, ma non è stato possibile rimuovere il loro file di blocco %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.</source>
        <translation>%1 non è un file normale (potrebbe essere una pipe o un dispositivo), quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.</source>
        <translation>I record sono stati salvati. %1 conteneva righe che il gioco non ha capito, quindi il file com&apos;era è conservato come %2.</translation>
    </message>
</context>
<context>
    <name>TextWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>cardwords</name>
    <message>
        <source>Next &amp;Turn</source>
        <translation>&amp;Passa turno</translation>
    </message>
    <message>
        <source>&amp;Roll %1</source>
        <translation>&amp;Lancio %1</translation>
    </message>
    <message>
        <source>Turn %1.</source>
        <translation>Turno %1.</translation>
    </message>
    <message>
        <source>Click for</source>
        <translation>Clicca per</translation>
    </message>
    <message>
        <source>roll #1.</source>
        <translation>il lancio 1.</translation>
    </message>
    <message>
        <source>Ready for</source>
        <translation>Pronto per</translation>
    </message>
    <message>
        <source>roll #%1.</source>
        <translation>il lancio %1.</translation>
    </message>
    <message>
        <source>No more rolls. Please score your rolls.</source>
        <translation>Lanci finiti. Segna il tuo punteggio.</translation>
    </message>
    <message>
        <source>You earned</source>
        <translation>Hai ottenuto</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 punti.</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clicca su</translation>
    </message>
    <message>
        <source>Next Turn.</source>
        <translation>Passa turno.</translation>
    </message>
    <message>
        <source>%1: scored %2</source>
        <translation>%1: %2 segnati</translation>
    </message>
    <message>
        <source>%1: %2 if scored</source>
        <translation>%1: %2 se segnato</translation>
    </message>
    <message>
        <source>%1: open</source>
        <translation>%1: libero</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Dado %1: non lanciato</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 tenuto</translation>
    </message>
    <message>
        <source>No more rolls; score a box.</source>
        <translation>Lanci finiti; segna una casella.</translation>
    </message>
    <message>
        <source>Ready for roll %1.</source>
        <translation>Pronto per il lancio %1.</translation>
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
        <translation>Hai ottenuto %1 punto. </translation>
    </message>
    <message>
        <source>You earned %1 points. </source>
        <translation>Hai ottenuto %1 punti. </translation>
    </message>
    <message>
        <source>Grand total %1. Next Turn.</source>
        <translation>Totale finale %1. Passa turno.</translation>
    </message>
    <message>
        <source>Totals come after the last turn. Scored so far: %1.</source>
        <translation>I totali arrivano dopo l&apos;ultimo turno. Segnati finora: %1.</translation>
    </message>
    <message>
        <source>Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.</source>
        <translation>Subtotale %1, bonus %2, totale 1 %3, totale 2 %4, totale finale %5.</translation>
    </message>
</context>
<context>
    <name>frmQuintix</name>
    <message>
        <source>Ones:</source>
        <translation>Uno:</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Due:</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Tre:</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Quattro:</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Cinque:</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Sei:</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>3 of a kind:</source>
        <translation>Tris:</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>4 of a kind:</source>
        <translation>Poker:</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Poker</translation>
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
        <translation>Scala minore</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Scala maggiore:</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Scala maggiore</translation>
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
        <translation>Chance:</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <comment>row caption</comment>
        <translation>Scala minore:</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Subtotale:</translation>
    </message>
    <message>
        <source>Bouns:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Total 1:</source>
        <translation>Totale 1:</translation>
    </message>
    <message>
        <source>Total 2:</source>
        <translation>Totale 2:</translation>
    </message>
    <message>
        <source>Grand Total:</source>
        <translation>Totale finale:</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, tenuto</translation>
    </message>
    <message>
        <source>%1, let go</source>
        <translation>%1, rilasciato</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>perfect play scores %1</source>
        <translation>il gioco perfetto segna %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>ha segnato %1</translation>
    </message>
    <message>
        <source>perfect play rolls all five dice</source>
        <translation>il gioco perfetto lancia tutti e cinque i dadi</translation>
    </message>
    <message>
        <source>rolled all five dice</source>
        <translation>ha lanciato tutti e cinque i dadi</translation>
    </message>
    <message>
        <source>perfect play keeps %1</source>
        <translation>il gioco perfetto tiene %1</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>ha tenuto %1</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Revisione della partita</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>Revisione della partita</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>L&apos;allenatore sta pensando.</translation>
    </message>
    <message>
        <source>There is no game to review.</source>
        <translation>Non c&apos;è nessuna partita da rivedere.</translation>
    </message>
    <message>
        <source>Player %1: %2 expected points lost in all.</source>
        <translation>Giocatore %1: %2 punti attesi persi in tutto.</translation>
    </message>
    <message>
        <source>Player %1: no decision cost half a point or more.</source>
        <translation>Giocatore %1: nessuna decisione è costata mezzo punto o più.</translation>
    </message>
    <message>
        <source>Player %1, turn %2, roll %3: %4; %5; %6 points lost.</source>
        <translation>Giocatore %1, turno %2, lancio %3: %4; %5; %6 punti persi.</translation>
    </message>
    <message>
        <source>The computer plays every player: there is no one to review.</source>
        <translation>Il computer gioca per tutti i giocatori: non c&apos;è nessuno da rivedere.</translation>
    </message>
</context>
<context>
    <name>frmScores</name>
    <message>
        <source>Waiting for another game to finish saving the high scores…</source>
        <translation>In attesa che un&apos;altra partita finisca di salvare i record…</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(illeggibile)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Do you really want to reset the scores?</source>
        <translation>Vuoi davvero azzerare i record?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1</source>
        <translation>Non è stato possibile salvare i record.

%1</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1

Try again?</source>
        <translation>Non è stato possibile salvare i record.

%1

Riprovare?</translation>
    </message>
</context>
<context>
    <name>frmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Summary Of Scores</source>
        <translation>Riepilogo dei punteggi</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Record!</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Vedi record</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Player %1: </source>
        <translation>Giocatore %1: </translation>
    </message>
    <message>
        <source>, a high score</source>
        <translation>, un record</translation>
    </message>
    <message>
        <source>Player %1, you scored a High Score!  Input your name:</source>
        <translation>Giocatore %1, hai fatto un record!  Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
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
        <translation>(computer)</translation>
    </message>
    <message>
        <source>, played by the computer</source>
        <translation>, giocato dal computer</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Next Turn &amp;Warning</source>
        <translation>&amp;Avviso di turno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Vedi record</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Next Turn Warning now off.</source>
        <translation>Avviso di turno disattivato.</translation>
    </message>
    <message>
        <source>Next Turn Warning now on.</source>
        <translation>Avviso di turno attivato.</translation>
    </message>
    <message>
        <source>How many players (1-8)?</source>
        <translation>Quanti giocatori (1-8)?</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Numero di giocatori</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Player %1, it is your turn.</source>
        <translation>Giocatore %1, tocca a te.</translation>
    </message>
</context>
<context>
    <name>platform::FocusButton</name>
    <message>
        <source>%1 push button.</source>
        <translation>Pulsante %1.</translation>
    </message>
    <message>
        <source>%1 push button. %2</source>
        <translation>Pulsante %1. %2</translation>
    </message>
</context>
</TS>
