<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Coach</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>Computer &amp;Players</source>
        <translation>&amp;Computerspelers</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Speler &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Perfect</source>
        <translation>&amp;Perfect</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Beginner</translation>
    </message>
    <message>
        <source>P&amp;ace</source>
        <translation>&amp;Snelheid</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>Spel &amp;analyseren</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Het spel is afgelopen.</translation>
    </message>
    <message>
        <source>Roll: %1 expected at the end.</source>
        <translation>Gooi: %1 punten verwacht aan het eind.</translation>
    </message>
    <message>
        <source>Score %1: %2 expected at the end.</source>
        <translation>Scoor %1: %2 punten verwacht aan het eind.</translation>
    </message>
    <message>
        <source>Roll all five dice: %1 expected at the end.</source>
        <translation>Gooi alle vijf dobbelstenen: %1 punten verwacht aan het eind.</translation>
    </message>
    <message>
        <source>Keep %1 and roll: %2 expected at the end.</source>
        <translation>Houd %1 vast en gooi: %2 punten verwacht aan het eind.</translation>
    </message>
    <message>
        <source>Score %1 now: %2.</source>
        <translation>Nu %1 scoren: %2.</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>De coach denkt na.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to eight players: roll five dice up to three times a turn
and fill a scorecard of thirteen categories.</source>
        <translation>Een dobbelspel voor een tot acht spelers: gooi per beurt tot drie keer met vijf dobbelstenen
en vul een scorekaart met dertien vakken.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>pipstack: %1 Try &apos;pipstack --help&apos;.</source>
        <extracomment>%1 says what is wrong; &quot;pipstack&quot; is the command typed, in every language.
