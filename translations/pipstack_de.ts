<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Coach</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Computer &amp;Players</source>
        <translation>&amp;Computerspieler</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Spieler &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Spielstärke</translation>
    </message>
    <message>
        <source>&amp;Perfect</source>
        <translation>&amp;Perfekt</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>P&amp;ace</source>
        <translation>Tem&amp;po</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>Spiel &amp;auswerten</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist aus.</translation>
    </message>
    <message>
        <source>Roll: %1 expected at the end.</source>
        <translation>Würfeln: %1 am Ende erwartet.</translation>
    </message>
    <message>
        <source>Score %1: %2 expected at the end.</source>
        <translation>%1 eintragen: %2 am Ende erwartet.</translation>
    </message>
    <message>
        <source>Roll all five dice: %1 expected at the end.</source>
        <translation>Alle fünf Würfel werfen: %1 am Ende erwartet.</translation>
    </message>
    <message>
        <source>Keep %1 and roll: %2 expected at the end.</source>
        <translation>%1 halten und würfeln: %2 am Ende erwartet.</translation>
    </message>
    <message>
        <source>Score %1 now: %2.</source>
        <translation>Jetzt %1 eintragen: %2.</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>Der Trainer denkt nach.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to eight players: roll five dice up to three times a turn
and fill a scorecard of thirteen categories.</source>
        <translation>Ein Würfelspiel für einen bis acht Spieler: Würfle pro Zug bis zu dreimal mit fünf Würfeln
und fülle einen Spielblock mit dreizehn Feldern.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>pipstack: %1 Try &apos;pipstack --help&apos;.</source>
        <extracomment>%1 says what is wrong; &quot;pipstack&quot; is the command typed, in every language.