----------
%1 is Qt&apos;s own message; &quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: %1 Probeer &apos;pipstack --help&apos;.</translation>
    </message>
    <message>
        <source>pipstack: unexpected argument &apos;%1&apos;. Try &apos;pipstack --help&apos;.</source>
        <extracomment>&quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack: onverwacht argument &apos;%1&apos;. Probeer &apos;pipstack --help&apos;.</translation>
    </message>
    <message>
        <source>unknown category &apos;%1&apos; in --used; the categories are %2, or none.</source>
        <extracomment>--used: %1 is the word given, %2 the list of the names it takes.</extracomment>
        <translation>onbekend vak &apos;%1&apos; in --used; de vakken zijn %2, of none.</translation>
    </message>
    <message>
        <source>category &apos;%1&apos; is named twice in --used.</source>
        <translation>vak &apos;%1&apos; wordt twee keer genoemd in --used.</translation>
    </message>
    <message>
        <source>--dice must be five digits from 1 to 6, not &apos;%1&apos;.</source>
        <translation>--dice moet vijf cijfers van 1 tot 6 zijn, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 is meer dan eens opgegeven.</translation>
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
        <translation>--%1 vereist --advise.</translation>
    </message>
    <message>
        <source>--upper must be a whole number from 0 to 105, not &apos;%1&apos;.</source>
        <translation>--upper moet een geheel getal van 0 tot 105 zijn, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>the upper categories in --used cannot add up to %1 points.</source>
        <translation>de bovenste vakken in --used kunnen samen geen %1 punten opleveren.</translation>
    </message>
    <message>
        <source>--rolls-left needs --dice.</source>
        <translation>--rolls-left vereist --dice.</translation>
    </message>
    <message>
        <source>--dice needs --rolls-left.</source>
        <translation>--dice vereist --rolls-left.</translation>
    </message>
    <message>
        <source>--rolls-left must be 0, 1 or 2, not &apos;%1&apos;.</source>
        <translation>--rolls-left moet 0, 1 of 2 zijn, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>every category is used in --used: there is nothing left to score.</source>
        <translation>elk vak in --used is al gebruikt: er valt niets meer te scoren.</translation>
    </message>
    <message>
        <source>Prints perfect play&apos;s expected points still to come (this turn&apos;s, later turns&apos; and the upper bonus), with no window; with --dice, every action, best first.</source>
        <translation>Toont zonder venster de punten die perfect spel nog verwacht (van deze beurt, van latere beurten en de bonus bovenaan); met --dice elke actie, de beste eerst.</translation>
    </message>
    <message>
        <source>The categories already used, comma-separated: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).</source>
        <translation>De vakken die al gebruikt zijn, gescheiden door komma&apos;s: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, of none (standaard).</translation>
    </message>
    <message>
        <source>The upper section&apos;s points already scored, 0 to 105.</source>
        <translation>De punten die al in het bovenste deel gescoord zijn, 0 tot 105.</translation>
    </message>
    <message>
        <source>The five dice in hand, as five digits 1 to 6; needs --rolls-left.</source>
        <translation>De vijf dobbelstenen in de hand, als vijf cijfers van 1 tot 6; vereist --rolls-left.</translation>
    </message>
    <message>
        <source>The rolls still allowed after this one: 0, 1 or 2; needs --dice.</source>
        <translation>De worpen die na deze nog mogen: 0, 1 of 2; vereist --dice.</translation>
    </message>
    <message>
        <source>CATS</source>
        <translation>VAKKEN</translation>
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
        <translation>W</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>no permission</source>
        <translation>geen toestemming</translation>
    </message>
    <message>
        <source>%1 could not be written: the folder %2 is not writable.</source>
        <translation>%1 kon niet worden geschreven: de map %2 is niet schrijfbaar.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 does not exist.</source>
        <translation>%1 kon niet worden geschreven: de map %2 bestaat niet.</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>de schijf meldde een fout</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk reported an error.</source>
        <translation>%1 kon niet worden geschreven: de schijf meldde een fout.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is read-only.</source>
        <translation>%1 kon niet worden geschreven: de schijf is alleen-lezen.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>%1 kon niet worden geschreven: de schijf is vol.</translation>
    </message>
    <message>
        <source>%1 could not be written: Windows denied access to it or to its folder.</source>
        <translation>%1 kon niet worden geschreven: Windows weigerde de toegang tot het bestand of de map.</translation>
    </message>
    <message>
        <source>%1 is read-only, so it was left as it is.</source>
        <translation>%1 is alleen-lezen en is daarom niet gewijzigd.</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>een ander programma gebruikt het</translation>
    </message>
    <message>
        <source>%1 could not be written: another program is using it.</source>
        <translation>%1 kon niet worden geschreven: een ander programma gebruikt het.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>systeemfout %1</translation>
    </message>
    <message>
        <source>%1 could not be written (system error %2).</source>
        <translation>%1 kon niet worden geschreven (systeemfout %2).</translation>
    </message>
    <message>
        <source>Windows error %1</source>
        <translation>Windows-fout %1</translation>
    </message>
    <message>
        <source>%1 could not be written (Windows error %2).</source>
        <translation>%1 kon niet worden geschreven (Windows-fout %2).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it.</source>
        <translation>%1 kon niet worden geschreven: er kon geen vergrendelingsbestand naast worden gemaakt.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it (%2).</source>
        <translation>%1 kon niet worden geschreven: er kon geen vergrendelingsbestand naast worden gemaakt (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read, so it was left as it is.</source>
        <translation>%1 kon niet worden gelezen en is daarom niet gewijzigd.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it was left as it is.</source>
        <translation>%1 kon niet worden gelezen (%2) en is daarom niet gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>%1 is being saved by another game, which has not finished.</source>
        <translation>%1 wordt opgeslagen door een ander spel, dat nog niet klaar is.</translation>
    </message>
    <message>
        <source>%1 could not be written: its lock file %2 is a folder.</source>
        <translation>%1 kon niet worden geschreven: het vergrendelingsbestand %2 is een map.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed.</source>
        <translation>De topscores zijn opgeslagen, maar hun vergrendelingsbestand %1 kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed (%2).</source>
        <translation>De topscores zijn opgeslagen, maar hun vergrendelingsbestand %1 kon niet worden verwijderd (%2).</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.</source>
        <translation>%1 is geen gewoon bestand (misschien een pipe of een apparaat) en is daarom niet gewijzigd.</translation>
    </message>
    <message>
        <source>The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.</source>
        <translation>De topscores zijn opgeslagen. %1 bevatte regels die het spel niet begreep, daarom is het bestand zoals het was bewaard als %2.</translation>
    </message>
</context>
<context>
    <name>TextWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>cardwords</name>
    <message>
        <source>Next &amp;Turn</source>
        <translation>&amp;Doorgeven</translation>
    </message>
    <message>
        <source>&amp;Roll %1</source>
        <translation>&amp;Worp %1</translation>
    </message>
    <message>
        <source>Turn %1.</source>
        <translation>Beurt %1.</translation>
    </message>
    <message>
        <source>Click for</source>
        <translation>Klik voor</translation>
    </message>
    <message>
        <source>roll #1.</source>
        <translation>worp 1.</translation>
    </message>
    <message>
        <source>Ready for</source>
        <translation>Klaar voor</translation>
    </message>
    <message>
        <source>roll #%1.</source>
        <translation>worp %1.</translation>
    </message>
    <message>
        <source>No more rolls. Please score your rolls.</source>
        <translation>Geen worpen meer. Vul je score in.</translation>
    </message>
    <message>
        <source>You earned</source>
        <translation>Je scoort</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 punten.</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klik op</translation>
    </message>
    <message>
        <source>Next Turn.</source>
        <translation>Doorgeven.</translation>
    </message>
    <message>
        <source>%1: scored %2</source>
        <translation>%1: %2 gescoord</translation>
    </message>
    <message>
        <source>%1: %2 if scored</source>
        <translation>%1: %2 als je scoort</translation>
    </message>
    <message>
        <source>%1: open</source>
        <translation>%1: open</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Dobbelsteen %1: niet gegooid</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dobbelsteen %1: %2</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 vastgehouden</translation>
    </message>
    <message>
        <source>No more rolls; score a box.</source>
        <translation>Geen worpen meer; vul een vak in.</translation>
    </message>
    <message>
        <source>Ready for roll %1.</source>
        <translation>Klaar voor worp %1.</translation>
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
        <translation>Je scoort %1 punt. </translation>
    </message>
    <message>
        <source>You earned %1 points. </source>
        <translation>Je scoort %1 punten. </translation>
    </message>
    <message>
        <source>Grand total %1. Next Turn.</source>
        <translation>Eindtotaal %1. Doorgeven.</translation>
    </message>
    <message>
        <source>Totals come after the last turn. Scored so far: %1.</source>
        <translation>De totalen komen na de laatste beurt. Tot nu toe gescoord: %1.</translation>
    </message>
    <message>
        <source>Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.</source>
        <translation>Subtotaal %1, bonus %2, totaal 1 %3, totaal 2 %4, eindtotaal %5.</translation>
    </message>
</context>
<context>
    <name>frmQuintix</name>
    <message>
        <source>Ones:</source>
        <translation>Enen:</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Tweeën:</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Drieën:</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Vieren:</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Vijven:</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Zessen:</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>3 of a kind:</source>
        <translation>3 gelijke:</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>3 gelijke</translation>
    </message>
    <message>
        <source>4 of a kind:</source>
        <translation>4 gelijke:</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>4 gelijke</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full house:</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine straat</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Grote straat:</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grote straat</translation>
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
        <translation>Kans:</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <comment>row caption</comment>
        <translation>Kleine straat:</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Subtotaal:</translation>
    </message>
    <message>
        <source>Bouns:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Total 1:</source>
        <translation>Totaal 1:</translation>
    </message>
    <message>
        <source>Total 2:</source>
        <translation>Totaal 2:</translation>
    </message>
    <message>
        <source>Grand Total:</source>
        <translation>Eindtotaal:</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, vastgehouden</translation>
    </message>
    <message>
        <source>%1, let go</source>
        <translation>%1, losgelaten</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>perfect play scores %1</source>
        <translation>perfect spel scoort %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>scoorde %1</translation>
    </message>
    <message>
        <source>perfect play rolls all five dice</source>
        <translation>perfect spel gooit alle vijf dobbelstenen</translation>
    </message>
    <message>
        <source>rolled all five dice</source>
        <translation>gooide alle vijf dobbelstenen</translation>
    </message>
    <message>
        <source>perfect play keeps %1</source>
        <translation>perfect spel houdt %1 vast</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>hield %1 vast</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>De coach denkt na.</translation>
    </message>
    <message>
        <source>There is no game to review.</source>
        <translation>Er is geen spel om te analyseren.</translation>
    </message>
    <message>
        <source>Player %1: %2 expected points lost in all.</source>
        <translation>Speler %1: in totaal %2 verwachte punten verloren.</translation>
    </message>
    <message>
        <source>Player %1: no decision cost half a point or more.</source>
        <translation>Speler %1: geen beslissing kostte een half punt of meer.</translation>
    </message>
    <message>
        <source>Player %1, turn %2, roll %3: %4; %5; %6 points lost.</source>
        <translation>Speler %1, beurt %2, worp %3: %4; %5; %6 punten verloren.</translation>
    </message>
    <message>
        <source>The computer plays every player: there is no one to review.</source>
        <translation>De computer speelt voor alle spelers: er is niemand om te analyseren.</translation>
    </message>
</context>
<context>
    <name>frmScores</name>
    <message>
        <source>Waiting for another game to finish saving the high scores…</source>
        <translation>Wachten tot een ander spel klaar is met het opslaan van de topscores…</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(onleesbaar)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Do you really want to reset the scores?</source>
        <translation>Wil je de topscores echt wissen?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1</source>
        <translation>De topscores konden niet worden opgeslagen.

%1</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1

Try again?</source>
        <translation>De topscores konden niet worden opgeslagen.

%1

Opnieuw proberen?</translation>
    </message>
</context>
<context>
    <name>frmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Summary Of Scores</source>
        <translation>Overzicht van de scores</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Topscore!</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Topscores bekijken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Player %1: </source>
        <translation>Speler %1: </translation>
    </message>
    <message>
        <source>, a high score</source>
        <translation>, een topscore</translation>
    </message>
    <message>
        <source>Player %1, you scored a High Score!  Input your name:</source>
        <translation>Speler %1, je hebt een topscore!  Vul je naam in:</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Topscore</translation>
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
        <translation>, gespeeld door de computer</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Next Turn &amp;Warning</source>
        <translation>&amp;Waarschuwing bij volgende beurt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Topscores bekijken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Next Turn Warning now off.</source>
        <translation>Waarschuwing bij volgende beurt nu uit.</translation>
    </message>
    <message>
        <source>Next Turn Warning now on.</source>
        <translation>Waarschuwing bij volgende beurt nu aan.</translation>
    </message>
    <message>
        <source>How many players (1-8)?</source>
        <translation>Hoeveel spelers (1-8)?</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Aantal spelers</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Player %1, it is your turn.</source>
        <translation>Speler %1, jij bent aan de beurt.</translation>
    </message>
</context>
<context>
    <name>platform::FocusButton</name>
    <message>
        <source>%1 push button.</source>
        <translation>Knop %1.</translation>
    </message>
    <message>
        <source>%1 push button. %2</source>
        <translation>Knop %1. %2</translation>
    </message>
</context>
</TS>