----------
%1 is Qt&apos;s own message; &quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: %1 Mehr dazu mit „pipstack --help“.</translation>
    </message>
    <message>
        <source>pipstack: unexpected argument &apos;%1&apos;. Try &apos;pipstack --help&apos;.</source>
        <extracomment>&quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: unerwartetes Argument „%1“. Mehr dazu mit „pipstack --help“.</translation>
    </message>
    <message>
        <source>unknown category &apos;%1&apos; in --used; the categories are %2, or none.</source>
        <extracomment>--used: %1 is the word given, %2 the list of the names it takes.</extracomment>
        <translation>unbekanntes Feld „%1“ in --used; die Felder sind %2 oder none.</translation>
    </message>
    <message>
        <source>category &apos;%1&apos; is named twice in --used.</source>
        <translation>Feld „%1“ steht zweimal in --used.</translation>
    </message>
    <message>
        <source>--dice must be five digits from 1 to 6, not &apos;%1&apos;.</source>
        <translation>--dice muss aus fünf Ziffern von 1 bis 6 bestehen, nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehrfach angegeben.</translation>
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
        <translation>--%1 braucht --advise.</translation>
    </message>
    <message>
        <source>--upper must be a whole number from 0 to 105, not &apos;%1&apos;.</source>
        <translation>--upper muss eine ganze Zahl von 0 bis 105 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>the upper categories in --used cannot add up to %1 points.</source>
        <translation>die oberen Felder in --used können nicht %1 Punkte ergeben.</translation>
    </message>
    <message>
        <source>--rolls-left needs --dice.</source>
        <translation>--rolls-left braucht --dice.</translation>
    </message>
    <message>
        <source>--dice needs --rolls-left.</source>
        <translation>--dice braucht --rolls-left.</translation>
    </message>
    <message>
        <source>--rolls-left must be 0, 1 or 2, not &apos;%1&apos;.</source>
        <translation>--rolls-left muss 0, 1 oder 2 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>every category is used in --used: there is nothing left to score.</source>
        <translation>jedes Feld in --used ist belegt: Es bleibt nichts mehr einzutragen.</translation>
    </message>
    <message>
        <source>Prints perfect play&apos;s expected points still to come (this turn&apos;s, later turns&apos; and the upper bonus), with no window; with --dice, every action, best first.</source>
        <translation>Gibt ohne Fenster aus, wie viele Punkte perfektes Spiel noch erwarten lässt (aus diesem Zug, aus späteren Zügen und dem oberen Bonus); mit --dice jede Möglichkeit, die beste zuerst.</translation>
    </message>
    <message>
        <source>The categories already used, comma-separated: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).</source>
        <translation>Die schon belegten Felder, durch Kommas getrennt: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance oder none (Standard).</translation>
    </message>
    <message>
        <source>The upper section&apos;s points already scored, 0 to 105.</source>
        <translation>Die im oberen Teil schon eingetragenen Punkte, 0 bis 105.</translation>
    </message>
    <message>
        <source>The five dice in hand, as five digits 1 to 6; needs --rolls-left.</source>
        <translation>Die fünf Würfel in der Hand als fünf Ziffern von 1 bis 6; braucht --rolls-left.</translation>
    </message>
    <message>
        <source>The rolls still allowed after this one: 0, 1 or 2; needs --dice.</source>
        <translation>Die nach diesem Wurf noch erlaubten Würfe: 0, 1 oder 2; braucht --dice.</translation>
    </message>
    <message>
        <source>CATS</source>
        <translation>FELDER</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>DDDDD</source>
        <translation>WWWWW</translation>
    </message>
    <message>
        <source>R</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>%1 could not be written: the folder %2 is not writable.</source>
        <translation>%1 konnte nicht geschrieben werden: In den Ordner %2 darf nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 does not exist.</source>
        <translation>%1 konnte nicht geschrieben werden: Sein Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger meldete einen Fehler</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk reported an error.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Datenträger meldete einen Fehler.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is read-only.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>%1 could not be written: Windows denied access to it or to its folder.</source>
        <translation>%1 konnte nicht geschrieben werden: Windows verweigerte den Zugriff auf die Datei oder ihren Ordner.</translation>
    </message>
    <message>
        <source>%1 is read-only, so it was left as it is.</source>
        <translation>%1 ist schreibgeschützt und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>ein anderes Programm verwendet die Datei</translation>
    </message>
    <message>
        <source>%1 could not be written: another program is using it.</source>
        <translation>%1 konnte nicht geschrieben werden: Ein anderes Programm verwendet die Datei.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>%1 could not be written (system error %2).</source>
        <translation>%1 konnte nicht geschrieben werden (Systemfehler %2).</translation>
    </message>
    <message>
        <source>Windows error %1</source>
        <translation>Windows-Fehler %1</translation>
    </message>
    <message>
        <source>%1 could not be written (Windows error %2).</source>
        <translation>%1 konnte nicht geschrieben werden (Windows-Fehler %2).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it.</source>
        <translation>%1 konnte nicht geschrieben werden: Daneben ließ sich keine Sperrdatei anlegen.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it (%2).</source>
        <translation>%1 konnte nicht geschrieben werden: Daneben ließ sich keine Sperrdatei anlegen (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read, so it was left as it is.</source>
        <translation>%1 konnte nicht gelesen werden und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it was left as it is.</source>
        <translation>%1 konnte nicht gelesen werden (%2) und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is being saved by another game, which has not finished.</source>
        <translation>%1 wird gerade von einem anderen Spiel gespeichert, das noch nicht fertig ist.</translation>
    </message>
    <message>
        <source>%1 could not be written: its lock file %2 is a folder.</source>
        <translation>%1 konnte nicht geschrieben werden: Seine Sperrdatei %2 ist ein Ordner.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed.</source>
        <translation>Die Bestenliste wurde gespeichert, aber ihre Sperrdatei %1 ließ sich nicht entfernen.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed (%2).</source>
        <translation>Die Bestenliste wurde gespeichert, aber ihre Sperrdatei %1 ließ sich nicht entfernen (%2).</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.</source>
        <translation>%1 ist keine gewöhnliche Datei (vielleicht eine Pipe oder ein Gerät) und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.</source>
        <translation>Die Bestenliste wurde gespeichert. %1 enthielt Zeilen, die das Spiel nicht verstand; die Datei, wie sie war, ist daher als %2 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>TextWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>cardwords</name>
    <message>
        <source>Next &amp;Turn</source>
        <translation>Nächster &amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Roll %1</source>
        <translation>&amp;Wurf %1</translation>
    </message>
    <message>
        <source>Turn %1.</source>
        <translation>Zug %1.</translation>
    </message>
    <message>
        <source>Click for</source>
        <translation>Klick für</translation>
    </message>
    <message>
        <source>roll #1.</source>
        <translation>Wurf 1.</translation>
    </message>
    <message>
        <source>Ready for</source>
        <translation>Bereit für</translation>
    </message>
    <message>
        <source>roll #%1.</source>
        <translation>Wurf %1.</translation>
    </message>
    <message>
        <source>No more rolls. Please score your rolls.</source>
        <translation>Keine Würfe mehr. Bitte trag dein Ergebnis ein.</translation>
    </message>
    <message>
        <source>You earned</source>
        <translation>Du erhältst</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 Punkte.</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Weiter mit</translation>
    </message>
    <message>
        <source>Next Turn.</source>
        <translation>Nächster Zug.</translation>
    </message>
    <message>
        <source>%1: scored %2</source>
        <translation>%1: %2 eingetragen</translation>
    </message>
    <message>
        <source>%1: %2 if scored</source>
        <translation>%1: %2, wenn eingetragen</translation>
    </message>
    <message>
        <source>%1: open</source>
        <translation>%1: offen</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Würfel %1: nicht gewürfelt</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 gehalten</translation>
    </message>
    <message>
        <source>No more rolls; score a box.</source>
        <translation>Keine Würfe mehr; trag ein Feld ein.</translation>
    </message>
    <message>
        <source>Ready for roll %1.</source>
        <translation>Bereit für Wurf %1.</translation>
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
        <translation>Du erhältst %1 Punkt. </translation>
    </message>
    <message>
        <source>You earned %1 points. </source>
        <translation>Du erhältst %1 Punkte. </translation>
    </message>
    <message>
        <source>Grand total %1. Next Turn.</source>
        <translation>Endsumme %1. Nächster Zug.</translation>
    </message>
    <message>
        <source>Totals come after the last turn. Scored so far: %1.</source>
        <translation>Die Summen gibt es nach dem letzten Zug. Bisher eingetragen: %1.</translation>
    </message>
    <message>
        <source>Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.</source>
        <translation>Teilsumme %1, Bonus %2, Summe 1 %3, Summe 2 %4, Endsumme %5.</translation>
    </message>
</context>
<context>
    <name>frmQuintix</name>
    <message>
        <source>Ones:</source>
        <translation>Einser:</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Zweier:</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Dreier:</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Vierer:</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Fünfer:</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Sechser:</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>3 of a kind:</source>
        <translation>Dreierpasch:</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 of a kind:</source>
        <translation>Viererpasch:</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full House:</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Große Straße:</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
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
        <translation>Kleine Straße:</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Teilsumme:</translation>
    </message>
    <message>
        <source>Bouns:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Total 1:</source>
        <translation>Summe 1:</translation>
    </message>
    <message>
        <source>Total 2:</source>
        <translation>Summe 2:</translation>
    </message>
    <message>
        <source>Grand Total:</source>
        <translation>Endsumme:</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gehalten</translation>
    </message>
    <message>
        <source>%1, let go</source>
        <translation>%1, freigegeben</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>perfect play scores %1</source>
        <translation>perfektes Spiel trägt %1 ein</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>%1 eingetragen</translation>
    </message>
    <message>
        <source>perfect play rolls all five dice</source>
        <translation>perfektes Spiel wirft alle fünf Würfel</translation>
    </message>
    <message>
        <source>rolled all five dice</source>
        <translation>alle fünf Würfel geworfen</translation>
    </message>
    <message>
        <source>perfect play keeps %1</source>
        <translation>perfektes Spiel hält %1</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>%1 gehalten</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Spielauswertung</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>Spielauswertung</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>Der Trainer denkt nach.</translation>
    </message>
    <message>
        <source>There is no game to review.</source>
        <translation>Es gibt kein Spiel zum Auswerten.</translation>
    </message>
    <message>
        <source>Player %1: %2 expected points lost in all.</source>
        <translation>Spieler %1: insgesamt %2 erwartete Punkte verloren.</translation>
    </message>
    <message>
        <source>Player %1: no decision cost half a point or more.</source>
        <translation>Spieler %1: Keine Entscheidung kostete einen halben Punkt oder mehr.</translation>
    </message>
    <message>
        <source>Player %1, turn %2, roll %3: %4; %5; %6 points lost.</source>
        <translation>Spieler %1, Zug %2, Wurf %3: %4; %5; %6 Punkte verloren.</translation>
    </message>
    <message>
        <source>The computer plays every player: there is no one to review.</source>
        <translation>Der Computer spielt alle Spieler: Es gibt niemanden auszuwerten.</translation>
    </message>
</context>
<context>
    <name>frmScores</name>
    <message>
        <source>Waiting for another game to finish saving the high scores…</source>
        <translation>Warte, bis ein anderes Spiel die Bestenliste fertig gespeichert hat …</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Do you really want to reset the scores?</source>
        <translation>Willst du die Bestenliste wirklich leeren?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1</source>
        <translation>Die Bestenliste konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1

Try again?</source>
        <translation>Die Bestenliste konnte nicht gespeichert werden.

%1

Noch einmal versuchen?</translation>
    </message>
</context>
<context>
    <name>frmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Summary Of Scores</source>
        <translation>Ergebnis der Partie</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Highscore!</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>Bestenliste &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Player %1: </source>
        <translation>Spieler %1: </translation>
    </message>
    <message>
        <source>, a high score</source>
        <translation>, ein Highscore</translation>
    </message>
    <message>
        <source>Player %1, you scored a High Score!  Input your name:</source>
        <translation>Spieler %1, du hast einen Highscore erreicht!  Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Highscore</translation>
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
        <translation>(Computer)</translation>
    </message>
    <message>
        <source>, played by the computer</source>
        <translation>, vom Computer gespielt</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Next Turn &amp;Warning</source>
        <translation>&amp;Hinweis vor jedem Zug</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>Bestenliste &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Next Turn Warning now off.</source>
        <translation>Hinweis vor jedem Zug jetzt aus.</translation>
    </message>
    <message>
        <source>Next Turn Warning now on.</source>
        <translation>Hinweis vor jedem Zug jetzt ein.</translation>
    </message>
    <message>
        <source>How many players (1-8)?</source>
        <translation>Wie viele Spieler (1–8)?</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Anzahl der Spieler</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Player %1, it is your turn.</source>
        <translation>Spieler %1, du bist dran.</translation>
    </message>
</context>
<context>
    <name>platform::FocusButton</name>
    <message>
        <source>%1 push button.</source>
        <translation>Schaltfläche %1.</translation>
    </message>
    <message>
        <source>%1 push button. %2</source>
        <translation>Schaltfläche %1. %2</translation>
    </message>
</context>
</TS>
